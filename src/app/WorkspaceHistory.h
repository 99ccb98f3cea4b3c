// SPDX-License-Identifier: MIT
#pragma once

#include "app/history/HistoryChange.h"
#include "app/history/HistoryListing.h"
#include "app/history/UpdateRun.h"
#include "ingest/HistoryTextReader.h"
#include "ingest/UpdatePlan.h"
#include "maintain/HistoryCheck.h"
#include "model/DrawRecord.h"
#include "model/FieldValue.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

class WorkspaceState;

// What an import stored, what it left out, and where the history it replaced was saved.
struct ImportResult {
    int imported = 0;
    std::vector<SkippedLine> skipped;
    std::optional<std::filesystem::path> backup;
    // Issues stored more than once (the file listed them so; a lookup by issue finds the first).
    int duplicateIssues = 0;
};

// Where a draw added by hand may go: after the latest stored draw, or among the stored draws too.
enum class AddPlace { AfterLatest, AmongStored };

// Where a draw added by hand went, and what that did to the draws around it.
struct AddResult {
    int issue = 0;
    int idx = 0;
    // Added among the stored draws: the draws after it, which moved down one place (each IDX one higher), by
    // their count and their first and last issue; 0 when it was added after the latest.
    int moved = 0;
    int firstMoved = 0;
    int lastMoved = 0;
    // Added after the latest draw but not next to it: the issues of its own year missing before it (a year's
    // draws count from 001; how many a year held is not known), and the years between without any draw.
    std::vector<int> missing;
    std::vector<int> missingYears;
};

// The stored history as Workspace gives it (workspace.history()): what it holds, the changes that bring draws
// in (import, add, online update) and the notices of every change.
class WorkspaceHistory {
  public:
    explicit WorkspaceHistory(WorkspaceState& state) : m_state(state) {}

    // Replaces the history by the draws of a history text file (its name ends in "txt"). The file is read
    // and checked first; when it cannot be read or yields no usable draw, the history stays as it was and
    // Error says why. The history it replaces is first saved to the backup folder.
    ImportResult importHistoryFile(const std::filesystem::path& file);

    // Adds one draw; without an issue it takes the latest issue + 1, or on an empty history the current
    // year's first issue. Numbers must be 1..49 and distinct; an issue already stored, or with sequence 000,
    // is refused, and so is an issue before the latest stored one unless the place allows it among the stored
    // draws (the result names the draws that moved). A gap after the latest is stored and named in the result.
    AddResult addDraw(std::optional<int> issue, const std::array<int, 7>& numbers,
                      AddPlace place = AddPlace::AfterLatest);

    // Plans an online update of the stored history (UpdatePlan.h) with the years to keep of the settings and
    // the calendar's year, unless given for this run. Error refuses a plan that would clear the history by
    // years to keep that are only the default because the settings file could not be read.
    UpdatePlan planUpdate(std::optional<int> yearsToKeep = std::nullopt,
                          std::optional<int> currentYear = std::nullopt) const;
    // Applies the pages an online update loaded: the new draws of every page read (each derived in the zodiac
    // year of its own issue) are appended in one transaction, which, when the plan's age check clears the
    // history, first saves it to the backup folder and clears it. When no page was read nothing changes; when
    // the age check would clear but a year failed or gave no draw, nothing changes either (clearWithheld). A
    // page whose table gives no usable row is a failed year, but for the current year's page before its first
    // draw ("no draw yet").
    UpdateResult applyUpdate(const UpdatePlan& plan, const std::vector<YearPage>& pages);

    // Changes whenever the history changed, through this workspace or by another program, so that a view
    // of it knows when to read it again.
    std::uint64_t historyVersion() const;

    // Subscribers hear of every change of the history: after each change made through this workspace, and
    // when noticeChangesElsewhere() finds one another program made, for as long as the subscription lives.
    [[nodiscard]] HistorySubscription subscribe(HistorySubscriber subscriber);
    // Asks the store whether another program changed the history since the subscribers last heard of a change,
    // and tells them when it did. Returns what changed: the history (told), only other stored data such as the
    // group results (not told), or nothing; a store that cannot be asked now (held by another program, or writing
    // the group results) counts as unchanged.
    ChangeElsewhere noticeChangesElsewhere();

    // The stored history: how many draws, the first and latest issue (nothing when it is empty), every draw
    // as stored, every draw as a list shows it (IDX, issue, numbers: read without the other fields), the
    // history list, and every field of the first row stored under an issue.
    int drawCount() const;
    std::optional<int> firstIssue() const;
    std::optional<int> latestIssue() const;
    std::vector<DrawRecord> records() const;
    std::vector<ListedDraw> listedDraws() const;
    HistoryListing historyListing() const;
    std::optional<std::vector<std::pair<std::string, FieldValue>>> rowFields(int issue) const;

    // The holes of the stored history: draws missing inside a year, issues stored twice, IDX out of issue order.
    HistoryHoles checkHistory() const;

    // The issue the next draw entered by hand gets.
    int nextIssue() const;
    // Where a range of the latest `count` draws starts: the issue of the count-th latest draw, or of the first
    // one when the history holds fewer (draws says how many the range then covers); nothing when it is empty.
    struct LatestDrawsStart {
        int issue = 0;
        int draws = 0;
    };
    std::optional<LatestDrawsStart> startOfLatestDraws(int count) const;

  private:
    // The operations themselves, before the subscribers are told.
    ImportResult importFile(const std::filesystem::path& file);
    AddResult storeDraw(std::optional<int> issue, const std::array<int, 7>& numbers, AddPlace place);
    UpdateResult storePages(const UpdatePlan& plan, const std::vector<YearPage>& pages);

    WorkspaceState& m_state;
};

} // namespace quorvel
