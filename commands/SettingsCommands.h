#pragma once
// Undo steps for what the document holds beside its branches: the worker
// description, the sequence mode, a table's column list (the Columns
// dialog) and a table's page setup.
#include "EditCommands.h"
#include "GridParam.h"
#include "KalvexDoc.h"

#include <memory>
#include <vector>

// The worker description as stored (the skin temperature limit with it).
struct CWorkerStored {
    double metabolicRate = 0.0;
    double clothingResistance = 0.0;
    double areaFactor = 0.0;
    double vapourPermeability = 0.0;
    double bodyViewFactor = 0.0;
    double skinTempLimit = 0.0;
    bool operator==(const CWorkerStored&) const = default;

    static CWorkerStored Of(const CKalvexDoc& doc);
    // What storing the dialog's values would keep (rounded, limit derived).
    static CWorkerStored From(const CWorkerValues& values);
    void WriteTo(CKalvexDoc& doc) const;
};

class CWorkerCommand : public CDocumentCommand {
public:
    CWorkerCommand(CKalvexDoc& doc, const CWorkerValues& values);
    // False when OK would store what is there already.
    bool Changes() const { return !(m_before == m_after); }

protected:
    void Apply(bool undo) override;

private:
    CWorkerStored m_before;
    CWorkerStored m_after;
};

class CSequenceModeCommand : public CDocumentCommand {
public:
    explicit CSequenceModeCommand(CKalvexDoc& doc);

protected:
    void Apply(bool undo) override;

private:
    bool m_before;
};

// The list of one table's columns, named by the document's member.
using ColumnListMember = std::vector<ColumnId> CKalvexDoc::*;

class CColumnListCommand : public CDocumentCommand {
public:
    CColumnListCommand(CKalvexDoc& doc, ColumnListMember list, std::vector<ColumnId> after);

protected:
    void Apply(bool undo) override;
    void Notify() override;

private:
    ColumnListMember m_list;
    std::vector<ColumnId> m_before;
    std::vector<ColumnId> m_after;
};

// One table's page setup, named by the document's member holding its grid
// parameters (which exist once the table was shown).
using GridParamMember = std::unique_ptr<CGXGridParam> CKalvexDoc::*;

class CPageSetupCommand : public CDocumentCommand {
public:
    CPageSetupCommand(CKalvexDoc& doc, GridParamMember param, const CGridProperties& after);

protected:
    void Apply(bool undo) override;

private:
    GridParamMember m_param;
    CGridProperties m_before;
    CGridProperties m_after;
};
