// SPDX-License-Identifier: MIT
// The history facet's online update: the plan of the pages to load, and the new draws of the loaded pages stored.
#include "app/WorkspaceHistory.h"

#include "app/WorkspaceState.h"
#include "ingest/PageDraws.h"
#include "ingest/ResultsPage.h"
#include "maintain/HistoryBackup.h"
#include "model/Error.h"
#include "store/HistoryStore.h"
#include "store/Savepoint.h"

#include <algorithm>

namespace quorvel {

UpdatePlan WorkspaceHistory::planUpdate(std::optional<int> yearsToKeep, std::optional<int> currentYear) const {
    auto first = m_state.store().first();
    auto latest = m_state.store().latest();
    return quorvel::planUpdate(first ? std::optional<int>(first->issue) : std::nullopt,
                               latest ? std::optional<int>(latest->issue) : std::nullopt,
                               currentYear.value_or(m_state.clock().currentYear()),
                               yearsToKeep.value_or(m_state.settings().integer(Setting::IniSerchDay)));
}

UpdateResult WorkspaceHistory::applyUpdate(const UpdatePlan& plan, const std::vector<YearPage>& pages) {
    UpdateResult result = storePages(plan, pages);
    if (!result.nothingRead()) m_state.changed(HistoryChange::Updated);
    return result;
}

UpdateResult WorkspaceHistory::storePages(const UpdatePlan& plan, const std::vector<YearPage>& pages) {
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
    const ParameterBases current = m_state.bases();
    try {
        Savepoint transaction(m_state.store());
        m_state.requireRunBasesMatchStore();
        // The store may have changed since the plan was made (another program shares it): clear only a
        // history that is still too old, and append only draws after the latest stored one.
        auto first = m_state.store().first();
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
            result.backup = backupHistory(m_state.store(), m_state.dataFolder());
            m_state.store().deleteAll();
            result.cleared = true;
        } else if (auto latest = m_state.store().latest()) {
            std::erase_if(draws, [&](const Draw& draw) { return draw.issue <= latest->issue; });
        }
        std::vector<DrawRecord> records;
        records.reserve(draws.size());
        for (const Draw& draw : draws) {
            records.push_back(deriveRecord(draw, current));
            for (YearCount& year : result.years)
                if (year.year == draw.issue / 1000) ++year.appended;
        }
        const bool everyRow = m_state.store().count() == 0;
        m_state.store().append(records);
        if (everyRow) m_state.store().recordDerivedBases(current);
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "the update")),
                       Message::core(QT_TRANSLATE_NOOP("Core", "; the history was left unchanged")));
    }
    result.appended = static_cast<int>(draws.size());
    return result;
}

} // namespace quorvel
