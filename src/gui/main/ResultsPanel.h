// SPDX-License-Identifier: MIT
#pragma once

#include "gui/shell/TranslatedTexts.h"
#include "model/CellGrid.h"
#include "model/GroupSort.h"
#include "model/Message.h"

#include <QWidget>

#include <filesystem>
#include <functional>

class QTableView;

namespace quorvel {

class DetailPanel;
class Dialogs;
class HitListModel;
class OmissionRowsModel;
class ResultsView;
struct PrintTitle;

// The result grids: the hit list MSFlexGrid2 and the omission grid MSFlexGrid3, shown with their headers,
// and the details panel fraDetail, which follows the omission grid's selected row (the window places it).
// The grids show what a ResultsView holds; the panel says what the user asks of them.
class ResultsPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    // The grids show the results `view` holds from now on; the view outlives the panel's use.
    void showResultsOf(const ResultsView& view);
    // Which grids a change of the results touches.
    enum Grids { HitList = 1, Omissions = 2, Both = HitList | Omissions };
    // Runs a change of the results, then draws the grids it touches again from them.
    void changeResults(Grids grids, const std::function<void()>& change);
    // Ctrl+C on both grids, and 复制 on a right click through `dialogs`.
    void offerCopy(Dialogs& dialogs);
    // After offerCopy: the grids' right-click menus also print, write PDF and make pictures of them (the omission
    // grid with the details panel's figures of its selected row), titled by `titleOf` for the view's name; files go to
    // `folder` and what was written is said through `say`.
    void offerOutputs(Dialogs& dialogs, const std::filesystem::path& folder,
                      std::function<PrintTitle(const Message& view)> titleOf, std::function<void(const QString&)> say);

    DetailPanel* detail() const { return m_detail; }
    // The current row of each grid; -1 when none is current.
    int currentHitRow() const;
    int currentOmissionRow() const;
    // Makes a cell of the omission grid current and scrolls to it, when the grid has rows (the column is kept
    // within the grid); the columns are fitted to the new rows first.
    void showOmissionCell(int row, int column);
    // Every cell of a grid as shown, the header row first (what the workbook export writes).
    CellGrid hitCells() const;
    CellGrid omissionCells() const;
    // The order chosen in cboSort, and letting it follow an order chosen elsewhere without signalling.
    GroupSort sortChoice() const;
    bool descendingChoice() const;
    // Shows the order in cboSort and, by its column, in the header of the omission grid (▲ ascending,
    // ▼ descending).
    void showSort(GroupSort sort, bool descending = false);
    // Sets the designed column widths again, widened where the new rows need more room, and keeps each grid
    // as wide as its columns.
    void fitColumns();

  signals:
    // A double click on the hit list (its cells or its header).
    void hitsExportRequested();
    // A plain click on a cell of the omission grid (a click with Shift or Ctrl only extends the selection).
    void omissionClicked(int row, int column);
    // A click on a column's header of the omission grid.
    void omissionHeaderClicked(int column);
    // A double click on the omission grid: on a cell, or on the header (row -1).
    void omissionsExportRequested(int row, int column);
    // The user chose an order in cboSort (also when it is the one shown).
    void sortChosen(GroupSort sort, bool descending);
    // The current row of either grid changed.
    void currentRowChanged();

  protected:
    void changeEvent(QEvent* event) override;
    // Double clicks on the grids' cells. The first click of a double click on MSFlexGrid3 re-orders its
    // rows, after which the view no longer reports the double click itself.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The texts of the controls in the language now in use.
    void retranslate();

    // Shows the figures of the omission grid's current row (its first row when none is current).
    void showDetail();

    const ResultsView* m_view = nullptr;
    HitListModel* m_hitModel;
    OmissionRowsModel* m_omissionModel;
    QTableView* m_hits;
    QTableView* m_omissions;
    DetailPanel* m_detail;
    Qt::KeyboardModifiers m_pressModifiers; // the keys held when a grid cell was last pressed
    TranslatedTexts m_texts{"quorvel::ResultsPanel"};
};

} // namespace quorvel
