// SPDX-License-Identifier: MIT
#pragma once

#include "model/GroupRow.h"
#include "model/GroupSort.h"
#include "store/GroupResultBlock.h"
#include "store/HistoryStore.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace SQLite {
class Statement;
}

namespace quorvel {

// The YL column a sort reads; the label column orders by content (it has no statistic of its own). P reads
// no YL column: it orders by the kept figures, and names the last omission as the nearest YL column.
const char* groupSortField(GroupSort sort);

// The store's side of table YL, the rows of the latest group calculation: YL keeps its four columns; the rows'
// fuller figures go packed in blocks to table YLFigures beside it (keyed by the YL rowid of a block's first
// row), and the counting rules of the run to the one row of table YLRules. Figures kept a row each in table
// YLStats by earlier versions are still read. Raises StoreError when SQLite fails.
class GroupResultStore {
  public:
    explicit GroupResultStore(HistoryStore& store);
    ~GroupResultStore();
    GroupResultStore(const GroupResultStore&) = delete;
    GroupResultStore& operator=(const GroupResultStore&) = delete;

    // Empties YL and the figures and rules kept beside it (and drops the earlier versions' table of figures).
    void clear();
    // Appends rows kept whole, in blocks of GroupResultBlock::kRows rows.
    void append(const std::vector<GroupRow>& rows);
    // Appends the rows of a block through statements that each insert a chunk of them, then their figures.
    void append(const GroupResultBlock& block);
    void setRules(const std::string& rules);
    // The stored rows ordered by the YL column of a sort, ascending (P: by the kept chance, rows without it
    // last), ties in the order stored; without a sort in the order stored. A row whose figures were not kept has
    // empty figures. When no figures were ever kept, the rows are read with `withoutFigures`, a statement of the
    // system's dialect (the query of YL ordered by the sort's column).
    std::vector<GroupRow> read(std::optional<GroupSort> sort, const std::string& withoutFigures) const;
    // The counting rules of the stored rows; nothing when no run of this program stored them.
    std::optional<std::string> rules() const;

  private:
    // Where the stored rows' figures are: nowhere, a row each in YLStats, or packed in YLFigures.
    enum class FigureLayout { None, Rows, Blocks };

    sqlite3_stmt* blockInsert();
    void storeFigures(const GroupResultBlock& block, std::int64_t firstRow);
    void createSideTables();
    bool hasTable(const char* name) const;
    FigureLayout figureLayout() const;
    std::vector<GroupRow> readWithBlocks(std::optional<GroupSort> sort) const;
    std::vector<GroupRow> readWithRows(std::optional<GroupSort> sort) const;

    HistoryStore& m_store;
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const;
    };
    std::unique_ptr<sqlite3_stmt, Finalize> m_blockInsert;
    std::int64_t m_nextRow = 0; // the YL rowid of the next row (0: not read yet)
};

} // namespace quorvel
