#include "CommandTable.h"

#include "CommandIds.h"

namespace {

QKeySequence Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    return QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(key)));
}

QList<CCommandInfo> MakeTable()
{
    using Qt::ControlModifier;
    using Qt::ShiftModifier;
    using Qt::AltModifier;
    return {
        {Cmd::FileNew, "&New\tCtrl+N", "Create a new document", "New", {Key(Qt::Key_N, ControlModifier)}},
        {Cmd::FileOpen, "&Open...\tCtrl+O", "Open an existing document", "Open", {Key(Qt::Key_O, ControlModifier)}},
        {Cmd::FileClose, "&Close", "Close the active document", "Close", {}},
        {Cmd::FileSave, "&Save\tCtrl+S", "Save the active document", "Save", {Key(Qt::Key_S, ControlModifier)}},
        {Cmd::FileSaveAs, "Save &As...", "Save the active document with a new name", "Save As", {}},
        {Cmd::Print, "&Print Active View...\tCtrl+P", "Print the active document", "Print",
         {Key(Qt::Key_P, ControlModifier)}},
        {Cmd::PrintPreview, "Print Pre&view", "Display full pages", "Print Preview", {}},
        {Cmd::PrintSetup, "P&rint Setup...", "Change the printer and printing options", "Print Setup", {}},
        {Cmd::PageSetup, "Page Set&up...", "Change the page margins and printing options", "Page Setup", {}},
        {Cmd::Export, "&Export...", "Save the view as a picture or a table for other programs", "Export", {}},
        {Cmd::PrintBranchForm, "Print &Branch Form...", "Print branch input data in form format", "", {}},
        {Cmd::Exit, "E&xit", "Quit the application; prompts to save documents", "Exit", {}},
        {Cmd::Undo, "&Undo\tCtrl+Z", "Undo the last action", "Undo",
         {Key(Qt::Key_Z, ControlModifier), Key(Qt::Key_Backspace, AltModifier)}},
        {Cmd::Redo, "&Redo\tCtrl+R", "Redo the previously undone action", "Redo", {Key(Qt::Key_R, ControlModifier)}},
        {Cmd::Copy, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard", "Copy",
         {Key(Qt::Key_C, ControlModifier), Key(Qt::Key_Insert, ControlModifier)}},
        {Cmd::Paste, "&Paste\tCtrl+V", "Insert Clipboard contents", "Paste",
         {Key(Qt::Key_V, ControlModifier), Key(Qt::Key_Insert, ShiftModifier)}},
        {Cmd::Find, "&Find...\tAlt+F3", "Find the specified text", "Find", {Key(Qt::Key_F3, AltModifier)}},
        {Cmd::Replace, "R&eplace...\tCtrl+F3", "Replace specific text with different text", "Replace",
         {Key(Qt::Key_F3, ControlModifier)}},
        {Cmd::FindAgain, "&Find Again\tF3", "Repeat the last action", "Find Again", {Key(Qt::Key_F3)}},
        {Cmd::AddBranch, "&Add Branch\tCtrl+Enter", "Add a branch to the end of the table", "",
         {Key(Qt::Key_Return, ControlModifier), Key(Qt::Key_Enter, ControlModifier | Qt::KeypadModifier)}},
        {Cmd::InsertBranches, "&Insert Branches\tCtrl+I", "Insert branches above the current selection", "",
         {Key(Qt::Key_I, ControlModifier)}},
        {Cmd::DeleteBranches, "&Delete Branches\tCtrl+D", "Delete the selected branches", "",
         {Key(Qt::Key_D, ControlModifier)}},
        {Cmd::BranchProperties, "&Properties...\tF9", "Display and edit the properties of the current branch",
         "Properties", {Key(Qt::Key_F9)}},
        {Cmd::HeatSources, "&Heat Sources...\tCtrl+H", "Display and edit heat sources in the current branch",
         "Heat Source", {Key(Qt::Key_H, ControlModifier)}},
        {Cmd::FanReg, "&Fan/Reg...\tCtrl+F", "Specify fan, regulator, or other pressure gain/loss in branch", "Fan",
         {Key(Qt::Key_F, ControlModifier)}},
        {Cmd::AirSources, "Air &Sources...\tCtrl+A", "View and edit inlet air sources for the current branch",
         "Air Source", {Key(Qt::Key_A, ControlModifier)}},
        {Cmd::SelectBranch, "&Select\tF8", "Select branch to display", "", {Key(Qt::Key_F8)}},
        {Cmd::NextBranch, "&Next\tCtrl+F8", "Display the next branch", "Next", {Key(Qt::Key_F8, ControlModifier)}},
        {Cmd::PreviousBranch, "Pre&vious\tShift+F8", "Display the previous branch", "Previous",
         {Key(Qt::Key_F8, ShiftModifier)}},
        {Cmd::ViewBranchTable, "&Branch Table", "Display the branch table", "", {}},
        {Cmd::ViewResultsTable, "&Results Table", "Display the results table", "", {}},
        {Cmd::ViewGraphs, "&Graphs", "Display graph view", "", {}},
        {Cmd::ViewAirSourceTable, "&Air Source Table", "Display intake air source table", "", {}},
        {Cmd::ViewHeatSourceTable, "&Heat Source Table", "Display heat source summary table", "", {}},
        {Cmd::ZoomIn, "Zoom &In", "Increase the zooming-factor", "Zoom In", {}},
        {Cmd::ZoomOut, "Zoom &Out", "Decrease the zooming-factor", "Zoom Out", {}},
        {Cmd::Zoom100, "&Zoom 100%", "Restore view to original metrics", "Zoom 100%", {}},
        {Cmd::FreezeColumns, "&Freeze Columns", "Freeze columns left of active cell", "", {}},
        {Cmd::UnfreezeColumns, "Un&freeze Columns", "Unfreeze columns", "", {}},
        {Cmd::Columns, "&Columns...", "Select columns to display in the view", "", {}},
        {Cmd::TableProperties, "&Properities...", "Change how the table is displayed", "Properties", {}},
        {Cmd::Units, "&Units", "Show/hide units", "", {}, true},
        {Cmd::Toolbar, "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar", {}, true},
        {Cmd::StatusBar, "&Status Bar", "Show or hide the status bar", "Toggle StatusBar", {}, true},
        {Cmd::GraphPresentation, "&Presentation...", "Change how the graphs are presented", "", {}},
        {Cmd::Execute, "&Execute\tF10", "Execute the climatic simulation", "Execute", {Key(Qt::Key_F10)}},
        {Cmd::SequenceMode, "&Sequence Mode", "Toggle sequence mode on/off", "", {}, true},
        {Cmd::WorkerDescription, "&Worker Description...", "Define worker clothing, activity level...", "", {}},
        {Cmd::RequiredQuantity, "Re&quired Air Quantity...",
         "Find the least intake air that keeps the current branch within a heat-stress limit", "", {}},
        {Cmd::RequiredCooling, "Required &Cooling...",
         "Find the least spot cooling that keeps the current branch within a heat-stress limit", "", {}},
        {Cmd::HeatStressCalculator, "&Heat Stress Calculator...",
         "Rate the heat stress of a workplace reading: thermal work limit, WBGT and more", "", {}},
        {Cmd::Cascade, "&Cascade", "Arrange windows so they overlap", "Cascade Windows", {}},
        {Cmd::Tile, "&Tile", "Arrange windows as non-overlapping tiles", "Tile Windows", {}},
        {Cmd::ArrangeIcons, "&Arrange Icons", "Arrange icons at the bottom of the window", "Arrange Icons", {}},
        {Cmd::NextPane, "Next Window", "Switch to the next window pane", "Next Pane", {Key(Qt::Key_F6), Key(Qt::Key_Tab, ControlModifier)}},
        {Cmd::PreviousPane, "Previous Window", "Switch back to the previous window pane", "Previous Pane",
         {Key(Qt::Key_F6, ShiftModifier), Key(Qt::Key_Backtab, ControlModifier | ShiftModifier)}},
        {Cmd::Help, "&Help\tF1", "List Help topics", "Help Topics", {Key(Qt::Key_F1)}},
        {Cmd::HelpIndex, "&Index", "Opens Help", "Help Topics", {}},
        {Cmd::UsingHelp, "&Using Help", "Display instructions about how to use help", "Help", {}},
        {Cmd::ContextHelp, "Context Help", "Display help for clicked on buttons, menus and windows", "Help",
         {Key(Qt::Key_F1, ShiftModifier)}},
        {Cmd::About, "&About Kalvex...", "Display program information, version number and copyright", "About", {}},
    };
}

}  // namespace

