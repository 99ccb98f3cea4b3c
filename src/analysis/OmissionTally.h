// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"

#include <string>

namespace quorvel {

// Walks the hit draws of a search in IDX order and keeps the gaps: the first gap counts from IDX 0,
// the last omission from the latest draw of the whole history (not from the end of the range).
class OmissionTally {
  public:
    // Takes the next hit and returns its gap.
    int add(int idx) {
        int gap = idx - m_previous;
        if (gap > m_summary.max) m_summary.max = gap;
        if (gap < m_summary.min) m_summary.min = gap;
        m_previous = idx;
        return gap;
    }

    OmissionSummary summary(std::string label, int latestIdx) const {
        OmissionSummary result = m_summary;
        result.label = std::move(label);
        result.last = latestIdx + 1 - m_previous;
        return result;
    }

  private:
    OmissionSummary m_summary;
    int m_previous = 0;
};

} // namespace quorvel
