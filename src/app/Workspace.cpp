// SPDX-License-Identifier: MIT
#include "app/Workspace.h"

#include "analysis/CountingRules.h"
#include "analysis/GroupHits.h"
#include "analysis/GroupResultTable.h"
#include "analysis/MemoryEngine.h"
#include "analysis/ResultGrids.h"
#include "app/GroupResultWriter.h"
#include "app/choices/PositionSearchState.h"
#include "app/history/UpdateMessages.h"
#include "ingest/ResultsPage.h"
#include "maintain/ExportTarget.h"
#include "maintain/HistoryBackup.h"
#include "maintain/HistoryMaintenance.h"
#include "maintain/TextExport.h"
#include "maintain/WorkbookExport.h"
#include "model/AttributeKind.h"
#include "model/DrawRecord.h"
#include "model/Error.h"
#include "store/HistoryStore.h"
#include "store/Savepoint.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace quorvel {

namespace {

std::filesystem::path prepareFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot create the data folder %1: %2"), folder.string(),
                                  ec.message()));
    return folder;
}

// Opens the store; a damaged file is left alone, and the refusal says how to get the history back.
std::unique_ptr<HistoryStore> openStore(const std::filesystem::path& dataFolder) {
    try {
        return std::make_unique<HistoryStore>(dataFolder / Workspace::kStoreFileName);
    } catch (const StoreDamaged& e) {
        throw StoreDamaged(damagedStoreAdvice(e.message(), dataFolder, dataFolder / Workspace::kStoreFileName),
                           e.file(), e.detail());
    }
}

// Why a file gave no draw, with the first reasons its lines were skipped.
Message noUsableDraw(const std::filesystem::path& file, const HistoryText& text) {
    if (text.skipped.empty())
        return Message::core(QT_TRANSLATE_NOOP("Core", "%1 holds no usable draw (it is empty or holds only blank "
                                                       "lines); the history was left unchanged"),
                             file.string());
    // The first three reasons, joined as the language joins clauses ("; " in English).
    std::vector<MessageArgument> reasons;
    std::string joined;
    for (std::size_t i = 0; i < std::min<std::size_t>(3, text.skipped.size()); ++i) {
        reasons.emplace_back(
            Message::core(QT_TRANSLATE_NOOP("Core", "line %1: %2"), text.skipped[i].line, text.skipped[i].reason));
        joined += (i ? "; %" : "%") + std::to_string(i + 1);
    }
    if (text.skipped.size() > 3) joined += "; ...";
    return Message::core(QT_TRANSLATE_NOOP("Core", "%1 holds no usable draw: every line was skipped (%2; %3); the "
                                                   "history was left unchanged"),
                         file.string(), text.skipped.size(), Message({}, joined, reasons));
}

std::string formatNumbers(const Draw& draw) {
    std::string text;
    for (int n : draw.numbers)
        text += (text.empty() ? "" : " ") + twoDigits(n);
    return text;
}

} // namespace

Workspace::Workspace(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock)
    : m_dataFolder(prepareFolder(dataFolder)), m_store(openStore(m_dataFolder)), m_settings(settingsStore),
      m_clock(clock), m_groupWriter(std::make_unique<GroupResultWriter>(*m_store)) {
    // A store that never recorded its bases (new, or made before they were recorded) holds rows derived with
    // the settings in force until now. Another program's long write may keep the record for the next opening.
    if (!store().derivedBases()) {
        try {
            store().recordDerivedBases(m_settings.bases());
        } catch (const StoreError&) {
        }
    }
}

Workspace::~Workspace() = default;

HistorySubscription Workspace::subscribe(HistorySubscriber subscriber) {
    if (m_subscribers->empty()) {
        try {
            m_toldVersion = store().historyVersion();
        } catch (const StoreError&) {
            // Asked again at the next notice.
        }
    }
    return HistorySubscription(m_subscribers, m_subscribers->add(std::move(subscriber)));
}

void Workspace::changed(HistoryChange change) {
    try {
        m_toldVersion = store().historyVersion();
    } catch (const StoreError&) {
        // The change is told anyway; the version is asked again at the next notice.
    }
    m_subscribers->tell(change);
}

bool Workspace::noticeChangesElsewhere() {
    // Asking the store would have to wait for the group results being written; the next notice asks.
    if (m_groupWriter->writing()) return false;
    std::uint64_t version = 0;
    try {
        version = store().historyVersion();
    } catch (const StoreError&) {
        return false; // busy or gone for a moment; asked again at the next notice
    }
    if (version == m_toldVersion) return false;
    changed(HistoryChange::Elsewhere);
    return true;
}

