#pragma once
// Heat stress of a workplace reading: the thermal work limit and the three
// indices the results show, for air measured at one place rather than
// marched along a branch.
#include "ThermalWorkLimit.h"

#include <string>

struct CWorkplaceReading {
    double dryBulb = 30.0;          // °C
    double wetBulb = 20.0;          // °C
    double pressure = 100.0;        // kPa
    double wind = 0.2;              // m/s
    double radiant = 30.0;          // °C, mean radiant temperature
    double clothing = 0.0;          // clo
    double permeability = 0.45;
    double viewFactor = 0.73;
    double metabolicRate = 200.0;   // W/m², for the mean skin temperature
};

struct CWorkplaceStress {
    TwlResult limit;
    double wbgt = 0.0;
    double effectiveTemperature = 0.0;
    double meanSkinTemperature = 0.0;
};

// The first thing that makes the reading unusable, as a sentence fragment
// naming the option ("the wet bulb is above the dry bulb"); empty when it
// can be rated.
std::string ReadingProblem(const CWorkplaceReading& reading);

// The reading rated: the limit with the radiant temperature as given, the
// indices of the branch results with the air at the reading's wind speed
// and the radiant temperature standing in for the wall's.
CWorkplaceStress RateReading(const CWorkplaceReading& reading);
