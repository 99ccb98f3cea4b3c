// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quorvel {

// The stored draws as the baseline needs them: the zodiac year each belongs to, kept as runs of draws of
// one zodiac year along IDX, and the first and latest issue.
class HistoryTimeline {
  public:
    HistoryTimeline() = default;
    // Takes (IDX, issue) of every stored draw in IDX order.
    explicit HistoryTimeline(const std::vector<std::pair<int, int>>& draws);

    int latestIdx() const { return m_latestIdx; }
    // The zodiac year of the issue after the latest stored one (the draw a player waits for).
    int nextZodiacYear() const { return m_nextZodiacYear; }
    // Whether a range reaches the latest stored draw, and whether it also starts at the first.
    bool endsAtLatest(const IssueRange& range) const { return range.end >= m_latestIssue; }
    bool coversAll(const IssueRange& range) const { return range.start <= m_firstIssue && endsAtLatest(range); }
    // Whether any stored draw lies in the range (none in a reversed one, or one outside the history).
    bool holdsDraws(const IssueRange& range) const;

    // The product of (1 - rate(zodiac year)) over the draws after IDX `afterIdx`, each with its own year.
    template <typename Rate> double missProduct(int afterIdx, Rate rate) const {
        double product = 1.0;
        for (const Run& run : m_runs) {
            const int from = std::max(run.firstIdx, afterIdx + 1);
            if (from > run.lastIdx) continue;
            product *= std::pow(1.0 - rate(run.zodiacYear), run.lastIdx - from + 1);
        }
        return product;
    }

  private:
    struct Run {
        int firstIdx;
        int lastIdx;
        int zodiacYear;
    };
    std::vector<Run> m_runs;
    std::vector<int> m_issues; // in IDX order, which is issue order
    int m_firstIssue = 0;
    int m_latestIssue = 0;
    int m_latestIdx = 0;
    int m_nextZodiacYear = 0;
};

} // namespace quorvel
