// SPDX-License-Identifier: MIT
// The window's group calculation: from the click on Command5 to the filled omission grid (and the events
// that follow it) for 10,626 groups (k = 4 over 24 numbers), and with the size limits lifted for 211,876 groups
// (k = 4 over 49 numbers) and 1,906,884 groups (k = 5 over 49, with the window's peak memory). The store writes
// the rows beside the window; each iteration waits for that write, and lets the chart of the first group follow,
// outside the timed part, so that iterations do not overlap.
#include "CancelAllDialogs.h"
#include "GeneratedHistory.h"
#include "analysis/GroupPlan.h"
#include "app/Workspace.h"
#include "gui/main/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include <sys/resource.h>

namespace quorvel::bench {

namespace {

// The window on a store in `folder`, with 号码, boxes 1..`values` ticked, groups of `size` chosen and the
// size limits lifted when asked, clicked until the omission grid shows every group.
void groupClick(benchmark::State& state, const std::filesystem::path& folder, int values = 24, int size = 4,
                bool noLimit = false) {
    MemorySettingsStore settings;
    FixedClock clock(2034);
    CancelAllDialogs dialogs;
    Workspace workspace(folder, settings, clock);
    MainWindow window(workspace, dialogs);
    window.show();
    QApplication::processEvents();
    for (int box = 1; box <= values; ++box)
        window.findChild<QCheckBox*>(QStringLiteral("Check6_%1").arg(box))->setChecked(true);
    window.findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentText(QString::number(size));
    window.findChild<QCheckBox*>(QStringLiteral("chkNoLimit"))->setChecked(noLimit);
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command5"));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("MSFlexGrid3"));
    const long groups = combinationCount(values, size);
    for (auto _ : state) {
        button->click();
        QApplication::processEvents();
        if (grid->model()->rowCount() != groups) state.SkipWithError("the omission grid is not filled");
        state.PauseTiming();
        workspace.analyses().finishGroupResults();
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 50)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
}

void windowGroupCalculation(benchmark::State& state) {
    GeneratedStore generated(static_cast<int>(state.range(0)));
    groupClick(state, generated.folder());
}
BENCHMARK(windowGroupCalculation)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

// 不限组数: every group of 4 of the 49 numbers (211,876 groups) on 5,000 draws.
void windowGroupCalculationNoLimit(benchmark::State& state) {
    GeneratedStore generated(5000);
    groupClick(state, generated.folder(), 49, 4, true);
}
BENCHMARK(windowGroupCalculationNoLimit)->Unit(benchmark::kMillisecond)->UseRealTime();

// 不限组数: every group of 5 of the 49 numbers (1,906,884 groups) on 5,000 draws; peak_MB is the process's peak.
void windowGroupCalculationK5NoLimit(benchmark::State& state) {
    GeneratedStore generated(5000);
    groupClick(state, generated.folder(), 49, 5, true);
}
BENCHMARK(windowGroupCalculationK5NoLimit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same on the real history shipped with the program.
void windowGroupCalculationRealHistory(benchmark::State& state) {
    GeneratedStore empty(0);
    {
        MemorySettingsStore settings;
        FixedClock clock(2034);
        Workspace(empty.folder(), settings, clock)
            .history()
            .importHistoryFile(QUORVEL_DATA_FILES "/marksix-history.txt");
    }
    groupClick(state, empty.folder());
}
BENCHMARK(windowGroupCalculationRealHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

} // namespace quorvel::bench
