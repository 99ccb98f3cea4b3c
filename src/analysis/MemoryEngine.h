// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/DrawBitset.h"
#include "analysis/OmissionEngine.h"
#include "model/DrawRecord.h"
#include "store/HistoryStore.h"

#include <vector>

namespace quorvel {

// The fast engine: the history is loaded once into memory, every condition becomes a bitset over the
// draws, and a search is a few AND and OR operations. It gives the same results as the SqlEngine,
// including how the stored list fields are matched (an item "mXcode" of the whole list, or of the list
// less the special number's item). Call reload() after the history changes.
class MemoryEngine : public OmissionEngine {
  public:
    explicit MemoryEngine(HistoryStore& store);

    void reload();

    SearchResult positionSearch(const PositionSearchRequest& request) override;
    SearchResult partialSearch(const PartialSearchRequest& request) override;
    GroupResult groupCalculation(const GroupRequest& request) override;

  private:
    // The draws whose (whole or cut) list of the kind holds the item occurrence "X" code (the number
    // alone for the number kind).
    const DrawBitset& listCondition(AttributeKind kind, bool cut, int code, int occurrence) const;
    // The draws holding the value at a position in an order.
    DrawBitset positionCondition(AttributeKind kind, NumberOrder order, int position, int value) const;
    // Draw indexes [begin, end) of an issue range.
    std::pair<int, int> rangeIndexes(const IssueRange& range) const;
    SearchResult listHits(const DrawBitset& hits, const IssueRange& range, AttributeKind kind, NumberOrder order,
                          const ParameterBases& bases, std::string label) const;
    void requireHistory() const;

    HistoryStore& m_store;
    std::vector<DrawRecord> m_records;
    // Draws per (kind, cut, code, occurrence), flat; built at load for every item that occurs.
    static constexpr int kCodes = 64;
    static constexpr int kOccurrences = 8;
    static int conditionSlot(int kind, bool cut, int code, int occurrence) {
        return ((kind * 2 + (cut ? 1 : 0)) * kCodes + code) * kOccurrences + occurrence;
    }
    std::vector<DrawBitset> m_listConditions;
    DrawBitset m_none;
};

} // namespace quorvel
