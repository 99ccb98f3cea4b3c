// SPDX-License-Identifier: MIT
#include "XlsxReader.h"
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

namespace quorvel {

namespace {

const std::string kHistory = "2013152 01 02 03 04 05 06 07 \r\n2013153 08 09 10 11 12 13 14 \r\n"
                             "2014001 15 16 17 18 19 20 21 \r\n2014002 22 23 24 25 26 27 28 \r\n";

std::vector<int> issues(test::CliHarness& cli) {
    std::vector<int> result;
    for (const auto& row : cli.run({"history", "--json"}).json()) {
        EXPECT_EQ(row["idx"], result.size() + 1);
        result.push_back(row["issue"]);
    }
    return result;
}

} // namespace

TEST(MaintainCommands, ShortenTheHistoryOrRefuseAndSayWhy) {
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::vector<int> kept;
        std::string message; // on stderr when refused
    };
    const std::vector<Case> cases{
        {{"delete-last"}, 0, {2013152, 2013153, 2014001}, ""},
        {{"delete-last", "3"}, 0, {2013152}, ""},
        {{"delete-last", "08"}, 1, {2013152, 2013153, 2014001, 2014002}, "the latest 8 draws"}, // decimal, not octal
        {{"keep-until", "2014001"}, 0, {2013152, 2013153, 2014001}, ""},
        {{"keep-until", "2015001"}, 0, {2013152, 2013153, 2014001, 2014002}, ""}, // removes nothing, no copy
        {{"clear"}, 0, {}, ""},
        {{"compact"}, 0, {2013152, 2013153, 2014001, 2014002}, ""},
        {{"delete-last", "0"}, 1, {2013152, 2013153, 2014001, 2014002}, "at least 1, not 0; nothing was changed"},
        {{"delete-last", "-1"}, 1, {2013152, 2013153, 2014001, 2014002}, "at least 1"},
        {{"delete-last", "abc"}, 2, {2013152, 2013153, 2014001, 2014002}, "must be a whole number, not 'abc'"},
        {{"delete-last", ""}, 2, {2013152, 2013153, 2014001, 2014002}, "must be a whole number, not ''"},
        {{"keep-until", "2014x"}, 2, {2013152, 2013153, 2014001, 2014002}, "must be a whole number"},
        {{"keep-until"}, 2, {2013152, 2013153, 2014001, 2014002}, "ISSUE is required"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " " + (c.arguments.size() > 1 ? c.arguments[1] : ""));
        test::CliHarness cli;
        ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
        std::vector<std::string> arguments = c.arguments;
        arguments.push_back("--json");
        test::CliResult result = cli.run(arguments);
        EXPECT_EQ(result.code, c.code) << result.err;
        if (c.code == 0) {
            EXPECT_EQ(result.json()["draws"], c.kept.size());
        }
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(issues(cli), c.kept);
        // Every change that removes draws leaves a safety copy, and importing it restores the history.
        const bool removed = c.code == 0 && c.kept.size() < 4;
        ASSERT_EQ(result.code == 0 && result.json().contains("backup"), removed);
        if (removed) {
            std::string backup = result.json()["backup"];
            EXPECT_EQ(test::readFile(backup), kHistory);
            ASSERT_EQ(cli.run({"import", backup}).code, 0);
            EXPECT_EQ(issues(cli).size(), 4u);
        }
    }

    // Deleting the only draw names it, leaves an empty history, and says so.
    test::CliHarness one;
    ASSERT_EQ(one.run({"add", "01", "02", "03", "04", "05", "06", "07"}).code, 0);
    auto emptied = one.run({"delete-last"});
    EXPECT_EQ(emptied.code, 0) << emptied.err;
    EXPECT_NE(emptied.out.find(": 01 02 03 04 05 06 (special number 07); 0 draws remain"), std::string::npos)
        << emptied.out;
    EXPECT_NE(emptied.out.find("The history is now empty: import a history file or add draws"), std::string::npos)
        << emptied.out;
}

TEST(MaintainCommands, KeepUntilTheLatestDerivesEveryRowAgain) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    int zodiac = cli.run({"row", "2014002", "--json"}).json()["L1B"];
    ASSERT_EQ(cli.run({"settings", "set", "SxIni", "0"}).code, 0);
    auto result = cli.run({"keep-until", "2014002", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.json()["draws"], 4);
    auto row = cli.run({"row", "2014002", "--json"}).json();
    EXPECT_EQ(row["L1B"], zodiac - 1);
    EXPECT_EQ(row["txtHisPreLst"], "15 16 17 18 19 20 21 ");
    EXPECT_EQ(cli.run({"row", "2013152", "--json"}).json()["txtHisPreLst"], "");
    EXPECT_EQ(test::readFile(cli.folder() / "lsbf.txt"), kHistory);
}

