// SPDX-License-Identifier: MIT
#pragma once

#include "model/CellGrid.h"

#include <QAbstractTableModel>

namespace quorvel {

// A result grid (MSFlexGrid2, MSFlexGrid3): row 0 of the cell grid is the header, the rest are the rows.
class CellGridModel : public QAbstractTableModel {
  public:
    explicit CellGridModel(CellGrid grid, QObject* parent = nullptr);

    void setGrid(CellGrid grid);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    CellGrid m_grid;
};

} // namespace quorvel
