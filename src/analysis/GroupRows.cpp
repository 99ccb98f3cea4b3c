// SPDX-License-Identifier: MIT
#include "analysis/GroupRows.h"

#include "analysis/OmissionBaseline.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quorvel {

GroupRows::GroupRows(std::vector<std::string> elementLabels, int k, GroupFigureArray figures, int rangeBase,
                     int latestIdx, GroupBaselines baselines)
    : m_compact(true), m_figures(std::move(figures)), m_labels(std::move(elementLabels)), m_k(k),
      m_ranks(std::in_place, static_cast<int>(m_labels.size()), k), m_rangeBase(rangeBase), m_latestIdx(latestIdx),
      m_baselines(std::move(baselines)) {}

void GroupRows::labelInto(std::size_t row, std::string& into) const {
    if (!m_compact) {
        into.assign(m_rows[row].content);
        return;
    }
    labelOf(m_ranks->elements(static_cast<long>(row)), into);
}

void GroupRows::labelOf(std::uint64_t elements, std::string& into) const {
    // Sized once, then filled: a label is made for every row, often more than once.
    std::size_t length = 0;
    for (std::uint64_t bits = elements; bits; bits &= bits - 1)
        length += m_labels[static_cast<std::size_t>(std::countr_zero(bits))].size() + 1;
    into.resize(length ? length - 1 : 0);
    char* at = into.data();
    for (std::uint64_t bits = elements; bits; bits &= bits - 1) {
        if (at != into.data()) *at++ = ' ';
        const std::string& label = m_labels[static_cast<std::size_t>(std::countr_zero(bits))];
        std::memcpy(at, label.data(), label.size());
        at += label.size();
    }
}

OmissionStatistics GroupRows::statistics(std::size_t row) const {
    if (!m_compact) return m_rows[row].statistics;
    const GroupFigures& figures = m_figures[row];
    OmissionStatistics statistics;
    statistics.hitsInRange = figures.hitsInRange;
    statistics.longestRun = figures.longestRun;
    // As the tally works it out: the gaps in the range add up to the distance from the draw before the range
    // to the last hit, which lies `last` draws before the one after the latest.
    if (figures.hitsInRange > 0)
        statistics.average = static_cast<double>(m_latestIdx + 1 - figures.last - m_rangeBase) / figures.hitsInRange;
    if (figures.previous != GroupFigures::kNoPrevious) statistics.previous = figures.previous;
    if (m_baselines.shared) {
        m_baselines.shared->add(statistics, figures.last);
    } else if (row < m_baselines.perRow.size()) {
        const OmissionStatistics& baseline = m_baselines.perRow[row];
        statistics.source = baseline.source;
        statistics.pHit = baseline.pHit;
        statistics.expectedGap = baseline.expectedGap;
        statistics.pAtLeastLast = baseline.pAtLeastLast;
    }
    return statistics;
}

void GroupRows::rowInto(std::size_t row, GroupRow& into) const {
    labelInto(row, into.content);
    figuresInto(row, into);
}

void GroupRows::Maker::rowInto(std::size_t row, GroupRow& into) {
    labelInto(row, into.content);
    m_rows.figuresInto(row, into);
}

void GroupRows::Maker::labelInto(std::size_t row, std::string& into) {
    if (!m_rows.m_compact) return m_rows.labelInto(row, into);
    m_elements = m_elements && row == m_row + 1 ? m_rows.m_ranks->nextElements(m_elements)
                                                : m_rows.m_ranks->elements(static_cast<long>(row));
    m_row = row;
    m_rows.labelOf(m_elements, into);
}

void GroupRows::figuresInto(std::size_t row, GroupRow& into) const {
    into.min = min(row);
    into.max = max(row);
    into.last = last(row);
    into.statistics = statistics(row);
}

GroupRow GroupRows::operator[](std::size_t row) const {
    if (!m_compact) return m_rows[row];
    GroupRow made;
    rowInto(row, made);
    return made;
}

void GroupRows::push_back(GroupRow row) {
    if (m_compact) *this = GroupRows(toVector());
    m_rows.push_back(std::move(row));
}

std::vector<GroupRow> GroupRows::toVector() const {
    if (!m_compact) return m_rows;
    std::vector<GroupRow> rows;
    rows.reserve(size());
    for (std::size_t row = 0; row < size(); ++row)
        rows.push_back((*this)[row]);
    return rows;
}

bool operator==(const GroupRows& a, const GroupRows& b) {
    if (!a.m_compact && !b.m_compact) return a.m_rows == b.m_rows;
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool operator==(const GroupRows& a, const std::vector<GroupRow>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

} // namespace quorvel
