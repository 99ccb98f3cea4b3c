// SPDX-License-Identifier: MIT
#include "app/WindowRequests.h"

#include "app/PositionSearchState.h"

namespace quorvel {

namespace {

std::optional<int> readIssue(const std::string& text, const char* box, const char* which, std::string& problem) {
    if (auto issue = typedNumber(text)) return issue;
    if (problem.empty())
        problem = std::string("The ") + which + " issue (" + box + ") '" + text +
                  "' is not an issue number: type one such as 2013001. Nothing was run.";
    return std::nullopt;
}

} // namespace

WindowRequests::WindowRequests(AnalysisChoices choices) : m_choices(std::move(choices)) {
    auto start = readIssue(m_choices.startText, "Text3_0", "start", m_range.problem);
    auto end = readIssue(m_choices.endText, "Text3_1", "end", m_range.problem);
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
