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

    // The first bin's 95% chance band: 6.25 ± 1.96 √(6.25 × (1 − 6.25 / 50)); the axes hold it whole.
    const CalibrationBand band = calibrationBand(result.bins[0]);
    EXPECT_NEAR(band.low, 1.666, 0.001);
    EXPECT_NEAR(band.high, 10.834, 0.001);
    const CalibrationAxis axis = calibrationAxis(result);
    EXPECT_LE(axis.low, 1.666);
    EXPECT_GE(axis.high, 10.834);
    EXPECT_EQ(calibrationPoints(result).size(), 2u);
}

// The sentence says first, plainly, what the verdict is, with the picks as values or groups and one hit as one;
// a difference either way adds that it describes the past only.
TEST(BacktestViewTest, SentenceSaysTheVerdictFirst) {
    struct Case {
        int groupSize, pick;
        long hits;
        BacktestVerdict verdict;
        const char* start;
        bool caveat;
    };
    for (const Case& c :
         {Case{1, 1, 1, BacktestVerdict::None,
               "Picking the values away longest hit no more often than picking at random: 1 picked each time, 1 hit "
               "where",
               false},
          Case{2, 10, 3, BacktestVerdict::Fewer,
               "Picking the groups away longest hit less often than picking at random: 10 groups picked each time, "
               "3 hits where",
               true},
          Case{1, 5, 30, BacktestVerdict::More,
               "Picking the values away longest hit more often than picking at random: 5 picked each time, 30 hits",
               true}}) {
        BacktestResult result;
        result.groupSize = c.groupSize;
        result.pick = c.pick;
        result.overdue.hits = c.hits;
        result.verdict = c.verdict;
        const std::string sentence = backtestSentence(result).english();
        EXPECT_EQ(sentence.rfind(c.start, 0), 0u) << sentence;
        EXPECT_EQ(sentence.find("does not make the next draw predictable") != std::string::npos, c.caveat) << sentence;
    }
}

} // namespace quorvel
