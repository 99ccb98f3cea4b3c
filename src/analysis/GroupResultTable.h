// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "analysis/Progress.h"
#include "model/GroupSort.h"
#include "store/GroupResultStore.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// Table YL: the rows of the latest group calculation, with each row's fuller figures and the counting rules of
// the run kept beside it (GroupResultStore.h). Only the group calculation writes these tables, always all three
// in one transaction.
class GroupResultTable {
  public:
    explicit GroupResultTable(HistoryStore& store) : m_results(store) {}

    // Empties YL and the figures and rules kept beside it.
    void clear() { m_results.clear(); }
    void append(const GroupRow& row);
    void append(const std::vector<GroupRow>& rows) { m_results.append(rows); }
    // Appends a block of rows made ready to store (GroupResultBlocks makes them).
    void append(const GroupResultBlock& block) { m_results.append(block); }
    // Keeps the counting rules of the run whose rows the table holds.
    void setRules(const std::string& rules) { m_results.setRules(rules); }
    // The stored rows ordered by a column, ascending; ties keep the order they were stored in. A row whose
    // figures were not kept (YL written by another program) has empty figures.
    std::vector<GroupRow> read(GroupSort sort) const;
    // The stored rows in the order they were stored.
    std::vector<GroupRow> readAsStored() const;
    // The counting rules of the stored rows; nothing when no run of this program stored them.
    std::optional<std::string> rules() const { return m_results.rules(); }

  private:
    GroupResultStore m_results;
};

} // namespace quorvel
