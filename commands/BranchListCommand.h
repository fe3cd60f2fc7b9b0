#pragma once
// Adding, inserting and deleting branches as undo steps. The step holds the
// list as branch ids before and after (with the id counter); branches that
// leave the list are kept by the step, whole, and come back as they were.
#include "EditCommands.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class CKalvexBranch;

struct CBranchListState {
    std::vector<std::uint16_t> order;  // branch ids in list order
    std::uint16_t lastBranchId = 0;

    static CBranchListState Of(const CKalvexDoc& doc);
    // The state with the branches at positions first to last (from 0) gone.
    CBranchListState Without(int first, int last) const;
};

class CBranchListCommand : public CDocumentCommand {
public:
    using Change = std::function<void(CKalvexDoc&)>;

    // The first redo makes the change (new branches issued by the document);
    // later ones put back the list it made. A first redo that changes
    // nothing makes the step obsolete: the history drops it.
    CBranchListCommand(CKalvexDoc& doc, const QString& text, Change change, QUndoCommand* parent = nullptr);
    // The branches at positions first to last (from 0) deleted.
    CBranchListCommand(CKalvexDoc& doc, const QString& text, int first, int last);
    ~CBranchListCommand() override;
    bool ChangesBranchList() const override { return true; }

protected:
    void Apply(bool undo) override;

private:
    void Establish(const CBranchListState& state);

    CBranchListState m_before;
    std::optional<CBranchListState> m_after;
    Change m_change;
    // The result table's and the graph's branch when the step was made.
    std::optional<std::uint16_t> m_resultId;
    std::optional<std::uint16_t> m_graphId;
    std::map<std::uint16_t, std::deque<std::unique_ptr<CKalvexBranch>>> m_kept;
};
