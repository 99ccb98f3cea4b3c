// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel {

// Whether the program's standard error is a terminal (a console window), not a file or a pipe: progress that
// rewrites its line is only for a terminal.
bool standardErrorIsTerminal();

} // namespace quorvel
