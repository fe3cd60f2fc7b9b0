#include "GridSearch.h"

#include <gtest/gtest.h>

TEST(GridSearch, CoarsePointsClimbByDecadesAndEndAtTheRangeEnd)
{
    // 0.10 to 10,000.00 in steps of 0.01.
    const std::vector<int> points = CoarseGridPoints(0.1, 0.01, 999990, 0.1, 16);
    ASSERT_GE(points.size(), 70u);
    EXPECT_LE(points.size(), 90u);
    EXPECT_EQ(points.front(), 0);
    EXPECT_EQ(points.back(), 999990);
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_GT(points[i], points[i - 1]);
        // No gap wider than a sixteenth of a decade of the value, or one
        // grid step where that is less.
        const double low = 0.1 + 0.01 * points[i - 1];
        const double high = 0.1 + 0.01 * points[i];
        EXPECT_LE(high, low * 1.155 + 0.01 + 1e-9) << i;
    }
    // A range starting at 0: 0, then the floor.
    const std::vector<int> fromZero = CoarseGridPoints(0.0, 0.01, 200000, 1.0, 16);
    ASSERT_GE(fromZero.size(), 2u);
    EXPECT_EQ(fromZero[1], 100);
    EXPECT_EQ(CoarseGridPoints(0.0, 0.01, 0, 1.0, 16), std::vector<int>{0});
    EXPECT_EQ(CoarseGridPoints(0.0, 0.01, 5, 1.0, 16), (std::vector<int>{0, 5}));
}

TEST(GridSearch, MonotonicThresholdsAreFoundExactly)
{
    const std::vector<int> coarse = CoarseGridPoints(0.1, 0.01, 999990, 0.1, 16);
    for (int threshold : {0, 1, 7, 990, 12345, 500000, 999989, 999990}) {
        const CGridAnswer a = FindFirstKeepingPoint(coarse, [&](int i) { return i >= threshold; });
        EXPECT_TRUE(a.found);
        EXPECT_EQ(a.point, threshold);
        EXPECT_LE(a.evaluations, 110);
    }
    const CGridAnswer none = FindFirstKeepingPoint(coarse, [](int) { return false; });
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.evaluations, static_cast<int>(coarse.size()));
}

TEST(GridSearch, ANonMonotonicCriterionGivesACrossingPoint)
{
    const std::vector<int> coarse = CoarseGridPoints(0.0, 0.01, 100000, 1.0, 16);
    // Keeps on a band that holds a coarse point, breaks again, keeps for good later.
    const auto keeps = [](int i) { return (i >= 180 && i < 5000) || i >= 40000; };
    const CGridAnswer a = FindFirstKeepingPoint(coarse, keeps);
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.point, 180);
    // Keeps, then breaks inside one coarse gap: the crossing found keeps and
    // the point before it breaks.
    const auto wavy = [](int i) { return (i / 37) % 2 == 1 || i > 9000; };
    const CGridAnswer w = FindFirstKeepingPoint(coarse, wavy);
    ASSERT_TRUE(w.found);
    EXPECT_TRUE(wavy(w.point));
    EXPECT_FALSE(wavy(w.point - 1));
}
