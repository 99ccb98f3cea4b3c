// SPDX-License-Identifier: MIT
#include "app/choices/PositionSearchState.h"

#include "analysis/AnalysisRange.h"
#include "app/settings/SettingKeys.h"

namespace quorvel {

std::optional<int> typedNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    return parseIntegerText(text.substr(first, last - first + 1));
}

void PositionSearchState::resetFromManualTab(NumberOrder order, const std::array<std::string, 7>& typedTexts) {
    m_manualValues = true;
    m_order = order;
    for (int p = 1; p <= 7; ++p)
        setTypedValue(p, typedTexts[static_cast<std::size_t>(p - 1)]);
}

void PositionSearchState::followChoices(const SearchChoices& choices) {
    m_manualValues = !choices.referenceTab;
    m_order = choices.order;
}

void PositionSearchState::setTypedValue(int position, std::string_view text) {
    if (auto value = typedNumber(text)) m_values.at(static_cast<std::size_t>(position - 1)) = *value;
}

RefreshOutcome PositionSearchState::refreshReference(const StoredDrawLookup& stored, const SearchChoices& choices) {
    RefreshOutcome outcome;
    auto issue = typedNumber(choices.referenceIssueText);
    if (!issue) {
        outcome.problem = Message::core(QT_TRANSLATE_NOOP("Core", "The reference issue '%1' is not an issue number "
                                                                  "(type one such as 2013050); the reference values "
                                                                  "and the end issue were kept."),
                                        choices.referenceIssueText);
        return outcome;
    }
    auto latest = stored.latest();
    if (!latest) {
        outcome.problem = Message::core(QT_TRANSLATE_NOOP("Core", "The history is empty, so there is no reference "
                                                                  "draw (import or enter draws first); the reference "
                                                                  "values and the end issue were kept."));
        return outcome;
    }
    auto reference = stored.latestNotAfter(*issue);
    if (!reference) {
        outcome.problem = Message::core(QT_TRANSLATE_NOOP("Core", "No stored draw is at or before issue %1 (the first "
                                                                  "stored issue is %2); the reference values and the "
                                                                  "end issue were kept."),
                                        *issue, stored.first()->issue);
        return outcome;
    }
    ReferenceValues read = referenceValues(*reference, choices.kind, choices.order, choices.bases);
    m_manualValues = false;
    m_order = choices.order;
    m_values = read.values;
    outcome.endIssue = choices.onlyBefore ? reference->issue - 1 : latest->issue;
    outcome.shownValues = read.texts;
    return outcome;
}

RefreshOutcome PositionSearchState::refresh(const StoredDrawLookup& stored, const SearchChoices& choices) {
    if (choices.referenceTab) return refreshReference(stored, choices);
    resetFromManualTab(choices.order, choices.typedTexts);
    return {};
}

} // namespace quorvel
