// SPDX-License-Identifier: MIT
#include "analysis/GroupHitLists.h"

#include "analysis/CombinationRank.h"
#include "analysis/GroupPlan.h"

#include <bit>
#include <numeric>

namespace quorvel {

long GroupHitLists::walkSteps(const std::vector<std::uint64_t>& held, int k) {
    long steps = 0;
    for (std::uint64_t draw : held)
        steps += combinationCount(std::popcount(draw), k);
    return steps;
}

GroupHitLists::GroupHitLists(const std::vector<std::uint64_t>& held, int firstDraw, int m, int k) {
    const long groups = combinationCount(m, k);
    // One slot more than the lists need while they are placed: counts go two places on, so that placing a
    // draw at its list's running end leaves each slot at the start of the next list.
    m_starts.assign(static_cast<std::size_t>(groups) + 2, 0);
    if (groups == 0 || m > CombinationRank::kMostElements || k > CombinationRank::kMostSize) {
        m_starts.pop_back();
        return;
    }
    const CombinationRank ranking(m, k);
    // The ranks in draw order, counted per combination, then placed: draws stay ascending within each list.
    std::vector<std::uint32_t> ranks;
    std::vector<int> draws;
    ranks.reserve(static_cast<std::size_t>(walkSteps(held, k)));
    draws.reserve(ranks.capacity());
    for (std::size_t d = 0; d < held.size(); ++d)
        ranking.forEachSubset(held[d], [&](long rank) {
            ranks.push_back(static_cast<std::uint32_t>(rank));
            draws.push_back(firstDraw + static_cast<int>(d));
            ++m_starts[static_cast<std::size_t>(rank) + 2];
        });
    std::partial_sum(m_starts.begin(), m_starts.end(), m_starts.begin());
    m_draws.resize(draws.size());
    for (std::size_t h = 0; h < ranks.size(); ++h)
        m_draws[m_starts[static_cast<std::size_t>(ranks[h]) + 1]++] = draws[h];
    m_starts.pop_back();
}

} // namespace quorvel
