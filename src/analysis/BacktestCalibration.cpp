// SPDX-License-Identifier: MIT
#include "analysis/BacktestCalibration.h"

#include <cmath>

namespace quorvel {

std::vector<CalibrationBin> decileBins(const CalibrationHistogram& histogram) {
    long total = 0;
    for (const auto& [pLast, cell] : histogram)
        total += cell.count;
    std::vector<CalibrationBin> bins;
    long cumulative = 0;
    long decile = 1;
    bool open = false;
    for (const auto& [pLast, cell] : histogram) {
        if (cell.count == 0) continue;
        if (!open) {
            bins.push_back(CalibrationBin{pLast, pLast, 0, 0, 0});
            open = true;
        }
        CalibrationBin& bin = bins.back();
        bin.pHigh = pLast;
        bin.count += cell.count;
        bin.hits += cell.hits;
        bin.expected += cell.expected;
        cumulative += cell.count;
        if (cumulative * 10 >= decile * total) {
            open = false;
            decile = cumulative * 10 / total + 1;
        }
    }
    return bins;
}

void finishFigures(BacktestFigures& figures) {
    if (figures.variance <= 0) {
        figures.z = 0;
        figures.pValue = 1;
        return;
    }
    figures.z = (static_cast<double>(figures.hits) - figures.expected) / std::sqrt(figures.variance);
    figures.pValue = std::erfc(std::fabs(figures.z) / std::sqrt(2.0));
}

BacktestVerdict backtestVerdict(const BacktestFigures& figures) {
    if (figures.pValue >= kVerdictLevel) return BacktestVerdict::None;
    return figures.z < 0 ? BacktestVerdict::Fewer : BacktestVerdict::More;
}

} // namespace quorvel
