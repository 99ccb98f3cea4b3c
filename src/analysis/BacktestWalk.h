// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"
#include "analysis/Progress.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace quorvel {

// The history and groups as the backtest's walk reads them: elements are the ticked values, groups the
// k-combinations of them in lexicographic order (the group calculation's order).
struct BacktestInput {
    std::vector<std::uint64_t> held; // per draw in IDX order: bit e set when the draw holds element e (m <= 64)
    std::vector<int> yearSlot;       // per draw: its zodiac year, numbered 0, 1, ... along the history
    int elements = 0;                // m
    int groupSize = 1;               // k
    int firstDecision = 0;           // draw index of the first decision; the last is the draw before the latest
    int pick = 10;
    std::uint64_t seed = 1;
    bool sharedRate = false;    // a group's rate depends only on how many values it holds (numbers)
    bool yearDependent = false; // a group's rate changes with the zodiac year
    bool exclusive = false;     // two different groups never hit one draw together (one value at one position)
    // The chance that a draw of a zodiac year hits a group given by its elements; asked also for the union of
    // two groups, which a draw hits exactly when it hits both. Called from several threads.
    std::function<double(std::uint64_t elements, int yearSlot)> rate;
};

// Walks the decisions (each draw updates the gap state of the groups it hits once), picks and counts as
// BacktestRequest describes, on `threads` threads with the same result for any count; each decision is a step
// of `progress`, which may cancel. Issues are left for the caller to fill in.
BacktestResult walkBacktest(const BacktestInput& input, int threads, const Progress& progress = {});

} // namespace quorvel
