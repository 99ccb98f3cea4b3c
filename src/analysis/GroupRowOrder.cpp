// SPDX-License-Identifier: MIT
#include "analysis/GroupRowOrder.h"

#include "model/NumberTables.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <span>
#include <string>
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

// Orders by a small non-negative whole key without comparing: a counting sort over the rows taken in their
// stored order, so rows of equal key keep that order. Nothing when the keys or the places do not suit it
// (a negative or very large key, places that are not 0..n-1), and the caller sorts by comparing instead.
template <typename Key>
std::optional<std::vector<std::uint32_t>> countingOrder(const std::vector<GroupRow>& rows,
                                                        const std::vector<std::uint32_t>& stored, Key key) {
    const std::size_t n = rows.size();
    int largest = 0;
    for (const GroupRow& row : rows) {
        const int value = key(row);
        if (value < 0) return std::nullopt;
        largest = std::max(largest, value);
    }
    if (static_cast<std::size_t>(largest) > 4 * n + 65536) return std::nullopt;
    // byPlace[p]: the row stored at place p.
    std::vector<std::uint32_t> byPlace(n, std::numeric_limits<std::uint32_t>::max());
    for (std::size_t i = 0; i < n; ++i) {
        if (stored[i] >= n || byPlace[stored[i]] != std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
        byPlace[stored[i]] = static_cast<std::uint32_t>(i);
    }
    std::vector<std::uint32_t> starts(static_cast<std::size_t>(largest) + 2, 0);
    for (const GroupRow& row : rows)
        ++starts[static_cast<std::size_t>(key(row)) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<std::uint32_t> order(n);
    for (std::uint32_t index : byPlace)
        order[starts[static_cast<std::size_t>(key(rows[index]))]++] = index;
    return order;
}

// Orders by a whole key: counting when it suits the keys, else comparing; both give the same order.
template <typename Key>
std::vector<std::uint32_t> orderByWholeKey(const std::vector<GroupRow>& rows, const std::vector<std::uint32_t>& stored,
                                           Key key) {
    if (auto order = countingOrder(rows, stored, key)) return std::move(*order);
    return orderByKey(rows, stored, key);
}

// The rank of a name in its table (鼠 before 牛, 红 before 蓝, 双 before 单), past every number.
std::optional<int> nameRank(std::string_view token) {
    constexpr int kPastNumbers = 100;
    for (const auto& names :
         {std::span<const std::string_view>(zodiacNames()), std::span<const std::string_view>(colourNames()),
          std::span<const std::string_view>(parityNames())}) {
        auto found = std::find(names.begin(), names.end(), token);
        if (found != names.end()) return kPastNumbers + static_cast<int>(found - names.begin());
    }
    return std::nullopt;
}

} // namespace

std::string groupLabelKey(std::string_view label) {
    // One byte per value: a number by its value, a name by its table rank, anything else after both.
    std::string key;
    std::size_t at = 0;
    while (at < label.size()) {
        const std::size_t end = std::min(label.find(' ', at), label.size());
        const std::string_view token = label.substr(at, end - at);
        at = end + 1;
        if (token.empty()) continue;
        int rank = 255;
        if (std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; }) && token.size() <= 2)
            rank = 1 + std::stoi(std::string(token));
        else if (auto named = nameRank(token))
            rank = *named;
        key.push_back(static_cast<char>(rank));
    }
    return key;
}

std::vector<std::uint32_t> groupRowOrder(const std::vector<GroupRow>& rows, const std::vector<std::uint32_t>& stored,
                                         GroupSort sort) {
    if (rows.empty()) return {};
    switch (sort) {
    case GroupSort::Min: return orderByWholeKey(rows, stored, [](const GroupRow& row) { return row.min; });
    case GroupSort::Max: return orderByWholeKey(rows, stored, [](const GroupRow& row) { return row.max; });
    case GroupSort::Last: return orderByWholeKey(rows, stored, [](const GroupRow& row) { return row.last; });
    case GroupSort::Label:
        return orderByKey(rows, stored,
                          [](const GroupRow& row) { return std::pair(groupLabelKey(row.content), row.content); });
    case GroupSort::P:
        return orderByKey(rows, stored, [](const GroupRow& row) {
            const auto& p = row.statistics.pAtLeastLast;
            return std::pair(!p.has_value(), p.value_or(0.0));
        });
    }
    return {};
}

} // namespace quorvel
