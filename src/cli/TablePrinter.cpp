// SPDX-License-Identifier: MIT
#include "cli/TablePrinter.h"

#include "cli/DisplayWidth.h"

#include <algorithm>
#include <optional>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

template <typename Value> json optionalJson(const std::optional<Value>& value) {
    return value ? json(*value) : json(nullptr);
}

json rowJson(const TableRow& row) {
    const OmissionStatistics& s = row.summary.statistics;
    json object = {{"value", row.value}, {"label", row.label}, {"hits", s.hitsInRange}, {"min", row.summary.min}};
    // No hit keeps the stored minimum, 32767, and says so beside it.
    if (row.summary.min == OmissionSummary::kNoMinimum) object["never_hit"] = true;
    object["max"] = row.summary.max;
    object["last"] = row.summary.last;
    object["average"] = optionalJson(s.average);
    object["longest_run"] = s.longestRun;
    object["previous"] = optionalJson(s.previous);
    object["hits_10"] = row.hits10;
    object["hits_30"] = row.hits30;
    object["hits_100"] = row.hits100;
    object["p_hit"] = optionalJson(s.pHit);
    object["expected_gap"] = optionalJson(s.expectedGap);
    object["p_at_least_last"] = optionalJson(s.pAtLeastLast);
    return object;
}

// The grid with every column padded to its widest cell, labels to the left, figures to the right.
void printAligned(std::ostream& out, const CellGrid& grid) {
    std::vector<std::size_t> widths;
    for (const auto& row : grid)
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - displayWidth(row[c]), ' ');
            line += c == 0 ? "" : "  ";
            line += c == 1 ? row[c] + padding : padding + row[c];
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << "\n";
    }
}

} // namespace

json tableJson(const std::vector<TableRow>& rows, const std::string& rules) {
    json array = json::array();
    for (const TableRow& row : rows)
        array.push_back(rowJson(row));
    return {{"rows", array}, {"rules", rules}};
}

void printTableText(std::ostream& out, const std::vector<TableRow>& rows, AttributeKind kind, const std::string& rules,
                    const Wording& wording) {
    printAligned(out, tableGrid(rows, kind, allTableColumns(), wording));
    out << "\n" << rules << "\n";
}

} // namespace quorvel
