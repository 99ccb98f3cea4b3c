// SPDX-License-Identifier: MIT
#pragma once

#include "maintain/HistoryRebuild.h"
#include "maintain/MaintenanceResult.h"
#include "model/ParameterBases.h"
#include "store/HistoryStore.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// Shortening, clearing and compacting the history of one store. Every change runs in one transaction:
// it completes, or it raises Error and leaves the history exactly as it was. IDX stays 1..n. Before a change
// removes draws, the history as it was is written to the backup folder (HistoryBackup.h).
class HistoryMaintenance {
  public:
    // The bases are those in force; the rebuilds derive every kept row with them.
    HistoryMaintenance(HistoryStore& store, std::filesystem::path dataFolder, ParameterBases bases,
                       RowDeriver derive = deriveInIssueYear);

    std::filesystem::path backupFile() const { return m_dataFolder / kBackupFileName; }

    // Deletes the latest draw (the last in issue order), then compacts the store. The other rows are kept
    // as stored. Refuses an empty history.
    MaintenanceResult deleteLatestDraw();

    // Keeps all but the latest `count` draws: writes them to lsbf.txt, rebuilds the history from it and
    // compacts the store. Refuses a count below 1, a count of at least the number of draws (that is clear())
    // and an empty history.
    MaintenanceResult deleteLatestDraws(int count);

    // Keeps the draws whose issue is not after lastIssue (that draw included) the same way, rebuilding
    // every kept row. Refuses an issue that is not seven digits, one below the first draw's (it would keep
    // nothing: clear() does that) and an empty history. When no draw is after it, every row is derived again
    // and no safety copy is written.
    MaintenanceResult keepUntil(int lastIssue);

    // Keeps every draw and derives every row again with the bases (the numbers untouched), the same way
    // through lsbf.txt, then compacts the store. Refuses an empty history.
    MaintenanceResult rebuildAll();

    // Deletes every draw. The store file is not compacted.
    MaintenanceResult clear();

    // Compacts the store file; the history is unchanged. Raises Error when compaction fails.
    MaintenanceResult compact();

  private:
    // How many of the oldest draws (the rows in issue order) to keep.
    using KeepCount = std::function<std::size_t(const std::vector<DrawRecord>&)>;

    // `what` names the change in the refusal of an empty history, `operation` in a failure of the store; a
    // copy is written when draws are removed, or always when the point is to derive every row again.
    MaintenanceResult keepOldest(const KeepCount& keepCount, const char* what = QT_TRANSLATE_NOOP("Core", "delete"),
                                 const char* operation = QT_TRANSLATE_NOOP("Core", "shortening the history"),
                                 bool derivesAgain = false);
    MaintenanceResult compactAfterChange(const std::optional<std::filesystem::path>& backup);
    void requireDraws(const char* what) const;

    HistoryStore& m_store;
    std::filesystem::path m_dataFolder;
    ParameterBases m_bases;
    RowDeriver m_derive;
};

} // namespace quorvel
