// SPDX-License-Identifier: MIT
// The omission rules on small hand-made histories, run through both engines.
#include "AnalysisFixture.h"
#include "analysis/GroupResultTable.h"
#include "analysis/OmissionEngine.h"
#include "model/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quorvel {

namespace {

// In zodiac year 2013 (base 1) the numbers 2, 14, 26 and 38 have zodiac code 5.
const std::vector<Draw> kZodiacDraws{
    {2013020, {2, 14, 3, 4, 5, 6, 7}},      // IDX 1: two code-5 regular numbers
    {2013021, {2, 3, 4, 5, 6, 7, 14}},      // IDX 2: one regular, one special
    {2013022, {1, 3, 4, 5, 6, 7, 8}},       // IDX 3: none
    {2013023, {26, 3, 4, 5, 6, 7, 8}},      // IDX 4: one
    {2013024, {9, 10, 11, 12, 13, 15, 16}}, // IDX 5: none
    {2013025, {38, 26, 1, 3, 4, 5, 9}},     // IDX 6: two
    {2013026, {1, 3, 4, 5, 6, 7, 2}},       // IDX 7: only the special number
};

std::vector<int> hitIssues(const SearchResult& result) {
    std::vector<int> issues;
    for (const auto& hit : result.hits)
        issues.push_back(hit.issue);
    return issues;
}

std::vector<int> gaps(const SearchResult& result) {
    std::vector<int> values;
    for (const auto& hit : result.hits)
        values.push_back(hit.gap);
    return values;
}

PositionSearchRequest zodiacSearch(std::initializer_list<std::pair<int, int>> positions, bool includeSpecial) {
    PositionSearchRequest request;
    request.kind = AttributeKind::Zodiac;
    request.mode = PositionMode::Free;
    request.includeSpecial = includeSpecial;
    for (auto [position, value] : positions) {
        request.selected[static_cast<std::size_t>(position - 1)] = true;
        request.values[static_cast<std::size_t>(position - 1)] = value;
        request.texts[static_cast<std::size_t>(position - 1)] = std::to_string(value);
    }
    request.range = IssueRange{2013001, 2013999};
    return request;
}

class OmissionEnginesTest : public ::testing::TestWithParam<EngineKind> {
  protected:
    std::unique_ptr<OmissionEngine> engineOn(HistoryStore& store) { return makeEngine(GetParam(), store); }
};

} // namespace

TEST_P(OmissionEnginesTest, FreePositionsCountOccurrencesAndTheSpecialNumberOnlyWhenAsked) {
    test::StoreFixture fixture(kZodiacDraws);
    auto engine = engineOn(fixture.store());

    // Two positions asking for zodiac 05 need two numbers of that zodiac.
    SearchResult twice = engine->positionSearch(zodiacSearch({{2, 5}, {5, 5}}, false));
    EXPECT_EQ(hitIssues(twice), (std::vector<int>{2013020, 2013025}));
    EXPECT_EQ(gaps(twice), (std::vector<int>{1, 5}));
    EXPECT_EQ(test::gridFigures(twice.summary), (OmissionSummary{"5 5 ", 1, 5, 2}));
    EXPECT_EQ(hitIssues(engine->positionSearch(zodiacSearch({{2, 5}, {5, 5}}, true))),
              (std::vector<int>{2013020, 2013021, 2013025}));

    // The special position asks among the regular numbers unless the special number counts.
    EXPECT_EQ(hitIssues(engine->positionSearch(zodiacSearch({{7, 5}}, false))),
              (std::vector<int>{2013020, 2013021, 2013023, 2013025}));
    EXPECT_EQ(hitIssues(engine->positionSearch(zodiacSearch({{7, 5}}, true))),
              (std::vector<int>{2013020, 2013021, 2013023, 2013025, 2013026}));

    // A value outside the kind's counter slots finds nothing.
    SearchResult outside = engine->positionSearch(zodiacSearch({{1, 13}}, true));
    EXPECT_TRUE(outside.hits.empty());
    EXPECT_EQ(test::gridFigures(outside.summary), (OmissionSummary{"13 ", 32767, 0, 8}));
}

