#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <cmath>

#include "core/cad/DrawingCommands.h"
#include "core/model/ProjectFile.h"
#include "core/solver/Compute.h"
#include "core/solver/FieldMap.h"
#include "core/ui/ScriptedInteraction.h"
#include "core/view/ColourScale.h"
#include "support/ModelBuilders.h"

namespace zorind::cad {
namespace {

Project example(const char* name)
{
    Project p = test::emptyProject();
    EXPECT_TRUE(loadProjectFile(std::string(ZORIND_EXAMPLES_DIR) + "/" + name, p).ok());
    return p;
}

// What a reader finds in the drawing: each polyline as its lines.
Drawing asRead(const ExportDrawing& exported)
{
    Drawing d;
    for (const ExportPolyline& polyline : exported.polylines) {
        const std::vector<Point>& v = polyline.vertices;
        for (std::size_t i = 0; i + 1 < v.size() || (polyline.closed && i < v.size()); ++i) {
            d.model.pieces.push_back(Line{v[i], v[(i + 1) % v.size()]});
        }
    }
    d.model.points = exported.points;
    return d;
}

// The nodes and the elements (each as its two end points) of a model, in
// an order of their own: an import numbers nodes along each boundary, which
// a model refined or edited by hand need not.
struct Geometry {
    std::vector<std::pair<float, float>> nodes;
    std::vector<std::array<float, 5>> elements; // start x, y, end x, y, boundary
};

Geometry geometryOf(const Model& m)
{
    Geometry g;
    for (const int n : m.nodes.numbers()) {
        g.nodes.emplace_back(m.nodes[n].x, m.nodes[n].y);
    }
    for (const int k : m.elements.numbers()) {
        const Element& e = m.elements[k];
        const Node& a = m.nodes[e.startNode];
        const Node& b = m.nodes[e.endNode];
        g.elements.push_back({a.x, a.y, b.x, b.y, static_cast<float>(e.boundary)});
    }
    std::sort(g.nodes.begin(), g.nodes.end());
    std::sort(g.elements.begin(), g.elements.end());
    return g;
}

TEST(DrawingExport, AnExportedModelImportsAgainAsTheSameNodesElementsAndBoundaries)
{
    for (const char* name : {"pierscien.tav", "plyta.tav", "wspornik.tav"}) {
        const Project original = example(name);
        const ExportDrawing exported = drawingOfModel(original, {});
        Model again = test::emptyProject();
        ASSERT_TRUE(importDrawing(asRead(exported), ImportOptions{}, again).ok()) << name;
        const Geometry before = geometryOf(original);
        const Geometry after = geometryOf(again);
        EXPECT_EQ(after.nodes, before.nodes) << name;
        EXPECT_EQ(after.elements, before.elements) << name;
        for (const int k : again.elements.numbers()) {
            EXPECT_EQ(again.elements[k].condition, 1) << name << " element " << k;
        }
        EXPECT_EQ(again.boundaryCount(), original.boundaryCount());
        EXPECT_EQ(again.internalPointCount(), original.internalPointCount());
    }
}

TEST(DrawingExport, EachChainOfABoundaryIsOnePolylineOnTheBoundarysLayer)
{
    Project p = test::emptyProject();
    for (int i = 0; i < 7; ++i) {
        test::addNode(p, static_cast<float>(i), static_cast<float>(i * i));
    }
    test::addBoundary(p, InnerBoundary);
    test::addElement(p, 3, 4);
    test::addElement(p, 5, 6, 1, 2);
    test::addElement(p, 1, 2);
    test::addElement(p, 4, 1);
    test::addElement(p, 2, 3);
    test::addElement(p, 6, 7, 1, 2);
    test::addElement(p, 7, 99, 1, 2);
    const ExportDrawing d = drawingOfModel(p, {});
    EXPECT_EQ(d.layers, (std::vector<std::string>{"BRZEG_1", "BRZEG_2"}));
    ASSERT_EQ(d.polylines.size(), 2u);
    EXPECT_TRUE(d.polylines[0].closed);
    EXPECT_EQ(d.polylines[0].vertices, (std::vector<Point>{{2, 4}, {3, 9}, {0, 0}, {1, 1}}));
    EXPECT_FALSE(d.polylines[1].closed);
    EXPECT_EQ(d.polylines[1].layer, "BRZEG_2");
    EXPECT_EQ(d.polylines[1].vertices, (std::vector<Point>{{4, 16}, {5, 25}, {6, 36}}));
}

TEST(DrawingExport, TheIsolinesOfALinearFieldLieWhereItTakesTheScalesValues)
{
    // The plate 10 by 5 held at 100 on the left and 0 on the right.
    Project p = example("plyta.tav");
    ScriptedInteraction ui;
    ASSERT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    const std::vector<double> levels = solver::blankFieldMap(resultRanges(p).potential, 1, 1, 1).levels;
    const std::vector<Line> lines = potentialIsolines(p);
    ASSERT_FALSE(lines.empty());
    std::vector<double> reach(levels.size(), 0.0);
    for (const Line& line : lines) {
        const double level = 100.0 * (1.0 - line.a.x / 10.0);
        const auto nearest = std::min_element(levels.begin(), levels.end(), [&](double a, double b) {
            return std::abs(a - level) < std::abs(b - level);
        });
        EXPECT_NEAR(*nearest, level, 0.05);
        EXPECT_NEAR(line.b.x, line.a.x, 1e-3);
        reach[static_cast<std::size_t>(nearest - levels.begin())] += std::abs(line.b.y - line.a.y);
    }
    // Each isoline crosses the plate from bottom to top.
    for (double r : reach) {
        EXPECT_NEAR(r, 5.0, 0.15);
    }
    p.resultsValid = 0;
    EXPECT_TRUE(potentialIsolines(p).empty());
}

} // namespace
} // namespace zorind::cad
