// SPDX-License-Identifier: MIT
#pragma once

#include "ingest/PageDraws.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// One yearly page as the fetcher left it: its HTML (UTF-8), or why it could not be loaded.
struct YearPage {
    int year = 0;
    std::optional<std::string> html;
    Message failure;
};

// How many draws one year's page added.
struct YearCount {
    int year = 0;
    int appended = 0;
    // The current year's page holds no draw yet (its table has no row, or only rows of draws not held yet).
    bool noDrawYet = false;
};

// A year that added nothing because its page could not be used, and why.
struct FailedYear {
    int year = 0;
    Message reason;
};

// What an online update did: the draws appended (in all and per year read), the years that failed, the rows
// left out, whether the age check cleared the old history and where that history was saved first. A year that
// failed stops the update there: the draws of later years are not stored (each is listed as failed too), so that
// the next update, starting after the latest stored draw, brings them in order and leaves no year out.
struct UpdateResult {
    int appended = 0;
    // Of the appended draws, those that filled holes of the stored history, and the holes no page filled.
    int filled = 0;
    std::vector<int> stillMissing;
    // Draws after the site's latest that a clearing update kept from the store (typed in before the site had them).
    int keptFromStore = 0;
    std::vector<YearCount> years;
    std::vector<FailedYear> failed;
    std::vector<SkippedRow> skipped;
    bool cleared = false;
    // The age check wanted to clear the history, but not every year of the new range gave draws: nothing was
    // changed, so that the draws of the failed years are not lost.
    bool clearWithheld = false;
    std::optional<std::filesystem::path> backup;
    int yearsToKeep = 0;

    // No page could be read: the history was left as it was.
    bool nothingRead() const { return years.empty(); }
    // Every year the update loaded gave what it should: the command line exits 0 only then.
    bool complete() const { return failed.empty() && !nothingRead(); }
};

} // namespace quorvel
