// SPDX-License-Identifier: MIT
#include "app/results/ValueViewChoices.h"

#include "app/Workspace.h"
#include "app/choices/PositionSearchState.h"

namespace quorvel {

const std::vector<std::pair<ValuePlace, int>>& valueViewPlaces() {
    static const std::vector<std::pair<ValuePlace, int>> places{
        {ValuePlace::Special, 7},  {ValuePlace::Regular, 7},  {ValuePlace::Any, 7},
        {ValuePlace::Position, 1}, {ValuePlace::Position, 2}, {ValuePlace::Position, 3},
        {ValuePlace::Position, 4}, {ValuePlace::Position, 5}, {ValuePlace::Position, 6}};
    return places;
}

const std::vector<int>& valueViewRows() {
    static const std::vector<int> rows{kSearchRangeRows, 30, 50, 100, 200, kAllRows};
    return rows;
}

const std::vector<int>& trendViewRows() {
    static const std::vector<int> rows{30, 50, 100, 200, kSearchRangeRows, kAllRows};
    return rows;
}

ValueViewRequest valueViewRequest(const Workspace& workspace, const ValueViewChoices& choices) {
    auto first = workspace.startOfLatestDraws(1);
    if (!first) return {std::nullopt, ValueViewProblem::NoHistory};
    ValuesRequest request;
    request.kind = choices.kind;
    const auto& places = valueViewPlaces();
    const auto& [place, position] = places.at(choices.place < places.size() ? choices.place : 0);
    request.place = place;
    request.position = position;
    request.order = choices.order;
    request.bases = workspace.bases();
    request.gapsFrom = choices.gapsFromRange ? GapStart::Range : GapStart::History;
    RangeChoice range;
    if (choices.rows == kSearchRangeRows) {
        range.from = typedNumber(choices.startText);
        range.to = typedNumber(choices.endText);
        if (!range.from || !range.to) return {std::nullopt, ValueViewProblem::RangeNotIssues};
    } else if (choices.rows > 0) {
        range.from = workspace.startOfLatestDraws(choices.rows)->issue;
    }
    request.range = workspace.resolveRange(range).range;
    return {request, ValueViewProblem::None};
}

} // namespace quorvel
