// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "store/HistoryStore.h"

#include <SQLiteCpp/Statement.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvel {

// Which column orders the group results.
enum class GroupSort { Min, Max, Last, Label };

// Parses min, max, last or label.
std::optional<GroupSort> parseGroupSort(std::string_view text);

// The YL column a sort reads; the label column orders by content (it has no statistic of its own).
const char* groupSortField(GroupSort sort);

// Table YL: the rows of the latest group calculation.
class GroupResultTable {
  public:
    explicit GroupResultTable(HistoryStore& store);

    ~GroupResultTable();

    void clear();
    void append(const GroupRow& row);
    void append(const std::vector<GroupRow>& rows);
    // The stored rows ordered by a column, ascending; ties keep the order they were stored in.
    std::vector<GroupRow> read(GroupSort sort) const;

  private:
    HistoryStore& m_store;
    std::unique_ptr<SQLite::Statement> m_insert;
};

} // namespace quorvel
