// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Trend.h"
#include "app/results/TrendCells.h"

#include <ostream>
#include <string>

namespace quorvel {

// The trend as JSON: {"columns": [{"value", "label"}], "rows": [{"issue", "cells"}], "summary": {"hits", "max",
// "average", "longest_run"}, "rules"}, the rows streamed one by one.
void printTrendJson(std::ostream& out, const Trend& trend, const std::string& rules);

// The trend as a grid for a terminal: the issue, then one column per value, hits marked as the value's name in
// brackets, misses as their counts (right-aligned), then the four summary rows and the rules line.
// Captions in the wording's words, names as the cells give them.
void printTrendText(std::ostream& out, const Trend& trend, const TrendCells& cells, const std::string& rules,
                    const Wording& wording);

} // namespace quorvel
