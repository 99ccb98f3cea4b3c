// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/Selection.h"
#include "model/ParameterBases.h"
#include "model/ValueNames.h"

#include <vector>

namespace quorvel {

// The sets players tick most, built in and read-only: for 号码 the waves, odd and even, each sign's numbers in the
// zodiac year given, each head and each tail; for 生肖 the domestic and the wild signs; for the half waves each
// colour's two halves and each side across the colours; for every kind all and none.
// Their names are said in the wording's language (its value names and catalogue).
std::vector<Selection> builtinSelections(AttributeKind kind, const ParameterBases& bases, int zodiacYear,
                                         const Wording& wording);

} // namespace quorvel
