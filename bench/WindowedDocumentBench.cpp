// The windowed program holding the mine-sized document (2000 branches of
// 4000 m, see MineDocument.h): the file opened in the main window, then
// Execute run as the menu command would, on the offscreen platform.
// Reports the resident memory after opening and after Execute as multiples
// of the raw row values (17 doubles of 8 bytes per result row).
#include "CommandIds.h"
#include "DorvanApp.h"
#include "MainFrame.h"
#include "MineDocument.h"
#include "ProcessMemory.h"
#include "SimulationRun.h"
#include "archive/DocumentFile.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kBranches = 2000;

std::string documentPath;
long long documentRows = 0;
double rssOpened = 0.0;  // after opening, before the first Execute
CMainFrame* mainFrame = nullptr;

// Writes the run document in a child process, so that none of the memory
// it took stays with the program measured. Returns the row count.
long long WriteDocumentInChild(const std::string& path)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return 0;
    const pid_t child = ::fork();
    if (child == 0) {
        CKalvexDoc doc;
        BuildMineDocument(doc, kBranches);
        CQuietRunUi ui;
        ExecuteSequence(doc, ui);
        long long rows = SaveDocumentFile(path, doc).ok ? RowCount(doc) : 0;
        const ssize_t written = ::write(pipeEnds[1], &rows, sizeof rows);
        ::_exit(written == sizeof rows ? 0 : 1);
    }
    long long rows = 0;
    if (::read(pipeEnds[0], &rows, sizeof rows) != sizeof rows)
        rows = 0;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    ::waitpid(child, nullptr, 0);
    return rows;
}

void BM_WindowedExecute(benchmark::State& state)
{
    const double raw = RawRowBytes(documentRows);
    const double opened = rssOpened;
    double afterExecute = 0.0;
    double peak = 0.0;
    bool ok = true;
    for (auto _ : state) {
        ResetPeakRss();
        ok = mainFrame->RunCommand(Cmd::Execute) && ok;
        QApplication::processEvents();
        afterExecute = std::max(afterExecute, ResidentBytes("VmRSS"));
        peak = std::max(peak, ResidentBytes("VmHWM"));
    }
    state.counters["rawRowMB"] = raw / 1e6;
    state.counters["rssOpenMB"] = opened / 1e6;
    state.counters["rssOpen/raw"] = opened / raw;
    state.counters["rssAfterMB"] = afterExecute / 1e6;
    state.counters["rssAfter/raw"] = afterExecute / raw;
    state.counters["rssPeak/raw"] = peak / raw;
    if (!ok)
        state.SkipWithError("Execute failed");
}
BENCHMARK(BM_WindowedExecute)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    // Settings, recovery copies and the document in folders of their own.
    QTemporaryDir home;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QStandardPaths::setTestModeEnabled(true);
    documentPath = home.filePath(QStringLiteral("mine.zt2")).toStdString();
    documentRows = WriteDocumentInChild(documentPath);
    if (documentRows == 0)
        return 1;

    QApplication app(argc, argv);
    CDorvanApp::SetNames();
    std::unique_ptr<CMainFrame> frame = StartMainFrame({QString::fromStdString(documentPath)}, false);
    mainFrame = frame.get();
    QApplication::processEvents();
    if (!mainFrame || !mainFrame->ActiveDocument())
        return 1;
    rssOpened = ResidentBytes("VmRSS");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
