// SPDX-License-Identifier: MIT
#include "UpdateServer.h"
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

namespace quorvel {

namespace {

std::vector<int> years(const nlohmann::json& list) {
    std::vector<int> result;
    for (const auto& entry : list)
        result.push_back(entry["year"]);
    return result;
}

// The stored issues in IDX order.
std::vector<int> storedIssues(test::CliHarness& cli) {
    std::vector<int> issues;
    for (const auto& draw : cli.run({"history", "--json"}).json())
        issues.push_back(draw["issue"]);
    return issues;
}

} // namespace

TEST(UpdateCommands, AFailedYearStopsTheUpdateAndTheNextOneLoadsTheRestInOrder) {
    test::UpdateServer failing;
    test::CliHarness cli(2026);
    failing.answerStatus(2016, 500);
    auto result = cli.run({"update", "--site", failing.site(), "--current-year", "2019", "--json"});
    ASSERT_EQ(result.code, 1) << "a year failed";
    EXPECT_NE(result.err.find("the update is incomplete: 2016 (the server answered 500"), std::string::npos)
        << result.err;
    auto json = result.json();
    EXPECT_EQ(years(json["years"]), std::vector<int>({2013, 2014, 2015}));
    EXPECT_EQ(years(json["failed"]), std::vector<int>({2016, 2017, 2018, 2019}));
    EXPECT_NE(json["failed"][1]["reason"].get<std::string>().find("because 2016 failed"), std::string::npos);
    EXPECT_EQ(storedIssues(cli).back(), test::realDrawsByYear().at(2015).back().issue)
        << "nothing after the failed year";

    // The next update starts after the latest stored draw and brings the rest in order, without a hole.
    test::UpdateServer server;
    ASSERT_EQ(cli.run({"settings", "set", "txtUpdateSite", server.site()}).code, 0);
    result = cli.run({"update", "--current-year", "2019", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(years(result.json()["years"]), std::vector<int>({2015, 2016, 2017, 2018, 2019}));
    const std::vector<int> issues = storedIssues(cli);
    EXPECT_EQ(issues.back(), test::realDrawsByYear().at(2019).back().issue);
    EXPECT_TRUE(std::is_sorted(issues.begin(), issues.end()));
    EXPECT_EQ(cli.run({"check"}).code, 0);

    // Up to date: only the current year's page is read again.
    auto again = cli.run({"update", "--current-year", "2019", "--json"});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.json()["appended"], 0);
    EXPECT_EQ(server.requested().back(), 2019);
}

TEST(UpdateCommands, APageIsStoredOnlyUpToItsFirstMissingOrUnusableDraw) {
    std::string unusable = test::resultsPageHtml(2014, test::realDraws(2014001, 2014030));
    const auto bad = test::realDraws(2014020, 2014020).front();
    unusable.replace(unusable.find("020期"), 0, ""); // the row of issue 020 gets a special number of 50
    const std::string special = "<span class=\"ball\">" + test::twoDigitText(bad.numbers[6]) + "</span> 马</td>";
    unusable.replace(unusable.find(special, unusable.find("020期")), special.size(),
                     "<span class=\"ball\">50</span> 马</td>");
    auto withoutTen = test::realDraws(2014001, 2014030);
    withoutTen.erase(withoutTen.begin() + 9);
    struct Case {
        const char* name;
        std::string page;
        int storedUpTo;
        std::string reason;
    };
    const std::vector<Case> cases{
        {"a row that is not a draw", unusable, 2014019, "issue 2014020: the special number (cell 3) is 50"},
        {"a row missing from the page", test::resultsPageHtml(2014, withoutTen), 2014009,
         "issue 2014010: the page does not list issue 2014010"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::UpdateServer server;
        server.servePage(2014, c.page);
        test::CliHarness cli(2014);
        ASSERT_EQ(cli.run({"import",
                           cli.folder().write("h.txt", test::historyText(test::realDraws(2013001, 2013152))).string()})
                      .code,
                  0);
        auto result = cli.run({"update", "--site", server.site(), "--json"});
        EXPECT_EQ(result.code, 1);
        const auto json = result.json();
        ASSERT_EQ(years(json["failed"]), std::vector<int>({2014}));
        EXPECT_NE(json["failed"][0]["reason"].get<std::string>().find(c.reason), std::string::npos) << result.out;
        EXPECT_EQ(storedIssues(cli).back(), c.storedUpTo);
    }
}

TEST(UpdateCommands, TheUpdateFillsHolesAndKeepsTheDrawsTheSiteDoesNotListYet) {
    test::UpdateServer server;
    // Two holes in 2013, planted by a history text file; the check names them, the update fills them.
    test::CliHarness cli(2014);
    auto draws = test::realDraws(2013001, 2014152);
    draws.erase(draws.begin() + 49, draws.begin() + 51);
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", test::historyText(draws)).string()}).code, 0);
    auto check = cli.run({"check", "--json"});
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.json()["missing"], nlohmann::json({2013050, 2013051}));
    auto result = cli.run({"update", "--site", server.site(), "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.json()["filled"], 2);
    check = cli.run({"check"});
    EXPECT_EQ(check.code, 0) << check.out;
    const std::vector<int> issues = storedIssues(cli);
    EXPECT_EQ(issues.size(), 152u + 152u);
    EXPECT_TRUE(std::is_sorted(issues.begin(), issues.end())) << "IDX follows issue order after the fill";

    // A clearing update whose site ends before the stored history keeps the stored draws after the site's latest.
    test::UpdateServer behind;
    behind.servePage(2014, test::resultsPageHtml(2014, test::realDraws(2014001, 2014100)));
    test::CliHarness typed(2014);
    ASSERT_EQ(typed
                  .run({"import",
                        typed.folder().write("h.txt", test::historyText(test::realDraws(2008001, 2014120))).string()})
                  .code,
              0);
    result = typed.run({"update", "--site", behind.site(), "--years", "3", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.json()["cleared"], true);
    EXPECT_EQ(result.json()["kept"], 20);
    EXPECT_EQ(storedIssues(typed).back(), 2014120);
}

TEST(UpdateCommands, RefusesWithoutASiteAndFailsWhenNoPageCanBeRead) {
    test::CliHarness cli(2014);
    ASSERT_EQ(cli.run({"add", "--issue", "2014001", "1", "2", "3", "4", "5", "6", "7"}).code, 0);
    const std::string before = cli.run({"history", "--json"}).out;
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"update"}, 1, "no update site is set"},
        {{"update", "--site", "127.0.0.1/kj/"}, 1, "is not a web address"},
        {{"update", "--site", test::siteOfNoServer()}, 1, "no page could be read"},
        {{"update", "--site", "http://127.0.0.1/", "--years", "1"}, 2, "--years"},
        {{"update", "--site", "http://127.0.0.1/", "--current-year", "14"}, 2, "four-digit year"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        auto result = cli.run(c.arguments);
        EXPECT_EQ(result.code, c.code);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(cli.run({"history", "--json"}).out, before);
    }
}

TEST(UpdateCommands, AYearThatFailsOrGivesNoDrawRemovesNoStoredDraw) {
    const std::string emptyTable = "<html><body><table id=\"main\"><tr><th>期数</th></tr></table></body></html>";
    struct Case {
        const char* name;
        std::function<void(test::UpdateServer&)> serve;
        std::vector<int> failed;
    };
    const std::vector<Case> cases{
        {"odd years answer 404",
         [](test::UpdateServer& server) {
             for (int year : {2011, 2013})
                 server.answerStatus(year, 404);
         },
         {2011, 2013}},
        {"every main table is empty",
         [&](test::UpdateServer& server) {
             for (int year = 2011; year <= 2014; ++year)
                 server.servePage(year, emptyTable);
         },
         {2011, 2012, 2013, 2014}},
        {"the current year has no draw yet",
         [&](test::UpdateServer& server) { server.servePage(2014, emptyTable); },
         {2014}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::UpdateServer server;
        c.serve(server);
        test::CliHarness cli(2014);
        // The first draw is older than the three years kept: a complete update would clear and reload.
        const std::string text = test::historyText(test::realDraws(2010001, 2013100));
        ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", text).string()}).code, 0);
        const std::string before = cli.run({"history", "--json"}).out;
        const std::string bytes = test::readFile(cli.folder() / "quorvel.db");
        auto result = cli.run({"update", "--site", server.site(), "--years", "3", "--json"});
        EXPECT_EQ(result.code, 1) << result.err;
        EXPECT_NE(result.err.find("nothing was changed"), std::string::npos) << result.err;
        const auto json = result.json();
        std::vector<int> failed;
        for (const auto& year : json["failed"])
            failed.push_back(year["year"]);
        EXPECT_EQ(failed, c.failed) << result.out;
        EXPECT_EQ(json["appended"], 0);
        EXPECT_EQ(cli.run({"history", "--json"}).out, before);
        EXPECT_EQ(test::readFile(cli.folder() / "quorvel.db"), bytes);
    }

    // Without the age check the current year's empty page is only "no draw yet": the update is complete.
    test::UpdateServer server;
    server.servePage(2014, emptyTable);
    test::CliHarness cli(2014);
    ASSERT_EQ(
        cli.run({"import", cli.folder().write("h.txt", test::historyText(test::realDraws(2013001, 2013100))).string()})
            .code,
        0);
    auto result = cli.run({"update", "--site", server.site(), "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.json()["years"][1], nlohmann::json({{"year", 2014}, {"appended", 0}, {"no_draw_yet", true}}));
    EXPECT_EQ(result.json()["appended"], 52);
}

TEST(UpdateCommands, AnUnreadableSettingsFileIsSaidAndNeverClearsTheHistory) {
    // Each keeps 9 years where it can be read at all: the player's choice, not the default six.
    std::string binary;
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>((i * 37 + 11) % 256);
    std::string utf16("\xff\xfe", 2);
    for (char c : std::string("[IniSetting]\nIniSerchDay=9\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path& ini)> spoil;
        const char* why;
    };
    const std::vector<Case> cases{
        {"garbage", [](const auto& ini) { std::ofstream(ini) << "IniSerchDay: nine\n[[[\n=\n"; },
         "not a valid INI file"},
        {"binary", [&](const auto& ini) { std::ofstream(ini, std::ios::binary) << binary; }, "not a valid INI file"},
        {"UTF-16", [&](const auto& ini) { std::ofstream(ini, std::ios::binary) << utf16; }, "not a valid INI file"},
        {"a folder", [](const auto& ini) { std::filesystem::create_directory(ini); }, "no access"},
    };
    test::UpdateServer server;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::CliHarness cli(2026);
        ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", test::kSixDraws2013).string()}).code, 0);
        const std::string before = cli.run({"history", "--json"}).out;
        const std::filesystem::path ini = cli.folder() / "VOLMIRAD.ini";
        c.spoil(ini);

        const test::CliResult get = cli.run({"settings", "get", "IniSerchDay"});
        EXPECT_EQ(get.code, 0);
        EXPECT_EQ(get.out, "6\n");
        for (const std::string& part : {std::string("warning: the settings file ") + ini.string(), std::string(c.why),
                                        std::string("take their defaults")})
            EXPECT_NE(get.err.find(part), std::string::npos) << part << " in " << get.err;

        // The history began more than six years ago: an update by the default would clear it.
        const test::CliResult update = cli.run({"update", "--site", server.site()});
        EXPECT_EQ(update.code, 1);
        for (const std::string& part :
             {ini.string(), std::string("only the default"), std::string("nothing was changed")})
            EXPECT_NE(update.err.find(part), std::string::npos) << part << " in " << update.err;
        EXPECT_TRUE(server.requested().empty()) << "a page was loaded";
        EXPECT_EQ(cli.run({"history", "--json"}).out, before);
    }
}

} // namespace quorvel
