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

TEST(CombinationSelectionTest, GroupSizeThatIsNoNumberKeepsThePrevious) {
    struct Case {
        const char* text;
        int size;
        bool refused;
    } cases[] = {{"4", 4, false}, {" 6 ", 6, false}, {"9", 9, false}, {"abc", 3, true}, {"", 3, true}};
    for (const Case& c : cases) {
        GroupSizeEntry entry = readGroupSize(c.text, 3);
        EXPECT_EQ(entry.size, c.size) << c.text;
        EXPECT_EQ(!entry.problem.empty(), c.refused) << c.text;
        EXPECT_EQ(entry.problem.english().find("stays 3") != std::string::npos, c.refused) << entry.problem.english();
    }
}

} // namespace quorvel
