// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvel {

// The language of the command line's messages from the environment: LC_ALL, else LC_MESSAGES, else LANG;
// "zh_HK" (Traditional) under zh_HK and zh_TW, "zh_CN" under any other zh, else "en".
std::string languageFromEnvironment();

} // namespace quorvel
