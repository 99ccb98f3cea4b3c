// SPDX-License-Identifier: MIT
#include "app/choices/QuickRange.h"

#include <algorithm>

namespace quorvel {

namespace {

// An issue is the year and the draw's number in it (2026108: the 108th draw of 2026).
int yearOf(int issue) { return issue / 1000; }

} // namespace

std::optional<int> quickRangeDraws(QuickRange range) {
    switch (range) {
    case QuickRange::Latest30: return 30;
    case QuickRange::Latest50: return 50;
    case QuickRange::Latest100: return 100;
    case QuickRange::Latest200: return 200;
    case QuickRange::Latest500: return 500;
    default: return std::nullopt;
    }
}

std::optional<IssueRange> quickRangeIssues(QuickRange range, const std::vector<int>& storedIssues) {
    if (storedIssues.empty()) return std::nullopt;
    const int latest = storedIssues.back();
    if (auto draws = quickRangeDraws(range)) {
        const auto count = std::min(static_cast<std::size_t>(*draws), storedIssues.size());
        return IssueRange{storedIssues[storedIssues.size() - count], latest};
    }
    if (range == QuickRange::All) return IssueRange{storedIssues.front(), latest};
    const int year = yearOf(latest) - (range == QuickRange::LastYear ? 1 : 0);
    auto first = std::find_if(storedIssues.begin(), storedIssues.end(), [&](int i) { return yearOf(i) == year; });
    if (first == storedIssues.end()) return std::nullopt;
    auto last = std::find_if(storedIssues.rbegin(), storedIssues.rend(), [&](int i) { return yearOf(i) == year; });
    return IssueRange{*first, *last};
}

} // namespace quorvel
