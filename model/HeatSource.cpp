#include "HeatSource.h"

#include "InputCatalogue.h"
#include "NumberText.h"

#include <stdexcept>

CHeatSource::CHeatSource(const CHeatSource& other)
    : kind(other.kind),
      location(other.location),
      description(other.description),
      slot3(other.slot3),
      slot4(other.slot4),
      slot5(other.slot5)
{
}

CHeatSource& CHeatSource::operator=(const CHeatSource& other)
{
    if (this != &other)
        *this = CHeatSource(other);
    return *this;
}

int CHeatSource::InputCount(int kind)
{
    switch (kind) {
    case Spot:
    case Electric:
        return 4;
    case Diesel:
    case Linear:
        return 5;
    default:
        return 0;
    }
}

CHeatSource::CHeatSource(int kindValue, const std::vector<std::string>& texts)
    : kind(static_cast<std::uint8_t>(kindValue))
{
    const int needed = InputCount(kindValue);
    if (static_cast<int>(texts.size()) < needed)
        throw std::invalid_argument("CHeatSource: too few texts for the kind");
    auto number = [&texts](std::size_t i) { return AtofC(texts[i]); };
    switch (kindValue) {
    case Spot:
    case Electric:  // location, sensible heat / power, latent heat / utilization
        location = number(0);
        slot4 = number(1);
        slot5 = number(2);
        description = texts[3];
        break;
    case Diesel:  // location, power, utilization, water/fuel ratio
        location = number(0);
        slot4 = number(1);
        slot5 = number(2);
        slot3 = number(3);
        description = texts[4];
        break;
    case Linear:  // location, length, sensible heat, latent heat
        location = number(0);
        slot3 = number(1);
        slot4 = number(2);
        slot5 = number(3);
        description = texts[4];
        break;
    default:
        break;
    }
}

bool CHeatSource::GetColumnText(ColumnId columnId, std::string& text) const
{
    double value = 0.0;
    switch (columnId) {
    case Col::HeatLocation: value = location; break;
    case Col::HeatLength: value = length(); break;
    case Col::HeatSensible: value = sensibleHeat(); break;
    case Col::HeatLatent: value = latentHeat(); break;
    case Col::HeatPower: value = power(); break;
    case Col::HeatUtilization: value = utilization(); break;
    case Col::HeatWaterFuel: value = waterFuelRatio(); break;
    case Col::HeatDescription: text = description; return true;
    default: return false;
    }
    text = FormatFixed(value, FindInput(columnId)->decimals);
    return true;
}
