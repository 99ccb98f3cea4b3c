// SPDX-License-Identifier: MIT
#include "model/ValueNames.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace quorvel {

namespace {

// One row per kind and language; a kind with names of its own adds one row for each language.
struct NameRow {
    AttributeKind kind;
    std::string_view language;
    std::span<const std::string_view> names;
};

constexpr std::string_view kZodiacCn[]{"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::string_view kZodiacHk[]{"鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"};
constexpr std::string_view kZodiacEn[]{"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                                       "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};
constexpr std::string_view kColourCn[]{"红", "蓝", "绿"};
constexpr std::string_view kColourHk[]{"紅", "藍", "綠"};
constexpr std::string_view kColourEn[]{"red", "blue", "green"};
constexpr std::string_view kParityCn[]{"双", "单"};
constexpr std::string_view kParityHk[]{"雙", "單"};
constexpr std::string_view kParityEn[]{"even", "odd"};
constexpr std::string_view kSizeCn[]{"小", "大", "和"};
constexpr std::string_view kSizeEn[]{"small", "big", "tie"};
constexpr std::string_view kSumParityCn[]{"合单", "合双", "和"};
constexpr std::string_view kSumParityHk[]{"合單", "合雙", "和"};
constexpr std::string_view kSumParityEn[]{"sum-odd", "sum-even", "tie"};
constexpr std::string_view kTailSizeCn[]{"尾小", "尾大", "和"};
constexpr std::string_view kTailSizeEn[]{"tail-small", "tail-big", "tie"};
constexpr std::string_view kDomesticCn[]{"家禽", "野兽"};
constexpr std::string_view kDomesticHk[]{"家禽", "野獸"};
constexpr std::string_view kDomesticEn[]{"domestic", "wild"};
constexpr std::string_view kHalfParityCn[]{"红单", "红双", "蓝单", "蓝双", "绿单", "绿双", "和"};
constexpr std::string_view kHalfParityHk[]{"紅單", "紅雙", "藍單", "藍雙", "綠單", "綠雙", "和"};
constexpr std::string_view kHalfParityEn[]{"red-odd",   "red-even",   "blue-odd", "blue-even",
                                           "green-odd", "green-even", "tie"};
constexpr std::string_view kHalfSizeCn[]{"红大", "红小", "蓝大", "蓝小", "绿大", "绿小", "和"};
constexpr std::string_view kHalfSizeHk[]{"紅大", "紅小", "藍大", "藍小", "綠大", "綠小", "和"};
constexpr std::string_view kHalfSizeEn[]{"red-big",   "red-small",   "blue-big", "blue-small",
                                         "green-big", "green-small", "tie"};

constexpr NameRow kRows[]{
    {AttributeKind::Zodiac, "zh_CN", kZodiacCn},
    {AttributeKind::Zodiac, "zh_HK", kZodiacHk},
    {AttributeKind::Zodiac, "en", kZodiacEn},
    {AttributeKind::Colour, "zh_CN", kColourCn},
    {AttributeKind::Colour, "zh_HK", kColourHk},
    {AttributeKind::Colour, "en", kColourEn},
    {AttributeKind::Parity, "zh_CN", kParityCn},
    {AttributeKind::Parity, "zh_HK", kParityHk},
    {AttributeKind::Parity, "en", kParityEn},
    {AttributeKind::Size, "zh_CN", kSizeCn},
    {AttributeKind::Size, "zh_HK", kSizeCn},
    {AttributeKind::Size, "en", kSizeEn},
    {AttributeKind::SumParity, "zh_CN", kSumParityCn},
    {AttributeKind::SumParity, "zh_HK", kSumParityHk},
    {AttributeKind::SumParity, "en", kSumParityEn},
    {AttributeKind::TailSize, "zh_CN", kTailSizeCn},
    {AttributeKind::TailSize, "zh_HK", kTailSizeCn},
    {AttributeKind::TailSize, "en", kTailSizeEn},
    {AttributeKind::Domestic, "zh_CN", kDomesticCn},
    {AttributeKind::Domestic, "zh_HK", kDomesticHk},
    {AttributeKind::Domestic, "en", kDomesticEn},
    {AttributeKind::HalfWaveParity, "zh_CN", kHalfParityCn},
    {AttributeKind::HalfWaveParity, "zh_HK", kHalfParityHk},
    {AttributeKind::HalfWaveParity, "en", kHalfParityEn},
    {AttributeKind::HalfWaveSize, "zh_CN", kHalfSizeCn},
    {AttributeKind::HalfWaveSize, "zh_HK", kHalfSizeHk},
    {AttributeKind::HalfWaveSize, "en", kHalfSizeEn},
};

const NameRow* rowOf(AttributeKind kind, std::string_view language) {
    const auto* found = std::find_if(std::begin(kRows), std::end(kRows),
                                     [&](const NameRow& row) { return row.kind == kind && row.language == language; });
    return found == std::end(kRows) ? nullptr : found;
}

// The name in `language` of a value's name in any language, or nullopt when the token names no value.
std::optional<std::string_view> translatedName(std::string_view token, std::string_view language) {
    for (const NameRow& row : kRows) {
        const auto found = std::find(row.names.begin(), row.names.end(), token);
        if (found == row.names.end()) continue;
        const auto index = static_cast<std::size_t>(found - row.names.begin());
        const std::span<const std::string_view> names = valueNames(row.kind, language);
        return index < names.size() ? names[index] : token;
    }
    return std::nullopt;
}

bool separatorAt(std::string_view text, std::size_t at, std::size_t& length) {
    for (std::string_view separator : {" ", ",", "、", "，"})
        if (text.substr(at, separator.size()) == separator) {
            length = separator.size();
            return true;
        }
    return false;
}

} // namespace

std::span<const std::string_view> valueNames(AttributeKind kind, std::string_view language) {
    if (const NameRow* row = rowOf(kind, language)) return row->names;
    if (const NameRow* row = rowOf(kind, kStoredNamesLanguage)) return row->names;
    return {};
}

std::span<const std::string_view> storedNames(AttributeKind kind) { return valueNames(kind, kStoredNamesLanguage); }

std::string namesIn(std::string_view text, std::string_view language) {
    // Numbers and separators alone name no value: the most common texts (numbers' groups) pass without a look-up.
    const bool named = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || std::isalpha(byte);
    });
    if (!named) return std::string(text);
    std::string result;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t length = 0;
        if (separatorAt(text, at, length)) {
            result += text.substr(at, length);
            at += length;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !separatorAt(text, end, length))
            ++end;
        const std::string_view token = text.substr(at, end - at);
        result += translatedName(token, language).value_or(token);
        at = end;
    }
    return result;
}

std::string Wording::said(const Message& message) const { return message.rendered(translate); }

} // namespace quorvel
