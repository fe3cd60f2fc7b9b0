#include "PartsBeyondLength.h"

#include "KalvexBranch.h"
#include "NumberText.h"

CPartsBeyondLength PartsBeyondLength(const CKalvexBranch& branch, double length)
{
    CPartsBeyondLength parts;
    for (const CHeatSource& source : branch.HeatSourceList())
        if (source.location >= length)
            ++parts.heatSources;
    // A fan or regulator without a pressure change does nothing anywhere.
    parts.fan = branch.fanReg.pressureChange != 0.0 && branch.fanReg.location >= length;
    parts.regulator = parts.fan && branch.fanReg.pressureChange < 0.0;
    return parts;
}

std::string PartsBeyondLengthText(const CPartsBeyondLength& parts, double length)
{
    if (!parts.Any())
        return {};
    std::string subject;
    if (parts.heatSources > 0)
        subject = std::to_string(parts.heatSources) + (parts.heatSources == 1 ? " heat source" : " heat sources");
    if (parts.fan) {
        const std::string object = parts.regulator ? "regulator" : "fan";
        subject += subject.empty() ? "The " + object : " and the " + object;
    }
    const bool plural = parts.heatSources > 1 || (parts.heatSources > 0 && parts.fan);
    return subject + (plural ? " lie" : " lies") + " beyond the new length of " + FormatFixed(length, 0) +
           " m and will not act.";
}
