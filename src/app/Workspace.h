// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/OmissionEngine.h"
#include "app/Clock.h"
#include "app/Settings.h"
#include "ingest/HistoryTextReader.h"
#include "model/Draw.h"
#include "model/ParameterBases.h"
#include "store/HistoryStore.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace quorvel {

// What an import stored and what it left out.
struct ImportResult {
    int imported = 0;
    std::vector<SkippedLine> skipped;
};

// Where a draw added by hand went.
struct AddResult {
    int issue = 0;
    int idx = 0;
};

// The core's front door for one data folder: the store, the settings and the operations on the history.
// The window and the command line each hold one.
class Workspace {
  public:
    static constexpr const char* kStoreFileName = "quorvel.db";

    Workspace(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock);

    const std::filesystem::path& dataFolder() const { return m_dataFolder; }
    HistoryStore& store() { return m_store; }
    Settings& settings() { return m_settings; }
    const Clock& clock() const { return m_clock; }

    // The parameter bases in force: the settings, unless overridden for this session (never saved).
    ParameterBases bases() const;
    void overrideBases(const ParameterBases& bases) { m_basesOverride = bases; }

    // Replaces the history by the draws of a history text file (its name ends in "txt"). The file is read
    // and checked first; when it cannot be read the history stays as it was and Error says why.
    ImportResult importHistoryFile(const std::filesystem::path& file);

    // Adds one draw; without an issue it takes the latest issue + 1, or on an empty history the current
    // year's first issue. Numbers must be 1..49 and distinct.
    AddResult addDraw(std::optional<int> issue, const std::array<int, 7>& numbers);

    // The issue the next draw entered by hand gets.
    int nextIssue() const;

    // The analysis engine of a kind, made on first use and kept: the memory engine loads the history
    // once and again only after it changed.
    OmissionEngine& engine(EngineKind kind);

  private:
    std::filesystem::path m_dataFolder;
    HistoryStore m_store;
    Settings m_settings;
    const Clock& m_clock;
    std::optional<ParameterBases> m_basesOverride;
    std::unique_ptr<OmissionEngine> m_sqlEngine;
    std::unique_ptr<OmissionEngine> m_memoryEngine;
};

} // namespace quorvel
