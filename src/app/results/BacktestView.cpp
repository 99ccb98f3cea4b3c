// SPDX-License-Identifier: MIT
#include "app/results/BacktestView.h"

#include "app/results/BacktestSentence.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quorvel {

BacktestPlan backtestPlan(const AnalysisChoices& main, bool noLimit, const BacktestWindowChoices& own) {
    BacktestPlan plan;
    BacktestRequest request;
    request.groups = WindowRequests(main).group();
    request.groups.noLimit = noLimit;
    if (backtestWhereApplies(request.groups.groupSize) && own.where >= 1 && own.where <= 3)
        request.place = own.where == 1 ? ValuePlace::Special : own.where == 2 ? ValuePlace::Regular : ValuePlace::Any;
    std::string from = own.fromText;
    from.erase(0, from.find_first_not_of(' '));
    from.erase(from.find_last_not_of(' ') + 1);
    if (!from.empty()) {
        int issue = 0;
        auto [end, error] = std::from_chars(from.data(), from.data() + from.size(), issue);
        if (error != std::errc() || end != from.data() + from.size() || issue < 0) {
            plan.problem = BacktestProblem::FromNotIssue;
            return plan;
        }
        request.fromIssue = issue;
    }
    request.pick = std::max(1, own.pick);
    request.seed = static_cast<std::uint64_t>(std::max(0, own.seed));
    plan.request = request;
    return plan;
}

std::vector<CalibrationPoint> calibrationPoints(const BacktestResult& result) {
    std::vector<CalibrationPoint> points;
    for (const CalibrationBin& bin : result.bins)
        points.push_back(CalibrationPoint{bin.expected, static_cast<double>(bin.hits)});
    return points;
}

CalibrationBand calibrationBand(const CalibrationBin& bin) {
    const double rate = bin.count > 0 ? bin.expected / static_cast<double>(bin.count) : 0;
    const double spread = 1.96 * std::sqrt(std::max(0.0, bin.expected * (1 - rate)));
    return {std::max(0.0, bin.expected - spread), bin.expected + spread};
}

CalibrationAxis calibrationAxis(const BacktestResult& result) {
    if (result.bins.empty()) return {};
    double low = result.bins.front().expected;
    double high = low;
    for (const CalibrationBin& bin : result.bins)
        for (double figure :
             {bin.expected, static_cast<double>(bin.hits), calibrationBand(bin).low, calibrationBand(bin).high}) {
            low = std::min(low, figure);
            high = std::max(high, figure);
        }
    const double room = std::max(1.0, (high - low) * 0.1);
    return CalibrationAxis{std::max(0.0, std::floor(low - room)), std::ceil(high + room)};
}

CellGrid backtestGrid(const BacktestResult& result, const BacktestCaptions& captions, const std::string& sentence) {
    CellGrid grid;
    grid.push_back({"", captions.overdue, captions.random});
    const BacktestFigures& a = result.overdue;
    const BacktestFigures& b = result.baseline;
    grid.push_back({captions.picked, std::to_string(a.picked), std::to_string(b.picked)});
    grid.push_back({captions.hits, std::to_string(a.hits), std::to_string(b.hits)});
    grid.push_back({captions.expected, fixedText(a.expected, 2), fixedText(b.expected, 2)});
    grid.push_back({"z", fixedText(a.z, 2), fixedText(b.z, 2)});
    grid.push_back({"p", pValueText(a.pValue), pValueText(b.pValue)});
    grid.push_back({captions.decisions, std::to_string(result.decisions), ""});
    grid.push_back({captions.ties, std::to_string(result.ties), ""});
    grid.push_back({captions.seed, "", std::to_string(result.seed)});
    grid.push_back({sentence});
    grid.push_back({});
    grid.push_back({captions.binColumns[0], captions.binColumns[1], captions.binColumns[2], captions.binColumns[3],
                    captions.binColumns[4]});
    for (const CalibrationBin& bin : result.bins)
        grid.push_back({chanceText(bin.pLow), chanceText(bin.pHigh), std::to_string(bin.count),
                        std::to_string(bin.hits), fixedText(bin.expected, 2)});
    return grid;
}

} // namespace quorvel
