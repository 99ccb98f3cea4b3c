// SPDX-License-Identifier: MIT
#include "analysis/GroupHitLists.h"

#include "analysis/GroupPlan.h"

#include <array>
#include <bit>
#include <numeric>

namespace quorvel {

namespace {

constexpr int kMostElements = 64;
constexpr int kMostSize = 7;

// Calls visit with the rank of every k-subset of a draw's held elements. The rank of e_0 < .. < e_{k-1} in
// the lexicographic sequence of C(m, k) is C(m, k) - 1 - sum of C(m - 1 - e_i, k - i): the combinatorial
// number system applied to the mirrored elements, whose order is the reverse.
template <typename Visit>
void forEachSubsetRank(std::uint64_t held, int k, long last, const std::vector<std::array<long, kMostSize>>& weight,
                       Visit visit) {
    std::array<int, kMostElements> elements{};
    int d = 0;
    for (; held; held &= held - 1)
        elements[static_cast<std::size_t>(d++)] = std::countr_zero(held);
    if (d < k) return;
    // positions[i]: which held element is the subset's i-th; sums[i]: the weights of positions 0..i-1.
    std::array<int, kMostSize> positions{};
    std::array<long, kMostSize + 1> sums{};
    int i = 0;
    positions[0] = 0;
    while (i >= 0) {
        if (positions[static_cast<std::size_t>(i)] > d - k + i) { // no room left at this level: go back up
            if (--i >= 0) ++positions[static_cast<std::size_t>(i)];
            continue;
        }
        const int element = elements[static_cast<std::size_t>(positions[static_cast<std::size_t>(i)])];
        sums[static_cast<std::size_t>(i + 1)] =
            sums[static_cast<std::size_t>(i)] + weight[static_cast<std::size_t>(element)][static_cast<std::size_t>(i)];
        if (i == k - 1) {
            visit(last - sums[static_cast<std::size_t>(k)]);
            ++positions[static_cast<std::size_t>(i)];
        } else {
            positions[static_cast<std::size_t>(i + 1)] = positions[static_cast<std::size_t>(i)] + 1;
            ++i;
        }
    }
}

} // namespace

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
    if (groups == 0 || m > kMostElements || k > kMostSize) {
        m_starts.pop_back();
        return;
    }
    // weight[e][i] = C(m - 1 - e, k - i): what element e adds at place i of a subset.
    std::vector<std::array<long, kMostSize>> weight(static_cast<std::size_t>(m));
    for (int e = 0; e < m; ++e)
        for (int i = 0; i < k; ++i)
            weight[static_cast<std::size_t>(e)][static_cast<std::size_t>(i)] = combinationCount(m - 1 - e, k - i);
    // The ranks in draw order, counted per combination, then placed: draws stay ascending within each list.
    std::vector<std::uint32_t> ranks;
    std::vector<int> draws;
    ranks.reserve(static_cast<std::size_t>(walkSteps(held, k)));
    draws.reserve(ranks.capacity());
    for (std::size_t d = 0; d < held.size(); ++d)
        forEachSubsetRank(held[d], k, groups - 1, weight, [&](long rank) {
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
