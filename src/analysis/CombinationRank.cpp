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

} // namespace quorvel
