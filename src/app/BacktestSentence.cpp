// SPDX-License-Identifier: MIT
#include "app/BacktestSentence.h"

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

std::string backtestSentence(const BacktestResult& result, SentenceLanguage language) {
    const BacktestFigures& f = result.overdue;
    const std::string n = std::to_string(result.pick);
    const std::string hits = std::to_string(f.hits);
    const std::string expected = fixedText(f.expected, 1);
    const std::string z = fixedText(f.z, 2);
    const std::string p = pValueText(f.pValue);
    const std::string pPart = f.pValue < 0.0001 ? "p " + p : "p = " + p;
    const bool one = result.groupSize == 1;
    switch (language) {
    case SentenceLanguage::English: {
        const std::string picks = std::string(one ? "value" : "group") + (result.pick == 1 ? "" : "s");
        std::string text = "Picking the " + n + " longest-away " + picks + ": " + hits +
                           (f.hits == 1 ? " hit, " : " hits, ") + expected + " expected by chance (z = " + z + ", " +
                           pPart + "): ";
        switch (result.verdict) {
        case BacktestVerdict::None: return text + "no significant difference from random.";
        case BacktestVerdict::Fewer: return text + "significantly fewer hits than chance (1% level).";
        case BacktestVerdict::More:
            return text + "significantly more hits than chance (1% level); this describes past draws and promises "
                          "nothing about the next.";
        }
        return text;
    }
    case SentenceLanguage::Simplified:
    case SentenceLanguage::Traditional: {
        const bool hk = language == SentenceLanguage::Traditional;
        std::string text = hk ? "選最久未出的" + n + (one ? "個" : "組") : "选最久未出的" + n + (one ? "个" : "组");
        text += "：命中 " + hits + " 次，" + (hk ? "按概率應為 " : "按概率应为 ") + expected + " 次（z = " + z + "，" +
                pPart + "）：";
        switch (result.verdict) {
        case BacktestVerdict::None: return text + (hk ? "與隨機無顯著差異。" : "与随机无显著差异。");
        case BacktestVerdict::Fewer:
            return text + (hk ? "命中顯著少於隨機（1% 水平）。" : "命中显著少于随机（1% 水平）。");
        case BacktestVerdict::More:
            return text + (hk ? "命中顯著多於隨機（1% 水平）；這只描述過去，不預示下一期。"
                              : "命中显著多于随机（1% 水平）；这只描述过去，不预示下一期。");
        }
        return text;
    }
    }
    return {};
}

} // namespace quorvel
