// SPDX-License-Identifier: MIT
#include "analysis/GroupRowOrder.h"

#include "model/ValueNames.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

namespace quorvel {

namespace {

// The places of rows kept in the order stored: row i at place i (no list of places needed).
struct StoredOrder {
    std::uint32_t operator[](std::size_t i) const { return static_cast<std::uint32_t>(i); }
};

// Sorts the row indexes by a key taken once per row (the rows are large; their keys are small).
template <typename Places, typename Key>
std::vector<std::uint32_t> orderByKey(std::size_t n, const Places& stored, Key key) {
    using Value = decltype(key(std::size_t{0}));
    // (key, stored place, index): the places are distinct, so the first two order every row.
    std::vector<std::tuple<Value, std::uint32_t, std::uint32_t>> keyed;
    keyed.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        keyed.emplace_back(key(i), stored[i], static_cast<std::uint32_t>(i));
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::uint32_t> order;
    order.reserve(n);
    for (const auto& entry : keyed)
        order.push_back(std::get<2>(entry));
    return order;
}

// Orders by a small non-negative whole key without comparing: a counting sort over the rows taken in their
// stored order, so rows of equal key keep that order. Nothing when the keys or the places do not suit it
// (a negative or very large key, places that are not 0..n-1), and the caller sorts by comparing instead.
template <typename Places, typename Key>
std::optional<std::vector<std::uint32_t>> countingOrder(std::size_t n, const Places& stored, Key key) {
    int largest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const int value = key(i);
        if (value < 0) return std::nullopt;
        largest = std::max(largest, value);
    }
    if (static_cast<std::size_t>(largest) > 4 * n + 65536) return std::nullopt;
    // byPlace[p]: the row stored at place p (rows in the order stored need no such list).
    std::vector<std::uint32_t> byPlace;
    if constexpr (!std::is_same_v<Places, StoredOrder>) {
        byPlace.assign(n, std::numeric_limits<std::uint32_t>::max());
        for (std::size_t i = 0; i < n; ++i) {
            if (stored[i] >= n || byPlace[stored[i]] != std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
            byPlace[stored[i]] = static_cast<std::uint32_t>(i);
        }
    }
    auto rowAt = [&](std::size_t place) {
        if constexpr (std::is_same_v<Places, StoredOrder>)
            return static_cast<std::uint32_t>(place);
        else
            return byPlace[place];
    };
    std::vector<std::uint32_t> starts(static_cast<std::size_t>(largest) + 2, 0);
    for (std::size_t i = 0; i < n; ++i)
        ++starts[static_cast<std::size_t>(key(i)) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<std::uint32_t> order(n);
    for (std::size_t place = 0; place < n; ++place) {
        const std::uint32_t index = rowAt(place);
        order[starts[static_cast<std::size_t>(key(index))]++] = index;
    }
    return order;
}

// Orders by a whole key: counting when it suits the keys, else comparing; both give the same order.
template <typename Places, typename Key>
std::vector<std::uint32_t> orderByWholeKey(std::size_t n, const Places& stored, Key key) {
    if (auto order = countingOrder(n, stored, key)) return std::move(*order);
    return orderByKey(n, stored, key);
}

// The rank of a name in its table (鼠 before 牛, 红 before 蓝, 双 before 单), past every number.
std::optional<int> nameRank(std::string_view token) {
    constexpr int kPastNumbers = 100;
    for (const auto& names :
         {storedNames(AttributeKind::Zodiac), storedNames(AttributeKind::Colour), storedNames(AttributeKind::Parity)}) {
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

namespace {

// The order of any rows that give their figures by place: `rows.min(i)`, `rows.last(i)`, ...
template <typename Rows, typename Places>
std::vector<std::uint32_t> orderRows(const Rows& rows, const Places& stored, GroupSort sort) {
    const std::size_t n = rows.size();
    if (n == 0) return {};
    switch (sort) {
    case GroupSort::Min: return orderByWholeKey(n, stored, [&](std::size_t i) { return rows.min(i); });
    case GroupSort::Max: return orderByWholeKey(n, stored, [&](std::size_t i) { return rows.max(i); });
    case GroupSort::Last: return orderByWholeKey(n, stored, [&](std::size_t i) { return rows.last(i); });
    case GroupSort::Label:
        return orderByKey(n, stored, [&](std::size_t i) {
            std::string label = rows.label(i);
            return std::pair(groupLabelKey(label), std::move(label));
        });
    case GroupSort::P:
        return orderByKey(n, stored, [&](std::size_t i) {
            const std::optional<double> p = rows.pAtLeastLast(i);
            return std::pair(!p.has_value(), p.value_or(0.0));
        });
    }
    return {};
}

// Whole rows in a vector, seen as orderRows reads them.
struct WholeRows {
    const std::vector<GroupRow>& rows;
    std::size_t size() const { return rows.size(); }
    int min(std::size_t i) const { return rows[i].min; }
    int max(std::size_t i) const { return rows[i].max; }
    int last(std::size_t i) const { return rows[i].last; }
    const std::string& label(std::size_t i) const { return rows[i].content; }
    std::optional<double> pAtLeastLast(std::size_t i) const { return rows[i].statistics.pAtLeastLast; }
};

// A calculation's rows, seen as orderRows reads them.
struct KeptRows {
    const GroupRows& rows;
    std::size_t size() const { return rows.size(); }
    int min(std::size_t i) const { return rows.min(i); }
    int max(std::size_t i) const { return rows.max(i); }
    int last(std::size_t i) const { return rows.last(i); }
    std::string label(std::size_t i) const {
        std::string text;
        rows.labelInto(i, text);
        return text;
    }
    std::optional<double> pAtLeastLast(std::size_t i) const { return rows.statistics(i).pAtLeastLast; }
};

} // namespace

std::vector<std::uint32_t> groupRowOrder(const std::vector<GroupRow>& rows, const std::vector<std::uint32_t>& stored,
                                         GroupSort sort) {
    return orderRows(WholeRows{rows}, stored, sort);
}

std::vector<std::uint32_t> groupRowOrder(const GroupRows& rows, const std::vector<std::uint32_t>& stored,
                                         GroupSort sort) {
    return orderRows(KeptRows{rows}, stored, sort);
}

std::vector<std::uint32_t> groupRowOrder(const GroupRows& rows, GroupSort sort) {
    return orderRows(KeptRows{rows}, StoredOrder{}, sort);
}

} // namespace quorvel
