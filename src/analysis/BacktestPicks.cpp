// SPDX-License-Identifier: MIT
#include "analysis/BacktestPicks.h"

#include <bit>

namespace quorvel {

double UnionRates::at(std::uint64_t elements, int slot) {
    const int yearSlot = m_input.yearDependent ? slot : 0;
    // Groups that share one rate are groups of numbers: a union's rate depends only on how many it holds.
    const std::uint64_t key = m_input.sharedRate ? (std::uint64_t{1} << std::popcount(elements)) - 1 : elements;
    auto [at, added] = m_known.try_emplace({key, yearSlot}, 0.0);
    if (added) at->second = m_input.rate(elements, yearSlot);
    return at->second;
}

PickFigures pickFigures(const std::vector<std::pair<std::uint64_t, double>>& picks, std::uint64_t next, int slot,
                        bool exclusive, UnionRates& unions) {
    PickFigures figures;
    for (std::size_t i = 0; i < picks.size(); ++i) {
        const auto [elements, p] = picks[i];
        figures.hits += (next & elements) == elements;
        figures.expected += p;
        figures.variance += p * (1 - p);
        for (std::size_t j = i + 1; j < picks.size(); ++j) {
            const double both = exclusive ? 0.0 : unions.at(elements | picks[j].first, slot);
            figures.variance += 2 * (both - p * picks[j].second);
        }
    }
    return figures;
}

} // namespace quorvel
