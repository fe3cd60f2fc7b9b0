#include "KalvexDoc.h"

#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

template <typename List>
auto& CheckedAt(List& list, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= list.size())
        throw std::out_of_range("position outside the list");
    return list[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<ColumnId> CKalvexDoc::DefaultColumns(ColumnId first, ColumnId last)
{
    std::vector<ColumnId> ids;
    for (unsigned id = first; id <= last; ++id)
        ids.push_back(static_cast<ColumnId>(id));
    return ids;
}

std::vector<ColumnId> CKalvexDoc::DefaultColumns(ColumnRange range)
{
    return DefaultColumns(range.header, range.last);
}

bool CKalvexDoc::OnNewDocument()
{
    DeleteContents();
    modified = false;
    pathName.clear();
    title = "Untitled";
    branchColumns = DefaultColumns(kBranchColumns);
    resultColumns = DefaultColumns(kResultColumns);
    airSourceColumns = DefaultColumns(kAirSourceColumns);
    heatSourceColumns = DefaultColumns(kHeatSourceColumns);
    sequenceMode = false;
    lastBranchId = 0;
    showUnitsBranchTable = showUnitsResultTable = showUnitsSourceTables = true;
    metabolicRate = 200.0;
    clothingResistance = 0.0;
    areaFactor = 1.0;
    vapourPermeability = 0.45;
    bodyViewFactor = 0.75;
    skinTempLimit = 36.0;
    graphMarginLeft = graphMarginTop = graphMarginRight = graphMarginBottom = 100;
    graphOrientation = 2;
    return true;
}

void CKalvexDoc::DeleteContents()
{
    resultBranch = nullptr;
    graphBranch = nullptr;
    branches.clear();
    curves.clear();
}

void CKalvexDoc::TakeFileContents(CKalvexDoc& loaded)
{
    DeleteContents();
    branches = std::move(loaded.branches);
    branchColumns = std::move(loaded.branchColumns);
    resultColumns = std::move(loaded.resultColumns);
    airSourceColumns = std::move(loaded.airSourceColumns);
    heatSourceColumns = std::move(loaded.heatSourceColumns);
    curves = std::move(loaded.curves);
    branchGridParam = std::move(loaded.branchGridParam);
    resultGridParam = std::move(loaded.resultGridParam);
    airSourceGridParam = std::move(loaded.airSourceGridParam);
    heatSourceGridParam = std::move(loaded.heatSourceGridParam);
    sequenceMode = loaded.sequenceMode;
    lastBranchId = loaded.lastBranchId;
    showUnitsBranchTable = loaded.showUnitsBranchTable;
    showUnitsResultTable = loaded.showUnitsResultTable;
    showUnitsSourceTables = loaded.showUnitsSourceTables;
    metabolicRate = loaded.metabolicRate;
    clothingResistance = loaded.clothingResistance;
    areaFactor = loaded.areaFactor;
    vapourPermeability = loaded.vapourPermeability;
    bodyViewFactor = loaded.bodyViewFactor;
    skinTempLimit = loaded.skinTempLimit;
    graphMarginLeft = loaded.graphMarginLeft;
    graphMarginTop = loaded.graphMarginTop;
    graphMarginRight = loaded.graphMarginRight;
    graphMarginBottom = loaded.graphMarginBottom;
    graphOrientation = loaded.graphOrientation;
}

CKalvexBranch& CKalvexDoc::BranchAt(int index) { return *CheckedAt(branches, index); }
const CKalvexBranch& CKalvexDoc::BranchAt(int index) const { return *CheckedAt(branches, index); }

bool CKalvexDoc::IdInUse(std::uint16_t id) const
{
    for (const auto& branch : branches) {
        if (branch->branchId == id || branch->HasSourceBranch(id))
            return true;
    }
    return false;
}

// The next id is lastBranchId + 1. Once the 16-bit counter has run out, the
// search wraps to the lowest id that no branch holds and no source list
// names (so a stale source reference never picks up a new branch); when
// there is none the insertion is refused.
bool CKalvexDoc::IssueBranchId(std::uint16_t& id)
{
    if (lastBranchId < 0xFFFF && !IdInUse(static_cast<std::uint16_t>(lastBranchId + 1))) {
        id = static_cast<std::uint16_t>(lastBranchId + 1);
        return true;
    }
    for (unsigned candidate = 1; candidate <= 0xFFFF; ++candidate) {
        if (!IdInUse(static_cast<std::uint16_t>(candidate))) {
            id = static_cast<std::uint16_t>(candidate);
            return true;
        }
    }
    return false;
}

bool CKalvexDoc::InsertNewBranch(int index)
{
    if (index < 0 || index > BranchCount())
        throw std::out_of_range("insert position outside the list");
    std::uint16_t id = 0;
    if (!IssueBranchId(id))
        return false;
    auto branch = std::make_unique<CKalvexBranch>();
    branch->branchId = id;
    lastBranchId = id;
    branches.insert(branches.begin() + index, std::move(branch));
    SetModifiedFlag();
    return true;
}

bool CKalvexDoc::DeleteBranch(int index)
{
    if (branches.empty())
        return false;
    CKalvexBranch* branch = &BranchAt(index);
    if (resultBranch == branch)
        resultBranch = nullptr;
    if (graphBranch == branch)
        graphBranch = nullptr;
    branches.erase(branches.begin() + index);
    SetModifiedFlag();
    return true;
}

int CKalvexDoc::InsertNewBranches(int index, int count)
{
    if (index < 0 || index > BranchCount())
        throw std::out_of_range("insert position outside the list");
    if (count <= 0)
        return 0;
    // The ids in use (held or named by a source list) once, not per branch.
    std::vector<bool> used(0x10000, false);
    for (const auto& branch : branches) {
        used[branch->branchId] = true;
        for (std::uint16_t source : branch->SourceBranchIds())
            used[source] = true;
    }
    std::vector<std::unique_ptr<CKalvexBranch>> added;
    added.reserve(static_cast<std::size_t>(count));
    unsigned next = 1;
    for (int k = 0; k < count; ++k) {
        unsigned id = 0;
        if (lastBranchId < 0xFFFF && !used[lastBranchId + 1u]) {
            id = lastBranchId + 1u;
        } else {
            while (next <= 0xFFFF && used[next])
                ++next;
            if (next > 0xFFFF)
                break;
            id = next;
        }
        used[id] = true;
        auto branch = std::make_unique<CKalvexBranch>();
        branch->branchId = static_cast<std::uint16_t>(id);
        lastBranchId = static_cast<std::uint16_t>(id);
        added.push_back(std::move(branch));
    }
    branches.insert(branches.begin() + index, std::make_move_iterator(added.begin()),
                    std::make_move_iterator(added.end()));
    if (!added.empty())
        SetModifiedFlag();
    return static_cast<int>(added.size());
}

int CKalvexDoc::DeleteBranches(int index, int count)
{
    if (count <= 0 || branches.empty())
        return 0;
    if (index < 0 || index >= BranchCount())
        throw std::out_of_range("deleted rows outside the list");
    const int last = std::min(BranchCount(), index + count);
    for (int i = index; i < last; ++i) {
        if (resultBranch == branches[static_cast<std::size_t>(i)].get())
            resultBranch = nullptr;
        if (graphBranch == branches[static_cast<std::size_t>(i)].get())
            graphBranch = nullptr;
    }
    branches.erase(branches.begin() + index, branches.begin() + last);
    SetModifiedFlag();
    return last - index;
}

bool CKalvexDoc::MoveBranches(int first, int last, int dest)
{
    if (branches.empty())
        return false;
    const int count = BranchCount();
    if (first < 0 || last >= count || first > last)
        throw std::out_of_range("moved rows outside the list");
    const int moved = last - first + 1;
    if (dest < 0 || dest > count - moved)
        throw std::out_of_range("move destination outside the list");
    std::vector<std::unique_ptr<CKalvexBranch>> taken(
        std::make_move_iterator(branches.begin() + first),
        std::make_move_iterator(branches.begin() + last + 1));
    branches.erase(branches.begin() + first, branches.begin() + last + 1);
    branches.insert(branches.begin() + dest, std::make_move_iterator(taken.begin()),
                    std::make_move_iterator(taken.end()));
    SetModifiedFlag();
    return true;
}

void CKalvexDoc::BuildPositionTable() const
{
    positionOfId.assign(0x10000, -1);
    // Backwards, so that of two branches with one id (a damaged file) the
    // first is found, as a scan from the front would.
    for (std::size_t i = branches.size(); i-- > 0;)
        positionOfId[branches[i]->branchId] = static_cast<int>(i);
    lookupWork += branches.size();
}

int CKalvexDoc::FindBranchIndex(std::uint16_t branchId) const
{
    auto current = [&]() {
        const int at = positionOfId.empty() ? -1 : positionOfId[branchId];
        return at >= 0 && at < BranchCount() && branches[static_cast<std::size_t>(at)]->branchId == branchId
                   ? at
                   : -1;
    };
    ++lookupWork;
    if (const int at = current(); at >= 0)
        return at;
    // Not where the table says: the list changed, or no branch has the id.
    BuildPositionTable();
    return positionOfId[branchId];
}

int CKalvexDoc::IndexOfBranch(const CKalvexBranch* branch) const
{
    // By address alone: the pointer may name a branch deleted since.
    lookupWork += branches.size();
    for (std::size_t i = 0; i < branches.size(); ++i)
        if (branches[i].get() == branch)
            return static_cast<int>(i);
    return -1;
}

int CKalvexDoc::ResultBranchRowCount() const { return resultBranch ? resultBranch->ResultCount() : 0; }
int CKalvexDoc::GraphBranchRowCount() const { return graphBranch ? graphBranch->ResultCount() : 0; }

void CKalvexDoc::AppendLoadedBranch(std::unique_ptr<CKalvexBranch> branch)
{
    branches.push_back(std::move(branch));
}

bool CKalvexDoc::InsertNewCurve(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) > curves.size())
        throw std::out_of_range("curve position outside the list");
    auto curve = std::make_unique<CCurve>();
    curve->plotIndex = static_cast<std::uint16_t>(index);
    curves.insert(curves.begin() + index, std::move(curve));
    SetModifiedFlag();
    return true;
}

