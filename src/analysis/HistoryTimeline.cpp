// SPDX-License-Identifier: MIT
#include "analysis/HistoryTimeline.h"

#include "model/NumberTables.h"

#include <algorithm>

namespace quorvel {

HistoryTimeline::HistoryTimeline(const std::vector<std::pair<int, int>>& draws) {
    m_issues.reserve(draws.size());
    for (auto [idx, issue] : draws) {
        m_issues.push_back(issue);
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

bool HistoryTimeline::holdsDraws(const IssueRange& range) const {
    auto first = std::lower_bound(m_issues.begin(), m_issues.end(), range.start);
    return first != m_issues.end() && *first <= range.end;
}

} // namespace quorvel
