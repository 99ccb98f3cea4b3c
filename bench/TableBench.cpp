// SPDX-License-Identifier: MIT
// The omission table on a generated history of 5,000 draws: every value of a kind with its figures.
#include "GeneratedHistory.h"
#include "analysis/MemoryEngine.h"

#include <benchmark/benchmark.h>

namespace quorvel::bench {

namespace {

GeneratedStore& tableStore() {
    static GeneratedStore store(5000);
    return store;
}

// The table of a kind where a value is looked for (0 special, 1 regular, 2 any, 3 position 3 in sorted order)
// over the whole history.
void tableRun(benchmark::State& state, AttributeKind kind) {
    MemoryEngine memory(tableStore().store());
    ValuesRequest request;
    request.kind = kind;
    const ValuePlace places[] = {ValuePlace::Special, ValuePlace::Regular, ValuePlace::Any, ValuePlace::Position};
    request.place = places[state.range(0)];
    request.position = 3;
    request.order = NumberOrder::Sorted;
    request.range = IssueRange{2001001, 2099999};
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.omissionTable(request).rows.size());
}

} // namespace

static void BM_OmissionTable_Numbers(benchmark::State& state) { tableRun(state, AttributeKind::Number); }
static void BM_OmissionTable_Zodiac(benchmark::State& state) { tableRun(state, AttributeKind::Zodiac); }

BENCHMARK(BM_OmissionTable_Numbers)->ArgName("where")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OmissionTable_Zodiac)->ArgName("where")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

} // namespace quorvel::bench
