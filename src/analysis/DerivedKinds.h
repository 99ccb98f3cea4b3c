// SPDX-License-Identifier: MIT
#pragma once

#include "model/DrawRecord.h"

#include <array>

namespace quorvel {

// One item of a draw's list of a kind: the value's code and how often it has occurred so far in the draw.
struct KindItem {
    int occurrence = 0;
    int code = 0;
};

// The list of a worked-out kind in one draw, as a stored list field holds the items of a stored kind: the six
// regular numbers in ascending order, then the special number (the last item, which a list without the special
// number leaves out). The codes come from the numbers and the zodiac year of the draw's issue.
std::array<KindItem, 7> derivedKindItems(const DrawRecord& record, AttributeKind kind);

} // namespace quorvel
