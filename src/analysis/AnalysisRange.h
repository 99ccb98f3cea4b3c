// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "model/DrawRecord.h"

#include <array>
#include <optional>
#include <string>

namespace quorvel {

// How the user chose the range of an analysis.
struct RangeChoice {
    std::optional<int> from;      // default: the first stored issue
    std::optional<int> to;        // overrides every other end
    std::optional<int> reference; // take values from the latest draw not after this issue
    bool beforeReference = false; // end the range just before the reference draw
};

// The range and, when asked for, the reference draw.
struct ResolvedRange {
    IssueRange range;
    std::optional<DrawRecord> reference;
    // False when no stored draw lies in the range (reversed, or wholly outside the history): the figures then
    // count from no draw, and a front end says so.
    bool holdsDraws = true;
};

// The values of a kind at positions 1..7 of a draw, and their texts as shown (names for zodiac, colour, parity).
struct ReferenceValues {
    std::array<int, 7> values{};
    std::array<std::string, 7> texts;
};
ReferenceValues referenceValues(const DrawRecord& draw, AttributeKind kind, NumberOrder order,
                                const ParameterBases& bases);

} // namespace quorvel