namespace {

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

// A base changed beside a stored history: every command warns once on stderr until rebuild derives every
// draw again with the settings' bases, keeping the draws and saving a safety copy first.
TEST(MaintainCommands, ABaseChangeWarnsUntilRebuildDerivesEveryDrawAgain) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"rebuild"}).code, 1); // an empty history: nothing to derive again
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    const nlohmann::json before = cli.run({"row", "2014002", "--json"}).json();
    const std::string warning = "quorvel-cli: warning: the stored draws were derived with zodiac base 1 and "
                                "colour base 1, but the settings say zodiac base 0 and colour base 0";
    ASSERT_EQ(cli.run({"settings", "set", "SxIni", "0"}).code, 0);
    auto set = cli.run({"settings", "set", "BsIni", "0"});
    EXPECT_EQ(occurrences(set.err, warning), 1u) << set.err;
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"history"},
          {"row", "2014002"},
          {"settings", "get", "SxIni"},
          {"search", "--kind", "zodiac", "--order", "drawn", "--mode", "fixed", "--pos", "7=1"}}) {
        auto result = cli.run(command);
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(occurrences(result.err, warning), 1u) << command.front() << ": " << result.err;
        EXPECT_NE(result.err.find("quorvel-cli rebuild"), std::string::npos) << result.err;
    }
    // A change refused for the run's bases names the stored draws' bases and the mend itself: said once.
    auto refused = cli.run({"--zodiac-base", "0", "--colour-base", "0", "delete-last", "1"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(occurrences(refused.err, "quorvel-cli rebuild"), 1u) << refused.err;

    auto rebuilt = cli.run({"rebuild", "--json"});
    ASSERT_EQ(rebuilt.code, 0) << rebuilt.err;
    EXPECT_EQ(rebuilt.err, "");
    EXPECT_EQ(rebuilt.json()["draws"], 4);
    EXPECT_EQ(test::readFile(rebuilt.json()["backup"].get<std::string>()), kHistory);
    EXPECT_EQ(issues(cli), (std::vector<int>{2013152, 2013153, 2014001, 2014002}));
    const nlohmann::json after = cli.run({"row", "2014002", "--json"}).json();
    EXPECT_EQ(after["L1A"], before["L1A"]);
    EXPECT_EQ(after["L1B"], before["L1B"].get<int>() - 1);
    EXPECT_EQ(after["L1C"], before["L1C"].get<int>() - 1);
    EXPECT_EQ(after["L1H"], before["L1H"]); // the segment base was not changed
    EXPECT_EQ(after["txtHisPreLst"], "15 16 17 18 19 20 21 ");
    EXPECT_EQ(cli.run({"history"}).err, "");
}

// Bases given for one run that differ from the stored draws' are refused by every command that derives rows;
// reading with them, or deriving with the stored ones, is fine.
TEST(MaintainCommands, RunBasesOtherThanTheStoredOnesAreRefusedForChanges) {
    struct Case {
        std::vector<std::string> arguments;
        int code;
    };
    const std::vector<Case> cases{
        {{"--zodiac-base", "0", "import", "h.txt"}, 1},
        {{"--colour-base", "0", "add", "29", "30", "31", "32", "33", "34", "35"}, 1},
        {{"--segment-base", "0", "rebuild"}, 1},
        {{"--zodiac-base", "0", "delete-last", "1"}, 1},
        {{"--zodiac-base", "0", "keep-until", "2014001"}, 1},
        {{"--zodiac-base", "0", "history"}, 0},
        {{"--zodiac-base", "0", "delete-last"}, 0}, // removes a row, derives none
        {{"--zodiac-base", "1", "rebuild"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[2]);
        test::CliHarness cli;
        const std::string file = cli.folder().write("h.txt", kHistory).string();
        ASSERT_EQ(cli.run({"import", file}).code, 0);
        std::vector<std::string> arguments = c.arguments;
        std::replace(arguments.begin(), arguments.end(), std::string("h.txt"), file);
        auto result = cli.run(arguments);
        EXPECT_EQ(result.code, c.code) << result.err;
        if (c.code == 1) {
            EXPECT_NE(result.err.find("change the setting instead (quorvel-cli settings set "), std::string::npos)
                << result.err;
            EXPECT_EQ(issues(cli).size(), 4u);
        }
        EXPECT_EQ(cli.run({"history"}).err, ""); // no run left the store at odds with the settings
    }
}

TEST(MaintainCommands, ExportXlsxWritesTheHistoryAndTheGroupResults) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    auto history = cli.run({"export-xlsx", "history", "--json"});
    ASSERT_EQ(history.code, 0) << history.err;
    EXPECT_EQ(history.json()["path"], (cli.folder() / "lishi.xlsx").string());
    auto cells = test::readXlsx(cli.folder() / "lishi.xlsx").cells;
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[0][7], "特码");
    EXPECT_EQ(cells[1], (std::vector<std::string>{"2013152", "1", "2", "3", "4", "5", "6", "7"}));

    auto target = cli.folder() / "groups.xlsx";
    auto results = cli.run({"export-xlsx", "results", target.string(), "--json"});
    ASSERT_EQ(results.code, 0) << results.err;
    EXPECT_EQ(results.json()["path"], target.string());
    EXPECT_EQ(test::readXlsx(target).cells,
              (std::vector<std::vector<std::string>>{{"号码（分组）", "最小遗漏", "最大遗漏", "最后遗漏"}}));

    EXPECT_EQ(cli.run({"export-xlsx", "hits", target.string()}).code, 2);
    auto failed = cli.run({"export-xlsx", "history", (cli.folder() / "no" / "x.xlsx").string()});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("x.xlsx"), std::string::npos);
}

