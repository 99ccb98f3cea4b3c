// SPDX-License-Identifier: MIT
#include "DiskConditions.h"
#include "cli/CliHarness.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>

#include <unistd.h>

namespace quorvel {

namespace {

const std::string kHistory = "2013152 01 02 03 04 05 06 07 \r\n2013153 08 09 10 11 12 13 14 \r\n";

// The results of the last group calculation as the store holds them: YL, its packed figures and its rules.
std::string storedResults(const test::CliHarness& cli) {
    SQLite::Database db((cli.folder() / "quorvel.db").string(), SQLite::OPEN_READONLY);
    std::string text;
    for (const char* query : {"SELECT * FROM YL ORDER BY rowid",
                              "SELECT firstRow, rowCount, hex(figures) FROM YLFigures", "SELECT rules FROM YLRules"}) {
        SQLite::Statement rows(db, query);
        while (rows.executeStep()) {
            for (int column = 0; column < rows.getColumnCount(); ++column)
                text += rows.getColumn(column).getString() + "\t";
            text += "\n";
        }
    }
    return text;
}

// A history of `draws` draws, 150 a year from 1980 on.
std::string longHistory(int draws) {
    std::string text;
    char line[40];
    for (int d = 0; d < draws; ++d) {
        std::snprintf(line, sizeof line, "%d %02d %02d %02d %02d %02d %02d %02d\r\n",
                      (1980 + d / 150) * 1000 + d % 150 + 1, d % 43 + 1, d % 43 + 2, d % 43 + 3, d % 43 + 4, d % 43 + 5,
                      d % 43 + 6, d % 43 + 7);
        text += line;
    }
    return text;
}

} // namespace

TEST(BadInput, RefusalsLeaveTheStoredHistoryByteForByte) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    const std::string before = cli.run({"history", "--json"}).out;
    const std::string utf16("\xff\xfe"
                            "2\0"
                            "0\0"
                            "1\0"
                            "3\0",
                            10);
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"import", cli.folder().write("empty.txt", "").string()}, 1, "holds no usable draw"},
        {{"import", cli.folder().write("blank.txt", "\r\n  \r\n\n").string()}, 1, "only blank lines"},
        {{"import", cli.folder().write("skipped.txt", "abc\r\n2013001 01 02\r\n").string()},
         1,
         "every line was skipped"},
        {{"import", cli.folder().write("utf16.txt", utf16).string()}, 1, "not a text file"},
        {{"import", cli.folder().write("binary.txt", std::string("2013001 01\0\x7f", 12)).string()},
         1,
         "not a text file"},
        {{"import", cli.folder().write("h.csv", kHistory).string()}, 1, "ends in .txt"},
        {{"add", "--issue", "2013153", "21", "22", "23", "24", "25", "26", "27"}, 1, "draw 2 in the list holds it"},
        {{"add", "--issue", "2014000", "21", "22", "23", "24", "25", "26", "27"}, 1, "sequence 000"},
        {{"add", "21", "22", "23", "24", "25", "26", "21"}, 1, "appears twice"},
        {{"search", "--kind", "number", "--pos", "1=05", "--pos", "1=06"}, 2, "position 1 is given twice"},
        {{"group", "--kind", "number", "--size", "2", "--boxes", "1,50"}, 2, "boxes are numbered 1..49, not 50"},
        {{"group", "--kind", "number", "--size", "2", "--boxes", "0,5"}, 2, "boxes are numbered 1..49, not 0"},
        {{"group", "--kind", "number", "--size", "2", "--boxes", "1..50"}, 2, "boxes are numbered 1..49, not 50"},
        {{"group", "--kind", "number", "--size", "2", "--boxes", "9..3"}, 2, "the boxes 9..3 run backwards"},
        {{"group", "--kind", "number", "--size", "2", "--boxes", "1..x"}, 2, "box x must be a whole number"},
        {{"keep-until", "abc"}, 2, "must be a whole number"},
        {{"keep-until", "201315"}, 2, "has seven digits (year and sequence, e.g. 2014016), not '201315'"},
        {{"keep-until", "2013151"}, 1, "would keep none; nothing was changed. To delete every draw, clear"},
        {{"add", "--issue", "", "21", "22", "23", "24", "25", "26", "27"}, 2, "--issue must be a whole number"},
        {{"delete-last", "0"}, 1, "at least 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front() + " " + c.arguments.back());
        test::CliResult result = cli.run(c.arguments);
        EXPECT_EQ(result.code, c.code) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(cli.run({"history", "--json"}).out, before);
    }
    EXPECT_FALSE(std::filesystem::exists(cli.folder() / "backup")) << "a refused change wrote a safety copy";
}

