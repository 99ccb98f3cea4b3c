// SPDX-License-Identifier: MIT
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {

namespace {

// Thirty draws of 2013 whose special numbers are 1..5 (or 30, none of them); the regular numbers are 40..45.
std::string thirtyDraws() {
    const int specials[30] = {1, 2, 3, 4, 5,  1, 2, 3, 4,  5, 1, 30, 4,  2, 30,
                              3, 5, 5, 1, 30, 2, 4, 3, 30, 1, 5, 2,  30, 3, 4};
    std::string text;
    for (int d = 0; d < 30; ++d) {
        char line[64];
        std::snprintf(line, sizeof line, "%d 40 41 42 43 44 45 %02d\r\n", 2013001 + d, specials[d]);
        text += line;
    }
    return text;
}

} // namespace

// A domestic or wild special number is picked by the chance of its sign's year: with special number 05 (牛 in 2025)
// in the first draw and 02 (wild in 2025 and 2026) in the others, 家禽 is away longest at each of the 20 decisions;
// 9 of the draws it predicts (2026011..2026019) belong to 2025, where 家禽 holds 24 numbers, 11 to 2026, where it
// holds 25.
TEST(BacktestCommandTest, DomesticPicksExpectTheChanceOfEachDrawsYear) {
    std::string text;
    for (int d = 1; d <= 30; ++d)
        text += std::to_string(2026000 + d) + (d == 1 ? " 40 41 42 43 44 45 05\r\n" : " 40 41 42 43 44 45 02\r\n");
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", text).string()}).code, 0);
    const test::CliResult run = cli.run({"backtest", "--kind", "domestic", "--boxes", "1,2", "--size", "1", "--where",
                                         "special", "--from", "2026010", "--pick", "1", "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.json()["decisions"], 20);
    EXPECT_EQ(run.json()["hits"], 0);
    EXPECT_NEAR(run.json()["expected"].get<double>(), (9 * 24.0 + 11 * 25.0) / 49, 1e-12);
}

// The overdue special numbers among boxes 1..5 with three picks, from the 10th draw: counted by hand, the three
// values away longest came next at 14 of the 20 decisions (they missed after issues 11, 14, 17, 19, 23 and 27),
// each pick expecting 1/49.
TEST(BacktestCommandTest, HandCountedOverdueSpecialNumbers) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", thirtyDraws()).string()}).code, 0);
    const std::vector<std::string> arguments = {"backtest", "--kind",  "number", "--boxes", "1,2,3,4,5", "--size", "1",
                                                "--where",  "special", "--from", "2013010", "--pick",    "3"};
    auto argumentsJson = arguments;
    argumentsJson.push_back("--json");
    const test::CliResult run = cli.run(argumentsJson);
    ASSERT_EQ(run.code, 0) << run.err;
    const nlohmann::json result = run.json();
    EXPECT_EQ(result["first_issue"], 2013010);
    EXPECT_EQ(result["last_issue"], 2013029);
    EXPECT_EQ(result["decisions"], 20);
    EXPECT_EQ(result["picked"], 60);
    EXPECT_EQ(result["hits"], 14);
    EXPECT_NEAR(result["expected"].get<double>(), 60.0 / 49, 1e-12);
    EXPECT_EQ(result["ties"], 0);
    // One special number per draw: two picks never hit together, so each decision's variance is
    // 3p(1 - p) - 6p^2.
    const double variance = 20 * (3.0 / 49 * (48.0 / 49) - 6.0 / 49 / 49);
    EXPECT_NEAR(result["z"].get<double>(), (14 - 60.0 / 49) / std::sqrt(variance), 1e-9);
    EXPECT_EQ(result["verdict"], "more");
    EXPECT_EQ(result["seed"], 1);
    EXPECT_EQ(result["baseline"]["picked"], 60);
    // Every eligible value at every decision: 5 x 20, of which the 15 draws without 30 hit one.
    long count = 0, hits = 0;
    double expected = 0;
    for (const auto& bin : result["bins"]) {
        count += bin["count"].get<long>();
        hits += bin["hits"].get<long>();
        expected += bin["expected"].get<double>();
    }
    EXPECT_EQ(count, 100);
    EXPECT_EQ(hits, 15);
    EXPECT_NEAR(expected, 100.0 / 49, 1e-12);
    EXPECT_EQ(result["sentence"].get<std::string>().rfind("Picking the values away longest hit more often than picking "
                                                          "at random: 3 picked each time, 14 hits where chance gives "
                                                          "1.2 (z = 11.92, p < 0.0001).",
                                                          0),
              0u)
        << result["sentence"];

    // The text speaks the user's language; --json does not.
    const test::CliResult text = cli.run(arguments, "zh_HK");
    const test::CliResult json = cli.run(argumentsJson, "zh_HK");
    EXPECT_EQ(text.out.rfind("選遺漏最久的號碼，比隨便選更常中：每次選 3 個，命中 14 次", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("並不能令下一期變得可以預測"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("P(≥當前遺漏)"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find("p_at_least_last"), std::string::npos) << text.out;
    EXPECT_EQ(json.json()["sentence"], result["sentence"]);

    struct Refusal {
        std::vector<std::string> arguments;
        int code;
        std::string message;
    } refusals[] = {
        {{"--boxes", "1,2", "--size", "2", "--where", "special"}, 2, "--where applies to groups of one value"},
        {{"--boxes", "1,2", "--size", "1", "--pick", "0"}, 2, "--pick takes a number of groups of at least 1"},
        {{"--boxes", "1,2", "--size", "1", "--pick", "1"}, 1, "the 500th draw; choose an earlier start issue"},
        {{"--boxes", "1,2", "--size", "1", "--pick", "1", "--from", "2013030"}, 1, "choose an earlier start issue"},
        {{"--boxes", "1", "--size", "2", "--from", "2013001"}, 1, "nothing to backtest"},
    };
    for (const Refusal& refusal : refusals) {
        std::vector<std::string> line = {"backtest"};
        line.insert(line.end(), refusal.arguments.begin(), refusal.arguments.end());
        const test::CliResult refused = cli.run(line);
        EXPECT_EQ(refused.code, refusal.code) << refusal.message;
        EXPECT_NE(refused.err.find(refusal.message), std::string::npos) << refused.err;
    }
}

} // namespace quorvel
