// SPDX-License-Identifier: MIT
#include "model/ValueNames.h"
#include "ScriptForms.h"

#include <gtest/gtest.h>

namespace quorvel {

// Values' names read in each language: single names, a group's content, a box's tip; kind names, numbers and
// other words stay as written, and every zh_HK / zh_CN name is of its own script.
TEST(ValueNames, TextsOfStoredNamesInEachLanguage) {
    const struct {
        const char* stored;
        const char* language;
        const char* shown;
    } cases[] = {
        {"龙", "zh_HK", "龍"},
        {"鼠 马 鸡 猪", "zh_HK", "鼠 馬 雞 豬"},
        {"红 蓝 绿", "zh_HK", "紅 藍 綠"},
        {"单、双", "zh_HK", "單、雙"},
        {"马 01 13 25 37 49", "zh_HK", "馬 01 13 25 37 49"},
        {"鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪", "en",
         "Rat Ox Tiger Rabbit Dragon Snake Horse Goat Monkey Rooster Dog Pig"},
        {"红,蓝 绿", "en", "red,blue green"},
        {"双 单", "en", "even odd"},
        {"鸡 07", "zh_CN", "鸡 07"},
        {"单双 号码 05", "zh_HK", "单双 号码 05"},
        {"猪", "fr", "猪"},
        {"馬 Rat 紅", "zh_CN", "马 鼠 红"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(namesIn(c.stored, c.language), c.shown) << c.stored << " in " << c.language;

    for (const char* language : {"zh_CN", "zh_HK"})
        for (AttributeKind kind : {AttributeKind::Zodiac, AttributeKind::Colour, AttributeKind::Parity})
            for (std::string_view name : valueNames(kind, language))
                EXPECT_TRUE(test::otherScriptIn(name, language).empty()) << name << " in " << language;
    EXPECT_TRUE(valueNames(AttributeKind::Head, "en").empty());
}

} // namespace quorvel
