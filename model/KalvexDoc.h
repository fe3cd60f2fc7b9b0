#pragma once
#include "ColumnIds.h"
#include "Curve.h"
#include "DocumentObserver.h"
#include "GridParam.h"
#include "KalvexBranch.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Values of the worker description as its dialog edits them.
struct CWorkerValues {
    double areaFactor = 1.0;
    double bodyViewFactor = 0.75;
    int metabolicRate = 200;  // W/m², whole numbers
    double clothingResistance = 0.0;
    double vapourPermeability = 0.45;
};

// One open file: the branches, the worker, the sequence mode and the layout
// of every view of the file.
class CKalvexDoc {
public:
    CKalvexDoc() = default;
    CKalvexDoc(const CKalvexDoc&) = delete;
    CKalvexDoc& operator=(const CKalvexDoc&) = delete;
    ~CKalvexDoc() = default;

    // New-document hook: discards the contents and sets every default.
    bool OnNewDocument();
    // Deletes every branch and curve; settings and layouts stay.
    void DeleteContents();
    // Takes every saved member (1 to 23) from a document just loaded; the
    // views, path, title and modified flag stay, the shown branches clear.
    void TakeFileContents(CKalvexDoc& loaded);

    // Branch list, positions from 0. Positions outside the list throw
    // std::out_of_range.
    int BranchCount() const { return static_cast<int>(branches.size()); }
    CKalvexBranch& BranchAt(int index);
    const CKalvexBranch& BranchAt(int index) const;
    bool InsertNewBranch(int index);
    bool DeleteBranch(int index);
    // count new branches together at index, in id order, as repeated
    // InsertNewBranch(index + k) would put them, in one pass over the list;
    // returns how many were inserted (fewer when the ids run out).
    int InsertNewBranches(int index, int count);
    // count branches from index, as repeated DeleteBranch(index) would.
    int DeleteBranches(int index, int count);
    bool MoveBranches(int first, int last, int dest);
    // Position of the branch with the id, -1 when there is none. A table of
    // positions by id answers in constant time; it is checked at each answer
    // and built again only when the list has changed since, so a pass over
    // all branches' source lists stays linear in the number of branches.
    int FindBranchIndex(std::uint16_t branchId) const;
    int ResultBranchRowCount() const;
    int GraphBranchRowCount() const;
    // Loading appends branches that already carry their id from the file.
    void AppendLoadedBranch(std::unique_ptr<CKalvexBranch> branch);
    // Index of a branch object in the list, -1 when it is not one of ours
    // (the pointer is only compared, never followed).
    int IndexOfBranch(const CKalvexBranch* branch) const;
    // Branches the two look-ups above have examined so far, one per entry
    // of a rebuilt table or of a scan: their work, for tests to count.
    std::uint64_t LookupWork() const { return lookupWork; }

    // Curves of the graph view.
    std::vector<std::unique_ptr<CCurve>>& CurveList() { return curves; }
    const std::vector<std::unique_ptr<CCurve>>& CurveList() const { return curves; }
    bool InsertNewCurve(int index);
    CCurve& CurveAt(int index);

    // Worker description: the dialog's values in, the stored values rounded
    // and the skin temperature limit derived from the metabolic rate.
    CWorkerValues GetWorkerValues() const;
    void SetWorkerValues(const CWorkerValues& values);
    static double SkinTempLimitFor(int metabolicRate);

    // Sequence mode: flips and updates all views; the caller's undo step
    // marks the document modified.
    void ToggleSequenceMode();

    // Framework document state.
    bool IsModified() const { return modified; }
    void SetModifiedFlag(bool on = true)
    {
        modified = on;
        changeCount += on ? 1 : 0;
    }
    // Grows with every change that marks the document modified.
    std::uint64_t ChangeCount() const { return changeCount; }
    // Changes made by undo steps are counted apart as well, so that the
    // history can tell whether anything else (a run) changed the document.
    void NoteHistoryChanges(std::uint64_t count) { historyChanges += count; }
    std::uint64_t ChangesOutsideHistory() const { return changeCount - historyChanges; }
    const std::string& PathName() const { return pathName; }
    void SetPathName(const std::string& path);  // also sets the title
    const std::string& Title() const { return title; }
    void SetTitle(const std::string& text) { title = text; }

    // Update-all-views.
    void AddView(IDocumentView* view);
    void RemoveView(IDocumentView* view);
    const std::vector<IDocumentView*>& Views() const { return views; }
    void UpdateAllViews(IDocumentView* sender, long hint = kHintContents, CUpdateHint* hintObject = nullptr);

    // Default column lists of the four tables: every id from first to last.
    static std::vector<ColumnId> DefaultColumns(ColumnId first, ColumnId last);
    // A table's whole range, its row-number column first.
    static std::vector<ColumnId> DefaultColumns(ColumnRange range);

    // Members in file order.
    std::vector<std::unique_ptr<CKalvexBranch>> branches;
    std::vector<ColumnId> branchColumns;
    std::vector<ColumnId> resultColumns;
    std::vector<ColumnId> airSourceColumns;
    std::vector<ColumnId> heatSourceColumns;
    std::vector<std::unique_ptr<CCurve>> curves;  // entries may be null after a damaged load
    std::unique_ptr<CGXGridParam> branchGridParam;
    std::unique_ptr<CGXGridParam> resultGridParam;
    std::unique_ptr<CGXGridParam> airSourceGridParam;
    std::unique_ptr<CGXGridParam> heatSourceGridParam;
    bool sequenceMode = false;
    std::uint16_t lastBranchId = 0;
    bool showUnitsBranchTable = true;
    bool showUnitsResultTable = true;
    bool showUnitsSourceTables = true;
    double metabolicRate = 200.0;
    double clothingResistance = 0.0;
    double areaFactor = 1.0;
    double vapourPermeability = 0.45;
    double bodyViewFactor = 0.75;
    double skinTempLimit = 36.0;
    std::int32_t graphMarginLeft = 100;
    std::int32_t graphMarginTop = 100;
    std::int32_t graphMarginRight = 100;
    std::int32_t graphMarginBottom = 100;
    std::uint8_t graphOrientation = 2;  // 1 portrait, 2 landscape
    CKalvexBranch* resultBranch = nullptr;  // not owned, not saved
    CKalvexBranch* graphBranch = nullptr;   // not owned, not saved

private:
    bool IssueBranchId(std::uint16_t& id);
    bool IdInUse(std::uint16_t id) const;

    bool modified = false;
    std::uint64_t changeCount = 0;
    std::uint64_t historyChanges = 0;
    void BuildPositionTable() const;
    mutable std::vector<int> positionOfId;  // by branch id; -1 for none
    mutable std::uint64_t lookupWork = 0;
    std::string pathName;
    std::string title = "Untitled";
    std::vector<IDocumentView*> views;
};
