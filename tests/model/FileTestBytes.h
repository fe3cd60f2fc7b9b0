#pragma once
// Builds document file bytes by hand for the file format tests.
#include "KalvexDoc.h"

#include <bit>
#include <cstdint>
#include <string_view>
#include <vector>

class FileBytes {
public:
    FileBytes& Byte(std::uint8_t v)
    {
        data.push_back(v);
        return *this;
    }
    FileBytes& Word(std::uint16_t v) { return Byte(static_cast<std::uint8_t>(v & 0xFF)).Byte(static_cast<std::uint8_t>(v >> 8)); }
    FileBytes& Dword(std::uint32_t v)
    {
        return Word(static_cast<std::uint16_t>(v & 0xFFFF)).Word(static_cast<std::uint16_t>(v >> 16));
    }
    FileBytes& Int32(std::int32_t v) { return Dword(static_cast<std::uint32_t>(v)); }
    FileBytes& Double(double v)
    {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        return Dword(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu)).Dword(static_cast<std::uint32_t>(bits >> 32));
    }
    FileBytes& Raw(std::string_view text)
    {
        for (char c : text)
            Byte(static_cast<std::uint8_t>(c));
        return *this;
    }
    // A short 8-bit string with its one-byte prefix.
    FileBytes& Str(std::string_view text) { return Byte(static_cast<std::uint8_t>(text.size())).Raw(text); }
    // A new class record: FF FF, schema, name length, name.
    FileBytes& Class(std::string_view name, std::uint16_t schema = 1)
    {
        return Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size())).Raw(name);
    }
    FileBytes& Words(std::uint16_t first, std::uint16_t last)
    {
        Word(static_cast<std::uint16_t>(last - first + 1));
        for (unsigned id = first; id <= last; ++id)
            Word(static_cast<std::uint16_t>(id));
        return *this;
    }
    FileBytes& Append(const std::vector<std::uint8_t>& more)
    {
        data.insert(data.end(), more.begin(), more.end());
        return *this;
    }
    // The four default column lists.
    FileBytes& DefaultColumns() { return Words(0, 20).Words(100, 117).Words(300, 305).Words(400, 406); }
    // Members 11 to 23 of a new document, with the given last branch id.
    FileBytes& DefaultTail(std::uint16_t lastId = 0)
    {
        Byte(0).Word(lastId).Byte(1).Byte(1).Byte(1);
        for (double v : {200.0, 0.0, 1.0, 0.45, 0.75, 36.0})
            Double(v);
        return Int32(100).Int32(100).Int32(100).Int32(100).Byte(2);
    }
    FileBytes& NoGridParams() { return Word(0).Word(0).Word(0).Word(0); }

    std::vector<std::uint8_t> data;
};

// A document with the defaults of a new file.
struct NewDocument : CKalvexDoc {
    NewDocument() { OnNewDocument(); }
};

// A document with what a user's file holds: branches with heat sources,
// a fan, source branches, results with message rows, thirteen curves and
// the settings of all four tables.
inline void FillRealisticDocument(CKalvexDoc& doc)
{
    doc.OnNewDocument();
    for (int i = 0; i < 3; ++i)
        doc.InsertNewBranch(i);
    CKalvexBranch& drift = doc.BranchAt(0);
    drift.name = "Main drift";
    drift.description = "Level 12, east";
    drift.SetColumnValue(6, 850);
    drift.SetColumnValue(12, 0.15);
    drift.AddHeatSource(CHeatSource(CHeatSource::Diesel, {"120", "150", "60", "1.5", "LHD"}));
    drift.AddHeatSource(CHeatSource(CHeatSource::Electric, {"400", "75", "80", "Pump"}));
    drift.AddHeatSource(CHeatSource(CHeatSource::Linear, {"500", "200", "20", "5", "Conveyor"}));
    drift.fanReg.location = 300;
    drift.fanReg.pressureChange = 1.2;
    drift.fanReg.sensibleHeat = 40;
    drift.fanReg.description = "Booster fan";
    for (int r = 0; r < 5; ++r) {
        CResultInterval row;
        row.distance = 10.0 * r;
        row.dryBulb = 30.0 + 0.1 * r;
        row.wetBulb = 20.0 + 0.05 * r;
        row.pressure = 100.0 + 0.01 * r;
        row.heatTransferCoeff = 8.5;
        row.condensing = r == 3;
        drift.ResultList().push_back(row);
    }
    drift.ResultList().push_back(CResultInterval::Message("Diesel LHD at 120 m"));
    drift.ResultList().push_back(CResultInterval::Message("Strata heat totals: sensible heat = 12.00 kW"));
    drift.outletDryBulb = 30.4;
    drift.outletWetBulb = 20.2;
    drift.outletPressure = 100040.0;
    drift.outletMassFlow = 11.6;
    doc.BranchAt(2).SetSourceBranchIds({1, 2});
    doc.BranchAt(2).SetColumnValue(303, 2.5);
    doc.sequenceMode = true;
    for (int i = 0; i < 13; ++i)
        doc.InsertNewCurve(i);

    doc.branchGridParam = std::make_unique<CGXGridParam>();
    doc.branchGridParam->frozenCols = 1;
    doc.branchGridParam->columnWidths = {{1, 140}, {20, 220}};
    doc.branchGridParam->properties.landscape = 1;
    doc.resultGridParam = std::make_unique<CGXGridParam>();
    doc.resultGridParam->properties.centerHorizontally = false;
    doc.resultGridParam->zoom = 150;
    doc.airSourceGridParam = std::make_unique<CGXGridParam>();
    doc.heatSourceGridParam = std::make_unique<CGXGridParam>();
    doc.heatSourceGridParam->rowHeights = {{0, 40}};
}
