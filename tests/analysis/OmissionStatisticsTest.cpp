// SPDX-License-Identifier: MIT
// The fuller figures of searches and groups, through both engines, on histories counted by hand.
#include "AnalysisFixture.h"
#include "analysis/GroupResultTable.h"
#include "analysis/OmissionEngine.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel {

namespace {

// Twelve draws of 2014 (after its lunar new year); number 9 is a regular number of draws 3, 4, 5 and 10.
std::vector<Draw> twelveDraws() {
    std::vector<Draw> draws;
    for (int i = 1; i <= 12; ++i) {
        const bool nine = i == 3 || i == 4 || i == 5 || i == 10;
        draws.push_back(Draw{2014020 + i, {nine ? 9 : 1, 2, 3, 4, 5, 6, 7}});
    }
    return draws;
}

PositionSearchRequest numberSearch(int number, IssueRange range) {
    PositionSearchRequest request;
    request.selected[0] = true;
    request.values[0] = number;
    request.texts[0] = std::to_string(number);
    request.range = range;
    return request;
}

// The chance that none of `draws` holds a number among its six regular numbers.
double missing(int draws) { return std::pow(43.0 / 49, draws); }

class OmissionStatisticsTest : public ::testing::TestWithParam<EngineKind> {};

} // namespace

TEST_P(OmissionStatisticsTest, SearchFiguresAndWhenTheyAreUndefined) {
    test::StoreFixture fixture(twelveDraws());
    auto engine = makeEngine(GetParam(), fixture.store());
    const IssueRange all{2014001, 2014999};
    struct Case {
        const char* what;
        PositionSearchRequest request;
        int hits;
        std::optional<double> average;
        int longestRun;
        std::optional<int> previous;
        int last;
        std::optional<double> pAtLeastLast;
    } cases[] = {
        {"hits at 3, 4, 5, 10 of 12", numberSearch(9, all), 4, 10.0 / 4, 3, 5, 3, missing(2)},
        {"a range that ends before the latest draw", numberSearch(9, {2014001, 2014031}), 4, 10.0 / 4, 3, 5, 3, {}},
        {"one hit: no previous omission", numberSearch(9, {2014028, 2014999}), 1, 3.0, 1, {}, 3, missing(2)},
        {"a later start: the first gap from the draw before it", numberSearch(9, {2014024, 2014999}), 3, 7.0 / 3, 2, 5,
         3, missing(2)},
        {"no hit in the whole history", numberSearch(40, all), 0, {}, 0, {}, 13, missing(12)},
        {"no hit in a range that starts later", numberSearch(40, {2014022, 2014999}), 0, {}, 0, {}, 13, {}},
    };
    for (const Case& c : cases) {
        SearchResult result = engine->positionSearch(c.request);
        const OmissionStatistics& s = result.summary.statistics;
        EXPECT_EQ(result.summary.last, c.last) << c.what;
        EXPECT_EQ(s.hitsInRange, c.hits) << c.what;
        EXPECT_EQ(s.average, c.average) << c.what;
        EXPECT_EQ(s.longestRun, c.longestRun) << c.what;
        EXPECT_EQ(s.previous, c.previous) << c.what;
        EXPECT_DOUBLE_EQ(*s.pHit, 6.0 / 49) << c.what;
        EXPECT_DOUBLE_EQ(*s.expectedGap, 49.0 / 6) << c.what;
        EXPECT_EQ(s.source, ProbabilitySource::Exact) << c.what;
        ASSERT_EQ(s.pAtLeastLast.has_value(), c.pAtLeastLast.has_value()) << c.what;
        if (c.pAtLeastLast) {
            EXPECT_DOUBLE_EQ(*s.pAtLeastLast, *c.pAtLeastLast) << c.what;
        }
    }
}

TEST_P(OmissionStatisticsTest, PartialSearchRateIsObservedOverTheWholeHistory) {
    test::StoreFixture fixture(twelveDraws());
    auto engine = makeEngine(GetParam(), fixture.store());
    PartialSearchRequest request;
    request.values = {9, 40, 41, 42, 43, 44, 45};
    request.partSize = 1;
    request.range = IssueRange{2014030, 2014999}; // the rate still counts the hits before the range
    const OmissionStatistics s = engine->partialSearch(request).summary.statistics;
    EXPECT_EQ(s.source, ProbabilitySource::Observed);
    EXPECT_DOUBLE_EQ(*s.pHit, 4.0 / 12);
    EXPECT_DOUBLE_EQ(*s.pAtLeastLast, std::pow(8.0 / 12, 2));
}

