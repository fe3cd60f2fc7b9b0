#include "AllocationCounter.h"
#include "EngineTestSupport.h"
#include "NumberText.h"
#include "SimulationRun.h"
#include "Validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace {
bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

const std::string kWorkerSummary = "Metabolic rate = 200 W/m\u00B2, Skin temperature limit value = 36.00 \u00B0C";
}  // namespace

TEST(Run, SingleBranchRun)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 2);
    CountingView view;
    doc.AddView(&view);
    doc.SetModifiedFlag(false);
    RecordingUi ui;
    ASSERT_TRUE(ExecuteBranchAt(doc, 1, ui));
    CKalvexBranch& branch = doc.BranchAt(1);
    EXPECT_EQ(doc.resultBranch, &branch);
    EXPECT_EQ(doc.graphBranch, &branch);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    EXPECT_EQ(ui.busyBegins, 1);
    EXPECT_EQ(ui.busyEnds, 1);
    EXPECT_TRUE(ui.guardMessages.empty());

    // Value rows, then messages, then the three summary rows.
    ASSERT_EQ(branch.ResultCount(), 14);
    for (int i = 0; i < 11; ++i)
        EXPECT_FALSE(branch.ResultAt(i).isMessage);
    const std::vector<std::string> messages = MessageRows(branch);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(StartsWith(messages[0], "Strata heat totals: sensible heat = "));
    EXPECT_EQ(messages[1], "Other heat totals: sensible heat = 0.00 kW, latent heat = 0.00 kW");
    EXPECT_EQ(messages[2], kWorkerSummary);

    // Outlet values of the run, the pressure in Pa.
    const CResultInterval& last = branch.ResultAt(10);
    EXPECT_NEAR(branch.outletDryBulb, last.dryBulb, 0.005);
    EXPECT_NEAR(branch.outletWetBulb, last.wetBulb, 0.005);
    EXPECT_NEAR(branch.outletPressure, last.pressure * 1000.0, 0.5);
    EXPECT_NEAR(branch.outletMassFlow, 1.1419 * 10.0, 0.001);
    EXPECT_EQ(doc.BranchAt(0).ResultCount(), 0);

    // A second run replaces the rows.
    ASSERT_TRUE(ExecuteBranch(doc, branch, true, ui));
    EXPECT_EQ(branch.ResultCount(), 14);
    doc.RemoveView(&view);
}

TEST(Run, AllocatesPerMessageNotPerInterval)
{
    // The same heat sources and fan on a short and a long branch: the long
    // one marches forty times the intervals with as many allocations.
    auto allocationsOfRun = [](double length) {
        CKalvexDoc doc;
        AddDefaultBranches(doc, 1);
        CKalvexBranch& branch = doc.BranchAt(0);
        branch.length = length;
        for (std::uint8_t kind = 0; kind < 4; ++kind) {
            CHeatSource source;
            source.kind = kind;
            source.location = 20 + 10 * kind;
            source.length() = 10;
            source.sensibleHeat() = 5;
            source.latentHeat() = 5;
            branch.AddHeatSource(source);
        }
        branch.fanReg.location = 60;
        branch.fanReg.pressureChange = 1;
        RecordingUi ui;
        RunBranch(doc, branch, ui);  // the scratch texts get their capacity
        const long before = HeapAllocationCount();
        RunBranch(doc, branch, ui);
        return HeapAllocationCount() - before;
    };
    const long shortRun = allocationsOfRun(100);
    EXPECT_GT(shortRun, 0);
    EXPECT_EQ(allocationsOfRun(4000), shortRun);
}

// A result list that holds exactly the rows of a run (as one opened from a
// file does) is run again in its own block: a new block per branch would
// leave holes no other list fits into. A list too small grows to fit.
TEST(Run, RerunKeepsAnExactResultList)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 1);
    CKalvexBranch& branch = doc.BranchAt(0);
    branch.length = 2000;
    CHeatSource spot;
    spot.kind = CHeatSource::Spot;
    spot.location = 500;
    spot.sensibleHeat() = 50;
    branch.AddHeatSource(spot);
    RecordingUi ui;
    ASSERT_TRUE(RunBranch(doc, branch, ui));
    std::vector<CResultInterval>& rows = branch.ResultList();
    rows.shrink_to_fit();
    const std::size_t count = rows.size();
    const CResultInterval* block = rows.data();
    ASSERT_TRUE(RunBranch(doc, branch, ui));
    EXPECT_EQ(rows.data(), block);
    EXPECT_EQ(rows.size(), count);
    EXPECT_EQ(rows.capacity(), count);

    rows.resize(3);
    rows.shrink_to_fit();
    ASSERT_TRUE(RunBranch(doc, branch, ui));
    EXPECT_EQ(rows.size(), count);
    EXPECT_GE(rows.capacity(), count);
}

