// The input catalogue walked once: the table cells, the dialogs, the check
// before a run and the printed form each show, hold and print an input as
// its entry says.
#include "AirSourcesDlg.h"
#include "BranchForm.h"
#include "BranchPropertyFields.h"
#include "ColumnCatalogue.h"
#include "FanRegDlg.h"
#include "InputCatalogue.h"
#include "KalvexDoc.h"
#include "NumberText.h"
#include "Validation.h"
#include "WorkerFields.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

bool SameRule(const FieldRule& a, const FieldRule& b)
{
    return a.kind == b.kind && a.min == b.min && a.max == b.max && a.decimals == b.decimals;
}

std::string NumberText(const FieldRule& rule, double value)
{
    return FormatFixed(value, rule.kind == FieldKind::Integer ? 0 : 3);
}

bool Contains(const std::vector<std::string>& list, const std::string& text)
{
    return std::any_of(list.begin(), list.end(), [&](const std::string& s) { return s.find(text) != std::string::npos; });
}

bool Has(const std::vector<std::string>& list, const std::string& text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

// The dialog fields by column, and by dialog-only input, with their hints.
struct DialogField {
    FieldRule rule;
    std::string hint;
};

std::map<ColumnId, DialogField> BranchDialogFields()
{
    std::map<ColumnId, DialogField> fields;
    for (const BranchPageDef& page : BranchPages())
        for (const BranchField& field : page.fields)
            fields[field.column] = {field.rule, field.hint ? field.hint : ""};
    fields[Col::AddedQuantity].rule = AddedAirRule(kAddedQuantityField);
    fields[Col::AddedDryBulb].rule = AddedAirRule(kAddedDryBulbField);
    fields[Col::AddedWetBulb].rule = AddedAirRule(kAddedWetBulbField);
    return fields;
}

std::map<DialogInput, DialogField> OtherDialogFields()
{
    std::map<DialogInput, DialogField> fields;
    const auto& worker = WorkerFields();
    const std::pair<DialogInput, int> workerFields[] = {
        {DialogInput::WorkerResistance, kResistanceField},     {DialogInput::WorkerAreaFactor, kAreaFactorField},
        {DialogInput::WorkerPermeability, kPermeabilityField}, {DialogInput::WorkerMetabolicRate, kMetabolicField},
        {DialogInput::WorkerViewFactor, kViewFactorField}};
    for (const auto& [input, index] : workerFields)
        fields[input] = {worker[static_cast<std::size_t>(index)].rule, worker[static_cast<std::size_t>(index)].hint};
    // The distance's maximum follows the branch length.
    FieldRule distance = FanRegRule(kFanDistanceField, 250);
    EXPECT_EQ(distance.max, 249);
    distance.max = FindInput(DialogInput::FanDistance).field.max;
    fields[DialogInput::FanDistance] = {distance, ""};
    fields[DialogInput::FanPressure] = {FanRegRule(kFanPressureField, 250), ""};
    fields[DialogInput::FanHeat] = {FanRegRule(kFanHeatField, 250), ""};
    return fields;
}

// The hint labels the fan/regulator and inlet air source dialogs show.
std::vector<std::string> DialogLabels()
{
    std::vector<std::string> labels;
    CFanRegDlg fan(CFanReg{}, 250);
    CAirSourcesDlg air(AirSourceValues{});
    for (const QDialog* dialog : {static_cast<QDialog*>(&fan), static_cast<QDialog*>(&air)})
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labels.push_back(label->text().toStdString());
    return labels;
}

// Sets an input of the document's first branch, its first heat source, its
// fan/regulator or the worker to value.
void SetStored(CKalvexDoc& doc, const InputEntry& entry, double value)
{
    CKalvexBranch& b = doc.BranchAt(0);
    if (entry.column != kNoColumn) {
        if (b.SetColumnValue(entry.column, value))
            return;
        CHeatSource& s = b.HeatSourceList().front();
        switch (entry.column) {
        case Col::HeatLocation: s.location = value; break;
        case Col::HeatLength: s.kind = CHeatSource::Linear; s.length() = value; break;
        case Col::HeatSensible: s.kind = CHeatSource::Spot; s.sensibleHeat() = value; break;
        case Col::HeatLatent: s.kind = CHeatSource::Spot; s.latentHeat() = value; break;
        case Col::HeatPower: s.kind = CHeatSource::Electric; s.power() = value; break;
        case Col::HeatUtilization: s.kind = CHeatSource::Electric; s.utilization() = value; break;
        case Col::HeatWaterFuel: s.kind = CHeatSource::Diesel; s.waterFuelRatio() = value; break;
        default: ADD_FAILURE() << "no stored place for column " << entry.column;
        }
        return;
    }
    const DialogInput inputs[] = {DialogInput::FanDistance,        DialogInput::FanPressure,
                                  DialogInput::FanHeat,            DialogInput::WorkerResistance,
                                  DialogInput::WorkerAreaFactor,   DialogInput::WorkerPermeability,
                                  DialogInput::WorkerMetabolicRate, DialogInput::WorkerViewFactor};
    double* places[] = {&b.fanReg.location,      &b.fanReg.pressureChange, &b.fanReg.sensibleHeat,
                        &doc.clothingResistance, &doc.areaFactor,          &doc.vapourPermeability,
                        &doc.metabolicRate,      &doc.bodyViewFactor};
    for (std::size_t i = 0; i < std::size(inputs); ++i)
        if (&FindInput(inputs[i]) == &entry)
            *places[i] = value;
}

// The run's messages for the document's first branch and its worker.
std::vector<std::string> RunMessages(const CKalvexDoc& doc, const InputEntry& entry)
{
    std::vector<std::string> errors;
    const bool addedAir = entry.column >= Col::AddedQuantity && entry.column <= Col::AddedWetBulb;
    ValidateBranch(doc.BranchAt(0), errors, -1, addedAir);
    ValidateWorker(doc, errors);
    return errors;
}

CKalvexDoc& FreshDocument(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    doc.InsertNewBranch(0);
    doc.BranchAt(0).AddHeatSource(CHeatSource{});
    return doc;
}

// What a run says of the value.
std::string ExpectedRunMessage(const InputEntry& entry)
{
    const bool heat = entry.column >= Col::HeatLocation && entry.column <= Col::HeatDescription;
    return (heat ? "Heat source 1: " : "") + std::string(entry.validMessage);
}

// A form showing every printed input: a fed branch in sequence mode with a
// fan and one heat source of each kind.
std::vector<std::string> FormTexts(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    doc.InsertNewBranch(0);
    doc.InsertNewBranch(1);
    doc.sequenceMode = true;
    CKalvexBranch& b = doc.BranchAt(1);
    b.SetSourceBranchIds({doc.BranchAt(0).branchId});
    b.SetColumnValue(Col::AddedQuantity, 12.5);
    b.fanReg.location = 40;
    b.fanReg.pressureChange = 1.25;
    b.fanReg.sensibleHeat = 30;
    for (std::uint8_t kind : {CHeatSource::Spot, CHeatSource::Electric, CHeatSource::Diesel, CHeatSource::Linear}) {
        CHeatSource s;
        s.kind = kind;
        s.location = 10.0 * (kind + 1);
        s.length() = 7;
        s.sensibleHeat() = 3.5;
        s.latentHeat() = 4.25;
        b.AddHeatSource(s);
    }
    CFormMetrics metrics;
    metrics.pageWidth = 5100;
    metrics.pageHeight = 66000;
    metrics.cellHeight = 90;
    metrics.averageCharWidth = 40;
    std::vector<std::string> texts;
    for (const CFormItem& item : LayoutBranchForm(doc, b, metrics, "s").items)
        texts.push_back(item.text);
    return texts;
}

// The input's value text on the form's branch.
std::string FormValue(const CKalvexDoc& doc, const InputEntry& entry)
{
    const CKalvexBranch& b = doc.BranchAt(1);
    std::string text;
    if (b.GetColumnText(entry.column, text))
        return text;
    if (entry.column != kNoColumn) {
        for (const CHeatSource& s : b.HeatSourceList())
            if (s.GetColumnText(entry.column, text))
                return text;
    }
    if (&entry == &FindInput(DialogInput::FanDistance))
        return FormatFixed(b.fanReg.location, entry.decimals);
    if (&entry == &FindInput(DialogInput::FanPressure))
        return FormatFixed(b.fanReg.pressureChange, entry.decimals);
    return FormatFixed(b.fanReg.sensibleHeat, entry.decimals);
}

}  // namespace

