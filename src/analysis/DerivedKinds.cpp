// SPDX-License-Identifier: MIT
#include "analysis/DerivedKinds.h"

namespace quorvel {

std::array<KindItem, 7> derivedKindItems(const DrawRecord& record, AttributeKind kind) {
    std::array<KindItem, 7> items;
    std::array<int, 16> seen{};
    for (int p = 1; p <= 7; ++p) {
        // Sorted position 7 reads the special number.
        const int code = attributeValue(record, kind, NumberOrder::Sorted, p);
        const int occurrence =
            code >= 0 && code < static_cast<int>(seen.size()) ? ++seen[static_cast<std::size_t>(code)] : 0;
        items[static_cast<std::size_t>(p - 1)] = KindItem{occurrence, code};
    }
    return items;
}

} // namespace quorvel
