// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/EngineKind.h"
#include "app/history/HistoryChange.h"
#include "app/settings/SettingKeys.h"
#include "gui/shell/Dialogs.h"
#include "model/AttributeKind.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>

namespace quorvel {

struct AnalysisChoices;
class AnalysisController;
class CombinationPanel;
class HistoryChangeWatcher;
class HistoryPanel;
struct ImportResult;
class MainMenus;
class OnlineUpdate;
class OptionsPanel;
class ResultsPanel;
class StoredBasesCheck;
class TableWindow;
class TrendWindow;
class BacktestWindow;
class Workspace;

// The main window frmMain: the history with the manual entry, the search options, the combination boxes
// and the result grids over one Workspace. Every dialog goes through the Dialogs it is given. While a long
// job runs the dynamic property "busy" is true.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(Workspace& workspace, Dialogs& dialogs, QWidget* parent = nullptr);

    // The engine the analyses run on: the memory engine unless the reference engine is chosen.
    void setEngine(EngineKind engine);

    // The history text file chosen by the user replaces the history (cmdRdLst).
    void importFromUser();
    // Replaces the history by a history text file and reports what was stored and skipped.
    void importFile(const QString& file);
    // Restores the history from a safety copy the user chose (mnuRestore), reported like an import.
    void restoreSafetyCopy(const QString& file);

  signals:
    // The history list was read again after a change of the history (here or by another program).
    void historyShown();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The window's own texts and its menus' in the language now in use.
    void retranslate();
    void startUp();
    // Opens the omission table window (made on first use).
    // What the options panel says now: kind, number order, range.
    AnalysisChoices optionChoices() const;
    // Printing, PDF and pictures on the right-click menus of the history list and the result grids.
    void offerOutputs();
    void openTable();
    // Opens the trend window (made on first use).
    void openTrend();
    void openBacktest();
    // History management, the history's exports and the watch for changes made by another program.
    void connectHistoryManagement();
    void showHistory();
    void showNextIssue();
    void layoutCombinations(AttributeKind kind);
    // The one handler of the history's changes (Workspace tells of them): the list and the next issue, then
    // the position-search state; after an online update the range from the first to the latest issue instead.
    void showChangedHistory(HistoryChange change);
    // Replaces the history by the draws of a file through `read` (an import or a restore) and reports it.
    void readHistoryFile(const QString& file, const std::function<ImportResult(const std::filesystem::path&)>& read);
    void storeTypedDraw();
    void openLink(Setting address, const QString& caption);
    // Shows a message, after the warning about the stored draws' bases while they differ from the settings.
    void showStatus(const QString& text);

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    HistoryPanel* m_history;
    OptionsPanel* m_options;
    CombinationPanel* m_combinations;
    ResultsPanel* m_results;
    MainMenus* m_menus;
    OnlineUpdate* m_update = nullptr;
    // The status line's text without the bases' warning in front.
    QString m_statusText;
    AnalysisController* m_analyses = nullptr;
    HistoryChangeWatcher* m_watcher = nullptr;
    StoredBasesCheck* m_bases = nullptr;
    TableWindow* m_table = nullptr;
    TrendWindow* m_trend = nullptr;
    BacktestWindow* m_backtest = nullptr;
    HistorySubscription m_subscription;
};

} // namespace quorvel
