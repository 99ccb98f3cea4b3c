// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"

#include <algorithm>
#include <string>

namespace quorvel {

// Walks the hit draws of a search in IDX order and keeps the gaps: the first gap counts from IDX 0,
// the last omission from the latest draw of the whole history (not from the end of the range). Beside
// min, max and last it counts the hits, the longest run of hits in consecutive draws and the omission
// before the last hit.
class OmissionTally {
  public:
    // Takes the next hit and returns its gap.
    int add(int idx) {
        int gap = idx - m_previous;
        if (gap > m_summary.max) m_summary.max = gap;
        if (gap < m_summary.min) m_summary.min = gap;
        m_run = m_hits > 0 && gap == 1 ? m_run + 1 : 1;
        m_longestRun = std::max(m_longestRun, m_run);
        m_gapSum += gap;
        m_lastGap = gap;
        ++m_hits;
        m_previous = idx;
        return gap;
    }

    // IDX of the last hit taken, 0 before the first.
    int lastHitIdx() const { return m_previous; }

    // The summary with the hit figures; the baseline figures are left for the caller.
    OmissionSummary summary(std::string label, int latestIdx) const {
        OmissionSummary result = m_summary;
        result.label = std::move(label);
        result.last = latestIdx + 1 - m_previous;
        OmissionStatistics& statistics = result.statistics;
        statistics.hitsInRange = m_hits;
        statistics.longestRun = m_longestRun;
        if (m_hits > 0) statistics.average = static_cast<double>(m_gapSum) / m_hits;
        if (m_hits > 1) statistics.previous = m_lastGap;
        return result;
    }

  private:
    OmissionSummary m_summary;
    int m_previous = 0;
    int m_hits = 0;
    long m_gapSum = 0;
    int m_lastGap = 0;
    int m_run = 0;
    int m_longestRun = 0;
};

} // namespace quorvel
