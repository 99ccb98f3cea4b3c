// SPDX-License-Identifier: MIT
#include "analysis/Statements.h"
#include "analysis/GroupPlan.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(Statements, ExactTexts) {
    namespace s = statements;
    const std::string mark = "UPDATE [Lishi] SET [intTh]=([intTh] +1) WHERE ";
    struct Case {
        std::string built, expected;
    };
    for (const Case& c : {
             Case{s::resetCounters(), "UPDATE [Lishi] SET [intTh]=0"},
             Case{s::clearFlags(), "UPDATE [Lishi] SET [bolOk]= FALSE"},
             Case{s::flagHits(3), "UPDATE [Lishi] SET [bolOk]= TRUE WHERE [intTh] = 3"},
             Case{s::workingListWhole("txtHisLstSx"), "UPDATE [Lishi] SET [txtHisP6]= [txtHisLstSx]"},
             Case{s::workingListCut("txtHisLstDas"),
                  "UPDATE [Lishi] SET [txtHisP6]= LEFT([txtHisLstDas],LEN([txtHisLstDas])-4)"},
             Case{s::freeMark("txtHisP6", s::pattern(AttributeKind::Zodiac, 5, 2)),
                  mark + "[txtHisP6] LIKE \"*2X05*\""},
             Case{s::freeMark("txtHisLstTou", s::pattern(AttributeKind::Head, 3, 1)),
                  mark + "[txtHisLstTou] LIKE \"*1X3*\""},
             Case{s::pattern(AttributeKind::Number, 5, 1), "\"*05*\""},
             Case{s::pattern(AttributeKind::DigitSum, 13, 1), "\"*1X13*\""},
             Case{s::pattern(AttributeKind::Segment, 3, 1), "\"*1X3*\""},
             Case{s::fixedMark(AttributeKind::DigitSum, 'D', 7, 12), mark + "([L7E] + [L7F]) = 12"},
             Case{s::fixedMark(AttributeKind::DigitSum, 'D', 2, 12), mark + "([D2E] + [D2F]) = 12"},
             Case{s::fixedMark(AttributeKind::Parity, 'L', 4, 0), mark + "([L4A] MOD 2) = 0"},
             Case{s::fixedMark(AttributeKind::Tail, 'D', 3, 7), mark + "[D3F] = 7"},
             Case{s::fixedMark(AttributeKind::Tail, 'L', 3, 7), mark + "[L3F] = 7"},
             Case{s::fixedMark(AttributeKind::Colour, 'D', 7, 2), mark + "[L7C] = 2"},
             Case{
                 s::hitsByCounter(2013001, 2013152, 2),
                 "SELECT * FROM [lishi] WHERE [SQQH] >= 2013001 AND  [SQQH] <= 2013152 AND [intTh] = 2 ORDER BY [IDX]"},
             Case{s::hitsByFlag(1, 2),
                  "SELECT * FROM [lishi] WHERE [SQQH] >= 1 AND  [SQQH] <= 2 AND [bolOk]= TRUE ORDER BY [IDX]"},
             Case{s::groupResultsBy("intLstYl"), "SELECT * FROM YL ORDER BY intLstYl"},
         }) {
        EXPECT_EQ(c.built, c.expected);
    }
}

TEST(GroupPlan, BoxesMapToCodesAndLabelsPerKind) {
    struct Case {
        AttributeKind kind;
        int box;
        int code;
        const char* label;
    };
    for (const Case& c : {
             Case{AttributeKind::Number, 5, 5, "05"},
             Case{AttributeKind::Zodiac, 1, 1, "鼠"},
             Case{AttributeKind::Zodiac, 12, 12, "猪"},
             Case{AttributeKind::Head, 1, 0, "0"},
             Case{AttributeKind::Tail, 10, 9, "9"},
             Case{AttributeKind::DigitSum, 3, 3, "03"},
             Case{AttributeKind::Segment, 7, 7, "7"},
             Case{AttributeKind::Colour, 3, 3, "绿"},
             Case{AttributeKind::Parity, 1, 0, "双"},
             Case{AttributeKind::Parity, 2, 1, "单"},
         }) {
        EXPECT_EQ(groupBoxCode(c.kind, c.box), c.code);
        EXPECT_EQ(groupBoxLabel(c.kind, c.box, ParameterBases{}), c.label);
    }
    EXPECT_EQ(groupBoxLabel(AttributeKind::Zodiac, 1, ParameterBases{0, 1, 1}), "牛");
    EXPECT_EQ(groupBoxLabel(AttributeKind::Zodiac, 12, ParameterBases{0, 1, 1}), "12");
}

TEST(GroupPlan, CombinationsInLexicographicOrder) {
    std::vector<std::vector<int>> seen;
    forEachCombination(4, 2, [&](const std::vector<int>& c) { seen.push_back(c); });
    EXPECT_EQ(seen, (std::vector<std::vector<int>>{{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}));
    int count = 0;
    forEachCombination(24, 4, [&](const std::vector<int>&) { ++count; });
    EXPECT_EQ(count, 10626);
    forEachCombination(2, 3, [&](const std::vector<int>&) { ADD_FAILURE(); });
    forEachCombination(5, 0, [&](const std::vector<int>&) { ADD_FAILURE(); });
}

} // namespace quorvel
