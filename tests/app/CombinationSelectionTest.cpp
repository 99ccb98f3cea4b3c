// SPDX-License-Identifier: MIT
#include "app/choices/CombinationSelection.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(CombinationSelectionTest, BulkChangesAndTheRecount) {
    BoxTicks ticks{};
    ticks[0] = ticks[20] = true;
    EXPECT_EQ(tickedCount(applyBulkChange(ticks, BulkChange::TickAll), AttributeKind::Zodiac), 12);
    EXPECT_EQ(tickedCount(applyBulkChange(ticks, BulkChange::TickAll), AttributeKind::Number), 49);
    EXPECT_EQ(tickedCount(applyBulkChange(ticks, BulkChange::ClearAll), AttributeKind::Number), 0);
    EXPECT_EQ(tickedCount(applyBulkChange(ticks, BulkChange::Invert), AttributeKind::Number), 47);
    EXPECT_EQ(tickedCount(applyBulkChange(ticks, BulkChange::Invert), AttributeKind::Colour), 2);
    EXPECT_EQ(applyBulkChange(applyBulkChange(ticks, BulkChange::Invert), BulkChange::Invert), ticks);
    EXPECT_EQ(tickedCount(ticks, AttributeKind::Colour), 1); // box 21 is beyond the colours' three boxes
}

// Without 不限组数 only the sizes of the list are taken, and the refusal names them.
TEST(CombinationSelectionTest, GroupSizeThatIsNoNumberOrOffTheListKeepsThePrevious) {
    struct Case {
        const char* text;
        bool noLimit;
        int size;
        const char* says; // part of the refusal; empty when the size is taken
    } cases[] = {
        {"4", false, 4, ""},
        {" 6 ", false, 6, ""},
        {"abc", false, 3, "stays 3"},
        {"", false, 3, "stays 3"},
        {"9", false, 3, "not one of the group sizes 1, 2, 3, 4, 5 and 6: the group size stays 3"},
        {"0", false, 3, "1, 2, 3, 4, 5 and 6"},
        {"9", true, 9, ""},
    };
    for (const Case& c : cases) {
        GroupSizeEntry entry = readGroupSize(c.text, 3, c.noLimit);
        EXPECT_EQ(entry.size, c.size) << c.text;
        EXPECT_EQ(entry.problem.empty(), std::string(c.says).empty()) << c.text;
        EXPECT_NE(entry.problem.english().find(c.says), std::string::npos) << entry.problem.english();
    }
}

} // namespace quorvel
