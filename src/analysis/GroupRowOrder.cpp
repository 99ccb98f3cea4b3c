// SPDX-License-Identifier: MIT
#include "analysis/GroupRowOrder.h"

#include <algorithm>
#include <string_view>
#include <tuple>
#include <utility>

namespace quorvel {

namespace {

// Sorts the row indexes by a key taken once per row (the rows are large; their keys are small).
template <typename Key>
std::vector<std::uint32_t> orderByKey(const std::vector<GroupRow>& rows, const std::vector<std::uint32_t>& stored,
                                      Key key) {
    using Value = decltype(key(rows.front()));
    // (key, stored place, index): the places are distinct, so the first two order every row.
    std::vector<std::tuple<Value, std::uint32_t, std::uint32_t>> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keyed.emplace_back(key(rows[i]), stored[i], static_cast<std::uint32_t>(i));
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::uint32_t> order;
    order.reserve(rows.size());
    for (const auto& entry : keyed)
        order.push_back(std::get<2>(entry));
    return order;
}

} // namespace

std::vector<std::uint32_t> groupRowOrder(const std::vector<GroupRow>& rows, const std::vector<std::uint32_t>& stored,
                                         GroupSort sort) {
    if (rows.empty()) return {};
    switch (sort) {
    case GroupSort::Min: return orderByKey(rows, stored, [](const GroupRow& row) { return row.min; });
    case GroupSort::Max: return orderByKey(rows, stored, [](const GroupRow& row) { return row.max; });
    case GroupSort::Last: return orderByKey(rows, stored, [](const GroupRow& row) { return row.last; });
    case GroupSort::Label:
        return orderByKey(rows, stored, [](const GroupRow& row) { return std::string_view(row.content); });
    case GroupSort::P:
        return orderByKey(rows, stored, [](const GroupRow& row) {
            const auto& p = row.statistics.pAtLeastLast;
            return std::pair(!p.has_value(), p.value_or(0.0));
        });
    }
    return {};
}

} // namespace quorvel
