// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/EngineKind.h"
#include "analysis/Progress.h"
#include "app/Clock.h"
#include "app/Workspace.h"
#include "model/ValueNames.h"
#include "platform/Catalogue.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel {

class SettingsStore;

// A text of the command line's own, written as QT_TRANSLATE_NOOP("Cli", "..."), with its arguments: rendered in the
// language where it is shown.
template <typename... Arguments> Message cliText(const char* source, const Arguments&... arguments) {
    return Message("Cli", source, {MessageArgument(arguments)...});
}

// A request the command line cannot run as given (exit code 2), said in the language where it is shown.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const Message& message) : std::runtime_error(message.english()), m_message(message) {}
    explicit UsageError(const std::string& text) : UsageError(Message::verbatim(text)) {}
    const Message& message() const { return m_message; }

  private:
    Message m_message;
};

// A whole decimal number ("08" is 8); throws UsageError naming what was expected otherwise.
int parseDecimalArgument(const std::string& text, const MessageArgument& what);

// The boxes of a --boxes list, each a box (1..49) or a run of them ("1..49"), in the order given; throws
// UsageError naming the first that is not one.
std::vector<int> parseBoxesArgument(const std::vector<std::string>& texts);

// The options before (or after) any command.
struct GlobalOptions {
    std::optional<std::string> dataDir;
    std::string engine = "memory";
    std::optional<int> zodiacBase;
    std::optional<int> segmentBase;
    std::optional<int> colourBase;
    bool json = false;
};

// What one run of quorvel-cli shares between its commands: the options, the output streams and the
// workspace, opened on first use.
class CliContext {
  public:
    CliContext(std::ostream& out, std::ostream& err, const Clock& clock, const std::string& language = "en");
    ~CliContext();

    GlobalOptions options;
    // The engine --engine chose.
    EngineKind engine() const;
    std::ostream& out;
    std::ostream& err;
    bool showProgress = false;
    // The messages' language (the environment's in quorvel-cli); --json never uses it.
    Catalogue catalogue;
    // A message of the core, or a text of the CLI's own (context "Cli"), in that language.
    std::string said(const Message& message) const { return catalogue.text(message); }
    std::string said(const Messages& lines) const { return catalogue.text(lines); }
    // The core's captions and values' names in that language, for the text output.
    Wording wording() const;
    // The counting rules of a result in that language, under a heading, one sentence a line.
    std::string saidRules(const Messages& lines) const {
        return said(QT_TRANSLATE_NOOP("Cli", "How these figures were counted:")) + "\n" + said(lines);
    }
    // Renders a template in that language, for the texts a workbook is written with.
    Message::Translate translate() const {
        return [this](const std::string& context, const std::string& text) {
            return catalogue.text(context.c_str(), text.c_str());
        };
    }
    // A text of the CLI's own, written as QT_TRANSLATE_NOOP("Cli", "..."), with its arguments filled.
    template <typename... Arguments> std::string said(const char* source, const Arguments&... arguments) const {
        return catalogue.text(Message("Cli", source, {MessageArgument(arguments)...}));
    }

    // The start of a warning and of a note on err, in the language.
    std::string warning() const { return "quorvel-cli: " + said(QT_TRANSLATE_NOOP("Cli", "warning: ")); }
    std::string note() const { return said(QT_TRANSLATE_NOOP("Cli", "note: ")); }

    // Progress of a long analysis on err, counting `unit` (nothing unless showProgress).
    Progress progress(const Message& unit);

    // Opened on first use; then, unless warnBases is false, a warning is due when the stored draws were derived
    // with other bases than the settings'.
    Workspace& workspace();
    bool warnBases = true;
    // The same warning for a command that needs no store (settings): only when a store exists and opens.
    void warnOfStoredBases();
    // Says the warning on err when one is due, once per run: as the command ends, so that a refusal that names
    // the bases itself (RunBasesRefused) can go without it.
    void tellBasesWarning();
    // The persisted settings; unlike workspace() this does not open the store, so a damaged or busy store
    // does not keep a user from reading or changing them.
    Settings& settings();

    // Prints a result: as JSON with --json, else through the text printer.
    void print(const nlohmann::ordered_json& json, const std::function<void(std::ostream&)>& text);
    // The same for a result whose JSON is built only when it is printed (a large one costs as much to build as the
    // analysis that made it).
    void print(const std::function<nlohmann::ordered_json()>& json, const std::function<void(std::ostream&)>& text);

    // The command chosen on the command line; returns the exit code.
    std::function<int()> action;

  private:
    const Clock& m_clock;
    std::unique_ptr<SettingsStore> m_settingsStore;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Workspace> m_workspace;
    std::optional<Message> m_basesWarning;
};

} // namespace quorvel