CCurve& CKalvexDoc::CurveAt(int index)
{
    auto& curve = CheckedAt(curves, index);
    if (!curve)
        curve = std::make_unique<CCurve>();  // an entry left empty by a damaged curve list
    return *curve;
}

CWorkerValues CKalvexDoc::GetWorkerValues() const
{
    CWorkerValues values;
    values.areaFactor = areaFactor;
    values.bodyViewFactor = bodyViewFactor;
    values.metabolicRate = std::isfinite(metabolicRate) && std::fabs(metabolicRate) < 2.0e9
                               ? static_cast<int>(metabolicRate)  // truncated toward zero
                               : 0;
    values.clothingResistance = clothingResistance;
    values.vapourPermeability = vapourPermeability;
    return values;
}

double CKalvexDoc::SkinTempLimitFor(int metabolicRate)
{
    if (metabolicRate <= 78)
        return 36.0;
    const double m = metabolicRate;
    return RoundDecimals(36.799 - 0.0136 * m + 0.00005 * m * m - 0.000000137 * m * m * m, 2);
}

void CKalvexDoc::SetWorkerValues(const CWorkerValues& values)
{
    areaFactor = RoundDecimals(values.areaFactor, 2);
    bodyViewFactor = RoundDecimals(values.bodyViewFactor, 2);
    metabolicRate = values.metabolicRate;
    clothingResistance = RoundDecimals(values.clothingResistance, 3);
    vapourPermeability = RoundDecimals(values.vapourPermeability, 2);
    skinTempLimit = SkinTempLimitFor(values.metabolicRate);
}

void CKalvexDoc::ToggleSequenceMode()
{
    sequenceMode = !sequenceMode;
    UpdateAllViews(nullptr, kHintContents, nullptr);
}

void CKalvexDoc::SetPathName(const std::string& path)
{
    pathName = path;
    const auto slash = path.find_last_of("/\\");
    title = slash == std::string::npos ? path : path.substr(slash + 1);
}

void CKalvexDoc::AddView(IDocumentView* view)
{
    if (view && std::find(views.begin(), views.end(), view) == views.end())
        views.push_back(view);
}

void CKalvexDoc::RemoveView(IDocumentView* view)
{
    views.erase(std::remove(views.begin(), views.end(), view), views.end());
}

void CKalvexDoc::UpdateAllViews(IDocumentView* sender, long hint, CUpdateHint* hintObject)
{
    // A view may close or open another while it updates; work on a copy and
    // skip views that left in the meantime.
    const std::vector<IDocumentView*> current = views;
    for (IDocumentView* view : current) {
        if (view == sender)
            continue;
        if (std::find(views.begin(), views.end(), view) != views.end())
            view->OnUpdate(sender, hint, hintObject);
    }
}
