// SPDX-License-Identifier: MIT
// The kinds worked out from the numbers (大小, 合单双, 尾大小, 家禽野兽, 半波单双, 半波大小) against their rules
// written out here: the omission table and the trend of the real history, searches counted by hand, the exact baseline
// of the domestic signs across a lunar new year.
#include "AnalysisFixture.h"
#include "analysis/MemoryEngine.h"
#include "model/NumberTables.h"
#include "model/ValueNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace quorvel {

namespace {

constexpr AttributeKind kWorkedOut[]{AttributeKind::Size,           AttributeKind::SumParity,
                                     AttributeKind::TailSize,       AttributeKind::Domestic,
                                     AttributeKind::HalfWaveParity, AttributeKind::HalfWaveSize};

// The value of number n in a kind, by the rules players bet with: 01-24 small, 25-48 big, 49 the tie of every
// two-sided kind; the digit sum odd or even; the tail 0-4 or 5-9; the sign of the zodiac year domestic (ox horse goat
// rooster dog pig) or wild; the wave with the parity or the size.
std::string ruleName(AttributeKind kind, int n, int zodiacYear) {
    if (kind == AttributeKind::Domestic) {
        static const std::set<std::string_view> domestic{"牛", "马", "羊", "鸡", "狗", "猪"};
        const auto sign = storedNames(AttributeKind::Zodiac)[static_cast<std::size_t>(zodiacSignIndex(n, zodiacYear))];
        return domestic.count(sign) ? "家禽" : "野兽";
    }
    if (n == 49) return "和";
    const std::string wave = std::array{"红", "蓝", "绿"}[static_cast<std::size_t>(colourIndex(n))];
    const bool big = n >= 25;
    switch (kind) {
    case AttributeKind::Size: return big ? "大" : "小";
    case AttributeKind::SumParity: return (n / 10 + n % 10) % 2 ? "合单" : "合双";
    case AttributeKind::TailSize: return n % 10 >= 5 ? "尾大" : "尾小";
    case AttributeKind::HalfWaveParity: return wave + (n % 2 ? "单" : "双");
    case AttributeKind::HalfWaveSize: return wave + (big ? "大" : "小");
    default: return "?";
    }
}

ValuesRequest valuesRequest(AttributeKind kind, ValuePlace place, IssueRange range) {
    ValuesRequest request;
    request.kind = kind;
    request.place = place;
    request.position = 7;
    request.range = range;
    return request;
}

// What the rules give for one value over the draws: hits, the IDX of the latest hit, the longest miss count.
struct Counted {
    int hits = 0;
    int latestHit = 0;
    int longestMiss = 0;
};

} // namespace

// Over the whole real history, for the special number and for any of the seven numbers, every row of the omission
// table and every column of the trend of each kind hold the hits, the last omission and the longest miss that the
// rules give draw by draw.
TEST(WorkedOutKindsTest, TableAndTrendOfTheRealHistoryFollowTheRules) {
    const std::vector<Draw> draws = readHistoryTextFile(test::realHistory()).draws;
    test::StoreFixture fixture(draws);
    MemoryEngine engine(fixture.store());
    const IssueRange range{draws.front().issue, draws.back().issue};
    const int latest = static_cast<int>(draws.size());
    for (AttributeKind kind : kWorkedOut)
        for (ValuePlace place : {ValuePlace::Special, ValuePlace::Any}) {
            const ValuesRequest request = valuesRequest(kind, place, range);
            SCOPED_TRACE(std::string(kindInfo(kind).englishName) + " where " + valuePlaceText(request));
            std::map<std::string, Counted> counted;
            for (int idx = 1; idx <= latest; ++idx) {
                const Draw& draw = draws[static_cast<std::size_t>(idx - 1)];
                std::set<std::string> held{ruleName(kind, draw.numbers[6], zodiacYearOfIssue(draw.issue))};
                if (place == ValuePlace::Any)
                    for (int p = 0; p < 6; ++p)
                        held.insert(
                            ruleName(kind, draw.numbers[static_cast<std::size_t>(p)], zodiacYearOfIssue(draw.issue)));
                for (const auto name : storedNames(kind)) {
                    Counted& value = counted[std::string(name)];
                    if (held.count(std::string(name))) {
                        ++value.hits;
                        value.latestHit = idx;
                    } else {
                        value.longestMiss = std::max(value.longestMiss, idx - value.latestHit);
                    }
                }
            }
            const OmissionTable table = engine.omissionTable(request);
            const Trend trend = engine.trend(request);
            ASSERT_EQ(table.rows.size(), storedNames(kind).size());
            ASSERT_EQ(static_cast<std::size_t>(trend.columnCount()), storedNames(kind).size());
            for (std::size_t v = 0; v < table.rows.size(); ++v) {
                const std::string name(storedNames(kind)[v]);
                const Counted& value = counted[name];
                EXPECT_EQ(table.rows[v].label, name);
                EXPECT_EQ(table.rows[v].summary.statistics.hitsInRange, value.hits) << name;
                EXPECT_EQ(table.rows[v].summary.last, latest + 1 - value.latestHit) << name;
                EXPECT_EQ(trend.columns()[v].label, name);
                EXPECT_EQ(trend.summary().hits[v], value.hits) << name;
                EXPECT_EQ(trend.summary().max[v], value.longestMiss) << name;
            }
        }
}

