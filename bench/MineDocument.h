#pragma once
// The mine-sized documents of the benchmarks: long branches (see
// LongBranch.h) with described heat sources and a fan, run in sequence mode
// with every branch fed by the one before it.
#include "KalvexDoc.h"
#include "LongBranch.h"
#include "RunUi.h"

#include <string>
#include <vector>

// A run interface that only counts what it would have shown.
class CQuietRunUi : public IRunUi {
public:
    void ShowGuardMessage(const std::string&) override { ++guardMessages; }
    void ShowDataErrors(const std::vector<std::string>&) override { ++dataErrors; }
    long guardMessages = 0;
    long dataErrors = 0;
};

// The long branch as a user would enter it: 4000 m down or up again (in
// turns, so that the pressure stays in range), described sources and a fan.
inline void MakeMineBranch(CKalvexBranch& b, bool descending)
{
    MakeLongBranch(b, descending);
    const char* descriptions[] = {"pump", "conveyor drive", "loader", "belt"};
    for (int i = 0; i < b.HeatSourceCount(); ++i)
        b.HeatSourceAt(i).description = descriptions[i % 4];
    b.fanReg.location = 3000;
    b.fanReg.sensibleHeat = 30;
    // Small enough that 2000 fans in a row keep the pressure in range.
    b.fanReg.pressureChange = 0.02;
    b.fanReg.description = "booster fan";
}

// Each branch fed by the one before it, with fresh air joining; described
// false leaves the long branches without texts and fans.
inline void BuildMineDocument(CKalvexDoc& doc, int branches, bool described = true)
{
    doc.OnNewDocument();
    for (int i = 0; i < branches; ++i) {
        doc.InsertNewBranch(i);
        CKalvexBranch& b = doc.BranchAt(i);
        b.name = "Branch " + std::to_string(i + 1);
        if (described)
            MakeMineBranch(b, i % 2 == 0);
        else
            MakeLongBranch(b, i % 2 == 0);
        if (i > 0) {
            b.SetSourceBranchIds({doc.BranchAt(i - 1).branchId});
            b.addedQuantity = 5;
            b.addedDryBulb = 20;
            b.addedWetBulb = 15;
        }
    }
    doc.sequenceMode = true;
}

// Result rows of all branches, message rows included.
inline long long RowCount(const CKalvexDoc& doc)
{
    long long rows = 0;
    for (int i = 0; i < doc.BranchCount(); ++i)
        rows += doc.BranchAt(i).ResultCount();
    return rows;
}

// Value rows only: the rows the march computes.
inline long long ValueRowCount(const CKalvexDoc& doc)
{
    long long rows = 0;
    for (int i = 0; i < doc.BranchCount(); ++i)
        for (const CResultInterval& row : doc.BranchAt(i).ResultList())
            rows += row.isMessage ? 0 : 1;
    return rows;
}
