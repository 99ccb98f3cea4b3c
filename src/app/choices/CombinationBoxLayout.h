// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/ParameterBases.h"
#include "model/ValueNames.h"

#include <array>
#include <string>

namespace quorvel {

inline constexpr int kCombinationBoxCount = 49;

// The 49 combination boxes (Check6) laid out for one kind: boxes 1..visibleCount are shown, the rest hidden.
struct CombinationBoxLayout {
    int visibleCount = 0;
    std::array<std::string, kCombinationBoxCount> captions; // box j at index j - 1
};

// Lays the boxes out for a kind. Box j stands for code j of the kind (the value j - 1 for head, tail and
// odd/even) and reads as that value's name in `language` or its number. A box whose name index falls outside its name
// table (zodiac base 0 and box 12, colour base 0 and box 3), and every hidden box, keeps its current caption.
CombinationBoxLayout layoutCombinationBoxes(AttributeKind kind, const ParameterBases& bases,
                                            const std::array<std::string, kCombinationBoxCount>& currentCaptions,
                                            std::string_view language = kStoredNamesLanguage);

// The tip of each box, its name in `language`: for 生肖 the sign and its numbers in the given zodiac year ("鼠 07 19 31
// 43"), for 波色 the colour and its numbers; empty for the other kinds and for a box whose name index falls outside its
// table.
std::array<std::string, kCombinationBoxCount> combinationBoxTips(AttributeKind kind, const ParameterBases& bases,
                                                                 int zodiacYear,
                                                                 std::string_view language = kStoredNamesLanguage);

} // namespace quorvel
