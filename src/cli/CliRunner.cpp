// SPDX-License-Identifier: MIT
#include "cli/CliRunner.h"

#include "app/history/DerivedBasesCheck.h"
#include "cli/CheckedOutput.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/HelpFormatter.h"
#include "model/Error.h"
#include "model/SystemError.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace quorvel {

namespace {

// Parses the arguments and runs the command chosen; returns the exit code.
int runCommand(const std::vector<std::string>& arguments, CliContext& context) {
    std::ostream& out = context.out;
    std::ostream& err = context.err;
    CLI::App app{QT_TRANSLATE_NOOP("Cli", "quorvel-cli: the Mark Six history and its omission statistics from the "
                                          "command line"),
                 "quorvel-cli"};
    // Before any command is added: each takes the formatter, the failure message and the help flag from here.
    app.formatter(std::make_shared<HelpFormatter>(context.catalogue));
    app.failure_message(
        [&context](const CLI::App*, const CLI::Error& e) { return parseFailureText(e, context.catalogue); });
    app.set_help_flag("-h,--help", QT_TRANSLATE_NOOP("Cli", "Print this help message and exit"));
    app.require_subcommand(1);
    app.fallthrough();
    GlobalOptions& options = context.options;
    app.add_option(
        "--data-dir", options.dataDir,
        QT_TRANSLATE_NOOP("Cli", "Data folder (default: $QUORVEL_DATA_DIR, else the user's app data folder)"));
    app.add_option("--engine", options.engine,
                   QT_TRANSLATE_NOOP("Cli", "Analysis engine: memory (default) or sql (the reference)"))
        ->check(CLI::IsMember({"memory", "sql"}));
    app.add_option("--zodiac-base", options.zodiacBase,
                   QT_TRANSLATE_NOOP("Cli", "First zodiac code for this run (0 or 1)"))
        ->check(CLI::Range(0, 1));
    app.add_option("--segment-base", options.segmentBase,
                   QT_TRANSLATE_NOOP("Cli", "First segment code for this run (0 or 1)"))
        ->check(CLI::Range(0, 1));
    app.add_option("--colour-base", options.colourBase,
                   QT_TRANSLATE_NOOP("Cli", "First colour code for this run (0 or 1)"))
        ->check(CLI::Range(0, 1));
    app.add_flag("--json", options.json,
                 context.said(QT_TRANSLATE_NOOP("Cli", "Print the result as JSON. A group or value never drawn in the "
                                                       "range keeps the stored min 32767 (shown as 未出 in the window "
                                                       "and the workbooks), with \"never_hit\": true beside it")));

    registerHistoryCommands(app, context);
    registerSettingsCommands(app, context);
    registerSearchCommand(app, context);
    registerPartialCommand(app, context);
    registerGroupCommand(app, context);
    registerTableCommand(app, context);
    registerTrendCommand(app, context);
    registerBacktestCommand(app, context);
    registerMaintainCommands(app, context);
    registerUpdateCommands(app, context);
    registerCheckCommand(app, context);
    registerSelectionCommands(app, context);

    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    }
    try {
        const int code = context.action ? context.action() : 0;
        context.tellBasesWarning();
        return code;
    } catch (const UsageError& e) {
        context.tellBasesWarning();
        err << "quorvel-cli: " << context.said(e.message()) << "\n"
            << context.said(QT_TRANSLATE_NOOP("Cli", "Run with --help for usage.")) << "\n";
        return 2;
    } catch (const RunBasesRefused& e) {
        // It names the stored draws' bases and the mend: the warning would say it twice.
        err << "quorvel-cli: " << context.said(e.message()) << "\n";
        return 1;
    } catch (const Error& e) {
        context.tellBasesWarning();
        err << "quorvel-cli: " << context.said(e.message()) << "\n";
        return 1;
    } catch (const std::exception& e) {
        context.tellBasesWarning();
        err << "quorvel-cli: " << e.what() << "\n";
        return 1;
    }
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, const Clock& clock,
           bool showProgress, const std::string& language) {
    CheckedOutput checked(out);
    std::ostream watched(&checked);
    CliContext context(watched, err, clock, language);
    context.showProgress = showProgress;
    const int code = runCommand(arguments, context);
    if (checked.flush()) return code;
    // A reader that has gone (`| head`) wanted no more: nothing to say, as other command-line tools.
    if (checked.closedPipe()) return 1;
    err << "quorvel-cli: "
        << context.said(QT_TRANSLATE_NOOP("Cli", "the output could not be written (%1), so it is incomplete; make "
                                                 "room on the disk, or send it elsewhere, and run the command again"),
                        checked.error() != 0 ? systemError(checked.error()) : Message::verbatim("?"))
        << "\n";
    return 1;
}

} // namespace quorvel
