// SPDX-License-Identifier: MIT
#pragma once

#include <utility>
#include <vector>

namespace quorvel {

// What a check of the stored history found, each list by full issue (2025033) in issue order: the draws missing
// between the first and the last stored draw of a year, the issues stored more than once, and the draws whose IDX
// does not follow issue order (each listed where it breaks the order).
struct HistoryHoles {
    std::vector<int> missing;
    std::vector<int> duplicates;
    std::vector<int> outOfOrder;

    bool any() const { return !missing.empty() || !duplicates.empty() || !outOfOrder.empty(); }
};

// Checks a history given as (IDX, issue) pairs in IDX order.
HistoryHoles findHistoryHoles(const std::vector<std::pair<int, int>>& idxAndIssues);

} // namespace quorvel
