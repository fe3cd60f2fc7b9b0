#include "ExampleDocuments.h"

#include "KalvexDoc.h"
#include "RunUi.h"
#include "SimulationRun.h"

#include <utility>

namespace {

// Branch inputs by column id, rounded as the columns store them.
struct Input {
    std::uint16_t column;
    double value;
};

CKalvexBranch& AddBranch(CKalvexDoc& doc, const std::string& name, const std::string& description,
                         std::initializer_list<Input> inputs)
{
    doc.InsertNewBranch(doc.BranchCount());
    CKalvexBranch& branch = doc.BranchAt(doc.BranchCount() - 1);
    branch.SetColumnText(1, name);
    branch.SetColumnText(20, description);
    for (const Input& input : inputs)
        branch.SetColumnValue(input.column, input.value);
    return branch;
}

// A heat source as the heat source lists build it from their cell texts.
void AddSource(CKalvexBranch& branch, int kind, std::vector<std::string> texts)
{
    branch.AddHeatSource(CHeatSource(kind, texts));
}

void SetFan(CKalvexBranch& branch, double location, double pressureKpa, double heatKw, std::string text)
{
    branch.fanReg.location = location;
    branch.fanReg.pressureChange = pressureKpa;
    branch.fanReg.sensibleHeat = heatKw;
    branch.fanReg.description = std::move(text);
}

class CCollectingUi : public IRunUi {
public:
    explicit CCollectingUi(std::vector<std::string>& sink) : messages(sink) {}
    void ShowGuardMessage(const std::string& text) override
    {
        messages.push_back(text);
        ok = false;
    }
    void ShowDataErrors(const std::vector<std::string>& errors) override
    {
        messages.insert(messages.end(), errors.begin(), errors.end());
        ok = false;
    }
    bool ok = true;

private:
    std::vector<std::string>& messages;
};

}  // namespace

void BuildHaulageDrift(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    CKalvexBranch& drift = AddBranch(doc, "12 Level haulage", "Main haulage drift, shaft to east orepasses",
                                     {{19, 50},
                                      {6, 1500},
                                      {7, 820},
                                      {8, 820},
                                      {9, 22.5},
                                      {10, 19.4},
                                      {11, 0.012},
                                      {12, 0.1},
                                      {13, 1460},
                                      {14, 365},
                                      {5, 65},
                                      {4, 107.845},
                                      {2, 27.5},
                                      {3, 20.8},
                                      {15, 44.6},
                                      {16, 42},
                                      {17, 3.6},
                                      {18, 1.55}});
    AddSource(drift, CHeatSource::Diesel, {"250", "220.00", "55.0", "1.5", "LHD loading at 12-E1 orepass"});
    AddSource(drift, CHeatSource::Diesel, {"900", "300.00", "45.0", "1.0", "Haul truck"});
    AddSource(drift, CHeatSource::Electric, {"600", "160.00", "80.0", "Conveyor drive"});
    AddSource(drift, CHeatSource::Electric, {"1250", "75.00", "70.0", "Dewatering pump"});
    SetFan(drift, 1000, 1.25, 85.0, "Booster fan 12-BF1");
}

void BuildHotDecline(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    CKalvexBranch& decline = AddBranch(doc, "Main decline 1500-1780", "Inclined decline, 1:7, into hot wet rock",
                                       {{19, 100},
                                        {6, 2000},
                                        {7, 1500},
                                        {8, 1780},
                                        {9, 30.25},
                                        {10, 21.5},
                                        {11, 0.014},
                                        {12, 1.0},
                                        {13, 10},
                                        {14, 3},
                                        {5, 25},
                                        {4, 116.25},
                                        {2, 32.0},
                                        {3, 31.5},
                                        {15, 68.0},
                                        {16, 38},
                                        {17, 4.8},
                                        {18, 2.25}});
    AddSource(decline, CHeatSource::Linear, {"800", "1100", "60.00", "40.00", "Wet broken rock on conveyor"});
    AddSource(decline, CHeatSource::Spot, {"1950", "50.00", "35.00", "Face cooling water sprays"});
    doc.SetWorkerValues({1.0, 0.75, 250, 0.05, 0.45});
}

