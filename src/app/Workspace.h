// SPDX-License-Identifier: MIT
#pragma once

#include "app/Clock.h"
#include "app/WorkspaceAnalyses.h"
#include "app/WorkspaceHistory.h"
#include "app/WorkspaceMaintenance.h"
#include "app/history/DerivedBasesCheck.h"
#include "app/settings/Settings.h"
#include "model/ParameterBases.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace quorvel {

class WorkspaceState;

// The core's front door for one data folder: the store, the settings and the operations on the history.
// The window and the command line each hold one. Its operations come in facets: history() (what the history
// holds, the changes that bring draws in, the notices of every change), maintenance() (removing draws, deriving
// them again, safety copies, the exports of the history) and analyses() (the searches, the group calculation and
// its results, the table, the trend, the backtest and their workbooks).
class Workspace {
  public:
    static constexpr const char* kStoreFileName = "quorvel.db";

    Workspace(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock);
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    WorkspaceHistory& history() { return m_history; }
    const WorkspaceHistory& history() const { return m_history; }
    WorkspaceMaintenance& maintenance() { return m_maintenance; }
    WorkspaceAnalyses& analyses() { return m_analyses; }
    const WorkspaceAnalyses& analyses() const { return m_analyses; }

    const std::filesystem::path& dataFolder() const;
    // The store file (quorvel.db in the data folder).
    const std::filesystem::path& storeFile() const;
    // Set when a write-ahead log beside the store file belonged to another store: it was set aside under this
    // name before anything was read. The front end must say so.
    const std::optional<std::filesystem::path>& logSetAside() const;
    // Set when the store file's header carries another user version than the store's identity (another program
    // set it); the store is used as it is. The front end says so.
    const std::optional<Message>& storeIdentityNote() const;
    Settings& settings();
    const Clock& clock() const;

    // The parameter bases in force: the settings, unless overridden for this session (never saved).
    // Every change that derives rows refuses overridden bases that differ from the stored draws' bases.
    ParameterBases bases() const;
    void overrideBases(const ParameterBases& bases);

    // Set while the stored draws were derived with other bases than the settings' (a base changed and the
    // draws not derived again): their zodiac, segment or colour codes read wrong until
    // maintenance().rebuildHistory().
    std::optional<BasesMismatch> storedBasesMismatch() const;

  private:
    std::unique_ptr<WorkspaceState> m_state;
    WorkspaceHistory m_history;
    WorkspaceMaintenance m_maintenance;
    WorkspaceAnalyses m_analyses;
    // The bases record of the stored draws as storedBasesMismatch() read it last, and whether there were none.
    struct StoredBases {
        std::optional<ParameterBases> derived;
        bool empty = true;
    };
    mutable std::optional<StoredBases> m_storedBases;
};

} // namespace quorvel
