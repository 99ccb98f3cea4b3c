// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"
#include "app/BacktestSentence.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace quorvel {

// The language of the text output: LC_ALL, else LC_MESSAGES, else LANG; Traditional under zh_HK and zh_TW,
// Simplified under any other zh, else English.
SentenceLanguage languageFromEnvironment();

// The backtest as --json writes it; its sentence is always English.
nlohmann::ordered_json backtestJson(const BacktestResult& result);

// The backtest as text in a language: the two results side by side, the calibration bins, the sentence.
void printBacktestText(std::ostream& out, const BacktestResult& result, SentenceLanguage language);

} // namespace quorvel
