// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/AnalysisResult.h"
#include "analysis/EngineKind.h"
#include "analysis/Progress.h"

#include <memory>

namespace quorvel {

class HistoryStore;

// Answers the three analyses over the stored history. Every engine gives the same results; each run is
// one transaction of the store. An empty history is refused with Error.
class OmissionEngine {
  public:
    virtual ~OmissionEngine() = default;

    virtual SearchResult positionSearch(const PositionSearchRequest& request) = 0;
    // Reports each combination of positions to `progress`, which may cancel the search.
    virtual SearchResult partialSearch(const PartialSearchRequest& request, const Progress& progress = {}) = 0;
    // Replaces the rows of YL by one row per group and returns them in the order stored, reporting its
    // steps to `progress`. A request over the size limit (or, with the limits lifted, over the group
    // ceiling), or a cancelled run, throws Error and leaves YL as it was.
    virtual GroupResult groupCalculation(const GroupRequest& request, const Progress& progress = {}) = 0;
};

// The engine of a kind over the store.
std::unique_ptr<OmissionEngine> makeEngine(EngineKind kind, HistoryStore& store);

} // namespace quorvel
