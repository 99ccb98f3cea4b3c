// SPDX-License-Identifier: MIT
#pragma once

#include "model/Draw.h"
#include "model/Message.h"

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
    // The run of digits and letters around the first digit the scan could not pair, when it met one
    // before the seventh number ("5" in "23 5 49"); empty otherwise.
    std::string unpaired;
    // What follows the seventh number when it holds another digit (an eighth number, the "5" of "07.5");
    // empty otherwise.
    std::string afterSeventh;
};

// Reads one line (already trimmed): an issue is the first seven characters when they are all digits; the
// numbers are pairs of adjacent digits read from the ninth character (or the first, without an issue).
HistoryLine parseHistoryLine(std::string_view line);

// A line that did not become a draw, and why (line numbers count from 1). The text is the line as a
// report can show it: shortened when long, with control characters and bytes that are not UTF-8 as '?'.
struct SkippedLine {
    int line = 0;
    std::string text;
    Message reason;
};

// The draws of a history text, in file order, and the lines that were left out.
struct HistoryText {
    std::vector<Draw> draws;
    std::vector<SkippedLine> skipped;
};

// Applies the line rules to a whole text. CR LF, a lone CR and a lone LF each end a line; a leading UTF-8
// byte order mark is dropped. A line without an issue takes the previous line's issue + 1; lines that
// are empty after trimming are ignored; every other line that cannot be a draw is skipped and reported
// with a reason that says what to correct. Throws Error when the text holds a NUL byte (binary or
// UTF-16 data) or cannot be read to its end.
HistoryText parseHistoryText(std::istream& in);

// Reads a history text file as parseHistoryText does; throws Error naming the file when it cannot be
// opened or read or is not a text file.
HistoryText readHistoryTextFile(const std::filesystem::path& file);

} // namespace quorvel
