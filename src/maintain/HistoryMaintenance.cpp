// SPDX-License-Identifier: MIT
#include "maintain/HistoryMaintenance.h"

#include "maintain/HistoryBackup.h"
#include "maintain/HistoryTextWriter.h"
#include "model/Error.h"
#include "model/PathText.h"
#include "store/Savepoint.h"
#include "store/StoreError.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

std::vector<Draw> drawsOf(const std::vector<DrawRecord>& records, std::size_t count) {
    std::vector<Draw> draws;
    draws.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        draws.push_back(records[i].draw());
    return draws;
}

// The backup must give back exactly the draws written: an issue that is not seven digits long would
// otherwise come back as another issue, or with other numbers.
void requireSameDraws(const std::vector<Draw>& written, const std::vector<Draw>& readBack,
                      const std::filesystem::path& file) {
    if (written == readBack) return;
    auto mismatch = std::mismatch(written.begin(), written.end(), readBack.begin(), readBack.end());
    const Draw& lost = mismatch.first != written.end() ? *mismatch.first : written.back();
    throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "draw %1 does not read back unchanged from %2 (the history "
                                                        "text format needs seven-digit issue numbers); the history "
                                                        "was left unchanged"),
                              lost.issue, pathText(file)));
}

} // namespace

HistoryMaintenance::HistoryMaintenance(HistoryStore& store, std::filesystem::path dataFolder, ParameterBases bases,
                                       RowDeriver derive)
    : m_store(store), m_dataFolder(std::move(dataFolder)), m_bases(bases), m_derive(std::move(derive)) {}

void HistoryMaintenance::requireDraws(const char* what) const {
    if (m_store.count() == 0)
        throw Error(Message::core(
            QT_TRANSLATE_NOOP("Core", "the history is empty: there is nothing to %1; import or add draws first"),
            Message::core(what)));
}

MaintenanceResult HistoryMaintenance::deleteLatestDraw() {
    std::optional<std::filesystem::path> backup;
    std::optional<DrawRecord> removed;
    try {
        Savepoint transaction(m_store);
        requireDraws(QT_TRANSLATE_NOOP("Core", "delete"));
        backup = backupHistory(m_store, m_dataFolder);
        removed = m_store.latest();
        m_store.deleteLatest();
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "deleting the latest draw")));
    }
    MaintenanceResult result = compactAfterChange(backup);
    if (removed) result.removed = removed->draw();
    return result;
}

MaintenanceResult HistoryMaintenance::deleteLatestDraws(int count) {
    if (count < 1)
        throw Error(Message::core(
            QT_TRANSLATE_NOOP("Core", "the number of draws to delete must be at least 1, not %1; nothing was changed"),
            count));
    return keepOldest([count](const std::vector<DrawRecord>& records) {
        auto remove = static_cast<std::size_t>(count);
        if (remove >= records.size())
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "deleting the latest %1 draws would delete all %2 "
                                                                "stored draws and keep none; nothing was changed. "
                                                                "To delete every draw, clear the history instead"),
                                      count, records.size()));
        return records.size() - remove;
    });
}

MaintenanceResult HistoryMaintenance::keepUntil(int lastIssue) {
    if (lastIssue < 1000000 || lastIssue > 9999999)
        throw Error(
            Message::core(QT_TRANSLATE_NOOP("Core", "the issue to keep the history up to has seven digits (year "
                                                    "and sequence, e.g. 2014016), not %1; nothing was changed"),
                          lastIssue));
    return keepOldest([lastIssue](const std::vector<DrawRecord>& records) {
        // The rows are in issue order, so the draws to keep are the ones before the first later issue.
        auto firstLater = std::find_if(records.begin(), records.end(),
                                       [lastIssue](const DrawRecord& r) { return r.issue > lastIssue; });
        if (firstLater == records.begin())
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "no draw is up to %1 (the first is %2), so keeping the "
                                                                "draws up to it would keep none; nothing was changed. "
                                                                "To delete every draw, clear the history instead"),
                                      lastIssue, records.front().issue));
        return static_cast<std::size_t>(firstLater - records.begin());
    });
}

MaintenanceResult HistoryMaintenance::rebuildAll() {
    return keepOldest([](const std::vector<DrawRecord>& records) { return records.size(); },
                      QT_TRANSLATE_NOOP("Core", "derive again"),
                      QT_TRANSLATE_NOOP("Core", "deriving the history again"), true);
}

MaintenanceResult HistoryMaintenance::keepOldest(const KeepCount& keepCount, const char* what, const char* operation,
                                                 bool derivesAgain) {
    const std::filesystem::path backup = backupFile();
    std::optional<std::filesystem::path> safetyCopy;
    try {
        // The rows are read inside the transaction, so nothing written meanwhile can be lost by the rebuild.
        Savepoint transaction(m_store);
        requireDraws(what);
        std::vector<DrawRecord> records = m_store.readAll();
        const std::size_t keep = std::min(keepCount(records), records.size());
        // A change that removes draws, or derives every row again, needs a copy; writing one for every call that
        // keeps them all unchanged would push the copies of real changes out of the backup folder.
        if (keep < records.size() || derivesAgain) safetyCopy = backupHistory(m_store, m_dataFolder);
        std::vector<Draw> kept = drawsOf(records, keep);
        try {
            writeHistoryTextFile(backup, kept);
        } catch (const Error& e) {
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "%1; the history was left unchanged"), e.message()));
        }
        std::vector<Draw> readBack = readBackupFile(backup);
        requireSameDraws(kept, readBack, backup);
        rebuildHistory(m_store, readBack, m_bases, m_derive);
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(operation));
    }
    return compactAfterChange(safetyCopy);
}

MaintenanceResult HistoryMaintenance::clear() {
    std::optional<std::filesystem::path> backup;
    try {
        Savepoint transaction(m_store);
        backup = backupHistory(m_store, m_dataFolder);
        m_store.deleteAll();
        transaction.commit();
    } catch (const StoreError& e) {
        throw e.during(Message::core(QT_TRANSLATE_NOOP("Core", "clearing the history")));
    }
    return MaintenanceResult{m_store.count(), {}, backup, std::nullopt};
}

MaintenanceResult HistoryMaintenance::compact() {
    try {
        m_store.compact();
    } catch (const StoreDamaged& e) {
        throw StoreDamaged(damagedStoreAdvice(e.message(), m_dataFolder, m_store.file()), e.file(), e.detail());
    }
    return MaintenanceResult{m_store.count(), {}, std::nullopt, std::nullopt};
}

MaintenanceResult HistoryMaintenance::compactAfterChange(const std::optional<std::filesystem::path>& backup) {
    MaintenanceResult result{m_store.count(), {}, backup, std::nullopt};
    try {
        m_store.compact();
    } catch (const StoreError& e) {
        result.compactionProblem =
            Message::core(QT_TRANSLATE_NOOP("Core", "the change was saved, but compacting the store file failed: %1; "
                                                    "run the compaction again to reclaim the space"),
                          e.detail());
    }
    return result;
}

} // namespace quorvel
