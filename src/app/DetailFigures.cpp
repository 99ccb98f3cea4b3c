// SPDX-License-Identifier: MIT
#include "app/DetailFigures.h"

#include <cstdio>
#include <optional>

namespace quorvel {

namespace {

std::string formatted(const char* format, double value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string countText(std::optional<int> value) { return value ? std::to_string(*value) : kNoFigure; }

// Means of gaps in draws: two decimals, enough to tell groups apart.
std::string drawsText(std::optional<double> value) { return value ? formatted("%.2f", *value) : kNoFigure; }

// Chances span from near 1 down to 1e-12 and less for a group away very long: significant digits keep the
// small ones readable where fixed decimals would show 0.00%.
std::string percentText(std::optional<double> value) { return value ? formatted("%.3g%%", *value * 100) : kNoFigure; }

} // namespace

std::vector<DetailFigure> detailFigures(const GroupRow& row) {
    const OmissionStatistics& s = row.statistics;
    return {
        {"命中次数", std::to_string(s.hitsInRange)},
        {"平均遗漏", drawsText(s.average)},
        {"最大连出", std::to_string(s.longestRun)},
        {"上次遗漏", countText(s.previous)},
        {"当前遗漏", std::to_string(row.last)},
        {"理论概率", percentText(s.pHit)},
        {"期望间隔", drawsText(s.expectedGap)},
        {"P(≥当前遗漏)", percentText(s.pAtLeastLast)},
        {"概率来源", s.source == ProbabilitySource::Exact ? "精确 (exact)" : "观测 (observed)"},
    };
}

} // namespace quorvel
