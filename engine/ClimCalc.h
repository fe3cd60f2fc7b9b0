#pragma once
// The calculation object of one branch run: the air state being marched,
// the airway and rock constants, the worker, and the messages of the run.
#include <string>
#include <vector>

class CKalvexBranch;
class IRunUi;

class CKalvexDoc;

// Wet bulb globe temperature of air whose radiant temperature is its dry
// bulb, °C.
inline double WetBulbGlobeTemperature(double wetBulb, double dryBulb) { return 0.7 * wetBulb + 0.3 * dryBulb; }

class CClimCalc {
public:
    CClimCalc();

    // Airway, rock and intake air from the branch (SI units from here on).
    void Initialise(const CKalvexBranch& branch);

    // Air state.
    void SetStateFromBulbs(double td, double tw, double p);
    // Brings vapour pressure, wet bulb, humidity, density, enthalpy and
    // sigma heat up to date after dryBulb, moistureContent and pressure
    // changed; saturates the air when it is, reporting at endDistance.
    void CompleteState(double endDistance);
    // One calculation interval of stepLength ending at endDistance.
    void AdvanceAir(double sensibleHeat, double moisture, double pressureGain, double endDistance);
    // Wall, heat-transfer and heat-stress values of the current air at x.
    void EvaluatePoint(double x);

    // Rock.
    double RockAge(double x) const;
    double VirginRockTemperature(double x) const;
    double ReynoldsNumber() const;
    double ConvectiveCoefficient() const;
    double RadiativeCoefficient() const;
    double HeatTransferCoefficient() const;  // convective plus radiative
    double FourierNumber(double x) const;
    double FluxFunction(double x) const;  // uses heatTransferCoefficient
    void StrataHeat(double x);

    // Worker heat stress.
    double EffectiveTemperature() const;
    double SkinWettedness(double tsk) const;
    // Skin wettedness for any skin temperature below 38 °C before sweating
    // rises, from the wet bulb and the metabolic rate alone.
    double BaseWettedness() const;
    // The skin heat balance of the worker in the current air, W/m².
    struct SkinHeatBalance {
        const CClimCalc* calc;
        double startValue;             // °C, where the iteration starts
        double radiantTemperature;     // °C
        double convectiveCoefficient;  // W/(m²·°C)
        double respiratoryLoss;        // W/m²
        // Parts that do not depend on the skin temperature, worked out once
        // for the iteration (the same operations in the same order).
        double dryResistance;     // 1 / (fcl·hc) + clothing resistance
        double radiationFactor;   // 2.26e-7 · body view factor
        double evaporationFactor; // 0.0007 · hc
        double vapourResistance;  // clothing resistance · hc / permeability + 1 / fcl
        double wettedness;        // skin wettedness below 32.5 °C skin temperature
        double Residual(double tsk) const;
    };
    SkinHeatBalance SkinBalance() const;
    double MeanSkinTemperature(int* evaluations = nullptr) const;

    // Air state.
    double dryBulb = 0.0;
    double wetBulb = 0.0;
    double pressure = 0.0;
    double moistureContent = 0.0;
    double vapourPressure = 0.0;
    double relativeHumidity = 0.0;
    double density = 0.0;
    double enthalpy = 0.0;
    double sigmaHeat = 0.0;
    double dryAirMassFlow = 0.0;
    double massFlow = 0.0;

    // Airway and rock.
    double area = 0.0;
    double perimeter = 0.0;
    double equivalentRadius = 0.0;
    double hydraulicDiameter = 0.0;
    double resistancePerMetre = 0.0;
    double diffusivity = 0.0;
    double conductivity = 0.0;
    double frictionFactor = 0.0;
    double wetness = 0.0;
    double slope = 0.0;
    double rockAgeAtIntake = 0.0;
    double rockAgeGradient = 0.0;
    double vrtAtIntake = 0.0;
    double vrtGradient = 0.0;
    double stepLength = 0.0;

    // Rock heat of the current calculation interval (of the whole output
    // interval at a result point).
    double surfaceTemperature = 0.0;
    double heatTransferCoefficient = 0.0;
    double fluxFunction = 0.0;
    double strataSensibleHeat = 0.0;
    double strataLatentHeat = 0.0;
    double evaporationRate = 0.0;
    double surfaceLatentHeat = 0.0;

    int airSaturated = 0;
    int wallCondensation = 0;
    int condensationReported = 0;
    std::vector<std::string> messages;

    // Values of the last evaluated point.
    double vrt = 0.0;
    double dryWallTemperature = 0.0;
    double effectiveTemperature = 0.0;
    double wbgt = 0.0;
    double meanSkinTemperature = 0.0;

    // Worker, copied from the document by the run.
    void SetWorker(const CKalvexDoc& doc);
    double metabolicRate = 0.0;
    double clothingResistance = 0.0;
    double areaFactor = 0.0;
    double vapourPermeability = 0.0;
    double bodyViewFactor = 0.0;

    // Where the dry-bulb guard shows its message; none means it only
    // discards the interval.
    IRunUi* ui = nullptr;

private:
    // Skin wettedness fit coefficients depend only on the metabolic rate;
    // they are worked out once per rate.
    struct WettednessFit {
        double rate = -1.0;
        double a3 = 0.0, a2 = 0.0, a1 = 0.0, a0 = 0.0;
    };
    const WettednessFit& FitFor(double rate) const;
    mutable WettednessFit fit;

    // The heat transfer coefficient of the last air state it was worked
    // out for: a row's point and the next interval's rock heat start from
    // the same air, and the coefficient takes two powers and a logarithm.
    struct CoefficientMemo {
        bool valid = false;
        double inputs[7] = {};
        double value = 0.0;
    };
    mutable CoefficientMemo coefficientMemo;

    void BeginCondensation(double x);
    void EndCondensation(double x);
};
