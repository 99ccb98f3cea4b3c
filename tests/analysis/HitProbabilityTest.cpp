// SPDX-License-Identifier: MIT
#include "analysis/HitProbability.h"

#include "model/NumberTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace quorvel {

namespace {

// Zodiac year 2013: code 6 (蛇, base 1) holds the five numbers 1, 13, 25, 37, 49.
constexpr int kYear = 2013;
constexpr int kSnake = 6;

DrawCondition condition(AttributeKind kind, PositionMode mode, NumberOrder order,
                        std::vector<std::pair<int, int>> positions) {
    DrawCondition result;
    result.kind = kind;
    result.mode = mode;
    result.order = order;
    result.positions = std::move(positions);
    return result;
}

} // namespace

TEST(HitProbabilityTest, ExactRatesCountedByHand) {
    using enum PositionMode;
    struct Case {
        const char* what;
        DrawCondition condition;
        double expected;
    } cases[] = {
        {"a number among the six regular", condition(AttributeKind::Number, Free, NumberOrder::Drawn, {{1, 7}}),
         6.0 / 49},
        {"a number typed at two free positions counts once",
         condition(AttributeKind::Number, Free, NumberOrder::Drawn, {{2, 7}, {5, 7}}), 6.0 / 49},
        {"a number as the special number", condition(AttributeKind::Number, Fixed, NumberOrder::Drawn, {{7, 7}}),
         1.0 / 49},
        {"a zodiac of five numbers at the special position",
         condition(AttributeKind::Zodiac, Fixed, NumberOrder::Drawn, {{7, kSnake}}), 5.0 / 49},
        {"the same zodiac among the six regular",
         condition(AttributeKind::Zodiac, Free, NumberOrder::Drawn, {{3, kSnake}}), 22483.0 / 45402},
        {"two given numbers both among the six", groupCondition(AttributeKind::Number, {5, 17}, false, {}), 5.0 / 392},
        {"sorted position 1 holding 1", condition(AttributeKind::Number, Fixed, NumberOrder::Sorted, {{1, 1}}),
         6.0 / 49},
        {"sorted position 1 holding 44", condition(AttributeKind::Number, Fixed, NumberOrder::Sorted, {{1, 44}}),
         1.0 / 13983816},
        {"sorted position 3 holding 25", condition(AttributeKind::Number, Fixed, NumberOrder::Sorted, {{3, 25}}),
         92.0 / 2303},
        {"a zodiac code no number holds", condition(AttributeKind::Zodiac, Free, NumberOrder::Drawn, {{1, 13}}), 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(hitProbability(c.condition, kYear), c.expected) << c.what;
}

// The exact rate against the rate of a million simulated draws: six regular numbers drawn from 1..49 and the
// special number from the rest, with a fixed seed. The tolerance is five standard deviations of the observed rate.
TEST(HitProbabilityTest, ExactRatesMatchAMillionSimulatedDraws) {
    using enum PositionMode;
    DrawCondition twoSnakes = condition(AttributeKind::Zodiac, Free, NumberOrder::Drawn, {{1, kSnake}, {7, kSnake}});
    twoSnakes.includeSpecial = true;
    struct Case {
        const char* what;
        DrawCondition condition;
        bool (*hits)(const std::array<int, 7>& drawn, const std::array<int, 6>& sorted);
    } cases[] = {
        {"two numbers of zodiac 蛇 among all seven", twoSnakes,
         [](const std::array<int, 7>& drawn, const std::array<int, 6>&) {
             return std::count_if(drawn.begin(), drawn.end(),
                                  [](int n) { return zodiacSignIndex(n, kYear) == kSnake - 1; }) >= 2;
         }},
        {"sorted positions 2 and 5 with tails 3 and 8, the special number with tail 3",
         condition(AttributeKind::Tail, Fixed, NumberOrder::Sorted, {{2, 3}, {5, 8}, {7, 3}}),
         [](const std::array<int, 7>& drawn, const std::array<int, 6>& sorted) {
             return tailDigit(sorted[1]) == 3 && tailDigit(sorted[4]) == 8 && tailDigit(drawn[6]) == 3;
         }},
        {"drawn position 1 and the special number red",
         condition(AttributeKind::Colour, Fixed, NumberOrder::Drawn, {{1, 1}, {7, 1}}),
         [](const std::array<int, 7>& drawn, const std::array<int, 6>&) {
             return colourIndex(drawn[0]) == 0 && colourIndex(drawn[6]) == 0;
         }},
    };
    constexpr int kDraws = 1000000;
    for (const Case& c : cases) {
        std::mt19937_64 random(20130117);
        std::array<int, 49> numbers;
        std::iota(numbers.begin(), numbers.end(), 1);
        int hits = 0;
        for (int d = 0; d < kDraws; ++d) {
            std::array<int, 7> drawn;
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                std::uniform_int_distribution<std::size_t> pick(i, numbers.size() - 1);
                std::swap(numbers[i], numbers[pick(random)]);
                drawn[i] = numbers[i];
            }
            std::array<int, 6> sorted;
            std::copy(drawn.begin(), drawn.begin() + 6, sorted.begin());
            std::sort(sorted.begin(), sorted.end());
            hits += c.hits(drawn, sorted) ? 1 : 0;
        }
        const double p = hitProbability(c.condition, kYear);
        EXPECT_NEAR(static_cast<double>(hits) / kDraws, p, 5 * std::sqrt(p * (1 - p) / kDraws)) << c.what;
    }
}

} // namespace quorvel
