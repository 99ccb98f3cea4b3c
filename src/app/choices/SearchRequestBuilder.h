// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <array>
#include <string>

namespace quorvel {

// What the position search and the partial search share, as a user chose it in the window or on the command
// line: the request either search gets from it is built in searchRequest() and nowhere else.
struct SearchChoice {
    AttributeKind kind = AttributeKind::Number;
    NumberOrder order = NumberOrder::Drawn;
    PositionMode mode = PositionMode::Free;
    bool includeSpecial = false;
    std::array<int, 7> values{};
    std::array<std::string, 7> texts;
    IssueRange range;
    ParameterBases bases;
    GapStart gapsFrom = GapStart::History;
};

// A position or partial search request with what both share filled from a choice; the rest at its defaults.
template <typename Request> Request searchRequest(const SearchChoice& choice) {
    Request request;
    request.kind = choice.kind;
    request.order = choice.order;
    request.mode = choice.mode;
    request.includeSpecial = choice.includeSpecial;
    request.values = choice.values;
    request.texts = choice.texts;
    request.range = choice.range;
    request.bases = choice.bases;
    request.gapsFrom = choice.gapsFrom;
    return request;
}

} // namespace quorvel
