#include "EditCommands.h"

#include "KalvexDoc.h"
#include "LayoutHint.h"

#include <algorithm>
#include <utility>
#include <unordered_map>

CDocumentCommand::CDocumentCommand(CKalvexDoc& doc, const QString& text, QUndoCommand* parent)
    : QUndoCommand(text, parent), m_doc(doc)
{
}

void CDocumentCommand::redo()
{
    Run(false);
}

void CDocumentCommand::undo()
{
    Run(true);
}

void CDocumentCommand::Run(bool undo)
{
    const std::uint64_t before = m_doc.ChangeCount();
    if (!undo && std::exchange(m_skipRedo, false)) {
        m_doc.SetModifiedFlag();  // the caller made the change
    } else {
        Apply(undo);
        Notify();
    }
    m_doc.NoteHistoryChanges(m_doc.ChangeCount() - before);
}

void CDocumentCommand::ApplyAhead()
{
    const std::uint64_t before = m_doc.ChangeCount();
    Apply(false);
    m_doc.NoteHistoryChanges(m_doc.ChangeCount() - before);
}

void CDocumentCommand::Notify()
{
    m_doc.SetModifiedFlag();
    m_doc.UpdateAllViews(nullptr, ChangesBranchList() ? kHintBranchList : kHintContents);
}

CEditCellCommand::CEditCellCommand(CKalvexDoc& doc, std::uint16_t branchId, ColumnId column, std::string before,
                                   std::string after, QUndoCommand* parent)
    : CDocumentCommand(doc, QStringLiteral("Edit"), parent),
      m_branchId(branchId),
      m_column(column),
      m_before(std::move(before)),
      m_after(std::move(after))
{
}

void CEditCellCommand::Apply(bool undo)
{
    ApplyEdit(undo);
}

void CEditCellCommand::ApplyEdit(bool undo) const
{
    const int index = m_doc.FindBranchIndex(m_branchId);
    if (index >= 0)
        m_doc.BranchAt(index).SetColumnText(m_column, undo ? m_before : m_after);
}

CEditGroupCommand::CEditGroupCommand(CKalvexDoc& doc, const QString& text) : CDocumentCommand(doc, text) {}

void CEditGroupCommand::Apply(bool undo)
{
    // The children in reverse order on undo, so a cell edited twice ends
    // with its first value.
    const int n = childCount();
    for (int i = 0; i < n; ++i) {
        const int k = undo ? n - 1 - i : i;
        static_cast<CDocumentCommand*>(const_cast<QUndoCommand*>(child(k)))->ApplyInGroup(undo);
    }
}

bool CEditGroupCommand::ChangesBranchList() const
{
    for (int i = 0; i < childCount(); ++i)
        if (static_cast<const CDocumentCommand*>(child(i))->ChangesBranchList())
            return true;
    return false;
}

std::vector<std::uint16_t> BranchOrder(const CKalvexDoc& doc)
{
    std::vector<std::uint16_t> ids;
    ids.reserve(doc.branches.size());
    for (const auto& branch : doc.branches)
        ids.push_back(branch->branchId);
    return ids;
}

bool ReorderBranches(CKalvexDoc& doc, const std::vector<std::uint16_t>& order)
{
    if (order.size() != doc.branches.size())
        return false;
    std::unordered_map<std::uint16_t, std::size_t> at;
    at.reserve(order.size());
    for (std::size_t i = 0; i < doc.branches.size(); ++i)
        at.emplace(doc.branches[i]->branchId, i);
    std::vector<std::unique_ptr<CKalvexBranch>> sorted;
    sorted.reserve(order.size());
    std::vector<bool> taken(order.size(), false);
    for (std::uint16_t id : order) {
        auto found = at.find(id);
        if (found == at.end() || taken[found->second])
            return false;
        taken[found->second] = true;
    }
    for (std::uint16_t id : order)
        sorted.push_back(std::move(doc.branches[at[id]]));
    doc.branches = std::move(sorted);
    return true;
}

CMoveBranchesCommand::CMoveBranchesCommand(CKalvexDoc& doc, std::vector<std::uint16_t> before,
                                           std::vector<std::uint16_t> after)
    : CDocumentCommand(doc, QStringLiteral("Move Branches")), m_before(std::move(before)), m_after(std::move(after))
{
}

void CMoveBranchesCommand::Apply(bool undo)
{
    ReorderBranches(m_doc, undo ? m_before : m_after);
}

CMoveColumnsCommand::CMoveColumnsCommand(CKalvexDoc& doc, std::vector<std::uint16_t>& list, CGXGridParam* param,
                                         std::vector<std::uint16_t> before, std::vector<std::uint16_t> after)
    : CDocumentCommand(doc, QStringLiteral("Move Columns")),
      m_list(list),
      m_param(param),
      m_before(std::move(before)),
      m_after(std::move(after))
{
    if (m_param)
        m_widthsBefore = m_param->columnWidths;
    SkipFirstRedo();  // the grid moves the columns and their widths itself
}

void CMoveColumnsCommand::Apply(bool undo)
{
    if (undo && m_param && !m_haveWidthsAfter) {
        m_widthsAfter = m_param->columnWidths;
        m_haveWidthsAfter = true;
    }
    m_list = undo ? m_before : m_after;
    if (m_param)
        m_param->columnWidths = undo ? m_widthsBefore : m_widthsAfter;
}

void CMoveColumnsCommand::Notify()
{
    m_doc.SetModifiedFlag();
    CLayoutHint hint(&m_list);
    m_doc.UpdateAllViews(nullptr, kHintContents, &hint);
}
