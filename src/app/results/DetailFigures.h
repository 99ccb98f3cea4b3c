// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "model/Message.h"

#include <string>
#include <vector>

namespace quorvel {

// One line of the statistics details panel: the caption a player knows and the figure as text.
struct DetailFigure {
    Message caption;
    Message text; // a figure (shown as it is) or the source of the chance

    bool operator==(const DetailFigure&) const = default;
};

// The text of a figure that is undefined (no hit, one hit, a hit rate of 0, a range that cannot tell).
inline constexpr const char* kNoFigure = "—";

// The figures of a result row (a search's summary or a group) as the details panel shows them, in order:
// 命中次数, 平均遗漏, 最大连出, 上次遗漏, 当前遗漏, 理论概率, 期望间隔, P(≥当前遗漏) and where the
// chance comes from. Omissions and the expected gap are in draws, chances in percent with three significant digits.
std::vector<DetailFigure> detailFigures(const GroupRow& row);

} // namespace quorvel
