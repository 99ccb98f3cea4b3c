// SPDX-License-Identifier: MIT
#include "gui/history/HistoryTableModel.h"

#include "gui/shell/QtText.h"

namespace quorvel {

void HistoryTableModel::setListing(HistoryListing listing) {
    beginResetModel();
    m_listing = std::move(listing);
    endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_listing.drawCount();
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : HistoryListing::kColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(m_listing.cellText(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return shown(HistoryListing::headerText(section));
}

} // namespace quorvel
