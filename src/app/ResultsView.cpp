// SPDX-License-Identifier: MIT
#include "app/ResultsView.h"

#include "analysis/GroupRowOrder.h"
#include "analysis/ResultCells.h"

#include <algorithm>
#include <numeric>

namespace quorvel {

GroupSort sortOfColumn(int column) {
    switch (column) {
    case 1: return GroupSort::Min;
    case 2: return GroupSort::Max;
    case 3: return GroupSort::Last;
    default: return GroupSort::Label;
    }
}

int columnOfSort(GroupSort sort) {
    switch (sort) {
    case GroupSort::Label: return 0;
    case GroupSort::Min: return 1;
    case GroupSort::Max: return 2;
    default: return 3;
    }
}

Message sortCaption(GroupSort sort) {
    if (sort == GroupSort::P) return Message::core(QT_TRANSLATE_NOOP("Core", "P(≥ last)"));
    return Message::core(omissionHeader().at(static_cast<std::size_t>(columnOfSort(sort))).c_str());
}

void ResultsView::showSearch(SearchKind kind, SearchResult result, std::string rules) {
    const OmissionSummary& summary = result.summary;
    setRows({GroupRow{summary.label, summary.min, summary.max, summary.last, summary.statistics}});
    m_hits = std::move(result);
    m_searchKind = kind;
    m_searchRules = std::move(rules);
    m_content = Content::Summary;
    m_groupOrder.reset();
}

void ResultsView::showGroupCalculation(GroupRequest request, std::vector<GroupRow> rows) {
    showStoredGroups(std::move(rows), GroupSort::Last);
    m_lastGroup = std::move(request);
    m_lastGroupCurrent = true;
}

void ResultsView::showStoredGroups(std::vector<GroupRow> rows, GroupSort sort) {
    setRows(std::move(rows));
    m_content = Content::Groups;
    m_groupOrder = sort;
    orderGroups(sort);
}

void ResultsView::setRows(std::vector<GroupRow> rows) {
    m_rows = std::move(rows);
    m_stored.resize(m_rows.size());
    std::iota(m_stored.begin(), m_stored.end(), std::uint32_t{0});
}

void ResultsView::orderGroups(GroupSort sort) {
    std::vector<std::uint32_t> order = groupRowOrder(m_rows, m_stored, sort);
    // Row order[i] goes to place i, cycle by cycle, so that a million rows are not held twice.
    for (std::uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        GroupRow row = std::move(m_rows[start]);
        const std::uint32_t stored = m_stored[start];
        std::uint32_t place = start;
        while (order[place] != start) {
            const std::uint32_t from = order[place];
            m_rows[place] = std::move(m_rows[from]);
            m_stored[place] = m_stored[from];
            order[place] = place;
            place = from;
        }
        m_rows[place] = std::move(row);
        m_stored[place] = stored;
        order[place] = place;
    }
    m_groupOrder = sort;
}

std::optional<GroupRow> ResultsView::omissionRow(int row) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return std::nullopt;
    return m_rows[static_cast<std::size_t>(row)];
}

std::string ResultsView::groupAt(int row) const {
    if (m_content != Content::Groups) return {};
    auto shown = omissionRow(row);
    return shown ? shown->content : std::string();
}

int ResultsView::rowOfGroup(const std::string& group) const {
    if (group.empty()) return 0;
    auto found = std::find_if(m_rows.begin(), m_rows.end(), [&](const GroupRow& row) { return row.content == group; });
    return found == m_rows.end() ? 0 : static_cast<int>(found - m_rows.begin());
}

ResultsChart ResultsView::chart(int omissionRow) const {
    if (m_content == Content::Summary) return {ResultsChart::Kind::SearchHits, {}};
    if (m_rows.empty()) return {ResultsChart::Kind::NoGroup, {}};
    const auto row = static_cast<std::size_t>(std::clamp(omissionRow, 0, static_cast<int>(m_rows.size()) - 1));
    std::string group = m_rows[row].content;
    if (!m_lastGroup) return {ResultsChart::Kind::GroupNotRun, std::move(group)};
    if (!m_lastGroupCurrent) return {ResultsChart::Kind::HistoryChanged, std::move(group)};
    return {ResultsChart::Kind::GroupHits, std::move(group)};
}

} // namespace quorvel
