// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvel {

// The local time now as YYYYMMDD-HHMMSS, for names of files written beside the store.
std::string localTimestamp();

} // namespace quorvel
