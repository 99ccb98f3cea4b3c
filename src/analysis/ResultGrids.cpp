// SPDX-License-Identifier: MIT
#include "analysis/ResultGrids.h"

#include "analysis/ResultCells.h"

namespace quorvel {

namespace {

template <typename Header> std::vector<std::string> headerRow(const Header& header) {
    return {header.begin(), header.end()};
}

std::vector<std::string> omissionRow(const GroupRow& row) {
    std::vector<std::string> cells;
    for (int column = 0; column < static_cast<int>(omissionHeader().size()); ++column)
        cells.push_back(omissionCell(row, column));
    return cells;
}

} // namespace

CellGrid hitListGrid(const SearchResult& result) {
    CellGrid grid{headerRow(hitListHeader())};
    for (const HitRow& hit : result.hits) {
        std::vector<std::string> row;
        for (int column = 0; column < static_cast<int>(hitListHeader().size()); ++column)
            row.push_back(hitListCell(hit, column));
        grid.push_back(std::move(row));
    }
    return grid;
}

CellGrid summaryGrid(const OmissionSummary& summary) {
    return {headerRow(omissionHeader()), omissionRow({summary.label, summary.min, summary.max, summary.last})};
}

CellGrid groupResultGrid(const std::vector<GroupRow>& rows) {
    CellGrid grid{headerRow(omissionHeader())};
    for (const GroupRow& row : rows)
        grid.push_back(omissionRow(row));
    return grid;
}

} // namespace quorvel
