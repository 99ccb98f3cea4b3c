// SPDX-License-Identifier: MIT
#include "ingest/HistoryTextReader.h"

#include "model/Error.h"
#include "model/PathText.h"
#include "model/SystemError.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <set>

namespace quorvel {

namespace {

// Thrown inside the reader for a text holding a NUL byte; turned into an Error by the public functions.
struct NotText {};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Letters, digits and every byte of a multibyte character belong to a field; ASCII spaces and
// punctuation separate fields.
bool isFieldCharacter(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || std::isalnum(byte);
}

std::string_view trim(std::string_view text) {
    const char* blanks = " \t";
    std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(blanks);
    return text.substr(begin, end - begin + 1);
}

// The length of the UTF-8 character starting at text[at], or 0 when the bytes there are not one.
std::size_t utf8Length(std::string_view text, std::size_t at) {
    auto byteAt = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    unsigned lead = byteAt(at);
    if (lead < 0x80) return 1;
    auto continuation = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byteAt(i) >= low && byteAt(i) <= high;
    };
    if (lead >= 0xC2 && lead <= 0xDF) return continuation(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms (E0 80..9F) and no surrogates (ED A0..BF).
        unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return continuation(at + 1, low, high) && continuation(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return continuation(at + 1, low, high) && continuation(at + 2) && continuation(at + 3) ? 4 : 0;
    }
    return 0;
}

// Text from the file as a report shows it: at most `limit` characters (then "..."), each control
// character and each byte that is not part of a UTF-8 character shown as '?', so that a terminal or a
// JSON document can carry it whatever the file held.
std::string excerpt(std::string_view text, std::size_t limit) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (characters == limit) return shown + "...";
        std::size_t length = utf8Length(text, at);
        auto byte = static_cast<unsigned char>(text[at]);
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
            shown += '?';
            at += std::max<std::size_t>(length, 1);
        } else {
            shown.append(text.substr(at, length));
            at += length;
        }
    }
    return shown;
}

std::string shortened(std::string_view text) { return excerpt(text, 20); }

// The field of `line` around position `at`: the run of field characters that holds it.
std::string_view fieldAround(std::string_view line, std::size_t at) {
    std::size_t begin = at;
    while (begin > 0 && isFieldCharacter(line[begin - 1]))
        --begin;
    std::size_t end = at;
    while (end < line.size() && isFieldCharacter(line[end]))
        ++end;
    return line.substr(begin, end - begin);
}

std::string_view firstField(std::string_view line) {
    auto first = std::find_if(line.begin(), line.end(), isFieldCharacter);
    if (first == line.end()) return {};
    return fieldAround(line, static_cast<std::size_t>(first - line.begin()));
}

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Why a line that starts without an issue cannot count on from the line before: its first field is
// not a two-digit number, so it is most likely a mistyped issue ("2O13017", "201301", "abc").
std::optional<Message> unreadableIssue(std::string_view line) {
    std::string_view field = firstField(line);
    if (field.empty() || (field.size() == 2 && isDigit(field[0]) && isDigit(field[1]))) return std::nullopt;
    // Quoted from the start of the line, so that a stray character before the issue shows too.
    std::string_view start = line.substr(0, static_cast<std::size_t>(field.end() - line.begin()));
    return Message::core(QT_TRANSLATE_NOOP("Core", "the issue '%1' could not be read: start the line with the issue as "
                                                   "seven digits (e.g. 2013017), or with the first two-digit number "
                                                   "to take the previous issue + 1"),
                         shortened(start));
}

// Why a line that starts with its own issue cannot be a draw because of that issue, or nothing.
std::optional<Message> problemWithIssue(std::string_view line, int issue) {
    if (line.size() > 7 && isDigit(line[7]))
        return Message::core(QT_TRANSLATE_NOOP("Core", "the issue '%1' has more than seven digits: write the issue as "
                                                       "seven digits (e.g. 2013017) and a space"),
                             shortened(fieldAround(line, 0)));
    if (issue < 1000000)
        return Message::core(QT_TRANSLATE_NOOP("Core", "the issue %1 is not a draw's issue: write the year and the "
                                                       "draw's sequence number, e.g. 2013017"),
                             std::string(line.substr(0, 7)));
    return std::nullopt;
}

// Why an issue cannot be stored: a year's draws count from 001, so the sequence 000 is no draw's (a line
// without its own issue counts on from the line before and can reach it after 999).
std::optional<Message> problemWithSequence(int issue) {
    if (issue % 1000 != 0) return std::nullopt;
    return Message::core(QT_TRANSLATE_NOOP("Core", "the issue %1 has the sequence 000; a year's draws count from 001: "
                                                   "write the draw's own issue, e.g. %2"),
                         issue, issue + 1);
}

// Why a line's numbers cannot be a draw's, or nothing when they can.
std::optional<Message> problemWithNumbers(const HistoryLine& parsed) {
    if (!parsed.unpaired.empty())
        return Message::core(
            QT_TRANSLATE_NOOP("Core", "'%1' is not a two-digit number: write each number as two digits, e.g. 05"),
            shortened(parsed.unpaired));
    if (parsed.numbers.size() < 7)
        return Message::core(QT_TRANSLATE_NOOP("Core", "fewer than seven numbers (found %1)"), parsed.numbers.size());
    if (!parsed.afterSeventh.empty())
        return Message::core(QT_TRANSLATE_NOOP("Core", "more than seven numbers: '%1' follows the special number; a "
                                                       "line holds six numbers and the special number"),
                             shortened(parsed.afterSeventh));
    std::set<int> seen;
    for (int n : parsed.numbers) {
        if (n < 1 || n > 49)
            return Message::core(QT_TRANSLATE_NOOP("Core", "number %1 is outside 1..49"), twoDigits(n));
        if (!seen.insert(n).second)
            return Message::core(QT_TRANSLATE_NOOP("Core", "number %1 appears twice: a draw's numbers all differ"),
                                 twoDigits(n));
    }
    return std::nullopt;
}

