// SPDX-License-Identifier: MIT
#pragma once

#include "ingest/ResultsPage.h"
#include "model/Draw.h"
#include "model/Message.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// A table row of a results page that did not become a draw, and why. Rows count as the table's `rows` do
// (row 0 is the header).
struct SkippedRow {
    int year = 0;
    int row = 0;
    std::string text; // the row's cells as read, joined by " | "
    Message reason;
};

// The first issue of a page that is missing or cannot be read, and why.
struct PageStop {
    int issue = 0;
    Message reason;
};

// The new draws of one yearly page, oldest first, and the rows left out.
struct PageDraws {
    std::vector<Draw> draws;
    std::vector<SkippedRow> skipped;
    // The row whose special number reads 0, which ends the page (the rows above it are not read).
    std::optional<int> endRow;
    // Rows passed over because their issue is already stored (they were not checked further).
    int passedOver = 0;
    // The first new issue the page does not give as a usable draw, although a later one follows (or the row of
    // that issue is unusable): the draws from it on are left out (heldBack counts them), so that storing the
    // page leaves no hole that a later update, starting after the latest stored draw, could never fill.
    std::optional<PageStop> stop;
    int heldBack = 0;

    // The page's table gave no row that is a draw: nothing new, nothing already stored.
    bool noUsableRow() const { return draws.empty() && passedOver == 0; }
};

// Reads the draws of year's results table from its last row up to row 1 (the header, row 0, is never read):
// issue = year * 1000 + the first three characters of cell 1; the six regular numbers from the two-character
// slots at characters 0, 5, 10, 15, 20 and 25 of cell 2; the special number from the first two characters of
// cell 3 (positions count characters, not bytes; spaces around the digits of a slot are allowed). Rows whose
// issue is not after lastStoredIssue are passed over; a special number of 0 ends the page. A row with a cell
// missing, a text that is not a number, a regular number of 0, a number outside 1..49 or a number repeated in
// the draw is skipped and reported, as is a second row with the same issue (the first one read is kept). The new
// draws must follow each other from the issue after lastStoredIssue (or from the year's first issue when that is
// of another year): the page is read up to its first missing or unusable issue (`stop`). The issues of `fill`
// (ascending: draws missing from the stored history) are read although they are not after lastStoredIssue.
PageDraws drawsOfPage(int year, const TableRows& rows, int lastStoredIssue, const std::vector<int>& fill = {});

} // namespace quorvel
