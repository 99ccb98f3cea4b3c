// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <optional>
#include <string>

namespace quorvel {

// The hit draws of one group of a group calculation, asked as a position search: a draw holds every value
// of a group exactly when a free search for those distinct values (each once, the special number as the
// calculation counted it) finds it, so the search gives the group's hits, gaps and omission summary.
// Nothing when the content names no group the request makes (another request's row, or a label it does
// not know).
std::optional<PositionSearchRequest> groupHitsRequest(const GroupRequest& request, const std::string& content);

} // namespace quorvel
