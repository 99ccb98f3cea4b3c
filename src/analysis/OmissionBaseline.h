// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/ConditionRates.h"
#include "analysis/HistoryTimeline.h"

#include <vector>

namespace quorvel {

// Fills the baseline figures of a result whose hit figures and last omission are known: the hit rate in
// the next issue's zodiac year, the expected gap 1/p (none when p is 0), and the chance of an omission at
// least as long as the last one with independent draws: the product of (1 - p_d) over the draws after the
// last hit, each in its own zodiac year. That chance is left out when the range cannot show the last hit:
// it does not reach the latest draw, or, without a hit in it, does not start at the first. A range that holds
// no draw gets none of these figures.
void addBaseline(OmissionStatistics& statistics, int last, const HistoryTimeline& timeline, const IssueRange& range,
                 ConditionRates& rates);

// The baseline figures of many results that share one hit rate that does not change with the zodiac year
// (every group of k numbers): they depend only on the last omission and on whether the range holds a hit, so
// they are worked out once for every possible last omission and then copied, exactly as addBaseline gives them.
class SharedBaseline {
  public:
    SharedBaseline(const HistoryTimeline& timeline, const IssueRange& range, ConditionRates rates);

    // What addBaseline would fill in for a result with these hit figures and this last omission.
    void add(OmissionStatistics& statistics, int last) const;

  private:
    std::vector<OmissionStatistics> m_withHits; // by last omission
    OmissionStatistics m_withoutHit;
};

} // namespace quorvel
