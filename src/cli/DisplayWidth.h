// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace quorvel {

// Columns a terminal takes for UTF-8 text: CJK characters two, everything else one.
std::size_t displayWidth(std::string_view text);

} // namespace quorvel
