// CKalvexGraphView: the commands of the graph window and the branch commands
// on the graph branch.
#include "GraphView.h"

#include "BranchCommands.h"
#include "BranchListText.h"
#include "GraphPropertiesDlg.h"
#include "OpenDocument.h"
#include "QtRunUi.h"
#include "SelectBranchDlg.h"
#include "SimulationRun.h"

#include <QApplication>
#include <QClipboard>
#include <QPixmap>

#include <set>

namespace {

const std::set<int> kGraphCommands = {
    Cmd::SelectBranch, Cmd::NextBranch,  Cmd::PreviousBranch, Cmd::Execute,      Cmd::Copy,
    Cmd::Print,        Cmd::PrintPreview, Cmd::PrintSetup,    Cmd::PageSetup,    Cmd::GraphPresentation,
    Cmd::Export,       Cmd::BranchProperties, Cmd::HeatSources, Cmd::FanReg,     Cmd::AirSources,
    Cmd::PrintBranchForm, Cmd::RequiredQuantity, Cmd::RequiredCooling,
};

}  // namespace

bool CKalvexGraphView::HandlesCommand(int id) const
{
    return kGraphCommands.count(id) != 0;
}

bool CKalvexGraphView::IsCommandEnabled(int id) const
{
    const int count = Doc().BranchCount();
    const int at = GraphBranchIndex();
    if (IsBranchCommand(id))
        return at >= 0 && (id != Cmd::AirSources || (count >= 2 && at > 0));
    switch (id) {
    case Cmd::SelectBranch: return count >= 1;
    case Cmd::NextBranch: return count >= 2 && at >= 0 && at <= count - 2;
    case Cmd::PreviousBranch: return count >= 2 && at >= 1;
    case Cmd::Execute:
    case Cmd::Copy: return count >= 1 && at >= 0;
    case Cmd::Export: return HasPlottableResults(GraphBranch(Doc()));
    case Cmd::Print:
    case Cmd::PrintPreview:
    case Cmd::PrintSetup:
    case Cmd::PageSetup:
    case Cmd::GraphPresentation: return true;
    default: return false;
    }
}

bool CKalvexGraphView::IsCommandChecked(int /*id*/) const
{
    return false;
}

bool CKalvexGraphView::RunCommand(int id)
{
    if (!IsCommandEnabled(id))
        return false;
    bool done = false;
    switch (id) {
    case Cmd::SelectBranch: done = SelectBranch(); break;
    case Cmd::NextBranch: done = StepBranch(1); break;
    case Cmd::PreviousBranch: done = StepBranch(-1); break;
    case Cmd::Execute: done = Execute(); break;
    case Cmd::Copy: done = CopyPicture(); break;
    case Cmd::GraphPresentation: done = EditPresentation(); break;
    case Cmd::PageSetup: done = EditPageSetup(); break;
    case Cmd::PrintSetup: done = RunPrintSetup(); break;
    case Cmd::Print: done = RunPrint(); break;
    case Cmd::PrintPreview: done = RunPrintPreview(); break;
    case Cmd::Export: done = RunExport(); break;
    default:
        // The branch dialogs: every view is told, this one too.
        if (IsBranchCommand(id) && (done = RunBranchCommand(id, window(), m_document, *Doc().graphBranch)))
            Doc().UpdateAllViews(nullptr, kHintContents);
        break;
    }
    emit commandStateChanged();
    return done;
}

bool CKalvexGraphView::SelectBranch()
{
    int index = -1;
    const std::vector<std::string> texts = SelectBranchList(Doc(), Doc().graphBranch, index);
    if (!RunSelectBranch(window(), texts, index))
        return false;
    Doc().graphBranch = index >= 0 && index < Doc().BranchCount() ? &Doc().BranchAt(index) : nullptr;
    Refresh();
    return true;
}

bool CKalvexGraphView::StepBranch(int step)
{
    Doc().graphBranch = &Doc().BranchAt(GraphBranchIndex() + step);
    Refresh();
    return true;
}

bool CKalvexGraphView::Execute()
{
    // The run updates every view of the document when it changed anything.
    CQtRunUi ui(window());
    if (Doc().sequenceMode)
        return ExecuteSequence(Doc(), ui);
    return ExecuteBranch(Doc(), *Doc().graphBranch, true, ui);
}

bool CKalvexGraphView::CopyPicture()
{
    // The window as it is on screen, without drawing it again.
    const QPixmap picture = grab();
    if (picture.isNull())
        return false;
    QApplication::clipboard()->setPixmap(picture);
    return true;
}

bool CKalvexGraphView::EditPresentation()
{
    CGraphPropertiesDlg dialog(Doc(), m_choices, window());
    if (!RunGraphProperties(dialog))
        return false;
    m_choices = dialog.Result();
    m_choices.Normalise();
    // Whether dry and wet bulb share a scale depends on what is shown.
    ComputeGraphAxes(Doc(), m_choices, m_distance);
    update();
    return true;
}
