// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTableView;

namespace quorvel {

class HitListModel;
class OmissionRowsModel;

// The result grids: the hit list MSFlexGrid2 and the omission grid MSFlexGrid3, shown with their headers.
class ResultsPanel : public QWidget {
  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    QTableView* hitGrid() const { return m_hits; }
    QTableView* omissionGrid() const { return m_omissions; }
    HitListModel* hitModel() const { return m_hitModel; }
    OmissionRowsModel* omissionModel() const { return m_omissionModel; }
    // Sets the designed column widths again, widened where the new rows need more room.
    void fitColumns();

  private:
    HitListModel* m_hitModel;
    OmissionRowsModel* m_omissionModel;
    QTableView* m_hits;
    QTableView* m_omissions;
};

} // namespace quorvel
