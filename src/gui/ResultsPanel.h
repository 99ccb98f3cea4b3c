// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTableView;

namespace quorvel {

class DetailPanel;
class HitListModel;
class OmissionRowsModel;

// The result grids: the hit list MSFlexGrid2 and the omission grid MSFlexGrid3, shown with their headers,
// and the details panel fraDetail, which follows the omission grid's selected row (the window places it).
class ResultsPanel : public QWidget {
  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    QTableView* hitGrid() const { return m_hits; }
    QTableView* omissionGrid() const { return m_omissions; }
    HitListModel* hitModel() const { return m_hitModel; }
    OmissionRowsModel* omissionModel() const { return m_omissionModel; }
    DetailPanel* detail() const { return m_detail; }
    // Sets the designed column widths again, widened where the new rows need more room, and keeps each grid
    // as wide as its columns.
    void fitColumns();

  private:
    // Shows the figures of the omission grid's current row (its first row when none is current).
    void showDetail();

    HitListModel* m_hitModel;
    OmissionRowsModel* m_omissionModel;
    QTableView* m_hits;
    QTableView* m_omissions;
    DetailPanel* m_detail;
};

} // namespace quorvel
