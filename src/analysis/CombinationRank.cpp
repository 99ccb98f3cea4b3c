// SPDX-License-Identifier: MIT
#include "analysis/CombinationRank.h"

#include "analysis/GroupPlan.h"

namespace quorvel {

CombinationRank::CombinationRank(int m, int k)
    : m_m(m), m_k(k), m_last(combinationCount(m, k) - 1),
      m_weights(static_cast<std::size_t>(m > 0 ? m : 0) * kMostSize, 0) {
    for (int e = 0; e < m; ++e)
        for (int i = 0; i < k && i < kMostSize; ++i)
            m_weights[static_cast<std::size_t>(e) * kMostSize + static_cast<std::size_t>(i)] =
                combinationCount(m - 1 - e, k - i);
}

std::uint64_t CombinationRank::elements(long rank) const {
    // Mirrored, the rank counts down: take at each place the first element whose weight still fits.
    long rest = m_last - rank;
    std::uint64_t bits = 0;
    int e = 0;
    for (int i = 0; i < m_k; ++i) {
        while (e < m_m && weight(e, i) > rest)
            ++e;
        rest -= weight(e, i);
        bits |= std::uint64_t{1} << e;
        ++e;
    }
    return bits;
}

std::uint64_t CombinationRank::nextElements(std::uint64_t elements) const {
    // The elements packed against the top (m - 1, m - 2, ..) cannot move; the highest one below them moves up one
    // and they follow it closely.
    int packed = 0;
    while (packed < m_k && (elements >> (m_m - 1 - packed) & 1))
        ++packed;
    std::uint64_t rest = packed ? elements & ~(~std::uint64_t{0} << (m_m - packed)) : elements;
    const int moving = 63 - std::countl_zero(rest);
    rest &= ~(std::uint64_t{1} << moving);
    return rest | (((std::uint64_t{1} << (packed + 1)) - 1) << (moving + 1));
}

} // namespace quorvel
