// SPDX-License-Identifier: MIT
// The history facet's online update: the plan of the pages to load, and the new draws of the loaded pages stored.
#include "app/WorkspaceHistory.h"

#include "app/WorkspaceState.h"
#include "app/history/UpdateMessages.h"
#include "ingest/PageDraws.h"
#include "ingest/ResultsPage.h"
#include "maintain/HistoryBackup.h"
#include "maintain/HistoryCheck.h"
#include "model/Error.h"
#include "store/HistoryStore.h"
#include "store/Savepoint.h"

#include <algorithm>
#include <set>

namespace quorvel {

namespace {

// The draws the pages give, in year order, up to the first year that brings new draws and fails: the years after
// it are listed as failed too and give nothing, so that no year is stored while an earlier one is missing. A
// year read only to fill holes of the stored history fails on its own.
std::vector<Draw> readPages(const UpdatePlan& plan, const std::vector<YearPage>& pages, UpdateResult& result) {
    std::vector<Draw> draws;
    std::optional<int> stoppedAt;
    for (const YearPage& page : pages) {
        // A clearing update stores nothing when any year fails; otherwise a year that brings new draws and fails
        // stops the update.
        const bool bringsNew = !plan.clearsHistory && page.year >= plan.lastStoredIssue / 1000;
        if (stoppedAt && bringsNew) {
            result.failed.push_back(
                {page.year, page.html ? Message::core(QT_TRANSLATE_NOOP("Core", "not stored, because %1 failed "
                                                                                "before it: the next update loads it "
                                                                                "in order"),
                                                      *stoppedAt)
                                      : page.failure});
            continue;
        }
        auto fail = [&](Message reason) {
            result.failed.push_back({page.year, std::move(reason)});
            if (bringsNew) stoppedAt = page.year;
        };
        if (!page.html) {
            fail(page.failure);
            continue;
        }
        std::optional<TableRows> table = readResultsTable(*page.html);
        if (!table) {
            fail(exceedsResultsPageLimits(*page.html)
                     ? Message::core(QT_TRANSLATE_NOOP("Core", "the page is larger than a yearly results page can be "
                                                               "(over %1 MB or %2 tags): it was not read"),
                                     kMaxResultsPageBytes / 1024 / 1024, kMaxResultsPageTags)
                     : Message::core(QT_TRANSLATE_NOOP(
                           "Core", "the page holds no table with the id \"main\": not a yearly results page")));
            continue;
        }
        PageDraws read = drawsOfPage(page.year, *table, plan.lastStoredIssue, plan.missingIssues);
        result.skipped.insert(result.skipped.end(), read.skipped.begin(), read.skipped.end());
        if (read.noUsableRow() && !read.stop) {
            // Before the year's first draw its page lists nothing yet; any other page without a draw failed.
            if (page.year == plan.currentYear && read.skipped.empty())
                result.years.push_back({page.year, 0, true});
            else
                fail(Message::core(QT_TRANSLATE_NOOP("Core", "the table \"main\" holds no usable draw (%1 rows "
                                                             "skipped): not a yearly results page, or an empty one"),
                                   read.skipped.size()));
            continue;
        }
        draws.insert(draws.end(), read.draws.begin(), read.draws.end());
        result.years.push_back({page.year, 0});
        if (read.stop)
            fail(Message::core(QT_TRANSLATE_NOOP("Core", "issue %1: %2; the %3 draws after it on the page were not "
                                                         "stored"),
                               read.stop->issue, read.stop->reason, read.heldBack));
    }
    std::stable_sort(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.issue < b.issue; });
    return draws;
}

} // namespace

UpdatePlan WorkspaceHistory::planUpdate(std::optional<int> yearsToKeep, std::optional<int> currentYear) const {
    auto first = m_state.store().first();
    auto latest = m_state.store().latest();
    UpdatePlan plan = quorvel::planUpdate(first ? std::optional<int>(first->issue) : std::nullopt,
                                          latest ? std::optional<int>(latest->issue) : std::nullopt,
                                          currentYear.value_or(m_state.clock().currentYear()),
                                          yearsToKeep.value_or(m_state.settings().integer(Setting::IniSerchDay)),
                                          findHistoryHoles(m_state.store().idxAndIssues()).missing);
    // Years to keep that are only the default because the settings file could not be read never clear.
    if (auto refusal = yearsToKeep ? std::nullopt : clearingOnUnreadSettings(plan, m_state.settings()))
        throw Error(*refusal);
    return plan;
}

UpdateResult WorkspaceHistory::applyUpdate(const UpdatePlan& plan, const std::vector<YearPage>& pages) {
    UpdateResult result = storePages(plan, pages);
    if (!result.nothingRead()) m_state.changed(HistoryChange::Updated);
    return result;
}

UpdateResult WorkspaceHistory::storePages(const UpdatePlan& plan, const std::vector<YearPage>& pages) {
    UpdateResult result;
    result.yearsToKeep = plan.yearsToKeep;
    std::vector<Draw> draws = readPages(plan, pages, result);
    if (result.nothingRead()) return result;
    const ParameterBases current = m_state.bases();
    HistoryStore& store = m_state.store();
    try {
        Savepoint transaction(store);
        m_state.requireRunBasesMatchStore();
        // The store may have changed since the plan was made (another program shares it): clear only a
        // history that is still too old, and append only draws after the latest stored one or in its holes.
        auto first = store.first();
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
            // Draws stored after the site's latest (typed in before the site listed them) stay.
            const int siteLatest = draws.empty() ? 0 : draws.back().issue;
            for (const Draw& stored : store.draws())
                if (stored.issue > siteLatest) {
                    draws.push_back(stored);
                    ++result.keptFromStore;
                }
            result.backup = backupHistory(store, m_state.dataFolder());
            store.deleteAll();
            result.cleared = true;
        } else if (auto latest = store.latest()) {
            std::set<int> stored;
            for (const auto& [idx, issue] : store.idxAndIssues())
                stored.insert(issue);
            std::erase_if(draws, [&](const Draw& draw) {
                return draw.issue <= latest->issue &&
                       (stored.count(draw.issue) > 0 ||
                        !std::binary_search(plan.missingIssues.begin(), plan.missingIssues.end(), draw.issue));
            });
            for (int issue : plan.missingIssues)
                if (stored.count(issue) == 0 &&
                    std::none_of(draws.begin(), draws.end(), [&](const Draw& draw) { return draw.issue == issue; }))
                    result.stillMissing.push_back(issue);
            result.filled = static_cast<int>(std::count_if(
                draws.begin(), draws.end(), [&](const Draw& draw) { return draw.issue < latest->issue; }));
        }
        std::vector<DrawRecord> records;
        records.reserve(draws.size());
        const std::size_t fromSite = draws.size() - static_cast<std::size_t>(result.keptFromStore);
        for (std::size_t i = 0; i < draws.size(); ++i) {
            records.push_back(deriveRecord(draws[i], current));
            for (YearCount& year : result.years)
                if (i < fromSite && year.year == draws[i].issue / 1000) ++year.appended;
        }
        const bool everyRow = store.count() == 0;
        store.append(records);
        if (everyRow) store.recordDerivedBases(current);
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "the update")),
                       Message::core(QT_TRANSLATE_NOOP("Core", "; the history was left unchanged")));
    }
    result.appended = static_cast<int>(draws.size()) - result.keptFromStore;
    return result;
}

} // namespace quorvel
