// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/ValuesRequest.h"
#include "model/Message.h"

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

// The same rules in plain words for a player, one sentence a message, to be rendered in the reader's language
// (the text output, the window and the workbooks' rules sheet): which draws were counted, how the gaps were
// counted, where the values were looked for, and the bases the values were named with. The lines above stay the
// --json output's `rules`, the same in every language.
Messages countingRulesInWords(const PositionSearchRequest& request);
Messages countingRulesInWords(const PartialSearchRequest& request);
Messages countingRulesInWords(const GroupRequest& request);
Messages countingRulesInWords(const ValuesRequest& request);
Messages trendRulesInWords(const ValuesRequest& request);

} // namespace quorvel
