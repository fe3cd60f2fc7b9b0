#pragma once
// The program's commands by their resource numbers. The main window has one
// action per command; the active view says whether a command is available
// or checked and runs it.
namespace Cmd {
enum Id : int {
    // File
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    PageSetup = 57605,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    RecentFile1 = 57616,
    Exit = 57665,
    // Edit
    Copy = 57634,
    Paste = 57637,
    Find = 57636,
    FindAgain = 57640,
    Replace = 57641,
    Undo = 57643,
    Redo = 57644,
    // Window and help
    ArrangeIcons = 57649,
    Cascade = 57650,
    Tile = 57651,
    About = 57664,
    HelpIndex = 57666,
    UsingHelp = 57668,
    ContextHelp = 57669,
    Help = 57670,
    NextPane = 57680,
    PreviousPane = 57681,
    Toolbar = 59392,
    StatusBar = 59393,
    // Branch
    InsertBranches = 32771,
    AddBranch = 32772,
    DeleteBranches = 32773,
    Units = 32774,
    Columns = 32775,
    TableProperties = 32776,
    BranchProperties = 32777,
    Zoom100 = 32778,
    ViewBranchTable = 32779,
    FreezeColumns = 32780,
    ViewResultsTable = 32781,
    UnfreezeColumns = 32782,
    Execute = 32783,
    ViewGraphs = 32784,
    SelectBranch = 32785,
    ZoomIn = 32804,
    ZoomOut = 32805,
    HeatSources = 32807,
    FanReg = 32808,
    AirSources = 32809,
    ViewAirSourceTable = 32810,
    SequenceMode = 32811,
    WorkerDescription = 32812,
    NextBranch = 32815,
    PreviousBranch = 32816,
    ViewHeatSourceTable = 32818,
    PrintBranchForm = 32819,
    GraphPresentation = 32820,
    // The graph or the results to a file for reports.
    Export = 32830,
    // Design answers for the current branch.
    RequiredQuantity = 32831,
    RequiredCooling = 32832,
    // The heat stress of a workplace reading, beside the documents.
    HeatStressCalculator = 32833,
};
}  // namespace Cmd

// What a view offers the main window's actions.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // Whether the view handles the command at all; commands it does not
    // handle are unavailable while it is active.
    virtual bool HandlesCommand(int id) const = 0;
    virtual bool IsCommandEnabled(int id) const = 0;
    virtual bool IsCommandChecked(int id) const { (void)id; return false; }
    // Runs the command; false when it did nothing.
    virtual bool RunCommand(int id) = 0;
};
