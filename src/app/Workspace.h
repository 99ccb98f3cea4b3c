// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRange.h"
#include "analysis/AnalysisResult.h"
#include "analysis/Backtest.h"
#include "analysis/OmissionEngine.h"
#include "analysis/OmissionTable.h"
#include "analysis/Trend.h"
#include "analysis/ValuesRequest.h"
#include "app/Clock.h"
#include "app/history/DerivedBasesCheck.h"
#include "app/history/HistoryChange.h"
#include "app/history/HistoryListing.h"
#include "app/history/UpdateRun.h"
#include "app/settings/Settings.h"
#include "ingest/HistoryTextReader.h"
#include "ingest/UpdatePlan.h"
#include "maintain/MaintenanceResult.h"
#include "maintain/WorkbookExport.h"
#include "model/CellGrid.h"
#include "model/Draw.h"
#include "model/DrawRecord.h"
#include "model/FieldValue.h"
#include "model/GroupSort.h"
#include "model/ParameterBases.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace quorvel {

class GroupResultWriter;
class HistoryMaintenance;
class HistoryStore;
class PositionSearchState;
struct RefreshOutcome;
struct SearchChoices;

// What an import stored, what it left out, and where the history it replaced was saved.
struct ImportResult {
    int imported = 0;
    std::vector<SkippedLine> skipped;
    std::optional<std::filesystem::path> backup;
    // Issues stored more than once (the file listed them so; a lookup by issue finds the first).
    int duplicateIssues = 0;
};

// Where a draw added by hand went.
struct AddResult {
    int issue = 0;
    int idx = 0;
};

// A group calculation's rows in the order stored, shared with the store's write of them that may still run
// (Workspace::finishGroupResults), and its note (non-empty when the request made no group at all).
struct GroupRun {
    std::shared_ptr<const GroupRows> rows;
    Message note;
};

// The core's front door for one data folder: the store, the settings and the operations on the history.
// The window and the command line each hold one.
class Workspace {
  public:
    static constexpr const char* kStoreFileName = "quorvel.db";

