// SPDX-License-Identifier: MIT
#pragma once

#include "model/Draw.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// What one line of a history text file holds before any check: its own issue (when it starts with one)
// and the two-digit numbers found after it (at most seven).
struct HistoryLine {
    std::optional<int> issue;
    std::vector<int> numbers;
};

// Reads one line (already trimmed): an issue is the first seven characters when they are all digits; the
// numbers are pairs of adjacent digits read from the ninth character (or the first, without an issue).
HistoryLine parseHistoryLine(std::string_view line);

// A line that did not become a draw, and why (line numbers count from 1).
struct SkippedLine {
    int line = 0;
    std::string text;
    std::string reason;
};

// The draws of a history text, in file order, and the lines that were left out.
struct HistoryText {
    std::vector<Draw> draws;
    std::vector<SkippedLine> skipped;
};

// Applies the line rules to a whole text: a line without an issue takes the previous line's issue + 1;
// lines that are empty after trimming are ignored; lines without an issue to count from, with fewer than
// seven numbers, a number outside 1..49 or a repeated number are skipped and reported.
HistoryText parseHistoryText(std::istream& in);

// Reads a history text file; throws Error when it cannot be opened or read.
HistoryText readHistoryTextFile(const std::filesystem::path& file);

} // namespace quorvel
