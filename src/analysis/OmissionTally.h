// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/AnalysisResult.h"

#include <algorithm>
#include <cstdint>
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
        if (gap > m_max) m_max = gap;
        if (gap < m_min) m_min = gap;
        m_run = m_hits > 0 && gap == 1 ? m_run + 1 : 1;
        m_longestRun = std::max(m_longestRun, m_run);
        m_lastGap = gap;
        ++m_hits;
        m_previous = idx;
        return gap;
    }

    // The summary with the hit figures; the baseline figures are left for the caller.
    OmissionSummary summary(std::string label, int latestIdx) const {
        OmissionSummary result;
        result.label = std::move(label);
        fill(result.min, result.max, result.last, result.statistics, latestIdx);
        return result;
    }

    // Writes min, max, last and the hit figures as summary() gives them (the baseline figures untouched), so
    // that a group row takes them without a summary made for it.
    void fill(int& min, int& max, int& last, OmissionStatistics& statistics, int latestIdx) const {
        min = m_min;
        max = m_max;
        last = latestIdx + 1 - (m_hits > 0 ? m_previous : 0);
        statistics.hitsInRange = m_hits;
        statistics.longestRun = m_longestRun;
        // The gaps inside the range add up to the distance from the draw before the range to the last hit.
        if (m_hits > 0)
            statistics.average = static_cast<double>(m_previous - m_rangeBase) / m_hits;
        else
            statistics.average.reset();
        if (m_hits > 1)
            statistics.previous = m_lastGap;
        else
            statistics.previous.reset();
    }

    // Writes the figures a group calculation keeps of a row (the average follows from them).
    void fill(GroupFigures& figures, int latestIdx) const {
        figures.min = static_cast<std::uint16_t>(m_min);
        figures.max = static_cast<std::uint16_t>(m_max);
        figures.last = static_cast<std::uint16_t>(latestIdx + 1 - (m_hits > 0 ? m_previous : 0));
        figures.hitsInRange = static_cast<std::uint16_t>(m_hits);
        figures.longestRun = static_cast<std::uint16_t>(m_longestRun);
        figures.previous = static_cast<std::uint16_t>(m_hits > 1 ? m_lastGap : GroupFigures::kNoPrevious);
    }

  private:
    int m_min = OmissionSummary::kNoMinimum;
    int m_max = 0;
    int m_rangeBase;
    int m_previous;
    int m_hits = 0;
    int m_lastGap = 0;
    int m_run = 0;
    int m_longestRun = 0;
};

} // namespace quorvel
