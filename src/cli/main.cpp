// SPDX-License-Identifier: MIT
#include "cli/CliRunner.h"

#include <iostream>

int main(int argc, char** argv) {
    quorvel::SystemClock clock;
    return quorvel::runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, clock);
}
