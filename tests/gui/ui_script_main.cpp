// SPDX-License-Identifier: MIT
// quorvel-ui-script [--data-dir DIR] [--current-year Y] SCRIPT.json: starts the real main window on a data
// folder (with the calendar at year Y when given) and runs a UI script against it, printing one JSON object
// per line.
#include "ScriptRunner.h"
#include "app/Clock.h"
#include "app/Workspace.h"
#include "gui/main/MainWindow.h"
#include "gui/shell/Translations.h"
#include "gui/shell/WidgetDialogs.h"
#include "platform/DataFolder.h"
#include "platform/QtSettingsStore.h"

#include <CLI/CLI.hpp>
#include <QApplication>
#include <QTest>

#include <fstream>
#include <iostream>

namespace {

using quorvel::script::ScriptOutput;

int fail(ScriptOutput& output, const std::string& text) {
    output.print({{"error", text}});
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CLI::App cli{"Runs a UI script (a JSON array of steps) against the quorvel window."};
    std::optional<std::string> dataDir;
    std::string scriptFile;
    std::optional<int> currentYear;
    cli.add_option("--data-dir", dataDir, "The data folder (else $QUORVEL_DATA_DIR, else the user's app data folder)");
    cli.add_option("--current-year", currentYear, "The calendar's year for the window (default: today's)");
    cli.add_option("SCRIPT", scriptFile, "The script, a JSON file")->required();
    CLI11_PARSE(cli, argc, argv);

    ScriptOutput output(std::cout);
    std::ifstream in(scriptFile, std::ios::binary);
    if (!in) return fail(output, "cannot read the script " + scriptFile);
    const nlohmann::json script = nlohmann::json::parse(in, nullptr, false);
    if (script.is_discarded()) return fail(output, "the script " + scriptFile + " is not valid JSON");

    try {
        const std::filesystem::path folder = quorvel::resolveDataFolder(dataDir);
        quorvel::QtSettingsStore settings(folder);
        quorvel::SystemClock today;
        quorvel::FixedClock fixed(currentYear.value_or(0));
        const quorvel::Clock& clock = currentYear ? static_cast<const quorvel::Clock&>(fixed) : today;
        quorvel::Workspace workspace(folder, settings, clock);
        quorvel::useChosenLanguage(workspace.settings());
        quorvel::script::ScriptDialogs dialogs(output, quorvel::WidgetDialogs::buttonTexts);
        quorvel::MainWindow window(workspace, dialogs);
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) return fail(output, "the window did not become active");
        return quorvel::script::ScriptRunner(window, dialogs, output).run(script);
    } catch (const std::exception& error) {
        return fail(output, std::string("the window could not start: ") + error.what());
    }
}
