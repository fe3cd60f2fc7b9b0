#pragma once
#include <string>

// The branch's one fan (positive pressure change) or regulator (negative).
class CFanReg {
public:
    double location = 0.0;        // m from the intake
    double sensibleHeat = 0.0;    // kW
    double pressureChange = 0.0;  // kPa; 0 means the object does nothing
    std::string description;
    std::string eventText;  // scratch: written when the object acts; not saved
};