const std::filesystem::path& Workspace::storeFile() const { return m_store->file(); }

const std::optional<std::filesystem::path>& Workspace::logSetAside() const { return m_store->logSetAside(); }
const std::optional<Message>& Workspace::storeIdentityNote() const { return m_store->identityNote(); }

std::uint64_t Workspace::historyVersion() const { return store().historyVersion(); }

int Workspace::drawCount() const { return store().count(); }

std::optional<int> Workspace::firstIssue() const {
    auto first = store().first();
    return first ? std::optional<int>(first->issue) : std::nullopt;
}

std::optional<int> Workspace::latestIssue() const {
    auto latest = store().latest();
    return latest ? std::optional<int>(latest->issue) : std::nullopt;
}

std::vector<DrawRecord> Workspace::records() const { return store().readAll(); }

HistoryListing Workspace::historyListing() const { return HistoryListing(store().draws()); }

std::optional<std::vector<std::pair<std::string, FieldValue>>> Workspace::rowFields(int issue) const {
    return store().rowFields(issue);
}

RefreshOutcome Workspace::refreshSearchState(PositionSearchState& state, const SearchChoices& choices,
                                             SearchRefresh what) const {
    return what == SearchRefresh::Reference ? state.refreshReference(store(), choices)
                                            : state.refresh(store(), choices);
}

ParameterBases Workspace::bases() const { return m_basesOverride ? *m_basesOverride : m_settings.bases(); }

std::optional<BasesMismatch> Workspace::storedBasesMismatch() const {
    // The window asks with every status line, also right after a group calculation while its rows are being
    // written: then the record read last time holds (every change waits for the write, and the write holds the
    // store's write lock against other programs' changes), and the window need not wait.
    if (!m_groupWriter->writing() || !m_storedBases) {
        const HistoryStore& settled = store();
        m_storedBases = StoredBases{settled.derivedBases(), settled.count() == 0};
    }
    const ParameterBases settings = m_settings.bases();
    return basesMismatch(m_storedBases->derived.value_or(settings), settings, m_storedBases->empty);
}

void Workspace::requireRunBasesMatchStore() const {
    if (!m_basesOverride || store().count() == 0) return;
    const ParameterBases settings = m_settings.bases();
    const ParameterBases stored = store().derivedBases().value_or(settings);
    if (stored != *m_basesOverride) throw Error(runBasesRefusal(stored, *m_basesOverride, settings));
}

ImportResult Workspace::importHistoryFile(const std::filesystem::path& file) {
    ImportResult result = importFile(file);
    changed(HistoryChange::Changed);
    return result;
}

ImportResult Workspace::importFile(const std::filesystem::path& file) {
    std::string name = file.filename().string();
    std::string ending = name.size() >= 3 ? name.substr(name.size() - 3) : name;
    for (char& c : ending)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ending != "txt")
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "a history text file's name ends in .txt, not '%1'; the "
                                                            "history was left unchanged"),
                                  name));
    requireRunBasesMatchStore();
    HistoryText text = readHistoryTextFile(file);
    if (text.draws.empty()) throw Error(noUsableDraw(file, text));
    std::vector<DrawRecord> records;
    records.reserve(text.draws.size());
    const ParameterBases current = bases();
    for (const Draw& draw : text.draws)
        records.push_back(deriveRecord(draw, current));
    ImportResult result{static_cast<int>(records.size()), std::move(text.skipped), std::nullopt};
    std::map<int, int> timesStored;
    for (const Draw& draw : text.draws)
        if (++timesStored[draw.issue] == 2) ++result.duplicateIssues;
    try {
        Savepoint transaction(store());
        result.backup = backupHistory(store(), m_dataFolder);
        store().replaceAll(records);
        store().recordDerivedBases(current);
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "the import")));
    }
    return result;
}

int Workspace::nextIssue() const {
    auto latest = store().latest();
    return latest ? latest->issue + 1 : m_clock.currentYear() * 1000 + 1;
}

std::optional<Workspace::LatestDrawsStart> Workspace::startOfLatestDraws(int count) const {
    const int stored = store().count();
    if (stored == 0 || count < 1) return std::nullopt;
    const int draws = std::min(count, stored);
    auto start = store().atIndex(stored - draws + 1);
    if (!start) return std::nullopt;
    return LatestDrawsStart{start->issue, draws};
}

