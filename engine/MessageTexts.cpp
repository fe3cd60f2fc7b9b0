#include "MessageTexts.h"

#include "NumberText.h"

namespace {

const char* const kDegree = "\u00B0";

// "<what> at <x> m" followed by ", sensible heat = <kW> kW", written into a
// reused string so the march allocates nothing once it has grown.
void PlacedHeatText(std::string& text, const char* what, double location, double sensibleKw)
{
    text = what;
    text += FormatFixed(location, 0);
    text += " m, sensible heat = ";
    text += FormatFixed(sensibleKw, 2);
    text += " kW";
}

void AppendLatentHeat(std::string& text, double latentKw)
{
    text += ", latent heat = ";
    text += FormatFixed(latentKw, 2);
    text += " kW";
}

}  // namespace

std::string CondensationBeginsText(double x)
{
    return "Condensation begins at " + FormatFixed(x, 0) + " m";
}

std::string CondensationEndsText(double x)
{
    return "Condensation ends at " + FormatFixed(x, 0) + " m";
}

std::string DryBulbGuardText(double endDistance, bool tooHot)
{
    std::string text = "Input for the calculation interval ending at ";
    text += FormatFixed(endDistance, 0);
    text += " m has caused the\ndry bulb temperature to ";
    text += tooHot ? "exceed the maximum value of 120 " : "drop below the minimum value of 0 ";
    text += kDegree;
    text += "C.\n\nThe changes over this interval will be ignored. ";
    text += "Please check your input data.";
    return text;
}

void SpotSourceText(std::string& text, double location, double sensibleKw, double latentKw)
{
    PlacedHeatText(text, "Spot heat source at ", location, sensibleKw);
    AppendLatentHeat(text, latentKw);
}

void ElectricSourceText(std::string& text, double location, double sensibleKw)
{
    PlacedHeatText(text, "Electric heat source at ", location, sensibleKw);
}

void DieselSourceText(std::string& text, double location, double sensibleKw, double latentKw)
{
    PlacedHeatText(text, "Diesel heat source at ", location, sensibleKw);
    AppendLatentHeat(text, latentKw);
}

void LinearSourceText(std::string& text, double location, double length, double sensibleKw,
                      double latentKw)
{
    text = "Linear heat source starts at ";
    text += FormatFixed(location, 0);
    text += " m, length = ";
    text += FormatFixed(length, 0);
    text += " m, sensible heat = ";
    text += FormatFixed(sensibleKw, 2);
    text += " kW";
    AppendLatentHeat(text, latentKw);
}

void FanRegText(std::string& text, double location, double pressureKpa, double sensibleKw)
{
    text = "Fan/Reg object at ";
    text += FormatFixed(location, 0);
    text += " m, pressure = ";
    text += FormatFixed(pressureKpa, 3);
    text += " kPa, sensible heat = ";
    text += FormatFixed(sensibleKw, 2);
    text += " kW";
}

std::string StrataTotalsText(double sensibleKw, double latentKw)
{
    return "Strata heat totals: sensible heat = " + FormatFixed(sensibleKw, 2) +
           " kW, latent heat = " + FormatFixed(latentKw, 2) + " kW";
}

std::string OtherTotalsText(double sensibleKw, double latentKw)
{
    return "Other heat totals: sensible heat = " + FormatFixed(sensibleKw, 2) +
           " kW, latent heat = " + FormatFixed(latentKw, 2) + " kW";
}

std::string WorkerSummaryText(double metabolicRate, double skinTempLimit)
{
    return "Metabolic rate = " + FormatFixed(metabolicRate, 0) + " W/m\u00B2, Skin temperature limit value = " +
           FormatFixed(skinTempLimit, 2) + " " + kDegree + "C";
}

std::string MarchStoppedText(double x)
{
    return "Calculation stopped at " + FormatFixed(x, 0) +
           " m: the air state can no longer be computed. Please check your input data.";
}

std::string UnusableMixtureText(bool sourcesNeverRun)
{
    if (sourcesNeverRun)
        return "Branch not run: none of its source branches has been run yet, so there is no "
               "intake air to mix.";
    return "Branch not run: the intake air mixed from its source branches cannot be used. Please "
           "check the source branches.";
}
