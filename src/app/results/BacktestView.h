// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"
#include "app/choices/WindowRequests.h"
#include "model/CellGrid.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The backtest window's own controls as they stand when 回测 is pressed.
struct BacktestWindowChoices {
    int where = 0;        // 0: as the group calculation counts; 1: special, 2: regular, 3: any (groups of one value)
    std::string fromText; // the first decision issue; empty: the default start
    int pick = 10;
    int seed = 1;
};

// Why no backtest can run with the choices.
enum class BacktestProblem { None, FromNotIssue };

struct BacktestPlan {
    std::optional<BacktestRequest> request;
    BacktestProblem problem = BacktestProblem::None;
};

// Whether the choice of where a value is looked for applies: only to groups of one value.
inline bool backtestWhereApplies(int groupSize) { return groupSize == 1; }

// The request of the main window's kind, ticked boxes, group size, special switch and no-limit setting with the
// backtest window's own choices (where applies only to groups of one value and is otherwise not read).
BacktestPlan backtestPlan(const AnalysisChoices& main, bool noLimit, const BacktestWindowChoices& own);

// One point of the calibration chart: a bin's expected hits against the hits observed.
struct CalibrationPoint {
    double expected = 0;
    double observed = 0;
};

std::vector<CalibrationPoint> calibrationPoints(const BacktestResult& result);

// The hits a bin holds 95 times in 100 by chance alone: its expected count ± 1.96 standard deviations, its
// groups' hits counted as independent, each at the bin's mean hit rate (never below 0). Hits outside it are
// worth a look; inside it, a bin off the diagonal is noise.
struct CalibrationBand {
    double low = 0;
    double high = 0;
};
CalibrationBand calibrationBand(const CalibrationBin& bin);
// The stretch of both chart axes: the bins' figures and bands with a little room around them, so that the points
// spread over the chart while the diagonal still crosses it.
struct CalibrationAxis {
    double low = 0;
    double high = 1;
};
CalibrationAxis calibrationAxis(const BacktestResult& result);

// The captions of the written result, in the window's language.
struct BacktestCaptions {
    std::string overdue;
    std::string random;
    std::string picked;
    std::string hits;
    std::string expected;
    std::string ties;
    std::string decisions;
    std::string seed;
    std::string binColumns[5]; // p from, p to, groups, hits, expected
};

// The results as the window shows them, for a workbook: the two results side by side, the sentence, then the
// calibration bins.
CellGrid backtestGrid(const BacktestResult& result, const BacktestCaptions& captions, const std::string& sentence);

} // namespace quorvel
