// SPDX-License-Identifier: MIT
#include "XlsxReader.h"
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvel {

// Six draws whose special numbers are 07 14 08 08 49 49: the JSON's keys and figures, the last row against the
// omission table's last, --last carrying counts from the first stored draw, the terminal grid and the workbook.
TEST(TrendCommandTest, JsonTextAndWorkbook) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", test::kSixDraws2013).string()}).code, 0);

    auto result = cli.run({"trend", "--json"});
    ASSERT_EQ(result.code, 0) << result.err;
    const nlohmann::ordered_json trend = nlohmann::ordered_json::parse(result.out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : trend.items())
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"columns", "rows", "summary", "rules"}));
    ASSERT_EQ(trend["columns"].size(), 49u);
    EXPECT_EQ(trend["columns"][48], (nlohmann::ordered_json{{"value", 49}, {"label", "49"}}));
    ASSERT_EQ(trend["rows"].size(), 6u);
    EXPECT_EQ(trend["rows"][0]["issue"], 2013020);
    struct Column {
        int index;
        std::vector<int> cells;
        int hits, max, run;
        double average;
    } columns[] = {
        {48, {1, 2, 3, 4, 0, 0}, 2, 4, 2, 1.33}, // 49: no hit before IDX 5, so counted from the first draw
        {7, {1, 2, 0, 0, 1, 2}, 2, 2, 2, 1.33},  // 08
        {6, {0, 1, 2, 3, 4, 5}, 1, 5, 1, 2.5},   // 07
    };
    for (const Column& c : columns) {
        SCOPED_TRACE("column " + std::to_string(c.index));
        for (std::size_t r = 0; r < 6; ++r)
            EXPECT_EQ(trend["rows"][r]["cells"][static_cast<std::size_t>(c.index)], c.cells[r]) << "row " << r;
        const auto& summary = trend["summary"];
        EXPECT_EQ(summary["hits"][static_cast<std::size_t>(c.index)], c.hits);
        EXPECT_EQ(summary["max"][static_cast<std::size_t>(c.index)], c.max);
        EXPECT_EQ(summary["longest_run"][static_cast<std::size_t>(c.index)], c.run);
        EXPECT_DOUBLE_EQ(summary["average"][static_cast<std::size_t>(c.index)].get<double>(), c.average);
    }
    EXPECT_NE(trend["rules"].get<std::string>().find("cell 0 and last omission 1"), std::string::npos);

    // The last row is the omission table's last omission less one, for every zodiac sign of the regular numbers.
    const auto signs = cli.run({"trend", "--kind", "zodiac", "--where", "regular", "--json"}).json();
    const auto table = cli.run({"table", "--kind", "zodiac", "--where", "regular", "--json"}).json();
    for (std::size_t c = 0; c < 12; ++c)
        EXPECT_EQ(signs["rows"][5]["cells"][c].get<int>() + 1, table["rows"][c]["last"].get<int>()) << c;

    // The latest two draws: 01 was never the special number, so its counts run on from the first stored draw.
    const auto latest = cli.run({"trend", "--last", "2", "--json"}).json();
    ASSERT_EQ(latest["rows"].size(), 2u);
    EXPECT_EQ(latest["rows"][0]["cells"][0], 5);
    EXPECT_EQ(latest["rows"][1]["cells"][7], 2);
    EXPECT_EQ(latest["summary"]["average"][0], 2.0);

    // The terminal grid in 简体: issue rows of one width, hits in brackets, misses as counts, the summary rows below.
    auto text = cli.run({"trend", "--kind", "colour", "--last", "2"}, "zh_CN");
    ASSERT_EQ(text.code, 0) << text.err;
    std::istringstream lines(text.out);
    std::vector<std::string> grid;
    for (std::string line; std::getline(lines, line) && !line.empty();)
        grid.push_back(line);
    ASSERT_EQ(grid.size(), 7u) << text.out;
    EXPECT_EQ(grid[1], "2013025       1    3 [绿]") << text.out;
    EXPECT_EQ(grid[2], "2013026       2    4 [绿]") << text.out;
    EXPECT_EQ(grid[3].rfind("出现次数", 0), 0u);

    const auto file = cli.folder() / "trend.xlsx";
    ASSERT_EQ(cli.run({"trend", "--last", "3", "--xlsx", file.string()}).code, 0);
    const test::XlsxSheet sheet = test::readXlsx(file);
    ASSERT_EQ(sheet.cells.size(), 8u); // header, three draws, four summary rows
    EXPECT_EQ(sheet.cells[0][0], "期号");
    EXPECT_EQ(sheet.cells[3][49], "49");
    EXPECT_EQ(sheet.cells[3][1], "6");
    EXPECT_EQ(sheet.cells[7][0], "最大连出值");
    EXPECT_EQ(test::readXlsx(file, 2).name, "Rules");
    int error = 0;
    zip_t* archive = zip_open(file.string().c_str(), ZIP_RDONLY, &error);
    ASSERT_NE(archive, nullptr);
    const std::string styles = test::detail::zipEntry(archive, "xl/styles.xml");
    zip_close(archive);
    EXPECT_NE(styles.find("FF23964A"), std::string::npos) << styles; // 49 is a green ball
}

} // namespace quorvel

namespace quorvel {

// Refusals say what was wrong: usage errors exit 2, an empty history 1.
TEST(TrendCommandTest, Refusals) {
    test::CliHarness cli;
    struct Case {
        std::vector<std::string> arguments;
        int code;
        const char* says;
    } cases[] = {
        {{"trend"}, 1, "no history"},
        {{"trend", "--where", "8"}, 2, "use special, regular, any or a position 1..7"},
        {{"trend", "--kind", "stars"}, 2, "unknown kind 'stars'"},
        {{"trend", "--last", "10", "--to", "2013001"}, 2, "not both"},
        {{"trend", "--last", "0"}, 2, "at least 1"},
    };
    for (const Case& c : cases) {
        auto result = cli.run(c.arguments);
        EXPECT_EQ(result.code, c.code) << result.err;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
}

} // namespace quorvel
