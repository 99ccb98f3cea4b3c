// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/Message.h"

#include <span>
#include <string>
#include <string_view>

namespace quorvel {

// The language whose names the store, the analyses, the workbooks and the --json output carry.
inline constexpr std::string_view kStoredNamesLanguage = "zh_CN";

// The names of a kind's values in a language ("zh_CN", "zh_HK", "en"), indexed by value (鼠 .. 猪, 红 蓝 绿,
// 双 单, 小 大 和 ...); empty for a kind whose values are numbers. A language without names of its own gets the stored
// ones.
std::span<const std::string_view> valueNames(AttributeKind kind, std::string_view language);

// The stored names of a kind's values: valueNames(kind, kStoredNamesLanguage).
std::span<const std::string_view> storedNames(AttributeKind kind);

// A text of values (a name, a group's content "鼠 牛", a tip "马 01 13 25") with every value's name, stored or of
// another language, in `language`; numbers and other words stay as they are.
std::string namesIn(std::string_view text, std::string_view language);

// How a front end says the core's words: its catalogue for captions, its language for the values' names.
struct Wording {
    std::string language{kStoredNamesLanguage};
    Message::Translate translate; // empty: every caption as written

    std::string said(const Message& message) const;
    std::string names(std::string_view text) const { return namesIn(text, language); }
};

} // namespace quorvel
