// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/AnalysisResult.h"

#include <algorithm>
#include <string>

namespace quorvel {

// Walks the hit draws of a search in IDX order and keeps the gaps. The first gap of min and max counts
// from IDX 0, or with GapStart::Range from the draw just before the range; the last omission always from
// the latest draw of the whole history (not from the end of the range). Beside min, max and last it keeps
// the figures of the range alone: the hits, their mean gap with the first gap counted from the draw just
// before the range, the longest run of hits in consecutive draws and the omission before the last hit.
class OmissionTally {
  public:
    // `rangeBase`: IDX of the draw just before the range's first draw (0 when the range starts at the first).
    OmissionTally(int rangeBase, GapStart gapsFrom)
        : m_rangeBase(rangeBase), m_previous(gapsFrom == GapStart::Range ? rangeBase : 0) {}

    // Takes the next hit and returns its gap as min and max count it.
    int add(int idx) {
        int gap = idx - m_previous;
        if (gap > m_summary.max) m_summary.max = gap;
        if (gap < m_summary.min) m_summary.min = gap;
        m_run = m_hits > 0 && gap == 1 ? m_run + 1 : 1;
        m_longestRun = std::max(m_longestRun, m_run);
        m_lastGap = gap;
        ++m_hits;
        m_previous = idx;
        return gap;
    }

    // The summary with the hit figures; the baseline figures are left for the caller.
    OmissionSummary summary(std::string label, int latestIdx) const {
        OmissionSummary result = m_summary;
        result.label = std::move(label);
        result.last = latestIdx + 1 - (m_hits > 0 ? m_previous : 0);
        OmissionStatistics& statistics = result.statistics;
        statistics.hitsInRange = m_hits;
        statistics.longestRun = m_longestRun;
        // The gaps inside the range add up to the distance from the draw before the range to the last hit.
        if (m_hits > 0) statistics.average = static_cast<double>(m_previous - m_rangeBase) / m_hits;
        if (m_hits > 1) statistics.previous = m_lastGap;
        return result;
    }

  private:
    OmissionSummary m_summary;
    int m_rangeBase;
    int m_previous;
    int m_hits = 0;
    int m_lastGap = 0;
    int m_run = 0;
    int m_longestRun = 0;
};

} // namespace quorvel
