// SPDX-License-Identifier: MIT
#include "XlsxReader.h"
#include "cli/CliHarness.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

namespace quorvel {

namespace {

const char* const kHistory = test::kSixDraws2013;

class AnalysisCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", kHistory).string()}).code, 0); }

    test::CliHarness cli;
};

// The fields of the fixed grids, the fuller figures and the counting rules left out.
nlohmann::json fixedFields(nlohmann::json object) {
    for (const char* key : {"hits_in_range", "average", "longest_run", "previous", "p_hit", "expected_gap",
                            "p_at_least_last", "p_source", "rules"})
        object.erase(key);
    if (object.contains("rows"))
        for (auto& row : object["rows"])
            row = fixedFields(row);
    return object;
}

std::vector<int> issuesOf(const nlohmann::json& result) {
    std::vector<int> issues;
    for (const auto& hit : result["hits"])
        issues.push_back(hit["issue"]);
    return issues;
}

} // namespace

TEST_F(AnalysisCommandsTest, SearchRangesAndReferenceDraws) {
    auto fixed = cli.run({"search", "--kind", "number", "--mode", "fixed", "--pos", "7=49", "--json"});
    ASSERT_EQ(fixed.code, 0) << fixed.err;
    EXPECT_EQ(fixedFields(fixed.json()), nlohmann::json::parse(R"({"label":"49 ","hits":[
        {"issue":2013025,"cells":["9","10","11","12","13","15","49"],"gap":5,"seq":1},
        {"issue":2013026,"cells":["38","26","1","3","4","11","49"],"gap":1,"seq":2}],"min":1,"max":5,"last":1})"));

    // The reference draw is the latest not after 2013024; --before ends the range before it.
    auto reference = cli.run({"search", "--kind", "parity", "--ref", "2013024", "--positions", "1,7", "--json"});
    ASSERT_EQ(reference.code, 0) << reference.err;
    EXPECT_EQ(reference.json()["label"], "双 双 ");
    EXPECT_EQ(issuesOf(reference.json()), (std::vector<int>{2013020, 2013021, 2013022, 2013023, 2013025, 2013026}));
    auto before = cli.run({"search", "--kind", "number", "--mode", "fixed", "--ref", "2013024", "--before",
                           "--positions", "2", "--json"});
    EXPECT_EQ(issuesOf(before.json()), (std::vector<int>{2013021, 2013022}));
    EXPECT_EQ(before.json()["last"], 4);
    auto overridden = cli.run({"search", "--ref", "2013026", "--before", "--to", "2013021", "--json"});
    EXPECT_EQ(issuesOf(overridden.json()), (std::vector<int>{2013020, 2013021}));

    // Free mode labels the values as typed; the engines agree.
    auto typed = cli.run({"search", "--kind", "zodiac", "--pos", "2=5", "--pos", "5=05", "--json"});
    EXPECT_EQ(typed.json()["label"], "5 05 ");
    EXPECT_EQ(cli.run({"--engine", "sql", "search", "--kind", "zodiac", "--pos", "2=5", "--pos", "5=05", "--json"}).out,
              typed.out);
}

TEST_F(AnalysisCommandsTest, PartialSearchLabelEndsWithThePartSize) {
    auto partial =
        cli.run({"partial", "--kind", "number", "--values", "05,11,23,30,31,44,02", "--size", "3", "--json"});
    ASSERT_EQ(partial.code, 0) << partial.err;
    EXPECT_EQ(partial.json()["label"], "05 11 23 30 31 44 02 3");
    EXPECT_EQ(cli.run({"partial", "--values", "1,2,3"}).code, 2);
    EXPECT_EQ(cli.run({"partial", "--values", "1,2,3,4,5,6,7", "--ref", "2013021"}).code, 2);
    auto outside = cli.run({"partial", "--values", "1,2,3,4,5,6,7", "--size", "9", "--json"});
    EXPECT_EQ(outside.code, 0);
    EXPECT_TRUE(outside.json()["hits"].empty());
    EXPECT_EQ(outside.json()["min"], 32767);
    EXPECT_EQ(outside.json()["never_hit"], true);
    EXPECT_EQ(partial.json().contains("never_hit"), partial.json()["min"] == 32767);
}

