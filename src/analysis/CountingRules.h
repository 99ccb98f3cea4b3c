// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <string>

namespace quorvel {

// The one line that goes out with every result to say how its gaps were counted: where the first gap of
// min and max counts from (the first stored draw or the range's first draw) and that the added figures count
// only gaps inside the range, the last omission from the draw after the latest one, the special number
// counted or not.
std::string countingRules(const PositionSearchRequest& request);
std::string countingRules(const PartialSearchRequest& request);
std::string countingRules(const GroupRequest& request);

} // namespace quorvel
