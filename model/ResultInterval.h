#pragma once
#include "ColumnIds.h"

#include <string>

// One row of a branch's results: a value row, or a message row that carries
// only its text (every number 0).
class CResultInterval {
public:
    double distance = 0.0;
    double dryBulb = 0.0;
    double wetBulb = 0.0;
    double pressure = 0.0;  // kPa
    double density = 0.0;
    double moisture = 0.0;  // g/kg
    double dryWallTemp = 0.0;
    double vrt = 0.0;
    double humidity = 0.0;  // %
    double enthalpy = 0.0;  // kJ/kg
    double sigmaHeat = 0.0;
    double meanSkinTemp = 0.0;
    double effectiveTemp = 0.0;
    double wbgt = 0.0;
    double strataLatent = 0.0;    // kW
    double strataSensible = 0.0;  // kW
    double heatTransferCoeff = 0.0;
    bool condensing = false;
    bool isMessage = false;
    std::string messageText;

    static CResultInterval Message(std::string text);

    // Value by a data column id of the results table (Col::Distance to
    // Col::Htc); false for other ids.
    bool GetColumnValue(ColumnId columnId, double& value) const;
    // Display text by the same column ids; false for other ids.
    bool GetColumnText(ColumnId columnId, std::string& text) const;
};
