// SPDX-License-Identifier: MIT
#pragma once

#include "app/WorkspaceHistory.h"
#include "app/history/HistoryChange.h"
#include "maintain/MaintenanceResult.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace quorvel {

class HistoryMaintenance;
class WorkspaceState;

// The upkeep of the stored history as Workspace gives it (workspace.maintenance()): removing draws, deriving
// them again, compacting the store, the safety copies and the exports of the history.
class WorkspaceMaintenance {
  public:
    WorkspaceMaintenance(WorkspaceState& state, WorkspaceHistory& history) : m_state(state), m_history(history) {}

    // History maintenance with the bases in force (HistoryMaintenance.h): each change that removes draws
    // saves the history to the backup folder first and names the copy in its result.
    MaintenanceResult deleteLatestDraw();
    MaintenanceResult deleteLatestDraws(int count);
    MaintenanceResult keepUntil(int lastIssue);
    MaintenanceResult clearHistory();
    // Keeps every draw and derives every stored row again with the bases in force, after a safety copy.
    MaintenanceResult rebuildHistory();
    MaintenanceResult compactStore();

    // The folder of the data folder that holds the safety copies of the history (backup).
    std::filesystem::path safetyCopyFolder() const;
    // The safety copies written there, oldest first.
    std::vector<std::filesystem::path> safetyCopies() const;
    // Restores the history from a safety copy (or any history text file): an import of it, which saves the
    // history it replaces first.
    ImportResult restoreSafetyCopy(const std::filesystem::path& copy);

    // The exports below refuse a target that would replace the store, its log, the settings or a safety copy,
    // and one that is not a regular file (ExportTarget.h).
    // Writes the history as a history text file (to the default name in the data folder without a target).
    std::filesystem::path exportHistoryText(const std::optional<std::filesystem::path>& target);
    // Writes the history list to a workbook (lishi.xlsx in the data folder without a target), with a rules sheet
    // rendered by `translate` that says what a row holds; refuses an empty history.
    std::filesystem::path exportHistoryWorkbook(const std::optional<std::filesystem::path>& target,
                                                const Message::Translate& translate);

  private:
    HistoryMaintenance operations();
    MaintenanceResult told(MaintenanceResult result, HistoryChange change = HistoryChange::Changed);

    WorkspaceState& m_state;
    WorkspaceHistory& m_history;
};

} // namespace quorvel
