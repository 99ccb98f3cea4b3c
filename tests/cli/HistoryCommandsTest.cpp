// SPDX-License-Identifier: MIT
#include "DiskConditions.h"
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(HistoryCommands, ImportExportImportGivesTheSameHistory) {
    test::CliHarness cli;
    auto imported = cli.run({"import", test::shuffledHistory().string(), "--json"});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.json()["imported"], 3546);
    EXPECT_TRUE(imported.json()["skipped"].empty());
    auto before = cli.run({"history", "--json"}).json();
    ASSERT_EQ(before.size(), 3546u);
    EXPECT_EQ(before[0]["numbers"], nlohmann::json({35, 38, 44, 45, 13, 20, 5})); // drawn order kept
    EXPECT_EQ(before[3545]["idx"], 3546);

    auto exported = cli.run({"export-text", "--json"});
    ASSERT_EQ(exported.code, 0) << exported.err;
    std::string path = exported.json()["path"];
    EXPECT_EQ(std::filesystem::path(path).filename().string(), "更新至2026107期历史号码.txt");
    EXPECT_EQ(test::readFile(path), test::readFile(test::shuffledHistory()));

    ASSERT_EQ(cli.run({"import", path}).code, 0);
    EXPECT_EQ(cli.run({"history", "--json"}).json(), before);
}

TEST(HistoryCommands, AnExportThatRunsOutOfDiskLeavesTheOldFile) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", test::realHistory().string()}).code, 0);
    const std::filesystem::path old = cli.folder() / "history.txt";
    ASSERT_EQ(cli.run({"export-text", old.string()}).code, 0);
    const std::string before = test::readFile(old);
    ASSERT_EQ(cli.run({"add", "1", "2", "3", "4", "5", "6", "7"}).code, 0);

    test::CliResult result;
    {
        // The disk fills up just before the export's last line.
        test::FileSizeLimit nearlyFull(before.size() + 10);
        result = cli.run({"export-text", old.string()});
    }
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("the old file was left unchanged"), std::string::npos) << result.err;
    EXPECT_TRUE(test::readFile(old) == before) << "the old file was changed";
    for (const auto& entry : std::filesystem::directory_iterator(cli.folder().path()))
        EXPECT_NE(entry.path().extension(), ".partial") << "left behind: " << entry.path();
}

TEST(HistoryCommands, ImportReportsSkippedLinesAndRefusesMissingFiles) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"add", "--issue", "2013001", "01", "02", "03", "04", "05", "06", "07"}).code, 0);
    auto missing = cli.run({"import", (cli.folder() / "none.txt").string()});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("none.txt"), std::string::npos);
    EXPECT_EQ(cli.run({"history", "--json"}).json().size(), 1u);
    // A path that names nothing is told so, whatever its name ends in.
    auto unnamed = cli.run({"import", (cli.folder() / "none").string()});
    EXPECT_EQ(unnamed.code, 1);
    EXPECT_NE(unnamed.err.find("none does not exist; check the path"), std::string::npos) << unnamed.err;
    EXPECT_EQ(unnamed.err.find(".txt"), std::string::npos) << unnamed.err;

    auto file = cli.folder().write("in.txt", "2013017 23 05 49 12 31 08 40\r\n2013018 01 02\r\n");
    auto result = cli.run({"import", file.string(), "--json"});
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(result.json()["imported"], 1);
    EXPECT_EQ(
        result.json()["skipped"][0],
        nlohmann::json({{"line", 2}, {"text", "2013018 01 02"}, {"reason", "fewer than seven numbers (found 2)"}}));
}

