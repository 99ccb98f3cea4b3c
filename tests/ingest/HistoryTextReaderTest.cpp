// SPDX-License-Identifier: MIT
#include "ingest/HistoryTextReader.h"

#include "TempFolder.h"
#include "maintain/HistoryTextWriter.h"
#include "model/Error.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorvel {

namespace {

HistoryText parse(const std::string& text) {
    std::istringstream in(text);
    return parseHistoryText(in);
}

} // namespace

TEST(HistoryTextReader, LineRules) {
    struct Case {
        const char* line;
        std::optional<int> issue;
        std::vector<int> numbers;
    };
    for (const Case& c : {
             Case{"2013017 23 05 49 12 31 08 40 ", 2013017, {23, 5, 49, 12, 31, 8, 40}},
             Case{"23 05 49 12 31 08 40", std::nullopt, {23, 5, 49, 12, 31, 8, 40}},
             Case{"2013017,23,05,49,12,31,08,40", 2013017, {23, 5, 49, 12, 31, 8, 40}},
             Case{"2013017 23-05\t49 12 31 08 4", 2013017, {23, 5, 49, 12, 31, 8}}, // a lone last digit is not read
             Case{"2013017 23 5 49 12 31 08 40 11 22", 2013017, {23, 49, 12, 31, 8, 40, 11}},
             Case{"201301723 05 49", 2013017, {5, 49}}, // the eighth character is always the separator
             Case{"2013 17 23 05", std::nullopt, {20, 13, 17, 23, 5}},
         }) {
        HistoryLine parsed = parseHistoryLine(c.line);
        EXPECT_EQ(parsed.issue, c.issue) << c.line;
        EXPECT_EQ(parsed.numbers, c.numbers) << c.line;
    }
}

TEST(HistoryTextReader, CountsIssuesAndReportsSkippedLines) {
    HistoryText text = parse("01 02 03 04 05 06 07\r\n"         // 1: nothing to count from
                             "2013017 23 05 49 12 31 08 40\r\n" // 2
                             "   \r\n"                          // 3: ignored, passes nothing on
                             "01 02 03 04 05 06 07\r\n"         // 4: 2013018
                             "01 02 03 04 05 06\r\n"            // 5: 2013019, too short
                             "01 02 03 04 05 06 50\r\n"         // 6: 2013020, out of range
                             "01 02 03 04 05 06 06\r\n"         // 7: 2013021, repeated
                             "08 09 10 11 12 13 14\r\n"         // 8: 2013022
                             "2013017 23 05 49 12 31 08 40\r\n" // 9: the same issue again is kept
                             "0000000 01 02 03 04 05 06 07");   // 10: issue 0
    std::vector<int> issues;
    for (const Draw& draw : text.draws)
        issues.push_back(draw.issue);
    EXPECT_EQ(issues, (std::vector<int>{2013017, 2013018, 2013022, 2013017}));
    EXPECT_EQ(text.draws[1].numbers, (std::array<int, 7>{1, 2, 3, 4, 5, 6, 7}));
    ASSERT_EQ(text.skipped.size(), 5u);
    EXPECT_EQ(text.skipped[0].line, 1);
    EXPECT_NE(text.skipped[0].reason.english().find("no issue to count from"), std::string::npos);
    EXPECT_EQ(text.skipped[1].line, 5);
    EXPECT_EQ(text.skipped[1].text, "01 02 03 04 05 06");
    EXPECT_EQ(text.skipped[1].reason.english(), "fewer than seven numbers (found 6)");
    EXPECT_EQ(text.skipped[2].reason.english(), "number 50 is outside 1..49");
    EXPECT_EQ(text.skipped[3].reason.english(), "number 06 appears twice: a draw's numbers all differ");
    EXPECT_EQ(text.skipped[4].line, 10);
}

