// SPDX-License-Identifier: MIT
#include "maintain/HistoryRebuild.h"

#include "ingest/HistoryTextReader.h"
#include "model/Error.h"
#include "model/PathText.h"
#include "store/Savepoint.h"
#include "store/StoreError.h"

namespace quorvel {

DrawRecord deriveInIssueYear(const Draw& draw, const ParameterBases& bases) { return deriveRecord(draw, bases); }

std::vector<Draw> readBackupFile(const std::filesystem::path& file) {
    HistoryText text = readHistoryTextFile(file);
    if (!text.skipped.empty()) {
        const SkippedLine& bad = text.skipped.front();
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "line %1 of %2 cannot be read back (%3): '%4'; the "
                                                            "history was left unchanged"),
                                  bad.line, pathText(file), bad.reason, bad.text));
    }
    return std::move(text.draws);
}

void rebuildHistory(HistoryStore& store, const std::vector<Draw>& draws, const ParameterBases& bases,
                    const RowDeriver& derive) {
    try {
        Savepoint transaction(store);
        // Emptied first, as the rows are derived anew from nothing but the draws; the savepoint brings
        // every row back when anything below fails.
        store.deleteAll();
        std::vector<DrawRecord> records;
        records.reserve(draws.size());
        for (const Draw& draw : draws) {
            DrawRecord record = derive(draw, bases);
            if (!records.empty()) record.previousLists = records.back().lists;
            records.push_back(std::move(record));
        }
        store.append(records);
        store.recordDerivedBases(bases);
        transaction.commit();
    } catch (const StoreError& e) {
        throw StoreError(e.kind(), Message::core(QT_TRANSLATE_NOOP("Core", "rebuilding the history")), e.file(),
                         e.detail(),
                         Message::core(QT_TRANSLATE_NOOP("Core", "rebuilding the history failed in the store: %1; the "
                                                                 "history was left unchanged"),
                                       e.detail()));
    }
}

int rebuildFromBackup(HistoryStore& store, const std::filesystem::path& file, const ParameterBases& bases,
                      const RowDeriver& derive) {
    std::vector<Draw> draws = readBackupFile(file);
    rebuildHistory(store, draws, bases, derive);
    return static_cast<int>(draws.size());
}

} // namespace quorvel
