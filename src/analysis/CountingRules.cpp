// SPDX-License-Identifier: MIT
#include "analysis/CountingRules.h"

namespace quorvel {

namespace {

std::string rulesLine(PositionMode mode, bool includeSpecial) {
    std::string special;
    if (mode == PositionMode::Fixed)
        special = "fixed positions: the special number counts only as position 7 (特位)";
    else if (includeSpecial)
        special = "the special number is counted (自由位计特码)";
    else
        special = "the special number is not counted, only the six regular numbers";
    return "Gaps count draws by IDX: the first gap from the first stored draw (not the start of the range), the last "
           "omission from the draw after the latest stored draw (not the end of the range); " +
           special + ".";
}

} // namespace

std::string countingRules(const PositionSearchRequest& request) {
    return rulesLine(request.mode, request.includeSpecial);
}

std::string countingRules(const PartialSearchRequest& request) {
    return rulesLine(request.mode, request.includeSpecial);
}

std::string countingRules(const GroupRequest& request) { return rulesLine(PositionMode::Free, request.includeSpecial); }

} // namespace quorvel
