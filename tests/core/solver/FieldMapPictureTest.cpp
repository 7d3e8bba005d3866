// What the field picture is drawn from: the cells continued past the
// region's edge, the values between cell centres, the isolines joined.
#include <gtest/gtest.h>

#include <cmath>

#include "core/solver/FieldMap.h"

namespace zorind {
namespace {

// A map of 6 × 5 cells of 4 pixels with the values 10·column + row inside
// the cells whose column is 2 or more, NaN left of them.
solver::FieldMap halfMap()
{
    solver::FieldMap map;
    map.cell = 4;
    map.columns = 6;
    map.rows = 5;
    for (int row = 0; row < map.rows; ++row) {
        for (int column = 0; column < map.columns; ++column) {
            map.values.push_back(column >= 2 ? 10.0 * column + row : std::nan(""));
        }
    }
    return map;
}

// Two cells beyond the region the linear field goes on as it is; a third
// stays empty.
TEST(FieldMapPicture, CellsBesideTheRegionContinueItsField)
{
    solver::FieldMap map = halfMap();
    map.columns = 7;
    map.values.clear();
    for (int row = 0; row < map.rows; ++row) {
        for (int column = 0; column < map.columns; ++column) {
            map.values.push_back(column >= 3 ? 10.0 * column + row : std::nan(""));
        }
    }
    const std::vector<double> v = solver::extendedValues(map);
    for (int row = 0; row < map.rows; ++row) {
        const std::size_t at = static_cast<std::size_t>(row) * 7;
        EXPECT_TRUE(std::isnan(v[at])) << row;
        EXPECT_DOUBLE_EQ(v[at + 1], 10.0 + row);
        EXPECT_DOUBLE_EQ(v[at + 2], 20.0 + row);
        EXPECT_DOUBLE_EQ(v[at + 3], 30.0 + row);
    }
    // The map itself keeps its NaN.
    EXPECT_TRUE(std::isnan(map.values[2]));
}

// Between cell centres (at 2, 6, 10, ... pixels) the value is bilinear;
// beyond the last centres the edge's; a NaN corner gives NaN.
TEST(FieldMapPicture, ValuesBetweenCellCentres)
{
    const solver::FieldMap map = halfMap();
    EXPECT_DOUBLE_EQ(solver::interpolatedValue(map, map.values, 10.0, 2.0), 20.0);
    // Three quarters of the way from column 2 to 3, a quarter from row 1 to 2.
    EXPECT_DOUBLE_EQ(solver::interpolatedValue(map, map.values, 13.0, 7.0), 27.5 + 1.25);
    EXPECT_DOUBLE_EQ(solver::interpolatedValue(map, map.values, 23.5, 0.5), 50.0);
    EXPECT_DOUBLE_EQ(solver::interpolatedValue(map, map.values, 100.0, 100.0), 54.0);
    EXPECT_TRUE(std::isnan(solver::interpolatedValue(map, map.values, 7.0, 4.0)));
    double row[24];
    solver::interpolatedRow(map, map.values, 6, 24, row);
    for (int x = 0; x < 24; ++x) {
        const double expected = solver::interpolatedValue(map, map.values, x + 0.5, 6.5);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(row[x])) << x;
        } else {
            EXPECT_NEAR(row[x], expected, 1e-12) << x;
        }
    }
}

// The level 1 of the distance from a map's middle is one closed curve;
// the level of a plane is one open line from edge to edge; every point lies
// on its level.
TEST(FieldMapPicture, IsolinesAreJoinedIntoPolylines)
{
    solver::FieldMap map;
    map.cell = 2;
    map.columns = 20;
    map.rows = 20;
    for (int row = 0; row < map.rows; ++row) {
        for (int column = 0; column < map.columns; ++column) {
            map.values.push_back(std::hypot(column - 9.5, row - 9.5) / 5.0);
        }
    }
    map.levels = {1.0};
    const std::vector<solver::Isoline> circle = solver::isolines(map, map.values);
    ASSERT_EQ(circle.size(), 1u);
    const std::vector<solver::IsolinePoint>& points = circle[0].points;
    EXPECT_EQ(points.size(), solver::isolineSegments(map, map.values).size() + 1);
    EXPECT_EQ(points.front().x, points.back().x);
    EXPECT_EQ(points.front().y, points.back().y);
    for (const solver::IsolinePoint& p : points) {
        // Centres at 1, 3, ... pixels: the middle at 20, radius 5 cells.
        EXPECT_NEAR(std::hypot(p.x - 20.0, p.y - 20.0), 10.0, 0.3);
    }

    for (std::size_t i = 0; i < map.values.size(); ++i) {
        map.values[i] = static_cast<double>(i % 20) + static_cast<double>(i / 20);
    }
    map.levels = {20.5};
    const std::vector<solver::Isoline> diagonal = solver::isolines(map, map.values);
    ASSERT_EQ(diagonal.size(), 1u);
    EXPECT_NE(diagonal[0].points.front().x, diagonal[0].points.back().x);
    EXPECT_EQ(diagonal[0].points.size(), solver::isolineSegments(map, map.values).size() + 1);
}

} // namespace
} // namespace zorind
