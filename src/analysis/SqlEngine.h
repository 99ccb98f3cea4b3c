// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/ConditionRates.h"
#include "analysis/HistoryTimeline.h"
#include "analysis/OmissionEngine.h"
#include "store/HistoryStore.h"

namespace quorvel {

// The reference engine: marks hit draws in Lishi with the statement texts (reset, working list, one
// marking statement per condition), selects them with the hit query and sums up their gaps.
// A statement that cannot be built (a value outside its kind's counter slots) is left out, so its
// condition finds no draw.
class SqlEngine : public OmissionEngine {
  public:
    explicit SqlEngine(HistoryStore& store) : m_store(store) {}

    SearchResult positionSearch(const PositionSearchRequest& request) override;
    SearchResult partialSearch(const PartialSearchRequest& request, const Progress& progress = {}) override;
    GroupResult groupCalculation(const GroupRequest& request, const Progress& progress = {}) override;

  private:
    void execute(const std::string& statement);
    // Lists the hits of a hit query over a range with the kind's cells and returns them with their summary
    // and figures; `rates` gives the baseline.
    SearchResult listHits(const std::string& query, const IssueRange& range, AttributeKind kind, NumberOrder order,
                          const ParameterBases& bases, GapStart gapsFrom, std::string label, ConditionRates rates);
    OmissionSummary summarize(const std::string& query, int rangeBase, GapStart gapsFrom, std::string label);
    int latestIdx();
    // IDX of the draw just before the first draw of a range (the latest IDX when no draw is that late).
    int rangeBase(const IssueRange& range);
    // The zodiac years of the stored draws along IDX.
    HistoryTimeline timeline();

    HistoryStore& m_store;
};

} // namespace quorvel
