// A mine-sized document: 2000 branches of 4000 m with a 10 m output
// interval, one heat source of each kind and a fan in every branch, run in
// sequence mode with every branch fed by the one before it. Measures the
// whole sequence run, the save and the open, each with its peak memory:
// the heap high-water mark (bytes allocated and not yet freed) and the
// process's peak resident size, both as multiples of the raw row values
// (17 doubles of 8 bytes per result row). Also the CSV export of every
// branch's results, without and with the derived thermal work limit column.
#include "archive/DocumentFile.h"
#include "MineDocument.h"
#include "ProcessMemory.h"
#include "KalvexDoc.h"
#include "LongBranch.h"
#include "ResultTwl.h"
#include "ResultsCsv.h"
#include "SimulationRun.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

// GCC takes the replaced operators' malloc and free for a mismatch once inlined.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

// Live heap bytes and their high-water mark, by the usable size of each
// block so that frees need no size.
std::atomic<long long> liveBytes{0};
std::atomic<long long> highWater{0};

void Allocated(void* p)
{
    const long long now = liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(p))) +
                          static_cast<long long>(malloc_usable_size(p));
    long long seen = highWater.load(std::memory_order_relaxed);
    while (now > seen && !highWater.compare_exchange_weak(seen, now))
        ;
}

void Freed(void* p)
{
    if (p)
        liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(p)));
}

}  // namespace

void* operator new(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    Allocated(p);
    return p;
}
void operator delete(void* p) noexcept
{
    Freed(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    Freed(p);
    std::free(p);
}

namespace {

constexpr int kBranches = 2000;

double RawRowBytes(const CKalvexDoc& doc) { return ::RawRowBytes(RowCount(doc)); }

void ResetHeapHighWater() { highWater.store(liveBytes.load()); }

// Peak figures of the iterations so far.
struct PeakMemory {
    double heap = 0.0;
    double rss = 0.0;
    void Start()
    {
        ResetHeapHighWater();
        ResetPeakRss();
    }
    void Stop()
    {
        heap = std::max(heap, static_cast<double>(highWater.load()));
        rss = std::max(rss, ResidentBytes("VmHWM"));
    }
    void Report(benchmark::State& state, double raw) const
    {
        state.counters["rawRowMB"] = raw / 1e6;
        state.counters["heapPeakMB"] = heap / 1e6;
        state.counters["heapPeak/raw"] = heap / raw;
        state.counters["rssPeakMB"] = rss / 1e6;
        state.counters["rssPeak/raw"] = rss / raw;
    }
};

std::string TempPath()
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/dorvan-large-bench-" + std::to_string(::getpid()) +
           ".zt2";
}

void BM_LargeSequence(benchmark::State& state)
{
    auto doc = std::make_unique<CKalvexDoc>();
    BuildMineDocument(*doc, kBranches);
    CQuietRunUi ui;
    ExecuteSequence(*doc, ui);  // warm: every result list has its capacity
    PeakMemory peak;
    for (auto _ : state) {
        peak.Start();
        ExecuteSequence(*doc, ui);
        peak.Stop();
        benchmark::DoNotOptimize(doc->BranchAt(kBranches - 1).ResultList().data());
    }
    peak.Report(state, RawRowBytes(*doc));
    state.counters["rows"] = static_cast<double>(RowCount(*doc));
    state.counters["guards"] = static_cast<double>(ui.guardMessages);
    state.counters["errors"] = static_cast<double>(ui.dataErrors);
}
BENCHMARK(BM_LargeSequence)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LargeSave(benchmark::State& state)
{
    auto doc = std::make_unique<CKalvexDoc>();
    BuildMineDocument(*doc, kBranches);
    CQuietRunUi ui;
    ExecuteSequence(*doc, ui);
    const std::string path = TempPath();
    PeakMemory peak;
    bool ok = true;
    for (auto _ : state) {
        peak.Start();
        ok = SaveDocumentFile(path, *doc).ok && ok;
        peak.Stop();
    }
    peak.Report(state, RawRowBytes(*doc));
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    state.counters["fileMB"] = static_cast<double>(file.tellg()) / 1e6;
    std::remove(path.c_str());
    if (!ok)
        state.SkipWithError("save failed");
}
BENCHMARK(BM_LargeSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening alone, or opening then saving to another file as
// `dorvan-cli convert` does.
void BM_LargeOpen(benchmark::State& state, bool thenSave)
{
    const std::string path = TempPath();
    const std::string copyPath = path + ".copy.zt2";
    double raw = 0.0;
    {
        auto doc = std::make_unique<CKalvexDoc>();
        BuildMineDocument(*doc, kBranches);
        CQuietRunUi ui;
        ExecuteSequence(*doc, ui);
        raw = RawRowBytes(*doc);
        if (!SaveDocumentFile(path, *doc).ok) {
            state.SkipWithError("save failed");
            return;
        }
    }
    PeakMemory peak;
    bool ok = true;
    for (auto _ : state) {
        auto doc = std::make_unique<CKalvexDoc>();
        doc->OnNewDocument();
        peak.Start();
        ok = LoadDocumentFile(path, *doc).ok && ok;
        if (thenSave)
            ok = WriteDocumentFile(copyPath, *doc).ok && ok;
        peak.Stop();
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    peak.Report(state, raw);
    std::remove(path.c_str());
    std::remove(copyPath.c_str());
    if (!ok)
        state.SkipWithError("open or save failed");
}
BENCHMARK_CAPTURE(BM_LargeOpen, open, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_LargeOpen, openThenSave, true)->Unit(benchmark::kMillisecond)->UseRealTime();

// The results of every branch as CSV, as the results table exports them:
// the default columns, with TWL appended when the argument is 1. The limit
// is worked out at export time; nothing of it is kept between iterations.
void BM_LargeCsvExport(benchmark::State& state)
{
    const bool withTwl = state.range(0) == 1;
    auto doc = std::make_unique<CKalvexDoc>();
    BuildMineDocument(*doc, kBranches);
    CQuietRunUi ui;
    ExecuteSequence(*doc, ui);
    std::vector<ColumnId> columns = CKalvexDoc::DefaultColumns(kResultColumns);
    if (withTwl)
        columns.push_back(Col::Twl);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (int i = 0; i < doc->BranchCount(); ++i) {
            const CKalvexBranch& branch = doc->BranchAt(i);
            std::string csv;
            if (withTwl) {
                const CResultTwl twl(*doc, branch);
                csv = BranchResultsCsv(branch, i + 1, columns, [&twl](ColumnId id, int row, std::string& text) {
                    return twl.CellText(id, row, text);
                });
            } else {
                csv = BranchResultsCsv(branch, i + 1, columns);
            }
            bytes += csv.size();
            benchmark::DoNotOptimize(csv.data());
        }
    }
    state.counters["rows"] = static_cast<double>(RowCount(*doc));
    state.counters["csvMB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_LargeCsvExport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
