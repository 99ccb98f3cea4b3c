// SPDX-License-Identifier: MIT
#include "cli/CliRunner.h"
#include "platform/Language.h"

#include <iostream>

#include <unistd.h>

int main(int argc, char** argv) {
    quorvel::SystemClock clock;
    const bool terminal = isatty(STDERR_FILENO) == 1;
    return quorvel::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, clock, terminal,
                           quorvel::languageFromEnvironment());
}
