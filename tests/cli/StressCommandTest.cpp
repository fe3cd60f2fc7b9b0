// dorvan-cli stress: a workplace reading rated, its JSON and its refusals.
#include "CliCommands.h"
#include "ThermalWorkLimit.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct StressRun {
    int status = -1;
    std::string out;
    std::string err;
};

StressRun Stress(const std::vector<std::string>& options)
{
    std::vector<std::string> args{std::string("stress")};
    for (const std::string& option : options)
        args.push_back(option);
    std::ostringstream out, err;
    StressRun run;
    run.status = RunCli(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The number after key in a JSON text.
double JsonValue(const std::string& json, const std::string& key)
{
    const auto at = json.find("\"" + key + "\": ");
    return at == std::string::npos ? -1e9 : std::stod(json.substr(at + key.size() + 4));
}

}  // namespace

TEST(StressCommand, RatesTheReadingWithTheDefaults)
{
    // The published example: 40 / 30 °C, radiant at the dry bulb, 0.35 clo.
    StressRun r = Stress({"--dry-bulb", "40", "--wet-bulb", "30", "--clo", "0.35", "--json", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_NEAR(JsonValue(r.out, "thermalWorkLimit"), 110.0, 3.0);
    EXPECT_NE(r.out.find("\"twlZone\": \"Withdrawal\""), std::string::npos);
    EXPECT_NE(r.out.find("\"twlInRange\": true"), std::string::npos);
    EXPECT_DOUBLE_EQ(JsonValue(r.out, "wbgt"), 33.0);
    for (const char* key : {"effectiveTemperature", "meanSkinTemperature"})
        EXPECT_GT(JsonValue(r.out, key), 25.0) << key;
    EXPECT_EQ(r.out.find("Thermal work limit:"), std::string::npos);  // JSON only

    // More wind raises the limit; the text names the zone.
    r = Stress({"--dry-bulb", "40", "--wet-bulb", "30", "--clo", "0.35", "--wind", "0.7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Thermal work limit: 15", 0), 0u) << r.out;
    EXPECT_NE(r.out.find(" W/m\u00B2 (Acclimatization)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("WBGT: 33.00 \u00B0C\n"), std::string::npos);
    EXPECT_NE(r.out.find("Effective temperature: "), std::string::npos);
    EXPECT_NE(r.out.find("Mean skin temperature: "), std::string::npos);

    // Held to the bound, and named so.
    r = Stress({"--dry-bulb", "42", "--wet-bulb", "42", "--json", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(JsonValue(r.out, "thermalWorkLimit"), 60.0);
    EXPECT_NE(r.out.find("\"twlInRange\": false"), std::string::npos);
    EXPECT_NE(r.out.find("\"twlZone\": \"Withdrawal\""), std::string::npos);
    EXPECT_EQ(Stress({"--dry-bulb", "42", "--wet-bulb", "42"}).out.rfind("Thermal work limit: below 60 W/m", 0), 0u);

    // A radiant temperature above the air's lowers the limit.
    const double still = JsonValue(Stress({"--dry-bulb", "30", "--wet-bulb", "24", "--json", "-"}).out,
                                   "thermalWorkLimit");
    const double hotWalls = JsonValue(
        Stress({"--dry-bulb", "30", "--wet-bulb", "24", "--radiant", "45", "--json", "-"}).out, "thermalWorkLimit");
    EXPECT_LT(hotWalls, still);
}

TEST(StressCommand, RefusesWhatIsNoReading)
{
    const std::vector<std::vector<std::string>> refused = {
        {"--dry-bulb", "30", "--wet-bulb", "31"},             // wet bulb above dry bulb
        {"--dry-bulb", "30", "--wet-bulb", "25", "--wind", "-1"},
        {"--dry-bulb", "warm", "--wet-bulb", "25"},
        {"--dry-bulb", "30", "--wet-bulb", "25", "--pressure", "nan"},
        {"--dry-bulb", "30", "--wet-bulb", "25", "--clo", "1e999"},
        {"--dry-bulb", "30", "--wet-bulb", "25", "--permeability", "0"},
        {"--dry-bulb", "30", "--wet-bulb", "25", "--metabolic-rate", "1000"},
        {"--dry-bulb", "30"},                                  // no wet bulb
        {"--dry-bulb", "30", "--wet-bulb", "25", "extra.zt2"},
        {"--dry-bulb", "30", "--wet-bulb", "25", "--humidity", "50"},
        {"--dry-bulb", "30", "--wet-bulb", "25", "--json", ""},
    };
    for (const std::vector<std::string>& args : refused) {
        const StressRun r = Stress(args);
        EXPECT_EQ(r.status, 2) << args[args.size() - 1];
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err.rfind("dorvan-cli stress: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("\nUsage: dorvan-cli stress --dry-bulb C --wet-bulb C"), std::string::npos) << r.err;
    }
    EXPECT_NE(Stress({"--dry-bulb", "30", "--wet-bulb", "31"}).err.find("wet bulb is above the dry bulb"),
              std::string::npos);
    EXPECT_NE(Stress({"--dry-bulb", "30", "--wet-bulb", "25", "--wind", "-1"}).err.find("wind speed is negative"),
              std::string::npos);
    EXPECT_NE(Stress({"--dry-bulb", "warm", "--wet-bulb", "25"}).err.find("--dry-bulb warm: not a number"),
              std::string::npos);

    const StressRun help = Stress({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: dorvan-cli stress", 0), 0u);
    EXPECT_NE(help.out.find("--view-factor F"), std::string::npos);
}
