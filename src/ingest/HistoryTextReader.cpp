// SPDX-License-Identifier: MIT
#include "ingest/HistoryTextReader.h"

#include "model/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <set>

namespace quorvel {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(blanks);
    return text.substr(begin, end - begin + 1);
}

// Why a line with an issue cannot be a draw, or nothing when it can.
std::optional<std::string> problemWith(const HistoryLine& parsed) {
    if (*parsed.issue <= 0) return "the issue number is not positive";
    if (parsed.numbers.size() < 7)
        return "fewer than seven numbers (found " + std::to_string(parsed.numbers.size()) + ")";
    std::set<int> seen;
    for (int n : parsed.numbers) {
        if (n < 1 || n > 49) return "number " + std::to_string(n) + " is outside 1..49";
        if (!seen.insert(n).second) return "number " + std::to_string(n) + " appears twice";
    }
    return std::nullopt;
}

} // namespace

HistoryLine parseHistoryLine(std::string_view line) {
    HistoryLine parsed;
    std::size_t position = 0;
    if (line.size() >= 7 && std::all_of(line.begin(), line.begin() + 7, isDigit)) {
        parsed.issue = std::stoi(std::string(line.substr(0, 7)));
        position = 8; // the issue and one separator character
    }
    // A pair of adjacent digits is a number; the scan stops before the last character, so a lone
    // digit at the end of the line is never read.
    while (position + 1 < line.size() && parsed.numbers.size() < 7) {
        if (isDigit(line[position]) && isDigit(line[position + 1])) {
            parsed.numbers.push_back((line[position] - '0') * 10 + (line[position + 1] - '0'));
            position += 2;
        } else {
            ++position;
        }
    }
    return parsed;
}

HistoryText parseHistoryText(std::istream& in) {
    HistoryText result;
    std::optional<int> previousIssue;
    std::string raw;
    for (int lineNumber = 1; std::getline(in, raw); ++lineNumber) {
        std::string_view line = trim(raw);
        if (line.empty()) continue;
        HistoryLine parsed = parseHistoryLine(line);
        if (!parsed.issue) {
            if (!previousIssue) {
                result.skipped.push_back({lineNumber, std::string(line), "no issue number to count from"});
                continue;
            }
            parsed.issue = *previousIssue + 1;
        }
        previousIssue = parsed.issue;
        if (auto problem = problemWith(parsed)) {
            result.skipped.push_back({lineNumber, std::string(line), *problem});
            continue;
        }
        Draw draw{*parsed.issue, {}};
        std::copy_n(parsed.numbers.begin(), 7, draw.numbers.begin());
        result.draws.push_back(draw);
    }
    if (in.bad()) throw Error("reading the history text failed");
    return result;
}

HistoryText readHistoryTextFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw Error("cannot read " + file.string() + ": it is a folder");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Error("cannot open " + file.string() + ": " + std::strerror(errno));
    try {
        return parseHistoryText(in);
    } catch (const Error&) {
        throw Error("cannot read " + file.string() + ": the file could not be read to its end");
    }
}

} // namespace quorvel