AddResult Workspace::addDraw(std::optional<int> issue, const std::array<int, 7>& numbers) {
    AddResult added = storeDraw(issue, numbers);
    changed(HistoryChange::Changed);
    return added;
}

AddResult Workspace::storeDraw(std::optional<int> issue, const std::array<int, 7>& numbers) {
    std::set<int> seen;
    for (int n : numbers) {
        if (n < 1 || n > 49)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "number %1 is outside 1..49; nothing was added"), n));
        if (!seen.insert(n).second)
            throw Error(
                Message::core(QT_TRANSLATE_NOOP("Core", "number %1 appears twice in the draw; nothing was added"), n));
    }
    try {
        // The next issue is worked out under the write lock, so that two programs adding at once each get
        // their own issue, and one that shortened the history meanwhile is seen.
        Savepoint transaction(store());
        const int stored = issue.value_or(nextIssue());
        // Issues are year * 1000 + sequence: seven digits, which the history text format relies on.
        if (stored < 1000000 || stored > 9999999)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "an issue has seven digits (year and three-digit "
                                                                "sequence, e.g. 2013017), not %1; nothing was added"),
                                      stored));
        if (stored % 1000 == 0)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "issue %1 has the sequence 000; a year's draws count "
                                                                "from 001; nothing was added"),
                                      stored));
        if (auto holder = store().byIssue(stored))
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "issue %1 is already stored: draw %2 in the list holds "
                                                                "it (%3); nothing was added; give another issue, or "
                                                                "delete that draw first"),
                                      stored, holder->idx, formatNumbers(holder->draw())));
        requireRunBasesMatchStore();
        // Into a non-empty history the draw joins rows that keep the bases they were derived with (a base
        // changed since shows as a warning until they are derived again); the first draw sets the record.
        const bool first = store().count() == 0;
        int idx = store().append({deriveRecord(Draw{stored, numbers}, bases())});
        if (first) store().recordDerivedBases(bases());
        transaction.commit();
        return AddResult{stored, idx};
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "adding the draw")));
    }
}

UpdatePlan Workspace::planUpdate(std::optional<int> yearsToKeep, std::optional<int> currentYear) const {
    auto first = store().first();
    auto latest = store().latest();
    UpdatePlan plan = quorvel::planUpdate(first ? std::optional<int>(first->issue) : std::nullopt,
                                          latest ? std::optional<int>(latest->issue) : std::nullopt,
                                          currentYear.value_or(m_clock.currentYear()),
                                          yearsToKeep.value_or(m_settings.integer(Setting::IniSerchDay)));
    if (auto refusal = yearsToKeep ? std::nullopt : clearingOnUnreadSettings(plan, m_settings)) throw Error(*refusal);
    return plan;
}

UpdateResult Workspace::applyUpdate(const UpdatePlan& plan, const std::vector<YearPage>& pages) {
    UpdateResult result = storePages(plan, pages);
    if (!result.nothingRead()) changed(HistoryChange::Updated);
    return result;
}

