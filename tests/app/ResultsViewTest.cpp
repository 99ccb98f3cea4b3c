// SPDX-License-Identifier: MIT
#include "app/results/ResultsView.h"

#include "analysis/CountingRules.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace quorvel {

namespace {

// Group rows in the order stored, with ties in every column so that the stored order shows.
std::vector<GroupRow> storedRows() {
    return {{"03 07", 2, 9, 5}, {"01 02", 1, 9, 5}, {"02 10", 2, 4, 0}, {"01 10", 1, 12, 7}};
}

std::vector<std::string> shownGroups(const ResultsView& view) {
    std::vector<std::string> groups;
    for (const GroupRow& row : view.omissionRows())
        groups.push_back(row.content);
    return groups;
}

} // namespace

// A group calculation shows its rows by the last omission; each click on a column re-orders them by it (equal
// values always in the order stored, however often they were re-ordered before) and that column stays current;
// the group the user had selected is found again.
TEST(ResultsViewTest, ClickedColumnOrdersGroupRows) {
    ResultsView view;
    view.showGroupCalculation(GroupRequest{}, storedRows());
    EXPECT_EQ(shownGroups(view), (std::vector<std::string>{"02 10", "03 07", "01 02", "01 10"}));
    EXPECT_EQ(view.groupOrder(), GroupSort::Last);
    struct Step {
        int column;
        std::vector<std::string> shown;
    } steps[] = {
        {1, {"01 02", "01 10", "03 07", "02 10"}}, {2, {"02 10", "03 07", "01 02", "01 10"}},
        {0, {"01 02", "01 10", "02 10", "03 07"}}, {3, {"02 10", "03 07", "01 02", "01 10"}},
        {1, {"01 02", "01 10", "03 07", "02 10"}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.column);
        const GroupSort sort = sortOfColumn(step.column);
        EXPECT_EQ(columnOfSort(sort), step.column);
        ASSERT_TRUE(view.holdsGroups());
        ASSERT_FALSE(view.showsGroupsIn(sort));
        const std::string kept = view.groupAt(2);
        view.orderGroups(sort);
        EXPECT_TRUE(view.showsGroupsIn(sort));
        EXPECT_EQ(shownGroups(view), step.shown);
        EXPECT_EQ(view.groupAt(view.rowOfGroup(kept)), kept);
    }
    EXPECT_EQ(view.rowOfGroup("49"), 0);
    EXPECT_EQ(view.rowOfGroup(""), 0);
}

// A cell orders ascending by its column; a header orders by its column, and a second header click reverses it.
TEST(ResultsViewTest, HeaderClicksOrderAndReverse) {
    ResultsView view;
    view.showGroupCalculation(GroupRequest{}, storedRows());
    struct Step {
        int column;
        bool onHeader;
        bool descending;
        std::vector<std::string> shown;
    } steps[] = {
        {2, true, false, {"02 10", "03 07", "01 02", "01 10"}},  {2, true, true, {"01 10", "01 02", "03 07", "02 10"}},
        {2, true, false, {"02 10", "03 07", "01 02", "01 10"}},  {2, true, true, {"01 10", "01 02", "03 07", "02 10"}},
        {2, false, false, {"02 10", "03 07", "01 02", "01 10"}}, // a cell: ascending again
        {0, true, false, {"01 02", "01 10", "02 10", "03 07"}},  // another column starts ascending
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::to_string(step.column) + (step.onHeader ? " header" : " cell"));
        const ClickedOrder order = orderOfClick(step.column, step.onHeader, view.groupOrder(), view.groupsDescending());
        EXPECT_EQ(order.descending, step.descending);
        view.orderGroups(order.sort, order.descending);
        EXPECT_EQ(shownGroups(view), step.shown);
    }
    EXPECT_EQ(sortCaption(GroupSort::Max, true).english(), "最大遗漏 降序");
}

// What the chart shows and which counting rules each workbook is written with, as searches, group calculations,
// groups read from the store and changes of the history follow one another.
TEST(ResultsViewTest, ChartAndWorkbookRulesFollowTheResults) {
    SearchResult search;
    search.summary = {"检索 01", 1, 8, 3, {}};
    search.hits.resize(2);
    using Kind = ResultsChart::Kind;
    const std::optional<std::string> stored;
    // A group calculation's rows carry the rules of its request, whether or not the store kept them.
    const std::string calculated = english(countingRulesInWords(GroupRequest{}));
    struct Step {
        const char* what;
        std::function<void(ResultsView&)> change;
        int row; // the omission grid's current row
        Kind chart;
        std::string group;
        // The rules of the omission workbook: those stored with the group results (nothing), or these.
        std::optional<std::string> omissionRules;
        std::string hitRules;
    } steps[] = {
        {"at start", [](ResultsView&) {}, -1, Kind::NoGroup, "", stored,
         "No search has run in this window: the hit list holds no result."},
        {"groups read from the store", [](ResultsView& v) { v.showStoredGroups(storedRows(), GroupSort::Label); }, 1,
         Kind::GroupNotRun, "01 10", stored, "No search has run in this window: the hit list holds no result."},
        {"a search",
         [&](ResultsView& v) { v.showSearch(SearchKind::Partial, search, {Message::verbatim("gaps from the range")}); },
         0, Kind::SearchHits, "", "gaps from the range", "gaps from the range"},
        {"a group calculation", [](ResultsView& v) { v.showGroupCalculation(GroupRequest{}, storedRows()); }, -1,
         Kind::GroupHits, "02 10", calculated, "gaps from the range"},
        {"a row past the end", [](ResultsView&) {}, 9, Kind::GroupHits, "01 10", calculated, "gaps from the range"},
        {"a search again",
         [&](ResultsView& v) { v.showSearch(SearchKind::Position, search, {Message::verbatim("gaps")}); }, 0,
         Kind::SearchHits, "", "gaps", "gaps"},
        {"its groups read back", [](ResultsView& v) { v.showStoredGroups(storedRows(), GroupSort::Min); }, 0,
         Kind::GroupHits, "01 02", stored, "gaps"},
        {"the history changed", [](ResultsView& v) { v.historyChanged(); }, 0, Kind::HistoryChanged, "01 02", stored,
         "gaps"},
        {"a new group calculation", [](ResultsView& v) { v.showGroupCalculation(GroupRequest{}, storedRows()); }, 3,
         Kind::GroupHits, "01 10", calculated, "gaps"},
    };
    ResultsView view;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change(view);
        const ResultsChart chart = view.chart(step.row);
        EXPECT_EQ(chart.kind, step.chart);
        EXPECT_EQ(chart.group, step.group);
        EXPECT_EQ(view.omissionsTakeStoredRules(), !step.omissionRules);
        if (step.omissionRules) {
            EXPECT_EQ(english(view.omissionRules()), *step.omissionRules);
        }
        EXPECT_EQ(english(view.hitRules()), step.hitRules);
    }
    // A search shows its hits and its summary as the one omission row, which names no group.
    view.showSearch(SearchKind::Partial, search, {Message::verbatim("gaps")});
    EXPECT_EQ(view.hits(), search);
    ASSERT_EQ(view.omissionRows().size(), 1u);
    EXPECT_EQ(view.omissionRow(0), (GroupRow{"检索 01", 1, 8, 3, {}}));
    EXPECT_EQ(view.groupAt(0), "");
    EXPECT_FALSE(view.holdsGroups());
    EXPECT_FALSE(view.omissionRow(1));
}

} // namespace quorvel
