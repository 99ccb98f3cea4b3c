// SPDX-License-Identifier: MIT
#pragma once

#include "platform/HugePageAllocator.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvel {

// The hit draws of every k-combination of m elements, found from the draws' side: a draw hits exactly the
// combinations made of the elements it holds, so each draw's own k-subsets are ranked to their place in the
// lexicographic sequence of the combinations and the draw is listed under them. The work follows the hits
// (a draw of six values makes C(6, k) of them), not the number of combinations times the draws.
class GroupHitLists {
  public:
    // `held[d]`: bit e is set when draw `firstDraw + d` holds element e (m <= 64).
    GroupHitLists(const std::vector<std::uint64_t>& held, int firstDraw, int m, int k);

    // The draws (indexes) that hit the combination at `rank` in the lexicographic sequence, ascending.
    std::span<const int> hits(long rank) const {
        const auto at = static_cast<std::size_t>(rank);
        return {m_draws.data() + m_starts[at], m_draws.data() + m_starts[at + 1]};
    }

    // The steps the lists take to build: the k-subsets of every draw's held elements.
    static long walkSteps(const std::vector<std::uint64_t>& held, int k);

  private:
    std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>>
        m_starts; // per combination, where its draws begin in m_draws; one more at the end
    std::vector<int> m_draws;
};

} // namespace quorvel
