// SPDX-License-Identifier: MIT
#include "model/DrawRecord.h"

#include "model/KindCodes.h"
#include "model/NumberTables.h"
#include "model/ValueNames.h"

#include <algorithm>
#include <stdexcept>

namespace quorvel {

namespace {

PositionAttributes attributesOf(int n, int zodiacYear, const ParameterBases& bases) {
    return PositionAttributes{
        .number = n,
        .zodiac = bases.zodiac + zodiacSignIndex(n, zodiacYear),
        .colour = bases.colour + colourIndex(n),
        .head = headDigit(n),
        .tail = tailDigit(n),
        .segment = bases.segment + segmentIndex(n),
    };
}

int kindValue(const PositionAttributes& a, AttributeKind kind) {
    switch (kind) {
    case AttributeKind::Number: return a.number;
    case AttributeKind::Zodiac: return a.zodiac;
    case AttributeKind::Head: return a.head;
    case AttributeKind::Tail: return a.tail;
    case AttributeKind::DigitSum: return a.head + a.tail;
    case AttributeKind::Segment: return a.segment;
    case AttributeKind::Colour: return a.colour;
    case AttributeKind::Parity: return a.number % 2;
    default: return 0; // the worked-out kinds need the draw's zodiac year: attributeValue
    }
}

// List items: the six sorted regular numbers, then the special number; each item carries how often its
// value has occurred so far in the draw, so a pattern can ask for "at least m times".
std::string kindList(const DrawRecord& record, AttributeKind kind) {
    std::string list;
    std::array<int, 64> seen{};
    for (int p = 1; p <= 7; ++p) {
        int value = kindValue(record.sorted[static_cast<std::size_t>(p - 1)], kind);
        int occurrence = ++seen[static_cast<std::size_t>(value)];
        list += std::to_string(occurrence) + "X" + formatCode(kind, value) + " ";
    }
    return list;
}

} // namespace

const PositionAttributes& DrawRecord::at(NumberOrder order, int position) const {
    const auto& fields = order == NumberOrder::Drawn || position == 7 ? drawn : sorted;
    return fields.at(static_cast<std::size_t>(position - 1));
}

Draw DrawRecord::draw() const {
    Draw result{issue, {}};
    for (std::size_t p = 0; p < 7; ++p)
        result.numbers[p] = drawn[p].number;
    return result;
}

DrawRecord deriveRecord(const Draw& draw, const ParameterBases& bases) {
    return deriveRecord(draw, zodiacYearOfIssue(draw.issue), bases);
}

DrawRecord deriveRecord(const Draw& draw, int zodiacYear, const ParameterBases& bases) {
    for (int n : draw.numbers)
        if (n < 1 || n > 49) throw std::invalid_argument("number " + std::to_string(n) + " is outside 1..49");

    std::array<int, 7> sortedNumbers = draw.numbers;
    std::sort(sortedNumbers.begin(), sortedNumbers.begin() + 6);

    DrawRecord record;
    record.issue = draw.issue;
    for (std::size_t p = 0; p < 7; ++p) {
        record.drawn[p] = attributesOf(draw.numbers[p], zodiacYear, bases);
        record.sorted[p] = attributesOf(sortedNumbers[p], zodiacYear, bases);
    }
    for (int n : draw.numbers)
        record.lists[0] += twoDigits(n) + " ";
    for (const auto& info : allKinds())
        if (info.kind != AttributeKind::Number)
            record.lists[static_cast<std::size_t>(info.kind)] = kindList(record, info.kind);
    return record;
}

int attributeValue(const DrawRecord& record, AttributeKind kind, NumberOrder order, int position) {
    if (isWorkedOutKind(kind)) {
        const int n = record.at(order, position).number;
        return n >= 1 && n <= 49 ? numberCode(kind, n, zodiacYearOfIssue(record.issue), {}) : 0;
    }
    return kindValue(record.at(order, position), kind);
}

std::string valueText(AttributeKind kind, int value, const ParameterBases& bases) {
    auto named = [value](const auto& names, int index) {
        if (index < 0 || index >= static_cast<int>(names.size())) return std::to_string(value);
        return std::string(names[static_cast<std::size_t>(index)]);
    };
    switch (kind) {
    case AttributeKind::Zodiac: return named(storedNames(kind), value - bases.zodiac);
    case AttributeKind::Colour: return named(storedNames(kind), value - bases.colour);
    case AttributeKind::Parity: return named(storedNames(kind), value);
    default: return isWorkedOutKind(kind) ? named(storedNames(kind), value - 1) : std::to_string(value);
    }
}

} // namespace quorvel
