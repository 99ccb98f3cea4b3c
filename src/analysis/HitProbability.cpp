// SPDX-License-Identifier: MIT
#include "analysis/HitProbability.h"

#include "model/KindCodes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace quorvel {

namespace {

constexpr int kNumbers = 49;
constexpr int kRegular = 6;

// The values of numbers 1..49 (index 0 unused).
std::array<int, kNumbers + 1> numberValues(AttributeKind kind, int zodiacYear, const ParameterBases& bases) {
    std::array<int, kNumbers + 1> values{};
    values[0] = -1;
    for (int n = 1; n <= kNumbers; ++n)
        values[static_cast<std::size_t>(n)] = numberCode(kind, n, zodiacYear, bases);
    return values;
}

std::int64_t binomial(int n, int k) {
    if (k < 0 || k > n) return 0;
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

// A value class of a free condition: how many numbers hold the value, and how many of them a draw must hold.
struct ClassNeed {
    int size = 0;
    int need = 0;
};

// Free positions: each value class against a uniform set of `drawn` numbers, counted class by class
// (multivariate hypergeometric).
double freeRate(const std::array<ClassNeed, 7>& needs, std::size_t classes, int drawn) {
    std::array<std::int64_t, kRegular + 2> ways{}; // by numbers taken so far
    ways[0] = 1;
    int rest = kNumbers;
    for (std::size_t c = 0; c < classes; ++c) {
        const auto [size, need] = needs[c];
        std::array<std::int64_t, kRegular + 2> next{};
        for (int taken = 0; taken <= drawn; ++taken) {
            if (ways[static_cast<std::size_t>(taken)] == 0) continue;
            for (int more = need; more <= size && taken + more <= drawn; ++more)
                next[static_cast<std::size_t>(taken + more)] +=
                    ways[static_cast<std::size_t>(taken)] * binomial(size, more);
        }
        ways = next;
        rest -= size;
    }
    std::int64_t hits = 0;
    for (int taken = 0; taken <= drawn; ++taken)
        hits += ways[static_cast<std::size_t>(taken)] * binomial(rest, drawn - taken);
    return static_cast<double>(hits) / static_cast<double>(binomial(kNumbers, drawn));
}

double freePositionsRate(const DrawCondition& condition, const std::array<int, kNumbers + 1>& values) {
    std::array<int, 7> codes{};     // the distinct values named
    std::array<ClassNeed, 7> needs; // and their classes
    std::size_t classes = 0;
    for (auto [position, code] : condition.positions) {
        if (condition.kind != AttributeKind::Number && !counterSlot(condition.kind, code)) return 0.0;
        const std::size_t at =
            static_cast<std::size_t>(std::find(codes.begin(), codes.begin() + classes, code) - codes.begin());
        if (at == classes) {
            if (classes == codes.size()) return 0.0; // more values than a draw holds numbers
            codes[classes] = code;
            needs[classes++] = ClassNeed{static_cast<int>(std::count(values.begin() + 1, values.end(), code)), 0};
        }
        // A number occurs at most once in a draw: naming it again asks nothing more.
        needs[at].need = condition.kind == AttributeKind::Number ? 1 : needs[at].need + 1;
    }
    return freeRate(needs, classes, condition.includeSpecial ? kRegular + 1 : kRegular);
}

// Fixed positions in drawn order: the selected positions hold a uniform sequence of distinct numbers, so
// the rate is the number of such sequences meeting every position over all of them. Numbers are taken
// one by one and given to at most one position still open.
double drawnPositionsRate(const DrawCondition& condition, const std::array<int, kNumbers + 1>& values) {
    const auto& positions = condition.positions;
    const std::size_t open = std::size_t{1} << positions.size();
    std::vector<std::int64_t> ways(open, 0); // by the set of positions filled so far
    ways[0] = 1;
    for (int n = 1; n <= kNumbers; ++n) {
        std::vector<std::int64_t> next = ways;
        for (std::size_t filled = 0; filled < open; ++filled) {
            if (ways[filled] == 0) continue;
            for (std::size_t p = 0; p < positions.size(); ++p)
                if (!(filled >> p & 1) && values[static_cast<std::size_t>(n)] == positions[p].second)
                    next[filled | std::size_t{1} << p] += ways[filled];
        }
        ways = std::move(next);
    }
    std::int64_t sequences = 1;
    for (std::size_t i = 0; i < positions.size(); ++i)
        sequences *= kNumbers - static_cast<std::int64_t>(i);
    return static_cast<double>(ways[open - 1]) / static_cast<double>(sequences);
}

// Fixed positions in sorted order: numbers are taken in ascending order, each either the next of the six
// regular numbers (sorted position 1, 2, ...), the special number, or neither.
double sortedPositionsRate(const DrawCondition& condition, const std::array<int, kNumbers + 1>& values) {
    std::array<std::optional<int>, 8> wanted; // value code by position 1..7
    for (auto [position, code] : condition.positions)
        if (position >= 1 && position <= 7) wanted[static_cast<std::size_t>(position)] = code;
    auto allows = [&](int position, int n) {
        const auto& code = wanted[static_cast<std::size_t>(position)];
        return !code || *code == values[static_cast<std::size_t>(n)];
    };
    // ways[regular taken][special taken]
    std::array<std::array<std::int64_t, 2>, kRegular + 1> ways{};
    ways[0][0] = 1;
    for (int n = 1; n <= kNumbers; ++n) {
        auto next = ways;
        for (int taken = 0; taken <= kRegular; ++taken) {
            for (int special = 0; special < 2; ++special) {
                const std::int64_t count = ways[static_cast<std::size_t>(taken)][static_cast<std::size_t>(special)];
                if (count == 0) continue;
                if (taken < kRegular && allows(taken + 1, n))
                    next[static_cast<std::size_t>(taken + 1)][static_cast<std::size_t>(special)] += count;
                if (special == 0 && allows(7, n)) next[static_cast<std::size_t>(taken)][1] += count;
            }
        }
        ways = next;
    }
    const std::int64_t draws = binomial(kNumbers, kRegular) * (kNumbers - kRegular);
    return static_cast<double>(ways[kRegular][1]) / static_cast<double>(draws);
}

} // namespace

DrawCondition positionSearchCondition(const PositionSearchRequest& request) {
    DrawCondition condition;
    condition.kind = request.kind;
    condition.mode = request.mode;
    condition.order = request.order;
    condition.includeSpecial = request.includeSpecial;
    condition.bases = request.bases;
    for (int p = 1; p <= 7; ++p)
        if (request.selected[static_cast<std::size_t>(p - 1)])
            condition.positions.emplace_back(p, request.values[static_cast<std::size_t>(p - 1)]);
    return condition;
}

DrawCondition groupCondition(AttributeKind kind, const std::vector<int>& codes, bool includeSpecial,
                             const ParameterBases& bases) {
    DrawCondition condition;
    condition.kind = kind;
    condition.includeSpecial = includeSpecial;
    condition.bases = bases;
    for (int code : codes)
        condition.positions.emplace_back(0, code);
    return condition;
}

double hitProbability(const DrawCondition& condition, int zodiacYear) {
    const auto values = numberValues(condition.kind, zodiacYear, condition.bases);
    if (condition.mode == PositionMode::Free) return freePositionsRate(condition, values);
    if (condition.order == NumberOrder::Sorted) return sortedPositionsRate(condition, values);
    return drawnPositionsRate(condition, values);
}

} // namespace quorvel
