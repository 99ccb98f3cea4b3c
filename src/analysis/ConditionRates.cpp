// SPDX-License-Identifier: MIT
#include "analysis/ConditionRates.h"

namespace quorvel {

ConditionRates::ConditionRates(DrawCondition condition) : m_condition(std::move(condition)) {}

ConditionRates ConditionRates::observed(double rate) {
    ConditionRates rates;
    rates.m_fixedRate = rate;
    return rates;
}

double ConditionRates::at(int zodiacYear) {
    if (m_fixedRate) return *m_fixedRate;
    if (!dependsOnYear()) {
        m_fixedRate = hitProbability(*m_condition, zodiacYear);
        return *m_fixedRate;
    }
    auto found = m_byYear.find(zodiacYear);
    if (found == m_byYear.end()) found = m_byYear.emplace(zodiacYear, hitProbability(*m_condition, zodiacYear)).first;
    return found->second;
}

} // namespace quorvel
