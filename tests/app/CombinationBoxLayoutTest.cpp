// SPDX-License-Identifier: MIT
#include "app/choices/CombinationBoxLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {

TEST(CombinationBoxLayout, VisibleBoxesAndCaptionsPerKind) {
    std::array<std::string, kCombinationBoxCount> previous;
    previous.fill("old");
    struct Case {
        AttributeKind kind;
        ParameterBases bases;
        int visible;
        std::vector<std::string> first; // the captions of boxes 1, 2, ...
    } cases[] = {
        {AttributeKind::Number, {}, 49, {"1", "2", "3"}},
        {AttributeKind::Zodiac, {1, 1, 1}, 12, {"鼠", "牛", "虎"}},
        {AttributeKind::Zodiac, {0, 1, 1}, 12, {"牛", "虎"}},
        {AttributeKind::Head, {}, 5, {"0", "1", "2", "3", "4"}},
        {AttributeKind::Tail, {}, 10, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {AttributeKind::DigitSum, {}, 13, {"1", "2"}},
        {AttributeKind::Segment, {1, 0, 1}, 7, {"1", "2"}},
        {AttributeKind::Colour, {1, 1, 1}, 3, {"红", "蓝", "绿"}},
        {AttributeKind::Colour, {1, 1, 0}, 3, {"蓝", "绿", "old"}},
        {AttributeKind::Parity, {}, 2, {"双", "单"}},
    };
    for (const Case& c : cases) {
        CombinationBoxLayout layout = layoutCombinationBoxes(c.kind, c.bases, previous);
        EXPECT_EQ(layout.visibleCount, c.visible) << kindInfo(c.kind).englishName;
        for (std::size_t i = 0; i < c.first.size(); ++i)
            EXPECT_EQ(layout.captions[i], c.first[i]) << kindInfo(c.kind).englishName << " box " << i + 1;
        EXPECT_EQ(layout.captions[48], c.visible == 49 ? "49" : "old");
    }
    EXPECT_EQ(layoutCombinationBoxes(AttributeKind::Zodiac, {0, 1, 1}, previous).captions[11], "old");
}

} // namespace quorvel
