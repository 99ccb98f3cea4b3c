// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/ValuesRequest.h"

#include <string>

namespace quorvel {

// The one line that goes out with every result to say how its gaps were counted: where the first gap of
// min and max counts from (the first stored draw or the range's first draw) and that the added figures count
// only gaps inside the range, the last omission from the draw after the latest one, the special number
// counted or not.
std::string countingRules(const PositionSearchRequest& request);
std::string countingRules(const PartialSearchRequest& request);
std::string countingRules(const GroupRequest& request);
// The omission table's line: its rows count as the position search of each value, and hits_10, hits_30 and
// hits_100 count the hits among the latest draws of the range.
std::string countingRules(const ValuesRequest& request);
// The trend's line: what a cell counts, how it relates to the omission table's last omission and how the four
// summary rows are worked out.
std::string trendRules(const ValuesRequest& request);

} // namespace quorvel
