// SPDX-License-Identifier: MIT
#pragma once

#include "app/Clock.h"

#include <ostream>
#include <string>
#include <vector>

namespace quorvel {

// Runs quorvel-cli with these arguments (without the program name) and returns its exit code:
// 0 ok, 1 refused or failed (also when `out` could not take the output), 2 usage. With showProgress, long analyses
// report their progress on err (meant for a terminal). Messages are written in the language ("en", "zh_CN", "zh_HK");
// --json in none.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, const Clock& clock,
           bool showProgress = false, const std::string& language = "en");

} // namespace quorvel
