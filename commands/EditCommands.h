#pragma once
// The undoable edits of the tables. Each names its record by branch id and
// its column by column id, never by row or column position, so it acts on
// the record it was made on whatever was inserted or moved since; when that
// record is gone it does nothing.
//
// The views make the change first and then push the command, which knows it
// is already done: its first redo does nothing.
#include "ColumnIds.h"
#include "GridParam.h"

#include <QUndoCommand>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CKalvexDoc;

// Base: the first redo is skipped; undo and redo mark the document modified
// and update all views.
class CDocumentCommand : public QUndoCommand {
public:
    CDocumentCommand(CKalvexDoc& doc, const QString& text, QUndoCommand* parent = nullptr);
    void undo() final;
    void redo() final;

protected:
    virtual void Apply(bool undo) = 0;
    // What the views are told after Apply; default: contents changed.
    virtual void Notify();
    CKalvexDoc& m_doc;

private:
    bool m_done = true;
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

// Several cell edits as one step (a paste, a replace-all).
class CEditGroupCommand : public CDocumentCommand {
public:
    CEditGroupCommand(CKalvexDoc& doc, const QString& text);

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
