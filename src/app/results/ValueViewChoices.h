// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/ValuesRequest.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

class Workspace;

// The rows choice that takes the main window's search range, and the one that takes the whole history.
inline constexpr int kSearchRangeRows = 0;
inline constexpr int kAllRows = -1;

// The places a window of every value offers, in its order: the special number, the regular numbers, any of the
// seven, then positions 1..6 (position 7 is the special number).
const std::vector<std::pair<ValuePlace, int>>& valueViewPlaces();
// The ranges the omission table offers: the search range, the latest 30, 50, 100 and 200 draws, the whole history.
const std::vector<int>& valueViewRows();
// The ranges the trend offers: the latest 30, 50, 100 and 200 draws, the search range, the whole history.
const std::vector<int>& trendViewRows();

// What a window of every value (the omission table, the trend) is set to: its own kind, place, rows and gap rule,
// and the main window's number order and range texts.
struct ValueViewChoices {
    AttributeKind kind = AttributeKind::Number;
    std::size_t place = 0;       // index into valueViewPlaces()
    int rows = kSearchRangeRows; // an entry of valueViewRows()
    bool gapsFromRange = true;   // the first gap of min and max from the range's first draw
    NumberOrder order = NumberOrder::Drawn;
    std::string startText; // the main window's range boxes
    std::string endText;
};

// Why no request could be made.
enum class ValueViewProblem { None, NoHistory, RangeNotIssues };

struct ValueViewRequest {
    std::optional<ValuesRequest> request;
    ValueViewProblem problem = ValueViewProblem::None;
};

// The request of the choices over the stored history, with the bases in force; none for an empty history, or
// for the search range while a range box holds no issue number.
ValueViewRequest valueViewRequest(const Workspace& workspace, const ValueViewChoices& choices);

} // namespace quorvel
