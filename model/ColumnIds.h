#pragma once
// Column ids: the numbers that name the quantity shown in a column. They are
// stored in the document file (the column lists), so they are never
// renumbered. Each table has one range; its first id names the row-number
// column.
#include <cstdint>

using ColumnId = std::uint16_t;

namespace Col {

// Branch table: branch inputs.
inline constexpr ColumnId BranchRow = 0;
inline constexpr ColumnId Name = 1;
inline constexpr ColumnId DryBulb = 2;
inline constexpr ColumnId WetBulb = 3;
inline constexpr ColumnId Pressure = 4;
inline constexpr ColumnId Quantity = 5;
inline constexpr ColumnId Length = 6;
inline constexpr ColumnId DepthIn = 7;
inline constexpr ColumnId DepthOut = 8;
inline constexpr ColumnId Area = 9;
inline constexpr ColumnId Perimeter = 10;
inline constexpr ColumnId Friction = 11;
inline constexpr ColumnId Wetness = 12;
inline constexpr ColumnId AgeIn = 13;
inline constexpr ColumnId AgeOut = 14;
inline constexpr ColumnId VrtIn = 15;
inline constexpr ColumnId GeoStep = 16;
inline constexpr ColumnId Conductivity = 17;
inline constexpr ColumnId Diffusivity = 18;
inline constexpr ColumnId Interval = 19;
inline constexpr ColumnId Description = 20;

// Results table: one result row.
inline constexpr ColumnId ResultRow = 100;
inline constexpr ColumnId Distance = 101;
inline constexpr ColumnId ResDryBulb = 102;
inline constexpr ColumnId ResWetBulb = 103;
inline constexpr ColumnId ResPressure = 104;
inline constexpr ColumnId Moisture = 105;
inline constexpr ColumnId Density = 106;
inline constexpr ColumnId Humidity = 107;
inline constexpr ColumnId Enthalpy = 108;
inline constexpr ColumnId SigmaHeat = 109;
inline constexpr ColumnId DryWall = 110;
inline constexpr ColumnId Vrt = 111;
inline constexpr ColumnId Mst = 112;
inline constexpr ColumnId Et = 113;
inline constexpr ColumnId Wbgt = 114;
inline constexpr ColumnId StrataLatent = 115;
inline constexpr ColumnId StrataSensible = 116;
inline constexpr ColumnId Htc = 117;
// Worked out from a row when shown, never stored with it.
inline constexpr ColumnId Twl = 118;

// Heat source lists of the heat sources dialog.
inline constexpr ColumnId HeatRow = 200;
inline constexpr ColumnId HeatLocation = 201;
inline constexpr ColumnId HeatLength = 202;
inline constexpr ColumnId HeatSensible = 203;
inline constexpr ColumnId HeatLatent = 204;
inline constexpr ColumnId HeatPower = 205;
inline constexpr ColumnId HeatUtilization = 206;
inline constexpr ColumnId HeatWaterFuel = 207;
inline constexpr ColumnId HeatDescription = 208;

// Intake air source table.
inline constexpr ColumnId AirSourceRow = 300;
inline constexpr ColumnId AirSourceName = 301;
inline constexpr ColumnId SourceBranches = 302;
inline constexpr ColumnId AddedQuantity = 303;
inline constexpr ColumnId AddedDryBulb = 304;
inline constexpr ColumnId AddedWetBulb = 305;

// Heat source summary table.
inline constexpr ColumnId HeatTotalRow = 400;
inline constexpr ColumnId HeatTotalName = 401;
inline constexpr ColumnId DieselTotal = 402;
inline constexpr ColumnId ElectricTotal = 403;
inline constexpr ColumnId FanTotal = 404;
inline constexpr ColumnId OtherSensibleTotal = 405;
inline constexpr ColumnId OtherLatentTotal = 406;

}  // namespace Col

// The id range of one table: its row-number column and its last data column.
struct ColumnRange {
    ColumnId header;
    ColumnId last;

    constexpr ColumnId first() const { return static_cast<ColumnId>(header + 1); }
    constexpr bool IsData(ColumnId id) const { return id > header && id <= last; }
};

inline constexpr ColumnRange kBranchColumns{Col::BranchRow, Col::Description};
// The values a result row stores; a new document shows them all.
inline constexpr ColumnRange kResultColumns{Col::ResultRow, Col::Htc};
// What the results table can show: the stored values and the derived ones.
inline constexpr ColumnRange kResultTableColumns{Col::ResultRow, Col::Twl};
inline constexpr ColumnRange kHeatListColumns{Col::HeatRow, Col::HeatDescription};
inline constexpr ColumnRange kAirSourceColumns{Col::AirSourceRow, Col::AddedWetBulb};
inline constexpr ColumnRange kHeatSourceColumns{Col::HeatTotalRow, Col::OtherLatentTotal};

// The name column of each table whose rows are branches.
inline constexpr bool IsNameColumn(ColumnId id)
{
    return id == Col::Name || id == Col::AirSourceName || id == Col::HeatTotalName;
}
