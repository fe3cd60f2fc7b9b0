// dorvan-cli study: every combination of varied inputs, run on several
// threads, one CSV line per variant; or the variants written as documents
// for a batch system.
#include "CliCommands.h"
#include "CliMessages.h"
#include "CliOptions.h"
#include "KalvexDoc.h"
#include "StudyPlan.h"
#include "StudyRun.h"
#include "archive/DocumentFile.h"
#include "archive/FileAccess.h"

#include <chrono>
#include <filesystem>
#include <future>
#include <iostream>
#include <ostream>
#include <thread>
#include <unistd.h>

namespace {

// Takes every "--vary SPEC" (or "--vary=SPEC") out of args.
std::string TakeVaryOptions(std::vector<std::string>& args, std::vector<std::string>& specs)
{
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--")
            break;
        if (args[i] == "--vary") {
            if (i + 1 >= args.size())
                return "option '--vary' needs a value";
            specs.push_back(args[++i]);
        } else if (args[i].rfind("--vary=", 0) == 0) {
            specs.push_back(args[i].substr(7));
        } else {
            rest.push_back(args[i]);
        }
    }
    args = rest;
    return {};
}

std::string VariantFileName(std::size_t variant, std::size_t count)
{
    std::string number = std::to_string(variant + 1);
    const std::size_t width = std::to_string(count).size();
    return std::string("variant-")
        .append(width > number.size() ? width - number.size() : 0, '0')
        .append(number)
        .append(".zt2");
}

// Writes each variant as a document into dir, with manifest.csv naming the
// file and the values of each.
bool EmitVariants(const std::vector<std::uint8_t>& bytes, const std::vector<CStudyAxis>& axes, const std::string& dir,
                  std::ostream& err)
{
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        err << ErrorLine(dir, error.message()) << "\n";
        return false;
    }
    const std::size_t count = StudyVariantCount(axes);
    std::string manifest = "variant,file";
    for (const CStudyAxis& axis : axes)
        manifest.append(",").append(std::to_string(axis.branchIndex + 1)).append(":").append(axis.key);
    manifest += "\n";
    for (std::size_t v = 0; v < count; ++v) {
        CKalvexDoc doc;
        ReadDocumentBytes(bytes, doc);
        ApplyStudyVariant(doc, axes, v);
        const std::string name = VariantFileName(v, count);
        const std::string path = (std::filesystem::path(dir) / name).string();
        const CFileResult written = WriteDocumentFile(path, doc);
        if (!written.ok) {
            err << ErrorLine(path, written.message) << "\n";
            return false;
        }
        manifest.append(std::to_string(v + 1)).append(",").append(name);
        for (const CStudyAxis& axis : axes) {
            std::string text;
            doc.BranchAt(axis.branchIndex).GetColumnText(axis.column, text);
            manifest.append(",").append(text);
        }
        manifest += "\n";
    }
    const std::string manifestPath = (std::filesystem::path(dir) / "manifest.csv").string();
    std::string errorText;
    if (!ReplaceFile(manifestPath, std::vector<std::uint8_t>(manifest.begin(), manifest.end()), errorText)) {
        err << ErrorLine(manifestPath, errorText) << "\n";
        return false;
    }
    return true;
}

// Runs the study, showing "N of M variants" on a terminal's standard error.
std::vector<CStudyOutcome> RunWithProgress(const std::vector<std::uint8_t>& bytes, const std::vector<CStudyAxis>& axes,
                                           unsigned jobs, std::ostream& err)
{
    std::atomic<std::size_t> done{0};
    const bool terminal = &err == &std::cerr && ::isatty(STDERR_FILENO);
    if (!terminal)
        return RunStudy(bytes, axes, jobs, done);
    auto running = std::async(std::launch::async, [&]() { return RunStudy(bytes, axes, jobs, done); });
    const std::size_t count = StudyVariantCount(axes);
    while (running.wait_for(std::chrono::milliseconds(200)) != std::future_status::ready)
        err << "\rdorvan-cli: study: " << done.load() << " of " << count << " variants" << std::flush;
    err << "\r\033[K" << std::flush;
    return running.get();
}

}  // namespace

int StudyCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> args = arguments;
    std::vector<std::string> specs;
    const std::string varyError = TakeVaryOptions(args, specs);
    const CCliArgs parsed = ParseCliArgs(args, {"--jobs", "--csv", "--emit-variants"}, {});
    if (const auto done = CommandPreamble("study", parsed, 1, "expects one document file name", out, err))
        return *done;
    if (!varyError.empty())
        return UsageError("study", varyError, err);
    if (specs.empty())
        return UsageError("study", "expects at least one --vary N:KEY=FROM:TO:STEPS", err);
    const std::string* csv = parsed.Value("--csv");
    const std::string* emit = parsed.Value("--emit-variants");
    if ((!csv || csv->empty()) && (!emit || emit->empty()))
        return UsageError("study", "expects --csv OUT or --emit-variants DIR", err);
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    if (const std::string* j = parsed.Value("--jobs")) {
        const bool digits = !j->empty() && j->size() <= 4 && j->find_first_not_of("0123456789") == std::string::npos;
        if (!digits || std::stoi(*j) < 1 || std::stoi(*j) > 1024)
            return UsageError("study", "--jobs " + *j + ": expects a whole number from 1 to 1024", err);
        jobs = static_cast<unsigned>(std::stoi(*j));
    }

    const std::string& path = parsed.positional[0];
    std::vector<std::uint8_t> bytes;
    std::string errorText;
    CKalvexDoc doc;
    if (!ReadWholeFile(path, bytes, errorText)) {
        err << ErrorLine(path, errorText) << "\n";
        return kExitFailure;
    }
    if (const CFileResult loaded = ReadDocumentBytes(bytes, doc); !loaded.ok) {
        err << ErrorLine(path, loaded.message) << "\n";
        return kExitFailure;
    }

    std::vector<CStudyAxis> axes;
    for (const std::string& spec : specs) {
        CStudyAxis axis;
        bool dataError = false;
        if (std::string error = ReadStudyAxis(spec, doc, axis, dataError); !error.empty()) {
            if (!dataError)
                return UsageError("study", error, err);
            err << ErrorLine(path, error) << "\n";
            return kExitDataErrors;
        }
        for (const CStudyAxis& earlier : axes)
            if (earlier.branchIndex == axis.branchIndex && earlier.column == axis.column)
                return UsageError("study", "--vary " + spec + " varies what --vary " + earlier.spec + " varies", err);
        axes.push_back(axis);
    }
    if (StudyVariantCount(axes) == 0)
        return UsageError("study", std::string("more than ").append(std::to_string(kMaxStudyVariants)).append(" variants"),
                          err);

    if (emit && !emit->empty() && !EmitVariants(bytes, axes, *emit, err))
        return kExitFailure;
    if (!csv || csv->empty())
        return kExitSuccess;

    const std::vector<CStudyOutcome> outcomes = RunWithProgress(bytes, axes, jobs, err);
    std::string text = StudyCsvHeader(doc, axes) + "\n";
    bool dataErrors = false;
    for (const CStudyOutcome& outcome : outcomes) {
        text += outcome.line + "\n";
        for (const std::string& message : outcome.errors)
            err << ErrorLine(path, std::string("variant ")
                                       .append(outcome.line, 0, outcome.line.find(','))
                                       .append(": ")
                                       .append(message))
                << "\n";
        dataErrors = dataErrors || !outcome.errors.empty();
    }
    if (!WriteOutput(*csv, text, out, errorText)) {
        err << ErrorLine(*csv, errorText) << "\n";
        return kExitFailure;
    }
    return dataErrors ? kExitDataErrors : kExitSuccess;
}
