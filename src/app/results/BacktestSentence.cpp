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
    const bool one = result.groupSize == 1;
    const bool single = result.pick == 1;
    const Message picks =
        one ? (single ? Message::core(QT_TRANSLATE_NOOP("Core", "%1 longest-away value"), result.pick)
                      : Message::core(QT_TRANSLATE_NOOP("Core", "%1 longest-away values"), result.pick))
            : (single ? Message::core(QT_TRANSLATE_NOOP("Core", "%1 longest-away group"), result.pick)
                      : Message::core(QT_TRANSLATE_NOOP("Core", "%1 longest-away groups"), result.pick));
    const Message hits = f.hits == 1 ? Message::core(QT_TRANSLATE_NOOP("Core", "1 hit"))
                                     : Message::core(QT_TRANSLATE_NOOP("Core", "%1 hits"), f.hits);
    const std::string p = pValueText(f.pValue);
    const std::string pPart = f.pValue < 0.0001 ? "p " + p : "p = " + p;
    Message verdict;
    switch (result.verdict) {
    case BacktestVerdict::None:
        verdict = Message::core(QT_TRANSLATE_NOOP("Core", "no significant difference from random."));
        break;
    case BacktestVerdict::Fewer:
        verdict = Message::core(QT_TRANSLATE_NOOP("Core", "significantly fewer hits than chance (1% level)."));
        break;
    case BacktestVerdict::More:
        verdict = Message::core(QT_TRANSLATE_NOOP("Core", "significantly more hits than chance (1% level); this "
                                                          "describes past draws and promises nothing about the next."));
        break;
    }
    return Message::core(QT_TRANSLATE_NOOP("Core", "Picking the %1: %2, %3 expected by chance (z = %4, %5): %6"), picks,
                         hits, fixedText(f.expected, 1), fixedText(f.z, 2), pPart, verdict);
}

} // namespace quorvel
