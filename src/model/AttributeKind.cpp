// SPDX-License-Identifier: MIT
#include "model/AttributeKind.h"

#include "model/Message.h"

#include <charconv>
#include <cstdio>

namespace quorvel {

namespace {

// The worked-out kinds code their values 1.. (the order of their names) and count them in slots 1..
const std::array<KindInfo, kAllKindCount> kKinds{{
    {AttributeKind::Number, QT_TRANSLATE_NOOP("Core", "号码"), "number", 'A', "txtHisLst", true, 49, 0, "號碼"},
    {AttributeKind::Zodiac, QT_TRANSLATE_NOOP("Core", "生肖"), "zodiac", 'B', "txtHisLstSx", true, 12, 13, "生肖"},
    {AttributeKind::Head, QT_TRANSLATE_NOOP("Core", "头数"), "head", 'E', "txtHisLstTou", false, 5, 5, "頭數"},
    {AttributeKind::Tail, QT_TRANSLATE_NOOP("Core", "尾数"), "tail", 'F', "txtHisLstWei", false, 10, 10, "尾數"},
    {AttributeKind::DigitSum, QT_TRANSLATE_NOOP("Core", "合数"), "digitsum", 'G', "txtHisLstHe", true, 13, 13, "合數"},
    {AttributeKind::Segment, QT_TRANSLATE_NOOP("Core", "段数"), "segment", 'H', "txtHisLstDs", false, 7, 8, "段數"},
    {AttributeKind::Colour, QT_TRANSLATE_NOOP("Core", "波色"), "colour", 'C', "txtHisLstXw", true, 3, 4, "波色"},
    {AttributeKind::Parity, QT_TRANSLATE_NOOP("Core", "单双"), "parity", 'D', "txtHisLstDas", false, 2, 2, "單雙"},
    {AttributeKind::Size, QT_TRANSLATE_NOOP("Core", "大小"), "size", 0, "", false, 3, 4, "大小"},
    {AttributeKind::SumParity, QT_TRANSLATE_NOOP("Core", "合单双"), "sum-parity", 0, "", false, 3, 4, "合單雙"},
    {AttributeKind::TailSize, QT_TRANSLATE_NOOP("Core", "尾大小"), "tail-size", 0, "", false, 3, 4, "尾大小"},
    {AttributeKind::Domestic, QT_TRANSLATE_NOOP("Core", "家禽野兽"), "domestic", 0, "", false, 2, 3, "家禽野獸"},
    {AttributeKind::HalfWaveParity, QT_TRANSLATE_NOOP("Core", "半波单双"), "half-wave-parity", 0, "", false, 7, 8,
     "半波單雙"},
    {AttributeKind::HalfWaveSize, QT_TRANSLATE_NOOP("Core", "半波大小"), "half-wave-size", 0, "", false, 7, 8,
     "半波大小"},
}};

const std::array<KindInfo, kKindCount> kStoredKinds = [] {
    std::array<KindInfo, kKindCount> stored{};
    for (std::size_t k = 0; k < stored.size(); ++k)
        stored[k] = kKinds[k];
    return stored;
}();

} // namespace

const KindInfo& kindInfo(AttributeKind kind) { return kKinds[static_cast<int>(kind)]; }

const std::array<KindInfo, kKindCount>& allKinds() { return kStoredKinds; }

const std::array<KindInfo, kAllKindCount>& everyKind() { return kKinds; }

std::optional<AttributeKind> parseKind(std::string_view text) {
    int index = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (ec == std::errc() && end == text.data() + text.size()) {
        if (index >= 0 && index < kKindCount) return static_cast<AttributeKind>(index);
        return std::nullopt;
    }
    for (const auto& info : kKinds)
        if (text == info.chineseName || text == info.traditionalName || text == info.englishName) return info.kind;
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
