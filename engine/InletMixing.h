#pragma once
// The intake air of a branch fed by other branches in sequence mode: the
// mass-weighted mean of their outlets' bulbs (with any additional air), at
// the plain mean of their outlet pressures.
class CKalvexDoc;
class CKalvexBranch;

// Drops source ids that name no branch of the document; true when nothing
// was dropped.
bool PurgeSourceBranches(CKalvexDoc& doc, CKalvexBranch& branch);

struct CInletMixture {
    bool hasSources = false;   // at least one source branch was found
    bool neverRun = false;     // every source found has all outlet values 0
    double dryBulb = 0.0;      // °C
    double wetBulb = 0.0;      // °C
    double pressure = 0.0;     // Pa
};
// The mixture as MixInletAir would store it, without storing it.
CInletMixture ComputeInletMixture(const CKalvexDoc& doc, const CKalvexBranch& branch);

// Whether the mixture, stored as the branch columns round it, can be
// marched (CheckIntakeAir); false without sources.
bool IsUsableMixture(const CInletMixture& mix);

// Overwrites the branch's intake dry bulb, wet bulb and pressure with the
// mixture, through the column setters; nothing changes without sources.
void StoreInletMixture(CKalvexBranch& branch, const CInletMixture& mix);
void MixInletAir(CKalvexDoc& doc, CKalvexBranch& branch);
