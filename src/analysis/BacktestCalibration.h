// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"

#include <map>
#include <vector>

namespace quorvel {

// One cell of the calibration histogram: the eligible groups that had one p_at_least_last.
struct HistogramCell {
    long count = 0;
    long hits = 0;
    double expected = 0;
};

// The histogram by p_at_least_last, ascending.
using CalibrationHistogram = std::map<double, HistogramCell>;

// Adds the cells of a part (a decision's or a task's, in any map by p_at_least_last) to a histogram.
template <typename Cells> void addCells(CalibrationHistogram& histogram, const Cells& part) {
    for (const auto& [pLast, cell] : part) {
        HistogramCell& total = histogram[pLast];
        total.count += cell.count;
        total.hits += cell.hits;
        total.expected += cell.expected;
    }
}

// Cuts the histogram at its deciles; a value is never split, so a bin may hold more than a tenth and there may
// be fewer than ten bins.
std::vector<CalibrationBin> decileBins(const CalibrationHistogram& histogram);

} // namespace quorvel
