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

// A stored draw as a list of the history shows it: its IDX (its place in issue order), issue and numbers.
struct ListedDraw {
    int idx = 0;
    int issue = 0;
    std::array<int, 7> numbers{};

    Draw draw() const { return Draw{issue, numbers}; }
};

} // namespace quorvel
