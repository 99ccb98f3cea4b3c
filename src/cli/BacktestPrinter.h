// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"
#include "app/results/BacktestSentence.h"
#include "platform/Catalogue.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

namespace quorvel {

// The backtest as --json writes it; its sentence is always English.
nlohmann::ordered_json backtestJson(const BacktestResult& result);

// The backtest as text in the catalogue's language: the two results side by side, the calibration bins, the sentence.
void printBacktestText(std::ostream& out, const BacktestResult& result, const Catalogue& catalogue);

} // namespace quorvel