void BuildFiveBranchSequence(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    CKalvexBranch& shaft = AddBranch(doc, "Intake shaft", "6 m concrete-lined shaft, surface to 1000 L",
                                     {{19, 50}, {6, 1000}, {7, 0}, {8, 1000}, {9, 28.27}, {10, 19.0},
                                      {11, 0.004}, {12, 0.05}, {13, 7300}, {14, 7300}, {5, 150},
                                      {4, 86.5}, {2, 24.0}, {3, 15.5}, {15, 22.0}, {16, 45},
                                      {17, 3.2}, {18, 1.45}});
    CKalvexBranch& station = AddBranch(doc, "1000 L station", "Shaft station crosscut",
                                       {{19, 25}, {6, 300}, {7, 1000}, {8, 1000}, {9, 30.0}, {10, 22.0},
                                        {11, 0.01}, {12, 0.1}, {13, 3650}, {14, 3650}, {5, 80},
                                        {15, 44.2}, {16, 45}, {17, 3.2}, {18, 1.45}});
    station.SetSourceBranchIds({shaft.branchId});
    CKalvexBranch& east = AddBranch(doc, "1000 L east drive", "Development drive to the east block",
                                    {{19, 50}, {6, 650}, {7, 1000}, {8, 1000}, {9, 20.0}, {10, 18.0},
                                     {11, 0.012}, {12, 0.2}, {13, 400}, {14, 30}, {5, 70},
                                     {15, 44.2}, {16, 45}, {17, 3.4}, {18, 1.5}});
    east.SetSourceBranchIds({shaft.branchId});
    AddSource(east, CHeatSource::Diesel, {"500", "180.00", "50.0", "1.2", "Development jumbo"});
    CKalvexBranch& ramp = AddBranch(doc, "Ramp to 1100 L", "Ramp with air from the bulk air cooler",
                                    {{19, 50}, {6, 800}, {7, 1000}, {8, 1100}, {9, 25.0}, {10, 20.0},
                                     {11, 0.012}, {12, 0.3}, {13, 900}, {14, 200}, {5, 90},
                                     {15, 44.2}, {16, 45}, {17, 3.4}, {18, 1.5},
                                     {303, 10}, {304, 8.5}, {305, 7.0}});
    ramp.SetSourceBranchIds({station.branchId});
    AddSource(ramp, CHeatSource::Electric, {"400", "110.00", "75.0", "Ramp conveyor"});
    SetFan(ramp, 100, 0.8, 45.0, "Cooler fan");
    CKalvexBranch& raise = AddBranch(doc, "Return raise", "Return air raise to the upcast shaft",
                                     {{19, 50}, {6, 1200}, {7, 1100}, {8, 300}, {9, 12.57}, {10, 12.6},
                                      {11, 0.006}, {12, 0.4}, {13, 5000}, {14, 5000}, {5, 160},
                                      {15, 48.1}, {16, 45}, {17, 3.4}, {18, 1.5}});
    raise.SetSourceBranchIds({ramp.branchId, east.branchId});
    doc.sequenceMode = true;
}

const std::vector<CExampleDocument>& ExampleDocuments()
{
    static const std::vector<CExampleDocument> examples = {
        {"haulage-drift.zt2", &BuildHaulageDrift},
        {"hot-decline.zt2", &BuildHotDecline},
        {"five-branch-sequence.zt2", &BuildFiveBranchSequence},
    };
    return examples;
}

bool RunExample(CKalvexDoc& doc, std::vector<std::string>& messages)
{
    CCollectingUi ui(messages);
    if (doc.sequenceMode)
        ExecuteSequence(doc, ui);
    else
        for (int i = 0; i < doc.BranchCount(); ++i)
            ExecuteBranchAt(doc, i, ui);
    return ui.ok;
}
