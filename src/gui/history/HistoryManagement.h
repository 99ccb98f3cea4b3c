// SPDX-License-Identifier: MIT
#pragma once

#include "maintain/MaintenanceResult.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace quorvel {

class Dialogs;
class HistoryPanel;
class Workspace;

// The window's history management: delete the latest draw (Command3, mnuErase), clear (mnuClear), keep up
// to an issue (mnuDlzd), delete the latest N (mnuEszhzd), the years the online update keeps (mnuSetDay) and
// restoring a safety copy (mnuRestore); the menu 历史管理 pops up on a right click on the history list.
// Every question goes through Dialogs; a failure is shown and the history stays as it was.
class HistoryManagement : public QObject {
    Q_OBJECT
  public:
    // historyMenu: 历史管理 with its entries; the entries and mnuSetDay are found in the window by name.
    HistoryManagement(Workspace& workspace, Dialogs& dialogs, QWidget& window, HistoryPanel& panel, QMenu& historyMenu);

  signals:
    // The user chose a safety copy: the history is to be restored from it (reported like an import).
    void restoreRequested(const QString& file);
    void statusMessage(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void deleteLatest();
    void clearAll();
    void keepUntilChosen();
    void deleteLatestCount();
    void chooseYears();
    void restoreBackup();
    // Names the holes of the stored history in a message.
    void checkHistory();

    // Asks for a whole number; nothing when the user cancels, leaves the box empty or types no number (then
    // the refusal is shown).
    std::optional<int> askNumber(const QString& title, const QString& prompt, const QString& defaultText);
    // Runs a removal; on success reports what remains and where the safety copy went, and returns true.
    bool runRemoval(const QString& title, const std::function<MaintenanceResult()>& removal, const QString& done);
    QAction& entry(const char* name) const;

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    QWidget& m_window;
    HistoryPanel& m_panel;
    QMenu& m_menu;
};

} // namespace quorvel
