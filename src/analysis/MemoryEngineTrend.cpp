// SPDX-License-Identifier: MIT
// The memory engine's trend: every value's draws as a bitset over the history, the range's draws as the rows.
#include "analysis/MemoryEngine.h"

namespace quorvel {

Trend MemoryEngine::trend(const ValuesRequest& request) {
    prepare(request.kind);
    const std::vector<int> values = kindValues(request.kind, request.bases);
    std::vector<TrendColumn> columns;
    columns.reserve(values.size());
    for (int value : values)
        columns.push_back({value, valueLabel(request.kind, value, request.bases)});
    auto [begin, end] = rangeIndexes(request.range);
    std::vector<int> issues;
    issues.reserve(static_cast<std::size_t>(std::max(end - begin, 0)));
    for (int i = begin; i < end; ++i)
        issues.push_back(m_records[static_cast<std::size_t>(i)].issue);
    return Trend(std::move(columns), valueConditions(request, values), begin, std::move(issues));
}

} // namespace quorvel
