// SPDX-License-Identifier: MIT
#include "cli/CliRunner.h"
#include "platform/CommandLine.h"
#include "platform/Language.h"
#include "platform/Terminal.h"

#include <iostream>

int main(int argc, char** argv) {
    quorvel::SystemClock clock;
    return quorvel::runCli(quorvel::commandLineArguments(argc, argv), std::cout, std::cerr, clock,
                           quorvel::standardErrorIsTerminal(), quorvel::languageFromEnvironment());
}