TEST(InputCatalogue, EveryPlaceReadsTheEntryOfItsInput)
{
    const std::map<ColumnId, DialogField> branchFields = BranchDialogFields();
    const std::map<DialogInput, DialogField> otherFields = OtherDialogFields();
    const std::vector<std::string> labels = DialogLabels();
    CKalvexDoc formDoc;
    const std::vector<std::string> form = FormTexts(formDoc);

    int dialogOnly = 0;
    for (const InputEntry& entry : InputCatalogue()) {
        const std::string which = entry.column != kNoColumn ? "column " + std::to_string(entry.column)
                                                            : "dialog input " + std::to_string(dialogOnly);
        SCOPED_TRACE(which);
        if (entry.column != kNoColumn) {
            ASSERT_EQ(FindInput(entry.column), &entry);
            // The table header.
            EXPECT_EQ(ColumnTitle(entry.column), entry.title);
            EXPECT_EQ(ColumnUnit(entry.column), entry.unit);
            // The table cell: both bounds taken, a step beyond each refused
            // with the column's message, a non-number with the table's own.
            const FieldRule& cell = entry.cell;
            if (cell.kind == FieldKind::Text) {
                EXPECT_FALSE(CheckInputCellText(entry.column, "any text, 1e3"));
            } else {
                EXPECT_FALSE(CheckInputCellText(entry.column, NumberText(cell, cell.min)));
                EXPECT_EQ(CheckInputCellText(entry.column, NumberText(cell, cell.min - 1)), entry.cellMessage);
                if (std::isfinite(cell.max)) {
                    EXPECT_FALSE(CheckInputCellText(entry.column, NumberText(cell, cell.max)));
                    EXPECT_EQ(CheckInputCellText(entry.column, NumberText(cell, cell.max + 1)), entry.cellMessage);
                }
                EXPECT_EQ(CheckInputCellText(entry.column, "1x"),
                          cell.kind == FieldKind::Integer ? kEnterIntegerText : kEnterNumberText);
            }
        } else {
            EXPECT_EQ(&FindInput(static_cast<DialogInput>(dialogOnly++)), &entry);
        }

        // The dialog field: its rule and hint, and a real shown with the
        // decimals the value is stored with.
        const DialogField* field = nullptr;
        if (entry.column == kNoColumn)
            field = &otherFields.at(static_cast<DialogInput>(dialogOnly - 1));
        else if (branchFields.count(entry.column))
            field = &branchFields.at(entry.column);
        if (entry.field.kind != FieldKind::Text || *entry.hint) {
            ASSERT_NE(field, nullptr) << "no dialog shows the input";
            EXPECT_TRUE(SameRule(field->rule, entry.field));
            if (!field->hint.empty()) {
                EXPECT_EQ(field->hint, entry.hint);
            } else if (*entry.hint) {
                EXPECT_TRUE(Contains(labels, entry.hint)) << entry.hint;
            }
            if (entry.field.kind == FieldKind::Real) {
                EXPECT_EQ(entry.field.decimals, entry.decimals);
            }
        }

        // The check before a run: in range silent, beyond it the entry's
        // message.
        if (entry.valid.kind != FieldKind::Text) {
            CKalvexDoc doc;
            FreshDocument(doc);
            EXPECT_FALSE(Contains(RunMessages(doc, entry), entry.validMessage));
            SetStored(doc, entry, entry.valid.min - 1);
            EXPECT_TRUE(Has(RunMessages(doc, entry), ExpectedRunMessage(entry)));
            FreshDocument(doc);
            SetStored(doc, entry, entry.valid.max + 1);
            EXPECT_TRUE(Has(RunMessages(doc, entry), ExpectedRunMessage(entry)));
        }

        // The printed form: label, value text and unit.
        if (*entry.formLabel || *entry.formUnit) {
            EXPECT_TRUE(Contains(form, entry.formLabel + FormValue(formDoc, entry) + entry.formUnit))
                << entry.formLabel;
        }
    }
    EXPECT_EQ(dialogOnly, 8);
}

