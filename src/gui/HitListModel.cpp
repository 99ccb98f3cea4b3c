// SPDX-License-Identifier: MIT
#include "gui/HitListModel.h"

#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"

namespace quorvel {

HitListModel::HitListModel(QObject* parent) : CellGridModel(hitListHeader(), parent) {}

void HitListModel::setResult(SearchResult result) {
    beginResetModel();
    m_result = std::move(result);
    endResetModel();
}

CellGrid HitListModel::cells() const { return hitListGrid(m_result); }

std::string HitListModel::cellText(int row, int column) const {
    return hitListCell(m_result.hits[static_cast<std::size_t>(row)], column);
}

} // namespace quorvel