TEST_F(AnalysisCommandsTest, GroupLabelsPrintWholeInBothTablesWhateverTheirLength) {
    struct Case {
        std::vector<std::string> arguments;
        std::string language;
        std::string label;
    };
    for (const Case& c : std::vector<Case>{
             {{"group", "--size", "4", "--boxes", "1..9"}, "en", "01 02 03 04"},
             {{"group", "--kind", "zodiac", "--size", "6", "--boxes", "1..12"}, "zh_HK", "鼠 牛 虎 兔 龍 蛇"},
             {{"group", "--kind", "half-wave-parity", "--size", "6", "--boxes", "1..6"},
              "zh_HK",
              "紅單 紅雙 藍單 藍雙 綠單 綠雙"},
         }) {
        const auto printed = cli.run(c.arguments, c.language);
        ASSERT_EQ(printed.code, 0) << printed.err;
        std::size_t lines = 0;
        for (std::size_t at = printed.out.find("\n" + c.label + "\t"); at != std::string::npos;
             at = printed.out.find("\n" + c.label + "\t", at + 1))
            ++lines;
        EXPECT_EQ(lines, 2u) << c.label;
    }
}

TEST_F(AnalysisCommandsTest, GroupRowsNotesAndLimits) {
    auto group =
        cli.run({"group", "--kind", "number", "--size", "1", "--boxes", "49,5,17", "--sort", "label", "--json"});
    ASSERT_EQ(group.code, 0) << group.err;
    EXPECT_EQ(fixedFields(group.json()), nlohmann::json::parse(R"({"rows":[{"content":"05","min":1,"max":1,"last":3},
        {"content":"17","min":32767,"never_hit":true,"max":0,"last":7},
        {"content":"49","min":32767,"never_hit":true,"max":0,"last":7}]})"));
    auto special = cli.run({"group", "--kind", "number", "--size", "1", "--boxes", "49", "--with-special", "--json"});
    EXPECT_EQ(fixedFields(special.json()["rows"][0]),
              nlohmann::json::parse(R"({"content":"49","min":1,"max":5,"last":1})"));

    auto none = cli.run({"group", "--size", "7", "--boxes", "1,2,3", "--json"});
    EXPECT_EQ(none.code, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("outside 1..6"), std::string::npos);
    auto few = cli.run({"group", "--kind", "colour", "--size", "4", "--boxes", "1,2,3", "--json"});
    EXPECT_EQ(few.code, 2);
    EXPECT_NE(few.err.find("3 usable value"), std::string::npos);

    std::string boxes;
    for (int box = 1; box <= 41; ++box)
        boxes += (box > 1 ? "," : "") + std::to_string(box);
    auto tooMany = cli.run({"group", "--size", "3", "--boxes", boxes});
    EXPECT_EQ(tooMany.code, 1);
    EXPECT_NE(tooMany.err.find("3个分组请选择40个（含）以内的个数的号码"), std::string::npos);
    // A run of boxes ticks each of them.
    EXPECT_EQ(cli.run({"group", "--size", "3", "--boxes", "1..41"}).err, tooMany.err);
    EXPECT_EQ(cli.run({"group", "--size", "2", "--boxes", "3..5,9", "--json"}).out,
              cli.run({"group", "--size", "2", "--boxes", "3,4,5,9", "--json"}).out);
}

