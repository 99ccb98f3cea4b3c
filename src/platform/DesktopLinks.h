// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvel {

// Opens a web address in the desktop's browser; false when the desktop could not open it.
bool openWebAddress(const std::string& address);

} // namespace quorvel
