// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"
#include "model/Message.h"

#include <string>

namespace quorvel {

// "none", "fewer" or "more", as the JSON output writes the verdict.
std::string verdictKey(BacktestVerdict verdict);

// A figure with a number of decimals, and a chance with four significant digits, as the results show them.
std::string fixedText(double value, int decimals);
std::string chanceText(double value);

// A p-value as the sentence writes it: two decimals, more below 0.01, "< 0.0001" below that.
std::string pValueText(double pValue);

// What the overdue picks' numbers say, plainly first (whether the longest-away picks hit more often than random
// ones, each time picking N values or N groups), the figures after it; a significant difference either way adds
// that it describes the past only and does not make the next draw predictable.
Message backtestSentence(const BacktestResult& result);

// How the backtest counted, in plain words, one sentence a message: the decisions, the gaps, the picks, the
// expected hits and the calibration bands.
Messages backtestRulesInWords(const BacktestResult& result);

} // namespace quorvel
