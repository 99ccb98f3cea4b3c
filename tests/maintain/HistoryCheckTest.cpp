// SPDX-License-Identifier: MIT
#include "maintain/HistoryCheck.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(HistoryCheck, NamesMissingDuplicateAndDisorderedIssues) {
    struct Case {
        const char* name;
        std::vector<int> issues; // in IDX order
        std::vector<int> missing;
        std::vector<int> duplicates;
        std::vector<int> outOfOrder;
    };
    const std::vector<Case> cases{
        {"a whole history, across a year's end", {2024149, 2024150, 2025001, 2025002}, {}, {}, {}},
        {"holes inside a year, none between years",
         {2024148, 2024150, 2025001, 2025004},
         {2024149, 2025002, 2025003},
         {},
         {}},
        {"an issue stored three times is named once", {2025001, 2025001, 2025001, 2025002}, {}, {2025001}, {}},
        {"IDX out of issue order", {2025001, 2025003, 2025002, 2025004}, {}, {}, {2025002}},
        {"an empty history", {}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::pair<int, int>> rows;
        for (int issue : c.issues)
            rows.emplace_back(static_cast<int>(rows.size()) + 1, issue);
        const HistoryHoles holes = findHistoryHoles(rows);
        EXPECT_EQ(holes.missing, c.missing);
        EXPECT_EQ(holes.duplicates, c.duplicates);
        EXPECT_EQ(holes.outOfOrder, c.outOfOrder);
    }
}

} // namespace quorvel
