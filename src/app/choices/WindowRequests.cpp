// SPDX-License-Identifier: MIT
#include "app/choices/WindowRequests.h"

#include "analysis/ResultCells.h"
#include "app/choices/PositionSearchState.h"

namespace quorvel {

namespace {

// The range boxes are the window's 检索起止期数 (start and end issue of the search).
std::optional<int> readIssue(const std::string& text, const char* which, Message& problem) {
    if (auto issue = typedNumber(text)) return issue;
    if (problem.empty()) problem = Message::core(which, text);
    return std::nullopt;
}

} // namespace

WindowRequests::WindowRequests(AnalysisChoices choices) : m_choices(std::move(choices)) {
    auto start = readIssue(m_choices.startText,
                           QT_TRANSLATE_NOOP("Core", "The start issue of 检索起止期数 '%1' is not an issue number: "
                                                     "type one such as 2013001. Nothing was run."),
                           m_range.problem);
    auto end = readIssue(m_choices.endText,
                         QT_TRANSLATE_NOOP("Core", "The end issue of 检索起止期数 '%1' is not an issue number: type "
                                                   "one such as 2013001. Nothing was run."),
                         m_range.problem);
    if (start && end) m_range.range = IssueRange{*start, *end};
}

IssueRange WindowRequests::rangeOrEmpty() const { return m_range.range.value_or(IssueRange{}); }

// What both searches read from the window alike.
SearchChoice WindowRequests::searchChoice() const {
    return SearchChoice{
        m_choices.kind,           m_choices.order,  m_choices.fixedPositions ? PositionMode::Fixed : PositionMode::Free,
        m_choices.includeSpecial, m_choices.values, m_choices.texts,
        rangeOrEmpty(),           m_choices.bases,  m_choices.gapsFrom};
}

PositionSearchRequest WindowRequests::positionSearch() const {
    auto request = searchRequest<PositionSearchRequest>(searchChoice());
    request.selected = m_choices.selected;
    return request;
}

Message WindowRequests::positionSearchRefusal() const {
    for (std::size_t i = 0; i < 7; ++i) {
        if (!m_choices.selected[i] || m_choices.texts[i].find_first_not_of(' ') != std::string::npos) continue;
        const Message box(Message::kCoreContext, hitListHeader()[i + 1]);
        return Message::core(QT_TRANSLATE_NOOP("Core", "%1 is ticked but its box holds no value: type the value to "
                                                       "look for there, or untick %1. Nothing was run."),
                             box);
    }
    return {};
}

PartialSearchRequest WindowRequests::partialSearch() const {
    auto request = searchRequest<PartialSearchRequest>(searchChoice());
    request.regularOnly = m_choices.regularOnly;
    request.partSize = m_choices.partSize;
    request.partSizeText = m_choices.partSizeText;
    return request;
}

GroupRequest WindowRequests::group() const {
    GroupRequest request;
    request.kind = m_choices.kind;
    for (int box = 1; box <= kCombinationBoxCount; ++box)
        if (m_choices.ticked[static_cast<std::size_t>(box - 1)]) request.boxes.push_back(box);
    request.groupSize = m_choices.groupSize;
    request.includeSpecial = m_choices.includeSpecial;
    request.gapsFrom = m_choices.gapsFrom;
    request.range = rangeOrEmpty();
    request.bases = m_choices.bases;
    return request;
}

} // namespace quorvel
