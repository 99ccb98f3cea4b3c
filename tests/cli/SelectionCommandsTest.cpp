// SPDX-License-Identifier: MIT
#include "cli/CliHarness.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

class SelectionCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", test::kSixDraws2013).string()}).code, 0);
    }

    test::CliHarness cli;
};

} // namespace

// A saved selection or a built-in set named in either script or in English gives the group calculation the same
// rows as its boxes given by number; the signs' numbers are those of the next issue's zodiac year (2013).
TEST_F(SelectionCommandsTest, GroupBoxesByNameGiveTheRowsOfTheSameBoxesByNumber) {
    ASSERT_EQ(cli.run({"selection", "save", "我的", "--kind", "number", "--boxes", "3..5,9"}).code, 0);
    struct Case {
        const char* kind;
        const char* named;
        const char* numbered;
        const char* language;
    };
    const Case cases[]{
        {"zodiac", "@家禽", "2,7,8,10,11,12", "zh_CN"},
        {"zodiac", "@野獸", "1,3,4,5,6,9", "zh_HK"},
        {"number", "@紅波", "1,2,7,8,12,13,18,19,23,24,29,30,34,35,40,45,46", "zh_HK"},
        {"number", "@red wave", "1,2,7,8,12,13,18,19,23,24,29,30,34,35,40,45,46", "en"},
        {"number", "@鼠号", "6,18,30,42", "zh_CN"},
        {"number", "@0尾,@4头", "10,20,30,40,41,42,43,44,45,46,47,48,49", "zh_CN"},
        {"number", "@我的,49", "3,4,5,9,49", "en"},
        {"parity", "@全部", "1,2", "zh_CN"},
        {"half-wave-parity", "@蓝波,@单", "1,3,4,5", "zh_CN"},
        {"half-wave-size", "@小", "2,4,6", "zh_HK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        auto named = cli.run({"group", "--kind", c.kind, "--size", "1", "--boxes", c.named, "--json"}, c.language);
        ASSERT_EQ(named.code, 0) << named.err;
        EXPECT_EQ(named.out, cli.run({"group", "--kind", c.kind, "--size", "1", "--boxes", c.numbered, "--json"}).out);
    }

    struct Refusal {
        std::vector<std::string> arguments;
        const char* said;
    };
    const Refusal refusals[]{
        {{"group", "--boxes", "@无此名"}, "there is no saved selection and no built-in set named 无此名"},
        {{"group", "--kind", "number", "--boxes", "@家禽"}, "the selection 家禽 holds values of 生肖, not of 号码"},
        {{"selection", "save", "紅波", "--boxes", "1"}, "紅波 is the name of a built-in set"},
        {{"selection", "save", "我的", "--boxes", "1"}, "add --replace"},
        {{"selection", "delete", "家禽"}, "家禽 is a built-in set: it cannot be deleted"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.said);
        auto refused = cli.run(refusal.arguments);
        EXPECT_EQ(refused.code, 1);
        EXPECT_NE(refused.err.find(refusal.said), std::string::npos) << refused.err;
    }

    auto listed = cli.run({"selection", "list", "--kind", "number", "--json"}).json()["selections"];
    EXPECT_EQ(listed.back(),
              nlohmann::json::parse(R"({"name":"我的","kind":"number","boxes":[3,4,5,9],"builtin":false})"));
    EXPECT_EQ(listed.front()["name"], "红波");
    ASSERT_EQ(cli.run({"selection", "delete", "我的"}).code, 0);
    EXPECT_EQ(cli.run({"group", "--boxes", "@我的"}).code, 1);
}

} // namespace quorvel
