#include "DocumentFields.h"

#include <array>
#include <string>

const std::vector<CBranchNumberField>& BranchNumberFields()
{
    using B = CKalvexBranch;
    static const std::vector<CBranchNumberField> fields{
        {"outputInterval", &B::outputInterval, Col::Interval},
        {"length", &B::length, Col::Length},
        {"depthIn", &B::depthIn, Col::DepthIn},
        {"depthOut", &B::depthOut, Col::DepthOut},
        {"area", &B::area, Col::Area},
        {"perimeter", &B::perimeter, Col::Perimeter},
        {"frictionFactor", &B::frictionFactor, Col::Friction},
        {"wetness", &B::wetness, Col::Wetness},
        {"ageIn", &B::ageIn, Col::AgeIn},
        {"ageOut", &B::ageOut, Col::AgeOut},
        {"intakeQuantity", &B::intakeQuantity, Col::Quantity},
        {"intakePressure", &B::intakePressure, Col::Pressure},
        {"intakeDryBulb", &B::intakeDryBulb, Col::DryBulb},
        {"intakeWetBulb", &B::intakeWetBulb, Col::WetBulb},
        {"vrtIn", &B::vrtIn, Col::VrtIn},
        {"geothermalStep", &B::geothermalStep, Col::GeoStep},
        {"rockConductivity", &B::rockConductivity, Col::Conductivity},
        {"rockDiffusivity", &B::rockDiffusivity, Col::Diffusivity},
        {"addedDryBulb", &B::addedDryBulb, Col::AddedDryBulb},
        {"addedWetBulb", &B::addedWetBulb, Col::AddedWetBulb},
        {"addedQuantity", &B::addedQuantity, Col::AddedQuantity},
        {"outletDryBulb", &B::outletDryBulb, 0},
        {"outletWetBulb", &B::outletWetBulb, 0},
        {"outletPressure", &B::outletPressure, 0},
        {"outletMassFlow", &B::outletMassFlow, 0},
    };
    return fields;
}

const CBranchNumberField* FindBranchNumberField(const std::string& name)
{
    for (const CBranchNumberField& field : BranchNumberFields())
        if (name == field.name)
            return &field;
    return nullptr;
}

const std::vector<CResultNumberField>& ResultNumberFields()
{
    using R = CResultInterval;
    static const std::vector<CResultNumberField> fields{
        {"distance", &R::distance},         {"dryBulb", &R::dryBulb},
        {"wetBulb", &R::wetBulb},           {"pressure", &R::pressure},
        {"density", &R::density},           {"moisture", &R::moisture},
        {"dryWallTemp", &R::dryWallTemp},   {"vrt", &R::vrt},
        {"humidity", &R::humidity},         {"enthalpy", &R::enthalpy},
        {"sigmaHeat", &R::sigmaHeat},       {"meanSkinTemp", &R::meanSkinTemp},
        {"effectiveTemp", &R::effectiveTemp}, {"wbgt", &R::wbgt},
        {"strataLatent", &R::strataLatent}, {"strataSensible", &R::strataSensible},
        {"heatTransferCoeff", &R::heatTransferCoeff},
    };
    return fields;
}

const std::vector<CFanRegNumberField>& FanRegNumberFields()
{
    static const std::vector<CFanRegNumberField> fields{
        {"location", &CFanReg::location},
        {"sensibleHeat", &CFanReg::sensibleHeat},
        {"pressureChange", &CFanReg::pressureChange},
    };
    return fields;
}

namespace {

constexpr std::array<CHeatSourceNames, 4> kHeatSourceNames{{
    {"Spot", nullptr, "sensibleHeat", "latentHeat"},
    {"Electric", nullptr, "power", "utilization"},
    {"Diesel", "waterFuelRatio", "power", "utilization"},
    {"Linear", "length", "sensibleHeat", "latentHeat"},
}};

}  // namespace

const CHeatSourceNames* HeatSourceNames(int kind)
{
    return kind >= 0 && kind < static_cast<int>(kHeatSourceNames.size()) ? &kHeatSourceNames[kind] : nullptr;
}

int HeatSourceKind(const std::string& name)
{
    for (std::size_t k = 0; k < kHeatSourceNames.size(); ++k)
        if (name == kHeatSourceNames[k].kind)
            return static_cast<int>(k);
    return -1;
}

const std::vector<CDocNumberField>& WorkerNumberFields()
{
    using D = CKalvexDoc;
    static const std::vector<CDocNumberField> fields{
        {"metabolicRate", &D::metabolicRate},
        {"clothingResistance", &D::clothingResistance},
        {"areaFactor", &D::areaFactor},
        {"vapourPermeability", &D::vapourPermeability},
        {"bodyViewFactor", &D::bodyViewFactor},
        {"skinTempLimit", &D::skinTempLimit},
    };
    return fields;
}

