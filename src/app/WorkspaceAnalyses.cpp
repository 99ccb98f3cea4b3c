// SPDX-License-Identifier: MIT
#include "app/WorkspaceAnalyses.h"

#include "analysis/CountingRules.h"
#include "analysis/GroupHits.h"
#include "analysis/GroupPlan.h"
#include "analysis/GroupResultTable.h"
#include "analysis/MemoryEngine.h"
#include "analysis/RangeResolution.h"
#include "analysis/ResultGrids.h"
#include "app/GroupResultWriter.h"
#include "app/WorkspaceState.h"
#include "app/choices/PositionSearchState.h"
#include "model/Error.h"
#include "store/HistoryStore.h"

namespace quorvel {

namespace {

// The stored draws a refresh of the position search's values reads, from the store.
class StoreDrawLookup : public StoredDrawLookup {
  public:
    explicit StoreDrawLookup(const HistoryStore& store) : m_store(store) {}
    std::optional<DrawRecord> first() const override { return m_store.first(); }
    std::optional<DrawRecord> latest() const override { return m_store.latest(); }
    std::optional<DrawRecord> latestNotAfter(int issue) const override { return m_store.latestNotAfter(issue); }

  private:
    const HistoryStore& m_store;
};

} // namespace

ResolvedRange WorkspaceAnalyses::resolveRange(const RangeChoice& choice) const {
    return quorvel::resolveRange(m_state.store(), choice);
}

RefreshOutcome WorkspaceAnalyses::refreshSearchState(PositionSearchState& state, const SearchChoices& choices,
                                                     SearchRefresh what) const {
    const StoreDrawLookup stored(m_state.store());
    return what == SearchRefresh::Reference ? state.refreshReference(stored, choices) : state.refresh(stored, choices);
}

SearchResult WorkspaceAnalyses::positionSearch(EngineKind kind, const PositionSearchRequest& request) {
    return m_state.engine(kind).positionSearch(request);
}

SearchResult WorkspaceAnalyses::partialSearch(EngineKind kind, const PartialSearchRequest& request,
                                              const Progress& progress) {
    return m_state.engine(kind).partialSearch(request, progress);
}

GroupRun WorkspaceAnalyses::groupCalculation(EngineKind kind, const GroupRequest& request, const Progress& progress) {
    // A request that makes no group would only empty YL: the results stored stay.
    if (const Message why = noGroupReason(request); !why.empty())
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "%1; the stored results were kept"), why));
    // A failed write of the last calculation is told before this one replaces the rows it left in the store.
    finishGroupResults();
    if (kind == EngineKind::Sql) {
        // The reference engine makes its rows through the store's statements: they are stored when it returns.
        GroupResult result = m_state.engine(kind).groupCalculation(request, progress);
        return {std::make_shared<const GroupRows>(std::move(result.rows))};
    }
    // makeEngine gives the memory engine for EngineKind::Memory. A cancelled calculation throws before any write.
    GroupResult result = static_cast<MemoryEngine&>(m_state.engine(kind)).calculateGroups(request, progress);
    auto rows = std::make_shared<const GroupRows>(std::move(result.rows));
    m_state.groupWriter().start(rows, countingRules(request));
    return {std::move(rows)};
}

void WorkspaceAnalyses::helpStoreGroupResults() { m_state.groupWriter().makeAhead(); }

bool WorkspaceAnalyses::groupResultsWriting() const { return m_state.groupWriter().writing(); }

void WorkspaceAnalyses::finishGroupResults(const Progress& progress) {
    if (auto failure = m_state.groupWriter().wait(progress)) throw *failure;
}

OmissionTable WorkspaceAnalyses::omissionTable(const ValuesRequest& request) {
    // makeEngine gives the memory engine for EngineKind::Memory.
    return static_cast<MemoryEngine&>(m_state.engine(EngineKind::Memory)).omissionTable(request);
}

Trend WorkspaceAnalyses::trend(const ValuesRequest& request) {
    return static_cast<MemoryEngine&>(m_state.engine(EngineKind::Memory)).trend(request);
}

BacktestResult WorkspaceAnalyses::backtest(BacktestRequest request, const Progress& progress) {
    request.groups.bases = m_state.bases();
    return static_cast<MemoryEngine&>(m_state.engine(EngineKind::Memory)).backtest(request, progress);
}

std::vector<GroupRow> WorkspaceAnalyses::groupResults(GroupSort sort) {
    finishGroupResults();
    return GroupResultTable(m_state.store()).read(sort);
}

std::vector<GroupRow> WorkspaceAnalyses::groupResults() {
    finishGroupResults();
    return GroupResultTable(m_state.store()).readAsStored();
}

std::optional<SearchResult> WorkspaceAnalyses::groupHitsSearch(EngineKind kind, const GroupRequest& request,
                                                               const std::string& content) {
    auto search = groupHitsRequest(request, content);
    if (!search) return std::nullopt;
    return positionSearch(kind, *search);
}

std::pair<std::filesystem::path, std::size_t>
WorkspaceAnalyses::exportGroupResultWorkbook(const std::optional<std::filesystem::path>& target,
                                             const Message::Translate& translate) {
    WorkbookContent content{
        WorkbookView::Grid, groupResultGrid(groupResults(GroupSort::Last)), {}, {groupResultRules()}};
    std::filesystem::path file = exportWorkbook(content, kResultWorkbookName, target, translate);
    return {file, content.grid.size() - 1};
}

Message WorkspaceAnalyses::groupResultRules() {
    finishGroupResults();
    if (std::optional<std::string> stored = GroupResultTable(m_state.store()).rules())
        return Message::verbatim(std::move(*stored));
    return Message::core(QT_TRANSLATE_NOOP("Core", "The counting rules of these rows were not recorded: no group "
                                                   "calculation of this program stored them."));
}

std::filesystem::path WorkspaceAnalyses::checkExportTarget(const std::string& defaultName,
                                                           const std::optional<std::filesystem::path>& target) const {
    return m_state.exportTarget(defaultName, target);
}

std::filesystem::path WorkspaceAnalyses::exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                                            const std::optional<std::filesystem::path>& target) {
    std::filesystem::path file = m_state.exportTarget(defaultName, target);
    writeWorkbook(file, grid);
    return file;
}

std::filesystem::path WorkspaceAnalyses::exportWorkbook(const WorkbookContent& content, const std::string& defaultName,
                                                        const std::optional<std::filesystem::path>& target,
                                                        const Message::Translate& translate) {
    std::filesystem::path file = m_state.exportTarget(defaultName, target);
    writeWorkbook(file, content, translate);
    return file;
}

} // namespace quorvel