TEST(HistoryCommands, RowShowsEveryFieldOfTheWorkedExample) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"add", "--issue", "2013017", "23", "05", "49", "12", "31", "08", "40"}).code, 0);
    auto row = cli.run({"row", "2013017", "--json"}).json();
    EXPECT_EQ(row["IDX"], 1);
    EXPECT_EQ(row["SQQH"], 2013017);
    EXPECT_EQ(row["L1A"], 23);
    EXPECT_EQ(row["L1B"], 8);
    EXPECT_EQ(row["L1C"], 1);
    EXPECT_EQ(row["L1E"], 2);
    EXPECT_EQ(row["L1F"], 3);
    EXPECT_EQ(row["L1H"], 4);
    EXPECT_EQ(row["D1A"], 5);
    EXPECT_EQ(row["D1B"], 2);
    EXPECT_EQ(row["D1C"], 3);
    EXPECT_EQ(row["D1E"], 0);
    EXPECT_EQ(row["D1F"], 5);
    EXPECT_EQ(row["D1H"], 1);
    EXPECT_EQ(row["D6A"], 49);
    EXPECT_EQ(row["D7A"], 40);
    EXPECT_FALSE(row.contains("D7B"));
    EXPECT_EQ(row["txtHisLst"], "23 05 49 12 31 08 40 ");
    EXPECT_EQ(row["txtHisLstSx"], "1X02 1X11 1X07 1X08 1X12 1X06 1X03 ");
    EXPECT_EQ(row["txtHisLstXw"], "1X03 1X01 2X01 3X01 1X02 2X03 4X01 ");
    EXPECT_EQ(row["txtHisLstTou"], "1X0 2X0 1X1 1X2 1X3 1X4 2X4 ");
    EXPECT_EQ(row["txtHisLstWei"], "1X5 1X8 1X2 1X3 1X1 1X9 1X0 ");
    EXPECT_EQ(row["txtHisLstHe"], "1X05 1X08 1X03 2X05 1X04 1X13 2X04 ");
    EXPECT_EQ(row["txtHisLstDas"], "1X1 1X0 2X0 2X1 3X1 4X1 3X0 ");
    EXPECT_EQ(row["txtHisLstDs"], "1X1 1X2 2X2 1X4 1X5 1X7 1X6 ");
    EXPECT_EQ(row["txtHisPreLst"], "");

    // The zodiac base flag applies to this run only.
    test::CliHarness base0;
    ASSERT_EQ(
        base0.run({"--zodiac-base", "0", "add", "--issue", "2013017", "23", "05", "49", "12", "31", "08", "40"}).code,
        0);
    auto shifted = base0.run({"row", "2013017", "--json"}).json();
    EXPECT_EQ(shifted["L1B"], 7);
    EXPECT_EQ(shifted["txtHisLstSx"], "1X01 1X10 1X06 1X07 1X11 1X05 1X02 ");
    EXPECT_EQ(base0.run({"settings", "get", "SxIni"}).out, "1\n");
}

TEST(HistoryCommands, AddDefaultsAndUsageErrors) {
    test::CliHarness cli(2014);
    auto first = cli.run({"add", "01", "02", "03", "04", "05", "06", "07", "--json"});
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.json(), nlohmann::json({{"issue", 2014001}, {"idx", 1}}));
    EXPECT_EQ(cli.run({"add", "08", "09", "10", "11", "12", "13", "14", "--json"}).json()["issue"], 2014002);
    EXPECT_EQ(cli.run({"add", "01", "02", "03", "04", "05", "06", "50"}).code, 1);
    EXPECT_EQ(cli.run({"add", "01", "02", "03"}).code, 2);
    EXPECT_EQ(cli.run({"add", "01", "02", "03", "04", "05", "06", "x7"}).code, 2);
    EXPECT_EQ(cli.run({"row", "abc"}).code, 2);
    EXPECT_EQ(cli.run({"row", "2014009"}).code, 1);
    EXPECT_EQ(cli.run({"--zodiac-base", "2", "history"}).code, 2);
    EXPECT_EQ(cli.run({"nosuchcommand"}).code, 2);
    auto help = cli.run({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("min 32767 (shown as 未出 in the window and the workbooks), with \"never_hit\": true"),
              std::string::npos)
        << help.out;
    EXPECT_EQ(cli.run({"history", "--json"}).json().size(), 2u);
}

// A draw typed with full-width digits is the draw they show; one after a gap is stored and the issues missing are
// named; one among the stored draws goes there only on purpose, and the draws it moved are named.
TEST(HistoryCommands, AddSaysWhatItDidToTheDrawsAround) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", test::kSixDraws2013).string()}).code, 0);
    auto wide = cli.run({"add", "０１", "02", "03", "04", "05", "06", "１４", "--json"});
    ASSERT_EQ(wide.code, 0) << wide.err;
    EXPECT_EQ(wide.json(), nlohmann::json({{"issue", 2013027}, {"idx", 7}}));
    EXPECT_EQ(wide.err, "");
    EXPECT_EQ(cli.run({"history", "--json"}).json()[6]["numbers"], nlohmann::json({1, 2, 3, 4, 5, 6, 14}));

    auto gap = cli.run({"add", "--issue", "2013040", "21", "22", "23", "24", "25", "26", "27"});
    ASSERT_EQ(gap.code, 0) << gap.err;
    EXPECT_NE(gap.err.find("warning: draw 2013040 was added, but 12 issue(s) before it are not stored: "
                           "2013028..2013039; add them with add --insert --issue ISSUE"),
              std::string::npos)
        << gap.err;

    auto inserted = cli.run({"add", "--insert", "--issue", "2013024", "21", "22", "23", "24", "25", "26", "27"});
    ASSERT_EQ(inserted.code, 0) << inserted.err;
    EXPECT_NE(inserted.out.find("added draw 2013024 (IDX 5)\nit went among the stored draws: the 4 draw(s) after it, "
                                "issues 2013025..2013040, moved down one place (IDX 6..9)"),
              std::string::npos)
        << inserted.out;
    EXPECT_EQ(inserted.err, "");
    EXPECT_EQ(cli.run({"row", "2013040", "--json"}).json()["IDX"], 9);
}

} // namespace quorvel