const std::vector<CDocIntField>& GraphMarginFields()
{
    using D = CKalvexDoc;
    static const std::vector<CDocIntField> fields{
        {"graphMarginLeft", &D::graphMarginLeft},
        {"graphMarginTop", &D::graphMarginTop},
        {"graphMarginRight", &D::graphMarginRight},
        {"graphMarginBottom", &D::graphMarginBottom},
    };
    return fields;
}

const std::vector<CDocFlagField>& UnitLineFields()
{
    using D = CKalvexDoc;
    static const std::vector<CDocFlagField> fields{
        {"showUnitsBranchTable", &D::showUnitsBranchTable},
        {"showUnitsResultTable", &D::showUnitsResultTable},
        {"showUnitsSourceTables", &D::showUnitsSourceTables},
    };
    return fields;
}

const std::vector<CColumnListField>& ColumnListFields()
{
    using D = CKalvexDoc;
    static const std::vector<CColumnListField> fields{
        {"branchColumns", &D::branchColumns, kBranchColumns},
        {"resultColumns", &D::resultColumns, kResultColumns},
        {"airSourceColumns", &D::airSourceColumns, kAirSourceColumns},
        {"heatSourceColumns", &D::heatSourceColumns, kHeatSourceColumns},
    };
    return fields;
}

const std::vector<CGridParamField>& GridParamFields()
{
    using D = CKalvexDoc;
    static const std::vector<CGridParamField> fields{
        {"branchGridParam", &D::branchGridParam},
        {"resultGridParam", &D::resultGridParam},
        {"airSourceGridParam", &D::airSourceGridParam},
        {"heatSourceGridParam", &D::heatSourceGridParam},
    };
    return fields;
}

const std::vector<CGridIntField>& GridIntFields()
{
    using G = CGXGridParam;
    static const std::vector<CGridIntField> fields{
        {"defaultRowHeight", &G::defaultRowHeight, 0, kGridMaxPixels},
        {"defaultColWidth", &G::defaultColWidth, 0, kGridMaxPixels},
        {"headerRowHeight", &G::headerRowHeight, 0, kGridMaxPixels},
        {"headerColWidth", &G::headerColWidth, 0, kGridMaxPixels},
        {"frozenRows", &G::frozenRows, 0, 65535},
        {"frozenCols", &G::frozenCols, 0, 65535},
        {"zoom", &G::zoom, 1, 1000},
    };
    return fields;
}

const std::vector<CGridFlagField>& GridFlagFields()
{
    using G = CGXGridParam;
    static const std::vector<CGridFlagField> fields{
        {"allowSelectCells", &G::allowSelectCells},   {"allowSelectRows", &G::allowSelectRows},
        {"allowSelectCols", &G::allowSelectCols},     {"allowSelectTable", &G::allowSelectTable},
        {"allowMultipleRanges", &G::allowMultipleRanges}, {"numberRowHeaders", &G::numberRowHeaders},
        {"numberColHeaders", &G::numberColHeaders},   {"allowRowResize", &G::allowRowResize},
        {"allowColResize", &G::allowColResize},       {"allowRowMove", &G::allowRowMove},
        {"allowColMove", &G::allowColMove},
    };
    return fields;
}

const std::vector<CPropertiesFlagField>& PropertiesFlagFields()
{
    using P = CGXProperties;
    static const std::vector<CPropertiesFlagField> fields{
        {"displayHorzLines", &P::displayHorzLines},   {"displayVertLines", &P::displayVertLines},
        {"displayRowHeaders", &P::displayRowHeaders}, {"displayColHeaders", &P::displayColHeaders},
        {"threeDHeaders", &P::threeDHeaders},         {"printRowHeaders", &P::printRowHeaders},
        {"printColHeaders", &P::printColHeaders},     {"printVertLines", &P::printVertLines},
        {"printHorzLines", &P::printHorzLines},       {"printFrame", &P::printFrame},
        {"printBlackWhite", &P::printBlackWhite},     {"centerHorizontally", &P::centerHorizontally},
        {"centerVertically", &P::centerVertically},
    };
    return fields;
}

const std::vector<CPropertiesColourField>& PropertiesColourFields()
{
    using P = CGXProperties;
    static const std::vector<CPropertiesColourField> fields{
        {"gridLineColour", &P::gridLineColour},     {"headerColour", &P::headerColour},
        {"headerTextColour", &P::headerTextColour}, {"backgroundColour", &P::backgroundColour},
        {"textColour", &P::textColour},
    };
    return fields;
}

const std::vector<CPropertiesMarginField>& PropertiesMarginFields()
{
    using P = CGXProperties;
    static const std::vector<CPropertiesMarginField> fields{
        {"marginTop", &P::marginTop},
        {"marginLeft", &P::marginLeft},
        {"marginBottom", &P::marginBottom},
        {"marginRight", &P::marginRight},
    };
    return fields;
}
