// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace quorvel {

// Marks a window busy for as long as it lives (its dynamic property "busy", which the change watcher and the
// UI runner read) and shows a cursor over the application, also when the work it covers raises.
class BusyScope {
  public:
    explicit BusyScope(QWidget* window, std::optional<Qt::CursorShape> cursor = Qt::WaitCursor) : m_window(window) {
        if (m_window) m_window->setProperty("busy", true);
        if (cursor) showCursor(*cursor);
    }
    ~BusyScope() {
        showNormalCursor();
        if (m_window) m_window->setProperty("busy", false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    // The normal cursor while a dialog asks the user something; showCursor() takes the busy one again.
    void showNormalCursor() {
        if (m_cursor) QApplication::restoreOverrideCursor();
        m_cursor.reset();
    }
    void showCursor(Qt::CursorShape cursor) {
        showNormalCursor();
        QApplication::setOverrideCursor(cursor);
        m_cursor = cursor;
    }

  private:
    QPointer<QWidget> m_window;
    std::optional<Qt::CursorShape> m_cursor;
};

} // namespace quorvel
