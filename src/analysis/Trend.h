// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/DrawBitset.h"

#include <string>
#include <vector>

namespace quorvel {

// One value's column of the trend: its code and the name a player reads.
struct TrendColumn {
    int value = 0;
    std::string label;

    bool operator==(const TrendColumn&) const = default;
};

// Per column, over the shown rows: the hits (出现次数), the largest cell (最大遗漏值), (rows - hits) / (hits + 1)
// rounded to two decimals (平均遗漏值) and the longest run of hits in consecutive draws (最大连出值).
struct TrendSummary {
    std::vector<int> hits;
    std::vector<int> max;
    std::vector<double> average;
    std::vector<int> longestRun;

    bool operator==(const TrendSummary&) const = default;
};

// The trend chart (走势图) of every value of a kind: one row per draw of the range, oldest first, one column per
// value. The cell of value v at draw t is 0 when t holds v, otherwise the draws since v's latest hit before t,
// counting t (t's IDX minus that hit's IDX, or t's IDX itself when v has no earlier stored hit). A cell is worked
// out when asked from the value's hit bitset over the history; only the summary is kept per column.
class Trend {
  public:
    Trend() = default;
    // `hits[c]`: the draws (by index, IDX - 1) holding column c's value; `firstRow`: the index of the range's
    // first draw; `issues`: the issue of every shown row.
    Trend(std::vector<TrendColumn> columns, std::vector<DrawBitset> hits, int firstRow, std::vector<int> issues);

    int rowCount() const { return static_cast<int>(m_issues.size()); }
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    const std::vector<TrendColumn>& columns() const { return m_columns; }
    int issue(int row) const { return m_issues[static_cast<std::size_t>(row)]; }
    bool hit(int row, int column) const { return m_hits[static_cast<std::size_t>(column)].test(m_firstRow + row); }
    // The cell as defined above.
    int cell(int row, int column) const;
    // Every cell, row by row (rowCount() x columnCount()), each column walked once.
    std::vector<int> allCells() const;
    const TrendSummary& summary() const { return m_summary; }

  private:
    // Walks the shown rows of a column, calling visit(row, cell).
    template <typename Visit> void walkColumn(int column, Visit visit) const;

    std::vector<TrendColumn> m_columns;
    std::vector<DrawBitset> m_hits;
    int m_firstRow = 0;
    std::vector<int> m_issues;
    TrendSummary m_summary;
};

} // namespace quorvel
