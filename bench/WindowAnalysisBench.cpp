// SPDX-License-Identifier: MIT
// The window's group calculation: from the click on Command5 to the filled omission grid (and the events
// that follow it, the chart of the first group included) for 10,626 groups (k = 4 over 24 numbers).
#include "CancelAllDialogs.h"
#include "GeneratedHistory.h"
#include "app/Workspace.h"
#include "gui/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace quorvel::bench {

namespace {

// The window on a store in `folder`, with 号码, boxes 1..24 ticked and groups of 4 chosen.
void groupClick(benchmark::State& state, const std::filesystem::path& folder) {
    MemorySettingsStore settings;
    FixedClock clock(2034);
    CancelAllDialogs dialogs;
    Workspace workspace(folder, settings, clock);
    MainWindow window(workspace, dialogs);
    window.show();
    QApplication::processEvents();
    for (int box = 1; box <= 24; ++box)
        window.findChild<QCheckBox*>(QStringLiteral("Check6_%1").arg(box))->setChecked(true);
    window.findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentText(QStringLiteral("4"));
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command5"));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("MSFlexGrid3"));
    for (auto _ : state) {
        button->click();
        QApplication::processEvents();
        if (grid->model()->rowCount() != 10626) state.SkipWithError("the omission grid is not filled");
    }
}

void windowGroupCalculation(benchmark::State& state) {
    GeneratedStore generated(static_cast<int>(state.range(0)));
    groupClick(state, generated.folder());
}
BENCHMARK(windowGroupCalculation)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on the real history shipped with the program.
void windowGroupCalculationRealHistory(benchmark::State& state) {
    GeneratedStore empty(0);
    {
        MemorySettingsStore settings;
        FixedClock clock(2034);
        Workspace(empty.folder(), settings, clock).importHistoryFile(QUORVEL_DATA_FILES "/marksix-history.txt");
    }
    groupClick(state, empty.folder());
}
BENCHMARK(windowGroupCalculationRealHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

} // namespace quorvel::bench
