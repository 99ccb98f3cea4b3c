// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"

#include <string>

namespace quorvel {

// The languages the command line's text output speaks.
enum class SentenceLanguage { English, Simplified, Traditional };

// "none", "fewer" or "more", as the JSON output writes the verdict.
std::string verdictKey(BacktestVerdict verdict);

// A figure with a number of decimals, and a chance with four significant digits, as the results show them.
std::string fixedText(double value, int decimals);
std::string chanceText(double value);

// A p-value as the sentence writes it: two decimals, more below 0.01, "< 0.0001" below that.
std::string pValueText(double pValue);

// What the overdue picks' numbers say, in one sentence that never promises anything about the next draw.
std::string backtestSentence(const BacktestResult& result, SentenceLanguage language);

} // namespace quorvel
