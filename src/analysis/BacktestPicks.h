// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/BacktestWalk.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace quorvel {

// A small, well-mixed generator whose sequence is fixed for a seed on every platform: the backtest's random
// picks are the same on every machine.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0..bound-1 (the bias of the modulo is below 2^-40 for the bounds used here).
    long below(long bound) { return static_cast<long>(next() % static_cast<std::uint64_t>(bound)); }

  private:
    std::uint64_t m_state;
};

// The rates of unions of two groups already asked for, per task.
class UnionRates {
  public:
    explicit UnionRates(const BacktestInput& input) : m_input(input) {}
    double at(std::uint64_t elements, int slot);

  private:
    const BacktestInput& m_input;
    std::map<std::pair<std::uint64_t, int>, double> m_known;
};

// Hits, expected hits and the exact variance of the number of hits of one decision's picks.
struct PickFigures {
    long hits = 0;
    double expected = 0;
    double variance = 0;
};

// The figures of picks given by their elements and hit rates, against the next draw's elements; `exclusive`
// when two different groups never hit one draw together.
PickFigures pickFigures(const std::vector<std::pair<std::uint64_t, double>>& picks, std::uint64_t next, int slot,
                        bool exclusive, UnionRates& unions);

} // namespace quorvel
