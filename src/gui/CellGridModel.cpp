// SPDX-License-Identifier: MIT
#include "gui/CellGridModel.h"

namespace quorvel {

CellGridModel::CellGridModel(CellGrid grid, QObject* parent) : QAbstractTableModel(parent), m_grid(std::move(grid)) {}

void CellGridModel::setGrid(CellGrid grid) {
    beginResetModel();
    m_grid = std::move(grid);
    endResetModel();
}

int CellGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || m_grid.empty() ? 0 : static_cast<int>(m_grid.size()) - 1;
}

int CellGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || m_grid.empty() ? 0 : static_cast<int>(m_grid.front().size());
}

QVariant CellGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    const auto& row = m_grid[static_cast<std::size_t>(index.row()) + 1];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? QString::fromStdString(row[column]) : QString();
}

QVariant CellGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || m_grid.empty()) return {};
    return QString::fromStdString(m_grid.front().at(static_cast<std::size_t>(section)));
}

} // namespace quorvel