UpdateResult Workspace::storePages(const UpdatePlan& plan, const std::vector<YearPage>& pages) {
    UpdateResult result;
    result.yearsToKeep = plan.yearsToKeep;
    std::vector<Draw> draws;
    for (const YearPage& page : pages) {
        if (!page.html) {
            result.failed.push_back({page.year, page.failure});
            continue;
        }
        std::optional<TableRows> table = readResultsTable(*page.html);
        if (!table) {
            result.failed.push_back(
                {page.year,
                 exceedsResultsPageLimits(*page.html)
                     ? Message::core(QT_TRANSLATE_NOOP("Core", "the page is larger than a yearly results page can be "
                                                               "(over %1 MB or %2 tags): it was not read"),
                                     kMaxResultsPageBytes / 1024 / 1024, kMaxResultsPageTags)
                     : Message::core(QT_TRANSLATE_NOOP(
                           "Core", "the page holds no table with the id \"main\": not a yearly results page"))});
            continue;
        }
        PageDraws read = drawsOfPage(page.year, *table, plan.lastStoredIssue);
        result.skipped.insert(result.skipped.end(), read.skipped.begin(), read.skipped.end());
        if (read.noUsableRow()) {
            // Before the year's first draw its page lists nothing yet; any other page without a draw failed.
            if (page.year == plan.currentYear && read.skipped.empty())
                result.years.push_back({page.year, 0, true});
            else
                result.failed.push_back(
                    {page.year, Message::core(QT_TRANSLATE_NOOP("Core", "the table \"main\" holds no usable draw (%1 "
                                                                        "rows skipped): not a yearly results page, "
                                                                        "or an empty one"),
                                              read.skipped.size())});
            continue;
        }
        draws.insert(draws.end(), read.draws.begin(), read.draws.end());
        result.years.push_back({page.year, 0});
    }
    if (result.nothingRead()) return result;
    std::stable_sort(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.issue < b.issue; });
    const ParameterBases current = bases();
    try {
        Savepoint transaction(store());
        requireRunBasesMatchStore();
        // The store may have changed since the plan was made (another program shares it): clear only a
        // history that is still too old, and append only draws after the latest stored one.
        auto first = store().first();
        if (plan.clearsHistory && first && plan.currentYear - first->issue / 1000 > plan.yearsToKeep) {
            // Clearing is safe only when every year of the new range gave its draws: the stored draws of a
            // year that failed (or has none yet) would be lost for good. Then nothing changes.
            if (!result.failed.empty() || std::any_of(result.years.begin(), result.years.end(),
                                                      [](const YearCount& year) { return year.noDrawYet; })) {
                for (const YearCount& year : result.years)
                    if (year.noDrawYet)
                        result.failed.push_back(
                            {year.year, Message::core(QT_TRANSLATE_NOOP(
                                            "Core", "no draw yet, so the kept years are not complete"))});
                result.years.clear();
                result.clearWithheld = true;
                return result;
            }
            result.backup = backupHistory(store(), m_dataFolder);
            store().deleteAll();
            result.cleared = true;
        } else if (auto latest = store().latest()) {
            std::erase_if(draws, [&](const Draw& draw) { return draw.issue <= latest->issue; });
        }
        std::vector<DrawRecord> records;
        records.reserve(draws.size());
        for (const Draw& draw : draws) {
            records.push_back(deriveRecord(draw, current));
            for (YearCount& year : result.years)
                if (year.year == draw.issue / 1000) ++year.appended;
        }
        const bool everyRow = store().count() == 0;
        store().append(records);
        if (everyRow) store().recordDerivedBases(current);
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "the update")),
                       Message::core(QT_TRANSLATE_NOOP("Core", "; the history was left unchanged")));
    }
    result.appended = static_cast<int>(draws.size());
    return result;
}

HistoryMaintenance Workspace::maintenance() { return HistoryMaintenance(store(), m_dataFolder, bases()); }

MaintenanceResult Workspace::told(MaintenanceResult result, HistoryChange change) {
    changed(change);
    return result;
}

MaintenanceResult Workspace::deleteLatestDraw() { return told(maintenance().deleteLatestDraw()); }

MaintenanceResult Workspace::deleteLatestDraws(int count) {
    requireRunBasesMatchStore();
    return told(maintenance().deleteLatestDraws(count));
}

MaintenanceResult Workspace::keepUntil(int lastIssue) {
    requireRunBasesMatchStore();
    return told(maintenance().keepUntil(lastIssue));
}

MaintenanceResult Workspace::rebuildHistory() {
    requireRunBasesMatchStore();
    return told(maintenance().rebuildAll());
}

MaintenanceResult Workspace::clearHistory() { return told(maintenance().clear(), HistoryChange::Cleared); }

MaintenanceResult Workspace::compactStore() { return maintenance().compact(); }

std::filesystem::path Workspace::exportHistoryText(const std::optional<std::filesystem::path>& target) {
    return quorvel::exportHistoryText(store(), m_dataFolder, target);
}

ResolvedRange Workspace::resolveRange(const RangeChoice& choice) const {
    return quorvel::resolveRange(store(), choice);
}

SearchResult Workspace::positionSearch(EngineKind kind, const PositionSearchRequest& request) {
    return engine(kind).positionSearch(request);
}

SearchResult Workspace::partialSearch(EngineKind kind, const PartialSearchRequest& request, const Progress& progress) {
    return engine(kind).partialSearch(request, progress);
}

