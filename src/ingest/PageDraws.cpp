// SPDX-License-Identifier: MIT
#include "ingest/PageDraws.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

namespace quorvel {

namespace {

// The characters of a UTF-8 text from character `start`, at most `count` of them (fewer at its end).
std::string_view characters(std::string_view text, std::size_t start, std::size_t count) {
    auto isContinuation = [&](std::size_t i) { return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; };
    std::size_t at = 0;
    auto skipCharacters = [&](std::size_t n) {
        for (; n > 0 && at < text.size(); --n)
            for (++at; at < text.size() && isContinuation(at);)
                ++at;
    };
    skipCharacters(start);
    const std::size_t begin = at;
    skipCharacters(count);
    return text.substr(begin, at - begin);
}

// A whole number written with digits only, spaces around it allowed; nothing otherwise.
std::optional<int> slotNumber(std::string_view slot) {
    const std::size_t begin = slot.find_first_not_of(' ');
    if (begin == std::string_view::npos) return std::nullopt;
    const std::size_t end = slot.find_last_not_of(' ');
    int value = 0;
    for (char c : slot.substr(begin, end - begin + 1)) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string rowText(const std::vector<std::string>& cells) {
    std::string text;
    for (const std::string& cell : cells)
        text += (text.empty() ? "" : " | ") + cell;
    constexpr std::size_t kShown = 120;
    return text.size() > kShown ? std::string(characters(text, 0, kShown)) + "..." : text;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// The draw of one row, or why the row cannot be one. Assumes at least four cells.
struct RowReading {
    std::optional<Draw> draw;
    Message problem;
};

RowReading readNumbers(int issue, const std::vector<std::string>& cells) {
    Draw draw{issue, {}};
    std::set<int> seen;
    for (std::size_t slot = 0; slot < 7; ++slot) {
        const std::string_view text = slot < 6 ? characters(cells[2], slot * 5, 2) : characters(cells[3], 0, 2);
        const Message which = slot < 6
                                  ? Message::core(QT_TRANSLATE_NOOP("Core", "regular number %1 (cell 2)"), slot + 1)
                                  : Message::core(QT_TRANSLATE_NOOP("Core", "the special number (cell 3)"));
        const std::optional<int> number = slotNumber(text);
        if (!number)
            return {std::nullopt,
                    Message::core(QT_TRANSLATE_NOOP("Core", "%1 reads %2, not a number"), which, quoted(text))};
        if (*number < 1 || *number > 49)
            return {std::nullopt, Message::core(QT_TRANSLATE_NOOP("Core", "%1 is %2, outside 1..49"), which, *number)};
        if (!seen.insert(*number).second)
            return {std::nullopt,
                    Message::core(QT_TRANSLATE_NOOP("Core", "%1 is %2, already in the draw"), which, *number)};
        draw.numbers[slot] = *number;
    }
    return {draw, {}};
}

// Leaves out the draws from the first issue, from `expected` on, that the page does not give as a usable draw
// although a later row follows (a draw, or an unusable row of a known issue).
void holdBackAfterGap(PageDraws& page, int expected, const std::map<int, Message>& unusable) {
    std::stable_sort(page.draws.begin(), page.draws.end(),
                     [](const Draw& a, const Draw& b) { return a.issue < b.issue; });
    // Draws before `expected` fill holes of the stored history: each stands on its own.
    for (auto draw = std::lower_bound(page.draws.begin(), page.draws.end(), expected,
                                      [](const Draw&a, int issue) { return a.issue < issue; });
         draw != page.draws.end() && draw->issue == expected; ++draw)
        ++expected;
    const bool gap =
        std::any_of(page.draws.begin(), page.draws.end(), [&](const Draw& draw) { return draw.issue > expected; });
    const auto unreadable = unusable.lower_bound(expected);
    if (!gap && unreadable == unusable.end()) return;
    page.stop = PageStop{expected, unreadable != unusable.end() && unreadable->first == expected
                                       ? unreadable->second
                                       : Message::core(QT_TRANSLATE_NOOP("Core", "the page does not list issue %1 "
                                                                                 "although later issues follow"),
                                                       expected)};
    const auto kept = std::partition_point(page.draws.begin(), page.draws.end(),
                                           [&](const Draw& draw) { return draw.issue < page.stop->issue; });
    page.heldBack = static_cast<int>(page.draws.end() - kept);
    page.draws.erase(kept, page.draws.end());
}

} // namespace

PageDraws drawsOfPage(int year, const TableRows& rows, int lastStoredIssue, const std::vector<int>& fill) {
    PageDraws page;
    std::map<int, int> rowOfIssue;
    std::map<int, Message> unusable; // issues whose row could not be read, by issue
    for (std::size_t r = rows.size(); r-- > 1;) {
        const std::vector<std::string>& cells = rows[r];
        auto skip = [&](const Message& reason) {
            page.skipped.push_back({year, static_cast<int>(r), rowText(cells), reason});
        };
        if (cells.size() < 4) {
            skip(Message::core(QT_TRANSLATE_NOOP("Core", "the row has %1 cells; a draw needs 4"), cells.size()));
            continue;
        }
        const std::string_view sequenceText = characters(cells[1], 0, 3);
        const std::optional<int> sequence = slotNumber(sequenceText);
        if (!sequence || *sequence == 0) {
            skip(Message::core(
                QT_TRANSLATE_NOOP("Core", "the draw's sequence number (cell 1) reads %1, not a number from 1"),
                quoted(sequenceText)));
            continue;
        }
        const int issue = year * 1000 + *sequence;
        if (issue <= lastStoredIssue && !std::binary_search(fill.begin(), fill.end(), issue)) {
            ++page.passedOver;
            continue;
        }
        // A special number of 0 marks a draw not held yet: nothing after it on the page is a result.
        if (slotNumber(characters(cells[3], 0, 2)) == 0) {
            page.endRow = static_cast<int>(r);
            break;
        }
        RowReading reading = readNumbers(issue, cells);
        if (!reading.draw) {
            skip(reading.problem);
            unusable.emplace(issue, reading.problem);
        } else if (auto [kept, added] = rowOfIssue.emplace(issue, static_cast<int>(r)); !added) {
            skip(Message::core(QT_TRANSLATE_NOOP("Core", "issue %1 is listed twice; the draw of row %2 was kept"),
                               issue, kept->second));
        } else {
            page.draws.push_back(*reading.draw);
        }
    }
    // New draws follow the latest stored one, or start the year; a year before the latest stored draw's has none.
    const int lastYear = lastStoredIssue / 1000;
    holdBackAfterGap(page,
                     year == lastYear  ? lastStoredIssue + 1
                     : year < lastYear ? (year + 1) * 1000
                                       : year * 1000 + 1,
                     unusable);
    return page;
}

} // namespace quorvel
