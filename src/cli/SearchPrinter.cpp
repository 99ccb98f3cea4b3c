// SPDX-License-Identifier: MIT
#include "cli/SearchPrinter.h"

#include "analysis/ResultGrids.h"
#include "model/OmissionStatistics.h"

#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

template <typename Value> json optionalJson(const std::optional<Value>& value) {
    return value ? json(*value) : json(nullptr);
}

// Adds the figures beyond min, max and last to a result's object.
void addStatistics(json& object, const OmissionStatistics& statistics) {
    object["hits_in_range"] = statistics.hitsInRange;
    object["average"] = optionalJson(statistics.average);
    object["longest_run"] = statistics.longestRun;
    object["previous"] = optionalJson(statistics.previous);
    object["p_hit"] = optionalJson(statistics.pHit);
    object["expected_gap"] = optionalJson(statistics.expectedGap);
    object["p_at_least_last"] = optionalJson(statistics.pAtLeastLast);
    object["p_source"] = probabilitySourceText(statistics.source);
}

void printRow(std::ostream& out, const std::vector<std::string>& row) {
    for (std::size_t c = 0; c < row.size(); ++c)
        out << (c ? "\t" : "") << row[c];
    out << "\n";
}

// A grid of the core with its header row (the core's captions) and its cells' names in the wording's words.
void printGrid(std::ostream& out, const CellGrid& grid, const Wording& wording) {
    for (std::size_t r = 0; r < grid.size(); ++r) {
        std::vector<std::string> row;
        for (const std::string& cell : grid[r])
            row.push_back(r == 0 ? wording.said(Message::core(cell.c_str())) : wording.names(cell));
        printRow(out, row);
    }
}

// A figure as the table output shows it: six significant digits, "-" when undefined.
template <typename Value> std::string figureText(const std::optional<Value>& value) {
    if (!value) return "-";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", static_cast<double>(*value));
    return buffer;
}

// The figures beyond the fixed grid, one row per result: its label, then the figures under their JSON names.
const std::vector<std::string> kStatisticsHeader{"号码（分组）", "hits_in_range",   "average",
                                                 "longest_run",  "previous",        "p_hit",
                                                 "expected_gap", "p_at_least_last", "p_source"};

std::vector<std::string> statisticsRow(const std::string& label, const OmissionStatistics& s) {
    return {label,
            std::to_string(s.hitsInRange),
            figureText(s.average),
            std::to_string(s.longestRun),
            figureText(s.previous),
            figureText(s.pHit),
            figureText(s.expectedGap),
            figureText(s.pAtLeastLast),
            std::string(probabilitySourceText(s.source))};
}

} // namespace

json searchJson(const SearchResult& result, const std::string& rules) {
    json hits = json::array();
    for (const HitRow& hit : result.hits)
        hits.push_back({{"issue", hit.issue}, {"cells", hit.cells}, {"gap", hit.gap}, {"seq", hit.seq}});
    json object = {{"label", result.summary.label}, {"hits", hits}, {"min", result.summary.min}};
    // No hit keeps the stored minimum, 32767, and says so beside it.
    if (result.summary.min == OmissionSummary::kNoMinimum) object["never_hit"] = true;
    object["max"] = result.summary.max;
    object["last"] = result.summary.last;
    addStatistics(object, result.summary.statistics);
    object["rules"] = rules;
    return object;
}

void printSearchText(std::ostream& out, const SearchResult& result, const std::string& rules, const Wording& wording) {
    printGrid(out, hitListGrid(result), wording);
    out << "\n";
    printGrid(out, summaryGrid(result.summary), wording);
    out << "\n";
    printGrid(out, {kStatisticsHeader, statisticsRow(result.summary.label, result.summary.statistics)}, wording);
    out << "\n" << rules << "\n";
}

} // namespace quorvel
