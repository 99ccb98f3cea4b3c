// SPDX-License-Identifier: MIT
// quorvel-layout-probe --data-dir DIR [--size WxH]: opens the real main window as the program does (its
// placement on the screen's available area), or at W x H, brings it into a few states through a UI script
// and prints, per state, one JSON line with every named control's state as a dump gives it (geometry, hint,
// visible, ...) and the nearest named control holding it. WindowLayoutTest runs it once per screen and scale.
#include "ControlState.h"
#include "ScriptDialogs.h"
#include "ScriptRunner.h"
#include "app/Clock.h"
#include "app/Workspace.h"
#include "gui/grids/GridSetup.h"
#include "gui/main/MainWindow.h"
#include "gui/shell/Translations.h"
#include "gui/shell/WindowPlacementKeeper.h"
#include "platform/QtSettingsStore.h"

#include <CLI/CLI.hpp>
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTest>

#include <iostream>
#include <sstream>

namespace {

using quorvel::script::ScriptOutput;
using Json = ScriptOutput::Json;

Json rect(const QRect& r) { return Json::array({r.x(), r.y(), r.width(), r.height()}); }
Json size(const QSize& s) { return Json::array({s.width(), s.height()}); }

// The states the window is measured in: each a script run after the previous one.
const char* const kStates[][2] = {
    {"opened", "[]"},
    {"tab 历史指定期", R"([{"tab": "TabStrip1", "index": 1}])"},
    {"固定位 and 生肖", R"([{"tab": "TabStrip1", "index": 0}, {"click": "Option1_0"}, {"click": "Option3_1"}])"},
    {"after 检索 and 分组计算",
     R"([{"click": "Option1_1"}, {"click": "Option3_0"}, {"click": "Check11_7"}, {"type": "Text22_7", "text": "5"},
         {"click": "Command1"}, {"click": "cmdZH_0"}, {"click": "Command5"}])"},
};

// Every named control of the main window (Qt's own parts, named qt_..., left out), with its state and the
// nearest named control that holds it.
Json measure(const QMainWindow& window) {
    const quorvel::script::ControlState states(window);
    Json controls = Json::object();
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        // Other top-level windows (frmTable, a dialog) are laid out on their own.
        if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || control->window() != &window) continue;
        Json state = states.of(*control);
        state.erase("rows");
        for (const QWidget* holder = control->parentWidget(); holder != &window; holder = holder->parentWidget()) {
            if (!holder->objectName().isEmpty() && !holder->objectName().startsWith(QStringLiteral("qt_"))) {
                state["inside"] = ScriptOutput::utf8(holder->objectName());
                break;
            }
        }
        // The width that shows every column of a grid.
        if (auto* grid = qobject_cast<const QTableView*>(control)) state["columns_width"] = quorvel::gridWidth(grid);
        controls[ScriptOutput::utf8(name)] = state;
    }
    return controls;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CLI::App cli{"Measures the quorvel window's named controls in a few states."};
    std::string dataDir;
    std::string sizeText;
    cli.add_option("--data-dir", dataDir, "The data folder")->required();
    cli.add_option("--size", sizeText, "Resize the window to WxH instead of the placement it opens with");
    CLI11_PARSE(cli, argc, argv);

    ScriptOutput output(std::cout);
    std::ostringstream ignored;
    ScriptOutput runnerOutput(ignored);
    try {
        quorvel::QtSettingsStore settings(dataDir);
        quorvel::FixedClock clock(2026);
        quorvel::Workspace workspace(dataDir, settings, clock);
        quorvel::useChosenLanguage(workspace.settings());
        quorvel::script::ScriptDialogs dialogs(runnerOutput);
        quorvel::MainWindow window(workspace, dialogs);
        (new quorvel::WindowPlacementKeeper(window, workspace.settings()))->show();
        if (!QTest::qWaitForWindowExposed(&window)) throw std::runtime_error("the window was not shown");
        QApplication::processEvents();
        const QScreen* screen = window.screen();
        output.print({{"screen", rect(screen->availableGeometry())},
                      {"frame", rect(window.frameGeometry())},
                      {"maximised", window.isMaximized()},
                      {"minimum", size(window.minimumSize())}});
        if (!sizeText.empty()) {
            const auto cross = sizeText.find('x');
            if (cross == std::string::npos) throw std::runtime_error("--size is WxH");
            const QSize wanted(std::stoi(sizeText.substr(0, cross)), std::stoi(sizeText.substr(cross + 1)));
            window.showNormal();
            window.resize(wanted);
        }
        auto* area = qobject_cast<QScrollArea*>(window.centralWidget());
        for (const auto& [label, steps] : kStates) {
            quorvel::script::ScriptRunner runner(window, dialogs, runnerOutput);
            if (runner.run(nlohmann::json::parse(steps)) != 0)
                throw std::runtime_error(std::string("the steps of \"") + label + "\" failed: " + ignored.str());
            Json state{{"state", label}, {"window", size(window.size())}};
            if (area != nullptr) {
                state["viewport"] = size(area->viewport()->size());
                state["content"] = size(area->widget()->size());
            }
            state["controls"] = measure(window);
            output.print(state);
        }
        return 0;
    } catch (const std::exception& error) {
        output.print({{"error", error.what()}});
        return 1;
    }
}
