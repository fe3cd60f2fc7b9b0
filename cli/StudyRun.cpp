#include "StudyRun.h"

#include "KalvexDoc.h"
#include "NumberText.h"
#include "ResultTwl.h"
#include "RunUi.h"
#include "SimulationRun.h"
#include "archive/DocumentFile.h"

#include <algorithm>
#include <thread>

namespace {

// Keeps the data errors; the dry-bulb guard's messages are left out, as the
// run goes on past them.
class CStudyRunUi : public IRunUi {
public:
    void ShowGuardMessage(const std::string& /*text*/) override {}
    void ShowDataErrors(const std::vector<std::string>& messages) override
    {
        errors.insert(errors.end(), messages.begin(), messages.end());
    }
    std::vector<std::string> errors;
};

// Two CSV fields, each after a comma. Appended rather than concatenated:
// GCC 12 at -O3 warns (-Wrestrict) on a literal put before a temporary.
std::string Cells(const std::string& first, const std::string& second)
{
    return std::string(",").append(first).append(",").append(second);
}

// The lowest thermal work limit over the value rows (the worst for the
// worker) as the results table shows it, and the distance where it is first
// reached; empty texts without value rows.
std::string LowestTwlCells(const CKalvexDoc& doc, const CKalvexBranch& branch)
{
    const CResultTwl twl(doc, branch);
    const CResultInterval* lowest = nullptr;
    TwlResult lowestValue;
    for (const CResultInterval& row : branch.ResultList()) {
        if (row.isMessage)
            continue;
        const TwlResult value = twl.At(row);
        if (!lowest || value.value < lowestValue.value) {
            lowest = &row;
            lowestValue = value;
        }
    }
    if (!lowest)
        return ",,";
    return Cells(CResultTwl::Text(lowestValue), FormatFixed(lowest->distance, 0));
}

// The highest value of a result column over the value rows, and the
// distance where it is first reached; empty texts without value rows.
std::string WorstCells(const CKalvexBranch& branch, double CResultInterval::*member)
{
    const CResultInterval* worst = nullptr;
    for (const CResultInterval& row : branch.ResultList())
        if (!row.isMessage && (!worst || row.*member > worst->*member))
            worst = &row;
    if (!worst)
        return ",,";
    return Cells(FormatFixed(worst->*member, 2), FormatFixed(worst->distance, 0));
}

std::string CsvText(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

CStudyOutcome RunVariant(const std::vector<std::uint8_t>& bytes, const std::vector<CStudyAxis>& axes,
                         std::size_t variant)
{
    CStudyOutcome outcome;
    CKalvexDoc doc;
    if (!ReadDocumentBytes(bytes, doc).ok) {
        outcome.errors.push_back(kUnexpectedFormatText);
        return outcome;
    }
    ApplyStudyVariant(doc, axes, variant);
    CStudyRunUi ui;
    if (doc.sequenceMode) {
        ExecuteSequence(doc, ui);
    } else {
        for (int i = 0; i < doc.BranchCount(); ++i)
            ExecuteBranchAt(doc, i, ui);
    }
    outcome.errors = std::move(ui.errors);

    outcome.line = std::to_string(variant + 1);
    for (const CStudyAxis& axis : axes) {
        std::string text;
        doc.BranchAt(axis.branchIndex).GetColumnText(axis.column, text);
        outcome.line += ',';
        outcome.line += text;
    }
    for (int i = 0; i < doc.BranchCount(); ++i) {
        const CKalvexBranch& branch = doc.BranchAt(i);
        const bool ran = branch.ResultCount() > 0 && outcome.errors.empty();
        outcome.line += ran ? Cells(FormatFixed(branch.outletDryBulb, 2), FormatFixed(branch.outletWetBulb, 2)) : ",,";
        for (double CResultInterval::*member :
             {&CResultInterval::meanSkinTemp, &CResultInterval::wbgt, &CResultInterval::effectiveTemp})
            outcome.line += ran ? WorstCells(branch, member) : ",,";
        outcome.line += ran ? LowestTwlCells(doc, branch) : ",,";
    }
    return outcome;
}

}  // namespace

std::string StudyCsvHeader(const CKalvexDoc& doc, const std::vector<CStudyAxis>& axes)
{
    std::string header = "variant";
    for (const CStudyAxis& axis : axes) {
        header += ',';
        header += CsvText(std::to_string(axis.branchIndex + 1).append(":").append(axis.key));
    }
    for (int i = 0; i < doc.BranchCount(); ++i) {
        const std::string n = std::to_string(i + 1) + " ";
        for (const char* name : {"outlet dry bulb", "outlet wet bulb", "worst MST", "worst MST distance",
                                 "worst WBGT", "worst WBGT distance", "worst ET", "worst ET distance", "lowest TWL",
                                 "lowest TWL distance"})
            header.append(",").append(n).append(name);
    }
    return header;
}

std::vector<CStudyOutcome> RunStudy(const std::vector<std::uint8_t>& bytes, const std::vector<CStudyAxis>& axes,
                                    unsigned jobs, std::atomic<std::size_t>& done)
{
    const std::size_t count = StudyVariantCount(axes);
    std::vector<CStudyOutcome> outcomes(count);
    std::atomic<std::size_t> next{0};
    // Each thread takes the next variant not yet taken and writes only its
    // own outcome.
    auto work = [&]() {
        for (std::size_t v = next++; v < count; v = next++) {
            try {
                outcomes[v] = RunVariant(bytes, axes, v);
            } catch (const std::exception&) {
                outcomes[v].line = std::to_string(v + 1);
                outcomes[v].errors.push_back("the variant could not be run (out of memory)");
            }
            ++done;
        }
    };
    const unsigned threads = static_cast<unsigned>(std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(count, 1)));
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
    return outcomes;
}
