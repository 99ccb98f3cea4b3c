// SPDX-License-Identifier: MIT
// One screen of the trend window on 5,000 draws painted into an image: the grid grdTrend of a window of
// 1366 x 768 scrolled to the latest draw, every visible cell worked out and drawn as it is on the screen.
#include "CancelAllDialogs.h"
#include "GeneratedHistory.h"
#include "app/Workspace.h"
#include "gui/main/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace quorvel::bench {

namespace {

// The numbers' trend where a value is looked for by the argument: 0 the special number (one ball a row), 2 any of
// the seven numbers (seven balls a row).
void trendScreen(benchmark::State& state) {
    GeneratedStore generated(5000);
    MemorySettingsStore settings;
    FixedClock clock(2034);
    CancelAllDialogs dialogs;
    Workspace workspace(generated.folder(), settings, clock);
    MainWindow window(workspace, dialogs);
    window.show();
    QApplication::processEvents();
    window.findChild<QAction*>(QStringLiteral("mnuTrend"))->trigger();
    auto* trend = window.findChild<QWidget*>(QStringLiteral("frmTrend"));
    trend->findChild<QComboBox*>(QStringLiteral("cboTrendWhere"))->setCurrentIndex(static_cast<int>(state.range(0)));
    trend->resize(1366, 768);
    QApplication::processEvents();
    auto* grid = trend->findChild<QTableView*>(QStringLiteral("grdTrend"));
    if (grid->model()->rowCount() != 5000) state.SkipWithError("the trend does not show 5,000 draws");
    QImage image(grid->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        grid->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["rows_in_view"] = grid->rowAt(grid->viewport()->height() - 1) - grid->rowAt(0) + 1;
    state.counters["columns"] = grid->model()->columnCount();
}
BENCHMARK(trendScreen)->ArgName("where")->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace quorvel::bench
