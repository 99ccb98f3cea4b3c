// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

// Where a hit rate comes from: counted exactly under uniform draws, or observed over the stored history.
enum class ProbabilitySource { Exact, Observed };

// "exact" or "observed", as the command line writes it.
std::string_view probabilitySourceText(ProbabilitySource source);

// The figures of one search result or group row beyond its minimum, maximum and last omission.
// A figure that is undefined (no hit, one hit, a hit rate of 0, a range that cannot tell) is empty.
struct OmissionStatistics {
    int hitsInRange = 0;
    std::optional<double> average;      // mean of the gaps inside the range (the first from the range's start)
    int longestRun = 0;                 // most hits in draws with consecutive IDX
    std::optional<int> previous;        // the gap of the last hit: the omission before it (needs two hits)
    std::optional<double> pHit;         // chance per draw that a draw of the next issue's zodiac year hits
    std::optional<double> expectedGap;  // 1 / pHit
    std::optional<double> pAtLeastLast; // chance of an omission at least as long as the last, draws independent
    ProbabilitySource source = ProbabilitySource::Exact;

    bool operator==(const OmissionStatistics&) const = default;
};

} // namespace quorvel
