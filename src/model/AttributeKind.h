// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The ways of looking at a number. The first eight have stored fields and their index is the one stored in
// `intLei`; the six after them (the two-sided bets on a number and the half waves) are worked out from the
// numbers and the draw's zodiac year, and `intLeiMore` stores them as 1..6.
enum class AttributeKind {
    Number = 0,
    Zodiac = 1,
    Head = 2,
    Tail = 3,
    DigitSum = 4,
    Segment = 5,
    Colour = 6,
    Parity = 7,
    Size = 8,            // 小 大 和
    SumParity = 9,       // 合单 合双 和
    TailSize = 10,       // 尾小 尾大 和
    Domestic = 11,       // 家禽 野兽
    HalfWaveParity = 12, // 红单 红双 蓝单 蓝双 绿单 绿双 和
    HalfWaveSize = 13,   // 红大 红小 蓝大 蓝小 绿大 绿小 和
};

// The kinds with stored fields (store columns, list fields, `intLei`): the first kKindCount of every kind.
inline constexpr int kKindCount = 8;
// Every kind, the worked-out ones included.
inline constexpr int kAllKindCount = 14;

// True for a kind worked out from the numbers rather than read from stored fields.
constexpr bool isWorkedOutKind(AttributeKind kind) { return static_cast<int>(kind) >= kKindCount; }

// Everything the store and the analyses need to know about one kind.
struct KindInfo {
    AttributeKind kind;
    std::string_view chineseName;     // 号码, 生肖, ...
    std::string_view englishName;     // number, zodiac, ...
    char letter;                      // per-position field letter (G and D name no stored field; 0: worked out)
    std::string_view listField;       // txtHisLst, txtHisLstSx, ... (empty: worked out)
    bool twoDigitCode;                // codes written as two digits in list fields and patterns
    int boxCount;                     // values offered to the group calculation
    int counterSlots;                 // occurrence counter slots of a search (0: no occurrence numbers)
    std::string_view traditionalName; // 號碼, 生肖, ... as the Chinese name is written in Traditional script
};

const KindInfo& kindInfo(AttributeKind kind);
// The kinds with stored fields.
const std::array<KindInfo, kKindCount>& allKinds();
// Every kind, the stored ones first.
const std::array<KindInfo, kAllKindCount>& everyKind();

// Accepts the index 0..7, the Chinese name in either script or the English name; nullopt when none matches.
std::optional<AttributeKind> parseKind(std::string_view text);

// A number in the "00" format: at least two digits, the sign in front ("05", "49", "-05").
std::string twoDigits(int value);

// The value code as written into a list field or a pattern ("05" or "5").
std::string formatCode(AttributeKind kind, int code);

// Counter slot of a code in a search, or nullopt when the code has no slot (the condition then finds nothing).
std::optional<int> counterSlot(AttributeKind kind, int code);

} // namespace quorvel