// Requests that cannot be met as given are refused before anything is written: the stored group results (YL)
// and the history stay as they were, and the message says what was wrong and what to do.
TEST(BadInput, RefusedRequestsLeaveTheResultsAndTheHistoryAsTheyWere) {
    test::CliHarness six;
    ASSERT_EQ(six.run({"import", six.folder().write("h.txt", test::kSixDraws2013).string()}).code, 0);
    ASSERT_EQ(six.run({"group", "--size", "2", "--boxes", "1..5"}).code, 0);
    // Enough draws that the biggest groups the ceiling allows make too much work for one backtest.
    test::CliHarness long_;
    ASSERT_EQ(long_.run({"import", long_.folder().write("h.txt", longHistory(5400)).string()}).code, 0);
    ASSERT_EQ(long_.run({"group", "--size", "1", "--boxes", "1..3"}).code, 0);
    const std::string store = (six.folder() / "quorvel.db").string();
    struct Case {
        test::CliHarness& cli;
        std::vector<std::string> arguments;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {six, {"group", "--size", "0", "--boxes", "1,2"}, 2, "group size 0 is outside 1..6: no group to calculate"},
        {six, {"group", "--size", "3", "--boxes", "1,2"}, 2, "2 usable value(s) ticked for groups of 3"},
        {six, {"group", "--size", "2", "--boxes", "1..3", "--xlsx", six.folder().path().string()}, 1, "it is a folder"},
        {six, {"group", "--size", "2", "--boxes", "1..4", "--xlsx", store}, 1, "it is the history store"},
        {six,
         {"backtest", "--boxes", "1..5", "--size", "2", "--from", "2013021"},
         2,
         "--pick 10 picks all of the 10 groups that 5 boxes in groups of 2 make"},
        {six,
         {"backtest", "--boxes", "1..49", "--size", "3", "--no-limit", "--pick", "18000", "--from", "2013021"},
         1,
         "4 decisions × 18000 picks × 18000 picks = 1296000000 pairs of picks, more than the 500000000"},
        {long_,
         {"backtest", "--boxes", "1..49", "--size", "5", "--no-limit", "--from", "1980001"},
         1,
         "5399 decisions × 1906884 groups = 10295266716, more than the 10000000000"},
        {six, {"delete-last", "6"}, 1, "would delete all 6 stored draws and keep none; nothing was changed. To delete"},
        {six,
         {"add", "--issue", "2013019", "21", "22", "23", "24", "25", "26", "27"},
         1,
         "issue 2013019 comes before the latest stored draw 2013026: it would go among the stored draws and move "
         "the 6 draws"},
        {six,
         {"add", "--issue", "2013024", "21", "22", "23", "24", "25", "26", "27"},
         1,
         "move the 2 draws after it down one place; nothing was added"},
        {six,
         {"group", "--kind", "zodiac", "--size", "2", "--boxes", "1..13"},
         2,
         "box 13 is not a value of the kind zodiac (生肖), which has 12 values, boxes 1..12"},
        {six,
         {"backtest", "--kind", "colour", "--boxes", "1..4", "--size", "1", "--from", "2013021"},
         2,
         "box 4 is not a value of the kind colour"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& argument : c.arguments)
            line += argument + " ";
        SCOPED_TRACE(line);
        const std::string results = storedResults(c.cli);
        const std::string history = c.cli.run({"history", "--json"}).out;
        test::CliResult refused = c.cli.run(c.arguments);
        EXPECT_EQ(refused.code, c.code) << refused.err;
        EXPECT_NE(refused.err.find(c.message), std::string::npos) << refused.err;
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(storedResults(c.cli), results);
        EXPECT_EQ(c.cli.run({"history", "--json"}).out, history);
    }
}

TEST(BadInput, ExportsOfAnEmptyHistoryAreRefused) {
    test::CliHarness cli;
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"export-text"}, {"export-xlsx", "history", (cli.folder() / "lishi.xlsx").string()}}) {
        test::CliResult result = cli.run(arguments);
        EXPECT_EQ(result.code, 1) << arguments.front();
        EXPECT_NE(result.err.find("nothing to export"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(cli.folder() / "lishi.xlsx"));
}

TEST(BadInput, DamagedFilesAreNeverOverwritten) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    ASSERT_EQ(cli.run({"clear"}).code, 0); // leaves a safety copy to name
    const std::string garbage(4096, 'x');
    cli.folder().write("quorvel.db", garbage);

    test::CliResult opened = cli.run({"history"});
    EXPECT_EQ(opened.code, 1);
    for (const char* part : {"quorvel.db is damaged", "Move it away", "import the newest backup", "backup/history-"})
        EXPECT_NE(opened.err.find(part), std::string::npos) << part << " in " << opened.err;
    EXPECT_EQ(test::readFile(cli.folder() / "quorvel.db"), garbage);

    // A folder in the store's place gets the same advice.
    std::filesystem::remove(cli.folder() / "quorvel.db");
    std::filesystem::create_directory(cli.folder() / "quorvel.db");
    test::CliResult folder = cli.run({"history"});
    EXPECT_EQ(folder.code, 1);
    for (const char* part : {"quorvel.db is a folder", "Move it away", "import the newest backup"})
        EXPECT_NE(folder.err.find(part), std::string::npos) << part << " in " << folder.err;

    // Settings live apart from the store and stay usable.
    EXPECT_EQ(cli.run({"settings", "set", "intLei", "3"}).code, 0);
    EXPECT_EQ(cli.run({"settings", "get", "intLei"}).out, "3\n");

    // A settings file QSettings cannot read is refused before it would be rewritten without its contents.
    const std::string unreadable("[IniSetting]\nintLei=3\n\x01\xff[[\n=\n", 24);
    cli.folder().write("VOLMIRAD.ini", unreadable);
    test::CliResult set = cli.run({"settings", "set", "intLei", "4"});
    EXPECT_EQ(set.code, 1);
    EXPECT_NE(set.err.find("could not be read"), std::string::npos) << set.err;
    EXPECT_EQ(test::readFile(cli.folder() / "VOLMIRAD.ini"), unreadable);
}

} // namespace quorvel

