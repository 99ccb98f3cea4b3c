// SPDX-License-Identifier: MIT
#include "gui/OmissionRowsModel.h"

#include "analysis/GroupRowOrder.h"
#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"

#include <numeric>

namespace quorvel {

OmissionRowsModel::OmissionRowsModel(QObject* parent) : CellGridModel(omissionHeader(), parent) {}

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

std::string OmissionRowsModel::cellText(int row, int column) const {
    return omissionCell(m_rows[static_cast<std::size_t>(row)], column);
}

} // namespace quorvel
