// Calculation intervals per second of the climate engine: one long branch,
// and a long sequence of such branches, each fed by the one before it.
#include "AllocationCounter.h"
#include "KalvexDoc.h"
#include "LongBranch.h"
#include "SimulationRun.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

class QuietUi : public IRunUi {
public:
    void ShowGuardMessage(const std::string&) override { ++guardMessages; }
    void ShowDataErrors(const std::vector<std::string>&) override { ++dataErrors; }
    long guardMessages = 0;
    long dataErrors = 0;
};

constexpr long kIntervalsPerBranch = 400;  // 4000 m in 10 m steps

void BM_LongBranch(benchmark::State& state)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    doc.InsertNewBranch(0);
    CKalvexBranch& branch = doc.BranchAt(0);
    MakeLongBranch(branch);
    QuietUi ui;
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
    doc.OnNewDocument();
    for (int i = 0; i < n; ++i) {
        doc.InsertNewBranch(i);
        CKalvexBranch& b = doc.BranchAt(i);
        // Down and up again in turns, so the pressure stays in range.
        MakeLongBranch(b, i % 2 == 0);
        if (i > 0) {
            // Fed by the branch before, with fresh air joining.
            b.SetSourceBranchIds({doc.BranchAt(i - 1).branchId});
            b.addedQuantity = 5;
            b.addedDryBulb = 20;
            b.addedWetBulb = 15;
        }
    }
    doc.sequenceMode = true;
    QuietUi ui;
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