TEST(MaintainCommands, AWorkbookOfMoreRowsThanASheetHoldsIsRefusedBeforeTheCalculation) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    ASSERT_EQ(cli.run({"group", "--kind", "number", "--size", "2", "--boxes", "1..5", "--json"}).code, 0);
    const auto target = cli.folder() / "groups.xlsx";

    // 1,906,884 groups of five of the 49 numbers.
    testing::internal::CaptureStderr();
    auto refused = cli.run({"group", "--kind", "number", "--size", "5", "--boxes", "1..49", "--no-limit", "--xlsx",
                            target.string(), "--json"});
    const std::string libraryLog = testing::internal::GetCapturedStderr();
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("a workbook holds at most 1,048,576 rows, and the 1906884 groups of this request"),
              std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("choose fewer groups or use --json"), std::string::npos) << refused.err;
    EXPECT_EQ(libraryLog, "");
    for (const auto& entry : std::filesystem::directory_iterator(cli.folder().path()))
        EXPECT_EQ(entry.path().filename().string().find("groups.xlsx"), std::string::npos) << entry.path();
    // The results of the calculation before are still the stored ones: the refused one made nothing.
    auto kept = cli.run({"export-xlsx", "results", target.string()});
    EXPECT_NE(kept.out.find("(10 rows below the header)"), std::string::npos) << kept.out << kept.err;
}

TEST(MaintainCommands, ExportsNeverReplaceTheStoreItsLogTheSettingsOrASpecialFile) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    ASSERT_EQ(cli.run({"clear"}).code, 0); // a safety copy in backup/
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    ASSERT_EQ(cli.run({"settings", "set", "intLei", "3"}).code, 0);
    const auto folder = cli.folder().path();
    const auto store = folder / "quorvel.db";
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(store, folder / "link.xlsx");
    const std::string copy = std::filesystem::directory_iterator(folder / "backup")->path().string();
    const std::string bytes = test::readFile(store);
    const std::string settings = test::readFile(folder / "VOLMIRAD.ini");
    const std::string history = cli.run({"history", "--json"}).out;
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"export-xlsx", "history", store.string()}, "it is the history store, which an export never replaces"},
        {{"export-xlsx", "results", (folder / "." / "quorvel.db").string()}, "it is the history store"},
        {{"export-text", store.string()}, "it is the history store"},
        {{"export-text", store.string() + "-wal"}, "write-ahead log"},
        {{"export-xlsx", "history", store.string() + "-shm"}, "shared-memory file"},
        {{"export-text", (folder / "VOLMIRAD.ini").string()}, "it is the settings file"},
        {{"export-xlsx", "history", (folder / "selections.txt").string()}, "it is the file of the saved selections"},
        {{"export-text", copy}, "it is in the backup folder"},
        {{"export-xlsx", "history", (folder / "backup" / "new.xlsx").string()}, "it is in the backup folder"},
        {{"search", "--kind", "number", "--pos", "1=01", "--xlsx", store.string()}, "it is the history store"},
        {{"export-text", (folder / "fifo").string()}, "it is not a regular file (a FIFO"},
        {{"export-xlsx", "history", (folder / "fifo").string()}, "it is not a regular file"},
        {{"export-xlsx", "history", (folder / "backup").string()}, "it is a folder"},
        {{"export-xlsx", "history", (folder / "link.xlsx").string()}, "it is a symbolic link (to " + store.string()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " " + c.arguments.back());
        test::CliResult result = cli.run(c.arguments);
        EXPECT_EQ(result.code, 1) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("nothing was written"), std::string::npos) << result.err;
        EXPECT_EQ(test::readFile(store), bytes);
        EXPECT_EQ(cli.run({"history", "--json"}).out, history); // the store still opens
    }
    EXPECT_EQ(test::readFile(folder / "VOLMIRAD.ini"), settings);
    EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.xlsx"));
}

} // namespace quorvel
