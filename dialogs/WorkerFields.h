#pragma once
// The worker description's fields without any window: their rules and
// texts, the check in reading order, and the two pick tables (clothing
// ensembles, activities) whose values come from the row chosen.
#include "FieldCheck.h"
#include "KalvexDoc.h"

#include <array>
#include <string>
#include <vector>

// Fields in control order.
enum WorkerField { kResistanceField = 0, kAreaFactorField, kPermeabilityField, kMetabolicField, kViewFactorField };
inline constexpr int kWorkerFieldCount = 5;

struct WorkerFieldDef {
    const char* label;
    FieldRule rule;
    bool shortest;  // shown in the shortest general form, else with the rule's decimals
    const char* hint;
};

const std::array<WorkerFieldDef, kWorkerFieldCount>& WorkerFields();

// The texts the fields show for the values, in control order.
std::vector<std::string> WorkerFieldTexts(const CWorkerValues& values);

// Reads the texts (control order) in the order area factor, body view
// factor, metabolic rate, thermal resistance, vapour permeability. On
// success the values are stored; on failure nothing is.
FieldFailure CheckWorkerFields(const std::vector<std::string>& texts, CWorkerValues& values);

struct ClothingEnsemble {
    const char* name;
    const char* resistanceText;
    const char* areaFactorText;
    double resistance;
    double areaFactor;
};

struct WorkerActivity {
    const char* name;
    const char* rateText;
    int rate;
};

const std::array<ClothingEnsemble, 6>& ClothingEnsembles();
const std::array<WorkerActivity, 10>& Activities();
