// SPDX-License-Identifier: MIT
#include "model/DrawRecord.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

const Draw kExample{2013017, {23, 5, 49, 12, 31, 8, 40}};

int listIndex(AttributeKind kind) { return static_cast<int>(kind); }

} // namespace

TEST(DrawRecord, WorkedExample) {
    DrawRecord r = deriveRecord(kExample, ParameterBases{});
    std::vector<int> drawn, sorted;
    for (int p = 1; p <= 7; ++p) {
        drawn.push_back(r.at(NumberOrder::Drawn, p).number);
        sorted.push_back(r.at(NumberOrder::Sorted, p).number);
    }
    EXPECT_EQ(drawn, (std::vector<int>{23, 5, 49, 12, 31, 8, 40}));
    EXPECT_EQ(sorted, (std::vector<int>{5, 8, 12, 23, 31, 49, 40}));
    const PositionAttributes& l1 = r.drawn[0];
    EXPECT_EQ((std::vector<int>{l1.zodiac, l1.colour, l1.head, l1.tail, l1.segment}),
              (std::vector<int>{8, 1, 2, 3, 4}));
    const PositionAttributes& d1 = r.sorted[0];
    EXPECT_EQ((std::vector<int>{d1.zodiac, d1.colour, d1.head, d1.tail, d1.segment}),
              (std::vector<int>{2, 3, 0, 5, 1}));

    EXPECT_EQ(r.lists[0], "23 05 49 12 31 08 40 ");
    EXPECT_EQ(r.lists[listIndex(AttributeKind::Zodiac)], "1X02 1X11 1X07 1X08 1X12 1X06 1X03 ");
    EXPECT_EQ(r.lists[listIndex(AttributeKind::Colour)], "1X03 1X01 2X01 3X01 1X02 2X03 4X01 ");
    EXPECT_EQ(r.lists[listIndex(AttributeKind::Head)], "1X0 2X0 1X1 1X2 1X3 1X4 2X4 ");
    EXPECT_EQ(r.lists[listIndex(AttributeKind::Tail)], "1X5 1X8 1X2 1X3 1X1 1X9 1X0 ");
    EXPECT_EQ(r.lists[listIndex(AttributeKind::DigitSum)], "1X05 1X08 1X03 2X05 1X04 1X13 2X04 ");
    EXPECT_EQ(r.lists[listIndex(AttributeKind::Parity)], "1X1 1X0 2X0 2X1 3X1 4X1 3X0 ");
    EXPECT_EQ(r.lists[listIndex(AttributeKind::Segment)], "1X1 1X2 2X2 1X4 1X5 1X7 1X6 ");
    for (const auto& previous : r.previousLists)
        EXPECT_TRUE(previous.empty());
}

TEST(DrawRecord, BasesShiftTheCodes) {
    DrawRecord base1 = deriveRecord(kExample, ParameterBases{1, 1, 1});
    DrawRecord base0 = deriveRecord(kExample, ParameterBases{0, 0, 0});
    for (std::size_t p = 0; p < 7; ++p) {
        EXPECT_EQ(base0.drawn[p].zodiac, base1.drawn[p].zodiac - 1);
        EXPECT_EQ(base0.drawn[p].colour, base1.drawn[p].colour - 1);
        EXPECT_EQ(base0.drawn[p].segment, base1.drawn[p].segment - 1);
        EXPECT_EQ(base0.drawn[p].head, base1.drawn[p].head);
    }
    EXPECT_EQ(base0.lists[listIndex(AttributeKind::Zodiac)], "1X01 1X10 1X06 1X07 1X11 1X05 1X02 ");
    EXPECT_EQ(base0.lists[listIndex(AttributeKind::Colour)], "1X02 1X00 2X00 3X00 1X01 2X02 4X00 ");
    // With zodiac base 0 the rat is 0 and the pig 11: in 2013 number 6 is a rat and number 7 a pig.
    DrawRecord rat = deriveRecord(Draw{2013100, {6, 7, 1, 2, 3, 4, 5}}, ParameterBases{0, 1, 1});
    EXPECT_EQ(rat.drawn[0].zodiac, 0);
    EXPECT_EQ(rat.drawn[1].zodiac, 11);
}

TEST(DrawRecord, ZodiacFollowsTheIssuesYear) {
    // Number 1 always carries the sign of its zodiac year: 2012 dragon (code 5), 2013 snake (6).
    auto signOfOne = [](int issue) {
        return deriveRecord(Draw{issue, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{}).drawn[0].zodiac;
    };
    EXPECT_EQ(signOfOne(2013016), 5);
    EXPECT_EQ(signOfOne(2013017), 6);
    EXPECT_EQ(signOfOne(2018016), signOfOne(2017100)); // 2018's table entry holds the first 16 draws back
    EXPECT_EQ(signOfOne(2018017), signOfOne(2018100));
    EXPECT_EQ(signOfOne(2027001), signOfOne(2027100)); // past the table: the first draw already switches
    EXPECT_NE(signOfOne(2027001), signOfOne(2026100));
}

TEST(DrawRecord, OccurrenceNumbersCountRepeatsIncludingTheSpecialNumber) {
    // 17 and 27 share tail 7; the special number 37 is a third 7.
    DrawRecord r = deriveRecord(Draw{2013100, {27, 3, 17, 40, 11, 22, 37}}, ParameterBases{});
    EXPECT_EQ(r.lists[listIndex(AttributeKind::Tail)], "1X3 1X1 1X7 1X2 2X7 1X0 3X7 ");
    EXPECT_EQ(r.lists[0], "27 03 17 40 11 22 37 ");
    EXPECT_EQ(r.lists[0].size(), 21u);
}

TEST(DrawRecord, ReadsValuesAsTheStoreReaders) {
    DrawRecord r = deriveRecord(kExample, ParameterBases{});
    EXPECT_EQ(attributeValue(r, AttributeKind::Number, NumberOrder::Sorted, 1), 5);
    EXPECT_EQ(attributeValue(r, AttributeKind::Number, NumberOrder::Drawn, 1), 23);
    EXPECT_EQ(attributeValue(r, AttributeKind::DigitSum, NumberOrder::Drawn, 3), 13); // 49
    EXPECT_EQ(attributeValue(r, AttributeKind::Parity, NumberOrder::Sorted, 7), 0);   // 40
    EXPECT_EQ(attributeValue(r, AttributeKind::Zodiac, NumberOrder::Sorted, 7), 3);
    EXPECT_EQ(valueText(AttributeKind::Zodiac, 6, ParameterBases{}), "蛇");
    EXPECT_EQ(valueText(AttributeKind::Colour, 1, ParameterBases{}), "红");
    EXPECT_EQ(valueText(AttributeKind::Parity, 1, ParameterBases{}), "单");
    EXPECT_EQ(valueText(AttributeKind::Zodiac, 13, ParameterBases{}), "13");
    EXPECT_EQ(valueText(AttributeKind::Tail, 7, ParameterBases{}), "7");
}

TEST(DrawRecord, RefusesNumbersOutsideTheRange) {
    EXPECT_THROW(deriveRecord(Draw{2013001, {0, 2, 3, 4, 5, 6, 7}}, ParameterBases{}), std::invalid_argument);
    EXPECT_THROW(deriveRecord(Draw{2013001, {1, 2, 3, 4, 5, 6, 50}}, ParameterBases{}), std::invalid_argument);
}

} // namespace quorvel
