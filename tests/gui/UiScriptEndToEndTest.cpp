// SPDX-License-Identifier: MIT
// Runs every script under tests/gui/scripts through quorvel-ui-script against the real window on a fresh
// data folder and checks its output against the script's .expected lines. In both files @SCRIPTS@ stands
// for the scripts folder and @DATA_DIR@ for the data folder; in the expected lines @YEAR@ for this year.
#include "ExpectedLines.h"
#include "TempFolder.h"
#include "app/Clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sys/wait.h>

namespace quorvel::script {
namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(QUORVEL_UI_SCRIPTS);

std::string substitute(std::string text, const std::string& placeholder, const std::string& value) {
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kScripts))
        if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs one script (its path below the scripts folder, without .json) on the data folder of `work` and checks what
// it printed; then `after` looks at the data folder the window left.
void runScriptIn(const test::TempFolder& work, const std::string& name,
                 const std::function<void(const fs::path&)>& after = {}) {
    SCOPED_TRACE("script " + name);
    const fs::path data = work / "data";
    auto fill = [&](std::string text) {
        text = substitute(std::move(text), "@SCRIPTS@", kScripts.string());
        text = substitute(std::move(text), "@YEAR@", std::to_string(SystemClock().currentYear()));
        return substitute(std::move(text), "@DATA_DIR@", data.string());
    };
    const fs::path script = work.write("script.json", fill(test::readFile(kScripts / (name + ".json"))));

    const std::string printed = runExpectingSuccess("'" QUORVEL_UI_SCRIPT_BINARY "' --data-dir '" + data.string() +
                                                        "' '" + script.string() + "'",
                                                    work / "stderr.txt");

    std::vector<std::string> expected;
    std::istringstream lines(fill(test::readFile(kScripts / (name + ".expected"))));
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) expected.push_back(line);
    expectLines(printed, expected);
    if (after) after(data);
}

// Runs one script on a fresh data folder.
void runScript(const std::string& name, const std::function<void(const fs::path&)>& after = {}) {
    test::TempFolder work;
    runScriptIn(work, name, after);
}

// Every script found, so that a script added to the folder runs without touching this file.
TEST(UiScriptEndToEnd, EveryScriptPrintsItsExpectedLines) {
    const auto names = scriptNames();
    ASSERT_FALSE(names.empty()) << "no scripts in " << kScripts;
    for (const std::string& name : names)
        runScript(name);
}

// A base switch answered no leaves the warning in the window's status bar (the script's expected lines) and
// on the command line's stderr, which names the command that mends it.
TEST(UiScriptEndToEnd, ABaseSwitchAnsweredNoWarnsInTheWindowAndOnTheCommandLine) {
    runScript("bases/base-switch-answered-no", [](const fs::path& data) {
        const fs::path errors = data / "cli-stderr.txt";
        runExpectingSuccess("'" QUORVEL_CLI_BINARY "' --data-dir '" + data.string() + "' history", errors);
        const std::string said = test::readFile(errors);
        EXPECT_NE(said.find("quorvel-cli: warning: the stored draws were derived with zodiac base 1, but the "
                            "settings say zodiac base 0"),
                  std::string::npos)
            << said;
        EXPECT_NE(said.find("quorvel-cli rebuild"), std::string::npos) << said;
    });
}

// A selection saved before the window is closed ticks the same boxes after a restart; the built-in sets tick the
// domestic signs and this zodiac year's numbers of a sign.
TEST(UiScriptEndToEnd, ASavedSelectionTicksTheSameBoxesAfterARestart) {
    test::TempFolder work;
    runScriptIn(work, "selections/save-a-selection");
    runScriptIn(work, "selections/choose-after-restart");
}

} // namespace
} // namespace quorvel::script
