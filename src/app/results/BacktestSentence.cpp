// SPDX-License-Identifier: MIT
#include "app/results/BacktestSentence.h"

#include <cmath>
#include <cstdio>

namespace quorvel {

std::string fixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string chanceText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

std::string verdictKey(BacktestVerdict verdict) {
    switch (verdict) {
    case BacktestVerdict::None: return "none";
    case BacktestVerdict::Fewer: return "fewer";
    case BacktestVerdict::More: return "more";
    }
    return {};
}

std::string pValueText(double pValue) {
    if (pValue >= 0.01) return fixedText(pValue, 2);
    if (pValue >= 0.0001) return fixedText(pValue, 4);
    return "< 0.0001";
}

Message backtestSentence(const BacktestResult& result) {
    const BacktestFigures& f = result.overdue;
    const bool values = result.groupSize == 1;
    const char* text = nullptr;
    switch (result.verdict) {
    case BacktestVerdict::None:
        text = values ? QT_TRANSLATE_NOOP("Core", "Picking the values away longest hit no more often than picking at "
                                                  "random: %1 picked each time, %2 where chance gives %3 (z = "
                                                  "%4, %5).")
                      : QT_TRANSLATE_NOOP("Core", "Picking the groups away longest hit no more often than picking at "
                                                  "random: %1 groups picked each time, %2 where chance gives %3 "
                                                  "(z = %4, %5).");
        break;
    case BacktestVerdict::Fewer:
        text = values ? QT_TRANSLATE_NOOP("Core", "Picking the values away longest hit less often than picking at "
                                                  "random: %1 picked each time, %2 where chance gives %3 (z = "
                                                  "%4, %5). This describes the past draws only; it does not make the "
                                                  "next draw predictable.")
                      : QT_TRANSLATE_NOOP("Core", "Picking the groups away longest hit less often than picking at "
                                                  "random: %1 groups picked each time, %2 where chance gives %3 "
                                                  "(z = %4, %5). This describes the past draws only; it does not make "
                                                  "the next draw predictable.");
        break;
    case BacktestVerdict::More:
        text = values ? QT_TRANSLATE_NOOP("Core", "Picking the values away longest hit more often than picking at "
                                                  "random: %1 picked each time, %2 where chance gives %3 (z = "
                                                  "%4, %5). This describes the past draws only; it does not make the "
                                                  "next draw predictable.")
                      : QT_TRANSLATE_NOOP("Core", "Picking the groups away longest hit more often than picking at "
                                                  "random: %1 groups picked each time, %2 where chance gives %3 "
                                                  "(z = %4, %5). This describes the past draws only; it does not make "
                                                  "the next draw predictable.");
        break;
    }
    const Message hits = f.hits == 1 ? Message::core(QT_TRANSLATE_NOOP("Core", "1 hit"))
                                     : Message::core(QT_TRANSLATE_NOOP("Core", "%1 hits"), f.hits);
    const std::string p = pValueText(f.pValue);
    return Message::core(text, result.pick, hits, fixedText(f.expected, 1), fixedText(f.z, 2),
                         f.pValue < 0.0001 ? "p " + p : "p = " + p);
}

Messages backtestRulesInWords(const BacktestResult& result) {
    return {Message::core(QT_TRANSLATE_NOOP("Core", "Decisions: the draws of issues %1 to %2, %3 in all; at each one "
                                                    "only the draws up to it are known, and the next draw tells "
                                                    "whether a pick hit."),
                          result.firstIssue, result.lastIssue, result.decisions),
            Message::core(QT_TRANSLATE_NOOP("Core", "A gap is the number of draws from one hit to the next, counted "
                                                    "from the first stored draw; groups that never hit before a "
                                                    "decision are left out.")),
            Message::core(QT_TRANSLATE_NOOP("Core", "At each decision the %1 groups with the smallest P(≥ current "
                                                    "gap) are picked, and as many at random with seed %2."),
                          result.pick, std::to_string(result.seed)),
            Message::core(QT_TRANSLATE_NOOP("Core", "Expected by chance is the sum of the picks' hit rates; the "
                                                    "verdict is at the 1% level.")),
            Message::core(QT_TRANSLATE_NOOP("Core", "Each band of P(≥ current gap) holds a tenth of the groups of "
                                                    "every decision; a band's hits fall within about two standard "
                                                    "deviations of its expected count 95 times in 100 by chance "
                                                    "alone."))};
}

} // namespace quorvel
