// The engine against its floor: the transcendental function calls (exp,
// log, pow, ...) a sequence run must make. A 200-branch mine document is run
// once with its math calls recorded; each iteration then runs the sequence
// again and makes the recorded calls alone, and reports both per value row
// and their ratio. Running both in every iteration lets the load of the
// machine weigh on both alike.
#include "MathCallLog.h"
#include "MineDocument.h"
#include "SimulationRun.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace {

constexpr int kBranches = 200;

struct FloorSetup {
    std::unique_ptr<CKalvexDoc> doc = std::make_unique<CKalvexDoc>();
    CQuietRunUi ui;
    CMathCallLog calls;
    double valueRows = 0.0;

    FloorSetup()
    {
        BuildMineDocument(*doc, kBranches);
        ExecuteSequence(*doc, ui);  // warm: every result list has its capacity
        StartMathRecording();
        ExecuteSequence(*doc, ui);
        calls = StopMathRecording();
        valueRows = static_cast<double>(ValueRowCount(*doc));
    }
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_EngineAgainstFloor(benchmark::State& state)
{
    FloorSetup setup;
    double engine = 0.0;
    double floor = 0.0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        ExecuteSequence(*setup.doc, setup.ui);
        const auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(ReplayMathCalls(setup.calls));
        const auto t2 = std::chrono::steady_clock::now();
        engine += Seconds(t1 - t0);
        floor += Seconds(t2 - t1);
    }
    const double runs = static_cast<double>(state.iterations());
    const double rows = setup.valueRows;
    state.counters["rows"] = rows;
    state.counters["engineNsPerRow"] = engine / runs / rows * 1e9;
    state.counters["floorNsPerRow"] = floor / runs / rows * 1e9;
    state.counters["engine/floor"] = engine / floor;
    state.counters["callsPerRow"] = static_cast<double>(setup.calls.TotalCalls()) / rows;
    for (std::size_t f = 0; f < kMathFunctionCount; ++f)
        state.counters[std::string(kMathFunctionNames[f]) + "/row"] =
            static_cast<double>(setup.calls.arguments[f].size()) / rows;
    state.counters["guards"] = static_cast<double>(setup.ui.guardMessages);
}
BENCHMARK(BM_EngineAgainstFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
