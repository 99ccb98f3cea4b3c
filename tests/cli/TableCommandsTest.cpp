// SPDX-License-Identifier: MIT
#include "XlsxReader.h"
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

const char* const kHistory = test::kSixDraws2013;

template <typename Json> std::vector<std::string> labelsOf(const Json& table) {
    std::vector<std::string> labels;
    for (const auto& row : table["rows"])
        labels.push_back(row["label"]);
    return labels;
}

} // namespace

// The rows as JSON (one per value, the keys in order), the same row as the search of that value, the order
// of --sort, the range of --last, and the coloured workbook.
TEST(TableCommandsTest, RowsSortRangeAndWorkbook) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0);

    auto colours = cli.run({"table", "--kind", "colour", "--where", "any", "--json"});
    ASSERT_EQ(colours.code, 0) << colours.err;
    const auto table = nlohmann::ordered_json::parse(colours.out);
    EXPECT_EQ(labelsOf(table), (std::vector<std::string>{"红", "蓝", "绿"}));
    std::vector<std::string> keys;
    for (const auto& [key, value] : table["rows"][0].items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"value", "label", "hits", "min", "max", "last", "average", "longest_run",
                                              "previous", "hits_10", "hits_30", "hits_100", "p_hit", "expected_gap",
                                              "p_at_least_last"}));
    EXPECT_NE(table["rules"].get<std::string>().find("any of the seven numbers"), std::string::npos);

    // Number 49 as the special number: the row equals the fixed search at 特位.
    auto numbers = cli.run({"table", "--json"});
    auto search = cli.run({"search", "--mode", "fixed", "--pos", "7=49", "--json"});
    const nlohmann::json row49 = numbers.json()["rows"][48];
    const nlohmann::json searched = search.json();
    for (const char* key : {"min", "max", "last", "average", "longest_run", "previous", "p_hit", "p_at_least_last"})
        EXPECT_EQ(row49[key], searched[key]) << key;
    EXPECT_EQ(row49["hits"], searched["hits_in_range"]);
    // A value never drawn keeps the stored min, 32767, and says so beside it.
    int neverDrawn = 0;
    const nlohmann::json numberRows = numbers.json()["rows"];
    for (const auto& row : numberRows) {
        EXPECT_EQ(row.contains("never_hit"), row["min"] == 32767) << row["value"];
        neverDrawn += row.value("never_hit", false);
    }
    EXPECT_GT(neverDrawn, 0);

    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> labels;
    } cases[] = {
        // Parity of the special number: 双 (14, 8, 8) and 单 (7, 49, 49); 单 came last.
        {{"--kind", "parity"}, {"双", "单"}},
        {{"--kind", "parity", "--sort", "last"}, {"单", "双"}},
        {{"--kind", "parity", "--sort", "last", "--descending"}, {"双", "单"}},
        // Heads of the regular numbers in the latest two draws: 0 and 1 in both (average 1), 2 and 3 in the
        // latest (average 2); head 4 never came, so it has no average and goes last whichever way.
        {{"--kind", "head", "--where", "regular", "--last", "2", "--sort", "average"}, {"0", "1", "2", "3", "4"}},
        {{"--kind", "head", "--where", "regular", "--last", "2", "--sort", "average", "--descending"},
         {"2", "3", "0", "1", "4"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments{"table", "--json"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        auto result = cli.run(arguments);
        ASSERT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(labelsOf(result.json()), c.labels) << c.arguments.back();
    }

    const auto file = cli.folder() / "table.xlsx";
    auto written = cli.run({"table", "--kind", "zodiac", "--xlsx", file.string()});
    ASSERT_EQ(written.code, 0) << written.err;
    const test::XlsxSheet sheet = test::readXlsx(file);
    ASSERT_EQ(sheet.cells.size(), 13u);
    EXPECT_EQ(sheet.cells[0][0], "生肖");
    EXPECT_EQ(sheet.cells[0][1], "出现次数");
    EXPECT_EQ(test::readXlsx(file, 2).name, "Rules");
    // The sign of 49, the special number twice in six draws, is marked hot.
    int error = 0;
    zip_t* archive = zip_open(file.string().c_str(), ZIP_RDONLY, &error);
    ASSERT_NE(archive, nullptr);
    const std::string styles = test::detail::zipEntry(archive, "xl/styles.xml");
    zip_close(archive);
    EXPECT_NE(styles.find("patternType=\"solid\""), std::string::npos) << styles;
    EXPECT_NE(written.out.find("近10期"), std::string::npos);
}

// Refusals say what was wrong: usage errors exit 2, an empty history 1.
TEST(TableCommandsTest, Refusals) {
    test::CliHarness cli;
    struct Case {
        std::vector<std::string> arguments;
        int code;
        const char* says;
    } cases[] = {
        {{"table"}, 1, "no history"},
        {{"table", "--where", "8"}, 2, "use special, regular, any or a position 1..7"},
        {{"table", "--sort", "gap"}, 2, "unknown --sort column 'gap'"},
        {{"table", "--last", "10", "--from", "2013001"}, 2, "not both"},
        {{"table", "--last", "0"}, 2, "at least 1"},
        {{"table", "--descending"}, 2, "--descending needs --sort"},
    };
    for (const Case& c : cases) {
        auto result = cli.run(c.arguments);
        EXPECT_EQ(result.code, c.code) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
}

} // namespace quorvel
