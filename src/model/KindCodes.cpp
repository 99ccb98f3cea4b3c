// SPDX-License-Identifier: MIT
#include "model/KindCodes.h"

#include "model/NumberTables.h"

namespace quorvel {

namespace {

constexpr int kTie = 49;

// 1 small (01-24), 2 big (25-48).
int sizeCode(int n) { return n <= 24 ? 1 : 2; }

// The domestic signs: ox, horse, goat, rooster, dog, pig; the other six are wild.
bool domesticSign(int sign) { return sign == 1 || sign == 6 || sign == 7 || sign == 9 || sign == 10 || sign == 11; }

int workedOutCode(AttributeKind kind, int n, int zodiacYear) {
    if (kind == AttributeKind::Domestic) return domesticSign(zodiacSignIndex(n, zodiacYear)) ? 1 : 2;
    const int values = kindInfo(kind).boxCount;
    if (n == kTie) return values;
    const int wave = colourIndex(n); // red, blue, green: two codes each
    switch (kind) {
    case AttributeKind::Size: return sizeCode(n);
    case AttributeKind::SumParity: return digitSum(n) % 2 == 1 ? 1 : 2;
    case AttributeKind::TailSize: return tailDigit(n) <= 4 ? 1 : 2;
    case AttributeKind::HalfWaveParity: return 2 * wave + (parityValue(n) == 1 ? 1 : 2);
    case AttributeKind::HalfWaveSize: return 2 * wave + (sizeCode(n) == 2 ? 1 : 2);
    default: return -1;
    }
}

} // namespace

int numberCode(AttributeKind kind, int n, int zodiacYear, const ParameterBases& bases) {
    switch (kind) {
    case AttributeKind::Number: return n;
    case AttributeKind::Zodiac: return bases.zodiac + zodiacSignIndex(n, zodiacYear);
    case AttributeKind::Head: return headDigit(n);
    case AttributeKind::Tail: return tailDigit(n);
    case AttributeKind::DigitSum: return digitSum(n);
    case AttributeKind::Segment: return bases.segment + segmentIndex(n);
    case AttributeKind::Colour: return bases.colour + colourIndex(n);
    case AttributeKind::Parity: return parityValue(n);
    case AttributeKind::Size:
    case AttributeKind::SumParity:
    case AttributeKind::TailSize:
    case AttributeKind::Domestic:
    case AttributeKind::HalfWaveParity:
    case AttributeKind::HalfWaveSize: return workedOutCode(kind, n, zodiacYear);
    }
    return -1;
}

} // namespace quorvel
