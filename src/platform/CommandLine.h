// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace quorvel {

// The program's arguments after its name, as UTF-8 text on every system. On Windows main() receives them in the
// ANSI code page, which cannot hold every name (a Chinese folder on an English system), so they are read again
// from the command line in UTF-16; elsewhere they are main()'s own.
std::vector<std::string> commandLineArguments(int argc, char** argv);

} // namespace quorvel
