// SPDX-License-Identifier: MIT
#include "analysis/CombinationSlices.h"

#include "analysis/GroupPlan.h"

#include <algorithm>

namespace quorvel {

std::vector<CombinationSlice> sliceCombinations(int m, int k) {
    std::vector<CombinationSlice> slices;
    if (k < 1 || k > m) return slices;
    const int p = std::min(k - 1, 2);
    if (p == 0) return {CombinationSlice{{}, 0, m}};
    long first = 0;
    // A prefix leaves room for the k - p elements after it exactly when its elements stay below m - (k - p).
    forEachCombination(m - (k - p), p, [&](const std::vector<int>& prefix) {
        const long count = combinationCount(m - 1 - prefix.back(), k - p);
        slices.push_back(CombinationSlice{prefix, first, count});
        first += count;
    });
    return slices;
}

} // namespace quorvel
