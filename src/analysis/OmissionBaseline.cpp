// SPDX-License-Identifier: MIT
#include "analysis/OmissionBaseline.h"

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

} // namespace quorvel
