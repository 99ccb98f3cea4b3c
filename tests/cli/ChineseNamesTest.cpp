// SPDX-License-Identifier: MIT
#include "cli/CliHarness.h"
#include "model/PathText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quorvel {

namespace {

// Three draws as the history text writer writes them, so that its copies read back byte for byte.
const std::string kHistory = "2013152 01 02 03 04 05 06 07 \r\n2013153 08 09 10 11 12 13 14 \r\n"
                             "2014001 15 16 17 18 19 20 21 \r\n";

} // namespace

// A data folder and a history file named in Chinese (六合彩/历史.txt): the history is imported, exported and backed up
// under those names, and every path the CLI prints names the file it wrote.
TEST(ChineseNames, ImportExportAndBackUpInAChineseNamedDataFolder) {
    test::TempFolder temp;
    const std::filesystem::path folder = temp.path() / textPath("六合彩");
    FixedClock clock(2026);
    auto run = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--data-dir", pathText(folder)});
        std::ostringstream out, err;
        const int code = runCli(arguments, out, err, clock);
        return test::CliResult{code, out.str(), err.str()};
    };

    // The store is created in the Chinese-named folder, and the history file's name reaches the reader unchanged.
    std::filesystem::create_directories(folder);
    const std::filesystem::path history = folder / textPath("历史.txt");
    std::ofstream(history, std::ios::binary) << kHistory;
    test::CliResult imported = run({"import", pathText(history), "--json"});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.json()["imported"], 3);
    EXPECT_TRUE(std::filesystem::exists(folder / "quorvel.db"));

    struct Export {
        std::vector<std::string> arguments;
        std::filesystem::path written;
    };
    const std::vector<Export> exports{
        {{"export-text"}, folder / textPath("更新至2014001期历史号码.txt")},
        {{"export-text", pathText(folder / textPath("导出.txt"))}, folder / textPath("导出.txt")},
        {{"export-xlsx", "history", pathText(folder / textPath("历史.xlsx"))}, folder / textPath("历史.xlsx")},
    };
    for (const Export& e : exports) {
        SCOPED_TRACE(e.arguments.front() + " " + pathText(e.written.filename()));
        std::filesystem::remove(e.written);
        std::vector<std::string> arguments = e.arguments;
        arguments.push_back("--json");
        test::CliResult json = run(arguments);
        ASSERT_EQ(json.code, 0) << json.err;
        EXPECT_EQ(json.json()["path"], pathText(e.written));
        const std::string content = test::readFile(e.written);
        if (e.written.extension() == ".txt")
            EXPECT_EQ(content, kHistory);
        else
            EXPECT_EQ(content.substr(0, 2), "PK"); // a workbook is a zip archive
        test::CliResult text = run(e.arguments);
        EXPECT_EQ(text.out.substr(0, 6 + pathText(e.written).size()), "wrote " + pathText(e.written));
    }

    // The safety copy of a change that removes draws goes to the data folder's backup folder; a store found damaged
    // names it as the newest backup, and importing it restores the history.
    test::CliResult deleted = run({"delete-last", "--json"});
    ASSERT_EQ(deleted.code, 0) << deleted.err;
    const std::filesystem::path backup = textPath(deleted.json()["backup"].get<std::string>());
    EXPECT_EQ(backup.parent_path(), folder / "backup");
    EXPECT_EQ(test::readFile(backup), kHistory);
    std::filesystem::rename(folder / "quorvel.db", folder / "quorvel.db.kept");
    std::ofstream(folder / "quorvel.db", std::ios::binary) << std::string(4096, 'x');
    test::CliResult damaged = run({"history"});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_NE(damaged.err.find("import the newest backup, " + pathText(backup)), std::string::npos) << damaged.err;
    std::filesystem::rename(folder / "quorvel.db.kept", folder / "quorvel.db");
    test::CliResult restored = run({"import", pathText(backup), "--json"});
    ASSERT_EQ(restored.code, 0) << restored.err;
    EXPECT_EQ(restored.json()["imported"], 3);
}

} // namespace quorvel
