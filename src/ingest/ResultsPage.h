// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A table as a browser gives it to a script: its rows, each the texts of its cells.
using TableRows = std::vector<std::vector<std::string>>;

// The largest page the parser reads: a yearly results page is a few tens of kilobytes with a few thousand
// tags, and the HTML parser's time grows with the square of the nesting depth, which the tag count bounds.
inline constexpr std::size_t kMaxResultsPageBytes = 2 * 1024 * 1024;
inline constexpr std::size_t kMaxResultsPageTags = 20000;

// Whether a page is beyond those limits (it is then not read).
bool exceedsResultsPageLimits(std::string_view html);

// The table whose id is "main" in a page (UTF-8 HTML, however malformed): its rows in the order of the
// table's `rows` (the thead rows, then the rows directly in the table or its tbody sections, then the tfoot
// rows, each group in document order; rows of tables nested in cells excluded), each row's td and th cells
// with their text as innerText gives it (white space collapsed, line breaks for <br> and blocks).
// Nothing when the page has no element with that id, when that element is not a table, or when the page
// exceeds the limits above.
std::optional<TableRows> readResultsTable(std::string_view html);

} // namespace quorvel
