#pragma once
// The undoable edits of the tables. Each names its record by branch id and
// its column by column id, never by row or column position, so it acts on
// the record it was made on whatever was inserted or moved since; when that
// record is gone it does nothing.
//
// A command's redo does its work, the first one too; a view that has
// already stored an edit pushes a command whose first redo writes the same
// value again. Only a column move, whose widths the grid moves after the
// command was made, skips its first redo.
#include "ColumnIds.h"
#include "GridParam.h"

#include <QUndoCommand>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CKalvexDoc;

// Base: undo and redo apply the change, mark the document modified and
// update all views. The changes they make are counted as the history's.
class CDocumentCommand : public QUndoCommand {
public:
    CDocumentCommand(CKalvexDoc& doc, const QString& text, QUndoCommand* parent = nullptr);
    void undo() final;
    void redo() final;
    // Applies the change alone, for a group that holds the command.
    void ApplyInGroup(bool undo) { Apply(undo); }
    // Makes the change of a group's command at once, before the group is
    // pushed (a paste that needs new rows first): counted as the history's.
    void ApplyAhead();
    // The branch list changes: the views are told so.
    virtual bool ChangesBranchList() const { return false; }

protected:
    virtual void Apply(bool undo) = 0;
    // What the views are told after Apply; default: contents changed, or the
    // branch list when it changes.
    virtual void Notify();
    // For a change the caller has already made.
    void SkipFirstRedo() { m_skipRedo = true; }
    CKalvexDoc& m_doc;

private:
    void Run(bool undo);
    bool m_skipRedo = false;
};

// One cell of a branch: the text before and after, as the column shows it
// (inputs are stored rounded to what they show, so the text is exact).
class CEditCellCommand : public CDocumentCommand {
public:
    CEditCellCommand(CKalvexDoc& doc, std::uint16_t branchId, ColumnId column, std::string before,
                     std::string after, QUndoCommand* parent = nullptr);

    std::uint16_t BranchId() const { return m_branchId; }
    ColumnId Column() const { return m_column; }
    // Writes the old (undo) or new text into the branch, when it still exists.
    void ApplyEdit(bool undo) const;

protected:
    void Apply(bool undo) override;

private:
    std::uint16_t m_branchId;
    ColumnId m_column;
    std::string m_before;
    std::string m_after;
};

// Several changes as one step (a paste, a replace-all): its children are
// document commands, applied in order on redo and in reverse on undo.
class CEditGroupCommand : public CDocumentCommand {
public:
    CEditGroupCommand(CKalvexDoc& doc, const QString& text);
    bool ChangesBranchList() const override;

protected:
    void Apply(bool undo) override;
};

// A move of branches: the order of branch ids before and after.
class CMoveBranchesCommand : public CDocumentCommand {
public:
    CMoveBranchesCommand(CKalvexDoc& doc, std::vector<std::uint16_t> before, std::vector<std::uint16_t> after);

protected:
    void Apply(bool undo) override;

private:
    std::vector<std::uint16_t> m_before;
    std::vector<std::uint16_t> m_after;
};

// A move of columns in one table: its column list and stored widths before;
// the widths after are taken at the first undo (the grid moves them after
// the command was made).
class CMoveColumnsCommand : public CDocumentCommand {
public:
    CMoveColumnsCommand(CKalvexDoc& doc, std::vector<std::uint16_t>& list, CGXGridParam* param,
                        std::vector<std::uint16_t> before, std::vector<std::uint16_t> after);

protected:
    void Apply(bool undo) override;
    void Notify() override;

private:
    std::vector<std::uint16_t>& m_list;
    CGXGridParam* m_param;
    std::vector<std::uint16_t> m_before;
    std::vector<std::uint16_t> m_after;
    std::map<std::int32_t, std::int32_t> m_widthsBefore;
    std::map<std::int32_t, std::int32_t> m_widthsAfter;
    bool m_haveWidthsAfter = false;
};

// The branch ids in list order.
std::vector<std::uint16_t> BranchOrder(const CKalvexDoc& doc);
// Puts the branches in the given id order; false (and nothing changes) when
// the ids are not exactly the document's.
bool ReorderBranches(CKalvexDoc& doc, const std::vector<std::uint16_t>& order);
