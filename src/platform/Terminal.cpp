// SPDX-License-Identifier: MIT
#include "platform/Terminal.h"

#if defined(_WIN32)
#include <cstdio>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quorvel {

bool standardErrorIsTerminal() {
#if defined(_WIN32)
    return ::_isatty(::_fileno(stderr)) != 0;
#else
    return ::isatty(STDERR_FILENO) == 1;
#endif
}

} // namespace quorvel
