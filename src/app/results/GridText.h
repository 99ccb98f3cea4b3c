// SPDX-License-Identifier: MIT
#pragma once

#include "model/CellGrid.h"

#include <string>

namespace quorvel {

// Cells as tab-separated lines, as a spreadsheet takes them from the clipboard: one line per row, a tab
// between cells; tabs and line breaks inside a cell become spaces so that no cell splits.
std::string tabSeparatedText(const CellGrid& cells);

} // namespace quorvel
