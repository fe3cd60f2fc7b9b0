#pragma once
// One home per input. For every input column id (branch inputs 1-20, the
// heat source list columns 201-208, the additional air 303-305) and for the
// inputs that only a dialog shows (fan/regulator, worker), one entry holds
// what the program says and enforces about it: the table header's title
// and unit, the decimals a value is stored and shown with, the table cell's
// rule and refusal, the dialog field's rule and hint, the range the check
// before a run holds a stored value to with its message, and the printed
// branch form's label and unit. Texts are UTF-8.
#include "ColumnIds.h"
#include "InputRule.h"

#include <optional>
#include <span>
#include <string>

inline constexpr ColumnId kNoColumn = 0xFFFF;  // an input only a dialog shows

struct InputEntry {
    ColumnId column = kNoColumn;
    const char* title = "";        // table header; "" for dialog-only inputs
    const char* unit = "";         // parenthesised header unit; "" when none
    int decimals = -1;             // stored and shown with; -1 for texts
    FieldRule cell{};              // a typed table cell; Text: taken as typed
    const char* cellMessage = "";  // the cell's refusal of a value outside its range
    FieldRule field{};             // the dialog's edit box; Text: any text
    const char* hint = "";         // the fixed label beside the edit box
    FieldRule valid{};             // what a run accepts; Text: not checked
    const char* validMessage = ""; // the run's refusal of a value outside it
    const char* formLabel = "";    // the branch form's text before the value
    const char* formUnit = "";     // and after it (with its leading space)

    bool IsNumber() const { return decimals >= 0; }
};

// The inputs that only a dialog shows.
enum class DialogInput {
    FanDistance,
    FanPressure,
    FanHeat,
    WorkerResistance,
    WorkerAreaFactor,
    WorkerPermeability,
    WorkerMetabolicRate,
    WorkerViewFactor,
};

// Every entry: the column inputs in id order, then the dialog-only ones.
std::span<const InputEntry> InputCatalogue();
// The entry of an input column id; null for any other id.
const InputEntry* FindInput(ColumnId column);
const InputEntry& FindInput(DialogInput input);

// The check of a typed table cell of an input column: the table's exact
// refusal ("Please enter a number.", "Please enter an integer." or the
// column's range message), nothing when the text is accepted or the column
// takes any text. The heat source list's location and length cells are
// further held to the branch length by the list itself.
std::optional<std::string> CheckInputCellText(ColumnId column, const std::string& text);
inline constexpr const char* kEnterIntegerText = "Please enter an integer.";
inline constexpr const char* kEnterNumberText = "Please enter a number.";
inline constexpr const char* kEnterPositiveText = "Please enter a positive integer.";

// The cross-field rules of a branch's inputs, shared by the property sheet
// and the check before a run.
// The change in depth exceeds the length.
bool DepthChangeTooLarge(double depthIn, double depthOut, double length);
// The perimeter is shorter than that of a circle of the same area.
bool PerimeterTooSmall(double area, double perimeter);
inline constexpr const char* kDepthChangeMessage = "Change in depth must be less than or equal to length.";
inline constexpr const char* kPerimeterMessage = "Perimeter too small relative to area.";
