// SPDX-License-Identifier: MIT
// The backtest of the overdue picks on a generated history of 3,500 draws: 3,001 decisions from the 500th draw.
#include "GeneratedHistory.h"
#include "analysis/MemoryEngine.h"

#include <benchmark/benchmark.h>

namespace quorvel::bench {

namespace {

GeneratedStore& backtestStore() {
    static GeneratedStore store(3501);
    return store;
}

// Groups of k of the 49 numbers (k = 4 lifts the size limits: 211,876 groups), ten picks per decision, on every
// core; the process's CPU time counts the worker threads too.
void backtestRun(benchmark::State& state) {
    MemoryEngine memory(backtestStore().store());
    BacktestRequest request;
    request.groups.kind = AttributeKind::Number;
    for (int box = 1; box <= 49; ++box)
        request.groups.boxes.push_back(box);
    request.groups.groupSize = static_cast<int>(state.range(0));
    request.groups.noLimit = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.backtest(request).overdue.hits);
}

} // namespace

BENCHMARK(backtestRun)
    ->Name("BM_Backtest_NumbersOf49")
    ->ArgName("k")
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace quorvel::bench
