// SPDX-License-Identifier: MIT
#pragma once

#include "TempFolder.h"
#include "cli/CliRunner.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace quorvel::test {

// Six draws of 2013: number 5 in the first four, 49 as the special number of the last two.
inline const char* const kSixDraws2013 = "2013020 02 14 03 04 05 06 07\r\n"
                                         "2013021 02 03 04 05 06 07 14\r\n"
                                         "2013022 01 03 04 05 06 07 08\r\n"
                                         "2013023 26 03 04 05 06 07 08\r\n"
                                         "2013025 09 10 11 12 13 15 49\r\n"
                                         "2013026 38 26 01 03 04 11 49\r\n";

// Output of one in-process run of quorvel-cli.
struct CliResult {
    int code = 0;
    std::string out;
    std::string err;

    nlohmann::json json() const { return nlohmann::json::parse(out); }
};

// Runs quorvel-cli commands against one temporary data folder, with the calendar fixed at a year.
class CliHarness {
  public:
    explicit CliHarness(int year = 2026) : m_clock(year) {}

    // A run whose messages are in a language ("en", "zh_CN", "zh_HK"), as the environment would choose it.
    CliResult run(std::vector<std::string> arguments, const std::string& language = "en") {
        arguments.insert(arguments.begin(), {"--data-dir", m_folder.path().string()});
        std::ostringstream out, err;
        int code = runCli(arguments, out, err, m_clock, false, language);
        return CliResult{code, out.str(), err.str()};
    }

    const TempFolder& folder() const { return m_folder; }

  private:
    TempFolder m_folder;
    FixedClock m_clock;
};

} // namespace quorvel::test
