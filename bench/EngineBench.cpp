// Calculation intervals per second of the climate engine: one long branch,
// and a long sequence of such branches, each fed by the one before it.
#include "AllocationCounter.h"
#include "MineDocument.h"
#include "SimulationRun.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr long kIntervalsPerBranch = 400;  // 4000 m in 10 m steps

void BM_LongBranch(benchmark::State& state)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.InsertNewBranch(0);
    CKalvexBranch& branch = doc.BranchAt(0);
    MakeLongBranch(branch);
    CQuietRunUi ui;
    RunBranch(doc, branch, ui);  // warm: the result list has its capacity
    const long before = HeapAllocationCount();
    for (auto _ : state) {
        RunBranch(doc, branch, ui);
        benchmark::DoNotOptimize(branch.ResultList().data());
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["intervals/s"] =
        benchmark::Counter(runs * kIntervalsPerBranch, benchmark::Counter::kIsRate);
    state.counters["allocs/run"] = static_cast<double>(HeapAllocationCount() - before) / runs;
    state.counters["rows"] = branch.ResultCount();
    state.counters["guards"] = static_cast<double>(ui.guardMessages);
}
BENCHMARK(BM_LongBranch)->Unit(benchmark::kMicrosecond);

void BM_Sequence(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    CKalvexDoc doc;
    BuildMineDocument(doc, n, false);
    CQuietRunUi ui;
    ExecuteSequence(doc, ui);
    const long before = HeapAllocationCount();
    for (auto _ : state) {
        ExecuteSequence(doc, ui);
        benchmark::DoNotOptimize(doc.BranchAt(n - 1).ResultList().data());
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["intervals/s"] =
        benchmark::Counter(runs * n * kIntervalsPerBranch, benchmark::Counter::kIsRate);
    state.counters["allocs/branch"] = static_cast<double>(HeapAllocationCount() - before) / runs / n;
    state.counters["guards"] = static_cast<double>(ui.guardMessages);
    state.counters["errors"] = static_cast<double>(ui.dataErrors);
    state.counters["lastOutletDB"] = doc.BranchAt(n - 1).outletDryBulb;
}
BENCHMARK(BM_Sequence)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
