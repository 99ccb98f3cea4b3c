// SPDX-License-Identifier: MIT
#include "gui/HitListModel.h"

#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"

namespace quorvel {

HitListModel::HitListModel(QObject* parent) : QAbstractTableModel(parent) {}

void HitListModel::setResult(SearchResult result) {
    beginResetModel();
    m_result = std::move(result);
    endResetModel();
}

CellGrid HitListModel::cells() const { return hitListGrid(m_result); }

int HitListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_result.hits.size());
}

int HitListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(hitListHeader().size());
}

QVariant HitListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(hitListCell(m_result.hits[static_cast<std::size_t>(index.row())], index.column()));
}

QVariant HitListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromStdString(hitListHeader().at(static_cast<std::size_t>(section)));
}

} // namespace quorvel
