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
    return {{"value", row.value},
            {"label", row.label},
            {"hits", s.hitsInRange},
            {"min", row.summary.min},
            {"max", row.summary.max},
            {"last", row.summary.last},
            {"average", optionalJson(s.average)},
            {"longest_run", s.longestRun},
            {"previous", optionalJson(s.previous)},
            {"hits_10", row.hits10},
            {"hits_30", row.hits30},
            {"hits_100", row.hits100},
            {"p_hit", optionalJson(s.pHit)},
            {"expected_gap", optionalJson(s.expectedGap)},
            {"p_at_least_last", optionalJson(s.pAtLeastLast)}};
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

void printTableText(std::ostream& out, const std::vector<TableRow>& rows, AttributeKind kind,
                    const std::string& rules) {
    printAligned(out, tableGrid(rows, kind, allTableColumns()));
    out << "\nrules: " << rules << "\n";
}

} // namespace quorvel
