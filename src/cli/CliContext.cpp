// SPDX-License-Identifier: MIT
#include "cli/CliContext.h"

#include "model/PathText.h"
#include "platform/DataFolder.h"
#include "platform/QtSettingsStore.h"

#include <charconv>
#include <filesystem>
#include <memory>

namespace quorvel {

int parseDecimalArgument(const std::string& text, const MessageArgument& what) {
    int value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') ++begin;
    auto [stop, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || stop != end)
        throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "%1 must be a whole number, not '%2'"), what, text));
    return value;
}

std::vector<int> parseBoxesArgument(const std::vector<std::string>& texts) {
    auto box = [](const std::string& text) {
        const int value = parseDecimalArgument(text, cliText(QT_TRANSLATE_NOOP("Cli", "box %1"), text));
        if (value < 1 || value > 49)
            throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "boxes are numbered 1..49, not %1"), text));
        return value;
    };
    std::vector<int> boxes;
    for (const auto& text : texts) {
        const auto dots = text.find("..");
        if (dots == std::string::npos) {
            boxes.push_back(box(text));
            continue;
        }
        const int first = box(text.substr(0, dots));
        const int last = box(text.substr(dots + 2));
        if (first > last)
            throw UsageError(cliText(
                QT_TRANSLATE_NOOP("Cli", "the boxes %1 run backwards: write the smaller box first, e.g. 1..49"), text));
        for (int value = first; value <= last; ++value)
            boxes.push_back(value);
    }
    return boxes;
}

CliContext::CliContext(std::ostream& out, std::ostream& err, const Clock& clock, const std::string& language)
    : out(out), err(err), catalogue(language), m_clock(clock) {}

CliContext::~CliContext() = default;

Wording CliContext::wording() const {
    Wording wording;
    wording.language = catalogue.language();
    wording.translate = [this](const std::string& context, const std::string& text) {
        return catalogue.text(context.c_str(), text.c_str());
    };
    return wording;
}

EngineKind CliContext::engine() const { return *parseEngineKind(options.engine); }

Settings& CliContext::settings() {
    if (!m_settings) {
        m_settingsStore = std::make_unique<QtSettingsStore>(resolveDataFolder(options.dataDir));
        m_settings = std::make_unique<Settings>(*m_settingsStore);
        if (auto warning = m_settings->readWarning()) err << this->warning() << said(*warning) << "\n";
    }
    return *m_settings;
}

Workspace& CliContext::workspace() {
    if (!m_workspace) {
        settings();
        m_workspace = std::make_unique<Workspace>(resolveDataFolder(options.dataDir), *m_settingsStore, m_clock);
        if (const auto& aside = m_workspace->logSetAside())
            err << warning()
                << said(QT_TRANSLATE_NOOP("Cli", "the write-ahead log beside %1 belonged to another store; it was set "
                                                 "aside as %2 before anything was read, so the history is the store's "
                                                 "own"),
                        pathText(m_workspace->storeFile()), pathText(*aside))
                << "\n";
        if (const auto& note = m_workspace->storeIdentityNote()) err << warning() << said(*note) << "\n";
        ParameterBases bases = m_workspace->bases();
        if (options.zodiacBase || options.segmentBase || options.colourBase) {
            bases.zodiac = options.zodiacBase.value_or(bases.zodiac);
            bases.segment = options.segmentBase.value_or(bases.segment);
            bases.colour = options.colourBase.value_or(bases.colour);
            m_workspace->overrideBases(bases);
        }
        if (warnBases)
            if (auto mismatch = m_workspace->storedBasesMismatch()) m_basesWarning = basesMismatchWarning(*mismatch);
    }
    return *m_workspace;
}

void CliContext::tellBasesWarning() {
    if (m_basesWarning) err << warning() << said(*m_basesWarning) << "\n";
    m_basesWarning.reset();
}

void CliContext::warnOfStoredBases() {
    if (m_workspace) return;
    try {
        if (std::filesystem::exists(resolveDataFolder(options.dataDir) / Workspace::kStoreFileName)) workspace();
    } catch (const std::exception&) {
        // The settings are read and changed without the store: one that cannot be opened is no concern here.
        m_workspace.reset();
    }
}

Progress CliContext::progress(const Message& unit) {
    if (!showProgress) return Progress();
    const std::string counted = said(unit);
    auto shown = std::make_shared<long>(-1);
    return Progress([this, counted, shown](long done, long total) {
        long percent = total > 0 ? done * 100 / total : 100;
        if (percent != *shown) {
            *shown = percent;
            err << "\r" << said(QT_TRANSLATE_NOOP("Cli", "%1% (%2 of %3 %4)"), percent, done, total, counted)
                << std::flush;
        }
        if (done + 1 == total) err << "\r\033[K" << std::flush;
        return true;
    });
}

void CliContext::print(const nlohmann::ordered_json& json, const std::function<void(std::ostream&)>& text) {
    if (options.json)
        out << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    else
        text(out);
}

void CliContext::print(const std::function<nlohmann::ordered_json()>& json,
                       const std::function<void(std::ostream&)>& text) {
    if (options.json)
        print(json(), text);
    else
        text(out);
}

} // namespace quorvel
