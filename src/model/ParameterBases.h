// SPDX-License-Identifier: MIT
#pragma once

namespace quorvel {

// First code of the zodiac, segment and colour kinds (0 or 1 each).
struct ParameterBases {
    int zodiac = 1;
    int segment = 1;
    int colour = 1;

    bool operator==(const ParameterBases&) const = default;
};

} // namespace quorvel