TEST_P(OmissionEnginesTest, GapsCountFromIdxZeroAndTheLatestDraw) {
    std::vector<Draw> draws;
    for (int i = 1; i <= 12; ++i)
        draws.push_back(Draw{2014000 + i, {i, 20, 21, 22, 23, 24, i == 7 || i == 12 ? 49 : 48}});
    test::StoreFixture fixture(draws);
    auto engine = engineOn(fixture.store());

    PositionSearchRequest special;
    special.mode = PositionMode::Fixed;
    special.selected[6] = true;
    special.values[6] = 49;
    special.range = IssueRange{2014003, 2014012};
    SearchResult both = engine->positionSearch(special);
    EXPECT_EQ(gaps(both), (std::vector<int>{7, 5})); // the first gap is IDX 7 although the range starts at IDX 3
    EXPECT_EQ(test::gridFigures(both.summary), (OmissionSummary{"49 ", 5, 7, 1}));

    special.range = IssueRange{2014001, 2014007}; // ends five draws before the latest, on a hit
    EXPECT_EQ(test::gridFigures(engine->positionSearch(special).summary), (OmissionSummary{"49 ", 7, 7, 6}));

    // Counted from the range: the draw before it (IDX 2) stands for the previous hit; the last omission stays.
    special.gapsFrom = GapStart::Range;
    special.range = IssueRange{2014003, 2014012};
    EXPECT_EQ(gaps(engine->positionSearch(special)), (std::vector<int>{5, 5}));
    EXPECT_EQ(test::gridFigures(engine->positionSearch(special).summary), (OmissionSummary{"49 ", 5, 5, 1}));
    special.range = IssueRange{2014008, 2014011}; // no hit in the range
    EXPECT_EQ(test::gridFigures(engine->positionSearch(special).summary), (OmissionSummary{"49 ", 32767, 0, 13}));

    PositionSearchRequest none; // no position selected: every draw of the range is a hit
    none.range = IssueRange{2014010, 2014099};
    SearchResult all = engine->positionSearch(none);
    EXPECT_EQ(hitIssues(all), (std::vector<int>{2014010, 2014011, 2014012}));
    EXPECT_EQ(gaps(all), (std::vector<int>{10, 1, 1}));
    EXPECT_EQ(all.hits[2].seq, 3);
    EXPECT_EQ(all.hits[0].cells, (std::array<std::string, 7>{"10", "20", "21", "22", "23", "24", "48"}));
}

TEST_P(OmissionEnginesTest, PartialSearchCombinesPositions) {
    test::StoreFixture fixture(kZodiacDraws);
    auto engine = engineOn(fixture.store());
    PartialSearchRequest request;
    request.kind = AttributeKind::Number;
    request.mode = PositionMode::Fixed;
    request.values = {2, 14, 99, 99, 99, 99, 99};
    request.texts = {"02", "14", "x", "x", "x", "x", "x"};
    request.partSize = 1;
    request.partSizeText = "1";
    request.range = IssueRange{2013001, 2013999};
    SearchResult any = engine->partialSearch(request);
    EXPECT_EQ(hitIssues(any), (std::vector<int>{2013020, 2013021}));
    EXPECT_EQ(any.summary.label, "02 14 x x x x x 1");
    request.partSize = 2;
    EXPECT_EQ(hitIssues(engine->partialSearch(request)), (std::vector<int>{2013020}));
    request.partSize = 7;
    EXPECT_TRUE(engine->partialSearch(request).hits.empty());

    // Free mode, zodiac 5 at two positions: the pair asks for two occurrences, a single one for one.
    PartialSearchRequest zodiac;
    zodiac.kind = AttributeKind::Zodiac;
    zodiac.values = {1, 5, 2, 3, 5, 4, 6};
    zodiac.partSize = 2;
    zodiac.regularOnly = true;
    zodiac.range = IssueRange{2013001, 2013999};
    SearchResult pairs = engine->partialSearch(zodiac);
    EXPECT_FALSE(pairs.hits.empty());
    zodiac.values = {20, 5, 20, 30, 5, 40, 50}; // only the pair (2, 5) can hit
    EXPECT_EQ(hitIssues(engine->partialSearch(zodiac)), (std::vector<int>{2013020, 2013025}));
}

