// SPDX-License-Identifier: MIT
#include "app/history/ManualDrawCheck.h"

#include "app/history/ImportSummary.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(ManualDrawCheck, RefusesWhatIsNoDrawNamingTheBox) {
    using Texts = std::array<std::string, 7>;
    EXPECT_EQ(checkManualDraw({"23", "05", "49", "12", "31", "8", "40"}).numbers,
              (std::array<int, 7>{23, 5, 49, 12, 31, 8, 40}));
    // Full-width digits, as a Chinese input method types them, are the digits they show.
    EXPECT_EQ(checkManualDraw({"２３", "０５", "49", "１2", "31", "８", "４０"}).numbers,
              (std::array<int, 7>{23, 5, 49, 12, 31, 8, 40}));
    struct Case {
        Texts boxes;
        int box;
        std::string says;
    } cases[] = {
        {{"23", "05", "", "12", "31", "08", "40"}, 3, "box 3 (落3码) is empty"},
        {{"23", "05", "49", "12", "31", "08", "50"}, 7, "box 7 (特码) holds '50'"},
        {{"00", "05", "49", "12", "31", "08", "40"}, 1, "box 1 (落1码) holds '00'"},
        {{"23", "05", "49", "12", "-5", "08", "40"}, 5, "holds '-5'"},
        {{"23", "05", "49", "12", "31", "05", "40"}, 6, "box 6 (落6码) repeats 5 of box 2 (落2码)"},
        {{"23", "05", "49", "12", "31", "08", "５０"}, 7, "box 7 (特码) holds '５０'"},
    };
    for (const Case& c : cases) {
        ManualDrawCheck check = checkManualDraw(c.boxes);
        EXPECT_FALSE(check.numbers) << c.says;
        EXPECT_EQ(check.box, c.box) << c.says;
        EXPECT_NE(check.problem.english().find(c.says), std::string::npos) << check.problem.english();
    }
}

TEST(ImportSummary, CountsDrawsAndListsTheFirstSkippedLines) {
    ImportResult result;
    result.imported = 120;
    EXPECT_EQ(english(importSummary(result, "h.txt")), "Stored 120 draws from h.txt.\nNo line was skipped.");
    for (int line = 1; line <= 23; ++line)
        result.skipped.push_back(
            SkippedLine{line, "x" + std::to_string(line), Message::verbatim("fewer than seven numbers")});
    std::string text = english(importSummary(result, "h.txt"));
    EXPECT_NE(text.find("Skipped 23 lines:\nline 1 \"x1\": fewer than seven numbers\n"), std::string::npos);
    EXPECT_NE(text.find("line 20 \"x20\""), std::string::npos);
    EXPECT_EQ(text.find("line 21 "), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 11), "\nand 3 more");
    result.backup = "/d/backup/h.txt";
    EXPECT_NE(english(importSummary(result, "h.txt")).find("saved to /d/backup/h.txt"), std::string::npos);
}

} // namespace quorvel
