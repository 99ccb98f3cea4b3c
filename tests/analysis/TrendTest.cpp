// SPDX-License-Identifier: MIT
// The trend against cells and summaries counted straight from the draws, and against the omission table.
#include "AnalysisFixture.h"
#include "analysis/MemoryEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

ValuesRequest trendRequest(AttributeKind kind, ValuePlace place, int position, IssueRange range) {
    ValuesRequest request;
    request.kind = kind;
    request.place = place;
    request.position = position;
    request.range = range;
    return request;
}

} // namespace

// Every cell and every column's summary of the numbers, counted straight from the draws of a 20-draw history over
// draws 6..20, for the special number, the regular numbers and any of the seven; and column 07 of the special
// number by hand.
TEST(TrendTest, CellsAndSummariesCountedByHand) {
    const std::vector<Draw> draws = test::twentyDraws();
    test::StoreFixture fixture(draws);
    MemoryEngine engine(fixture.store());
    const int first = 6; // IDX of the range's first draw
    for (ValuePlace place : {ValuePlace::Special, ValuePlace::Regular, ValuePlace::Any}) {
        const ValuesRequest request = trendRequest(AttributeKind::Number, place, 7, {2014026, 2014040});
        SCOPED_TRACE(valuePlaceText(request));
        const Trend trend = engine.trend(request);
        ASSERT_EQ(trend.rowCount(), 15);
        ASSERT_EQ(trend.columnCount(), 49);
        EXPECT_EQ(trend.issue(0), 2014026);
        const std::vector<int> all = trend.allCells();
        for (int number = 1; number <= 49; ++number) {
            SCOPED_TRACE("number " + std::to_string(number));
            const int column = number - 1;
            EXPECT_EQ(trend.columns()[static_cast<std::size_t>(column)].label, twoDigits(number));
            auto holds = [&](const Draw& draw) {
                const auto& n = draw.numbers;
                const bool special = n[6] == number;
                const bool regular = std::find(n.begin(), n.begin() + 6, number) != n.begin() + 6;
                return place == ValuePlace::Special   ? special
                       : place == ValuePlace::Regular ? regular
                                                      : special || regular;
            };
            int latestHit = 0, hits = 0, max = 0, run = 0, longest = 0;
            for (int idx = 1; idx <= 20; ++idx) {
                const bool hit = holds(draws[static_cast<std::size_t>(idx - 1)]);
                const int cell = hit ? 0 : idx - latestHit;
                if (hit) latestHit = idx;
                if (idx < first) continue;
                const int row = idx - first;
                EXPECT_EQ(trend.cell(row, column), cell) << "IDX " << idx;
                EXPECT_EQ(all[static_cast<std::size_t>(row * 49 + column)], cell) << "IDX " << idx;
                EXPECT_EQ(trend.hit(row, column), hit);
                hits += hit;
                max = std::max(max, cell);
                run = hit ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            const TrendSummary& summary = trend.summary();
            EXPECT_EQ(summary.hits[static_cast<std::size_t>(column)], hits);
            EXPECT_EQ(summary.max[static_cast<std::size_t>(column)], max);
            EXPECT_EQ(summary.longestRun[static_cast<std::size_t>(column)], longest);
            EXPECT_DOUBLE_EQ(summary.average[static_cast<std::size_t>(column)],
                             std::round((15.0 - hits) / (hits + 1) * 100) / 100);
        }
    }
    // The special number 07 was drawn at IDX 3, 8, 12, 18 and 19: from IDX 6 the cells run 3 4 0 1 2 3 0 1 2 3 4 5
    // 0 0 1; 26, drawn only at IDX 6, and 10, never the special number, carry their counts from the first draw.
    const Trend special = engine.trend(trendRequest(AttributeKind::Number, ValuePlace::Special, 7, {2014026, 2014040}));
    const std::vector<int> seven{3, 4, 0, 1, 2, 3, 0, 1, 2, 3, 4, 5, 0, 0, 1};
    for (int row = 0; row < 15; ++row)
        EXPECT_EQ(special.cell(row, 6), seven[static_cast<std::size_t>(row)]) << "row " << row;
    EXPECT_EQ(special.summary().hits[6], 4);
    EXPECT_EQ(special.summary().max[6], 5);
    EXPECT_DOUBLE_EQ(special.summary().average[6], 2.2);
    EXPECT_EQ(special.summary().longestRun[6], 2);
    EXPECT_EQ(special.cell(0, 9), 6);
    EXPECT_EQ(special.cell(14, 9), 20);
    EXPECT_EQ(special.cell(0, 26), 6); // 27, drawn at IDX 7 only: before it, its count runs from the first draw
    EXPECT_EQ(special.cell(1, 25), 1);
    EXPECT_DOUBLE_EQ(special.summary().average[25], 7.0);
}

// When the range ends at the latest draw, the last row agrees with the omission table's last omission, for every
// kind and place: a miss's cell is one less than last, a hit's cell is 0 where last is 1. Over the whole history
// for every value; over the latest 50 draws for the values drawn in them (for a value not drawn in the range the
// table's last counts from before the first draw, as the position search does, while the trend carries the
// value's earlier draws).
TEST(TrendTest, LastRowAgreesWithTheOmissionTable) {
    std::vector<Draw> draws = test::StoreFixture::shuffledDraws();
    draws.resize(300);
    test::StoreFixture fixture(draws);
    MemoryEngine engine(fixture.store());
    for (const IssueRange range :
         {IssueRange{draws[0].issue, draws.back().issue}, IssueRange{draws[250].issue, draws.back().issue}})
        for (const auto& info : everyKind()) {
            for (auto [place, position] : std::vector<std::pair<ValuePlace, int>>{{ValuePlace::Special, 7},
                                                                                  {ValuePlace::Regular, 7},
                                                                                  {ValuePlace::Any, 7},
                                                                                  {ValuePlace::Position, 3}}) {
                const ValuesRequest request = trendRequest(info.kind, place, position, range);
                SCOPED_TRACE(std::string(info.englishName) + " where " + valuePlaceText(request));
                const Trend trend = engine.trend(request);
                const OmissionTable table = engine.omissionTable(request);
                const bool whole = range.start == draws[0].issue;
                ASSERT_EQ(trend.rowCount(), whole ? 300 : 50);
                ASSERT_EQ(static_cast<std::size_t>(trend.columnCount()), table.rows.size());
                const int last = trend.rowCount() - 1;
                for (int column = 0; column < trend.columnCount(); ++column) {
                    const TableRow& row = table.rows[static_cast<std::size_t>(column)];
                    EXPECT_EQ(trend.columns()[static_cast<std::size_t>(column)].label, row.label);
                    EXPECT_EQ(trend.hit(last, column), row.summary.last == 1) << row.label;
                    if (whole || row.summary.statistics.hitsInRange > 0) {
                        EXPECT_EQ(trend.cell(last, column) + 1, row.summary.last) << row.label;
                    }
                    EXPECT_EQ(trend.summary().hits[static_cast<std::size_t>(column)],
                              row.summary.statistics.hitsInRange);
                    EXPECT_EQ(trend.summary().longestRun[static_cast<std::size_t>(column)],
                              row.summary.statistics.longestRun);
                }
            }
        }
}

} // namespace quorvel