GroupRun Workspace::groupCalculation(EngineKind kind, const GroupRequest& request, const Progress& progress) {
    // A failed write of the last calculation is told before this one replaces the rows it left in the store.
    finishGroupResults();
    if (kind == EngineKind::Sql) {
        // The reference engine makes its rows through the store's statements: they are stored when it returns.
        GroupResult result = engine(kind).groupCalculation(request, progress);
        return {std::make_shared<const GroupRows>(std::move(result.rows)), std::move(result.note)};
    }
    // makeEngine gives the memory engine for EngineKind::Memory. A cancelled calculation throws before any write.
    GroupResult result = static_cast<MemoryEngine&>(engine(kind)).calculateGroups(request, progress);
    auto rows = std::make_shared<const GroupRows>(std::move(result.rows));
    m_groupWriter->start(rows, countingRules(request));
    return {std::move(rows), std::move(result.note)};
}

bool Workspace::groupResultsWriting() const { return m_groupWriter->writing(); }

void Workspace::finishGroupResults(const Progress& progress) {
    if (auto failure = m_groupWriter->wait(progress)) throw *failure;
}

HistoryStore& Workspace::store() const {
    m_groupWriter->settle();
    return *m_store;
}

OmissionTable Workspace::omissionTable(const ValuesRequest& request) {
    // makeEngine gives the memory engine for EngineKind::Memory.
    return static_cast<MemoryEngine&>(engine(EngineKind::Memory)).omissionTable(request);
}

Trend Workspace::trend(const ValuesRequest& request) {
    return static_cast<MemoryEngine&>(engine(EngineKind::Memory)).trend(request);
}

BacktestResult Workspace::backtest(BacktestRequest request, const Progress& progress) {
    request.groups.bases = bases();
    return static_cast<MemoryEngine&>(engine(EngineKind::Memory)).backtest(request, progress);
}

std::vector<GroupRow> Workspace::groupResults(GroupSort sort) {
    finishGroupResults();
    return GroupResultTable(store()).read(sort);
}

std::vector<GroupRow> Workspace::groupResults() {
    finishGroupResults();
    return GroupResultTable(store()).readAsStored();
}

std::optional<SearchResult> Workspace::groupHitsSearch(EngineKind kind, const GroupRequest& request,
                                                       const std::string& content) {
    auto search = groupHitsRequest(request, content);
    if (!search) return std::nullopt;
    return positionSearch(kind, *search);
}

std::pair<std::filesystem::path, std::size_t>
Workspace::exportGroupResultWorkbook(const std::optional<std::filesystem::path>& target) {
    CellGrid grid = groupResultGrid(groupResults(GroupSort::Last));
    std::filesystem::path file = exportGridWorkbook(grid, kResultWorkbookName, target, groupResultRules());
    return {file, grid.size() - 1};
}

std::string Workspace::groupResultRules() {
    finishGroupResults();
    return GroupResultTable(store()).rules().value_or(
        "The counting rules of these rows were not recorded: no group calculation of this program stored them.");
}

std::filesystem::path Workspace::exportHistoryWorkbook(const std::optional<std::filesystem::path>& target) {
    std::vector<DrawRecord> records = store().readAll();
    if (records.empty())
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the history is empty: there is nothing to export; import "
                                                            "or add draws first")));
    return exportGridWorkbook(historyGrid(records), kHistoryWorkbookName, target);
}

std::filesystem::path Workspace::exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                                    const std::optional<std::filesystem::path>& target) {
    std::filesystem::path file = target ? *target : m_dataFolder / defaultName;
    requireExportTarget(file, m_dataFolder, m_store->file());
    writeWorkbook(file, grid);
    return file;
}

std::filesystem::path Workspace::exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                                    const std::optional<std::filesystem::path>& target,
                                                    const std::string& rules) {
    std::filesystem::path file = target ? *target : m_dataFolder / defaultName;
    requireExportTarget(file, m_dataFolder, m_store->file());
    writeWorkbook(file, grid, rules);
    return file;
}

std::filesystem::path Workspace::exportGridWorkbook(const CellGrid& grid, const std::string& defaultName,
                                                    const std::optional<std::filesystem::path>& target,
                                                    const std::string& rules, const std::vector<CellFill>& fills) {
    std::filesystem::path file = target ? *target : m_dataFolder / defaultName;
    requireExportTarget(file, m_dataFolder, m_store->file());
    writeWorkbook(file, grid, rules, fills);
    return file;
}

OmissionEngine& Workspace::engine(EngineKind kind) {
    std::unique_ptr<OmissionEngine>& engine = kind == EngineKind::Sql ? m_sqlEngine : m_memoryEngine;
    // The engines use the store while they run: not before the group results being written are stored.
    HistoryStore& settled = store();
    if (!engine) engine = makeEngine(kind, settled);
    return *engine;
}

} // namespace quorvel
