// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/ValuesRequest.h"
#include "app/choices/WindowRequests.h"
#include "model/Message.h"

#include <optional>
#include <string>

namespace quorvel {

// What the first line of a printed page, a PDF or a picture of a view says: the view, the kind, where the values
// are looked for, the range, the counting rule in a few words and the day it was made. A part a view lacks is left
// empty and left out.
struct PrintTitle {
    Message view;
    std::optional<AttributeKind> kind;
    Message place;
    std::optional<IssueRange> range;
    Message rule;
};

// The title of a view of every value of a kind (the omission table, the trend) with its request's choices.
PrintTitle valuesPrintTitle(Message view, const ValuesRequest& request);

// The title of the main window's result grids with its choices: the kind, the ticked positions (fixed or free), the
// range the boxes say and the gap rule.
PrintTitle analysisPrintTitle(Message view, const AnalysisChoices& choices);

// Where a request looks for its values, in words ("special number", "regular position 3, sorted order").
Message placeInWords(const ValuesRequest& request);
// What the trend's numbers count, in a few words.
Message trendRuleInBrief();
// How the first gap counts, in a few words.
Message gapRuleInBrief(GapStart start);

// The title line: its parts rendered by `translate` and joined, the day (YYYY-MM-DD) last.
std::string printTitleLine(const PrintTitle& title, const std::string& day, const Message::Translate& translate);

// The file name offered for a view written as a file, without its extension: the view's name, a dash and the
// latest issue it counts ("遗漏总表-2026107"); without an issue the name alone.
std::string printFileStem(const std::string& viewName, std::optional<int> latestIssue);

} // namespace quorvel
