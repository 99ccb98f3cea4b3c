// SPDX-License-Identifier: MIT
// Import of a 5,000-line history text file: read, check, derive and store in one transaction.
#include "GeneratedHistory.h"
#include "app/Workspace.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace quorvel::bench {

static void BM_Import5000Lines(benchmark::State& state) {
    GeneratedStore scratch(0);
    const auto file = scratch.folder() / "history.txt";
    std::ofstream(file, std::ios::binary) << generatedHistoryText(5000);
    MemorySettingsStore settings;
    FixedClock clock(2026);
    Workspace workspace(scratch.folder() / "data", settings, clock);
    for (auto _ : state)
        benchmark::DoNotOptimize(workspace.history().importHistoryFile(file).imported);
    state.counters["draws"] = 5000;
}
BENCHMARK(BM_Import5000Lines)->Unit(benchmark::kMillisecond);

} // namespace quorvel::bench