TEST(HistoryTextReader, ReasonsNameTheCause) {
    struct Case {
        const char* line;
        const char* reason;
    };
    for (const Case& c : {
             Case{"2O13017 23 05 49 12 31 08 40", "the issue '2O13017' could not be read: start the line with"},
             Case{"(2013017) 23 05 49 12 31 08 40", "the issue '(2013017' could not be read"},
             Case{"201301 23 05 49 12 31 08 40", "the issue '201301' could not be read"},
             Case{"abc", "the issue 'abc' could not be read"},
             Case{"2013O07 00 05 49 12 31 08 40", "the issue '2013O07' could not be read"},
             Case{"20130171 23 05 49 12 31 08 40", "the issue '20130171' has more than seven digits"},
             Case{"0000000 23 05 49 12 31 08 40", "the issue 0000000 is not a draw's issue"},
             Case{"2013017 23 5 49 12 31 08 40 11", "'5' is not a two-digit number: write each number as two digits"},
             Case{"2013017 23 05 49 12 31 08 4", "'4' is not a two-digit number"},
             Case{"2013017 23 O5 49 12 31 08 40", "'O5' is not a two-digit number"},
             Case{"2013017 23 05 49 12 31 08", "fewer than seven numbers (found 6)"},
             Case{"2013017 23 05 49 12 31 08 00", "number 00 is outside 1..49"},
             Case{"2013017 23 05 49 12 31 08 50", "number 50 is outside 1..49"},
             Case{"2013017 23 05 49 12 31 08 05", "number 05 appears twice"},
         }) {
        HistoryText text = parse(std::string("2013016 01 02 03 04 05 06 07\n") + c.line + "\n");
        ASSERT_EQ(text.skipped.size(), 1u) << c.line;
        EXPECT_EQ(text.skipped[0].line, 2);
        EXPECT_TRUE(text.skipped[0].reason.english().starts_with(c.reason))
            << c.line << " -> " << text.skipped[0].reason.english();
    }
    // Whatever bytes a skipped line holds, its report shows printable UTF-8 only, and a long line shortened.
    HistoryText odd = parse("\xEF\xBB\xBF"
                            "2013016 01 02 03 04 05 06 07\n"
                            "01 \x1b[2J 02 \xB5\xE4 \xE6\x9C\x9F\n" +
                            std::string(200, '7'));
    ASSERT_EQ(odd.draws.size(), 1u);
    ASSERT_EQ(odd.skipped.size(), 2u);
    EXPECT_EQ(odd.skipped[0].text, "01 ?[2J 02 ?? \xE6\x9C\x9F");
    EXPECT_EQ(odd.skipped[1].text, std::string(80, '7') + "...");
}

TEST(HistoryTextReader, EveryLineEndEndsALine) {
    const std::string original = test::readFile(test::realHistory());
    auto withLineEnds = [&](const std::string& end) {
        std::string copy;
        for (std::size_t at = 0, next; at < original.size(); at = next + 2) {
            next = original.find("\r\n", at);
            copy += original.substr(at, next - at) + end;
        }
        return copy;
    };
    const std::vector<Draw> expected = readHistoryTextFile(test::realHistory()).draws;
    test::TempFolder folder;
    for (const char* end : {"\r", "\n"}) {
        HistoryText text = readHistoryTextFile(folder.write("history.txt", withLineEnds(end)));
        EXPECT_EQ(text.draws.size(), 3546u);
        EXPECT_EQ(text.draws, expected);
        EXPECT_TRUE(text.skipped.empty());
    }
    HistoryText mixed = parse("2013017 23 05 49 12 31 08 40\r\rx\r\ny\nz\n\rw");
    std::vector<int> lines;
    for (const SkippedLine& line : mixed.skipped)
        lines.push_back(line.line);
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 5, 7}));
}

TEST(HistoryTextReader, TextWithNulBytesIsRefused) {
    test::TempFolder folder;
    const std::string line = "2013017 23 05 49 12 31 08 40\r\n";
    std::string utf16le = "\xFF\xFE";
    std::string utf16be = "\xFE\xFF";
    for (char c : line) {
        utf16le += std::string{c, '\0'};
        utf16be += std::string{'\0', c};
    }
    for (const std::string& content : {utf16le, utf16be, line + std::string("\0\x01\x02", 3) + line}) {
        auto file = folder.write("h.txt", content);
        try {
            readHistoryTextFile(file);
            ADD_FAILURE() << "read as text";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(file.string() + ": not a text file"), std::string::npos) << e.what();
        }
        EXPECT_THROW(parse(content), Error);
    }
}

TEST(HistoryTextReader, WrittenHistoryReadsBackTheSame) {
    test::TempFolder folder;
    std::vector<Draw> draws{{2013017, {23, 5, 49, 12, 31, 8, 40}}, {2014001, {1, 2, 3, 4, 5, 6, 7}}};
    writeHistoryTextFile(folder / "out.txt", draws);
    EXPECT_EQ(test::readFile(folder / "out.txt"), "2013017 23 05 49 12 31 08 40 \r\n2014001 01 02 03 04 05 06 07 \r\n");
    HistoryText back = readHistoryTextFile(folder / "out.txt");
    EXPECT_EQ(back.draws, draws);
    EXPECT_TRUE(back.skipped.empty());

    HistoryText real = readHistoryTextFile(test::realHistory());
    EXPECT_EQ(real.draws.size(), 3546u);
    EXPECT_TRUE(real.skipped.empty());
    std::ostringstream rewritten;
    writeHistoryText(rewritten, real.draws);
    EXPECT_EQ(rewritten.str(), test::readFile(test::realHistory()));
}

TEST(HistoryTextReader, UnreadableFilesAreErrors) {
    test::TempFolder folder;
    EXPECT_THROW(readHistoryTextFile(folder / "missing.txt"), Error);
    EXPECT_THROW(readHistoryTextFile(folder.path()), Error);
}

} // namespace quorvel
