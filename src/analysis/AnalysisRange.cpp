// SPDX-License-Identifier: MIT
#include "analysis/AnalysisRange.h"

namespace quorvel {

ReferenceValues referenceValues(const DrawRecord& draw, AttributeKind kind, NumberOrder order,
                                const ParameterBases& bases) {
    ReferenceValues result;
    for (int p = 1; p <= 7; ++p) {
        int value = attributeValue(draw, kind, order, p);
        result.values[static_cast<std::size_t>(p - 1)] = value;
        result.texts[static_cast<std::size_t>(p - 1)] = valueText(kind, value, bases);
    }
    return result;
}

} // namespace quorvel
