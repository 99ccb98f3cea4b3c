// SPDX-License-Identifier: MIT
#include "gui/OmissionRowsModel.h"

#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"

namespace quorvel {

OmissionRowsModel::OmissionRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void OmissionRowsModel::setRows(std::vector<GroupRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

CellGrid OmissionRowsModel::cells() const { return groupResultGrid(m_rows); }

int OmissionRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int OmissionRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(omissionHeader().size());
}

QVariant OmissionRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(omissionCell(m_rows[static_cast<std::size_t>(index.row())], index.column()));
}

QVariant OmissionRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromStdString(omissionHeader().at(static_cast<std::size_t>(section)));
}

} // namespace quorvel
