// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <utility>
#include <vector>

namespace quorvel {

// What one draw must hold for a position search or a group to hit it, as its hit rate needs it.
struct DrawCondition {
    AttributeKind kind = AttributeKind::Number;
    PositionMode mode = PositionMode::Free;
    NumberOrder order = NumberOrder::Drawn;
    bool includeSpecial = false;                // free mode: the special number counts
    std::vector<std::pair<int, int>> positions; // (position 1..7, value code) of each condition
    ParameterBases bases;
};

// The condition of a position search: its selected positions and their values.
DrawCondition positionSearchCondition(const PositionSearchRequest& request);

// The condition of a group: each of its distinct values at least once among the regular numbers (or all
// seven with the special number).
DrawCondition groupCondition(AttributeKind kind, const std::vector<int>& codes, bool includeSpecial,
                             const ParameterBases& bases);

// The exact chance that one draw meets the condition when the six regular numbers are drawn uniformly
// from 1..49 and the special number uniformly from the 43 left, the zodiac signs taken in the given
// zodiac year. Each value stands for the numbers that hold it; fixed positions in sorted order follow
// the order statistics of the six; free positions ask for each value at least as often as the condition
// names it (once for numbers, which a draw holds at most once). 0 for a value no number holds.
double hitProbability(const DrawCondition& condition, int zodiacYear);

} // namespace quorvel
