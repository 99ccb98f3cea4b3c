// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRange.h"
#include "analysis/AnalysisResult.h"
#include "analysis/Backtest.h"
#include "analysis/EngineKind.h"
#include "analysis/OmissionTable.h"
#include "analysis/Progress.h"
#include "analysis/Trend.h"
#include "analysis/ValuesRequest.h"
#include "maintain/WorkbookExport.h"
#include "model/CellGrid.h"
#include "model/GroupSort.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

class PositionSearchState;
class WorkspaceState;
struct RefreshOutcome;
struct SearchChoices;

// A group calculation's rows in the order stored, shared with the store's write of them that may still run
// (finishGroupResults).
struct GroupRun {
    std::shared_ptr<const GroupRows> rows;
};

// The analyses of the stored history as Workspace gives them (workspace.analyses()): their range and reference
// rules, the searches, the group calculation and its stored results, the omission table, the trend, the
// backtest, and the workbooks of their grids.
class WorkspaceAnalyses {
  public:
    explicit WorkspaceAnalyses(WorkspaceState& state) : m_state(state) {}

    // The range rules every analysis shares (RangeResolution.h), over the stored history.
    ResolvedRange resolveRange(const RangeChoice& choice) const;
    // The position search's values and range (PositionSearchState.h) from the stored draws: as its tab says, or
    // only the reference draw's.
    enum class SearchRefresh { AsTabSays, Reference };
    RefreshOutcome refreshSearchState(PositionSearchState& state, const SearchChoices& choices,
                                      SearchRefresh what = SearchRefresh::AsTabSays) const;

    // The three analyses on an engine of a kind; Error refuses an empty history or a bad request.
    SearchResult positionSearch(EngineKind kind, const PositionSearchRequest& request);
    SearchResult partialSearch(EngineKind kind, const PartialSearchRequest& request, const Progress& progress = {});
    // The group calculation gives its rows as soon as they are worked out; the memory engine's rows are then
    // stored in YL on a thread of their own (the reference engine stores them before it returns). A cancelled
    // calculation stores nothing, and Error refuses a request that makes no group (noGroupReason) before YL is
    // touched. The store's write of the last calculation is waited for first, and Error tells of its failure
    // (see finishGroupResults).
    GroupRun groupCalculation(EngineKind kind, const GroupRequest& request, const Progress& progress = {});
    // Lends the calling thread to the store's write of the last calculation's rows: it makes rows ready to store
    // ahead of the write, and returns when the write needs it no more (before the rows are all stored). Worth
    // calling before other work, such as printing the rows, so that the write and that work end together.
    void helpStoreGroupResults();
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
    // The counting rules of those rows as stored with them, or a line saying that no group calculation of this
    // program stored them.
    Message groupResultRules();
    // Writes those rows, ordered by the last omission, to a workbook (Jieguo.xlsx in the data folder without a
    // target) with their counting rules on a second sheet, its texts rendered by `translate`; returns the file and
    // the rows written.
    std::pair<std::filesystem::path, std::size_t>
    exportGroupResultWorkbook(const std::optional<std::filesystem::path>& target, const Message::Translate& translate);

    // The exports below refuse a target that would replace the store, its log, the settings or a safety copy,
    // and one that is not a regular file (ExportTarget.h).
    // The file such an export would write (the target, or the given file name in the data folder), refused as
    // the export would refuse it; a caller checks it before work whose result it is to write.
    std::filesystem::path checkExportTarget(const std::string& defaultName,
                                            const std::optional<std::filesystem::path>& target) const;
    // Writes a grid as shown to a workbook: the target, or the given file name in the data folder.
    std::filesystem::path exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                             const std::optional<std::filesystem::path>& target);
    // The same for a result grid or a view (WorkbookExport.h): the grid with its colours and the rules on a second
    // sheet, its texts rendered by `translate`.
    std::filesystem::path exportWorkbook(const WorkbookContent& content, const std::string& defaultName,
                                         const std::optional<std::filesystem::path>& target,
                                         const Message::Translate& translate);

  private:
    WorkspaceState& m_state;
};

} // namespace quorvel
