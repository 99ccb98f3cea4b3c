// SPDX-License-Identifier: MIT
#include "analysis/GroupHits.h"

#include "AnalysisFixture.h"
#include "analysis/MemoryEngine.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quorvel::test {

// The hits asked for one group give exactly that group's row of the calculation: same minimum, maximum
// and last omission, for every group of a run, over kinds, the special number and a shortened range.
TEST(GroupHitsTest, EveryGroupsHitsGiveItsRow) {
    StoreFixture fixture(StoreFixture::shuffledDraws());
    MemoryEngine engine(fixture.store());
    struct Case {
        AttributeKind kind;
        std::vector<int> boxes;
        int size;
        bool includeSpecial;
        IssueRange range;
    } cases[] = {
        {AttributeKind::Number, {1, 5, 17, 23, 30, 49}, 2, false, {2001001, 2099999}},
        {AttributeKind::Zodiac, {1, 2, 3, 5, 8, 12}, 3, true, {2001001, 2099999}},
        {AttributeKind::Tail, {1, 4, 7, 10}, 2, false, {2015001, 2020150}},
        {AttributeKind::Parity, {1, 2}, 2, true, {2001001, 2099999}},
        {AttributeKind::DigitSum, {1, 7, 13}, 1, false, {2001001, 2099999}},
    };
    for (const Case& c : cases) {
        GroupRequest request{c.kind, c.boxes, c.size, c.includeSpecial, c.range, ParameterBases{}};
        GroupResult result = engine.groupCalculation(request);
        ASSERT_FALSE(result.rows.empty());
        for (const GroupRow& row : result.rows) {
            auto search = groupHitsRequest(request, row.content);
            ASSERT_TRUE(search) << row.content;
            OmissionSummary summary = engine.positionSearch(*search).summary;
            EXPECT_EQ(std::tie(summary.min, summary.max, summary.last), std::tie(row.min, row.max, row.last))
                << row.content;
        }
    }
}

TEST(GroupHitsTest, ContentOfAnotherRequestAsksNothing) {
    GroupRequest request{AttributeKind::Number, {5, 17, 23}, 2, false, {2001001, 2099999}, ParameterBases{}};
    for (const char* content : {"05 49", "05", "05 17 23", "17 05", "鼠 牛", ""})
        EXPECT_FALSE(groupHitsRequest(request, content)) << content;
    request.boxes.assign(41, 1);
    for (int box = 1; box <= 41; ++box)
        request.boxes[static_cast<std::size_t>(box - 1)] = box;
    request.groupSize = 3; // over the size limit: the request makes no group
    EXPECT_FALSE(groupHitsRequest(request, "01 02 03"));
}

} // namespace quorvel::test
