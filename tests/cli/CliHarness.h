// SPDX-License-Identifier: MIT
#pragma once

#include "TempFolder.h"
#include "cli/CliRunner.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace quorvel::test {

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

    CliResult run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--data-dir", m_folder.path().string()});
        std::ostringstream out, err;
        int code = runCli(arguments, out, err, m_clock);
        return CliResult{code, out.str(), err.str()};
    }

    const TempFolder& folder() const { return m_folder; }

  private:
    TempFolder m_folder;
    FixedClock m_clock;
};

} // namespace quorvel::test
