// SPDX-License-Identifier: MIT
#include "gui/grids/HitListModel.h"

#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"
#include "app/results/ResultsView.h"

namespace quorvel {

HitListModel::HitListModel(QObject* parent) : CellGridModel(hitListHeader(), parent) {}

void HitListModel::showFrom(const ResultsView& view) {
    redraw([&] { m_view = &view; });
}

CellGrid HitListModel::cells() const { return hitListGrid(m_view ? m_view->hits() : SearchResult{}); }

int HitListModel::cellRows() const { return m_view ? static_cast<int>(m_view->hits().hits.size()) : 0; }

std::string HitListModel::cellText(int row, int column) const {
    return hitListCell(m_view->hits().hits[static_cast<std::size_t>(row)], column);
}

} // namespace quorvel