const QList<CCommandInfo>& CommandTable()
{
    static const QList<CCommandInfo> table = MakeTable();
    return table;
}

const CCommandInfo* FindCommand(int id)
{
    for (const CCommandInfo& info : CommandTable())
        if (info.id == id)
            return &info;
    return nullptr;
}

QList<CMenuLayout> MenuLayout(ViewKind kind)
{
    const CMenuLayout fileFull{"&File",
                               {Cmd::FileNew, Cmd::FileOpen, Cmd::FileClose, Cmd::FileSave, Cmd::FileSaveAs,
                                kSeparator, Cmd::Print, Cmd::PrintPreview, Cmd::PrintSetup, Cmd::PageSetup,
                                Cmd::PrintBranchForm, kSeparator, kRecentFiles, kSeparator, Cmd::Exit}};
    const CMenuLayout editFull{"&Edit",
                               {Cmd::Undo, Cmd::Redo, kSeparator, Cmd::Copy, Cmd::Paste, kSeparator, Cmd::Find,
                                Cmd::Replace, Cmd::FindAgain}};
    const QList<int> branchDialogs{Cmd::BranchProperties, Cmd::HeatSources, Cmd::FanReg, Cmd::AirSources};
    const QList<int> viewSwitches{Cmd::ViewBranchTable, Cmd::ViewResultsTable, Cmd::ViewGraphs,
                                  Cmd::ViewAirSourceTable, Cmd::ViewHeatSourceTable};
    const CMenuLayout viewFull{"&View",
                               viewSwitches + QList<int>{kSeparator, Cmd::ZoomIn, Cmd::ZoomOut, Cmd::Zoom100,
                                                         kSeparator, Cmd::FreezeColumns, Cmd::UnfreezeColumns,
                                                         Cmd::Columns, Cmd::TableProperties, kSeparator, Cmd::Units,
                                                         Cmd::Toolbar, Cmd::StatusBar}};
    const CMenuLayout tools{"&Tools", {Cmd::Execute, Cmd::SequenceMode, Cmd::WorkerDescription, kSeparator,
                                       Cmd::RequiredQuantity, Cmd::RequiredCooling, kSeparator,
                                       Cmd::HeatStressCalculator}};
    const CMenuLayout window{"&Window", {Cmd::Cascade, Cmd::Tile, Cmd::ArrangeIcons, kWindowList}};
    const CMenuLayout help{"&Help", {Cmd::Help, Cmd::HelpIndex, Cmd::UsingHelp, kSeparator, Cmd::About}};

    CMenuLayout fileResults = fileFull;
    fileResults.items.insert(fileResults.items.indexOf(Cmd::PageSetup) + 1, Cmd::Export);

    switch (kind) {
    case ViewKind::None:
        return {{"&File", {Cmd::FileNew, Cmd::FileOpen, kSeparator, Cmd::PrintSetup, kSeparator, kRecentFiles,
                           kSeparator, Cmd::Exit}},
                {"&View", {Cmd::Toolbar, Cmd::StatusBar}},
                {"&Help", {Cmd::Help, Cmd::HelpIndex, kSeparator, Cmd::About}}};
    case ViewKind::Results:
    case ViewKind::Graph: {
        const CMenuLayout edit{"&Edit", {Cmd::Copy}};
        const CMenuLayout branch{"&Branch", QList<int>{Cmd::SelectBranch, Cmd::NextBranch, Cmd::PreviousBranch,
                                                       kSeparator} + branchDialogs};
        if (kind == ViewKind::Results)
            return {fileResults, edit, branch, viewFull, tools, window, help};
        const CMenuLayout view{"&View", viewSwitches + QList<int>{kSeparator, Cmd::Toolbar, Cmd::StatusBar}};
        return {fileResults, edit, branch, view, {"&Graph", {Cmd::GraphPresentation}}, tools, window, help};
    }
    default: {
        const CMenuLayout branch{"&Branch", QList<int>{Cmd::AddBranch, Cmd::InsertBranches, Cmd::DeleteBranches,
                                                       kSeparator} + branchDialogs};
        return {fileFull, editFull, branch, viewFull, tools, window, help};
    }
    }
}

const QList<int>& ToolbarLayout()
{
    static const QList<int> layout{Cmd::FileNew, Cmd::FileOpen, Cmd::FileSave, kSeparator, Cmd::Copy, Cmd::Paste,
                                   kSeparator, Cmd::Print, Cmd::PrintPreview, kSeparator, Cmd::BranchProperties,
                                   Cmd::HeatSources, Cmd::FanReg, Cmd::AirSources, kSeparator, Cmd::Execute,
                                   Cmd::PreviousBranch, Cmd::NextBranch};
    return layout;
}
