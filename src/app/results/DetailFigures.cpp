// SPDX-License-Identifier: MIT
#include "app/results/DetailFigures.h"

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
        {Message::core(QT_TRANSLATE_NOOP("Core", "命中次数")), Message::verbatim(std::to_string(s.hitsInRange))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "平均遗漏")), Message::verbatim(drawsText(s.average))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "最大连出")), Message::verbatim(std::to_string(s.longestRun))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "上次遗漏")), Message::verbatim(countText(s.previous))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "当前遗漏")), Message::verbatim(std::to_string(row.last))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "理论概率")), Message::verbatim(percentText(s.pHit))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "期望间隔")), Message::verbatim(drawsText(s.expectedGap))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "P(≥当前遗漏)")), Message::verbatim(percentText(s.pAtLeastLast))},
        {Message::core(QT_TRANSLATE_NOOP("Core", "概率来源")),
         s.source == ProbabilitySource::Exact ? Message::core(QT_TRANSLATE_NOOP("Core", "精确 (exact)"))
                                              : Message::core(QT_TRANSLATE_NOOP("Core", "观测 (observed)"))},
    };
}

} // namespace quorvel
