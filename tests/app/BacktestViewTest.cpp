// SPDX-License-Identifier: MIT
#include "app/results/BacktestView.h"
#include "app/results/BacktestSentence.h"

#include <gtest/gtest.h>

namespace quorvel {

// The window's choices become the request the command line would make: where only for groups of one value, the
// start issue as typed (a text that is no issue is refused), picks and seed as set.
TEST(BacktestViewTest, ChoicesMakeTheRequest) {
    AnalysisChoices main;
    main.kind = AttributeKind::Zodiac;
    main.ticked[0] = main.ticked[4] = main.ticked[11] = true;
    main.includeSpecial = true;
    struct Case {
        int groupSize;
        BacktestWindowChoices own;
        bool noLimit;
        BacktestProblem problem;
        std::optional<ValuePlace> place;
        std::optional<int> from;
    } cases[] = {
        {1, {1, "", 5, 7}, false, BacktestProblem::None, ValuePlace::Special, std::nullopt},
        {1, {3, " 2020001 ", 10, 1}, true, BacktestProblem::None, ValuePlace::Any, 2020001},
        {2, {1, "", 10, 1}, false, BacktestProblem::None, std::nullopt, std::nullopt},
        {1, {0, "2020x", 10, 1}, false, BacktestProblem::FromNotIssue, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        main.groupSize = c.groupSize;
        const BacktestPlan plan = backtestPlan(main, c.noLimit, c.own);
        SCOPED_TRACE(c.own.fromText);
        EXPECT_EQ(plan.problem, c.problem);
        if (c.problem != BacktestProblem::None) {
            EXPECT_FALSE(plan.request);
            continue;
        }
        ASSERT_TRUE(plan.request);
        EXPECT_EQ(plan.request->groups.kind, AttributeKind::Zodiac);
        EXPECT_EQ(plan.request->groups.boxes, (std::vector<int>{1, 5, 12}));
        EXPECT_EQ(plan.request->groups.groupSize, c.groupSize);
        EXPECT_TRUE(plan.request->groups.includeSpecial);
        EXPECT_EQ(plan.request->groups.noLimit, c.noLimit);
        EXPECT_EQ(plan.request->place, c.place);
        EXPECT_EQ(plan.request->fromIssue, c.from);
        EXPECT_EQ(plan.request->pick, c.own.pick);
        EXPECT_EQ(plan.request->seed, static_cast<std::uint64_t>(c.own.seed));
    }
}

// The written results: both columns side by side, the sentence, one row per calibration bin; the chart's axes
// hold every bin's figures.
TEST(BacktestViewTest, WorkbookGridAndChartAxes) {
    BacktestResult result;
    result.decisions = 2;
    result.ties = 3;
    result.seed = 9;
    result.overdue = {20, 4, 2.5, 2.2, 1.01, 0.31};
    result.baseline = {20, 2, 2.5, 2.3, -0.33, 0.74};
    result.bins = {{0.01, 0.2, 50, 3, 6.25}, {0.25, 1, 48, 9, 6.0}};
    BacktestCaptions captions{"overdue",   "random",   "picked",
                              "hits",      "expected", "ties",
                              "decisions", "seed",     {"p from", "p to", "groups", "hits", "expected"}};
    const CellGrid grid = backtestGrid(result, captions, "the sentence");
    EXPECT_EQ(grid[0], (std::vector<std::string>{"", "overdue", "random"}));
    EXPECT_EQ(grid[2], (std::vector<std::string>{"hits", "4", "2"}));
    EXPECT_EQ(grid[3], (std::vector<std::string>{"expected", "2.50", "2.50"}));
    EXPECT_EQ(grid[4], (std::vector<std::string>{"z", "1.01", "-0.33"}));
    EXPECT_EQ(grid[5], (std::vector<std::string>{"p", "0.31", "0.74"}));
    EXPECT_EQ(grid[9], (std::vector<std::string>{"the sentence"}));
    EXPECT_EQ(grid[12], (std::vector<std::string>{"0.01", "0.2", "50", "3", "6.25"}));
    EXPECT_EQ(grid.size(), 14u);

    const CalibrationAxis axis = calibrationAxis(result);
    EXPECT_LE(axis.low, 3);
    EXPECT_GE(axis.high, 9);
    EXPECT_EQ(calibrationPoints(result).size(), 2u);
}

TEST(BacktestViewTest, EnglishSentenceCountsOneAsOne) {
    struct Case {
        int groupSize, pick;
        long hits;
        const char* start;
    };
    for (const Case& c : {Case{1, 1, 1, "Picking the 1 longest-away value: 1 hit, "},
                          Case{2, 10, 3, "Picking the 10 longest-away groups: 3 hits, "}}) {
        BacktestResult result;
        result.groupSize = c.groupSize;
        result.pick = c.pick;
        result.overdue.hits = c.hits;
        EXPECT_EQ(backtestSentence(result).english().rfind(c.start, 0), 0u) << c.start;
    }
}

} // namespace quorvel
