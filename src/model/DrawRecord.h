// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/Draw.h"
#include "model/NumberOrder.h"
#include "model/ParameterBases.h"

#include <array>
#include <string>

namespace quorvel {

// The stored attributes of the number at one position (letters A, B, C, E, F, H of the field names).
struct PositionAttributes {
    int number = 0;  // A
    int zodiac = 0;  // B, with the zodiac base
    int colour = 0;  // C, with the colour base
    int head = 0;    // E
    int tail = 0;    // F
    int segment = 0; // H, with the segment base
};

// One derived row of the history: both number orders, the per-position attributes and the eight list fields.
struct DrawRecord {
    int idx = 0; // running index in issue order, 1..n; assigned by the store
    int issue = 0;
    std::array<PositionAttributes, 7> drawn;           // L1..L7
    std::array<PositionAttributes, 7> sorted;          // D1..D7 (D7 is the special number again)
    std::array<std::string, kKindCount> lists;         // list fields by kind index (txtHisLst, txtHisLstSx, ...)
    std::array<std::string, kKindCount> previousLists; // the draw before's list fields (rebuild only)

    const PositionAttributes& at(NumberOrder order, int position) const;
    Draw draw() const;
};

// Derives the row of a draw in the zodiac year of its issue with the given bases. Numbers must be 1..49.
DrawRecord deriveRecord(const Draw& draw, const ParameterBases& bases);

// Derives the row of a draw in an explicit zodiac year.
DrawRecord deriveRecord(const Draw& draw, int zodiacYear, const ParameterBases& bases);

// The value of a kind at position 1..7 in an order, read as the store's readers do: position 7 always
// reads the drawn fields, the digit sum is head + tail, parity is the number MOD 2; a worked-out kind's code comes
// from the number and the zodiac year of the issue.
int attributeValue(const DrawRecord& record, AttributeKind kind, NumberOrder order, int position);

// The text a grid shows for a value of a kind: names for zodiac, colour, parity (the code less its base) and the
// worked-out kinds (code 1 the first name), the decimal value otherwise. A code outside its name table shows as its
// decimal value.
std::string valueText(AttributeKind kind, int value, const ParameterBases& bases);

} // namespace quorvel
