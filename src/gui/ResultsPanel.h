// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTableView;

namespace quorvel {

class CellGridModel;

// The result grids: the hit list MSFlexGrid2 and the omission grid MSFlexGrid3, shown with their headers.
class ResultsPanel : public QWidget {
  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    QTableView* hitGrid() const { return m_hits; }
    QTableView* omissionGrid() const { return m_omissions; }

  private:
    CellGridModel* m_hitModel;
    CellGridModel* m_omissionModel;
    QTableView* m_hits;
    QTableView* m_omissions;
};

} // namespace quorvel
