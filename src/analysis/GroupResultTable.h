// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "analysis/Progress.h"
#include "store/HistoryStore.h"

#include <SQLiteCpp/Statement.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Which column orders the group results; P orders by the chance of an omission at least as long as the
// last one (the groups that stayed away unusually long first, groups without that figure last).
enum class GroupSort { Min, Max, Last, Label, P };

// Parses min, max, last, label or p.
std::optional<GroupSort> parseGroupSort(std::string_view text);

// The YL column a sort reads; the label column orders by content (it has no statistic of its own). P reads
// no YL column: it orders by the kept figures, and names the last omission as the nearest YL column.
const char* groupSortField(GroupSort sort);

// Table YL: the rows of the latest group calculation. YL keeps its four columns; each row's fuller figures
// go to table YLStats beside it (keyed by the YL row), and the counting rules of the run to the one row of
// table YLRules. Only the group calculation writes these tables, always all three in one transaction.
class GroupResultTable {
  public:
    explicit GroupResultTable(HistoryStore& store);

    ~GroupResultTable();

    // Empties YL and the figures and rules kept beside it.
    void clear();
    void append(const GroupRow& row);
    // Appends many rows through statements that each insert a chunk of them, reporting the rows written.
    void append(const std::vector<GroupRow>& rows, const Progress& progress = {});
    // Keeps the counting rules of the run whose rows the table holds.
    void setRules(const std::string& rules);
    // The stored rows ordered by a column, ascending; ties keep the order they were stored in. A row whose
    // figures were not kept (YL written by another program) has empty figures.
    std::vector<GroupRow> read(GroupSort sort) const;
    // The stored rows in the order they were stored.
    std::vector<GroupRow> readAsStored() const;
    // The counting rules of the stored rows; nothing when no run of this program stored them.
    std::optional<std::string> rules() const;

  private:
    // The statements that insert `rows` rows into YL and into YLStats, made on first use.
    struct Inserts {
        std::unique_ptr<SQLite::Statement> rows;
        std::unique_ptr<SQLite::Statement> statistics;
    };
    Inserts& inserts(int rows);
    // Binds a row to the parameters of the given row slot of both statements.
    void bindRow(Inserts& statements, int slot, const GroupRow& row);
    // The rows ordered by a sort, or as stored.
    std::vector<GroupRow> readRows(std::optional<GroupSort> sort) const;
    void createSideTables();
    bool hasSideTables() const;

    HistoryStore& m_store;
    std::map<int, Inserts> m_inserts; // by rows per statement
    std::int64_t m_nextRow = 0;       // the YL rowid of the next row (0: not read yet)
};

} // namespace quorvel
