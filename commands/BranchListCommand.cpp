#include "BranchListCommand.h"

#include "KalvexDoc.h"

#include <utility>

CBranchListState CBranchListState::Of(const CKalvexDoc& doc)
{
    return {BranchOrder(doc), doc.lastBranchId};
}

CBranchListState CBranchListState::Without(int first, int last) const
{
    CBranchListState state = *this;
    state.order.erase(state.order.begin() + first, state.order.begin() + last + 1);
    return state;
}

namespace {

std::optional<std::uint16_t> IdOf(const CKalvexDoc& doc, const CKalvexBranch* branch)
{
    if (doc.IndexOfBranch(branch) < 0)
        return std::nullopt;
    return branch->branchId;
}

CKalvexBranch* FindById(CKalvexDoc& doc, std::optional<std::uint16_t> id)
{
    const int index = id ? doc.FindBranchIndex(*id) : -1;
    return index >= 0 ? &doc.BranchAt(index) : nullptr;
}

}  // namespace

CBranchListCommand::CBranchListCommand(CKalvexDoc& doc, const QString& text, Change change, QUndoCommand* parent)
    : CDocumentCommand(doc, text, parent),
      m_before(CBranchListState::Of(doc)),
      m_change(std::move(change)),
      m_resultId(IdOf(doc, doc.resultBranch)),
      m_graphId(IdOf(doc, doc.graphBranch))
{
}

CBranchListCommand::CBranchListCommand(CKalvexDoc& doc, const QString& text, int first, int last)
    : CDocumentCommand(doc, text),
      m_before(CBranchListState::Of(doc)),
      m_after(m_before.Without(first, last)),
      m_resultId(IdOf(doc, doc.resultBranch)),
      m_graphId(IdOf(doc, doc.graphBranch))
{
}

CBranchListCommand::~CBranchListCommand() = default;

void CBranchListCommand::Apply(bool undo)
{
    if (!undo && !m_after) {
        m_change(m_doc);
        m_after = CBranchListState::Of(m_doc);
        setObsolete(m_after->order == m_before.order);
        return;
    }
    Establish(undo ? m_before : *m_after);
    if (undo) {
        m_doc.resultBranch = FindById(m_doc, m_resultId);
        m_doc.graphBranch = FindById(m_doc, m_graphId);
    }
}

void CBranchListCommand::Establish(const CBranchListState& state)
{
    // Every branch at hand by id (of two with one id, the earlier first),
    // the list rebuilt in the state's order, the rest kept here.
    for (auto& branch : m_doc.branches) {
        const std::uint16_t id = branch->branchId;
        m_kept[id].push_back(std::move(branch));
    }
    m_doc.branches.clear();
    for (std::uint16_t id : state.order) {
        auto found = m_kept.find(id);
        if (found == m_kept.end() || found->second.empty())
            continue;  // not ours to make: never happens when used as made
        m_doc.branches.push_back(std::move(found->second.front()));
        found->second.pop_front();
    }
    std::erase_if(m_kept, [](const auto& entry) { return entry.second.empty(); });
    m_doc.lastBranchId = state.lastBranchId;
    // The branches shown by the result table and the graph stay only when
    // they are still in the list.
    if (m_doc.IndexOfBranch(m_doc.resultBranch) < 0)
        m_doc.resultBranch = nullptr;
    if (m_doc.IndexOfBranch(m_doc.graphBranch) < 0)
        m_doc.graphBranch = nullptr;
}
