// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QTimer;
class QWidget;

namespace quorvel {

class Workspace;

// Lets the Workspace notice that another program (the command line, a second window) changed the stored
// history: about once a second and whenever the window is activated (WorkspaceHistory::noticeChangesElsewhere(),
// which tells the window's handler). The check costs one PRAGMA; it waits while the window is busy or a
// dialog is open.
class HistoryChangeWatcher : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 1000;

    HistoryChangeWatcher(Workspace& workspace, QWidget& window);

    // Asks now, unless the window is busy or a dialog or menu is open.
    void check();

  signals:
    // Another program stored data other than the draws (its group results); the history is unchanged.
    void storedResultsChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Workspace& m_workspace;
    QWidget& m_window;
    QTimer* m_timer;
};

} // namespace quorvel
