// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace quorvel {

// A stretch of the lexicographic sequence of the k-combinations of m elements: the combinations that begin
// with `prefix`. `first` is the position of the first of them in the whole sequence, `count` their number.
struct CombinationSlice {
    std::vector<int> prefix;
    long first = 0;
    long count = 0;
};

// Cuts the sequence into consecutive slices by the first two elements (the first one for k = 2, none for
// k = 1), so that several threads can each take slices and write their results at the slices' positions.
std::vector<CombinationSlice> sliceCombinations(int m, int k);

// Calls visit with the element indexes of every combination of a slice, in lexicographic order, and with
// the first level whose element changed since the previous combination (0 for the slice's first one), so
// that a caller can keep work done for the unchanged elements before it.
template <typename Visit> void forEachInSlice(const CombinationSlice& slice, int m, int k, Visit visit) {
    if (slice.count == 0) return;
    const int p = static_cast<int>(slice.prefix.size());
    std::vector<int> elements(slice.prefix);
    elements.resize(static_cast<std::size_t>(k));
    for (int i = p; i < k; ++i)
        elements[static_cast<std::size_t>(i)] = i == 0 ? 0 : elements[static_cast<std::size_t>(i - 1)] + 1;
    int changed = 0;
    while (true) {
        visit(static_cast<const std::vector<int>&>(elements), changed);
        int i = k - 1;
        while (i >= p && elements[static_cast<std::size_t>(i)] == m - k + i)
            --i;
        if (i < p) return;
        ++elements[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            elements[static_cast<std::size_t>(j)] = elements[static_cast<std::size_t>(j - 1)] + 1;
        changed = i;
    }
}

} // namespace quorvel