TEST(Run, LengthEqualToTheOutputInterval)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 1);
    CKalvexBranch& branch = doc.BranchAt(0);
    branch.length = 20;
    branch.outputInterval = 20;
    CHeatSource spot;
    spot.kind = CHeatSource::Spot;
    spot.location = 5;
    spot.sensibleHeat() = 10;
    spot.latentHeat() = 4;
    branch.AddHeatSource(spot);
    RecordingUi ui;
    ASSERT_TRUE(ExecuteBranchAt(doc, 0, ui));
    ASSERT_EQ(branch.ResultCount(), 6);
    EXPECT_EQ(branch.ResultAt(0).distance, 0.0);
    EXPECT_EQ(branch.ResultAt(1).distance, 20.0);
    EXPECT_FALSE(branch.ResultAt(1).isMessage);
    EXPECT_EQ(branch.ResultAt(2).messageText,
              "Spot heat source at 5 m, sensible heat = 10.00 kW, latent heat = 4.00 kW");
    EXPECT_TRUE(StartsWith(branch.ResultAt(3).messageText, "Strata heat totals: "));
    EXPECT_EQ(branch.ResultAt(4).messageText, "Other heat totals: sensible heat = 10.00 kW, latent heat = 4.00 kW");
    EXPECT_EQ(branch.ResultAt(5).messageText, kWorkerSummary);
    for (int i = 2; i < 6; ++i) {
        EXPECT_TRUE(branch.ResultAt(i).isMessage);
        EXPECT_EQ(branch.ResultAt(i).dryBulb, 0.0);
    }
    // The strata total is the value the row shows, unrounded.
    const double strata = branch.ResultAt(1).strataSensible;
    EXPECT_EQ(branch.ResultAt(3).messageText,
              "Strata heat totals: sensible heat = " + FormatFixed(strata, 2) + " kW, latent heat = 0.00 kW");
}

TEST(Run, SummaryUsesTheDocumentsWorker)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 1);
    CWorkerValues worker = doc.GetWorkerValues();
    worker.metabolicRate = 100;
    doc.SetWorkerValues(worker);
    RecordingUi ui;
    ASSERT_TRUE(ExecuteBranchAt(doc, 0, ui));
    EXPECT_EQ(MessageRows(doc.BranchAt(0)).back(),
              "Metabolic rate = 100 W/m\u00B2, Skin temperature limit value = 35.80 \u00B0C");
}

TEST(Run, RefusedCalls)
{
    CKalvexDoc doc;
    doc.OnNewDocument();
    RecordingUi ui;
    CKalvexBranch stray;
    EXPECT_FALSE(RunBranch(doc, stray, ui));  // no branches in the document
    EXPECT_EQ(stray.ResultCount(), 0);
    EXPECT_FALSE(ExecuteSequence(doc, ui));
    EXPECT_FALSE(ExecuteBranchAt(doc, 0, ui));
    AddDefaultBranches(doc, 1);
    doc.SetModifiedFlag(false);
    EXPECT_FALSE(ExecuteBranchAt(doc, 1, ui));
    EXPECT_FALSE(ExecuteBranchAt(doc, -1, ui));
    // A branch of no document never becomes the shown branch.
    EXPECT_FALSE(ExecuteBranch(doc, stray, true, ui));
    EXPECT_EQ(doc.resultBranch, nullptr);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ui.busyBegins, ui.busyEnds);
}

