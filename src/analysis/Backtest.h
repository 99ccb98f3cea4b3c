// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/ValuesRequest.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// The backtest (回测) of "does a long omission predict the next draw?": at each decision draw, with only the
// draws up to it known, the groups with the smallest chance of an omission at least as long as their last
// one are picked, and the next draw tells whether they hit more often than their hit rates say.
struct BacktestRequest {
    GroupRequest groups; // kind, ticked boxes, group size, special switch, no-limit, bases; its range is unused
    // For groups of one value: where the value is looked for (special, regular or any); none counts it as the
    // group calculation does (the regular numbers, with the special number under the special switch).
    std::optional<ValuePlace> place;
    std::optional<int> fromIssue; // the first decision: the first stored draw of this issue or later
    int pick = 10;                // N: groups picked per decision
    std::uint64_t seed = 1;       // of the random picks the overdue picks are compared with
};

// The first decision draw when no start issue is given: the 500th stored draw.
constexpr int kDefaultFirstDecision = 500;

// The most work one backtest may do, so that it ends within seconds: decisions × groups (each decision visits
// the groups' gap state) and decisions × picks × picks (each weighs every pair of its picks, which costs about
// twenty times a group's visit).
constexpr std::int64_t kBacktestWorkLimit = 10'000'000'000;
constexpr std::int64_t kBacktestPairLimit = 500'000'000;

// Hits of a set of picks against their hit rates over all decisions.
struct BacktestFigures {
    long picked = 0;
    long hits = 0;
    double expected = 0; // the sum of the picked groups' hit rates
    double variance = 0; // of the number of hits under independent uniform draws, shared values counted
    double z = 0;        // (hits - expected) / sqrt(variance); 0 without variance
    double pValue = 1;   // two-sided, normal approximation
};

// Eligible groups of every decision whose p_at_least_last fell between pLow and pHigh.
struct CalibrationBin {
    double pLow = 0;
    double pHigh = 0;
    long count = 0;
    long hits = 0;
    double expected = 0;
};

// Whether the overdue picks hit differently from chance at the 1% level.
enum class BacktestVerdict { None, Fewer, More };

struct BacktestResult {
    int groupSize = 0;
    int pick = 0;
    std::uint64_t seed = 1;
    int decisions = 0;
    int firstIssue = 0; // the first and last decision draw's issue
    int lastIssue = 0;
    long ties = 0; // per decision, the groups tied with the last pick (itself not counted), summed
    BacktestFigures overdue;
    BacktestFigures baseline;
    std::vector<CalibrationBin> bins;
    BacktestVerdict verdict = BacktestVerdict::None;
};

// The two-sided significance level of the verdict.
constexpr double kVerdictLevel = 0.01;

// Fills z and the p-value from hits, expected and variance.
void finishFigures(BacktestFigures& figures);
// The verdict on the overdue picks' figures.
BacktestVerdict backtestVerdict(const BacktestFigures& figures);

} // namespace quorvel
