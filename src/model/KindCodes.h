// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/ParameterBases.h"

namespace quorvel {

// The code of the value that number n (1..49) holds in a kind, in zodiac year z, as the analyses compare it:
// the stored fields' codes for the stored kinds (with their bases), 1.. in the order of the value names for the
// worked-out kinds. 49 is the tie (和) of every two-sided kind but the domestic one, whose value follows the sign.
int numberCode(AttributeKind kind, int n, int zodiacYear, const ParameterBases& bases);

// True for a kind whose values follow the signs of the zodiac year: the zodiac and the domestic or wild sign.
constexpr bool followsZodiacYear(AttributeKind kind) {
    return kind == AttributeKind::Zodiac || kind == AttributeKind::Domestic;
}

// True for a kind whose last value is the tie (和) that 49 holds.
constexpr bool hasTieValue(AttributeKind kind) { return isWorkedOutKind(kind) && kind != AttributeKind::Domestic; }

} // namespace quorvel
