// SPDX-License-Identifier: MIT
#include "gui/HistoryChangeWatcher.h"

#include "app/Workspace.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <exception>

namespace quorvel {

HistoryChangeWatcher::HistoryChangeWatcher(Workspace& workspace, QWidget& window)
    : QObject(&window), m_workspace(workspace), m_window(window), m_timer(new QTimer(this)) {
    acknowledge();
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &HistoryChangeWatcher::check);
    m_timer->start();
    window.installEventFilter(this);
}

void HistoryChangeWatcher::acknowledge() {
    try {
        m_shownVersion = m_workspace.historyVersion();
    } catch (const std::exception&) {
        // A store that cannot be asked now is asked again at the next check.
    }
}

void HistoryChangeWatcher::check() {
    // A reload under an open dialog or menu, or in the middle of a job, would change what the user is
    // answering about; the next tick comes soon enough.
    if (m_window.property("busy").toBool() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    std::uint64_t version = 0;
    try {
        version = m_workspace.historyVersion();
    } catch (const std::exception&) {
        return; // the store is busy or gone for a moment; the next tick asks again
    }
    if (version == m_shownVersion) return;
    m_shownVersion = version;
    emit changedElsewhere();
}

bool HistoryChangeWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::WindowActivate) check();
    return QObject::eventFilter(watched, event);
}

} // namespace quorvel
