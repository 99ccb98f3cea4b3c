// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/HitProbability.h"
#include "model/KindCodes.h"
#include "model/OmissionStatistics.h"

#include <map>
#include <optional>

namespace quorvel {

// The hit rate of one condition in each zodiac year it is asked for: exact rates worked out once per
// year (once in all for kinds without zodiac signs), or one rate observed over the history.
class ConditionRates {
  public:
    // Exact rates of a condition.
    explicit ConditionRates(DrawCondition condition);
    // One rate for every draw, observed: hits over draws.
    static ConditionRates observed(double rate);

    double at(int zodiacYear);
    bool dependsOnYear() const { return m_condition && followsZodiacYear(m_condition->kind); }
    ProbabilitySource source() const { return m_condition ? ProbabilitySource::Exact : ProbabilitySource::Observed; }

  private:
    ConditionRates() = default;

    std::optional<DrawCondition> m_condition; // none: the observed rate
    std::optional<double> m_fixedRate;        // a rate that holds in every year
    std::map<int, double> m_byYear;
};

} // namespace quorvel
