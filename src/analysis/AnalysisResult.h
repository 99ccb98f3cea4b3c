// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/GroupRows.h"
#include "model/GroupRow.h"
#include "model/Message.h"
#include "model/OmissionStatistics.h"

#include <array>
#include <string>
#include <vector>

namespace quorvel {

// Minimum, maximum and last omission of one search or group; no hit gives 32767, 0 and latest IDX + 1.
// The fuller figures ride beside them.
struct OmissionSummary {
    static constexpr int kNoMinimum = 32767;

    std::string label;
    int min = kNoMinimum;
    int max = 0;
    int last = 0;
    OmissionStatistics statistics{};

    bool operator==(const OmissionSummary&) const = default;
};

// One hit draw as the hit list shows it.
struct HitRow {
    int issue = 0;
    std::array<std::string, 7> cells; // the kind's value at positions 1..7, as shown
    int gap = 0;                      // draws since the previous hit; the first as the request's GapStart says
    int seq = 0;                      // 1, 2, ... in the list
    int idx = 0;                      // IDX of the draw

    bool operator==(const HitRow&) const = default;
};

// The result of a position or partial search.
struct SearchResult {
    std::vector<HitRow> hits;
    OmissionSummary summary;
    int rangeBase = 0; // IDX of the draw just before the range: the gaps inside the range count from it

    bool operator==(const SearchResult&) const = default;
};

// The rows a group calculation stored, and why there are none when a request makes no group.
struct GroupResult {
    GroupRows rows; // in the order stored
    Message note;   // non-empty when the request made no group at all

    bool operator==(const GroupResult&) const = default;
};

} // namespace quorvel
