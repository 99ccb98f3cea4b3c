// SPDX-License-Identifier: MIT
// Generated requests on the shuffled real history: the memory engine must give exactly what the
// statement-running reference engine gives, hit by hit and row by row.
#include "AnalysisFixture.h"
#include "analysis/AnalysisRange.h"
#include "analysis/GroupResultTable.h"
#include "analysis/GroupRowOrder.h"
#include "analysis/MemoryEngine.h"
#include "analysis/SqlEngine.h"

#include "model/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <sstream>

namespace quorvel {

namespace {

class EngineDifferentialTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_fixture = new test::StoreFixture(test::StoreFixture::shuffledDraws());
        s_records = s_fixture->store().readAll();
    }
    static void TearDownTestSuite() {
        delete s_fixture;
        s_fixture = nullptr;
    }

    HistoryStore& store() { return s_fixture->store(); }

    // Picks values from a real draw so that hits exist, now and then one outside the kind's range.
    ReferenceValues valuesFromADraw(std::mt19937& random, AttributeKind kind, NumberOrder order) {
        const DrawRecord& draw = s_records[std::uniform_int_distribution<std::size_t>(0, s_records.size() - 1)(random)];
        ReferenceValues values = referenceValues(draw, kind, order, ParameterBases{});
        if (std::uniform_int_distribution<int>(0, 9)(random) == 0) {
            int p = std::uniform_int_distribution<int>(0, 6)(random);
            values.values[static_cast<std::size_t>(p)] = std::uniform_int_distribution<int>(0, 1)(random) ? -1 : 60;
        }
        return values;
    }

    IssueRange randomRange(std::mt19937& random) {
        static const std::vector<int> issues = [this] {
            std::vector<int> all;
            for (const auto& r : store().readAll())
                all.push_back(r.issue);
            return all;
        }();
        std::uniform_int_distribution<std::size_t> pick(0, issues.size() - 1);
        int a = issues[pick(random)], b = issues[pick(random)];
        if (a > b) std::swap(a, b);
        switch (std::uniform_int_distribution<int>(0, 4)(random)) {
        case 0: return IssueRange{issues.front(), issues.back()};
        case 1: return IssueRange{2000001, 2099999};
        default: return IssueRange{a, b};
        }
    }

    static test::StoreFixture* s_fixture;
    static std::vector<DrawRecord> s_records;
};

test::StoreFixture* EngineDifferentialTest::s_fixture = nullptr;
std::vector<DrawRecord> EngineDifferentialTest::s_records;

AttributeKind randomKind(std::mt19937& random) {
    return static_cast<AttributeKind>(std::uniform_int_distribution<int>(0, kKindCount - 1)(random));
}

bool coin(std::mt19937& random) { return std::uniform_int_distribution<int>(0, 1)(random) == 1; }

std::string describe(AttributeKind kind, NumberOrder order, PositionMode mode, bool special, const IssueRange& range) {
    return std::string(kindInfo(kind).englishName) + (order == NumberOrder::Drawn ? " drawn" : " sorted") +
           (mode == PositionMode::Free ? " free" : " fixed") + (special ? " +special" : "") + " " +
           std::to_string(range.start) + ".." + std::to_string(range.end);
}

} // namespace

TEST_F(EngineDifferentialTest, PositionSearchesAgree) {
    std::mt19937 random(20261207);
    SqlEngine sql(store());
    MemoryEngine memory(store());
    int withHits = 0;
    for (int i = 0; i < 160; ++i) {
        PositionSearchRequest request;
        request.kind = randomKind(random);
        request.order = coin(random) ? NumberOrder::Drawn : NumberOrder::Sorted;
        request.mode = coin(random) ? PositionMode::Free : PositionMode::Fixed;
        request.includeSpecial = coin(random);
        ReferenceValues values = valuesFromADraw(random, request.kind, request.order);
        request.values = values.values;
        request.texts = values.texts;
        for (auto& selected : request.selected)
            selected = std::uniform_int_distribution<int>(0, 9)(random) < 3;
        request.range = randomRange(random);
        request.gapsFrom = i % 2 ? GapStart::Range : GapStart::History;
        SCOPED_TRACE(describe(request.kind, request.order, request.mode, request.includeSpecial, request.range));
        SearchResult expected = sql.positionSearch(request);
        ASSERT_EQ(memory.positionSearch(request), expected) << i;
        withHits += !expected.hits.empty();
    }
    EXPECT_GT(withHits, 80);
}

