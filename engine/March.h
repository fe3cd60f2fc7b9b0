#pragma once
// The march of one branch from intake to outlet.
class CKalvexBranch;
class CIntervalData;
class CClimCalc;
class CResultInterval;

// Heat exchanged over the whole branch, W.
struct CBranchTotals {
    double strataSensible = 0.0;
    double strataLatent = 0.0;
    double otherSensible = 0.0;  // heat sources and fan/regulator
    double otherLatent = 0.0;    // heat sources
};

// Appends the numeric result rows (distance 0, then one per output
// interval) to the branch and returns the totals. The run's messages
// collect in calc.messages. When the air state can no longer be computed
// (it would turn into NaN or infinity), the march stops at the start of
// that calculation interval: the state, totals and messages stay as they
// were before it, a stop message is added and no further rows follow.
CBranchTotals March(CKalvexBranch& branch, const CIntervalData& plan, CClimCalc& calc);

// The result row of the calculation object's current point at distance x.
CResultInterval MakeResultRow(const CClimCalc& calc, double x);
