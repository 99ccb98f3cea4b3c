// SPDX-License-Identifier: MIT
#include "gui/shell/FocusOutWatcher.h"

#include <QEvent>
#include <QWidget>

namespace quorvel {

FocusOutWatcher::FocusOutWatcher(QWidget* widget, std::function<void()> action)
    : QObject(widget), m_action(std::move(action)) {
    widget->installEventFilter(this);
}

bool FocusOutWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) m_action();
    return QObject::eventFilter(watched, event);
}

void onFocusOut(QWidget* widget, std::function<void()> action) { new FocusOutWatcher(widget, std::move(action)); }

} // namespace quorvel
