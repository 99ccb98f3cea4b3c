// SPDX-License-Identifier: MIT
#include "app/choices/WindowRequests.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

AnalysisChoices sampleChoices() {
    AnalysisChoices choices;
    choices.kind = AttributeKind::Zodiac;
    choices.order = NumberOrder::Sorted;
    choices.includeSpecial = true;
    choices.selected = {false, true, false, false, true, false, true};
    choices.texts = {"1", "5", "", "", "05", "", "猴"};
    choices.values = {1, 5, 0, 0, 5, 0, 9};
    choices.startText = "2013001";
    choices.endText = " 2014016 ";
    choices.regularOnly = true;
    choices.partSize = 3;
    choices.partSizeText = "3";
    choices.ticked[0] = choices.ticked[4] = choices.ticked[48] = true;
    choices.groupSize = 2;
    return choices;
}

} // namespace

TEST(WindowRequestsTest, RangeBoxesThatHoldNoIssueRefuseEveryRun) {
    struct Case {
        const char* start;
        const char* end;
        const char* problem; // part of the message, empty when the range is read
    } cases[] = {
        {"2013001", " 2014016 ", ""},
        {"abc", "2014016", "The start issue of 检索起止期数 'abc' is not an issue number"},
        {"2013001", "", "The end issue of 检索起止期数 '' is not an issue number"},
        {"x", "y", "start issue of 检索起止期数 'x'"},
        {"2013001.5", "2014016", "start issue"},
    };
    for (const Case& c : cases) {
        AnalysisChoices choices = sampleChoices();
        choices.startText = c.start;
        choices.endText = c.end;
        WindowRequests requests(choices);
        EXPECT_EQ(requests.range().range.has_value(), std::string(c.problem).empty()) << c.start << "|" << c.end;
        EXPECT_NE(requests.range().problem.english().find(c.problem), std::string::npos)
            << requests.range().problem.english();
        // The message names the boxes as the window shows them, never their control names.
        EXPECT_EQ(requests.range().problem.english().find("Text3_"), std::string::npos);
    }
}

TEST(WindowRequestsTest, EachAnalysisReadsItsControls) {
    WindowRequests requests(sampleChoices());
    PositionSearchRequest search = requests.positionSearch();
    EXPECT_EQ(search.mode, PositionMode::Free);
    EXPECT_EQ(search.order, NumberOrder::Sorted);
    EXPECT_TRUE(search.includeSpecial);
    EXPECT_EQ(search.selected, (std::array<bool, 7>{false, true, false, false, true, false, true}));
    EXPECT_EQ(search.values[6], 9);
    EXPECT_EQ(search.texts[6], "猴");
    EXPECT_EQ(search.range.start, 2013001);
    EXPECT_EQ(search.range.end, 2014016);

    PartialSearchRequest partial = requests.partialSearch();
    EXPECT_TRUE(partial.regularOnly);
    EXPECT_EQ(partial.partSize, 3);
    EXPECT_EQ(partial.partSizeText, "3");
    EXPECT_EQ(partial.values, search.values);

    GroupRequest group = requests.group();
    EXPECT_EQ(group.boxes, (std::vector<int>{1, 5, 49}));
    EXPECT_EQ(group.groupSize, 2);
    EXPECT_TRUE(group.includeSpecial);
    EXPECT_EQ(group.range.end, 2014016);

    AnalysisChoices fixed = sampleChoices();
    fixed.fixedPositions = true;
    EXPECT_EQ(WindowRequests(fixed).positionSearch().mode, PositionMode::Fixed);
}

// A ticked position whose box is empty would be searched for the value it held before: 检索 is refused naming it.
TEST(WindowRequestsTest, ATickedPositionWithAnEmptyBoxRefusesTheSearchNamingIt) {
    struct Case {
        int emptied;      // position 1..7 whose text is emptied (0: none)
        const char* says; // part of the refusal; empty when the search may run
    } cases[] = {
        {0, ""},
        {3, ""}, // not ticked
        {2, "平2位 is ticked but its box holds no value"},
        {7, "特位 is ticked"},
    };
    for (const Case& c : cases) {
        AnalysisChoices choices = sampleChoices();
        if (c.emptied > 0) choices.texts[static_cast<std::size_t>(c.emptied - 1)] = " ";
        const Message why = WindowRequests(choices).positionSearchRefusal();
        EXPECT_EQ(why.empty(), std::string(c.says).empty()) << c.emptied << ": " << why.english();
        EXPECT_NE(why.english().find(c.says), std::string::npos) << why.english();
    }
}

} // namespace quorvel
