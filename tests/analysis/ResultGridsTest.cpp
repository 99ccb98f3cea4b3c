// SPDX-License-Identifier: MIT
#include "analysis/ResultGrids.h"
#include "TempFolder.h"
#include "analysis/GroupResultTable.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(ResultGrids, GroupRowsReadBackInTheChosenOrder) {
    test::TempFolder folder;
    HistoryStore store(folder / "quorvel.db");
    GroupResultTable table(store);
    table.append(std::vector<GroupRow>{{"05 17", 1, 9, 4}, {"03 17", 2, 8, 0}, {"01 02", 32767, 0, 4}});
    EXPECT_EQ(groupResultGrid(table.read(GroupSort::Last)),
              (CellGrid{{"号码（分组）", "最小遗漏", "最大遗漏", "最后遗漏"},
                        {"03 17", "2", "8", "0"},
                        {"05 17", "1", "9", "4"},
                        {"01 02", "未出", "0", "4"}}));
    EXPECT_EQ(table.read(GroupSort::Max).front().content, "01 02");
    EXPECT_EQ(table.read(GroupSort::Label).front().content, "01 02");
    EXPECT_EQ(table.read(GroupSort::Min).back().content, "01 02");
    table.clear();
    EXPECT_TRUE(table.read(GroupSort::Last).empty());
}

TEST(ResultGrids, LabelsOrderByTheirValuesNamesInTableOrder) {
    test::TempFolder folder;
    HistoryStore store(folder / "quorvel.db");
    GroupResultTable table(store);
    struct Case {
        std::vector<std::string> stored;
        std::vector<std::string> ordered;
    } cases[] = {
        {{"猪 鼠", "牛 虎", "鼠 猪", "鼠 牛"}, {"鼠 牛", "鼠 猪", "牛 虎", "猪 鼠"}},
        {{"绿", "蓝", "红"}, {"红", "蓝", "绿"}},
        {{"单", "双"}, {"双", "单"}},
    };
    for (const Case& c : cases) {
        table.clear();
        std::vector<GroupRow> rows;
        for (const std::string& label : c.stored)
            rows.push_back({label, 1, 1, 1});
        table.append(rows);
        std::vector<std::string> read;
        for (const GroupRow& row : table.read(GroupSort::Label))
            read.push_back(row.content);
        EXPECT_EQ(read, c.ordered);
    }
}

TEST(ResultGrids, HitListAndSummaryRows) {
    SearchResult result;
    result.hits.push_back(HitRow{2013017, {"蛇", "牛", "蛇", "马", "羊", "狗", "虎"}, 7, 1});
    result.summary = OmissionSummary{"05 ", 7, 7, 3};
    CellGrid hits = hitListGrid(result);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].front(), "期号");
    EXPECT_EQ(hits[0].back(), "序号");
    EXPECT_EQ(hits[1], (std::vector<std::string>{"2013017", "蛇", "牛", "蛇", "马", "羊", "狗", "虎", "7", "1"}));
    EXPECT_EQ(summaryGrid(result.summary)[1], (std::vector<std::string>{"05 ", "7", "7", "3"}));
}

} // namespace quorvel