TEST_F(EngineDifferentialTest, PartialSearchesAgree) {
    std::mt19937 random(7);
    SqlEngine sql(store());
    MemoryEngine memory(store());
    int withHits = 0;
    for (int i = 0; i < 70; ++i) {
        PartialSearchRequest request;
        request.kind = randomKind(random);
        request.order = coin(random) ? NumberOrder::Drawn : NumberOrder::Sorted;
        request.mode = coin(random) ? PositionMode::Free : PositionMode::Fixed;
        request.includeSpecial = coin(random);
        request.regularOnly = coin(random);
        request.partSize = std::uniform_int_distribution<int>(0, 7)(random);
        request.partSizeText = std::to_string(request.partSize);
        ReferenceValues values = valuesFromADraw(random, request.kind, request.order);
        request.values = values.values;
        request.texts = values.texts;
        request.range = randomRange(random);
        request.gapsFrom = i % 2 ? GapStart::Range : GapStart::History;
        SCOPED_TRACE(describe(request.kind, request.order, request.mode, request.includeSpecial, request.range) +
                     " k=" + request.partSizeText + (request.regularOnly ? " regular" : " all"));
        SearchResult expected = sql.partialSearch(request);
        ASSERT_EQ(memory.partialSearch(request), expected) << i;
        withHits += !expected.hits.empty();
    }
    EXPECT_GT(withHits, 30);
}

TEST_F(EngineDifferentialTest, GroupCalculationsAgree) {
    std::mt19937 random(49);
    SqlEngine sql(store());
    MemoryEngine memory(store());
    GroupResultTable table(store());
    for (int i = 0; i < 24; ++i) {
        GroupRequest request;
        request.kind = randomKind(random);
        request.groupSize = std::uniform_int_distribution<int>(1, 4)(random);
        request.includeSpecial = coin(random);
        request.range = randomRange(random);
        request.gapsFrom = i % 2 ? GapStart::Range : GapStart::History;
        // Few enough values that the reference engine's run stays short (about 15 ms a group).
        const int boxCount = kindInfo(request.kind).boxCount;
        const int values =
            std::min(boxCount, std::array<int, 5>{0, 12, 9, 7, 6}[static_cast<std::size_t>(request.groupSize)]);
        std::vector<int> boxes(static_cast<std::size_t>(boxCount + 2));
        for (std::size_t b = 0; b < boxes.size(); ++b)
            boxes[b] = static_cast<int>(b) + 1;
        std::shuffle(boxes.begin(), boxes.end(), random);
        request.boxes.assign(boxes.begin(), boxes.begin() + values); // may hold boxes above the count
        SCOPED_TRACE(std::string(kindInfo(request.kind).englishName) + " k=" + std::to_string(request.groupSize));

        GroupResult expected = sql.groupCalculation(request);
        std::vector<GroupRow> expectedByMax = table.read(GroupSort::Max);
        for (auto counting : {MemoryEngine::GroupCounting::Bitsets, MemoryEngine::GroupCounting::DrawSubsets}) {
            memory.setGroupCounting(counting);
            const GroupResult result = memory.groupCalculation(request);
            ASSERT_EQ(result, expected) << i;
            EXPECT_EQ(table.read(GroupSort::Max), expectedByMax);
            // The rows ordered in memory come in the order the store reads them by the same column.
            std::vector<std::uint32_t> stored(result.rows.size());
            std::iota(stored.begin(), stored.end(), 0U);
            for (GroupSort sort : {GroupSort::Min, GroupSort::Max, GroupSort::Last, GroupSort::Label, GroupSort::P}) {
                std::vector<GroupRow> ordered;
                for (std::uint32_t row : groupRowOrder(result.rows, stored, sort))
                    ordered.push_back(result.rows[row]);
                EXPECT_EQ(ordered, table.read(sort)) << groupSortField(sort);
            }
        }
    }
}

