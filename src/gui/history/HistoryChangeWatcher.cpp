// SPDX-License-Identifier: MIT
#include "gui/history/HistoryChangeWatcher.h"

#include "app/Workspace.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quorvel {

HistoryChangeWatcher::HistoryChangeWatcher(Workspace& workspace, QWidget& window)
    : QObject(&window), m_workspace(workspace), m_window(window), m_timer(new QTimer(this)) {
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &HistoryChangeWatcher::check);
    m_timer->start();
    window.installEventFilter(this);
}

void HistoryChangeWatcher::check() {
    // A reload under an open dialog or menu, or in the middle of a job, would change what the user is
    // answering about; the next tick comes soon enough.
    if (m_window.property("busy").toBool() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    if (m_workspace.history().noticeChangesElsewhere() == ChangeElsewhere::StoredResults) emit storedResultsChanged();
}

bool HistoryChangeWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::WindowActivate) check();
    return QObject::eventFilter(watched, event);
}

} // namespace quorvel
