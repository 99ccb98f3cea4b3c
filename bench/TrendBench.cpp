// SPDX-License-Identifier: MIT
// The trend on a generated history of 5,000 draws: every cell of every value of a kind, with the summary rows.
#include "GeneratedHistory.h"
#include "analysis/MemoryEngine.h"

#include <benchmark/benchmark.h>

namespace quorvel::bench {

namespace {

GeneratedStore& trendStore() {
    static GeneratedStore store(5000);
    return store;
}

// The whole trend of a kind over the whole history where a value is looked for (0 special, 1 regular, 2 any,
// 3 position 3 in sorted order): the values' bitsets, the summary and all 5,000 rows of cells.
void trendRun(benchmark::State& state, AttributeKind kind) {
    MemoryEngine memory(trendStore().store());
    ValuesRequest request;
    request.kind = kind;
    const ValuePlace places[] = {ValuePlace::Special, ValuePlace::Regular, ValuePlace::Any, ValuePlace::Position};
    request.place = places[state.range(0)];
    request.position = 3;
    request.order = NumberOrder::Sorted;
    request.range = IssueRange{2001001, 2099999};
    for (auto _ : state) {
        const Trend trend = memory.trend(request);
        benchmark::DoNotOptimize(trend.allCells().data());
    }
}

} // namespace

static void BM_Trend_Numbers(benchmark::State& state) { trendRun(state, AttributeKind::Number); }
static void BM_Trend_Zodiac(benchmark::State& state) { trendRun(state, AttributeKind::Zodiac); }

BENCHMARK(BM_Trend_Numbers)->ArgName("where")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Trend_Zodiac)->ArgName("where")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

} // namespace quorvel::bench
