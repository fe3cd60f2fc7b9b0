#pragma once
// What a shorter branch leaves out: heat sources that start, and a fan or
// regulator that stands, at or beyond the branch's end do not act in a run.
#include <string>

class CKalvexBranch;

struct CPartsBeyondLength {
    int heatSources = 0;
    bool fan = false;        // the fan or regulator
    bool regulator = false;  // it is a regulator (negative pressure change)

    bool Any() const { return heatSources > 0 || fan; }
};

CPartsBeyondLength PartsBeyondLength(const CKalvexBranch& branch, double length);
// "2 heat sources and the fan lie beyond the new length of 150 m and will
// not act."; empty when nothing does.
std::string PartsBeyondLengthText(const CPartsBeyondLength& parts, double length);