// The rows are printed while the store writes them; a write that fails after they were printed still fails the
// command, in text and in JSON.
TEST_F(AnalysisCommandsTest, GroupFailsWhenItsPrintedRowsCannotBeStored) {
    for (const char* format : {"--json", "--sort=label"}) {
        SCOPED_TRACE(format);
        const std::vector<std::string> group{"group", "--size", "2", "--boxes", "1,3,4,5,26", format};
        auto stored = cli.run(group);
        ASSERT_EQ(stored.code, 0) << stored.err;
        {
            SQLite::Database db((cli.folder() / "quorvel.db").string(), SQLite::OPEN_READWRITE);
            db.exec("CREATE TRIGGER refuse_yl BEFORE INSERT ON YL BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
        }
        auto failed = cli.run(group);
        EXPECT_EQ(failed.code, 1);
        EXPECT_EQ(failed.out, stored.out);
        EXPECT_NE(failed.err.find("storing the 10 rows of the group calculation failed"), std::string::npos)
            << failed.err;
        EXPECT_NE(failed.err.find("disk is full"), std::string::npos) << failed.err;
        SQLite::Database((cli.folder() / "quorvel.db").string(), SQLite::OPEN_READWRITE).exec("DROP TRIGGER refuse_yl");
    }
}

TEST_F(AnalysisCommandsTest, NoLimitLiftsTheSizeLimitsForOneRunUpToTheCeiling) {
    auto boxes = [](int count) {
        std::string list;
        for (int box = 1; box <= count; ++box)
            list += (box > 1 ? "," : "") + std::to_string(box);
        return list;
    };
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::size_t rows;
        std::vector<std::string> said; // on stderr
    } cases[] = {
        {{"group", "--size", "3", "--boxes", boxes(41), "--no-limit"}, 0, 10660, {}},
        {{"group", "--size", "3", "--boxes", boxes(41)}, 1, 0, {"3个分组请选择40个（含）以内的个数的号码"}},
        {{"group", "--size", "6", "--boxes", boxes(49), "--no-limit"}, 1, 0, {"13983816 groups", "2000000"}},
        {{"--engine", "sql", "group", "--size", "4", "--boxes", boxes(25), "--no-limit"},
         1,
         0,
         {"4个分组请选择24个（含）以内的个数的号码", "keeps the size limits"}},
        {{"--engine", "sql", "group", "--size", "2", "--boxes", boxes(4), "--no-limit"},
         0,
         6,
         {"keeps the size limits"}},
    };
    for (Case& c : cases) {
        std::string shown;
        for (const std::string& argument : c.arguments)
            shown += (argument.size() > 20 ? argument.substr(0, 8) + "..." : argument) + " ";
        SCOPED_TRACE(shown);
        c.arguments.push_back("--json");
        auto result = cli.run(c.arguments);
        ASSERT_EQ(result.code, c.code) << result.err;
        if (c.code == 0) {
            EXPECT_EQ(result.json()["rows"].size(), c.rows);
        }
        for (const std::string& text : c.said)
            EXPECT_NE(result.err.find(text), std::string::npos) << result.err;
    }
}

TEST_F(AnalysisCommandsTest, GridsGoToWorkbooksAsShown) {
    auto hits = cli.folder() / "Jiansuo.xlsx";
    ASSERT_EQ(cli.run({"search", "--kind", "colour", "--mode", "fixed", "--pos", "7=1", "--xlsx", hits.string()}).code,
              0);
    auto sheet = test::readXlsx(hits);
    ASSERT_EQ(sheet.cells.size(), 4u); // the header and the three draws with a red special number
    EXPECT_EQ(sheet.cells[0][0], "期号");
    EXPECT_EQ(sheet.cells[1],
              (std::vector<std::string>{"2013020", "红", "蓝", "蓝", "蓝", "绿", "绿", "红", "1", "1"}));

    auto results = cli.folder() / "Jieguo.xlsx";
    ASSERT_EQ(cli.run({"group", "--size", "1", "--boxes", "5,17", "--sort", "max", "--xlsx", results.string()}).code,
              0);
    EXPECT_EQ(test::readXlsx(results).cells,
              (std::vector<std::vector<std::string>>{{"号码（分组）", "最小遗漏", "最大遗漏", "最后遗漏"},
                                                     {"17", "未出", "0", "7"},
                                                     {"05", "1", "1", "3"}}));
}

