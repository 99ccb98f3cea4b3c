// SPDX-License-Identifier: MIT
#include "app/choices/CodeMeaning.h"

#include "app/choices/PositionSearchState.h"
#include "model/KindCodes.h"
#include "model/NumberTables.h"

#include <algorithm>
#include <optional>

namespace quorvel {

namespace {

// The index of a code in its kind's name table, or -1 for a kind without names.
int nameIndex(AttributeKind kind, int code, const ParameterBases& bases) {
    switch (kind) {
    case AttributeKind::Zodiac: return code - bases.zodiac;
    case AttributeKind::Colour: return code - bases.colour;
    case AttributeKind::Parity: return code;
    default: return isWorkedOutKind(kind) ? code - 1 : -1;
    }
}

std::string nameAt(AttributeKind kind, int index, std::string_view language) {
    const auto names = valueNames(kind, language);
    if (index < 0 || index >= static_cast<int>(names.size())) return {};
    return std::string(names[static_cast<std::size_t>(index)]);
}

// "红波": a colour's name as a player says it.
std::string waveName(int colour, const Wording& wording) {
    return wording.said(
        Message::core(QT_TRANSLATE_NOOP("Core", "%1 wave"), nameAt(AttributeKind::Colour, colour, wording.language)));
}

// The numbers 1..49 that `carries` accepts, as two digits joined by spaces.
template <typename Carries> std::string numbersWhere(Carries carries) {
    std::string numbers;
    for (int n = 1; n <= 49; ++n)
        if (carries(n)) numbers += (numbers.empty() ? "" : " ") + twoDigits(n);
    return numbers;
}

} // namespace

std::string codeName(AttributeKind kind, int code, const ParameterBases& bases, std::string_view language) {
    return nameAt(kind, nameIndex(kind, code, bases), language);
}

std::string codeWithName(AttributeKind kind, int code, const ParameterBases& bases, std::string_view language) {
    const std::string name = codeName(kind, code, bases, language);
    return name.empty() ? twoDigits(code) : twoDigits(code) + " " + name;
}

std::string codesWithNames(std::string_view label, AttributeKind kind, const ParameterBases& bases,
                           std::string_view language) {
    std::string named;
    std::size_t at = 0;
    while (at < label.size()) {
        const std::size_t end = std::min(label.find(' ', at), label.size());
        const std::string_view token = label.substr(at, end - at);
        if (!token.empty()) {
            const std::optional<int> code = typedNumber(token);
            named +=
                (named.empty() ? "" : " ") + (code ? codeWithName(kind, *code, bases, language) : std::string(token));
        }
        at = end + 1;
    }
    return named;
}

std::vector<std::pair<int, std::string>> namedCodes(AttributeKind kind, const ParameterBases& bases,
                                                    std::string_view language) {
    std::vector<std::pair<int, std::string>> codes;
    const int first = -nameIndex(kind, 0, bases); // the code of the first name: its base
    const auto names = valueNames(kind, language);
    for (std::size_t i = 0; i < names.size(); ++i)
        codes.emplace_back(first + static_cast<int>(i), std::string(names[i]));
    return codes;
}

std::string codeTip(AttributeKind kind, int code, int zodiacYear, const ParameterBases& bases, const Wording& wording) {
    const int index = nameIndex(kind, code, bases);
    const std::string name = nameAt(kind, index, wording.language);
    if (name.empty()) return {};
    switch (kind) {
    case AttributeKind::Zodiac:
        return wording.said(
            Message::core(QT_TRANSLATE_NOOP("Core", "%1 = %2; year %3: %4"), twoDigits(code), name, zodiacYear,
                          numbersWhere([&](int n) { return zodiacSignIndex(n, zodiacYear) == index; })));
    case AttributeKind::Colour:
        return wording.said(Message::core(QT_TRANSLATE_NOOP("Core", "%1 = %2: %3"), twoDigits(code),
                                          waveName(index, wording),
                                          numbersWhere([&](int n) { return colourIndex(n) == index; })));
    default:
        if (isWorkedOutKind(kind))
            return wording.said(
                Message::core(QT_TRANSLATE_NOOP("Core", "%1 = %2: %3"), twoDigits(code), name,
                              numbersWhere([&](int n) { return numberCode(kind, n, zodiacYear, bases) == code; })));
        return twoDigits(code) + " = " + name;
    }
}

std::string numberTip(int number, int zodiacYear, const Wording& wording) {
    return twoDigits(number) + " · " +
           nameAt(AttributeKind::Zodiac, zodiacSignIndex(number, zodiacYear), wording.language) + " · " +
           waveName(colourIndex(number), wording);
}

} // namespace quorvel
