// SPDX-License-Identifier: MIT
#include "cli/CliContext.h"

#include "platform/DataFolder.h"
#include "platform/QtSettingsStore.h"

#include <charconv>

namespace quorvel {

int parseDecimalArgument(const std::string& text, const std::string& what) {
    int value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (begin != end && *begin == '+') ++begin;
    auto [stop, ec] = std::from_chars(begin, end, value);
    if (text.empty() || ec != std::errc() || stop != end)
        throw UsageError(what + " must be a whole number, not '" + text + "'");
    return value;
}

CliContext::CliContext(std::ostream& out, std::ostream& err, const Clock& clock) : out(out), err(err), m_clock(clock) {}

CliContext::~CliContext() = default;

Workspace& CliContext::workspace() {
    if (!m_workspace) {
        auto folder = resolveDataFolder(options.dataDir);
        m_settingsStore = std::make_unique<QtSettingsStore>(folder);
        m_workspace = std::make_unique<Workspace>(folder, *m_settingsStore, m_clock);
        ParameterBases bases = m_workspace->bases();
        if (options.zodiacBase || options.segmentBase || options.colourBase) {
            bases.zodiac = options.zodiacBase.value_or(bases.zodiac);
            bases.segment = options.segmentBase.value_or(bases.segment);
            bases.colour = options.colourBase.value_or(bases.colour);
            m_workspace->overrideBases(bases);
        }
    }
    return *m_workspace;
}

void CliContext::print(const nlohmann::ordered_json& json, const std::function<void(std::ostream&)>& text) {
    if (options.json)
        out << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    else
        text(out);
}

} // namespace quorvel
