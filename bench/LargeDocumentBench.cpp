// A mine-sized document: 2000 branches of 4000 m with a 10 m output
// interval, one heat source of each kind and a fan in every branch, run in
// sequence mode with every branch fed by the one before it. Measures the
// whole sequence run, the save and the open, each with its peak memory:
// the heap high-water mark (bytes allocated and not yet freed) and the
// process's peak resident size, both as multiples of the raw row values
// (17 doubles of 8 bytes per result row). Also the CSV export of every
// branch's results, without and with the derived thermal work limit column.
#include "archive/DocumentFile.h"
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

class QuietUi : public IRunUi {
public:
    void ShowGuardMessage(const std::string&) override { ++guardMessages; }
    void ShowDataErrors(const std::vector<std::string>&) override { ++dataErrors; }
    long guardMessages = 0;
    long dataErrors = 0;
};

// The long branch as a user would enter it: 4000 m down or up again (in
// turns, so that the pressure stays in range), described sources and a fan.
void MakeBranch(CKalvexBranch& b, bool descending)
{
    MakeLongBranch(b, descending);
    const char* descriptions[] = {"pump", "conveyor drive", "loader", "belt"};
    for (int i = 0; i < b.HeatSourceCount(); ++i)
        b.HeatSourceAt(i).description = descriptions[i % 4];
    b.fanReg.location = 3000;
    b.fanReg.sensibleHeat = 30;
    // Small enough that 2000 fans in a row keep the pressure in range.
    b.fanReg.pressureChange = 0.02;
    b.fanReg.description = "booster fan";
}

void BuildDocument(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    for (int i = 0; i < kBranches; ++i) {
        doc.InsertNewBranch(i);
        CKalvexBranch& b = doc.BranchAt(i);
        b.name = "Branch " + std::to_string(i + 1);
        MakeBranch(b, i % 2 == 0);
        if (i > 0) {
            b.SetSourceBranchIds({doc.BranchAt(i - 1).branchId});
            b.addedQuantity = 5;
            b.addedDryBulb = 20;
            b.addedWetBulb = 15;
        }
    }
    doc.sequenceMode = true;
}

long long RowCount(const CKalvexDoc& doc)
{
    long long rows = 0;
    for (int i = 0; i < doc.BranchCount(); ++i)
        rows += doc.BranchAt(i).ResultCount();
    return rows;
}

double RawRowBytes(const CKalvexDoc& doc) { return static_cast<double>(RowCount(doc)) * 17 * 8; }

// The process's peak resident size since the last ResetPeakRss, in bytes.
void ResetPeakRss()
{
    if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

double PeakRss()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) * 1024.0;
    return 0.0;
}

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
        rss = std::max(rss, PeakRss());
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
    BuildDocument(*doc);
    QuietUi ui;
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
    BuildDocument(*doc);
    QuietUi ui;
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

void BM_LargeOpen(benchmark::State& state)
{
    const std::string path = TempPath();
    double raw = 0.0;
    {
        auto doc = std::make_unique<CKalvexDoc>();
        BuildDocument(*doc);
        QuietUi ui;
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
        peak.Stop();
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    peak.Report(state, raw);
    std::remove(path.c_str());
    if (!ok)
        state.SkipWithError("open failed");
}
BENCHMARK(BM_LargeOpen)->Unit(benchmark::kMillisecond)->UseRealTime();

// The results of every branch as CSV, as the results table exports them:
// the default columns, with TWL appended when the argument is 1. The limit
// is worked out at export time; nothing of it is kept between iterations.
void BM_LargeCsvExport(benchmark::State& state)
{
    const bool withTwl = state.range(0) == 1;
    auto doc = std::make_unique<CKalvexDoc>();
    BuildDocument(*doc);
    QuietUi ui;
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
