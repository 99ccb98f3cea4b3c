// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Which numbers of a draw are looked at for a value: the special number, any of the six regular numbers, any of
// the seven, or the number at one position (1..6 in a number order, 7 the special number).
enum class ValuePlace { Special, Regular, Any, Position };

// The choices of the views that show every value of a kind at once (the omission table, the trend): the kind,
// where a value is looked for, the range and how the first gap counts.
struct ValuesRequest {
    AttributeKind kind = AttributeKind::Number;
    ValuePlace place = ValuePlace::Special;
    int position = 7;                       // with ValuePlace::Position: 1..7
    NumberOrder order = NumberOrder::Drawn; // positions 1..6 read in this order
    IssueRange range;
    ParameterBases bases;
    GapStart gapsFrom = GapStart::History;
};

// The values of a kind in value order, as stored codes: 1..49, the twelve signs and the seven segments and three
// colours from their base, heads 0..4, tails 0..9, digit sums 1..13, even 0 and odd 1.
std::vector<int> kindValues(AttributeKind kind, const ParameterBases& bases);

// The name a player reads for a value: two digits for numbers, the sign, colour or parity name, else the digit.
std::string valueLabel(AttributeKind kind, int value, const ParameterBases& bases);

// The position search that finds the draws holding one value with these choices: 特位 (fixed position 7) for the
// special number, one free position for the regular numbers (the special number counted for Any), the fixed
// position otherwise. A value's row of the table is that search's summary.
PositionSearchRequest valueSearchRequest(const ValuesRequest& request, int value);

// "special", "regular", "any" or "1".."7", as the command line takes them; nothing for any other text.
std::optional<ValuesRequest> parseValuePlace(std::string_view text);
// The same word for a request's place.
std::string valuePlaceText(const ValuesRequest& request);

} // namespace quorvel