TEST(InputCatalogue, ValuesAreStoredAndShownWithTheEntrysDecimals)
{
    CKalvexBranch branch;
    CHeatSource source;
    for (const InputEntry& entry : InputCatalogue()) {
        if (entry.column == kNoColumn || !entry.IsNumber())
            continue;
        SCOPED_TRACE(entry.column);
        std::string text;
        if (branch.SetColumnValue(entry.column, 12.345678)) {
            EXPECT_EQ(CKalvexBranch::ColumnDecimals(entry.column), entry.decimals);
            ASSERT_TRUE(branch.GetColumnText(entry.column, text));
        } else {
            source.location = source.length() = source.sensibleHeat() = source.latentHeat() = 12.345678;
            ASSERT_TRUE(source.GetColumnText(entry.column, text));
        }
        EXPECT_EQ(text, FormatFixed(12.345678, entry.decimals));
    }
}

TEST(InputCatalogue, CrossFieldRulesHoldAtTheirEdges)
{
    // No perimeter below a circle's of the same area (2 sqrt(pi 10) = 11.21).
    EXPECT_TRUE(PerimeterTooSmall(10, 11));
    EXPECT_FALSE(PerimeterTooSmall(10, 11.3));
    // A change in depth equal to the length passes.
    EXPECT_FALSE(DepthChangeTooLarge(0, 150, 150));
    EXPECT_TRUE(DepthChangeTooLarge(150, 0, 149));
    EXPECT_FALSE(CheckInputCellText(Col::DieselTotal, "x"));  // not an input: no check
    EXPECT_EQ(FindInput(Col::BranchRow), nullptr);
}
