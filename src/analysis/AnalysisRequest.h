// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/NumberOrder.h"
#include "model/ParameterBases.h"

#include <array>
#include <string>
#include <vector>

namespace quorvel {

// Fixed positions (固定位: each value at its own position) or free positions (自由位: anywhere in the draw).
enum class PositionMode { Fixed, Free };

// Where the first gap of the minimum and maximum omission counts from: the first stored draw (the rule of
// the summary row), or the range's first draw (the draw just before the range counts as the previous hit).
enum class GapStart { History, Range };

// Issues from start to end, both included.
struct IssueRange {
    int start = 0;
    int end = 0;
};

// The position search (检索): the draws of the range that repeat the values of the selected positions.
struct PositionSearchRequest {
    AttributeKind kind = AttributeKind::Number;
    NumberOrder order = NumberOrder::Drawn;
    PositionMode mode = PositionMode::Free;
    bool includeSpecial = false;      // free mode: the special number takes part (自由位计特码)
    std::array<bool, 7> selected{};   // positions 1..6 regular, 7 special
    std::array<int, 7> values{};      // value code looked for at each position
    std::array<std::string, 7> texts; // each position's text as shown; names the values in free mode
    IssueRange range;
    ParameterBases bases; // to show zodiac and colour codes by name
    GapStart gapsFrom = GapStart::History;
};

// The partial search (分部检索): draws that repeat the values of any k positions together.
struct PartialSearchRequest {
    AttributeKind kind = AttributeKind::Number;
    NumberOrder order = NumberOrder::Drawn;
    PositionMode mode = PositionMode::Free;
    bool includeSpecial = false;
    bool regularOnly = false; // 平码: positions 1..6; otherwise 平特: positions 1..7
    int partSize = 2;         // k
    std::array<int, 7> values{};
    std::array<std::string, 7> texts;
    std::string partSizeText; // k as the user gave it, ends the label
    IssueRange range;
    ParameterBases bases;
    GapStart gapsFrom = GapStart::History;
};

// The group calculation (分组计算): omission statistics of every k-combination of the ticked boxes.
struct GroupRequest {
    AttributeKind kind = AttributeKind::Number;
    std::vector<int> boxes; // ticked box indexes (1-based); boxes above the kind's box count are ignored
    int groupSize = 2;      // k
    bool includeSpecial = false;
    IssueRange range;
    ParameterBases bases; // to name zodiac and colour values in the labels
    bool noLimit = false; // 不限组数: no size limits, only the group ceiling (engines that can run that many)
    GapStart gapsFrom = GapStart::History;
};

} // namespace quorvel
