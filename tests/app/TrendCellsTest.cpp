// SPDX-License-Identifier: MIT
// What the trend window and its exports show of a cell: balls in their colour wave's colour for numbers, names on a
// ground for the other kinds (colours in their waves, whatever the base), grey counts that the toggle hides.
#include "app/results/TrendCells.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

// One row (IDX 3) of a history of three draws, with one column per value given; `hit` lists the columns drawn.
Trend oneRow(const std::vector<TrendColumn>& columns, const std::vector<bool>& hit) {
    std::vector<DrawBitset> hits;
    for (bool drawn : hit) {
        DrawBitset bits(3);
        if (drawn) bits.set(2);
        hits.push_back(bits);
    }
    return Trend(columns, hits, 2, {2020003});
}

} // namespace

TEST(TrendCellsTest, HitsAreColouredByKindAndMissesHideWithTheToggle) {
    const ParameterBases baseOne;
    ParameterBases baseZero;
    baseZero.colour = 0;
    struct Case {
        const char* what;
        AttributeKind kind;
        ParameterBases bases;
        TrendColumn column;
        TrendMark mark;
        std::uint32_t rgb;
    } cases[] = {
        {"number 01, red wave", AttributeKind::Number, {}, {1, "01"}, TrendMark::Ball, 0xE0383E},
        {"number 10, blue wave", AttributeKind::Number, {}, {10, "10"}, TrendMark::Ball, 0x2C6FD1},
        {"number 49, green wave", AttributeKind::Number, {}, {49, "49"}, TrendMark::Ball, 0x23964A},
        {"colour 绿 from base 1", AttributeKind::Colour, baseOne, {3, "绿"}, TrendMark::Ground, 0x23964A},
        {"colour 红 from base 0", AttributeKind::Colour, baseZero, {0, "红"}, TrendMark::Ground, 0xE0383E},
        {"zodiac 鼠", AttributeKind::Zodiac, baseOne, {1, "鼠"}, TrendMark::Ground, 0xD9761C},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Trend trend = oneRow({c.column, {c.column.value + 1, "x"}}, {true, false});
        const TrendCells shown(trend, c.kind, c.bases, true);
        const TrendCellLook hit = shown.cell(0, 0);
        EXPECT_EQ(hit.mark, c.mark);
        EXPECT_EQ(hit.text, c.column.label);
        EXPECT_EQ(hit.rgb, c.rgb);
        // The other value, never drawn, has been away since before the first draw: its count is the row's IDX.
        EXPECT_EQ(shown.cell(0, 1).mark, TrendMark::Miss);
        EXPECT_EQ(shown.cell(0, 1).text, "3");
        const TrendCells hidden(trend, c.kind, c.bases, false);
        EXPECT_EQ(hidden.cell(0, 1).mark, TrendMark::Hidden);
        EXPECT_EQ(hidden.cell(0, 1).text, "");
        EXPECT_EQ(hidden.cell(0, 0).text, c.column.label);
        // The workbook: the header, the row, the four summary rows; the hit filled with white text.
        const CellGrid grid = hidden.grid();
        ASSERT_EQ(grid.size(), 6u);
        EXPECT_EQ(grid[1], (std::vector<std::string>{"2020003", c.column.label, ""}));
        EXPECT_EQ(grid[2], (std::vector<std::string>{"出现次数", "1", "0"}));
        EXPECT_EQ(grid[3], (std::vector<std::string>{"平均遗漏值", "0.00", "1.00"}));
        const std::vector<CellFill> fills = hidden.fills();
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].row, 1u);
        EXPECT_EQ(fills[0].column, 1u);
        EXPECT_EQ(fills[0].rgb, c.rgb);
        EXPECT_EQ(fills[0].fontRgb, kTrendHitTextRgb);
    }
}

} // namespace quorvel