// Draws on both sides of the lunar new year of 2013 (after draw 16): zodiac code 5 (龙, base 1) holds five
// numbers in zodiac year 2012 and four in 2013; no draw holds any of them.
TEST_P(OmissionStatisticsTest, EachDrawCountsInItsOwnZodiacYear) {
    std::vector<Draw> draws;
    for (int issue : {2013015, 2013016, 2013017, 2013018})
        draws.push_back(Draw{issue, {3, 4, 5, 6, 7, 8, 9}});
    test::StoreFixture fixture(draws);
    auto engine = makeEngine(GetParam(), fixture.store());
    PositionSearchRequest request;
    request.kind = AttributeKind::Zodiac;
    request.selected[0] = true;
    request.values[0] = 5;
    request.range = IssueRange{2013001, 2013999};
    const OmissionStatistics s = engine->positionSearch(request).summary.statistics;
    const double none2012 = 7059052.0 / 13983816; // C(44, 6) / C(49, 6)
    const double none2013 = 8145060.0 / 13983816; // C(45, 6) / C(49, 6)
    EXPECT_DOUBLE_EQ(*s.pHit, 1 - none2013);      // the next issue, 2013019, is of zodiac year 2013
    EXPECT_DOUBLE_EQ(*s.pAtLeastLast, none2012 * none2012 * none2013 * none2013);
}

TEST_P(OmissionStatisticsTest, GroupRowsCarryTheFiguresAndSortByTheirChance) {
    test::StoreFixture fixture(twelveDraws());
    auto engine = makeEngine(GetParam(), fixture.store());
    GroupRequest request;
    request.boxes = {1, 9, 40};
    request.groupSize = 1;
    request.range = IssueRange{2014001, 2014999};
    GroupResult result = engine->groupCalculation(request);
    ASSERT_EQ(result.rows.size(), 3u);
    const OmissionStatistics& nine = result.rows[1].statistics;
    EXPECT_EQ(std::tie(nine.hitsInRange, nine.longestRun, nine.previous), std::tuple(4, 3, std::optional<int>(5)));
    EXPECT_DOUBLE_EQ(*nine.pAtLeastLast, missing(2));

    // The figures come back with the rows (YL itself keeps its four columns): the longest absence first.
    GroupResultTable table(fixture.store());
    std::vector<GroupRow> byChance = table.read(GroupSort::P);
    std::vector<std::string> order;
    for (const GroupRow& row : byChance)
        order.push_back(row.content);
    EXPECT_EQ(order, (std::vector<std::string>{"40", "09", "01"}));
    EXPECT_EQ(byChance[1], result.rows[1]);
    EXPECT_EQ(storeConnection(fixture.store()).execAndGet("SELECT COUNT(*) FROM pragma_table_info('YL')").getInt(), 4);
    EXPECT_NE(table.rules()->find("the special number is not counted"), std::string::npos);
}

// Figures kept a row each by an earlier version are read with their rows until the next calculation replaces
// them with packed blocks; a damaged block is refused, naming the store.
TEST(GroupFigureStorage, EarlierLayoutIsReadThenReplacedAndDamageIsRefused) {
    test::StoreFixture fixture(twelveDraws());
    SQLite::Database& db = storeConnection(fixture.store());
    db.exec("CREATE TABLE YLStats (ylRow INTEGER PRIMARY KEY, hitsInRange INTEGER, average REAL, longestRun INTEGER, "
            "previous INTEGER, pHit REAL, expectedGap REAL, pAtLeastLast REAL, pSource TEXT)");
    db.exec("CREATE TABLE YLRules (rules TEXT)");
    db.exec(
        "INSERT INTO YL (rowid, content, intMinYL, intMaxYL, intLstYl) VALUES (1, '01', 1, 1, 1), (2, '09', 1, 5, 2)");
    db.exec("INSERT INTO YLStats VALUES (2, 4, 2.5, 3, 5, 0.25, 4.0, 0.75, 'observed')");
    GroupResultTable table(fixture.store());
    const std::vector<GroupRow> earlier = table.read(GroupSort::P);
    ASSERT_EQ(earlier.size(), 2u);
    EXPECT_EQ(earlier[0].content, "09"); // rows without figures order last
    EXPECT_EQ(earlier[0].statistics, (OmissionStatistics{4, 2.5, 3, 5, 0.25, 4.0, 0.75, ProbabilitySource::Observed}));
    EXPECT_EQ(earlier[1].statistics, OmissionStatistics{});

    GroupRequest request;
    request.boxes = {1, 9, 40};
    request.groupSize = 1;
    request.range = IssueRange{2014001, 2014999};
    const GroupResult result = makeEngine(EngineKind::Memory, fixture.store())->groupCalculation(request);
    EXPECT_EQ(table.readAsStored(), result.rows.toVector());
    EXPECT_EQ(db.execAndGet("SELECT COUNT(*) FROM sqlite_master WHERE name = 'YLStats'").getInt(), 0);

    db.exec("UPDATE YLFigures SET figures = X'7F'");
    try {
        table.readAsStored();
        ADD_FAILURE() << "a damaged block of figures was read";
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find(fixture.store().file().string()), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(BothEngines, OmissionStatisticsTest, ::testing::Values(EngineKind::Sql, EngineKind::Memory),
                         [](const auto& info) { return info.param == EngineKind::Sql ? "Sql" : "Memory"; });

} // namespace quorvel
