// SPDX-License-Identifier: MIT
#include "app/choices/CombinationBoxLayout.h"

#include "model/KindCodes.h"
#include "model/NumberTables.h"
#include "model/ValueNames.h"

#include <functional>
#include <optional>

namespace quorvel {

namespace {

template <typename Names> std::optional<std::string> nameAt(const Names& names, int index) {
    if (index < 0 || index >= static_cast<int>(names.size())) return std::nullopt;
    return std::string(names[static_cast<std::size_t>(index)]);
}

std::optional<std::string> caption(AttributeKind kind, const ParameterBases& bases, int box,
                                   std::string_view language) {
    switch (kind) {
    case AttributeKind::Zodiac: return nameAt(valueNames(kind, language), box - bases.zodiac);
    case AttributeKind::Colour: return nameAt(valueNames(kind, language), box - bases.colour);
    case AttributeKind::Parity: return nameAt(valueNames(kind, language), box - 1);
    case AttributeKind::Head:
    case AttributeKind::Tail: return std::to_string(box - 1);
    default: return isWorkedOutKind(kind) ? nameAt(valueNames(kind, language), box - 1) : std::to_string(box);
    }
}

// The name and the numbers 1..49 of which `belongs` holds, as two digits each.
std::string tipOf(std::string_view name, const std::function<bool(int)>& belongs) {
    std::string tip(name);
    for (int n = 1; n <= 49; ++n)
        if (belongs(n)) tip += (n < 10 ? " 0" : " ") + std::to_string(n);
    return tip;
}

} // namespace

std::array<std::string, kCombinationBoxCount> combinationBoxTips(AttributeKind kind, const ParameterBases& bases,
                                                                 int zodiacYear, std::string_view language) {
    std::array<std::string, kCombinationBoxCount> tips;
    for (int box = 1; box <= kindInfo(kind).boxCount; ++box) {
        std::string& tip = tips[static_cast<std::size_t>(box - 1)];
        if (kind == AttributeKind::Zodiac) {
            const int sign = box - bases.zodiac;
            if (auto name = nameAt(valueNames(kind, language), sign))
                tip = tipOf(*name, [&](int n) { return zodiacSignIndex(n, zodiacYear) == sign; });
        } else if (kind == AttributeKind::Colour) {
            const int colour = box - bases.colour;
            if (auto name = nameAt(valueNames(kind, language), colour))
                tip = tipOf(*name, [&](int n) { return colourIndex(n) == colour; });
        } else if (isWorkedOutKind(kind)) {
            if (auto name = nameAt(valueNames(kind, language), box - 1))
                tip = tipOf(*name, [&](int n) { return numberCode(kind, n, zodiacYear, bases) == box; });
        }
    }
    return tips;
}

CombinationBoxLayout layoutCombinationBoxes(AttributeKind kind, const ParameterBases& bases,
                                            const std::array<std::string, kCombinationBoxCount>& currentCaptions,
                                            std::string_view language) {
    CombinationBoxLayout layout{kindInfo(kind).boxCount, currentCaptions};
    for (int box = 1; box <= layout.visibleCount; ++box)
        if (auto text = caption(kind, bases, box, language)) layout.captions[static_cast<std::size_t>(box - 1)] = *text;
    return layout;
}

} // namespace quorvel
