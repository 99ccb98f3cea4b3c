// SPDX-License-Identifier: MIT
#include "cli/CliHarness.h"
#include "platform/Language.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace quorvel {

TEST(CliLanguage, FollowsLcAllThenLcMessagesThenLang) {
    struct Case {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* language;
    };
    const Case cases[] = {
        {"", "", "zh_CN.UTF-8", "zh_CN"},
        {"", "", "zh_SG.UTF-8", "zh_CN"},
        {"", "", "zh_HK.UTF-8", "zh_HK"},
        {"", "", "zh_TW.Big5", "zh_HK"},
        {"", "", "C", "en"},
        {"", "", "", "en"},
        {"", "", "en_GB.UTF-8", "en"},
        {"", "zh_HK.UTF-8", "C", "zh_HK"},
        {"C", "zh_CN.UTF-8", "zh_CN", "en"},
        {"zh_TW", "", "C.UTF-8", "zh_HK"},
    };
    for (const Case& c : cases) {
        setenv("LC_ALL", c.lcAll, 1);
        setenv("LC_MESSAGES", c.lcMessages, 1);
        setenv("LANG", c.lang, 1);
        EXPECT_EQ(languageFromEnvironment(), c.language) << c.lcAll << "|" << c.lcMessages << "|" << c.lang;
    }
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    unsetenv("LANG");
}

TEST(CliLanguage, RefusesAndReportsAnImportInTheLanguageWithTheSameJson) {
    struct Case {
        const char* language;
        const char* refusal; // of a file that is not a .txt
        const char* report;  // of an import with a skipped line
        const char* reason;  // why that line was skipped
    };
    const Case cases[] = {
        {"en", "the history was left unchanged", "imported 1 draws, skipped 1 lines:", "fewer than seven numbers"},
        {"zh_CN", "历史号码未改动", "读入 1 期，跳过 1 行：", "号码不足七个"},
        {"zh_HK", "歷史號碼未改動", "讀入 1 期，跳過 1 行：", "號碼不足七個"},
    };
    std::string json;
    for (const Case& c : cases) {
        test::CliHarness cli;
        const auto table = cli.folder().write("history.csv", "2013017 23 05 49 12 31 08 40\n");
        const auto refused = cli.run({"import", table.string()}, c.language);
        EXPECT_EQ(refused.code, 1);
        EXPECT_NE(refused.err.find(c.refusal), std::string::npos) << refused.err;

        const auto file = cli.folder().write("in.txt", "2013017 23 05 49 12 31 08 40\n2013018 01 02\n");
        const auto imported = cli.run({"import", file.string()}, c.language);
        ASSERT_EQ(imported.code, 0) << imported.err;
        EXPECT_NE(imported.out.find(c.report), std::string::npos) << imported.out;
        EXPECT_NE(imported.out.find(c.reason), std::string::npos) << imported.out;

        // --json is the same in every language: keys, values and the English reasons.
        // (The safety copy's path names this run's own folder and time: it is left out.)
        auto again = cli.run({"import", file.string(), "--json"}, c.language).json();
        again.erase("backup");
        if (json.empty()) json = again.dump();
        EXPECT_EQ(again.dump(), json) << c.language;
        EXPECT_NE(json.find("fewer than seven numbers (found 2)"), std::string::npos) << json;
    }
}

} // namespace quorvel
