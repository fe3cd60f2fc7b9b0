#pragma once
#include "ColumnIds.h"

#include <cstdint>
#include <string>
#include <vector>

// A heat source placed along a branch. Three storage slots carry different
// quantities for different kinds; the two names of a slot are accessors of
// one stored value.
class CHeatSource {
public:
    enum Kind : std::uint8_t { Spot = 0, Electric = 1, Diesel = 2, Linear = 3 };

    CHeatSource() = default;
    // Copies the inputs only; the scratch values of a run start afresh.
    CHeatSource(const CHeatSource& other);
    CHeatSource& operator=(const CHeatSource& other);
    CHeatSource(CHeatSource&&) noexcept = default;
    CHeatSource& operator=(CHeatSource&&) noexcept = default;
    ~CHeatSource() = default;

    // One row of a heat source list: the texts fill the inputs of the kind in
    // list order, numbers by the atof rule, the last used text is the
    // description. Throws std::invalid_argument when the list is too short.
    CHeatSource(int kind, const std::vector<std::string>& texts);

    // Number of input texts a kind takes (description included); 0 above 3.
    static int InputCount(int kind);

    std::uint8_t kind = Spot;
    double location = 0.0;

    double& length() { return slot3; }
    double length() const { return slot3; }
    double& waterFuelRatio() { return slot3; }
    double waterFuelRatio() const { return slot3; }
    double& sensibleHeat() { return slot4; }
    double sensibleHeat() const { return slot4; }
    double& power() { return slot4; }
    double power() const { return slot4; }
    double& latentHeat() { return slot5; }
    double latentHeat() const { return slot5; }
    double& utilization() { return slot5; }
    double utilization() const { return slot5; }

    std::string description;

    // Scratch values of the current calculation interval; never saved.
    double fractionInInterval = 0.0;
    double sensibleRate = 0.0;
    double latentRate = 0.0;
    double moistureRate = 0.0;
    std::string eventText;
    int eventPending = 0;

    // Display text by a data column id of the heat source lists
    // (Col::HeatLocation to Col::HeatDescription); false for other ids.
    bool GetColumnText(ColumnId columnId, std::string& text) const;

private:
    double slot3 = 0.0;  // length / waterFuelRatio
    double slot4 = 0.0;  // sensibleHeat / power
    double slot5 = 0.0;  // latentHeat / utilization
};
