// SPDX-License-Identifier: MIT
#include "ingest/PageDraws.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

const std::vector<std::string> kHeader{"日期", "期数", "平码", "特码"};

// A draw row as the site shows it: cell 2 separates the numbers by three characters (one of them wider
// than a byte), cell 3 follows the special number with its sign.
std::vector<std::string> row(const std::string& sequence, const std::string& regular, const std::string& special) {
    return {"2014-01-02", sequence + "期", regular, special + " 鼠"};
}

} // namespace

TEST(PageDraws, ReadsRowsOldestFirstAndSkipsWhatIsNotADraw) {
    const std::string good = "05 ， 12 ， 23 ， 31 ， 40 ， 44";
    struct Case {
        const char* name;
        TableRows rows;
        int lastStored;
        std::vector<int> issues; // the draws read, in order
        std::vector<std::string> reasons;
        std::optional<int> endRow;
        std::optional<int> stop = std::nullopt; // the first missing or unusable issue, nothing after it read
        int heldBack = 0;
    };
    const std::vector<Case> cases{
        {"newest first on the page, oldest first read; the header is never read",
         {kHeader, row("003", good, "01"), row("002", good, "02"), row("001", good, "03")},
         0,
         {2014001, 2014002, 2014003},
         {},
         std::nullopt},
        {"rows not after the last stored issue are passed over",
         {kHeader, row("101", good, "01"), row("100", good, "02"), row("099", good, "03")},
         2014100,
         {2014101},
         {},
         std::nullopt},
        {"a special number of 00 ends the page",
         {kHeader, row("003", good, "01"), row("002", good, "00"), row("001", good, "03")},
         0,
         {2014001},
         {},
         2},
        {"bad rows are skipped with their reason, not filled from the row before",
         {kHeader,
          row("006", "05 ， 12 ， 23 ， 31 ， 40", "07"),
          row("005", "05 ， 12 ， 00 ， 31 ， 40 ， 44", "07"),
          row("004", good, "50"),
          row("003", "05 ， 12 ， 12 ， 31 ， 40 ， 44", "07"),
          row("0x2", good, "07"),
          {"x", "001", good},
          row("000", good, "07")},
         0,
         {},
         {"sequence number (cell 1) reads '000'", "the row has 3 cells", "sequence number (cell 1) reads '0x2'",
          "regular number 3 (cell 2) is 12, already in the draw", "special number (cell 3) is 50, outside 1..49",
          "regular number 3 (cell 2) is 0, outside 1..49", "regular number 6 (cell 2) reads '', not a number"},
         std::nullopt,
         2014001},
        {"a missing issue holds back the draws after it",
         {kHeader, row("004", good, "01"), row("003", good, "02"), row("001", good, "03")},
         0,
         {2014001},
         {},
         std::nullopt,
         2014002,
         2},
        {"an unusable row holds back the draws after it",
         {kHeader, row("104", good, "09"), row("103", good, "50"), row("102", good, "01"), row("101", good, "02")},
         2014100,
         {2014101, 2014102},
         {"special number (cell 3) is 50, outside 1..49"},
         std::nullopt,
         2014103,
         1},
        {"a draw listed twice is read once",
         {kHeader, row("002", good, "07"), row("001", good, "09"), row("001", good, "08")},
         0,
         {2014001, 2014002},
         {"issue 2014001 is listed twice; the draw of row 3 was kept"},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PageDraws page = drawsOfPage(2014, c.rows, c.lastStored);
        std::vector<int> issues;
        for (const Draw& draw : page.draws)
            issues.push_back(draw.issue);
        EXPECT_EQ(issues, c.issues);
        ASSERT_EQ(page.skipped.size(), c.reasons.size());
        for (std::size_t i = 0; i < c.reasons.size(); ++i)
            EXPECT_NE(page.skipped[i].reason.english().find(c.reasons[i]), std::string::npos)
                << page.skipped[i].reason.english();
        EXPECT_EQ(page.endRow, c.endRow);
        EXPECT_EQ(page.stop ? std::optional(page.stop->issue) : std::nullopt, c.stop);
        EXPECT_EQ(page.heldBack, c.heldBack);
    }
}

} // namespace quorvel
