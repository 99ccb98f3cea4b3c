// SPDX-License-Identifier: MIT
#pragma once

#include "model/Draw.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel {

// One line of the history text format, without its line end: the issue, a space, then the seven
// numbers in drawn order, each as two digits followed by a space ("2013017 23 05 49 12 31 08 40 ").
std::string formatHistoryLine(const Draw& draw);

// Writes the draws, one line each, every line ended by CR LF.
void writeHistoryText(std::ostream& out, const std::vector<Draw>& draws);

// Writes the draws to a file, replacing it only once the new file is complete; throws Error when the file cannot
// be written, and the old file is then left as it was.
void writeHistoryTextFile(const std::filesystem::path& file, const std::vector<Draw>& draws);

} // namespace quorvel
