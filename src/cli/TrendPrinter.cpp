// SPDX-License-Identifier: MIT
#include "cli/TrendPrinter.h"

#include "cli/DisplayWidth.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

std::string dumped(const json& value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }

void padLeft(std::string& line, const std::string& text, std::size_t width) {
    line.append(width - std::min(width, displayWidth(text)), ' ');
    line += text;
}

} // namespace

void printTrendJson(std::ostream& out, const Trend& trend, const std::string& rules) {
    json columns = json::array();
    for (const TrendColumn& column : trend.columns())
        columns.push_back({{"value", column.value}, {"label", column.label}});
    const TrendSummary& s = trend.summary();
    const json summary{{"hits", s.hits}, {"max", s.max}, {"average", s.average}, {"longest_run", s.longestRun}};
    out << "{\"columns\":" << dumped(columns) << ",\"rows\":[";
    const std::vector<int> cells = trend.allCells();
    const auto width = static_cast<std::size_t>(trend.columnCount());
    std::string line;
    for (int r = 0; r < trend.rowCount(); ++r) {
        line.assign(r == 0 ? "{\"issue\":" : ",{\"issue\":");
        line += std::to_string(trend.issue(r));
        line += ",\"cells\":[";
        for (std::size_t c = 0; c < width; ++c) {
            if (c) line += ',';
            line += std::to_string(cells[static_cast<std::size_t>(r) * width + c]);
        }
        line += "]}";
        out << line;
    }
    out << "],\"summary\":" << dumped(summary) << ",\"rules\":" << dumped(json(rules)) << "}\n";
}

void printTrendText(std::ostream& out, const Trend& trend, const TrendCells& cells, const std::string& rules,
                    const Wording& wording) {
    const int columns = trend.columnCount();
    auto hitText = [](const std::string& label) { return "[" + label + "]"; };
    // The first column holds issues and the summary captions; each value column its widest text.
    const std::string issueCaption = wording.said(TrendCells::issueCaption());
    std::size_t first = displayWidth(issueCaption);
    for (const Message& caption : TrendCells::summaryCaptions())
        first = std::max(first, displayWidth(wording.said(caption)));
    first = std::max<std::size_t>(first, 7);
    std::vector<std::size_t> widths(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        const auto column = static_cast<std::size_t>(c);
        std::size_t width = displayWidth(hitText(cells.columnLabel(c)));
        width = std::max(width, std::to_string(trend.summary().max[column]).size());
        for (int s = 0; s < TrendCells::kSummaryRows; ++s)
            width = std::max(width, cells.summaryText(s, c).size());
        widths[column] = width;
    }
    auto write = [&](const std::string& head, auto text) {
        std::string line = head;
        line.append(first - std::min(first, displayWidth(head)), ' ');
        for (int c = 0; c < columns; ++c) {
            line += ' ';
            padLeft(line, text(c), widths[static_cast<std::size_t>(c)]);
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    };
    write(issueCaption, [&](int c) { return cells.columnLabel(c); });
    for (int r = 0; r < trend.rowCount(); ++r)
        write(std::to_string(trend.issue(r)), [&](int c) {
            const TrendCellLook look = cells.cell(r, c);
            return look.mark == TrendMark::Miss || look.mark == TrendMark::Hidden ? look.text : hitText(look.text);
        });
    for (int s = 0; s < TrendCells::kSummaryRows; ++s)
        write(wording.said(TrendCells::summaryCaptions()[static_cast<std::size_t>(s)]),
              [&](int c) { return cells.summaryText(s, c); });
    out << "\n" << rules << '\n';
}

} // namespace quorvel
