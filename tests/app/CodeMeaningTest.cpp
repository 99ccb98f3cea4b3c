// SPDX-License-Identifier: MIT
#include "app/choices/CodeMeaning.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvel {

// What a code says in the tip of its value box and beside it, per kind, base and language. The catalogue is
// stood in for by the two templates' Chinese wording, so the test reads what a player reads.
TEST(CodeMeaningTest, ACodeSaysItsNameAndTheNumbersThatCarryIt) {
    const std::map<std::pair<std::string, std::string>, std::string> catalogue{
        {{"zh_CN", "%1 = %2; year %3: %4"}, "%1 = %2；%3年: %4"},
        {{"zh_HK", "%1 = %2; year %3: %4"}, "%1 = %2；%3年：%4"},
        {{"zh_CN", "%1 = %2: %3"}, "%1 = %2: %3"},
        {{"zh_HK", "%1 = %2: %3"}, "%1 = %2：%3"},
        {{"zh_CN", "%1 wave"}, "%1波"},
        {{"zh_HK", "%1 wave"}, "%1波"},
    };
    auto wording = [&](const std::string& language) {
        return Wording{language, [&catalogue, language](const std::string&, const std::string& text) {
                           const auto found = catalogue.find({language, text});
                           return found == catalogue.end() ? text : found->second;
                       }};
    };
    const ParameterBases one{};
    const ParameterBases zero{0, 0, 0};
    struct Case {
        AttributeKind kind;
        int code;
        int zodiacYear;
        ParameterBases bases;
        std::string language;
        std::string tip;
        std::string beside;
    } cases[] = {
        {AttributeKind::Zodiac, 5, 2026, one, "zh_CN", "05 = 龙；2026年: 03 15 27 39", "05 龙"},
        {AttributeKind::Zodiac, 5, 2026, one, "zh_HK", "05 = 龍；2026年：03 15 27 39", "05 龍"},
        {AttributeKind::Zodiac, 4, 2025, zero, "zh_CN", "04 = 龙；2025年: 02 14 26 38", "04 龙"},
        {AttributeKind::Zodiac, 7, 2026, one, "zh_HK", "07 = 馬；2026年：01 13 25 37 49", "07 馬"},
        {AttributeKind::Zodiac, 13, 2026, one, "zh_CN", "", "13"},
        {AttributeKind::Colour, 2, 2026, one, "zh_HK", "02 = 藍波：03 04 09 10 14 15 20 25 26 31 36 37 41 42 47 48",
         "02 藍"},
        {AttributeKind::Colour, 2, 2026, zero, "zh_CN", "02 = 绿波: 05 06 11 16 17 21 22 27 28 32 33 38 39 43 44 49",
         "02 绿"},
        {AttributeKind::Parity, 1, 2026, one, "zh_CN", "01 = 单", "01 单"},
        {AttributeKind::Parity, 0, 2026, one, "zh_HK", "00 = 雙", "00 雙"},
        {AttributeKind::Tail, 5, 2026, one, "zh_CN", "", "05"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codeTip(c.kind, c.code, c.zodiacYear, c.bases, wording(c.language)), c.tip) << c.tip;
        EXPECT_EQ(codeWithName(c.kind, c.code, c.bases, c.language), c.beside) << c.beside;
    }
    EXPECT_EQ(numberTip(7, 2026, wording("zh_CN")), "07 · 鼠 · 红波");
    EXPECT_EQ(numberTip(7, 2025, wording("zh_HK")), "07 · 豬 · 紅波");
    const auto menu = namedCodes(AttributeKind::Zodiac, one, "zh_HK");
    ASSERT_EQ(menu.size(), 12U);
    EXPECT_EQ(menu[4], (std::pair<int, std::string>{5, "龍"}));
    EXPECT_EQ(namedCodes(AttributeKind::Parity, one, "zh_CN").front(), (std::pair<int, std::string>{0, "双"}));
}

} // namespace quorvel
