// SPDX-License-Identifier: MIT
#include "maintain/HistoryCheck.h"

#include <algorithm>

namespace quorvel {

HistoryHoles findHistoryHoles(const std::vector<std::pair<int, int>>& idxAndIssues) {
    HistoryHoles holes;
    int previous = 0;
    for (const auto& [idx, issue] : idxAndIssues) {
        if (issue < previous) holes.outOfOrder.push_back(issue);
        previous = std::max(previous, issue);
    }
    std::vector<int> issues;
    issues.reserve(idxAndIssues.size());
    for (const auto& pair : idxAndIssues)
        issues.push_back(pair.second);
    std::sort(issues.begin(), issues.end());
    std::sort(holes.outOfOrder.begin(), holes.outOfOrder.end());
    for (std::size_t i = 1; i < issues.size(); ++i) {
        const int before = issues[i - 1];
        const int issue = issues[i];
        if (issue == before) {
            if (holes.duplicates.empty() || holes.duplicates.back() != issue) holes.duplicates.push_back(issue);
        } else if (issue / 1000 == before / 1000) {
            for (int missing = before + 1; missing < issue; ++missing)
                holes.missing.push_back(missing);
        }
    }
    return holes;
}

} // namespace quorvel
