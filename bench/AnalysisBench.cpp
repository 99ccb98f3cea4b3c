// SPDX-License-Identifier: MIT
// The two engines side by side on one generated history of 5,000 draws. The reference engine costs
// milliseconds per group, so its group runs take a sample of the values and report the time per group;
// "full_run_ms" is that time times the full run's group count.
#include "GeneratedHistory.h"
#include "analysis/GroupPlan.h"
#include "analysis/GroupResultWrite.h"
#include "analysis/MemoryEngine.h"
#include "analysis/SqlEngine.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace quorvel::bench {

namespace {

constexpr int kDraws = 5000;

GeneratedStore& sharedStore() {
    static GeneratedStore store(kDraws);
    return store;
}

GroupRequest numberGroups(int values, int size) {
    GroupRequest request;
    for (int box = 1; box <= values; ++box)
        request.boxes.push_back(box);
    request.groupSize = size;
    request.range = IssueRange{2001001, 2099999};
    return request;
}

std::unique_ptr<OmissionEngine> engine(bool sql) {
    if (sql) return std::make_unique<SqlEngine>(sharedStore().store());
    return std::make_unique<MemoryEngine>(sharedStore().store());
}

// Runs a group calculation over `sampleValues` values and reports figures for `fullValues`.
void groupRun(benchmark::State& state, bool sql, int fullValues, int sampleValues, int size) {
    auto calculation = engine(sql);
    const GroupRequest request = numberGroups(sampleValues, size);
    auto started = std::chrono::steady_clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(calculation->groupCalculation(request).rows.size());
    double runMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count() /
                   static_cast<double>(state.iterations());
    const double sampled = static_cast<double>(combinationCount(sampleValues, size));
    state.counters["groups"] = sampled;
    state.counters["ms_per_group"] = runMs / sampled;
    state.counters["full_run_ms"] = runMs / sampled * static_cast<double>(combinationCount(fullValues, size));
}

PositionSearchRequest freeSearch() {
    PositionSearchRequest request;
    request.kind = AttributeKind::Zodiac;
    request.mode = PositionMode::Free;
    request.selected = {true, false, true, false, true, false, true};
    request.values = {5, 0, 5, 0, 9, 0, 2};
    request.texts = {"05", "", "05", "", "09", "", "02"};
    request.range = IssueRange{2001001, 2099999};
    return request;
}

PartialSearchRequest partialSearch() {
    PartialSearchRequest request;
    request.kind = AttributeKind::Tail;
    request.mode = PositionMode::Free;
    request.partSize = 4;
    request.partSizeText = "4";
    request.values = {1, 3, 5, 7, 9, 1, 0};
    request.range = IssueRange{2001001, 2099999};
    return request;
}

} // namespace

static void BM_GroupK4Over24_Memory(benchmark::State& state) { groupRun(state, false, 24, 24, 4); }
static void BM_GroupK4Over24_Sql(benchmark::State& state) { groupRun(state, true, 24, 8, 4); }
static void BM_GroupK2Over49_Memory(benchmark::State& state) { groupRun(state, false, 49, 49, 2); }
static void BM_GroupK2Over49_Sql(benchmark::State& state) { groupRun(state, true, 49, 12, 2); }

// Every group of k of the 49 numbers with the limits lifted, worked out without storing them, on one thread
// or on one per core (threads 0).
static void BM_GroupNoLimitOver49_Calculation(benchmark::State& state) {
    MemoryEngine memory(sharedStore().store());
    if (state.range(1) > 0) memory.setThreadCount(static_cast<int>(state.range(1)));
    GroupRequest request = numberGroups(49, static_cast<int>(state.range(0)));
    request.noLimit = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.calculateGroups(request).rows.size());
    state.counters["groups"] = static_cast<double>(combinationCount(49, static_cast<int>(state.range(0))));
}

// The calculation of k = 4 over 49 on one thread with each way of counting the hits forced (counting 1: a
// bitset AND per group, 2: each draw's own k-subsets) or chosen by estimated cost (0), and k = 4 over 24.
static void BM_GroupCounting(benchmark::State& state) {
    MemoryEngine memory(sharedStore().store());
    memory.setThreadCount(1);
    memory.setGroupCounting(static_cast<MemoryEngine::GroupCounting>(state.range(1)));
    GroupRequest request = numberGroups(static_cast<int>(state.range(0)), 4);
    request.noLimit = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.calculateGroups(request).rows.size());
    state.counters["groups"] = static_cast<double>(combinationCount(static_cast<int>(state.range(0)), 4));
}

// Storing the 211,876 rows of k = 4 over 49 in YL (and their figures beside it) in one transaction, as the
// group results' writer does.
static void BM_GroupNoLimitK4Over49_StoreRows(benchmark::State& state) {
    MemoryEngine memory(sharedStore().store());
    GroupRequest request = numberGroups(49, 4);
    request.noLimit = true;
    const GroupRows rows = memory.calculateGroups(request).rows;
    HistoryStore& store = sharedStore().store();
    for (auto _ : state)
        writeGroupResults(store, rows, "bench");
    state.counters["rows"] = static_cast<double>(rows.size());
}

// The whole run as the window and the command line make it: calculation and storing.
static void BM_GroupNoLimitK4Over49_Run(benchmark::State& state) {
    MemoryEngine memory(sharedStore().store());
    GroupRequest request = numberGroups(49, 4);
    request.noLimit = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(memory.groupCalculation(request).rows.size());
}

static void BM_FreePositionSearch(benchmark::State& state) {
    auto search = engine(state.range(0) == 1);
    const PositionSearchRequest request = freeSearch();
    for (auto _ : state)
        benchmark::DoNotOptimize(search->positionSearch(request).hits.size());
}

static void BM_PartialSearchK4Over7(benchmark::State& state) {
    auto search = engine(state.range(0) == 1);
    const PartialSearchRequest request = partialSearch();
    for (auto _ : state)
        benchmark::DoNotOptimize(search->partialSearch(request).hits.size());
}

// Loading the history with the fields of every kind (a request loads those of its own kind only).
static void BM_MemoryEngineLoad(benchmark::State& state) {
    for (auto _ : state) {
        MemoryEngine memory(sharedStore().store());
        memory.reload();
        benchmark::DoNotOptimize(memory);
    }
}

BENCHMARK(BM_GroupK4Over24_Memory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupK4Over24_Sql)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GroupK2Over49_Memory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupK2Over49_Sql)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GroupNoLimitOver49_Calculation)
    ->ArgNames({"k", "threads"})
    ->ArgsProduct({{3, 4, 5}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_GroupCounting)
    ->ArgNames({"values", "counting"})
    ->ArgsProduct({{24, 49}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupNoLimitK4Over49_StoreRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupNoLimitK4Over49_Run)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreePositionSearch)->ArgName("sql")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartialSearchK4Over7)->ArgName("sql")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryEngineLoad)->Unit(benchmark::kMillisecond);

} // namespace quorvel::bench
