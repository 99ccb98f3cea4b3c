// SPDX-License-Identifier: MIT
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

namespace quorvel {

// The text output says its captions and the values' names in the language; --json is the same in every language.
TEST(PrintedWords, TextInTheLanguageJsonTheSame) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", test::kSixDraws2013).string()}).code, 0);
    const std::vector<std::string> table{"table", "--kind", "zodiac"};
    const std::vector<std::string> trend{"trend", "--kind", "colour"};
    const std::vector<std::string> group{"group", "--kind", "parity", "--size", "2", "--boxes", "1,2"};
    const std::vector<std::string> search{"search", "--kind", "parity", "--ref", "2013024", "--positions", "1,7"};
    const struct {
        const char* language;
        std::vector<std::string> arguments;
        std::vector<std::string> said; // each in the output
    } cases[] = {
        {"zh_CN", table, {"生肖", "出现次数", "龙", "马"}},
        {"zh_HK", table, {"生肖", "出現次數", "龍", "馬", "雞", "豬"}},
        {"en", table, {"Dragon", "Horse", "Rooster", "Pig"}},
        {"zh_HK", trend, {"期數", "[紅]", "藍", "綠", "平均遺漏值", "最大連出值"}},
        {"en", trend, {"[red]", "blue", "green"}},
        {"zh_HK", group, {"號碼（分組）", "雙 單"}},
        {"en", group, {"even odd"}},
        {"zh_HK", search, {"期數", "單"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments[0] + " in " + c.language);
        const auto text = cli.run(c.arguments, c.language);
        ASSERT_EQ(text.code, 0) << text.err;
        for (const std::string& said : c.said)
            EXPECT_NE(text.out.find(said), std::string::npos) << said << " not in:\n" << text.out;
        std::vector<std::string> json = c.arguments;
        json.push_back("--json");
        EXPECT_EQ(cli.run(json, c.language).out, cli.run(json, "zh_CN").out);
    }
}

} // namespace quorvel
