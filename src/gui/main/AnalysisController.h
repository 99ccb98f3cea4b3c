// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "analysis/EngineKind.h"
#include "analysis/Progress.h"
#include "app/choices/WindowRequests.h"
#include "app/history/HistoryChange.h"
#include "app/results/ResultsView.h"
#include "model/CellGrid.h"
#include "model/GroupSort.h"

#include <QObject>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>

class QWidget;

namespace quorvel {

class CombinationPanel;
class Dialogs;
class OmissionChart;
class OptionsPanel;
class ResultsPanel;
class Workspace;

// Runs the window's analyses: 检索 (Command1), 分部检索 (Command2) and 分组计算 (Command5) from the
// controls, fills the hit list MSFlexGrid2 and the omission grid MSFlexGrid3, re-orders the group rows on
// a click in MSFlexGrid3 or a choice in cboSort, exports either grid on a double click (with the counting
// rules of its result), and keeps the omission chart on the selected result. Long runs show progress and can be
// cancelled; a refused or cancelled run keeps the results. What the results hold lives in a ResultsView; the
// controller runs the analyses and binds the panels to it.
class AnalysisController : public QObject {
    Q_OBJECT
  public:
    // The panels whose controls it reads and fills.
    struct Panels {
        OptionsPanel* options;
        CombinationPanel* combinations;
        ResultsPanel* results;
        OmissionChart* chart;
    };
    using FileOpener = std::function<bool(const std::filesystem::path&)>;

    AnalysisController(Workspace& workspace, Dialogs& dialogs, QWidget& window, Panels panels);

    // The engine the analyses run on (the memory engine unless chosen otherwise).
    void setEngine(EngineKind engine) { m_engine = engine; }
    // How a written workbook is opened (the desktop's application unless replaced).
    void setFileOpener(FileOpener opener) { m_openFile = std::move(opener); }

    void runPositionSearch();
    void runPartialSearch();
    void runGroupCalculation();

    // Titles the chart again in the language now in use (after a change of language).
    void retitleChart();

  signals:
    void statusMessage(const QString& text);

  private:
    // The requests from the controls, or nothing when the range or the history refuses any run (said).
    std::optional<WindowRequests> readRequests();
    // Runs an analysis with the window busy and progress shown; false when it failed or was cancelled (said).
    bool run(const QString& what, const std::function<void(const Progress&)>& work);
    // Shows a search's hits and summary; `rules` says in words how its gaps were counted, for the workbooks.
    void showSearch(SearchResult result, SearchKind kind, Messages rules);
    // A search's label with the names of its codes ("05 龙"), in the window's language.
    QString searchedLabel(const std::string& label, SearchKind kind) const;
    // Makes the shown row holding `keep` current (else the first row) in a column, and scrolls to it.
    void selectGroupRow(const std::string& keep, int column);
    // Shows the stored group rows in an order, keeping the group `keep` current and the column current.
    // Orders the group rows (descending: the other way round), keeping the group `keep` selected and in view.
    void orderGroupRows(GroupSort sort, bool descending, const std::string& keep, int column);
    void omissionCellClicked(int row, int column);
    void omissionHeaderClicked(int column);
    void exportHits();
    void exportOmissions(int row, int column);
    // Writes a grid as shown to its workbook in the data folder with the counting rules that `rules` gives.
    void exportGrid(const CellGrid& grid, const char* fileName, const std::function<Messages()>& rules);
    void updateChart();
    // The rows of the last group calculation are stored (or failed to be: said); the chart may read the store.
    void groupResultsStored();

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    QWidget& m_window;
    Panels m_panels;
    EngineKind m_engine = EngineKind::Memory;
    FileOpener m_openFile;
    bool m_running = false;
    ResultsView m_view;
    AttributeKind m_searchedKind = AttributeKind::Number; // the kind of the last run: its codes are named
    QString m_rangeNote;                                  // said after a run whose range holds no stored draw
    HistorySubscription m_subscription;
    QTimer m_chartTimer;
    QTimer m_storeWatch; // runs while the rows of the last group calculation are being stored
};

} // namespace quorvel
