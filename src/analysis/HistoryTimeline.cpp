// SPDX-License-Identifier: MIT
#include "analysis/HistoryTimeline.h"

#include "model/NumberTables.h"

namespace quorvel {

HistoryTimeline::HistoryTimeline(const std::vector<std::pair<int, int>>& draws) {
    for (auto [idx, issue] : draws) {
        const int year = zodiacYearOfIssue(issue);
        if (!m_runs.empty() && m_runs.back().zodiacYear == year)
            m_runs.back().lastIdx = idx;
        else
            m_runs.push_back(Run{idx, idx, year});
    }
    if (draws.empty()) return;
    m_firstIssue = draws.front().second;
    m_latestIssue = draws.back().second;
    m_latestIdx = draws.back().first;
    m_nextZodiacYear = zodiacYearOfIssue(m_latestIssue + 1);
}

} // namespace quorvel
