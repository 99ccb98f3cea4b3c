// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"
#include "analysis/ConditionRates.h"
#include "analysis/DrawBitset.h"
#include "analysis/GroupPlan.h"
#include "analysis/HistoryTimeline.h"
#include "analysis/OmissionEngine.h"
#include "analysis/OmissionTable.h"
#include "analysis/Trend.h"
#include "analysis/ValuesRequest.h"
#include "model/DrawRecord.h"
#include "store/HistoryStore.h"

#include <vector>

namespace quorvel {

// The fast engine: the history is loaded once into memory, every condition becomes a bitset over the
// draws, and a search is a few AND and OR operations. It gives the same results as the SqlEngine,
// including how the stored list fields are matched (an item "mXcode" of the whole list, or of the list
// less the special number's item). It loads the history again when the store reports a change, and of each
// draw only the fields of the kinds analysed so far: a kind's fields are read when a request first asks for it.
class MemoryEngine : public OmissionEngine {
  public:
    explicit MemoryEngine(HistoryStore& store);

    // Loads the history from the store with the fields of every kind (done by itself, with the fields of the
    // kinds asked for, whenever the store's history version moved).
    void reload();
    // The threads a group calculation splits its groups over (one per core unless set); the rows are the
    // same, in the same order, with any count.
    void setThreadCount(int threads) { m_threads = threads; }
    // How a group calculation finds each group's hit draws: ANDing the groups' value bitsets, walking each
    // draw's own k-subsets of the ticked values, or (the default) whichever of the two is estimated cheaper
    // for the run. All three give the same rows in the same order.
    enum class GroupCounting { Cheaper, Bitsets, DrawSubsets };
    void setGroupCounting(GroupCounting counting) { m_counting = counting; }

    SearchResult positionSearch(const PositionSearchRequest& request) override;
    SearchResult partialSearch(const PartialSearchRequest& request, const Progress& progress = {}) override;
    GroupResult groupCalculation(const GroupRequest& request, const Progress& progress = {}) override;
    // The rows a group calculation stores, worked out without storing them.
    GroupResult calculateGroups(const GroupRequest& request, const Progress& progress = {});
    // The omission table: one row per value of the kind, each the position search for that value alone.
    OmissionTable omissionTable(const ValuesRequest& request);
    // The trend: one row per draw of the range, one column per value of the kind (Trend.h).
    Trend trend(const ValuesRequest& request);
    // The backtest of the overdue picks (Backtest.h) over the stored history; Error refuses a request that
    // makes no group or leaves no decision draw.
    BacktestResult backtest(const BacktestRequest& request, const Progress& progress = {});

  private:
    // The draws whose (whole or cut) list of the kind holds the item occurrence "X" code (the number
    // alone for the number kind).
    const DrawBitset& listCondition(AttributeKind kind, bool cut, int code, int occurrence) const;
    // The draws holding the value at a position in an order.
    DrawBitset positionCondition(AttributeKind kind, NumberOrder order, int position, int value) const;
    // Draw indexes [begin, end) of an issue range.
    std::pair<int, int> rangeIndexes(const IssueRange& range) const;
    // IDX of the draw just before the draw index `begin` (the latest IDX when `begin` is past the end).
    int rangeBase(int begin) const;
    // Lists the hits of the range with their summary and figures; `rates` gives the baseline.
    SearchResult listHits(const DrawBitset& hits, const IssueRange& range, AttributeKind kind, NumberOrder order,
                          const ParameterBases& bases, GapStart gapsFrom, std::string label,
                          ConditionRates rates) const;
    // The rows of every group of a plan, in the order of the groups, worked out on m_threads threads.
    GroupRows groupRows(const GroupPlan& plan, const GroupRequest& request, const Progress& progress) const;
    // The draws holding each value of a kind where a request looks for it, by value code (an empty bitset
    // for a code no draw holds there).
    std::vector<DrawBitset> valueConditions(const ValuesRequest& request, const std::vector<int>& values) const;
    // Reloads when the history changed since the last load, reads the fields of the kind when they were not read
    // yet, then refuses an empty history.
    void prepare(AttributeKind kind);
    // Loads the history with the fields of the kinds in the mask (bit k for kind k).
    void load(unsigned kinds);
    // Reads the fields of a kind not loaded yet into the loaded draws (loading again when the history changed).
    void requireKind(AttributeKind kind);
    // Makes the bitsets of the items of a kind's list fields.
    void buildListConditions(AttributeKind kind);

    HistoryStore& m_store;
    std::uint64_t m_loadedVersion = 0;
    DrawRecords m_records;
    unsigned m_loadedKinds = 0; // the kinds whose fields m_records holds, bit k for kind k
    HistoryTimeline m_timeline;
    // Draws per (kind, cut, code, occurrence), flat; built at load for every item that occurs.
    static constexpr int kCodes = 64;
    static constexpr int kOccurrences = 8;
    static int conditionSlot(int kind, bool cut, int code, int occurrence) {
        return ((kind * 2 + (cut ? 1 : 0)) * kCodes + code) * kOccurrences + occurrence;
    }
    std::vector<DrawBitset> m_listConditions;
    DrawBitset m_none;
    int m_threads;
    GroupCounting m_counting = GroupCounting::Cheaper;
};

} // namespace quorvel
