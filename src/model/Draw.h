// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace quorvel {

// One draw as it comes from a source: the issue and the seven numbers in drawn order, the special number last.
struct Draw {
    int issue = 0;
    std::array<int, 7> numbers{};

    bool operator==(const Draw&) const = default;
};

} // namespace quorvel
