#include "ResultTwl.h"

#include "AirProperties.h"
#include "KalvexDoc.h"
#include "NumberText.h"

#include <cmath>

CResultTwl::CResultTwl(const CKalvexDoc& doc, const CKalvexBranch& b)
    : branch(b),
      clothingInsulation(doc.clothingResistance / twl::kCloResistance),
      permeability(doc.vapourPermeability),
      postureFactor(doc.bodyViewFactor)
{
    // Water the air takes up along the branch adds to its mass flow but not
    // to its dry air, so the outlet's mass flow and moisture give the dry
    // air of the whole run.
    const double p = b.outletPressure;
    const double e = VapourPressureFromBulbs(b.outletDryBulb, b.outletWetBulb, p);
    const double x = p > e ? MoistureContent(e, p) : 0.0;
    if (b.outletMassFlow > 0.0 && std::isfinite(x) && x >= 0.0)
        dryAirMassFlow = b.outletMassFlow / (1.0 + x);
}

TwlConditions CResultTwl::ConditionsAt(const CResultInterval& row) const
{
    TwlConditions c;
    const double p = row.pressure * 1000.0;
    const double x = row.moisture / 1000.0;
    c.dryBulb = row.dryBulb;
    c.pressure = p;
    c.vapourPressure = VapourPressureFromMoisture(x, p);
    // As the skin temperature model takes it: halfway between wall and air.
    c.radiantTemperature = (row.dryWallTemp + row.dryBulb) / 2.0;
    const double flowArea = row.density * branch.area;
    if (dryAirMassFlow > 0.0 && flowArea > 0.0)
        c.airSpeed = dryAirMassFlow * (1.0 + x) / flowArea;
    else if (branch.area > 0.0)
        c.airSpeed = branch.intakeQuantity / branch.area;  // a branch without a recorded outlet
    c.clothingInsulation = clothingInsulation;
    c.clothingPermeability = permeability;
    c.postureFactor = postureFactor;
    return c;
}

TwlResult CResultTwl::At(const CResultInterval& row) const
{
    return ThermalWorkLimit(ConditionsAt(row), row.wetBulb);
}

std::string CResultTwl::Text(const TwlResult& result)
{
    if (!result.inRange)
        return result.value <= twl::kLowerBound ? "below 60" : "above 380";
    return FormatFixed(result.value, 0);
}

bool CResultTwl::CellText(ColumnId columnId, int rowIndex, std::string& text) const
{
    const CResultInterval& row = branch.ResultAt(rowIndex);
    if (row.isMessage)
        return false;
    if (columnId == Col::Twl) {
        text = Text(At(row));
        return true;
    }
    return row.GetColumnText(columnId, text);
}
