// SPDX-License-Identifier: MIT
// Start-up of the window on a 5,000-draw history: opening the store, constructing and showing MainWindow
// offscreen until the history list is filled and painted.
#include "CancelAllDialogs.h"
#include "GeneratedHistory.h"
#include "app/Workspace.h"
#include "gui/main/MainWindow.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace quorvel::bench {

namespace {

void windowStartUp(benchmark::State& state) {
    const int draws = static_cast<int>(state.range(0));
    GeneratedStore generated(draws);
    MemorySettingsStore settings;
    FixedClock clock(2034);
    CancelAllDialogs dialogs;
    for (auto _ : state) {
        Workspace workspace(generated.folder(), settings, clock);
        MainWindow window(workspace, dialogs);
        window.show();
        QApplication::processEvents();
        auto* history = window.findChild<QTableView*>(QStringLiteral("MSFlexGrid1"));
        if (history->model()->rowCount() != draws) state.SkipWithError("the history list is not filled");
    }
}
BENCHMARK(windowStartUp)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

} // namespace quorvel::bench

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
