// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/AnalysisResult.h"
#include "model/GroupRow.h"
#include "model/GroupSort.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The order a click on a column of the omission grid gives (the group column: by label), and the column that
// stays current under a sort (P has no column: the last omission is nearest).
GroupSort sortOfColumn(int column);
int columnOfSort(GroupSort sort);
// The order a click on the omission grid gives: a cell orders ascending by its column; a header orders by its
// column, and a second click on the header of the column the rows are ordered by reverses the order.
struct ClickedOrder {
    GroupSort sort = GroupSort::Last;
    bool descending = false;
};
ClickedOrder orderOfClick(int column, bool onHeader, std::optional<GroupSort> current, bool currentDescending);
// The caption of a sort: its column's header, or P(≥ last).
Message sortCaption(GroupSort sort, bool descending = false);

// Which search filled the hit list.
enum class SearchKind { Position, Partial };

// What the omission chart shows for the omission grid's current row.
struct ResultsChart {
    enum class Kind {
        SearchHits,     // the hits of the last search
        NoGroup,        // the grid holds no group
        GroupNotRun,    // the groups were read from the store: no group calculation ran in this window
        HistoryChanged, // the history changed since the group calculation
        GroupHits,      // the hits of `group` under the last group calculation
    };
    Kind kind = Kind::NoGroup;
    std::string group; // the group of the current row, for every kind but SearchHits and NoGroup
};

// What the window's result grids hold, without Qt: the hit list of the last search, the omission grid's rows (a
// search's summary row or the group results) in the order shown, the order of the group rows, the counting
// rules each workbook is written with, and the last group calculation, for the chart of a group.
class ResultsView {
  public:
    // A search's hits in the hit list and its summary as the omission grid's one row; `rules` says in words how its
    // gaps were counted.
    void showSearch(SearchKind kind, SearchResult result, Messages rules);
    // A group calculation's rows, given in the order stored, shown by the last omission; the request is kept
    // for the chart of a group until the history changes.
    void showGroupCalculation(GroupRequest request, std::shared_ptr<const GroupRows> rows);
    void showGroupCalculation(GroupRequest request, GroupRows rows);
    // The group rows read from the store, given in the order stored, shown ordered by a sort.
    void showStoredGroups(GroupRows rows, GroupSort sort, bool descending = false);
    // Whether the grid holds group rows already shown in this order (nothing to do).
    bool showsGroupsIn(GroupSort sort, bool descending = false) const {
        return m_content == Content::Groups && m_groupOrder == sort && m_descending == descending;
    }
    // Whether the grid holds group rows that can be re-ordered in memory; otherwise they are read from the store.
    bool holdsGroups() const { return m_content == Content::Groups && m_groupOrder.has_value(); }
    // Re-orders the shown group rows by a sort, equal values in the order stored (as reading YL by it gives them).
    // Descending shows them the other way round.
    void orderGroups(GroupSort sort, bool descending = false);
    // The history changed: the last group calculation no longer describes it.
    void historyChanged() { m_lastGroupCurrent = false; }

    const SearchResult& hits() const { return m_hits; }
    SearchKind searchKind() const { return m_searchKind; }
    // The omission grid's rows in the order shown, made whole (a copy: for a few rows or a whole export).
    std::vector<GroupRow> omissionRows() const;
    std::size_t omissionCount() const { return m_shown.size(); }
    // The omission grid's row with its fuller figures; nothing outside the rows.
    std::optional<GroupRow> omissionRow(int row) const;
    std::optional<GroupSort> groupOrder() const { return m_groupOrder; }
    bool groupsDescending() const { return m_groupOrder && m_descending; }
    // The group shown at a row; empty when the grid holds a search's summary or there is no such row.
    std::string groupAt(int row) const;
    // The row showing a group; the first row when it is not shown (or `group` is empty).
    int rowOfGroup(const std::string& group) const;
    const std::optional<GroupRequest>& lastGroup() const { return m_lastGroup; }

    // The counting rules of the hit list's workbook.
    const Messages& hitRules() const { return m_searchRules; }
    // Whether the omission grid's workbook takes the rules stored with the group results: it holds group rows read
    // from the store. Otherwise omissionRules() gives them.
    bool omissionsTakeStoredRules() const { return m_content == Content::Groups && !m_calculationRules; }
    // The counting rules of the omission grid's workbook when they are not the stored ones: those of the group
    // calculation whose rows it shows (the same the store keeps with them, also when storing them failed), else
    // the last search's.
    const Messages& omissionRules() const { return m_calculationRules ? *m_calculationRules : m_searchRules; }
    // What the chart shows for the omission grid's current row (the first row when none is current).
    ResultsChart chart(int omissionRow) const;

  private:
    enum class Content { Summary, Groups };
    // Holds `rows` in the order stored, none shown until they are ordered.
    void setRows(std::shared_ptr<const GroupRows> rows);

    SearchResult m_hits;
    SearchKind m_searchKind = SearchKind::Position;
    // In the order stored; shared with the store's write of a group calculation's rows.
    std::shared_ptr<const GroupRows> m_rows = std::make_shared<const GroupRows>();
    std::vector<std::uint32_t> m_shown; // the stored place of each row shown, in the order shown
    Content m_content = Content::Groups;
    std::optional<GroupSort> m_groupOrder; // how the shown group rows are ordered
    bool m_descending = false;             // and whether the other way round
    Messages m_searchRules{
        Message::core(QT_TRANSLATE_NOOP("Core", "No search has run in this window: the hit list holds no result."))};
    std::optional<GroupRequest> m_lastGroup;
    std::optional<Messages> m_calculationRules; // while the grid shows the rows of a group calculation
    bool m_lastGroupCurrent = false;
};

} // namespace quorvel
