// SPDX-License-Identifier: MIT
#include "ingest/ResultsPage.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(ResultsPage, RowsAndCellTextsAsABrowserGivesThem) {
    struct Case {
        const char* name;
        std::string html;
        std::optional<TableRows> rows;
    };
    const std::vector<Case> cases{
        {"rows in the browser's order: head, body and direct rows, foot",
         "<table id=main><tfoot><tr><td>f</td></tr></tfoot><tbody><tr><td>b1</td></tr></tbody>"
         "<tr><td>d</td></tr><thead><tr><th>h</th></tr></thead><tbody><tr><td>b2</td></tr></tbody></table>",
         TableRows{{"h"}, {"b1"}, {"d"}, {"b2"}, {"f"}}},
        {"white space collapsed across inline elements, trimmed at the ends",
         "<table id='main'><tr><td>\n  <span>05</span> ,\n\t<b>12</b>  </td><td> a&nbsp; b </td></tr></table>",
         TableRows{{"05 , 12", "a\u00a0 b"}}},
        {"line breaks for <br>, blocks and paragraphs; hidden content left out",
         "<table id=main><tr><td>a<br>b<div>c</div><p>d</p>e<script>x</script><span hidden>y</span></td></tr>"
         "</table>",
         TableRows{{"a\nb\nc\n\nd\n\ne"}}},
        {"a nested table's rows are not the outer table's; its cells give tabs and lines",
         "<table id=main><tr><td>x<table><tr><td>1</td><td>2</td></tr><tr><td>3</td></tr></table></td></tr>"
         "</table>",
         TableRows{{"x\n1\t2\n3"}}},
        {"missing cells and unclosed tags", "<table id=main><tr><td>1<td>2<tr><td><b>3</table>",
         TableRows{{"1", "2"}, {"3"}}},
        {"the first element with the id counts", "<p id=main>x</p><table id=main><tr><td>1</td></tr></table>",
         std::nullopt},
        {"no id", "<table><tr><td>1</td></tr></table>", std::nullopt},
        {"not HTML at all", std::string("\0\xff\xfe<<>>", 7), std::nullopt},
        {"an empty table", "<table id=main></table>", TableRows{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readResultsTable(c.html), c.rows);
    }
}

TEST(ResultsPage, DeepAndLargePagesNeverCrash) {
    std::string deep = "<table id=main><tr><td>";
    for (std::size_t i = 0; i < kMaxResultsPageTags / 4; ++i)
        deep += "<div>";
    auto rows = readResultsTable(deep + "7");
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[0][0], "7");
    std::string tags;
    for (std::size_t i = 0; i <= kMaxResultsPageTags; ++i)
        tags += "<b>";
    EXPECT_EQ(readResultsTable("<table id=main><tr><td>7" + tags), std::nullopt);
    EXPECT_EQ(readResultsTable(std::string(kMaxResultsPageBytes + 1, ' ')), std::nullopt);
}

} // namespace quorvel