    Workspace(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    const std::filesystem::path& dataFolder() const { return m_dataFolder; }
    // The store file (quorvel.db in the data folder).
    const std::filesystem::path& storeFile() const;
    // Set when a write-ahead log beside the store file belonged to another store: it was set aside under this
    // name before anything was read. The front end must say so.
    const std::optional<std::filesystem::path>& logSetAside() const;
    // Set when the store file's header carries another user version than the store's identity (another program
    // set it); the store is used as it is. The front end says so.
    const std::optional<Message>& storeIdentityNote() const;
    Settings& settings() { return m_settings; }
    const Clock& clock() const { return m_clock; }

    // The parameter bases in force: the settings, unless overridden for this session (never saved).
    // Every change that derives rows refuses overridden bases that differ from the stored draws' bases.
    ParameterBases bases() const;
    void overrideBases(const ParameterBases& bases) { m_basesOverride = bases; }

    // Set while the stored draws were derived with other bases than the settings' (a base changed and the
    // draws not derived again): their zodiac, segment or colour codes read wrong until rebuildHistory().
    std::optional<BasesMismatch> storedBasesMismatch() const;

    // Replaces the history by the draws of a history text file (its name ends in "txt"). The file is read
    // and checked first; when it cannot be read or yields no usable draw, the history stays as it was and
    // Error says why. The history it replaces is first saved to the backup folder.
    ImportResult importHistoryFile(const std::filesystem::path& file);

    // Adds one draw; without an issue it takes the latest issue + 1, or on an empty history the current
    // year's first issue. Numbers must be 1..49 and distinct; an issue already stored, or with sequence 000,
    // is refused.
    AddResult addDraw(std::optional<int> issue, const std::array<int, 7>& numbers);

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

    // History maintenance with the bases in force (HistoryMaintenance.h): each change that removes draws
    // saves the history to the backup folder first and names the copy in its result.
    MaintenanceResult deleteLatestDraw();
    MaintenanceResult deleteLatestDraws(int count);
    MaintenanceResult keepUntil(int lastIssue);
    MaintenanceResult clearHistory();
    // Keeps every draw and derives every stored row again with the bases in force, after a safety copy.
    MaintenanceResult rebuildHistory();
    MaintenanceResult compactStore();

    // The exports below refuse a target that would replace the store, its log, the settings or a safety copy,
    // and one that is not a regular file (ExportTarget.h).
    // Writes the history as a history text file (to the default name in the data folder without a target).
    std::filesystem::path exportHistoryText(const std::optional<std::filesystem::path>& target);
    // Writes the history list to a workbook (lishi.xlsx in the data folder without a target); refuses an
    // empty history.
    std::filesystem::path exportHistoryWorkbook(const std::optional<std::filesystem::path>& target);
    // Writes a grid as shown to a workbook: the target, or the given file name in the data folder.
    std::filesystem::path exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                             const std::optional<std::filesystem::path>& target);
    // The same for a result grid, with the line that says how its gaps were counted on a second sheet, "Rules".
    std::filesystem::path exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                             const std::optional<std::filesystem::path>& target,
                                             const std::string& rules);
    // The same with some cells of the grid filled with colours.
    std::filesystem::path exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                             const std::optional<std::filesystem::path>& target,
                                             const std::string& rules, const std::vector<CellFill>& fills);

    // Changes whenever the history changed, through this workspace or by another program, so that a view
    // of it knows when to read it again.
    std::uint64_t historyVersion() const;

    // Subscribers hear of every change of the history: after each change made through this workspace, and
    // when noticeChangesElsewhere() finds one another program made, for as long as the subscription lives.
    [[nodiscard]] HistorySubscription subscribe(HistorySubscriber subscriber);
    // Asks the store whether another program changed the history since the subscribers last heard of a change,
    // and tells them when it did. Returns whether it did; a store that cannot be asked now (held by another
    // program, or writing the group results) counts as unchanged.
    bool noticeChangesElsewhere();

    // The stored history: how many draws, the first and latest issue (nothing when it is empty), every draw
    // as stored, the history list, and every field of the first row stored under an issue.
    int drawCount() const;
    std::optional<int> firstIssue() const;
    std::optional<int> latestIssue() const;
    std::vector<DrawRecord> records() const;
    HistoryListing historyListing() const;
    std::optional<std::vector<std::pair<std::string, FieldValue>>> rowFields(int issue) const;
    // The position search's values and range (PositionSearchState.h) from the stored draws: as its tab says, or
    // only the reference draw's.
    enum class SearchRefresh { AsTabSays, Reference };
    RefreshOutcome refreshSearchState(PositionSearchState& state, const SearchChoices& choices,
                                      SearchRefresh what = SearchRefresh::AsTabSays) const;

    // The issue the next draw entered by hand gets.
    int nextIssue() const;
    // Where a range of the latest `count` draws starts: the issue of the count-th latest draw, or of the first
    // one when the history holds fewer (draws says how many the range then covers); nothing when it is empty.
    struct LatestDrawsStart {
        int issue = 0;
        int draws = 0;
    };
    std::optional<LatestDrawsStart> startOfLatestDraws(int count) const;

    // The range rules every analysis shares (AnalysisRange.h), over the stored history.
    ResolvedRange resolveRange(const RangeChoice& choice) const;

    // The three analyses on an engine of a kind; Error refuses an empty history or a bad request.
    SearchResult positionSearch(EngineKind kind, const PositionSearchRequest& request);
    SearchResult partialSearch(EngineKind kind, const PartialSearchRequest& request, const Progress& progress = {});
    // The group calculation gives its rows as soon as they are worked out; the memory engine's rows are then
    // stored in YL on a thread of their own (the reference engine stores them before it returns). A cancelled
    // calculation stores nothing. The store's write of the last calculation is waited for first, and Error
    // tells of its failure (see finishGroupResults).
    GroupRun groupCalculation(EngineKind kind, const GroupRequest& request, const Progress& progress = {});
    // Whether the rows of the last group calculation are still being stored (never waits).
    bool groupResultsWriting() const;
    // Waits until the rows of the last group calculation are stored, reporting the rows written to `progress`
    // meanwhile. When the write failed, YL keeps the rows it held before, and Error says so, once. Every other
    // operation on the store waits for the write too; the reads of YL below also raise its failure.
    void finishGroupResults(const Progress& progress = {});
    // The hits of one group of a group calculation's request (its row's content) as a position search finds
    // them; nothing when the content is not a group of that request.
    std::optional<SearchResult> groupHitsSearch(EngineKind kind, const GroupRequest& request,
                                                const std::string& content);
    // The omission table of every value of a kind (OmissionTable.h), always counted by the memory engine: each
    // row equals the position search for its value, which either engine gives alike. Error refuses an empty
    // history.
    OmissionTable omissionTable(const ValuesRequest& request);
    // The trend of every value of a kind over the range (Trend.h), counted by the memory engine like the table.
    // Error refuses an empty history.
    Trend trend(const ValuesRequest& request);
    // The backtest of the overdue picks (Backtest.h), always on the memory engine, with the bases in force;
    // Error refuses an empty history, a request that makes no group and one that leaves no decision draw.
    BacktestResult backtest(BacktestRequest request, const Progress& progress = {});
    // The rows of the last group calculation (table YL), ordered by a column.
    std::vector<GroupRow> groupResults(GroupSort sort);
    // The same rows in the order they were stored.
    std::vector<GroupRow> groupResults();
    // The counting rules of those rows, or a line saying that no group calculation of this program stored them.
    std::string groupResultRules();
    // Writes those rows, ordered by the last omission, to a workbook (Jieguo.xlsx in the data folder without a
    // target) with their counting rules on a second sheet; returns the file and the rows written.
    std::pair<std::filesystem::path, std::size_t>
    exportGroupResultWorkbook(const std::optional<std::filesystem::path>& target);

  private:
    HistoryMaintenance maintenance();
    // Tells the subscribers of a change made through this workspace.
    void changed(HistoryChange change);
    MaintenanceResult told(MaintenanceResult result, HistoryChange change = HistoryChange::Changed);
    // The operations themselves, before the subscribers are told.
    ImportResult importFile(const std::filesystem::path& file);
    AddResult storeDraw(std::optional<int> issue, const std::array<int, 7>& numbers);
    UpdateResult storePages(const UpdatePlan& plan, const std::vector<YearPage>& pages);
    // Refuses a change that derives rows with bases given for this run only that differ from the bases the
    // stored draws were derived with (an empty history matches any bases).
    void requireRunBasesMatchStore() const;
    // The store, once the group results being written are stored: every use of the store goes through it, so that
    // nothing else reaches the store's connection while the writer's transaction is open.
    HistoryStore& store() const;
    // The engine of a kind, made on first use and kept: the memory engine loads the history once and
    // again only after it changed.
    OmissionEngine& engine(EngineKind kind);

    std::filesystem::path m_dataFolder;
    std::unique_ptr<HistoryStore> m_store;
    Settings m_settings;
    const Clock& m_clock;
    std::optional<ParameterBases> m_basesOverride;
    std::unique_ptr<OmissionEngine> m_sqlEngine;
    std::unique_ptr<OmissionEngine> m_memoryEngine;
    std::shared_ptr<HistorySubscribers> m_subscribers = std::make_shared<HistorySubscribers>();
    std::uint64_t m_toldVersion = 0; // the history version the subscribers last heard of
    // The bases record of the stored draws as storedBasesMismatch() read it last, and whether there were none.
    struct StoredBases {
        std::optional<ParameterBases> derived;
        bool empty = true;
    };
    mutable std::optional<StoredBases> m_storedBases;
    // Declared last: destroyed first, it waits for a write still running while the store is open.
    std::unique_ptr<GroupResultWriter> m_groupWriter;
};

} // namespace quorvel
