// SPDX-License-Identifier: MIT
#include "ScriptForms.h"
#include "cli/CliHarness.h"
#include "platform/Language.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace quorvel {

// One rule for the window and the command line: LANGUAGE's first entry (not under C), else LC_ALL, LC_MESSAGES, LANG;
// Traditional for Hong Kong, Taiwan, Macao and the Traditional script; without a Chinese or English locale the
// window says Simplified and the command line English.
TEST(CliLanguage, FollowsLcAllThenLcMessagesThenLang) {
    struct Case {
        const char* language; // LANGUAGE
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* window;
        const char* cli;
    };
    const Case cases[] = {
        {"", "", "", "zh_CN.UTF-8", "zh_CN", "zh_CN"},
        {"", "", "", "zh_SG.UTF-8", "zh_CN", "zh_CN"},
        {"", "", "", "zh_HK.UTF-8", "zh_HK", "zh_HK"},
        {"", "", "", "zh_TW.Big5", "zh_HK", "zh_HK"},
        {"", "", "", "zh_MO.UTF-8", "zh_HK", "zh_HK"},
        {"", "", "", "zh-Hant", "zh_HK", "zh_HK"},
        {"", "", "", "C", "zh_CN", "en"},
        {"", "", "", "POSIX", "zh_CN", "en"},
        {"", "", "", "", "zh_CN", "en"},
        {"", "", "", "en_GB.UTF-8", "en", "en"},
        {"", "", "", "fr_FR.UTF-8", "zh_CN", "en"},
        {"", "", "zh_HK.UTF-8", "C", "zh_HK", "zh_HK"},
        {"", "C", "zh_CN.UTF-8", "zh_CN", "zh_CN", "en"},
        {"", "zh_TW", "", "C.UTF-8", "zh_HK", "zh_HK"},
        {"zh_HK:en", "", "", "zh_CN.UTF-8", "zh_HK", "zh_HK"},
        {"en_US:zh_CN", "", "", "zh_HK.UTF-8", "en", "en"},
        {"zh_HK:en", "", "", "C", "zh_CN", "en"},
        {"zh_TW", "", "", "", "zh_CN", "en"},
    };
    for (const Case& c : cases) {
        const std::map<std::string, std::string> environment{
            {"LANGUAGE", c.language}, {"LC_ALL", c.lcAll}, {"LC_MESSAGES", c.lcMessages}, {"LANG", c.lang}};
        const std::string locale = messagesLocale([&](const char* name) { return environment.at(name).c_str(); });
        const std::string where = std::string(c.language) + "|" + c.lcAll + "|" + c.lcMessages + "|" + c.lang;
        EXPECT_EQ(languageOfLocale(locale, Speaker::Window), c.window) << where;
        EXPECT_EQ(languageOfLocale(locale, Speaker::CommandLine), c.cli) << where;
    }
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

namespace {

// The English sentences of a text: three English words in a row. Option names, the values a user types and the kinds'
// English names come alone or in lists ("number, zodiac, head"), never as a sentence; a command line
// ("quorvel-cli settings get") is no sentence either.
std::vector<std::string> englishSentencesIn(std::string text) {
    static const std::regex commandLine("quorvel-cli( [a-z][a-z-]*)*");
    static const std::regex sentence("[A-Za-z]{2,} [A-Za-z]{2,} [A-Za-z]{2,}");
    text = std::regex_replace(text, commandLine, "quorvel-cli");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), sentence); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

// The text with the data folder's path (a temporary one, different in each run) written <folder>.
std::string withoutFolder(std::string text, const std::string& folder) {
    for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
        text.replace(at, folder.size(), "<folder>");
    return text;
}

} // namespace

// Under zh_HK every help, refusal, parser error and report is Hong Kong Chinese: no Simplified form, no English
// sentence; under every language the --json of the same runs is the same.
TEST(CliLanguage, SpeaksHongKongChineseThroughoutWithTheSameJson) {
    const std::vector<std::vector<std::string>> helps{{},
                                                      {"import"},
                                                      {"add"},
                                                      {"history"},
                                                      {"row"},
                                                      {"export-text"},
                                                      {"settings"},
                                                      {"settings", "get"},
                                                      {"settings", "set"},
                                                      {"search"},
                                                      {"partial"},
                                                      {"group"},
                                                      {"table"},
                                                      {"trend"},
                                                      {"backtest"},
                                                      {"delete-last"},
                                                      {"keep-until"},
                                                      {"clear"},
                                                      {"rebuild"},
                                                      {"compact"},
                                                      {"export-xlsx"},
                                                      {"update"},
                                                      {"check"}};
    struct Step {
        std::vector<std::string> arguments;
        int code;
    };
    const Step steps[] = {
        {{"history"}, 0},               // the history is empty
        {{"import", "missing.txt"}, 1}, // no such file
        {{"import", "in.txt"}, 0},
        {{"export-text", "no-such-folder/out.txt"}, 1}, // the system's reason
        {{"frobnicate"}, 2},                            // the parser's errors
        {{"--engine", "fast", "history"}, 2},
        {{"--zodiac-base", "5", "history"}, 2},
        {{"import"}, 2},
        {{"history", "extra"}, 2},
        {{"search", "--pos", "9=01"}, 2}, // a refusal of ours
        {{"row", "x"}, 2},
        {{"delete-last"}, 0}, // the maintenance reports
        {{"delete-last", "2"}, 0},
        {{"keep-until", "2013020"}, 0},
        {{"rebuild"}, 0},
        {{"compact"}, 0},
        {{"clear"}, 0},
    };
    std::string json;
    for (const char* language : {"en", "zh_CN", "zh_HK"}) {
        // The same runs as text in one data folder, as JSON in another.
        test::CliHarness text, asJson;
        auto said = [&](test::CliHarness& cli, std::vector<std::string> arguments) {
            cli.folder().write("in.txt", test::kSixDraws2013);
            for (auto& argument : arguments)
                if (argument.ends_with(".txt")) argument = (cli.folder().path() / argument).string();
            auto run = cli.run(arguments, language);
            run.out = withoutFolder(run.out, cli.folder().path().string());
            run.err = withoutFolder(run.err, cli.folder().path().string());
            return run;
        };
        std::string shown, printed;
        if (std::string(language) == "zh_HK")
            for (auto arguments : helps) {
                arguments.push_back("--help");
                const auto help = said(text, arguments);
                EXPECT_EQ(help.code, 0);
                shown += help.out;
            }
        for (const Step& step : steps) {
            const auto run = said(text, step.arguments);
            EXPECT_EQ(run.code, step.code) << step.arguments.front() << ": " << run.err;
            shown += run.out + run.err;
            auto arguments = step.arguments;
            arguments.push_back("--json");
            // A safety copy is named after the time of day, which two runs need not share.
            static const std::regex copy("history-[0-9-]+\\.txt");
            printed += std::regex_replace(said(asJson, arguments).out, copy, "history-<time>.txt");
        }
        if (json.empty()) json = printed;
        EXPECT_EQ(printed, json) << language;
        if (std::string(language) != "zh_HK") continue;
        EXPECT_EQ(test::otherScriptIn(shown, language), std::vector<std::string>{}) << shown;
        EXPECT_EQ(englishSentencesIn(shown), std::vector<std::string>{}) << shown;
    }
}

} // namespace quorvel
