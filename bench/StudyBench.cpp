// A study of 8 variants of a 150-branch document, run on 1 and on 2
// threads: two jobs should take at most 0.6 times the time of one on a
// machine with two cores.
#include "KalvexDoc.h"
#include "LongBranch.h"
#include "StudyPlan.h"
#include "StudyRun.h"
#include "archive/DocumentFile.h"

#include <benchmark/benchmark.h>

namespace {

// 150 branches of 4000 m in sequence, each fed by the one before it.
std::vector<std::uint8_t> StudyDocument()
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < 150; ++i) {
        doc.InsertNewBranch(i);
        CKalvexBranch& b = doc.BranchAt(i);
        MakeLongBranch(b, i % 2 == 0);
        if (i > 0)
            b.SetSourceBranchIds({doc.BranchAt(i - 1).branchId});
    }
    doc.sequenceMode = true;
    return WriteDocumentBytes(doc);
}

void BM_Study8Variants(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = StudyDocument();
    CKalvexDoc doc;
    ReadDocumentBytes(bytes, doc);
    CStudyAxis axis;
    bool dataError = false;
    if (!ReadStudyAxis("1:intakeQuantity=10:45:8", doc, axis, dataError).empty()) {
        state.SkipWithError("the study's values were refused");
        return;
    }
    const unsigned jobs = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        std::atomic<std::size_t> done{0};
        benchmark::DoNotOptimize(RunStudy(bytes, {axis}, jobs, done));
    }
}

}  // namespace

BENCHMARK(BM_Study8Variants)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
