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
    EXPECT_EQ(text.skipped[0].reason, "no issue number to count from");
    EXPECT_EQ(text.skipped[1].line, 5);
    EXPECT_EQ(text.skipped[1].text, "01 02 03 04 05 06");
    EXPECT_EQ(text.skipped[1].reason, "fewer than seven numbers (found 6)");
    EXPECT_EQ(text.skipped[2].reason, "number 50 is outside 1..49");
    EXPECT_EQ(text.skipped[3].reason, "number 6 appears twice");
    EXPECT_EQ(text.skipped[4].line, 10);
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
