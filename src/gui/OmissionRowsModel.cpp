// SPDX-License-Identifier: MIT
#include "gui/OmissionRowsModel.h"

#include "analysis/GroupRowOrder.h"
#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"

#include <numeric>

namespace quorvel {

OmissionRowsModel::OmissionRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void OmissionRowsModel::setRows(std::vector<GroupRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_stored.resize(m_rows.size());
    std::iota(m_stored.begin(), m_stored.end(), std::uint32_t{0});
    endResetModel();
}

void OmissionRowsModel::setRows(std::vector<GroupRow> rows, GroupSort sort) {
    setRows(std::move(rows));
    orderBy(sort);
}

void OmissionRowsModel::orderBy(GroupSort sort) {
    std::vector<std::uint32_t> order = groupRowOrder(m_rows, m_stored, sort);
    beginResetModel();
    // Row order[i] goes to place i, cycle by cycle, so that a million rows are not held twice.
    for (std::uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        GroupRow row = std::move(m_rows[start]);
        const std::uint32_t stored = m_stored[start];
        std::uint32_t place = start;
        while (order[place] != start) {
            const std::uint32_t from = order[place];
            m_rows[place] = std::move(m_rows[from]);
            m_stored[place] = m_stored[from];
            order[place] = place;
            place = from;
        }
        m_rows[place] = std::move(row);
        m_stored[place] = stored;
        order[place] = place;
    }
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
