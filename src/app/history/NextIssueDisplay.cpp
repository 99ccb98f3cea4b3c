// SPDX-License-Identifier: MIT
#include "app/history/NextIssueDisplay.h"

namespace quorvel {

NextIssueDisplay nextIssueDisplay(std::optional<int> latestIssue, int currentYear) {
    NextIssueDisplay display;
    if (!latestIssue) {
        display.nextIssue = currentYear * 1000 + 1;
        display.nextIssueText = std::to_string(currentYear) + "001";
        display.referenceIssue = "0";
        return display;
    }
    display.nextIssue = *latestIssue + 1;
    display.nextIssueText = std::to_string(display.nextIssue);
    display.endIssue = std::to_string(*latestIssue);
    display.referenceIssue = std::to_string(*latestIssue);
    return display;
}

} // namespace quorvel