TEST_F(AnalysisCommandsTest, FullerFiguresAndTheCountingRulesGoOut) {
    // Hits at IDX 5 and 6 of six: gaps 5 and 1; the last omission 1 is certain to be reached.
    auto search = cli.run({"search", "--mode", "fixed", "--pos", "7=49", "--json"}).json();
    EXPECT_EQ(search["hits_in_range"], 2);
    EXPECT_EQ(search["average"], 3.0);
    EXPECT_EQ(search["longest_run"], 2);
    EXPECT_EQ(search["previous"], 1);
    EXPECT_DOUBLE_EQ(search["p_hit"].get<double>(), 1.0 / 49);
    EXPECT_DOUBLE_EQ(search["expected_gap"].get<double>(), 49.0);
    EXPECT_EQ(search["p_at_least_last"], 1.0);
    EXPECT_EQ(search["p_source"], "exact");
    EXPECT_NE(search["rules"].get<std::string>().find("only as position 7"), std::string::npos);
    auto partial = cli.run({"partial", "--values", "5,1,1,1,1,1,1", "--size", "2", "--from", "2013022", "--json"});
    EXPECT_EQ(partial.json()["p_source"], "observed");
    EXPECT_TRUE(partial.json()["average"].is_number());

    // --sort p: the longest absence for its chance first, figures the range cannot give last.
    auto contents = [](const nlohmann::json& rows) {
        std::vector<std::string> list;
        for (const auto& row : rows)
            list.push_back(row["content"]);
        return list;
    };
    auto whole = cli.run({"group", "--size", "1", "--boxes", "5,17,49", "--sort", "p", "--json"}).json();
    EXPECT_EQ(contents(whole["rows"]), (std::vector<std::string>{"17", "49", "05"}));
    EXPECT_NE(whole["rules"].get<std::string>().find("not counted"), std::string::npos);
    auto later = cli.run({"group", "--size", "1", "--boxes", "5,17,49", "--sort", "p", "--from", "2013021", "--json"});
    EXPECT_EQ(contents(later.json()["rows"]), (std::vector<std::string>{"05", "17", "49"}));
    EXPECT_TRUE(later.json()["rows"][1]["p_at_least_last"].is_null());
    EXPECT_TRUE(later.json()["rows"][1]["average"].is_null());

    // The table output keeps the fixed grid first; workbooks keep Sheet1 and add the rules.
    auto table = cli.run({"group", "--size", "1", "--boxes", "5", "--with-special"});
    EXPECT_EQ(table.out.substr(0, table.out.find("\n\n")), "号码（分组）\t最小遗漏\t最大遗漏\t最后遗漏\n05\t1\t1\t3");
    EXPECT_NE(table.out.find("p_at_least_last"), std::string::npos);
    EXPECT_NE(table.out.find("How these figures were counted:\nDraws counted: issues"), std::string::npos);
    auto results = cli.folder() / "groups.xlsx";
    ASSERT_EQ(cli.run({"export-xlsx", "results", results.string()}).code, 0);
    EXPECT_EQ(test::readXlsx(results).cells.size(), 2u);
    test::XlsxSheet rules = test::readXlsx(results, 2);
    EXPECT_EQ(rules.name, "Rules");
    ASSERT_EQ(rules.cells.size(), 1u);
    EXPECT_NE(rules.cells[0][0].find("the special number is counted"), std::string::npos);
}

