// One design answer on a 4000 m branch (target: under 50 ms): the required
// air quantity, the worst case of an unreachable limit (every coarse point
// marched), and the required cooling.
#include "KalvexDoc.h"
#include "LongBranch.h"
#include "RequirementSolver.h"

#include <benchmark/benchmark.h>

namespace {

void MakeDocument(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    doc.InsertNewBranch(0);
    MakeLongBranch(doc.BranchAt(0));
}

void Report(benchmark::State& state, const CRequirementAnswer& answer)
{
    state.counters["marches"] = answer.marches;
    state.counters["answer"] = answer.value;
    state.counters["found"] = answer.status == SolveStatus::Found ? 1 : 0;
}

void BM_RequiredQuantity(benchmark::State& state)
{
    CKalvexDoc doc;
    MakeDocument(doc);
    CRequirementQuery query;
    query.criterion = SolveCriterion::WetBulb;
    query.limit = static_cast<double>(state.range(0)) / 10.0;
    CRequirementAnswer answer;
    for (auto _ : state) {
        answer = SolveRequiredQuantity(doc, query);
        // Not the double: with this library and GCC 12, DoNotOptimize on the
        // answer's value left it reading 0 after the loop.
        benchmark::DoNotOptimize(answer.marches);
    }
    Report(state, answer);
}
// 25.5 °C is kept from some quantity on; 15 °C is below the intake's wet bulb.
BENCHMARK(BM_RequiredQuantity)->Arg(255)->Arg(150)->Unit(benchmark::kMillisecond);

void BM_RequiredCooling(benchmark::State& state)
{
    CKalvexDoc doc;
    MakeDocument(doc);
    CRequirementQuery query;
    query.criterion = SolveCriterion::DryBulb;
    query.limit = 34.0;
    query.coolerLocation = 3500;
    CRequirementAnswer answer;
    for (auto _ : state) {
        answer = SolveRequiredCooling(doc, query);
        // Not the double: with this library and GCC 12, DoNotOptimize on the
        // answer's value left it reading 0 after the loop.
        benchmark::DoNotOptimize(answer.marches);
    }
    Report(state, answer);
}
BENCHMARK(BM_RequiredCooling)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
