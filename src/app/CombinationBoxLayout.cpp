// SPDX-License-Identifier: MIT
#include "app/CombinationBoxLayout.h"

#include "model/NumberTables.h"

#include <optional>

namespace quorvel {

namespace {

template <typename Names> std::optional<std::string> nameAt(const Names& names, int index) {
    if (index < 0 || index >= static_cast<int>(names.size())) return std::nullopt;
    return std::string(names[static_cast<std::size_t>(index)]);
}

std::optional<std::string> caption(AttributeKind kind, const ParameterBases& bases, int box) {
    switch (kind) {
    case AttributeKind::Zodiac: return nameAt(zodiacNames(), box - bases.zodiac);
    case AttributeKind::Colour: return nameAt(colourNames(), box - bases.colour);
    case AttributeKind::Parity: return nameAt(parityNames(), box - 1);
    case AttributeKind::Head:
    case AttributeKind::Tail: return std::to_string(box - 1);
    default: return std::to_string(box);
    }
}

} // namespace

CombinationBoxLayout layoutCombinationBoxes(AttributeKind kind, const ParameterBases& bases,
                                            const std::array<std::string, kCombinationBoxCount>& currentCaptions) {
    CombinationBoxLayout layout{kindInfo(kind).boxCount, currentCaptions};
    for (int box = 1; box <= layout.visibleCount; ++box)
        if (auto text = caption(kind, bases, box)) layout.captions[static_cast<std::size_t>(box - 1)] = *text;
    return layout;
}

} // namespace quorvel