// --gaps-from range counts the first gap of min and max from the range's first draw; the average counts
// only gaps inside the range under either rule, and the rules line says which rule counted.
TEST_F(AnalysisCommandsTest, GapsFromTheRangeOrTheHistory) {
    struct Case {
        std::vector<std::string> arguments;
        int min, max, last;
        double average;
        const char* rule;
    };
    // From 2013022 (IDX 3): 49 as the special number at IDX 5 and 6, number 5 at IDX 3 and 4.
    const std::vector<std::string> special{"search", "--mode", "fixed", "--pos", "7=49", "--from", "2013022"};
    const std::vector<std::string> five{"group", "--size", "1", "--boxes", "5", "--from", "2013022"};
    const std::vector<std::string> partial{"partial",  "--mode",         "fixed",  "--size", "1",
                                           "--values", "0,0,0,0,0,0,49", "--from", "2013022"};
    auto with = [](std::vector<std::string> arguments, std::vector<std::string> more) {
        arguments.insert(arguments.end(), more.begin(), more.end());
        arguments.push_back("--json");
        return arguments;
    };
    for (const Case& c : {
             Case{with(special, {}), 1, 5, 1, 2.0, "the first gap of min and max from the first stored draw"},
             Case{with(special, {"--gaps-from", "history"}), 1, 5, 1, 2.0, "from the first stored draw"},
             Case{with(special, {"--gaps-from", "range"}), 1, 3, 1, 2.0, "the first gap of every figure"},
             Case{with(partial, {"--gaps-from", "range"}), 1, 3, 1, 2.0, "the first gap of every figure"},
             Case{with(five, {}), 1, 3, 3, 1.0, "from the first stored draw"},
             Case{with(five, {"--gaps-from", "range"}), 1, 1, 3, 1.0, "the first gap of every figure"},
         }) {
        auto run = cli.run(c.arguments);
        ASSERT_EQ(run.code, 0) << run.err;
        const nlohmann::json result = run.json();
        const nlohmann::json& row = result.contains("rows") ? result["rows"][0] : result;
        EXPECT_EQ(std::tuple(row["min"], row["max"], row["last"], row["average"]),
                  std::tuple(c.min, c.max, c.last, c.average))
            << c.arguments[0] << " " << c.arguments[c.arguments.size() - 2];
        EXPECT_NE(result["rules"].get<std::string>().find(c.rule), std::string::npos) << result["rules"];
    }
    auto hits = cli.run(with(special, {"--gaps-from", "range"})).json()["hits"];
    EXPECT_EQ(std::tuple(hits[0]["gap"], hits[1]["gap"]), std::tuple(3, 1));
}

// An added kind by its English name or its Chinese name in either script: the special number 49 is 和 (code 3); the
// rules say so; the reference engine refuses the kind, naming the memory engine.
TEST_F(AnalysisCommandsTest, AddedKindsByAnyNameAndOnlyInMemory) {
    auto english = cli.run({"search", "--kind", "sum-parity", "--mode", "fixed", "--pos", "7=3", "--json"});
    ASSERT_EQ(english.code, 0) << english.err;
    EXPECT_EQ(issuesOf(english.json()), (std::vector<int>{2013025, 2013026}));
    EXPECT_EQ(english.json()["hits"][0]["cells"][6], "和");
    EXPECT_NE(english.json()["rules"].get<std::string>().find("49 counts as the tie"), std::string::npos);
    for (const char* name : {"合单双", "合單雙"})
        EXPECT_EQ(cli.run({"search", "--kind", name, "--mode", "fixed", "--pos", "7=3", "--json"}).out, english.out)
            << name;
    auto sql = cli.run({"--engine", "sql", "search", "--kind", "sum-parity", "--mode", "fixed", "--pos", "7=3"});
    EXPECT_EQ(sql.code, 1);
    EXPECT_NE(sql.err.find("in-memory engine only"), std::string::npos) << sql.err;
}

TEST_F(AnalysisCommandsTest, BadRequestsAreRefused) {
    struct Case {
        std::vector<std::string> arguments;
        int code;
    };
    for (const Case& c : {
             Case{{"search", "--from", "x"}, 2},
             Case{{"search", "--to", "2013.5"}, 2},
             Case{{"search", "--pos", "8=1"}, 2},
             Case{{"search", "--pos", "1:1"}, 2},
             Case{{"search", "--kind", "stars"}, 2},
             Case{{"search", "--positions", "1"}, 2},
             Case{{"search", "--ref", "2012001", "--positions", "1"}, 1},
             Case{{"group", "--size", "two"}, 2},
             Case{{"group", "--sort", "content"}, 2},
             Case{{"partial", "--gaps-from", "start"}, 2},
             Case{{"search", "--pos", "1=13", "--kind", "zodiac", "--from", "2000001", "--to", "2099999"}, 0},
         }) {
        EXPECT_EQ(cli.run(c.arguments).code, c.code) << c.arguments[1];
    }
    test::CliHarness empty;
    auto refused = empty.run({"search"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("no history"), std::string::npos);
}

} // namespace quorvel
