// SPDX-License-Identifier: MIT
#include "app/Workspace.h"

#include "model/DrawRecord.h"
#include "model/Error.h"

#include <cctype>
#include <set>

namespace quorvel {

namespace {

std::filesystem::path prepareFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) throw Error("cannot create the data folder " + folder.string() + ": " + ec.message());
    return folder;
}

} // namespace

Workspace::Workspace(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock)
    : m_dataFolder(prepareFolder(dataFolder)), m_store(m_dataFolder / kStoreFileName), m_settings(settingsStore),
      m_clock(clock) {}

ParameterBases Workspace::bases() const { return m_basesOverride ? *m_basesOverride : m_settings.bases(); }

ImportResult Workspace::importHistoryFile(const std::filesystem::path& file) {
    std::string name = file.filename().string();
    std::string ending = name.size() >= 3 ? name.substr(name.size() - 3) : name;
    for (char& c : ending)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ending != "txt")
        throw Error("a history text file's name ends in .txt, not '" + name + "'; the history was left unchanged");
    HistoryText text = readHistoryTextFile(file);
    std::vector<DrawRecord> records;
    records.reserve(text.draws.size());
    const ParameterBases current = bases();
    for (const Draw& draw : text.draws)
        records.push_back(deriveRecord(draw, current));
    m_store.replaceAll(records);
    return ImportResult{static_cast<int>(records.size()), std::move(text.skipped)};
}

int Workspace::nextIssue() const {
    auto latest = m_store.latest();
    return latest ? latest->issue + 1 : m_clock.currentYear() * 1000 + 1;
}

AddResult Workspace::addDraw(std::optional<int> issue, const std::array<int, 7>& numbers) {
    int stored = issue.value_or(nextIssue());
    // Issues are year * 1000 + sequence: seven digits, which the history text format relies on.
    if (stored < 1000000 || stored > 9999999)
        throw Error("an issue has seven digits (year and three-digit sequence, e.g. 2013017), not " +
                    std::to_string(stored) + "; nothing was added");
    std::set<int> seen;
    for (int n : numbers) {
        if (n < 1 || n > 49) throw Error("number " + std::to_string(n) + " is outside 1..49; nothing was added");
        if (!seen.insert(n).second)
            throw Error("number " + std::to_string(n) + " appears twice in the draw; nothing was added");
    }
    int idx = m_store.append({deriveRecord(Draw{stored, numbers}, bases())});
    return AddResult{stored, idx};
}

OmissionEngine& Workspace::engine(EngineKind kind) {
    std::unique_ptr<OmissionEngine>& engine = kind == EngineKind::Sql ? m_sqlEngine : m_memoryEngine;
    if (!engine) engine = makeEngine(kind, m_store);
    return *engine;
}

} // namespace quorvel
