// SPDX-License-Identifier: MIT
#include "app/results/ResultsView.h"

#include "analysis/CountingRules.h"
#include "analysis/GroupRowOrder.h"
#include "analysis/ResultCells.h"

#include <algorithm>

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

ClickedOrder orderOfClick(int column, bool onHeader, std::optional<GroupSort> current, bool currentDescending) {
    const GroupSort sort = sortOfColumn(column);
    const bool reverse = onHeader && current == sort && !currentDescending;
    return ClickedOrder{sort, reverse};
}

Message sortCaption(GroupSort sort, bool descending) {
    const Message caption =
        sort == GroupSort::P ? Message::core(QT_TRANSLATE_NOOP("Core", "P(≥ last)"))
                             : Message::core(omissionHeader().at(static_cast<std::size_t>(columnOfSort(sort))).c_str());
    return descending ? Message::core(QT_TRANSLATE_NOOP("Core", "%1 降序"), caption) : caption;
}

void ResultsView::showSearch(SearchKind kind, SearchResult result, Messages rules) {
    const OmissionSummary& summary = result.summary;
    setRows(std::make_shared<const GroupRows>(
        GroupRows{GroupRow{summary.label, summary.min, summary.max, summary.last, summary.statistics}}));
    m_shown = {0};
    m_hits = std::move(result);
    m_searchKind = kind;
    m_searchRules = std::move(rules);
    m_content = Content::Summary;
    m_groupOrder.reset();
    m_calculationRules.reset();
}

void ResultsView::showGroupCalculation(GroupRequest request, std::shared_ptr<const GroupRows> rows) {
    setRows(std::move(rows));
    m_content = Content::Groups;
    orderGroups(GroupSort::Last);
    m_calculationRules = countingRulesInWords(request);
    m_lastGroup = std::move(request);
    m_lastGroupCurrent = true;
}

void ResultsView::showGroupCalculation(GroupRequest request, GroupRows rows) {
    showGroupCalculation(std::move(request), std::make_shared<const GroupRows>(std::move(rows)));
}

void ResultsView::showStoredGroups(GroupRows rows, GroupSort sort, bool descending) {
    setRows(std::make_shared<const GroupRows>(std::move(rows)));
    m_content = Content::Groups;
    m_calculationRules.reset();
    orderGroups(sort, descending);
}

void ResultsView::setRows(std::shared_ptr<const GroupRows> rows) {
    // The order of the rows before is not kept while the new one is made; the caller orders the new rows.
    m_shown.clear();
    m_shown.shrink_to_fit();
    m_rows = std::move(rows);
}

void ResultsView::orderGroups(GroupSort sort, bool descending) {
    // The rows stay in the order stored; only the order in which they are shown changes.
    m_shown = groupRowOrder(*m_rows, sort);
    if (descending) std::reverse(m_shown.begin(), m_shown.end());
    m_groupOrder = sort;
    m_descending = descending;
}

std::vector<GroupRow> ResultsView::omissionRows() const {
    std::vector<GroupRow> rows;
    rows.reserve(m_shown.size());
    for (std::uint32_t stored : m_shown)
        rows.push_back((*m_rows)[stored]);
    return rows;
}

std::optional<GroupRow> ResultsView::omissionRow(int row) const {
    if (row < 0 || row >= static_cast<int>(m_shown.size())) return std::nullopt;
    return (*m_rows)[m_shown[static_cast<std::size_t>(row)]];
}

std::string ResultsView::groupAt(int row) const {
    if (m_content != Content::Groups || row < 0 || row >= static_cast<int>(m_shown.size())) return {};
    std::string group;
    m_rows->labelInto(m_shown[static_cast<std::size_t>(row)], group);
    return group;
}

int ResultsView::rowOfGroup(const std::string& group) const {
    if (group.empty()) return 0;
    std::string label;
    for (std::size_t row = 0; row < m_shown.size(); ++row) {
        m_rows->labelInto(m_shown[row], label);
        if (label == group) return static_cast<int>(row);
    }
    return 0;
}

ResultsChart ResultsView::chart(int omissionRow) const {
    if (m_content == Content::Summary) return {ResultsChart::Kind::SearchHits, {}};
    if (m_rows->empty()) return {ResultsChart::Kind::NoGroup, {}};
    const auto row = static_cast<std::size_t>(std::clamp(omissionRow, 0, static_cast<int>(m_shown.size()) - 1));
    std::string group;
    m_rows->labelInto(m_shown[row], group);
    if (!m_lastGroup) return {ResultsChart::Kind::GroupNotRun, std::move(group)};
    if (!m_lastGroupCurrent) return {ResultsChart::Kind::HistoryChanged, std::move(group)};
    return {ResultsChart::Kind::GroupHits, std::move(group)};
}

} // namespace quorvel
