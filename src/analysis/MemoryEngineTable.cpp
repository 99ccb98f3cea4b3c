// SPDX-License-Identifier: MIT
// The memory engine's omission table: every value's draws as a bitset, walked once over the range.
#include "analysis/MemoryEngine.h"
#include "analysis/OmissionBaseline.h"
#include "analysis/OmissionTally.h"

namespace quorvel {

std::vector<DrawBitset> MemoryEngine::valueConditions(const ValuesRequest& request,
                                                      const std::vector<int>& values) const {
    const int n = static_cast<int>(m_records.size());
    std::vector<DrawBitset> conditions;
    conditions.reserve(values.size());
    if (request.place == ValuePlace::Regular || request.place == ValuePlace::Any) {
        // The stored lists, as the free position search matches them: the value at least once.
        const bool cut = request.place == ValuePlace::Regular;
        for (int value : values) {
            const bool matchable = request.kind == AttributeKind::Number || counterSlot(request.kind, value);
            conditions.push_back(matchable ? listCondition(request.kind, cut, value, 1) : m_none);
        }
        return conditions;
    }
    // One position: each draw holds one value there, so one pass fills every value's bitset.
    const int position = request.place == ValuePlace::Special ? 7 : request.position;
    conditions.assign(values.size(), DrawBitset(n));
    // The values of a kind are consecutive codes, so a value's place is its distance from the first.
    const int first = values.empty() ? 0 : values.front();
    for (int i = 0; i < n; ++i) {
        const int slot =
            attributeValue(m_records[static_cast<std::size_t>(i)], request.kind, request.order, position) - first;
        if (slot >= 0 && slot < static_cast<int>(values.size())) conditions[static_cast<std::size_t>(slot)].set(i);
    }
    return conditions;
}

OmissionTable MemoryEngine::omissionTable(const ValuesRequest& request) {
    prepare(request.kind);
    const std::vector<int> values = kindValues(request.kind, request.bases);
    const std::vector<DrawBitset> conditions = valueConditions(request, values);
    auto [begin, end] = rangeIndexes(request.range);
    const int base = rangeBase(begin);
    const int latest = m_records.back().idx;
    OmissionTable table;
    table.rows.reserve(values.size());
    for (std::size_t v = 0; v < values.size(); ++v) {
        TableRow row;
        row.value = values[v];
        row.label = valueLabel(request.kind, row.value, request.bases);
        OmissionTally tally(base, request.gapsFrom);
        conditions[v].forEachIn(begin, end, [&](int i) {
            tally.add(m_records[static_cast<std::size_t>(i)].idx);
            // The latest 10, 30 and 100 draws of the range.
            row.hits10 += i >= end - 10;
            row.hits30 += i >= end - 30;
            row.hits100 += i >= end - 100;
        });
        row.summary = tally.summary(row.label, latest);
        ConditionRates rates(positionSearchCondition(valueSearchRequest(request, row.value)));
        addBaseline(row.summary.statistics, row.summary.last, m_timeline, request.range, rates);
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace quorvel
