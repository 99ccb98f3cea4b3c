// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace quorvel {

// The place of a k-combination of m elements (m <= 64, k <= 7) in their lexicographic sequence, both ways.
// The rank of e_0 < .. < e_{k-1} is C(m, k) - 1 - sum of C(m - 1 - e_i, k - i): the combinatorial number
// system applied to the mirrored elements, whose order is the reverse.
class CombinationRank {
  public:
    static constexpr int kMostElements = 64;
    static constexpr int kMostSize = 7;

    CombinationRank(int m, int k);

    long count() const { return m_last + 1; }

    // Calls visit with the rank of every k-subset of the elements set in `held`, in lexicographic order.
    template <typename Visit> void forEachSubset(std::uint64_t held, Visit visit) const {
        std::array<int, kMostElements> elements{};
        int d = 0;
        for (; held; held &= held - 1)
            elements[static_cast<std::size_t>(d++)] = std::countr_zero(held);
        if (d < m_k) return;
        // positions[i]: which held element is the subset's i-th; sums[i]: the weights of positions 0..i-1.
        std::array<int, kMostSize> positions{};
        std::array<long, kMostSize + 1> sums{};
        int i = 0;
        while (i >= 0) {
            if (positions[static_cast<std::size_t>(i)] > d - m_k + i) { // no room left at this level: go back up
                if (--i >= 0) ++positions[static_cast<std::size_t>(i)];
                continue;
            }
            const int element = elements[static_cast<std::size_t>(positions[static_cast<std::size_t>(i)])];
            sums[static_cast<std::size_t>(i + 1)] = sums[static_cast<std::size_t>(i)] + weight(element, i);
            if (i == m_k - 1) {
                visit(m_last - sums[static_cast<std::size_t>(m_k)]);
                ++positions[static_cast<std::size_t>(i)];
            } else {
                positions[static_cast<std::size_t>(i + 1)] = positions[static_cast<std::size_t>(i)] + 1;
                ++i;
            }
        }
    }

    // The elements of the combination at a rank, as bits.
    std::uint64_t elements(long rank) const;
    // The elements of the combination ranked after the one of `elements` (which is not the last).
    std::uint64_t nextElements(std::uint64_t elements) const;

  private:
    // C(m - 1 - e, k - i): what element e adds at place i of a subset.
    long weight(int element, int place) const {
        return m_weights[static_cast<std::size_t>(element) * kMostSize + static_cast<std::size_t>(place)];
    }

    int m_m;
    int m_k;
    long m_last;
    std::vector<long> m_weights;
};

} // namespace quorvel
