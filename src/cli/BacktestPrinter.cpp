// SPDX-License-Identifier: MIT
#include "cli/BacktestPrinter.h"

#include "app/results/BacktestView.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

json figuresJson(const BacktestFigures& figures) {
    return {{"picked", figures.picked},
            {"hits", figures.hits},
            {"expected", figures.expected},
            {"z", figures.z},
            {"p_value", figures.pValue}};
}

// The captions of the text output, in the catalogue's language.
struct Words {
    std::string title; // first issue, last issue, decisions, picks, seed; the picks as values or as groups
    std::string overdue;
    std::string random;
    std::string picked;
    std::string hits;
    std::string expected;
    std::string ties;
    std::string bins;
    std::array<std::string, 6> binColumns;
};

Words words(const Catalogue& catalogue, bool values) {
    auto said = [&catalogue](const char* source) { return catalogue.text("Cli", source); };
    return {values ? said(QT_TRANSLATE_NOOP("Cli", "Backtest: decisions at issues %1..%2 (%3 decisions), %4 values "
                                                   "picked each time, random seed %5"))
                   : said(QT_TRANSLATE_NOOP("Cli", "Backtest: decisions at issues %1..%2 (%3 decisions), %4 groups "
                                                   "picked each time, random seed %5")),
            said(QT_TRANSLATE_NOOP("Cli", "longest away")),
            said(QT_TRANSLATE_NOOP("Cli", "random")),
            said(QT_TRANSLATE_NOOP("Cli", "picked")),
            said(QT_TRANSLATE_NOOP("Cli", "hits")),
            said(QT_TRANSLATE_NOOP("Cli", "expected")),
            said(QT_TRANSLATE_NOOP("Cli", "ties with the last pick (summed)")),
            said(QT_TRANSLATE_NOOP("Cli", "Calibration: every eligible group at every decision, by deciles of P(≥ "
                                          "current gap); by chance alone a bin's hits fall in its 95% range 95 times "
                                          "in 100")),
            {said(QT_TRANSLATE_NOOP("Cli", "p from")), said(QT_TRANSLATE_NOOP("Cli", "p to")),
             said(QT_TRANSLATE_NOOP("Cli", "groups")), said(QT_TRANSLATE_NOOP("Cli", "hits")),
             said(QT_TRANSLATE_NOOP("Cli", "expected")), said(QT_TRANSLATE_NOOP("Cli", "95% range"))}};
}

// Columns a terminal lines up: CJK characters take two cells, everything else one.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string padLeft(const std::string& text, std::size_t width) {
    const std::size_t shown = displayWidth(text);
    return std::string(width > shown ? width - shown : 0, ' ') + text;
}

std::string padRight(const std::string& text, std::size_t width) {
    const std::size_t shown = displayWidth(text);
    return text + std::string(width > shown ? width - shown : 0, ' ');
}

} // namespace

nlohmann::ordered_json backtestJson(const BacktestResult& result) {
    json bins = json::array();
    for (const CalibrationBin& bin : result.bins)
        bins.push_back({{"p_low", bin.pLow},
                        {"p_high", bin.pHigh},
                        {"count", bin.count},
                        {"hits", bin.hits},
                        {"expected", bin.expected}});
    return {{"first_issue", result.firstIssue},
            {"last_issue", result.lastIssue},
            {"decisions", result.decisions},
            {"pick", result.pick},
            {"picked", result.overdue.picked},
            {"hits", result.overdue.hits},
            {"expected", result.overdue.expected},
            {"z", result.overdue.z},
            {"p_value", result.overdue.pValue},
            {"ties", result.ties},
            {"seed", result.seed},
            {"baseline", figuresJson(result.baseline)},
            {"bins", bins},
            {"verdict", verdictKey(result.verdict)},
            {"sentence", backtestSentence(result).english()}};
}

void printBacktestText(std::ostream& out, const BacktestResult& result, const Catalogue& catalogue) {
    const Words w = words(catalogue, result.groupSize == 1);
    // What the figures say comes first, in plain words; the figures follow.
    out << catalogue.text(backtestSentence(result)) << "\n\n";
    out << fillPlaceholders(w.title, {std::to_string(result.firstIssue), std::to_string(result.lastIssue),
                                      std::to_string(result.decisions), std::to_string(result.pick),
                                      std::to_string(result.seed)})
        << "\n\n";
    const std::vector<std::pair<std::string, std::pair<std::string, std::string>>> rows = {
        {w.picked, {std::to_string(result.overdue.picked), std::to_string(result.baseline.picked)}},
        {w.hits, {std::to_string(result.overdue.hits), std::to_string(result.baseline.hits)}},
        {w.expected, {fixedText(result.overdue.expected, 1), fixedText(result.baseline.expected, 1)}},
        {"z", {fixedText(result.overdue.z, 2), fixedText(result.baseline.z, 2)}},
        {"p", {pValueText(result.overdue.pValue), pValueText(result.baseline.pValue)}},
    };
    std::size_t label = 0;
    for (const auto& row : rows)
        label = std::max(label, displayWidth(row.first));
    const std::size_t column = std::max<std::size_t>({12, displayWidth(w.overdue), displayWidth(w.random)}) + 2;
    out << padRight("", label) << padLeft(w.overdue, column) << padLeft(w.random, column) << "\n";
    for (const auto& [caption, values] : rows)
        out << padRight(caption, label) << padLeft(values.first, column) << padLeft(values.second, column) << "\n";
    out << w.ties << ": " << result.ties << "\n\n" << w.bins << "\n";
    for (std::size_t c = 0; c < w.binColumns.size(); ++c)
        out << padLeft(w.binColumns[c], c + 1 < w.binColumns.size() ? 12 : 14);
    out << "\n";
    for (const CalibrationBin& bin : result.bins) {
        const CalibrationBand band = calibrationBand(bin);
        out << padLeft(chanceText(bin.pLow), 12) << padLeft(chanceText(bin.pHigh), 12)
            << padLeft(std::to_string(bin.count), 12) << padLeft(std::to_string(bin.hits), 12)
            << padLeft(fixedText(bin.expected, 1), 12)
            << padLeft(fixedText(band.low, 1) + " - " + fixedText(band.high, 1), 14) << "\n";
    }
}

} // namespace quorvel
