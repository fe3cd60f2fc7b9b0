// Each of the thirteen plots reads the result column of the quantity it
// names.
#include "ColumnIds.h"
#include "PlotKinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(PlotKinds, EachPlotReadsTheColumnOfItsQuantity)
{
    const std::pair<std::string, ColumnId> expected[kPlotCount] = {
        {"Dry Bulb Temperature", Col::ResDryBulb},
        {"Wet Bulb Temperature", Col::ResWetBulb},
        {"Humidity", Col::Humidity},
        {"Moisture", Col::Moisture},
        {"Pressure", Col::ResPressure},
        {"Density", Col::Density},
        {"Enthalpy", Col::Enthalpy},
        {"Sigms Heat", Col::SigmaHeat},
        {"Dry Wall Temperature", Col::DryWall},
        {"Virgin Rock Temperature", Col::Vrt},
        {"Skin Temperature", Col::Mst},
        {"Wet Bulb Globe Temperature", Col::Wbgt},
        {"Effective Temperature", Col::Et},
    };
    std::set<ColumnId> columns;
    for (int plot = 0; plot < kPlotCount; ++plot) {
        const PlotKind& kind = PlotKindAt(plot);
        EXPECT_EQ(kind.rowLabel, expected[plot].first) << plot;
        EXPECT_EQ(kind.column, expected[plot].second) << kind.rowLabel;
        columns.insert(kind.column);
    }
    EXPECT_EQ(columns.size(), static_cast<std::size_t>(kPlotCount));  // no quantity plotted twice
    EXPECT_NE(std::string(PlotKindAt(2).axisTitle).find("Humidity"), std::string::npos);
    EXPECT_THROW(PlotKindAt(kPlotCount), std::out_of_range);
}
