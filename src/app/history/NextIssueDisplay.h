// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace quorvel {

// QihaoXianshi: the next issue and the issue boxes that follow the latest stored draw.
struct NextIssueDisplay {
    int nextIssue = 0;                   // the issue the next draw typed by hand is stored under
    std::string nextIssueText;           // Text1
    std::optional<std::string> endIssue; // Text3(1); nothing on an empty history (the box keeps its text)
    std::string referenceIssue;          // Text4
};

// The display after the latest stored issue (nothing: an empty history). On an empty history the next
// issue is the current year's first issue, the same one Text1 shows, so the first draw typed goes there.
NextIssueDisplay nextIssueDisplay(std::optional<int> latestIssue, int currentYear);

} // namespace quorvel
