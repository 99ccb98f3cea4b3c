// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The eight ways of looking at a number; the value is the kind index stored in `intLei`.
enum class AttributeKind {
    Number = 0,
    Zodiac = 1,
    Head = 2,
    Tail = 3,
    DigitSum = 4,
    Segment = 5,
    Colour = 6,
    Parity = 7
};

inline constexpr int kKindCount = 8;

// Everything the store and the analyses need to know about one kind.
struct KindInfo {
    AttributeKind kind;
    std::string_view chineseName; // 号码, 生肖, ...
    std::string_view englishName; // number, zodiac, ...
    char letter;                  // per-position field letter (G and D name no stored field)
    std::string_view listField;   // txtHisLst, txtHisLstSx, ...
    bool twoDigitCode;            // codes written as two digits in list fields and patterns
    int boxCount;                 // values offered to the group calculation
    int counterSlots;             // occurrence counter slots of a search (0: no occurrence numbers)
};

const KindInfo& kindInfo(AttributeKind kind);
const std::array<KindInfo, kKindCount>& allKinds();

// Accepts the index 0..7, the Chinese name or the English name; nullopt when none matches.
std::optional<AttributeKind> parseKind(std::string_view text);

// A number in the "00" format: at least two digits, the sign in front ("05", "49", "-05").
std::string twoDigits(int value);

// The value code as written into a list field or a pattern ("05" or "5").
std::string formatCode(AttributeKind kind, int code);

// Counter slot of a code in a search, or nullopt when the code has no slot (the condition then finds nothing).
std::optional<int> counterSlot(AttributeKind kind, int code);

} // namespace quorvel
