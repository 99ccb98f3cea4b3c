// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The year the online update starts from at the latest when the history ends before it.
inline constexpr int kEarliestUpdateStartYear = 2013;

// What one online update will do before any page is read: whether the age check clears the history, which
// stored issue a row must follow to be new, and which yearly pages to load.
struct UpdatePlan {
    int currentYear = 0;
    int yearsToKeep = 0;
    // The first stored draw is more than yearsToKeep years old: the history is cleared, but only once a page
    // was read, in the same transaction that stores the new draws.
    bool clearsHistory = false;
    // Rows whose issue is not after this one are passed over (0: every row is new).
    int lastStoredIssue = 0;
    int startYear = 0;
    // Issues missing between stored draws of a year that a page can give (ascending): their years are loaded
    // again, so that the update fills the holes.
    std::vector<int> missingIssues;

    // The years whose pages are loaded, ascending (none when the start year is after the current year).
    std::vector<int> years() const;
};

// Plans an update of a history whose first and last stored issues are given (nothing: the history is empty).
// The age check clears when the current year minus the first draw's year exceeds yearsToKeep. An empty or
// cleared history starts at the current year minus yearsToKeep; otherwise the start is the last draw's year,
// or kEarliestUpdateStartYear when that is earlier, or the year of the first missing issue (ascending) from that
// year on, so that its page fills the hole.
UpdatePlan planUpdate(std::optional<int> firstIssue, std::optional<int> lastIssue, int currentYear, int yearsToKeep,
                      const std::vector<int>& missingIssues = {});

// Why a site prefix cannot give the yearly pages' addresses (empty, or not an http:// or https:// address),
// or nothing when it can.
// Where the refusal of a missing site tells the user to set it: the window's menu, or the command line's
// settings command.
enum class UpdateSiteHint { Menu, Command };
std::optional<Message> updateSiteProblem(const std::string& sitePrefix, UpdateSiteHint hint);

// The address of a year's page: the prefix, the four-digit year and ".html".
std::string yearPageAddress(const std::string& sitePrefix, int year);

} // namespace quorvel
