// SPDX-License-Identifier: MIT
#include "model/AttributeKind.h"

#include "model/Message.h"

#include <charconv>
#include <cstdio>

namespace quorvel {

namespace {

const std::array<KindInfo, kKindCount> kKinds{{
    {AttributeKind::Number, QT_TRANSLATE_NOOP("Core", "号码"), "number", 'A', "txtHisLst", true, 49, 0},
    {AttributeKind::Zodiac, QT_TRANSLATE_NOOP("Core", "生肖"), "zodiac", 'B', "txtHisLstSx", true, 12, 13},
    {AttributeKind::Head, QT_TRANSLATE_NOOP("Core", "头数"), "head", 'E', "txtHisLstTou", false, 5, 5},
    {AttributeKind::Tail, QT_TRANSLATE_NOOP("Core", "尾数"), "tail", 'F', "txtHisLstWei", false, 10, 10},
    {AttributeKind::DigitSum, QT_TRANSLATE_NOOP("Core", "合数"), "digitsum", 'G', "txtHisLstHe", true, 13, 13},
    {AttributeKind::Segment, QT_TRANSLATE_NOOP("Core", "段数"), "segment", 'H', "txtHisLstDs", false, 7, 8},
    {AttributeKind::Colour, QT_TRANSLATE_NOOP("Core", "波色"), "colour", 'C', "txtHisLstXw", true, 3, 4},
    {AttributeKind::Parity, QT_TRANSLATE_NOOP("Core", "单双"), "parity", 'D', "txtHisLstDas", false, 2, 2},
}};

} // namespace

const KindInfo& kindInfo(AttributeKind kind) { return kKinds[static_cast<int>(kind)]; }

const std::array<KindInfo, kKindCount>& allKinds() { return kKinds; }

std::optional<AttributeKind> parseKind(std::string_view text) {
    int index = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (ec == std::errc() && end == text.data() + text.size()) {
        if (index >= 0 && index < kKindCount) return static_cast<AttributeKind>(index);
        return std::nullopt;
    }
    for (const auto& info : kKinds)
        if (text == info.chineseName || text == info.englishName) return info.kind;
    return std::nullopt;
}

std::string twoDigits(int value) {
    char buffer[24];
    long magnitude = value < 0 ? -static_cast<long>(value) : value;
    std::snprintf(buffer, sizeof buffer, "%s%02ld", value < 0 ? "-" : "", magnitude);
    return buffer;
}

std::string formatCode(AttributeKind kind, int code) {
    return kindInfo(kind).twoDigitCode ? twoDigits(code) : std::to_string(code);
}

std::optional<int> counterSlot(AttributeKind kind, int code) {
    const KindInfo& info = kindInfo(kind);
    // The digit sum's counters are shifted by one: sum 1 uses slot 0.
    int slot = kind == AttributeKind::DigitSum ? code - 1 : code;
    if (info.counterSlots == 0 || slot < 0 || slot >= info.counterSlots) return std::nullopt;
    return slot;
}

} // namespace quorvel
