// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace quorvel {

// The texts of a grid as the window shows it, row by row; row 0 is the header row.
using CellGrid = std::vector<std::vector<std::string>>;

} // namespace quorvel
