// SPDX-License-Identifier: MIT
#include "analysis/GroupResultTable.h"

#include "analysis/GroupRowOrder.h"
#include "analysis/Statements.h"

#include <numeric>

namespace quorvel {

void GroupResultTable::append(const GroupRow& row) { m_results.append(std::vector<GroupRow>{row}); }

std::vector<GroupRow> GroupResultTable::read(GroupSort sort) const {
    if (sort != GroupSort::Label) return m_results.read(sort, statements::groupResultsBy(groupSortField(sort)));
    // Labels order by their values (names in their table order), which the text of the column does not.
    std::vector<GroupRow> stored = readAsStored();
    std::vector<std::uint32_t> places(stored.size());
    std::iota(places.begin(), places.end(), 0U);
    std::vector<GroupRow> ordered;
    ordered.reserve(stored.size());
    for (std::uint32_t index : groupRowOrder(stored, places, GroupSort::Label))
        ordered.push_back(std::move(stored[index]));
    return ordered;
}

std::vector<GroupRow> GroupResultTable::readAsStored() const {
    return m_results.read(std::nullopt, statements::groupResultsBy("rowid"));
}

} // namespace quorvel
