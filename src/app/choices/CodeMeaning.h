// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/ParameterBases.h"
#include "model/ValueNames.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

// What a code of a kind with names (生肖, 波色, 单双) means, for the boxes and views that show codes. The name comes
// from the per-language value-names table; the code of zodiac and colour carries its base, parity's does not.

// The name of a code in `language` ("龙" for 05 of the zodiac with base 1), or empty: a kind without names or a code
// outside its table.
std::string codeName(AttributeKind kind, int code, const ParameterBases& bases, std::string_view language);

// The code as two digits followed by its name ("05 龙"), or the two digits alone when it names nothing.
std::string codeWithName(AttributeKind kind, int code, const ParameterBases& bases, std::string_view language);

// A search's label of codes ("05 17 ") with each code's name beside it ("05 龙 17 鼠"); other words stay.
std::string codesWithNames(std::string_view label, AttributeKind kind, const ParameterBases& bases,
                           std::string_view language);

// Each name of a kind with its code, in code order (empty for a kind without names).
std::vector<std::pair<int, std::string>> namedCodes(AttributeKind kind, const ParameterBases& bases,
                                                    std::string_view language);

// The tip of a value box: the code, its name and the numbers that carry it now ("05 = 龙；2026年: 03 15 27 39" for a
// sign in the zodiac year, "01 = 红波: 01 02 …" for a colour, "01 = 单" for parity). Empty when the code names
// nothing.
std::string codeTip(AttributeKind kind, int code, int zodiacYear, const ParameterBases& bases, const Wording& wording);

// The tip of a drawn number: its sign in the draw's zodiac year and its colour ("07 · 马 · 红波").
std::string numberTip(int number, int zodiacYear, const Wording& wording);

} // namespace quorvel
