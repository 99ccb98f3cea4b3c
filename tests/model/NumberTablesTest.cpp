// SPDX-License-Identifier: MIT
#include "model/NumberTables.h"
#include "model/AttributeKind.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(NumberTables, ClassifiesEdgeNumbers) {
    struct Case {
        int n, colour, head, tail, sum, segment, parity;
    };
    for (const Case& c : {Case{49, 2, 4, 9, 13, 6, 1}, Case{10, 1, 1, 0, 1, 1, 0}, Case{1, 0, 0, 1, 1, 0, 1},
                          Case{7, 0, 0, 7, 7, 0, 1}, Case{8, 0, 0, 8, 8, 1, 0}, Case{43, 2, 4, 3, 7, 6, 1}}) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(colourIndex(c.n), c.colour);
        EXPECT_EQ(headDigit(c.n), c.head);
        EXPECT_EQ(tailDigit(c.n), c.tail);
        EXPECT_EQ(digitSum(c.n), c.sum);
        EXPECT_EQ(segmentIndex(c.n), c.segment);
        EXPECT_EQ(parityValue(c.n), c.parity);
    }
}

TEST(NumberTables, ColourGroupsAreTheFixedTable) {
    const std::vector<std::vector<int>> groups{
        {1, 2, 7, 8, 12, 13, 18, 19, 23, 24, 29, 30, 34, 35, 40, 45, 46},
        {3, 4, 9, 10, 14, 15, 20, 25, 26, 31, 36, 37, 41, 42, 47, 48},
        {5, 6, 11, 16, 17, 21, 22, 27, 28, 32, 33, 38, 39, 43, 44, 49},
    };
    for (int colour = 0; colour < 3; ++colour)
        for (int n : groups[static_cast<std::size_t>(colour)])
            EXPECT_EQ(colourIndex(n), colour) << n;
}

TEST(NumberTables, ZodiacListsFollowTheYear) {
    EXPECT_EQ(baseLists()[0], "01、13、25、37、49");
    EXPECT_EQ(baseLists()[11], "12、24、36、48");
    auto year2013 = zodiacLists(2013); // a year of the snake (index 5)
    EXPECT_EQ(year2013[5], "01、13、25、37、49");
    EXPECT_EQ(year2013[4], "02、14、26、38");
    EXPECT_EQ(year2013[0], "06、18、30、42");
    EXPECT_EQ(zodiacLists(2014)[6], "01、13、25、37、49");
    EXPECT_EQ(zodiacLists(2014)[5], "02、14、26、38");
    // Every number's sign index agrees with the list that holds it.
    for (int year : {1983, 2013, 2026, 2096})
        for (int n = 1; n <= 49; ++n) {
            auto lists = zodiacLists(year);
            EXPECT_NE(lists[static_cast<std::size_t>(zodiacSignIndex(n, year))].find(twoDigits(n)), std::string::npos)
                << year << " " << n;
        }
}

TEST(NumberTables, ZodiacYearSwitchesAtTheLunarNewYear) {
    struct Case {
        int issue, zodiacYear;
    };
    for (const Case& c : {Case{2013016, 2012}, Case{2013017, 2013}, Case{2018016, 2017}, Case{2018017, 2018},
                          Case{2026019, 2025}, Case{2026020, 2026}, Case{2020007, 2019}, Case{2020008, 2020},
                          Case{2027001, 2027}, Case{2001010, 2000}, Case{2001011, 2001}}) {
        EXPECT_EQ(zodiacYearOfIssue(c.issue), c.zodiacYear) << c.issue;
    }
}

TEST(AttributeKinds, ParseAndFormat) {
    EXPECT_EQ(parseKind("1"), AttributeKind::Zodiac);
    EXPECT_EQ(parseKind("生肖"), AttributeKind::Zodiac);
    EXPECT_EQ(parseKind("digitsum"), AttributeKind::DigitSum);
    EXPECT_EQ(parseKind("单双"), AttributeKind::Parity);
    EXPECT_EQ(parseKind("8"), std::nullopt);
    EXPECT_EQ(parseKind("colour "), std::nullopt);
    EXPECT_EQ(formatCode(AttributeKind::Zodiac, 5), "05");
    EXPECT_EQ(formatCode(AttributeKind::Head, 3), "3");
    EXPECT_EQ(formatCode(AttributeKind::DigitSum, 13), "13");
    EXPECT_EQ(twoDigits(-5), "-05");
    EXPECT_EQ(counterSlot(AttributeKind::DigitSum, 13), 12);
    EXPECT_EQ(counterSlot(AttributeKind::DigitSum, 14), std::nullopt);
    EXPECT_EQ(counterSlot(AttributeKind::Zodiac, 12), 12);
    EXPECT_EQ(counterSlot(AttributeKind::Zodiac, 13), std::nullopt);
    EXPECT_EQ(counterSlot(AttributeKind::Colour, 3), 3);
    EXPECT_EQ(counterSlot(AttributeKind::Number, 5), std::nullopt);
}

} // namespace quorvel
