// SPDX-License-Identifier: MIT
#include "analysis/OmissionBaseline.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

void addBaseline(OmissionStatistics& statistics, int last, const HistoryTimeline& timeline, const IssueRange& range,
                 ConditionRates& rates) {
    // A range without a draw gives no figure to compare with.
    if (!timeline.holdsDraws(range)) {
        statistics.pHit.reset();
        statistics.expectedGap.reset();
        statistics.pAtLeastLast.reset();
        return;
    }
    const double p = rates.at(timeline.nextZodiacYear());
    statistics.source = rates.source();
    statistics.pHit = p;
    statistics.expectedGap = p > 0 ? std::optional<double>(1.0 / p) : std::nullopt;
    statistics.pAtLeastLast.reset();
    const bool lastHitSeen = statistics.hitsInRange > 0 ? timeline.endsAtLatest(range) : timeline.coversAll(range);
    if (!lastHitSeen) return;
    const int lastHitIdx = timeline.latestIdx() + 1 - last;
    statistics.pAtLeastLast = rates.dependsOnYear()
                                  ? timeline.missProduct(lastHitIdx, [&](int year) { return rates.at(year); })
                                  : std::pow(1.0 - p, timeline.latestIdx() - lastHitIdx);
}

SharedBaseline::SharedBaseline(const HistoryTimeline& timeline, const IssueRange& range, ConditionRates rates) {
    const int latest = timeline.latestIdx();
    m_withHits.resize(static_cast<std::size_t>(latest) + 2);
    for (int last = 1; last <= latest + 1; ++last) {
        OmissionStatistics& statistics = m_withHits[static_cast<std::size_t>(last)];
        statistics.hitsInRange = 1;
        addBaseline(statistics, last, timeline, range, rates);
    }
    addBaseline(m_withoutHit, latest + 1, timeline, range, rates);
}

void SharedBaseline::add(OmissionStatistics& statistics, int last) const {
    // A hit in the range leaves a last omission of 1 .. latest IDX + 1.
    const int place = std::clamp(last, 1, static_cast<int>(m_withHits.size()) - 1);
    const OmissionStatistics& figures =
        statistics.hitsInRange > 0 ? m_withHits[static_cast<std::size_t>(place)] : m_withoutHit;
    statistics.source = figures.source;
    statistics.pHit = figures.pHit;
    statistics.expectedGap = figures.expectedGap;
    statistics.pAtLeastLast = figures.pAtLeastLast;
}

} // namespace quorvel
