// SPDX-License-Identifier: MIT
#include "app/WorkspaceState.h"

#include "analysis/OmissionEngine.h"
#include "app/GroupResultWriter.h"
#include "app/Workspace.h"
#include "app/history/DerivedBasesCheck.h"
#include "maintain/ExportTarget.h"
#include "maintain/HistoryBackup.h"
#include "model/Error.h"
#include "model/PathText.h"
#include "model/SystemError.h"
#include "store/HistoryStore.h"

namespace quorvel {

namespace {

std::filesystem::path prepareFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot create the data folder %1: %2"), pathText(folder),
                                  systemError(ec)));
    return folder;
}

// Opens the store; a damaged file is left alone, and the refusal says how to get the history back.
std::unique_ptr<HistoryStore> openStore(const std::filesystem::path& dataFolder) {
    try {
        return std::make_unique<HistoryStore>(dataFolder / Workspace::kStoreFileName);
    } catch (const StoreDamaged& e) {
        throw StoreDamaged(damagedStoreAdvice(e.message(), dataFolder, dataFolder / Workspace::kStoreFileName),
                           e.file(), e.detail());
    }
}

// The draws in issue order and the bases they were derived with, folded into one number (FNV-1a): what another
// program must have changed for the window to read the history again.
std::uint64_t drawsFingerprint(const HistoryStore& store) {
    std::uint64_t hash = 14695981039346656037ULL;
    auto fold = [&hash](int value) {
        hash ^= static_cast<std::uint64_t>(static_cast<std::uint32_t>(value));
        hash *= 1099511628211ULL;
    };
    for (const Draw& draw : store.draws()) {
        fold(draw.issue);
        for (int number : draw.numbers)
            fold(number);
    }
    const auto bases = store.derivedBases();
    fold(bases ? 1 : 0);
    if (bases) {
        fold(bases->zodiac);
        fold(bases->segment);
        fold(bases->colour);
    }
    return hash;
}

} // namespace

WorkspaceState::WorkspaceState(std::filesystem::path dataFolder, SettingsStore& settingsStore, const Clock& clock)
    : m_dataFolder(prepareFolder(dataFolder)), m_store(openStore(m_dataFolder)), m_settings(settingsStore),
      m_clock(clock), m_groupWriter(std::make_unique<GroupResultWriter>(*m_store)) {
    // A store that never recorded its bases (new, or made before they were recorded) holds rows derived with
    // the settings in force until now. Another program's long write may keep the record for the next opening.
    if (!store().derivedBases()) {
        try {
            store().recordDerivedBases(m_settings.bases());
        } catch (const StoreError&) {
        }
    }
}

WorkspaceState::~WorkspaceState() = default;

const std::filesystem::path& WorkspaceState::storeFile() const { return m_store->file(); }

const std::optional<std::filesystem::path>& WorkspaceState::logSetAside() const { return m_store->logSetAside(); }

void WorkspaceState::requireRunBasesMatchStore() const {
    if (!m_basesOverride || store().count() == 0) return;
    const ParameterBases settings = m_settings.bases();
    const ParameterBases stored = store().derivedBases().value_or(settings);
    if (stored != *m_basesOverride) throw RunBasesRefused(runBasesRefusal(stored, *m_basesOverride, settings));
}

HistoryStore& WorkspaceState::store() const {
    m_groupWriter->settle();
    return *m_store;
}

OmissionEngine& WorkspaceState::engine(EngineKind kind) {
    std::unique_ptr<OmissionEngine>& engine = kind == EngineKind::Sql ? m_sqlEngine : m_memoryEngine;
    // The engines use the store while they run: not before the group results being written are stored.
    HistoryStore& settled = store();
    if (!engine) engine = makeEngine(kind, settled);
    return *engine;
}

HistorySubscription WorkspaceState::subscribe(HistorySubscriber subscriber) {
    if (m_subscribers->empty()) {
        try {
            m_toldVersion = store().historyVersion();
            m_toldDraws = drawsFingerprint(store());
        } catch (const StoreError&) {
            // Asked again at the next notice.
        }
    }
    return HistorySubscription(m_subscribers, m_subscribers->add(std::move(subscriber)));
}

void WorkspaceState::changed(HistoryChange change) {
    try {
        m_toldVersion = store().historyVersion();
        m_toldDraws = drawsFingerprint(store());
    } catch (const StoreError&) {
        // The change is told anyway; the version is asked again at the next notice.
    }
    m_subscribers->tell(change);
}

ChangeElsewhere WorkspaceState::noticeChangesElsewhere() {
    // Asking the store would have to wait for the group results being written; the next notice asks.
    if (m_groupWriter->writing()) return ChangeElsewhere::None;
    std::uint64_t version = 0;
    std::uint64_t draws = 0;
    try {
        version = store().historyVersion();
        if (version == m_toldVersion) return ChangeElsewhere::None;
        draws = drawsFingerprint(store());
    } catch (const StoreError&) {
        return ChangeElsewhere::None; // busy or gone for a moment; asked again at the next notice
    }
    // The store moved, but the draws did not: another program stored its results (quorvel-cli group, search).
    if (draws == m_toldDraws) {
        m_toldVersion = version;
        return ChangeElsewhere::StoredResults;
    }
    changed(HistoryChange::Elsewhere);
    return ChangeElsewhere::History;
}

std::filesystem::path WorkspaceState::exportTarget(const std::string& defaultName,
                                                   const std::optional<std::filesystem::path>& target) const {
    std::filesystem::path file = target ? *target : m_dataFolder / textPath(defaultName);
    requireExportTarget(file, m_dataFolder, m_store->file());
    return file;
}

} // namespace quorvel