// The whole text; NotText when it holds a NUL byte, so that nothing is read from binary data.
std::string readAll(std::istream& in) {
    std::string text;
    std::string chunk;
    while (std::getline(in, chunk)) {
        if (chunk.find('\0') != std::string::npos) throw NotText{};
        text.append(chunk).push_back('\n');
    }
    if (in.bad()) throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the text could not be read to its end")));
    return text;
}

// The lines of `text`, each ended by CR LF, a lone CR, a lone LF or the end of the text.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++begin;
    }
    return lines;
}

HistoryText parseLines(const std::string& text) {
    const std::string_view byteOrderMark = "\xEF\xBB\xBF";
    std::string_view body = text;
    if (body.starts_with(byteOrderMark)) body.remove_prefix(byteOrderMark.size());

    HistoryText result;
    std::optional<int> previousIssue;
    int lineNumber = 0;
    for (std::string_view raw : splitLines(body)) {
        ++lineNumber;
        std::string_view line = trim(raw);
        if (line.empty()) continue;
        auto skip = [&](const Message& reason) { result.skipped.push_back({lineNumber, excerpt(line, 80), reason}); };
        HistoryLine parsed = parseHistoryLine(line);
        if (parsed.issue) {
            if (auto problem = problemWithIssue(line, *parsed.issue)) {
                previousIssue = parsed.issue;
                skip(*problem);
                continue;
            }
        } else {
            // A line without its own issue still counts as the next issue, so the lines after it keep
            // their places even when this one is skipped.
            std::optional<Message> issueProblem = unreadableIssue(line);
            if (previousIssue) previousIssue = *previousIssue + 1;
            if (issueProblem) {
                skip(*issueProblem);
                continue;
            }
            if (!previousIssue) {
                skip(Message::core(QT_TRANSLATE_NOOP("Core", "no issue to count from: start the first draw's line "
                                                             "with its issue as seven digits, e.g. 2013017")));
                continue;
            }
            parsed.issue = previousIssue;
        }
        previousIssue = parsed.issue;
        if (auto problem = problemWithSequence(*parsed.issue)) {
            skip(*problem);
            continue;
        }
        if (auto problem = problemWithNumbers(parsed)) {
            skip(*problem);
            continue;
        }
        Draw draw{*parsed.issue, {}};
        std::copy_n(parsed.numbers.begin(), 7, draw.numbers.begin());
        result.draws.push_back(draw);
    }
    return result;
}

} // namespace

HistoryLine parseHistoryLine(std::string_view line) {
    HistoryLine parsed;
    std::size_t position = 0;
    if (line.size() >= 7 && std::all_of(line.begin(), line.begin() + 7, isDigit)) {
        parsed.issue = std::stoi(std::string(line.substr(0, 7)));
        position = 8; // the issue and one separator character
    }
    const std::size_t start = position;
    auto noteUnpaired = [&](std::size_t at) {
        if (parsed.unpaired.empty() && at < line.size() && isDigit(line[at]))
            parsed.unpaired = std::string(fieldAround(line.substr(start), at - start));
    };
    // A pair of adjacent digits is a number; the scan stops before the last character, so a lone
    // digit at the end of the line is never read.
    while (position + 1 < line.size() && parsed.numbers.size() < 7) {
        if (isDigit(line[position]) && isDigit(line[position + 1])) {
            parsed.numbers.push_back((line[position] - '0') * 10 + (line[position + 1] - '0'));
            position += 2;
        } else {
            noteUnpaired(position);
            ++position;
        }
    }
    if (parsed.numbers.size() < 7) {
        noteUnpaired(position);
    } else if (position < line.size() && isDigit(line[position])) {
        // The seventh number's digits go on ("100", "075"): it is not a two-digit number.
        noteUnpaired(position);
    } else if (std::any_of(line.begin() + static_cast<std::ptrdiff_t>(std::min(position, line.size())), line.end(),
                           isDigit)) {
        parsed.afterSeventh = std::string(trim(line.substr(position)));
    }
    return parsed;
}

HistoryText parseHistoryText(std::istream& in) {
    try {
        return parseLines(readAll(in));
    } catch (const NotText&) {
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the history text is not a text file (it holds NUL bytes; "
                                                            "UTF-16 or binary?); save the history as plain text "
                                                            "(UTF-8), one draw per line, and import that file")));
    }
}

HistoryText readHistoryTextFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot read %1: it is a folder"), pathText(file)));
    if (std::filesystem::exists(file, ec) && !std::filesystem::is_regular_file(file, ec))
        throw Error(Message::core(
            QT_TRANSLATE_NOOP("Core", "cannot read %1: it is not a regular file; import a history text file"),
            pathText(file)));
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot open %1: %2"), pathText(file), systemError(errno)));
    try {
        return parseLines(readAll(in));
    } catch (const NotText&) {
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot import %1: not a text file (it holds NUL bytes; "
                                                            "UTF-16 or binary?); save the history as plain text "
                                                            "(UTF-8), one draw per line, and import that file"),
                                  pathText(file)));
    } catch (const Error&) {
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot read %1: the file could not be read to its end"),
                                  pathText(file)));
    }
}

} // namespace quorvel
