// SPDX-License-Identifier: MIT
#include "app/WorkspaceMaintenance.h"

#include "app/WorkspaceState.h"
#include "maintain/HistoryBackup.h"
#include "maintain/HistoryMaintenance.h"
#include "maintain/TextExport.h"
#include "maintain/WorkbookExport.h"
#include "model/Error.h"
#include "store/HistoryStore.h"

namespace quorvel {

HistoryMaintenance WorkspaceMaintenance::operations() {
    return HistoryMaintenance(m_state.store(), m_state.dataFolder(), m_state.bases());
}

MaintenanceResult WorkspaceMaintenance::told(MaintenanceResult result, HistoryChange change) {
    m_state.changed(change);
    return result;
}

MaintenanceResult WorkspaceMaintenance::deleteLatestDraw() { return told(operations().deleteLatestDraw()); }

MaintenanceResult WorkspaceMaintenance::deleteLatestDraws(int count) {
    m_state.requireRunBasesMatchStore();
    return told(operations().deleteLatestDraws(count));
}

MaintenanceResult WorkspaceMaintenance::keepUntil(int lastIssue) {
    m_state.requireRunBasesMatchStore();
    return told(operations().keepUntil(lastIssue));
}

MaintenanceResult WorkspaceMaintenance::rebuildHistory() {
    m_state.requireRunBasesMatchStore();
    return told(operations().rebuildAll());
}

MaintenanceResult WorkspaceMaintenance::clearHistory() { return told(operations().clear(), HistoryChange::Cleared); }

MaintenanceResult WorkspaceMaintenance::compactStore() { return operations().compact(); }

std::filesystem::path WorkspaceMaintenance::safetyCopyFolder() const {
    return m_state.dataFolder() / kBackupFolderName;
}

std::vector<std::filesystem::path> WorkspaceMaintenance::safetyCopies() const {
    return listBackups(m_state.dataFolder());
}

ImportResult WorkspaceMaintenance::restoreSafetyCopy(const std::filesystem::path& copy) {
    return m_history.importHistoryFile(copy);
}

std::filesystem::path WorkspaceMaintenance::exportHistoryText(const std::optional<std::filesystem::path>& target) {
    return quorvel::exportHistoryText(m_state.store(), m_state.dataFolder(), target);
}

std::filesystem::path WorkspaceMaintenance::exportHistoryWorkbook(const std::optional<std::filesystem::path>& target,
                                                                  const Message::Translate& translate) {
    std::vector<DrawRecord> records = m_state.store().readAll();
    if (records.empty())
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the history is empty: there is nothing to export; import "
                                                            "or add draws first")));
    const Messages rules{
        Message::core(QT_TRANSLATE_NOOP("Core", "Draws: issues %1 to %2, %3 in all."), records.front().issue,
                      records.back().issue, records.size()),
        Message::core(QT_TRANSLATE_NOOP("Core", "Each row is one stored draw: its issue, then the six regular numbers "
                                                "in the order they were drawn and the special number last."))};
    std::filesystem::path file = m_state.exportTarget(kHistoryWorkbookName, target);
    writeWorkbook(file, {WorkbookView::Grid, historyGrid(records), {}, rules}, translate);
    return file;
}

} // namespace quorvel
