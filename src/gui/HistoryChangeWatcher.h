// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>

class QTimer;
class QWidget;

namespace quorvel {

class Workspace;

// Notices that another program (the command line, a second window) changed the stored history: about once
// a second and whenever the window is activated it compares the store's history version with the one the
// window last showed. The check costs one PRAGMA; it waits while the window is busy or a dialog is open.
class HistoryChangeWatcher : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 1000;

    HistoryChangeWatcher(Workspace& workspace, QWidget& window);

    // The window is about to read the history as it is now: changes up to here are its own or already shown.
    void acknowledge();
    // Compares the versions now; emits changedElsewhere when the history changed since the last acknowledge.
    void check();

  signals:
    void changedElsewhere();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Workspace& m_workspace;
    QWidget& m_window;
    QTimer* m_timer;
    std::uint64_t m_shownVersion = 0;
};

} // namespace quorvel