namespace quorvel {

TEST(BadInput, ARangeWithoutADrawSaysSoAndGivesNoBaseline) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    for (const auto& range : std::vector<std::vector<std::string>>{
             {"--from", "2013153", "--to", "2013152"}, {"--from", "2020001"}, {"--to", "2013001"}}) {
        std::vector<std::string> arguments{"search", "--kind", "number", "--pos", "1=01", "--json"};
        arguments.insert(arguments.end(), range.begin(), range.end());
        SCOPED_TRACE(range[1]);
        test::CliResult result = cli.run(arguments);
        ASSERT_EQ(result.code, 0) << result.err;
        EXPECT_NE(result.err.find("holds no stored draw; the baseline figures are null"), std::string::npos);
        EXPECT_TRUE(result.json()["p_hit"].is_null()) << result.out;
    }
    test::CliResult whole = cli.run({"search", "--kind", "number", "--pos", "1=01", "--json"});
    EXPECT_EQ(whole.err, "");
    EXPECT_FALSE(whole.json()["p_hit"].is_null()) << whole.out;
}

TEST(BadInput, OutputThatCannotBeWrittenFailsTheRun) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);
    struct Case {
        const char* name;
        std::function<std::unique_ptr<std::ofstream>()> open;
        const char* said; // on stderr; nothing for a reader that has gone, as other tools
    };
    const std::vector<Case> cases{
        {"a full device", [] { return std::make_unique<std::ofstream>("/dev/full"); },
         "the output could not be written (No space left on device)"},
        {"a pipe whose reader has gone",
         [] {
             int ends[2];
             if (::pipe(ends) != 0) return std::unique_ptr<std::ofstream>();
             auto out = std::make_unique<std::ofstream>("/proc/self/fd/" + std::to_string(ends[1]));
             ::close(ends[0]);
             ::close(ends[1]);
             return out;
         },
         ""},
    };
    const auto pipeSignal = std::signal(SIGPIPE, SIG_IGN); // as a program that uses the network has it
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<std::ofstream> out = c.open();
        ASSERT_TRUE(out && *out);
        std::ostringstream err;
        FixedClock clock(2026);
        const int code = runCli({"--data-dir", cli.folder().path().string(), "history", "--json"}, *out, err, clock);
        EXPECT_EQ(code, 1);
        if (*c.said)
            EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
        else
            EXPECT_EQ(err.str(), "");
    }
    std::signal(SIGPIPE, pipeSignal);
}

TEST(BadInput, AStoreOnAReadOnlyOrFullDiskIsReadAndChangesSayWhyNot) {
    test::TempFolder files;
    const std::filesystem::path history = files.write("h.txt", kHistory);
    struct Case {
        const char* name;
        std::function<bool(const test::SmallDisk&)> cramp; // false: this machine cannot make the condition
        const char* why;
    };
    const std::vector<Case> cases{
        {"a read-only data folder", [](const test::SmallDisk& disk) { return disk.makeReadOnly(); }, "is read-only"},
        {"a full disk",
         [](const test::SmallDisk& disk) {
             if (!disk.mounted()) return false;
             disk.fill();
             return true;
         },
         "is full"},
    };
    int made = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::SmallDisk disk;
        FixedClock clock(2026);
        auto run = [&](std::vector<std::string> arguments) {
            arguments.insert(arguments.begin(), {"--data-dir", disk.path().string()});
            std::ostringstream out, err;
            const int code = runCli(arguments, out, err, clock);
            return test::CliResult{code, out.str(), err.str()};
        };
        ASSERT_EQ(run({"import", history.string()}).code, 0);
        const std::string before = run({"history", "--json"}).out;
        if (!c.cramp(disk)) continue;
        ++made;

        const test::CliResult read = run({"history", "--json"});
        EXPECT_EQ(read.code, 0) << read.err;
        EXPECT_EQ(read.out, before);
        const test::CliResult add = run({"add", "1", "2", "3", "4", "5", "6", "7"});
        EXPECT_EQ(add.code, 1);
        for (const std::string& part : {std::string(c.why), disk.path().string(), std::string("nothing was changed")})
            EXPECT_NE(add.err.find(part), std::string::npos) << part << " in " << add.err;
        EXPECT_EQ(run({"history", "--json"}).out, before);
    }
    if (made == 0) GTEST_SKIP() << "this machine can neither mount a small disk nor take a folder's write permission";
}

} // namespace quorvel