// The two ways of counting a group's hits (ANDing bitsets per group, walking each draw's own k-subsets) give
// the same rows in the same order for every kind and group size, with and without the special number, over
// the whole history, a part of it, one draw (most groups without a hit) and a range that holds no draw.
TEST_F(EngineDifferentialTest, BothGroupCountsGiveTheSameRows) {
    const std::vector<IssueRange> ranges{
        IssueRange{s_records.front().issue, s_records.back().issue},
        IssueRange{s_records[300].issue, s_records[700].issue},
        IssueRange{s_records[500].issue, s_records[500].issue},
        IssueRange{1990001, 1990999},
    };
    MemoryEngine bitsets(store());
    bitsets.setGroupCounting(MemoryEngine::GroupCounting::Bitsets);
    MemoryEngine subsets(store());
    subsets.setGroupCounting(MemoryEngine::GroupCounting::DrawSubsets);
    int run = 0;
    for (int kind = 0; kind < kKindCount; ++kind) {
        for (int k = 1; k <= 6; ++k) {
            for (bool special : {false, true}) {
                GroupRequest request;
                request.kind = static_cast<AttributeKind>(kind);
                request.groupSize = k;
                request.includeSpecial = special;
                request.noLimit = true;
                request.range = ranges[static_cast<std::size_t>(run) % ranges.size()];
                request.gapsFrom = run % 3 ? GapStart::History : GapStart::Range;
                const int boxCount = kindInfo(request.kind).boxCount;
                const int values = std::min(boxCount, k <= 2 ? 49 : k == 3 ? 20 : 14);
                for (int box = 1; box <= values; ++box)
                    request.boxes.push_back(box);
                SCOPED_TRACE(std::string(kindInfo(request.kind).englishName) + " k=" + std::to_string(k) +
                             (special ? " +special " : " ") + std::to_string(request.range.start) + ".." +
                             std::to_string(request.range.end));
                const GroupResult expected = bitsets.calculateGroups(request);
                const GroupResult result = subsets.calculateGroups(request);
                ASSERT_EQ(result.rows.size(), expected.rows.size());
                auto [differs, expectedRow] =
                    std::mismatch(result.rows.begin(), result.rows.end(), expected.rows.begin());
                if (differs != result.rows.end())
                    ADD_FAILURE() << "row " << differs - result.rows.begin() << ": " << differs->content << " "
                                  << differs->min << "/" << differs->max << "/" << differs->last << " against "
                                  << expectedRow->content << " " << expectedRow->min << "/" << expectedRow->max << "/"
                                  << expectedRow->last;
                ++run;
            }
        }
    }
}

// With the limits lifted, the groups inside a 12-number subset of a run over 45 numbers are exactly the
// reference engine's rows for that subset, figures and order included; the reference keeps the limits.
TEST_F(EngineDifferentialTest, GroupsWithoutLimitsMatchTheReferenceOnASubset) {
    std::mt19937 random(45);
    std::vector<int> numbers(49);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);
    GroupRequest request;
    request.groupSize = 3;
    request.noLimit = true;
    request.range = randomRange(random);
    request.boxes.assign(numbers.begin(), numbers.begin() + 45);
    MemoryEngine memory(store());
    const GroupResult all = memory.groupCalculation(request);
    ASSERT_EQ(all.rows.size(), 14190u);

    const std::set<int> subset(numbers.begin(), numbers.begin() + 12);
    std::vector<GroupRow> inside;
    for (const GroupRow& row : all.rows) {
        std::istringstream labels(row.content);
        bool within = true;
        for (int number; labels >> number;)
            within = within && subset.count(number) == 1;
        if (within) inside.push_back(row);
    }
    SqlEngine sql(store());
    GroupRequest limited = request;
    limited.boxes.assign(subset.begin(), subset.end());
    const GroupResult expected = sql.groupCalculation(limited);
    ASSERT_EQ(expected.rows.size(), 220u);
    EXPECT_EQ(inside, expected.rows);

    try {
        sql.groupCalculation(request);
        ADD_FAILURE() << "the reference engine ran 45 numbers in groups of 3";
    } catch (const Error& refused) {
        const std::string message = refused.what();
        EXPECT_NE(message.find("3个分组请选择40个（含）以内的个数的号码"), std::string::npos) << message;
        EXPECT_NE(message.find("keeps the size limits"), std::string::npos) << message;
    }
}

// The run split over threads gives the single-threaded rows, row for row and in the same order, and stops
// on a cancel.
TEST_F(EngineDifferentialTest, ThreadedGroupsEqualTheSingleThreadedOnes) {
    GroupRequest request;
    request.groupSize = 4;
    request.noLimit = true;
    request.includeSpecial = true;
    request.range = IssueRange{s_records[400].issue, s_records.back().issue};
    for (int box = 1; box <= 49; ++box)
        request.boxes.push_back(box);
    MemoryEngine single(store());
    single.setThreadCount(1);
    MemoryEngine threaded(store());
    threaded.setThreadCount(3);
    const GroupResult expected = single.groupCalculation(request);
    const GroupResult result = threaded.groupCalculation(request);
    ASSERT_EQ(expected.rows.size(), 211876u);
    ASSERT_EQ(result.rows.size(), expected.rows.size());
    auto [differs, expectedRow] = std::mismatch(result.rows.begin(), result.rows.end(), expected.rows.begin());
    if (differs != result.rows.end()) {
        EXPECT_EQ(*differs, *expectedRow) << "row " << differs - result.rows.begin();
    }
    EXPECT_EQ(GroupResultTable(store()).read(GroupSort::Label).size(), 211876u);

    // A cancel, at the latest when the rows are about to be stored, stops the threads and keeps YL.
    request.groupSize = 3;
    EXPECT_THROW(threaded.groupCalculation(request, Progress([](long done, long total) { return done < total / 2; })),
                 AnalysisCancelled);
    EXPECT_EQ(GroupResultTable(store()).read(GroupSort::Label).size(), 211876u);
}

} // namespace quorvel