TEST(Run, SequenceFeedsBranchesFromEarlierOutlets)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 3);
    doc.sequenceMode = true;
    CKalvexBranch& first = doc.BranchAt(0);
    CKalvexBranch& second = doc.BranchAt(1);
    CKalvexBranch& third = doc.BranchAt(2);
    // The first branch keeps its intake whatever its source list holds.
    first.SetSourceBranchIds({second.branchId});
    first.intakeDryBulb = 27;
    second.intakeDryBulb = 35;
    second.intakeWetBulb = 24;
    second.vrtIn = 55;
    third.SetSourceBranchIds({second.branchId});
    CountingView view;
    doc.AddView(&view);
    RecordingUi ui;
    ASSERT_TRUE(ExecuteSequence(doc, ui));
    EXPECT_EQ(first.intakeDryBulb, 27.0);
    EXPECT_EQ(first.intakeWetBulb, 20.0);
    EXPECT_EQ(first.intakePressure, 100.0);
    // The third takes the outlet the second left in this Execute.
    EXPECT_GT(second.outletDryBulb, 35.0);
    EXPECT_EQ(third.intakeDryBulb, RoundDecimals(second.outletDryBulb, 2));
    EXPECT_EQ(third.intakeWetBulb, RoundDecimals(second.outletWetBulb, 2));
    EXPECT_EQ(third.intakePressure, RoundDecimals(second.outletPressure / 1000.0, 3));
    EXPECT_EQ(third.ResultAt(0).dryBulb, third.intakeDryBulb);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ValueRows(doc.BranchAt(i)).size(), 11u);
    // Nothing was shown: both views show the last branch.
    EXPECT_EQ(doc.resultBranch, &third);
    EXPECT_EQ(doc.graphBranch, &third);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    doc.RemoveView(&view);

    // So its own intake is checked before the run, source list or not.
    first.intakePressure = 0;
    ui.dataErrors.clear();
    EXPECT_FALSE(ExecuteSequence(doc, ui));
    ASSERT_EQ(ui.dataErrors.size(), 1u);
    EXPECT_EQ(ui.dataErrors[0], std::vector<std::string>{"1 - Sample: Intake pressure must be greater than zero."});
}

TEST(Run, SequenceKeepsTheShownBranches)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 3);
    doc.resultBranch = &doc.BranchAt(0);
    RecordingUi ui;
    ASSERT_TRUE(ExecuteSequence(doc, ui));
    EXPECT_EQ(doc.resultBranch, &doc.BranchAt(0));
    EXPECT_EQ(doc.graphBranch, &doc.BranchAt(2));
}

TEST(Run, LaterSourceContributesItsPreviousOutlet)
{
    CKalvexDoc doc;
    AddDefaultBranches(doc, 3);
    CKalvexBranch& fed = doc.BranchAt(1);
    CKalvexBranch& later = doc.BranchAt(2);
    fed.SetSourceBranchIds({later.branchId});
    RecordingUi ui;
    ASSERT_TRUE(ExecuteBranchAt(doc, 2, ui));
    const double previousDryBulb = later.outletDryBulb;
    const double previousPressure = later.outletPressure;
    // The later branch changes; the sequence runs it only after the fed one.
    later.intakeDryBulb = 60;
    later.intakeWetBulb = 30;
    ASSERT_TRUE(ExecuteSequence(doc, ui));
    EXPECT_EQ(fed.intakeDryBulb, RoundDecimals(previousDryBulb, 2));
    EXPECT_EQ(fed.intakePressure, RoundDecimals(previousPressure / 1000.0, 3));
    EXPECT_GT(later.outletDryBulb, previousDryBulb + 5.0);
}

TEST(Run, MessageTextsDoNotFollowTheLocale)
{
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen)
        GTEST_SKIP() << "No locale with a decimal comma could be loaded (generate de_DE.UTF-8 with localedef "
                        "into LOCPATH); locale independence not checked here.";
    const bool comma = std::string(std::localeconv()->decimal_point) == ",";
    CKalvexDoc doc;
    AddDefaultBranches(doc, 1);
    CKalvexBranch& branch = doc.BranchAt(0);
    branch.fanReg.location = 50;
    branch.fanReg.pressureChange = 0.5;
    branch.fanReg.sensibleHeat = 20;
    RecordingUi ui;
    const bool ran = ExecuteBranchAt(doc, 0, ui);
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(comma) << chosen;
    ASSERT_TRUE(ran);
    const std::vector<std::string> messages = MessageRows(branch);
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0], "Fan/Reg object at 50 m, pressure = 0.500 kPa, sensible heat = 20.00 kW");
    EXPECT_EQ(messages[2], "Other heat totals: sensible heat = 20.00 kW, latent heat = 0.00 kW");
    EXPECT_EQ(messages[3], kWorkerSummary);
}

