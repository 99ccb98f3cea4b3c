// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <array>
#include <optional>
#include <vector>

namespace quorvel {

// The ranges cboQuickRange offers beside 检索起止期数, in its order: the latest N draws, the year of the latest
// stored draw (今年), the year before it (去年), and the whole history (全部).
enum class QuickRange { Latest30, Latest50, Latest100, Latest200, Latest500, ThisYear, LastYear, All };

inline constexpr std::array<QuickRange, 8> kQuickRanges{
    QuickRange::Latest30,  QuickRange::Latest50, QuickRange::Latest100, QuickRange::Latest200,
    QuickRange::Latest500, QuickRange::ThisYear, QuickRange::LastYear,  QuickRange::All};

// How many latest draws a range of the latest draws covers; nothing for the other ranges.
std::optional<int> quickRangeDraws(QuickRange range);

// The first and last stored issue of a quick range, from the stored issues in issue order; nothing when no
// stored draw falls in it (an empty history, or no draw of the year before the latest draw's). A range of the
// latest N draws on a shorter history covers it whole.
std::optional<IssueRange> quickRangeIssues(QuickRange range, const std::vector<int>& storedIssues);

} // namespace quorvel
