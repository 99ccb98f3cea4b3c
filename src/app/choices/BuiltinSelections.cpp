// SPDX-License-Identifier: MIT
#include "app/choices/BuiltinSelections.h"

#include "model/NumberTables.h"

#include <array>
#include <functional>

namespace quorvel {

namespace {

// What a kind's rows are computed from.
struct SetContext {
    const ParameterBases& bases;
    int zodiacYear;
    const Wording& wording;

    // The name of a value (a colour, a sign, odd or even) in the wording's language.
    std::string name(AttributeKind kind, int index) const {
        return std::string(valueNames(kind, wording.language)[static_cast<std::size_t>(index)]);
    }
};

using AddSets = std::function<void(const SetContext&, std::vector<Selection>&)>;

// The numbers 1..49 of which `belongs` holds, as boxes of 号码.
std::vector<int> numbersWhere(const std::function<bool(int)>& belongs) {
    std::vector<int> boxes;
    for (int n = 1; n <= 49; ++n)
        if (belongs(n)) boxes.push_back(n);
    return boxes;
}

void numberSets(const SetContext& context, std::vector<Selection>& sets) {
    const Wording& wording = context.wording;
    auto add = [&](const Message& name, std::vector<int> boxes) {
        sets.push_back({wording.said(name), AttributeKind::Number, std::move(boxes), true});
    };
    for (int colour = 0; colour < 3; ++colour)
        add(Message::core(QT_TRANSLATE_NOOP("Core", "%1 wave"), context.name(AttributeKind::Colour, colour)),
            numbersWhere([&](int n) { return colourIndex(n) == colour; }));
    for (int parity : {1, 0})
        add(Message::verbatim(context.name(AttributeKind::Parity, parity)),
            numbersWhere([&](int n) { return parityValue(n) == parity; }));
    for (int sign = 0; sign < 12; ++sign)
        add(Message::core(QT_TRANSLATE_NOOP("Core", "%1 numbers"), context.name(AttributeKind::Zodiac, sign)),
            numbersWhere([&](int n) { return zodiacSignIndex(n, context.zodiacYear) == sign; }));
    for (int head = 0; head <= 4; ++head)
        add(Message::core(QT_TRANSLATE_NOOP("Core", "head %1"), head),
            numbersWhere([&](int n) { return headDigit(n) == head; }));
    for (int tail = 0; tail <= 9; ++tail)
        add(Message::core(QT_TRANSLATE_NOOP("Core", "tail %1"), tail),
            numbersWhere([&](int n) { return tailDigit(n) == tail; }));
}

void zodiacSets(const SetContext& context, std::vector<Selection>& sets) {
    // Box j is code j, the sign j - base; a sign without a box (鼠 under base 0) is left out.
    auto boxesOf = [&](std::initializer_list<int> signs) {
        std::vector<int> boxes;
        for (int sign : signs) {
            const int box = sign + context.bases.zodiac;
            if (box >= 1 && box <= kindInfo(AttributeKind::Zodiac).boxCount) boxes.push_back(box);
        }
        return boxes;
    };
    const Wording& wording = context.wording;
    sets.push_back({wording.said(Message::core(QT_TRANSLATE_NOOP("Core", "domestic animals"))), AttributeKind::Zodiac,
                    boxesOf({1, 6, 7, 9, 10, 11}), true});
    sets.push_back({wording.said(Message::core(QT_TRANSLATE_NOOP("Core", "wild animals"))), AttributeKind::Zodiac,
                    boxesOf({0, 2, 3, 4, 5, 8}), true});
}

// The half waves of one colour ("红波": 红单 and 红双) and of one side across the colours ("单": 红单, 蓝单, 绿单).
// Boxes 2w+1 and 2w+2 are the two sides of colour w; `sides` names the sides in box order (单 双, or 大 小).
void halfWaveSets(const SetContext& context, AttributeKind kind, AttributeKind sideKind, std::array<int, 2> sides,
                  std::vector<Selection>& sets) {
    const Wording& wording = context.wording;
    for (int colour = 0; colour < 3; ++colour)
        sets.push_back({wording.said(Message::core(QT_TRANSLATE_NOOP("Core", "%1 wave"),
                                                   context.name(AttributeKind::Colour, colour))),
                        kind,
                        {2 * colour + 1, 2 * colour + 2},
                        true});
    for (int side = 0; side < 2; ++side)
        sets.push_back({context.name(sideKind, sides[static_cast<std::size_t>(side)]),
                        kind,
                        {side + 1, side + 3, side + 5},
                        true});
}

void halfWaveParitySets(const SetContext& context, std::vector<Selection>& sets) {
    halfWaveSets(context, AttributeKind::HalfWaveParity, AttributeKind::Parity, {1, 0}, sets);
}

void halfWaveSizeSets(const SetContext& context, std::vector<Selection>& sets) {
    halfWaveSets(context, AttributeKind::HalfWaveSize, AttributeKind::Size, {1, 0}, sets);
}

// The rows of the kinds with sets of their own; a kind added later adds its row here.
struct KindSets {
    AttributeKind kind;
    AddSets add;
};

const std::vector<KindSets>& kindSets() {
    static const std::vector<KindSets> rows{{AttributeKind::Number, numberSets},
                                            {AttributeKind::Zodiac, zodiacSets},
                                            {AttributeKind::HalfWaveParity, halfWaveParitySets},
                                            {AttributeKind::HalfWaveSize, halfWaveSizeSets}};
    return rows;
}

} // namespace

std::vector<Selection> builtinSelections(AttributeKind kind, const ParameterBases& bases, int zodiacYear,
                                         const Wording& wording) {
    const SetContext context{bases, zodiacYear, wording};
    std::vector<Selection> sets;
    for (const KindSets& row : kindSets())
        if (row.kind == kind) row.add(context, sets);
    std::vector<int> all;
    for (int box = 1; box <= kindInfo(kind).boxCount; ++box)
        all.push_back(box);
    sets.push_back({wording.said(Message::core(QT_TRANSLATE_NOOP("Core", "all values"))), kind, std::move(all), true});
    sets.push_back({wording.said(Message::core(QT_TRANSLATE_NOOP("Core", "no value"))), kind, {}, true});
    return sets;
}

} // namespace quorvel