namespace {

// Deterministic random inputs within the ranges the input fields accept,
// with the range ends and small values drawn often.
class InputSource {
public:
    explicit InputSource(std::uint64_t seed) : generator(seed) {}
    double Uniform() { return static_cast<double>(generator() >> 11) * 0x1.0p-53; }
    double Between(double low, double high) { return low + (high - low) * Uniform(); }
    double Value(double low, double high)
    {
        const double r = Uniform();
        if (r < 0.1)
            return low;
        if (r < 0.2)
            return high;
        if (r < 0.5)
            return low + (high - low) * std::pow(Uniform(), 4.0);
        return Between(low, high);
    }
    double Rounded(double low, double high, int decimals)
    {
        return std::clamp(RoundDecimals(Value(low, high), decimals), low, high);
    }
    int Index(int count) { return static_cast<int>(Uniform() * count); }

private:
    std::mt19937_64 generator;
};

void FillBranch(CKalvexBranch& b, InputSource& in)
{
    b.length = in.Rounded(2, 4000, 0);
    b.outputInterval = in.Rounded(2, std::min(1000.0, b.length), 0);
    b.depthIn = in.Rounded(0, 20000, 0);
    const double change = in.Rounded(0, b.length, 0) * (in.Uniform() < 0.5 ? -1.0 : 1.0);
    b.depthOut = std::clamp(b.depthIn + change, 0.0, 20000.0);
    b.area = in.Rounded(0.1, 1000, 2);
    const double minimum = 2.0 * std::sqrt(3.141592654 * b.area);
    b.perimeter = std::min(1000.0, std::ceil(minimum * in.Value(1.0, 8.0) * 100.0) / 100.0);
    if (b.perimeter < minimum)  // a very large area: make it fit
        b.area = RoundDecimals(b.perimeter * b.perimeter / (4.0 * 3.141592654) - 0.01, 2);
    b.frictionFactor = in.Rounded(0, 1, 4);
    b.wetness = in.Rounded(0, 1, 2);
    b.ageIn = in.Rounded(0, 36500, 0);
    b.ageOut = in.Rounded(0, 36500, 0);
    b.intakeQuantity = in.Rounded(0.1, 10000, 2);
    b.intakePressure = in.Rounded(40, 300, 3);
    b.intakeDryBulb = in.Rounded(0, 120, 2);
    b.intakeWetBulb = std::min(b.intakeDryBulb, in.Rounded(0, 100, 2));
    b.vrtIn = in.Rounded(0, 1000, 1);
    b.geothermalStep = in.Rounded(1, 1000, 0);
    b.rockConductivity = in.Rounded(0.001, 500, 3);
    b.rockDiffusivity = in.Rounded(0.001, 50, 3);
    const int sources = in.Index(5);
    for (int s = 0; s < sources; ++s) {
        CHeatSource h;
        h.kind = static_cast<std::uint8_t>(in.Index(4));
        h.location = std::floor(in.Between(0, b.length));
        if (h.kind == CHeatSource::Spot || h.kind == CHeatSource::Linear) {
            if (h.kind == CHeatSource::Linear)
                h.length() = std::floor(in.Between(0, b.length - h.location));
            h.sensibleHeat() = in.Rounded(-10000, 10000, 2);
            h.latentHeat() = in.Rounded(-10000, 10000, 2);
        } else {
            h.power() = in.Rounded(0, 10000, 2);
            h.utilization() = in.Rounded(0, 100, 1);
            if (h.kind == CHeatSource::Diesel)
                h.waterFuelRatio() = in.Rounded(0, 100, 1);
        }
        b.AddHeatSource(h);
    }
    if (in.Uniform() < 0.5) {
        b.fanReg.location = std::floor(in.Between(0, b.length - 1));
        b.fanReg.pressureChange = in.Rounded(-20, 20, 3);
        b.fanReg.sensibleHeat = in.Rounded(0, 5000, 2);
    }
    b.addedQuantity = in.Uniform() < 0.5 ? 0.0 : in.Rounded(0, 100, 2);
    b.addedDryBulb = in.Rounded(0, 120, 2);
    b.addedWetBulb = std::min(b.addedDryBulb, in.Rounded(0, 100, 2));
}

void FillWorker(CKalvexDoc& doc, InputSource& in)
{
    CWorkerValues worker;
    worker.metabolicRate = static_cast<int>(in.Rounded(40, 400, 0));
    worker.clothingResistance = in.Rounded(0, 0.5, 3);
    worker.areaFactor = in.Rounded(1, 2, 2);
    worker.vapourPermeability = in.Rounded(0.1, 1, 2);
    worker.bodyViewFactor = in.Rounded(0.6, 0.9, 2);
    doc.SetWorkerValues(worker);
}

bool ShowsNumber(const std::string& text)
{
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

// Every row of a run branch is a number or a text without nan and inf, and
// a run that marched ends with its three summary rows.
void ExpectSoundResults(const CKalvexBranch& branch)
{
    for (const CResultInterval& row : branch.ResultList()) {
        if (row.isMessage) {
            EXPECT_TRUE(ShowsNumber(row.messageText)) << row.messageText;
            continue;
        }
        for (std::uint16_t id = 101; id <= 117; ++id) {
            double value = 0.0;
            ASSERT_TRUE(row.GetColumnValue(id, value));
            EXPECT_TRUE(std::isfinite(value)) << "column " << id << " at " << row.distance;
            std::string text;
            ASSERT_TRUE(row.GetColumnText(id, text));
            EXPECT_TRUE(ShowsNumber(text)) << text;
        }
    }
    const int count = branch.ResultCount();
    if (count > 1) {
        EXPECT_TRUE(StartsWith(branch.ResultAt(count - 3).messageText, "Strata heat totals: "));
        EXPECT_TRUE(StartsWith(branch.ResultAt(count - 2).messageText, "Other heat totals: "));
        EXPECT_TRUE(StartsWith(branch.ResultAt(count - 1).messageText, "Metabolic rate = "));
    }
    EXPECT_TRUE(std::isfinite(branch.outletDryBulb) && std::isfinite(branch.outletWetBulb) &&
                std::isfinite(branch.outletPressure) && std::isfinite(branch.outletMassFlow));
}

}  // namespace

TEST(Run, RandomValidBranchesNeverShowNanOrInf)
{
    InputSource in(20240611);
    int run = 0;
    for (int attempt = 0; attempt < 600; ++attempt) {
        CKalvexDoc doc;
        AddDefaultBranches(doc, 1);
        FillWorker(doc, in);
        CKalvexBranch& branch = doc.BranchAt(0);
        FillBranch(branch, in);
        std::vector<std::string> errors;
        if (!ValidateBranch(branch, errors, -1))
            continue;  // e.g. a wet bulb too low for its dry bulb
        RecordingUi ui;
        SCOPED_TRACE(attempt);
        ASSERT_TRUE(ExecuteBranchAt(doc, 0, ui));
        ASSERT_TRUE(ui.dataErrors.empty());
        ASSERT_GE(branch.ResultCount(), 4);
        ExpectSoundResults(branch);
        for (const std::string& text : ui.guardMessages)
            EXPECT_TRUE(ShowsNumber(text));
        ++run;
    }
    EXPECT_GT(run, 300);
}

TEST(Run, RandomValidSequencesNeverShowNanOrInf)
{
    InputSource in(77);
    int sequences = 0;
    for (int attempt = 0; attempt < 60; ++attempt) {
        CKalvexDoc doc;
        const int n = 2 + in.Index(5);
        AddDefaultBranches(doc, n);
        doc.sequenceMode = true;
        FillWorker(doc, in);
        for (int i = 0; i < n; ++i) {
            CKalvexBranch& branch = doc.BranchAt(i);
            FillBranch(branch, in);
            std::vector<std::uint16_t> ids;
            for (int s = 0; s < n; ++s)
                if (s != i && in.Uniform() < 0.4)
                    ids.push_back(doc.BranchAt(s).branchId);
            if (in.Uniform() < 0.1)
                ids.push_back(999);  // a deleted branch
            branch.SetSourceBranchIds(ids);
        }
        std::vector<std::string> errors;
        bool valid = true;
        for (int i = 0; i < n; ++i) {
            const CKalvexBranch& branch = doc.BranchAt(i);
            bool mixed = false;
            for (std::uint16_t id : branch.SourceBranchIds())
                mixed = mixed || (i > 0 && doc.FindBranchIndex(id) >= 0);
            valid = ValidateBranch(branch, errors, i, mixed) && valid;
        }
        if (!valid)
            continue;
        RecordingUi ui;
        SCOPED_TRACE(attempt);
        // Twice: the second run mixes outlets the first one left.
        for (int pass = 0; pass < 2; ++pass) {
            ASSERT_TRUE(ExecuteSequence(doc, ui));
            ASSERT_TRUE(ui.dataErrors.empty());
            for (int i = 0; i < n; ++i)
                ExpectSoundResults(doc.BranchAt(i));
        }
        ++sequences;
    }
    EXPECT_GT(sequences, 10);
}
