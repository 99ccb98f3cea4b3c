// SPDX-License-Identifier: MIT
#include "app/Workspace.h"

#include "app/GroupResultWriter.h"
#include "app/WorkspaceState.h"
#include "store/HistoryStore.h"

namespace quorvel {

Workspace::Workspace(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock)
    : m_state(std::make_unique<WorkspaceState>(std::move(dataFolder), settingsStore, clock)), m_history(*m_state),
      m_maintenance(*m_state, m_history), m_analyses(*m_state) {}

Workspace::~Workspace() = default;

const std::filesystem::path& Workspace::dataFolder() const { return m_state->dataFolder(); }

const std::filesystem::path& Workspace::storeFile() const { return m_state->storeFile(); }

const std::optional<std::filesystem::path>& Workspace::logSetAside() const { return m_state->logSetAside(); }

const std::optional<Message>& Workspace::storeIdentityNote() const { return m_state->store().identityNote(); }

Settings& Workspace::settings() { return m_state->settings(); }

const Clock& Workspace::clock() const { return m_state->clock(); }

ParameterBases Workspace::bases() const { return m_state->bases(); }

void Workspace::overrideBases(const ParameterBases& bases) { m_state->overrideBases(bases); }

std::optional<BasesMismatch> Workspace::storedBasesMismatch() const {
    // The window asks with every status line, also right after a group calculation while its rows are being
    // written: then the record read last time holds (every change waits for the write, and the write holds the
    // store's write lock against other programs' changes), and the window need not wait.
    if (!m_state->groupWriter().writing() || !m_storedBases) {
        const HistoryStore& settled = m_state->store();
        m_storedBases = StoredBases{settled.derivedBases(), settled.count() == 0};
    }
    const ParameterBases settings = m_state->settings().bases();
    return basesMismatch(m_storedBases->derived.value_or(settings), settings, m_storedBases->empty);
}

} // namespace quorvel
