// SPDX-License-Identifier: MIT
#include "cli/BacktestPrinter.h"

#include <cstdio>
#include <cstdlib>
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

// The captions of the text output, by language.
struct Words {
    const char* title; // first issue, last issue, decisions, picks, seed
    const char* overdue;
    const char* random;
    const char* picked;
    const char* hits;
    const char* expected;
    const char* ties;
    const char* bins;
    const char* binColumns[5];
};

const Words& words(SentenceLanguage language) {
    static const Words english{"Backtest: decisions at issues %1..%2 (%3 decisions), %4 picks each, random seed %5",
                               "longest away",
                               "random",
                               "picked",
                               "hits",
                               "expected",
                               "ties with the last pick (summed)",
                               "Calibration: every eligible group at every decision, by p_at_least_last deciles",
                               {"p from", "p to", "groups", "hits", "expected"}};
    static const Words simplified{"回测：第 %1 期至第 %2 期决策（共 %3 次），每次选 %4 组，随机种子 %5",
                                  "最久未出",
                                  "随机",
                                  "选出",
                                  "命中",
                                  "按概率应为",
                                  "与最后一个选中者并列（累计）",
                                  "校准：每次决策的全部可选组，按 p_at_least_last 十分位",
                                  {"p 下限", "p 上限", "组数", "命中", "应为"}};
    static const Words traditional{"回測：第 %1 期至第 %2 期決策（共 %3 次），每次選 %4 組，隨機種子 %5",
                                   "最久未出",
                                   "隨機",
                                   "選出",
                                   "命中",
                                   "按概率應為",
                                   "與最後一個選中者並列（累計）",
                                   "校準：每次決策的全部可選組，按 p_at_least_last 十分位",
                                   {"p 下限", "p 上限", "組數", "命中", "應為"}};
    switch (language) {
    case SentenceLanguage::Simplified: return simplified;
    case SentenceLanguage::Traditional: return traditional;
    case SentenceLanguage::English: break;
    }
    return english;
}

std::string fill(std::string text, const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string mark = "%" + std::to_string(i + 1);
        if (auto at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), arguments[i]);
    }
    return text;
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

SentenceLanguage languageFromEnvironment() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value && *value) {
            locale = value;
            break;
        }
    if (locale.rfind("zh_HK", 0) == 0 || locale.rfind("zh_TW", 0) == 0) return SentenceLanguage::Traditional;
    if (locale.rfind("zh", 0) == 0) return SentenceLanguage::Simplified;
    return SentenceLanguage::English;
}

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
            {"sentence", backtestSentence(result, SentenceLanguage::English)}};
}

void printBacktestText(std::ostream& out, const BacktestResult& result, SentenceLanguage language) {
    const Words& w = words(language);
    out << fill(w.title, {std::to_string(result.firstIssue), std::to_string(result.lastIssue),
                          std::to_string(result.decisions), std::to_string(result.pick), std::to_string(result.seed)})
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
    for (const char* caption : w.binColumns)
        out << padLeft(caption, 12);
    out << "\n";
    for (const CalibrationBin& bin : result.bins)
        out << padLeft(chanceText(bin.pLow), 12) << padLeft(chanceText(bin.pHigh), 12)
            << padLeft(std::to_string(bin.count), 12) << padLeft(std::to_string(bin.hits), 12)
            << padLeft(fixedText(bin.expected, 1), 12) << "\n";
    out << "\n" << backtestSentence(result, language) << "\n";
}

} // namespace quorvel
