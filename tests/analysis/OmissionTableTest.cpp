// SPDX-License-Identifier: MIT
// The omission table against the position search of each value, and its added figures counted by hand.
#include "AnalysisFixture.h"
#include "analysis/MemoryEngine.h"
#include "analysis/SqlEngine.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

ValuesRequest tableRequest(AttributeKind kind, ValuePlace place, int position, NumberOrder order, IssueRange range,
                           GapStart gapsFrom) {
    ValuesRequest request;
    request.kind = kind;
    request.place = place;
    request.position = position;
    request.order = order;
    request.range = range;
    request.gapsFrom = gapsFrom;
    return request;
}

// Every row must be the search's summary under the table's label.
void expectRowsAreSearches(OmissionEngine& engine, const OmissionTable& table, const ValuesRequest& request) {
    ASSERT_EQ(table.rows.size(), kindValues(request.kind, request.bases).size());
    for (const TableRow& row : table.rows) {
        SCOPED_TRACE("value " + row.label);
        OmissionSummary search = engine.positionSearch(valueSearchRequest(request, row.value)).summary;
        search.label = row.label;
        EXPECT_EQ(row.summary, search);
    }
}

} // namespace

// For each kind and each place (both number orders at positions 1..6, both gap rules), every row equals the
// position search for its value alone: min, max, last, the hits and every added figure.
TEST(OmissionTableTest, EveryRowIsThePositionSearchOfItsValue) {
    std::vector<Draw> draws = test::StoreFixture::shuffledDraws();
    draws.resize(400);
    test::StoreFixture fixture(draws);
    MemoryEngine memory(fixture.store());
    const IssueRange range{draws[120].issue, draws.back().issue};
    for (const auto& info : everyKind()) {
        struct Place {
            ValuePlace place;
            int position;
            NumberOrder order;
        };
        std::vector<Place> places{{ValuePlace::Special, 7, NumberOrder::Drawn},
                                  {ValuePlace::Regular, 7, NumberOrder::Drawn},
                                  {ValuePlace::Any, 7, NumberOrder::Drawn},
                                  {ValuePlace::Position, 7, NumberOrder::Sorted}};
        for (int p = 1; p <= 6; ++p)
            for (NumberOrder order : {NumberOrder::Drawn, NumberOrder::Sorted})
                places.push_back({ValuePlace::Position, p, order});
        for (std::size_t i = 0; i < places.size(); ++i) {
            const GapStart gaps = i % 2 ? GapStart::Range : GapStart::History;
            const ValuesRequest request =
                tableRequest(info.kind, places[i].place, places[i].position, places[i].order, range, gaps);
            SCOPED_TRACE(std::string(info.englishName) + " where " + valuePlaceText(request) +
                         (places[i].order == NumberOrder::Sorted ? " sorted" : " drawn"));
            expectRowsAreSearches(memory, memory.omissionTable(request), request);
        }
    }
    // The reference engine's searches agree too, on the stored lists' matching (any of the seven numbers).
    SqlEngine sql(fixture.store());
    const ValuesRequest zodiacAny =
        tableRequest(AttributeKind::Zodiac, ValuePlace::Any, 7, NumberOrder::Drawn, range, GapStart::History);
    expectRowsAreSearches(sql, memory.omissionTable(zodiacAny), zodiacAny);
}

// Twenty draws; number 7 is the special number of draws 3, 8, 12, 18 and 19; the range is draws 6..20.
TEST(OmissionTableTest, AddedFiguresCountedByHand) {
    std::vector<Draw> draws;
    for (int i = 1; i <= 20; ++i) {
        const bool seven = i == 3 || i == 8 || i == 12 || i == 18 || i == 19;
        draws.push_back(Draw{2014020 + i, {10, 11, 12, 13, 14, 15, seven ? 7 : 20 + i}});
    }
    test::StoreFixture fixture(draws);
    MemoryEngine engine(fixture.store());
    struct Case {
        const char* what;
        ValuePlace place;
        GapStart gapsFrom;
        int hits, hits10, hits30, min, max, last, longestRun, previous;
        double average;
    } cases[] = {
        // Hits at 8, 12, 18, 19 in the range; the gaps inside it are 3, 4, 6, 1 (the first from draw 5).
        {"special, first gap from the history", ValuePlace::Special, GapStart::History, 4, 3, 4, 1, 8, 2, 2, 1,
         14.0 / 4},
        {"special, first gap from the range", ValuePlace::Special, GapStart::Range, 4, 3, 4, 1, 6, 2, 2, 1, 14.0 / 4},
        // Seven is never a regular number; with the special number counted it is hit as above.
        {"any of the seven", ValuePlace::Any, GapStart::History, 4, 3, 4, 1, 8, 2, 2, 1, 14.0 / 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const OmissionTable table = engine.omissionTable(
            tableRequest(AttributeKind::Number, c.place, 7, NumberOrder::Drawn, {2014026, 2014040}, c.gapsFrom));
        const TableRow& seven = table.rows.at(6);
        ASSERT_EQ(seven.label, "07");
        EXPECT_EQ(seven.summary.statistics.hitsInRange, c.hits);
        EXPECT_EQ(seven.hits10, c.hits10);
        EXPECT_EQ(seven.hits30, c.hits30);
        EXPECT_EQ(seven.hits100, c.hits30);
        EXPECT_EQ(seven.summary.min, c.min);
        EXPECT_EQ(seven.summary.max, c.max);
        EXPECT_EQ(seven.summary.last, c.last);
        EXPECT_EQ(seven.summary.statistics.longestRun, c.longestRun);
        EXPECT_EQ(seven.summary.statistics.previous, c.previous);
        EXPECT_DOUBLE_EQ(*seven.summary.statistics.average, c.average);
    }
    // Regular numbers only: 7 is never hit; 10 is hit by every draw of the range, 10 of them among the latest 10.
    const OmissionTable regular = engine.omissionTable(tableRequest(
        AttributeKind::Number, ValuePlace::Regular, 7, NumberOrder::Drawn, {2014026, 2014040}, GapStart::History));
    EXPECT_EQ(regular.rows.at(6).summary.statistics.hitsInRange, 0);
    EXPECT_EQ(regular.rows.at(6).summary.last, 21);
    EXPECT_EQ(regular.rows.at(9).hits10, 10);
    EXPECT_EQ(regular.rows.at(9).hits30, 15);
    EXPECT_DOUBLE_EQ(*regular.rows.at(9).summary.statistics.average, 1.0);
}

} // namespace quorvel