TEST_P(OmissionEnginesTest, GroupCalculationRowsLimitsAndOrder) {
    test::StoreFixture fixture(kZodiacDraws);
    auto engine = engineOn(fixture.store());
    GroupResultTable table(fixture.store());

    GroupRequest numbers;
    numbers.boxes = {17, 5, 99};
    numbers.groupSize = 1;
    numbers.range = IssueRange{2013001, 2013999};
    GroupResult single = engine->groupCalculation(numbers);
    EXPECT_EQ(test::gridFigures(single.rows.toVector()), (std::vector<GroupRow>{{"05", 1, 2, 1}, {"17", 32767, 0, 8}}));
    EXPECT_TRUE(single.note.empty());

    // 41 values for groups of three are refused and the previous rows stay.
    GroupRequest tooMany;
    tooMany.groupSize = 3;
    for (int box = 1; box <= 41; ++box)
        tooMany.boxes.push_back(box);
    tooMany.range = numbers.range;
    try {
        engine->groupCalculation(tooMany);
        ADD_FAILURE() << "41 values for groups of 3 were accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "3个分组请选择40个（含）以内的个数的号码");
    }
    EXPECT_EQ(table.read(GroupSort::Last).size(), 2u);
    tooMany.boxes.push_back(60); // boxes above the count do not count against the limit
    tooMany.boxes.erase(tooMany.boxes.begin());
    EXPECT_EQ(engine->groupCalculation(tooMany).rows.size(), 9880u);

    GroupRequest zodiac;
    zodiac.kind = AttributeKind::Zodiac;
    zodiac.boxes = {5, 6, 1};
    zodiac.groupSize = 2;
    zodiac.includeSpecial = true;
    zodiac.range = numbers.range;
    GroupResult pairs = engine->groupCalculation(zodiac);
    ASSERT_EQ(pairs.rows.size(), 3u);
    EXPECT_EQ(pairs.rows[0].content, "鼠 龙");
    EXPECT_EQ(pairs.rows[2].content, "龙 蛇");
    std::vector<std::string> byLabel;
    for (const auto& row : table.read(GroupSort::Label))
        byLabel.push_back(row.content);
    EXPECT_EQ(byLabel, (std::vector<std::string>{"鼠 龙", "鼠 蛇", "龙 蛇"})); // signs in their table order

    zodiac.groupSize = 4;
    GroupResult noGroup = engine->groupCalculation(zodiac);
    EXPECT_TRUE(noGroup.rows.empty());
    EXPECT_FALSE(noGroup.note.empty());
    zodiac.groupSize = 7;
    EXPECT_NE(engine->groupCalculation(zodiac).note.english().find("outside 1..6"), std::string::npos);
}

TEST_P(OmissionEnginesTest, ProgressReportsAndCancelsKeepingThePreviousResults) {
    test::StoreFixture fixture(kZodiacDraws);
    auto engine = engineOn(fixture.store());
    GroupResultTable table(fixture.store());
    GroupRequest request;
    request.boxes = {1, 2, 3, 4, 5, 6};
    request.groupSize = 2;
    request.range = IssueRange{2013001, 2013999};
    // Steps rise from 0 towards their total: one per group (15), or per slice of groups and chunk of rows
    // stored, over calculating and storing.
    std::vector<long> seen;
    std::set<long> totals;
    engine->groupCalculation(request, Progress([&](long done, long total) {
                                 seen.push_back(done);
                                 totals.insert(total);
                                 return true;
                             }));
    ASSERT_EQ(totals.size(), 1u);
    EXPECT_GE(*totals.begin(), 15);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_LT(seen.back(), *totals.begin());
    const std::vector<GroupRow> before = table.read(GroupSort::Last);

    request.groupSize = 3;
    EXPECT_THROW(engine->groupCalculation(request, Progress([](long done, long) { return done < 5; })),
                 AnalysisCancelled);
    EXPECT_EQ(table.read(GroupSort::Last), before);

    PartialSearchRequest partial;
    partial.partSize = 3;
    EXPECT_THROW(engine->partialSearch(partial, Progress([](long, long total) { return total != 35; })),
                 AnalysisCancelled);
}

TEST_P(OmissionEnginesTest, SeesTheHistoryAsItChanges) {
    test::StoreFixture fixture(kZodiacDraws);
    auto engine = engineOn(fixture.store());
    PositionSearchRequest all;
    all.range = IssueRange{2013001, 2013999};
    EXPECT_EQ(engine->positionSearch(all).hits.size(), 7u);
    fixture.store().append({deriveRecord(Draw{2013027, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{})});
    SearchResult grown = engine->positionSearch(all);
    EXPECT_EQ(grown.hits.size(), 8u);
    EXPECT_EQ(grown.summary.last, 1);
    fixture.store().deleteAll();
    EXPECT_THROW(engine->positionSearch(all), Error);
}

TEST_P(OmissionEnginesTest, EmptyHistoryIsRefused) {
    test::StoreFixture fixture({});
    auto engine = engineOn(fixture.store());
    EXPECT_THROW(engine->positionSearch(PositionSearchRequest{}), Error);
    EXPECT_THROW(engine->groupCalculation(GroupRequest{}), Error);
}

INSTANTIATE_TEST_SUITE_P(BothEngines, OmissionEnginesTest, ::testing::Values(EngineKind::Sql, EngineKind::Memory),
                         [](const auto& info) { return info.param == EngineKind::Sql ? "Sql" : "Memory"; });

} // namespace quorvel