// One search of each kind on the twenty draws, its hits counted by hand from the numbers: regular 10..15 are
// 小 ×6, 合单 10 12 14, 尾小 10..14 and 尾大 15, 家禽 10 12 13 in 2014, red 12 13, blue 10 14 15, green 11.
TEST(WorkedOutKindsTest, OneSearchOfEachKindCountedByHand) {
    test::StoreFixture fixture(test::twentyDraws());
    MemoryEngine engine(fixture.store());
    struct Case {
        const char* what;
        AttributeKind kind;
        PositionMode mode;
        bool includeSpecial;
        std::vector<std::pair<int, int>> positions; // (position, code)
        std::vector<int> draws;                     // the hits, as the draw's number 1..20
    } cases[] = {
        {"special 大: 25..48",
         AttributeKind::Size,
         PositionMode::Fixed,
         false,
         {{7, 2}},
         {5, 6, 7, 9, 10, 11, 13, 14, 15, 16, 17, 20}},
        {"合单 four times with the special number: its digit sum odd",
         AttributeKind::SumParity,
         PositionMode::Free,
         true,
         {{1, 1}, {2, 1}, {3, 1}, {4, 1}},
         {1, 3, 5, 7, 8, 9, 10, 12, 14, 16, 18, 19}},
        {"sorted 6th 尾大 (15) and special 尾小",
         AttributeKind::TailSize,
         PositionMode::Fixed,
         false,
         {{6, 2}, {7, 1}},
         {1, 2, 4, 10, 11, 13, 14, 20}},
        {"special 野兽 in 2014: 07 鼠, 26 蛇, 27 龙, 29 虎, 31 鼠, 35 猴, 40 兔",
         AttributeKind::Domestic,
         PositionMode::Fixed,
         false,
         {{7, 2}},
         {3, 6, 7, 8, 9, 11, 12, 15, 18, 19, 20}},
        {"special 绿单: 21 27 33", AttributeKind::HalfWaveParity, PositionMode::Fixed, false, {{7, 5}}, {1, 7, 13}},
        {"红小 three times with the special number: 07 or 24",
         AttributeKind::HalfWaveSize,
         PositionMode::Free,
         true,
         {{1, 2}, {2, 2}, {3, 2}},
         {3, 4, 8, 12, 18, 19}},
    };
    for (const Case& c : cases) {
        PositionSearchRequest request;
        request.kind = c.kind;
        request.mode = c.mode;
        request.order = NumberOrder::Sorted;
        request.includeSpecial = c.includeSpecial;
        request.range = {2014021, 2014040};
        for (auto [position, code] : c.positions) {
            request.selected[static_cast<std::size_t>(position - 1)] = true;
            request.values[static_cast<std::size_t>(position - 1)] = code;
        }
        std::vector<int> hits;
        for (const HitRow& row : engine.positionSearch(request).hits)
            hits.push_back(row.issue - 2014020);
        EXPECT_EQ(hits, c.draws) << c.what;
    }
}

// A domestic special number has 24 numbers of 49 in 2025 (蛇, a wild sign, holds the fifth number of its year) and
// 25 in 2026 (马 holds five): 2026's first 19 draws belong to 2025. A 家禽 special number at 2026017 then wild ones.
TEST(WorkedOutKindsTest, DomesticBaselineFollowsTheZodiacYearOfEachDraw) {
    PositionSearchRequest request;
    request.kind = AttributeKind::Domestic;
    request.mode = PositionMode::Fixed;
    request.selected[6] = true;
    request.values[6] = 1; // 家禽
    request.range = {2026001, 2026099};
    auto draw = [](int issue, int special) { return Draw{issue, {10, 11, 12, 13, 14, 15, special}}; };
    const double wild2025 = 25.0 / 49, wild2026 = 24.0 / 49;
    struct Case {
        std::vector<Draw> draws;
        double pHit;         // the next issue's year
        double pAtLeastLast; // each draw after the hit in its own year
    } cases[] = {
        {{draw(2026017, 5), draw(2026018, 2)}, 24.0 / 49, wild2025},
        {{draw(2026017, 5), draw(2026018, 2), draw(2026019, 2), draw(2026020, 2), draw(2026021, 2)},
         25.0 / 49,
         wild2025 * wild2025 * wild2026 * wild2026},
    };
    for (const Case& c : cases) {
        test::StoreFixture fixture(c.draws);
        MemoryEngine engine(fixture.store());
        const OmissionStatistics statistics = engine.positionSearch(request).summary.statistics;
        SCOPED_TRACE("history to " + std::to_string(c.draws.back().issue));
        ASSERT_EQ(statistics.hitsInRange, 1);
        EXPECT_DOUBLE_EQ(statistics.pHit.value_or(-1), c.pHit);
        EXPECT_DOUBLE_EQ(statistics.pAtLeastLast.value_or(-1), c.pAtLeastLast);
    }
}

} // namespace quorvel
