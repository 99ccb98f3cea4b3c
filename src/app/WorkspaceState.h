// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/EngineKind.h"
#include "app/Clock.h"
#include "app/history/HistoryChange.h"
#include "app/settings/Settings.h"
#include "model/ParameterBases.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace quorvel {

class GroupResultWriter;
class HistoryStore;
class OmissionEngine;

// What the facets of one Workspace share: the data folder, the store, the settings, the clock, the bases in
// force, the engines, the writer of the group results and the subscribers to the changes of the history.
class WorkspaceState {
  public:
    WorkspaceState(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock);
    ~WorkspaceState();
    WorkspaceState(const WorkspaceState&) = delete;
    WorkspaceState& operator=(const WorkspaceState&) = delete;

    const std::filesystem::path& dataFolder() const { return m_dataFolder; }
    // The store file, named without waiting for the group results being written.
    const std::filesystem::path& storeFile() const;
    const std::optional<std::filesystem::path>& logSetAside() const;
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    const Clock& clock() const { return m_clock; }

    // The parameter bases in force: the settings, unless overridden for this session (never saved).
    ParameterBases bases() const { return m_basesOverride ? *m_basesOverride : m_settings.bases(); }
    void overrideBases(const ParameterBases& bases) { m_basesOverride = bases; }
    // Refuses a change that derives rows with bases given for this run only that differ from the bases the
    // stored draws were derived with (an empty history matches any bases).
    void requireRunBasesMatchStore() const;

    // The store, once the group results being written are stored: every use of the store goes through it, so that
    // nothing else reaches the store's connection while the writer's transaction is open.
    HistoryStore& store() const;
    // The engine of a kind, made on first use and kept: the memory engine loads the history once and
    // again only after it changed.
    OmissionEngine& engine(EngineKind kind);
    // Stores the rows of the group calculations in YL on a thread of its own.
    GroupResultWriter& groupWriter() const { return *m_groupWriter; }

    // Subscribers hear of every change of the history (Workspace's history facet says when).
    [[nodiscard]] HistorySubscription subscribe(HistorySubscriber subscriber);
    // Tells the subscribers of a change made through this workspace.
    void changed(HistoryChange change);
    // Tells them of a change another program made to the draws, when the store moved since they last heard and
    // its draws or their bases differ from those they heard of; a write of other data is only returned.
    ChangeElsewhere noticeChangesElsewhere();

    // The file an export writes: the target, or the default name in the data folder; refuses a target that would
    // replace the store, its log, the settings or a safety copy, and one that is not a regular file.
    std::filesystem::path exportTarget(const std::string& defaultName,
                                       const std::optional<std::filesystem::path>& target) const;

  private:
    std::filesystem::path m_dataFolder;
    std::unique_ptr<HistoryStore> m_store;
    Settings m_settings;
    const Clock& m_clock;
    std::optional<ParameterBases> m_basesOverride;
    std::unique_ptr<OmissionEngine> m_sqlEngine;
    std::unique_ptr<OmissionEngine> m_memoryEngine;
    std::shared_ptr<HistorySubscribers> m_subscribers = std::make_shared<HistorySubscribers>();
    std::uint64_t m_toldVersion = 0; // the history version the subscribers last heard of
    std::uint64_t m_toldDraws = 0;   // the fingerprint of the draws and their bases they last heard of
    // Declared last: destroyed first, it waits for a write still running while the store is open.
    std::unique_ptr<GroupResultWriter> m_groupWriter;
};

} // namespace quorvel
