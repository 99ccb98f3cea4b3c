// SPDX-License-Identifier: MIT
#include "analysis/BacktestWalk.h"
#include "analysis/HitProbability.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace quorvel {

namespace {

// Groups of numbers 1..49 (element e is number e + 1) among the six regular numbers, in one zodiac year.
BacktestInput numberInput(int groupSize, int pick) {
    BacktestInput input;
    input.elements = 49;
    input.groupSize = groupSize;
    input.pick = pick;
    input.sharedRate = true;
    input.rate = [](std::uint64_t elements, int) {
        std::vector<int> codes;
        for (int e = 0; e < 49; ++e)
            if (elements >> e & 1) codes.push_back(e + 1);
        return hitProbability(groupCondition(AttributeKind::Number, codes, false, {}), 2020);
    };
    return input;
}

void addDraw(BacktestInput& input, std::uint64_t regular) {
    input.held.push_back(regular);
    input.yearSlot.push_back(0);
}

// Six distinct numbers drawn uniformly, as bits; `forced` (an element, or -1) is always among them.
std::uint64_t randomDraw(std::mt19937& random, int forced) {
    std::uint64_t draw = forced >= 0 ? std::uint64_t{1} << forced : 0;
    std::uniform_int_distribution<int> number(0, 48);
    while (std::popcount(draw) < 6)
        draw |= std::uint64_t{1} << number(random);
    return draw;
}

} // namespace

// Two picked pairs that share a number ({1, 2} and {2, 3}) are not independent: the decision's variance must be
// the variance of their hit count over every one of the C(49, 6) sets of regular numbers.
TEST(BacktestWalkTest, VarianceOfPairsSharingANumberMatchesEveryDraw) {
    BacktestInput input = numberInput(2, 2);
    input.elements = 3;    // numbers 1, 2 and 3; pairs {1,2}, {1,3}, {2,3}
    addDraw(input, 0b111); // every pair hits
    addDraw(input, 0b101); // {1,3} again: {1,2} and {2,3} are the overdue ones
    addDraw(input, 0b011); // the outcome: {1,2} hits
    input.firstDecision = 1;
    const BacktestResult result = walkBacktest(input, 1);
    ASSERT_EQ(result.decisions, 1);
    EXPECT_EQ(result.overdue.picked, 2);
    EXPECT_EQ(result.overdue.hits, 1);

    // Numbers 0..48 stand for 1..49; X = [1,2 drawn] + [2,3 drawn].
    double sum = 0, squares = 0, draws = 0;
    for (int a = 0; a < 49; ++a)
        for (int b = a + 1; b < 49; ++b)
            for (int c = b + 1; c < 49; ++c)
                for (int d = c + 1; d < 49; ++d)
                    for (int e = d + 1; e < 49; ++e)
                        for (int f = e + 1; f < 49; ++f) {
                            const std::uint32_t low = (a < 3 ? 1u << a : 0) | (b < 3 ? 1u << b : 0) |
                                                      (c < 3 ? 1u << c : 0) | (d < 3 ? 1u << d : 0) |
                                                      (e < 3 ? 1u << e : 0) | (f < 3 ? 1u << f : 0);
                            const int x = ((low & 0b011) == 0b011) + ((low & 0b110) == 0b110);
                            sum += x;
                            squares += x * x;
                            ++draws;
                        }
    ASSERT_EQ(draws, 13983816);
    const double mean = sum / draws;
    EXPECT_NEAR(result.overdue.expected, mean, 1e-15);
    EXPECT_NEAR(result.overdue.variance, squares / draws - mean * mean, 1e-15);
}

// A history in which every draw holds the number away longest must show far more hits than chance; a uniform
// history must not, for single numbers and for pairs, whatever the thread count; the walk reports its progress
// and stops when cancelled.
TEST(BacktestWalkTest, LongestAwayHistoryStandsOutAndUniformHistoryDoesNot) {
    std::mt19937 random(20261207);
    BacktestInput rigged = numberInput(1, 10);
    std::array<int, 49> lastSeen{};
    lastSeen.fill(-1);
    for (int d = 0; d < 1000; ++d) {
        const int longest = static_cast<int>(std::min_element(lastSeen.begin(), lastSeen.end()) - lastSeen.begin());
        const std::uint64_t draw = randomDraw(random, longest);
        for (int e = 0; e < 49; ++e)
            if (draw >> e & 1) lastSeen[static_cast<std::size_t>(e)] = d;
        addDraw(rigged, draw);
    }
    rigged.firstDecision = 100;
    const BacktestResult always = walkBacktest(rigged, 2);
    EXPECT_EQ(always.decisions, 899);
    EXPECT_GE(always.overdue.hits, 899); // the longest-away number is the first pick, and it always comes
    EXPECT_GT(always.overdue.z, 3);
    EXPECT_EQ(always.verdict, BacktestVerdict::More);
    EXPECT_LT(std::fabs(always.baseline.z), 3);

    for (int groupSize : {1, 2}) {
        BacktestInput uniform = numberInput(groupSize, 10);
        std::mt19937 draws(7);
        for (int d = 0; d < 3000; ++d)
            addDraw(uniform, randomDraw(draws, -1));
        uniform.firstDecision = kDefaultFirstDecision - 1;
        const BacktestResult result = walkBacktest(uniform, 2);
        SCOPED_TRACE(groupSize);
        EXPECT_EQ(result.decisions, 2500);
        EXPECT_EQ(result.overdue.picked, 25000);
        EXPECT_LT(std::fabs(result.overdue.z), 3);
        EXPECT_LT(std::fabs(result.baseline.z), 3);
        EXPECT_EQ(result.verdict, BacktestVerdict::None);
        long count = 0, hits = 0;
        for (const CalibrationBin& bin : result.bins) {
            count += bin.count;
            hits += bin.hits;
            EXPECT_LE(bin.pLow, bin.pHigh);
        }
        EXPECT_LE(result.bins.size(), 10u);
        EXPECT_GT(count, 0);
        EXPECT_GE(hits, result.overdue.hits / 2);

        // Progress reaches every decision; a cancel stops the walk.
        long reported = 0;
        const BacktestResult alone = walkBacktest(uniform, 1, Progress([&](long done, long total) {
                                                      EXPECT_EQ(total, 2500);
                                                      reported = std::max(reported, done);
                                                      return true;
                                                  }));
        EXPECT_GE(reported, 2500 - 64);
        EXPECT_THROW(walkBacktest(uniform, 2, Progress([](long, long) { return false; })), AnalysisCancelled);
        EXPECT_EQ(alone.overdue.hits, result.overdue.hits);
        EXPECT_EQ(alone.overdue.expected, result.overdue.expected);
        EXPECT_EQ(alone.baseline.hits, result.baseline.hits);
        EXPECT_EQ(alone.ties, result.ties);
        ASSERT_EQ(alone.bins.size(), result.bins.size());
        for (std::size_t b = 0; b < alone.bins.size(); ++b)
            EXPECT_EQ(alone.bins[b].count, result.bins[b].count);
    }
}

} // namespace quorvel
