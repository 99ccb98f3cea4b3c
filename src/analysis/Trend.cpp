// SPDX-License-Identifier: MIT
#include "analysis/Trend.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

Trend::Trend(std::vector<TrendColumn> columns, std::vector<DrawBitset> hits, int firstRow, std::vector<int> issues)
    : m_columns(std::move(columns)), m_hits(std::move(hits)), m_firstRow(firstRow), m_issues(std::move(issues)) {
    const std::size_t count = m_columns.size();
    m_summary.hits.assign(count, 0);
    m_summary.max.assign(count, 0);
    m_summary.average.assign(count, 0.0);
    m_summary.longestRun.assign(count, 0);
    for (std::size_t c = 0; c < count; ++c) {
        int hitCount = 0;
        int largest = 0;
        int run = 0;
        int longest = 0;
        walkColumn(static_cast<int>(c), [&](int, int cell) {
            if (cell == 0) {
                ++hitCount;
                longest = std::max(longest, ++run);
            } else {
                run = 0;
                largest = std::max(largest, cell);
            }
        });
        m_summary.hits[c] = hitCount;
        m_summary.max[c] = largest;
        m_summary.longestRun[c] = longest;
        const double average = static_cast<double>(rowCount() - hitCount) / (hitCount + 1);
        m_summary.average[c] = std::round(average * 100) / 100;
    }
}

template <typename Visit> void Trend::walkColumn(int column, Visit visit) const {
    const DrawBitset& hits = m_hits[static_cast<std::size_t>(column)];
    // IDX is the draw index + 1, so a draw without an earlier hit (index -1) counts its own IDX.
    int previous = hits.previousSet(m_firstRow);
    for (int row = 0; row < rowCount(); ++row) {
        const int draw = m_firstRow + row;
        if (hits.test(draw)) {
            previous = draw;
            visit(row, 0);
        } else {
            visit(row, draw - previous);
        }
    }
}

int Trend::cell(int row, int column) const {
    const DrawBitset& hits = m_hits[static_cast<std::size_t>(column)];
    const int draw = m_firstRow + row;
    return hits.test(draw) ? 0 : draw - hits.previousSet(draw);
}

std::vector<int> Trend::allCells() const {
    const std::size_t columns = m_columns.size();
    std::vector<int> cells(static_cast<std::size_t>(rowCount()) * columns);
    for (std::size_t c = 0; c < columns; ++c)
        walkColumn(static_cast<int>(c),
                   [&](int row, int cell) { cells[static_cast<std::size_t>(row) * columns + c] = cell; });
    return cells;
}

} // namespace quorvel
