// dorvan-cli stress: the heat stress of a workplace reading.
#include "CliCommands.h"
#include "CliHelp.h"
#include "CliMessages.h"
#include "CliOptions.h"
#include "NumberText.h"
#include "ResultExport.h"
#include "ResultTwl.h"
#include "WorkplaceStress.h"

#include <ostream>

namespace {

const char* const kCommand = "stress";

struct NumberOption {
    const char* name;
    double CWorkplaceReading::*field;
};

constexpr NumberOption kNumberOptions[] = {
    {"--dry-bulb", &CWorkplaceReading::dryBulb},     {"--wet-bulb", &CWorkplaceReading::wetBulb},
    {"--pressure", &CWorkplaceReading::pressure},    {"--wind", &CWorkplaceReading::wind},
    {"--radiant", &CWorkplaceReading::radiant},      {"--clo", &CWorkplaceReading::clothing},
    {"--permeability", &CWorkplaceReading::permeability}, {"--view-factor", &CWorkplaceReading::viewFactor},
    {"--metabolic-rate", &CWorkplaceReading::metabolicRate},
};

// The reading from the options; an error text when they do not make one.
std::string ReadReading(const CCliArgs& parsed, CWorkplaceReading& reading)
{
    if (!parsed.Value("--dry-bulb") || !parsed.Value("--wet-bulb"))
        return "expects --dry-bulb C and --wet-bulb C";
    reading = CWorkplaceReading{};
    reading.pressure = 100.0;
    reading.wind = 0.2;
    reading.clothing = 0.0;
    reading.permeability = 0.45;
    reading.viewFactor = 0.73;
    reading.metabolicRate = 200.0;
    for (const NumberOption& option : kNumberOptions) {
        const std::string* text = parsed.Value(option.name);
        if (!text)
            continue;
        if (!IsNumberText(*text))
            return std::string(option.name) + " " + *text + ": not a number";
        reading.*(option.field) = AtofC(*text);
    }
    if (!parsed.Value("--radiant"))
        reading.radiant = reading.dryBulb;
    return ReadingProblem(reading);
}

std::string StressText(const CWorkplaceStress& s)
{
    return "Thermal work limit: " + CResultTwl::Text(s.limit) + " W/m\u00B2 (" + ZoneName(s.limit.zone) + ")\n" +
           "WBGT: " + FormatFixed(s.wbgt, 2) + " \u00B0C\n" +
           "Effective temperature: " + FormatFixed(s.effectiveTemperature, 2) + " \u00B0C\n" +
           "Mean skin temperature: " + FormatFixed(s.meanSkinTemperature, 2) + " \u00B0C\n";
}

std::string StressJson(const CWorkplaceStress& s)
{
    return std::string("{\n") + "  \"thermalWorkLimit\": " + JsonNumber(s.limit.value, 0) + ",\n" +
           "  \"twlZone\": " + JsonString(ZoneName(s.limit.zone)) + ",\n" +
           "  \"twlInRange\": " + (s.limit.inRange ? "true" : "false") + ",\n" +
           "  \"wbgt\": " + JsonNumber(s.wbgt, 2) + ",\n" +
           "  \"effectiveTemperature\": " + JsonNumber(s.effectiveTemperature, 2) + ",\n" +
           "  \"meanSkinTemperature\": " + JsonNumber(s.meanSkinTemperature, 2) + "\n}\n";
}

const char* const kUsage =
    "Usage: dorvan-cli stress --dry-bulb C --wet-bulb C [--pressure KPA] [--wind M_S]\n"
    "                         [--radiant C] [--clo CLO] [--permeability ICL]\n"
    "                         [--view-factor F] [--metabolic-rate W_M2] [--json FILE|-]\n";

// A usage error with the usage itself, which is short enough to show.
int StressUsageError(const std::string& text, std::ostream& err)
{
    err << "dorvan-cli " << kCommand << ": " << text << "\n" << kUsage;
    err << "Try 'dorvan-cli " << kCommand << " --help'.\n";
    return kExitFailure;
}

}  // namespace

std::string StressHelp()
{
    return std::string(kUsage) +
           "\n"
           "Rates the heat stress of air measured at a workplace: the thermal work\n"
           "limit (the highest metabolic rate, W/m\u00B2, a self-paced acclimatised\n"
           "worker can keep up) with its management zone (Withdrawal below 115,\n"
           "Buffer below 140, Acclimatization up to 220, Unrestricted above), and the\n"
           "WBGT, effective temperature and mean skin temperature of the results\n"
           "table for air at that speed, the radiant temperature standing for the\n"
           "wall's. The limit is valid from 60 to 380 W/m\u00B2 and is held to those\n"
           "bounds; above 44 \u00B0C dry bulb or 32 \u00B0C wet bulb the zone is Withdrawal.\n"
           "\n"
           "Options:\n"
           "  --dry-bulb C          dry bulb temperature, \u00B0C (0 to 60)\n"
           "  --wet-bulb C          wet bulb temperature, \u00B0C, at most the dry bulb\n"
           "  --pressure KPA        barometric pressure (default 100 kPa)\n"
           "  --wind M_S            air speed (default 0.2 m/s; the limit takes 0.2 to 4)\n"
           "  --radiant C           mean radiant temperature (default the dry bulb)\n"
           "  --clo CLO             clothing insulation (default 0 clo)\n"
           "  --permeability ICL    clothing vapour permeability (default 0.45)\n"
           "  --view-factor F       posture (body view) factor (default 0.73)\n"
           "  --metabolic-rate W_M2 work rate for the mean skin temperature (default 200)\n"
           "  --json FILE           write the values as JSON; FILE '-' writes them to\n"
           "                        standard output instead of the text\n"
           "  -h, --help            show this help\n";
}

int StressCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> valueOptions{"--json"};
    for (const NumberOption& option : kNumberOptions)
        valueOptions.push_back(option.name);
    const CCliArgs parsed = ParseCliArgs(args, valueOptions, {});
    if (parsed.help) {
        out << CommandHelp(kCommand);
        return kExitSuccess;
    }
    if (!parsed.error.empty())
        return StressUsageError(parsed.error, err);
    if (!parsed.positional.empty())
        return StressUsageError("takes no file name", err);
    const std::string* json = parsed.Value("--json");
    if (json && json->empty())
        return StressUsageError("option '--json' needs a file name", err);
    CWorkplaceReading reading;
    if (const std::string problem = ReadReading(parsed, reading); !problem.empty())
        return StressUsageError(problem, err);

    const CWorkplaceStress stress = RateReading(reading);
    if (json) {
        std::string errorText;
        if (!WriteOutput(*json, StressJson(stress), out, errorText)) {
            err << ErrorLine(*json, errorText) << "\n";
            return kExitFailure;
        }
    }
    if (!json || *json != "-")
        out << StressText(stress);
    return kExitSuccess;
}
