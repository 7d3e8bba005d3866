#include <gtest/gtest.h>

#include <cmath>

#include "core/cad/DrawingImport.h"
#include "core/session/Project.h"

namespace zorind::cad {
namespace {

constexpr double kPi = 3.14159265358979323846;

Drawing drawingOf(std::vector<Piece> pieces)
{
    Drawing d;
    d.model.pieces = std::move(pieces);
    return d;
}

std::vector<Piece> square(double x0, double y0, double side, bool clockwise = false)
{
    std::vector<Point> c = {{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side}};
    if (clockwise) {
        std::swap(c[1], c[3]);
    }
    return {Line{c[0], c[1]}, Line{c[1], c[2]}, Line{c[2], c[3]}, Line{c[3], c[0]}};
}

std::vector<Piece> operator+(std::vector<Piece> a, const std::vector<Piece>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Piece circle(double cx, double cy, double r)
{
    return circularArc({cx, cy}, r, 0.0, 2.0 * kPi);
}

// Twice the area a boundary encloses, positive counter-clockwise.
double boundaryArea(const Model& m, int boundary)
{
    double twice = 0.0;
    for (const Element& e : m.elements) {
        if (e.boundary == boundary) {
            const Node& a = m.nodes[e.startNode];
            const Node& b = m.nodes[e.endNode];
            twice += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
        }
    }
    return twice / 2.0;
}

Model emptyModel()
{
    Project p;
    initialiseProject(p);
    return p;
}

TEST(DrawingImport, ACircleInARectangleBecomesAnOuterAndAnInnerBoundaryAtAFittingLength)
{
    Model m = emptyModel();
    const DrawingImport result = importDrawing(drawingOf(square(0, 0, 60, true) + std::vector<Piece>{circle(30, 30, 15)}),
                                               ImportOptions{}, m);
    ASSERT_TRUE(result.ok()) << result.refusal;
    ASSERT_EQ(m.boundaryCount(), 2);
    EXPECT_EQ(m.boundaries[1].kind, OuterBoundary);
    EXPECT_EQ(m.boundaries[2].kind, InnerBoundary);
    // The rectangle keeps its corners, starts where the drawing starts and
    // runs counter-clockwise; the circle runs clockwise.
    EXPECT_EQ(m.nodes[1], (Node{0, 0}));
    EXPECT_EQ(m.elements[4], (Element{4, 1, 1, 1}));
    EXPECT_GT(boundaryArea(m, 1), 0.0);
    EXPECT_LT(boundaryArea(m, 2), 0.0);
    // The chosen length is a round one, fills the tables to about three
    // quarters and leaves every circle node on the circle.
    ASSERT_TRUE(result.elementLength && result.lengthChosen);
    EXPECT_EQ(roundLengthUp(*result.elementLength), *result.elementLength);
    EXPECT_LE(m.nodeCount(), kDefaultNodeTarget);
    EXPECT_GT(m.nodeCount(), kDefaultNodeTarget * 2 / 3);
    for (const Element& e : m.elements) {
        const Node& a = m.nodes[e.startNode];
        const Node& b = m.nodes[e.endNode];
        if (e.boundary == 2) {
            EXPECT_NEAR(std::hypot(a.x - 30.0, a.y - 30.0), 15.0, 1e-5);
            EXPECT_LE(std::hypot(b.x - a.x, b.y - a.y), *result.elementLength * (1.0 + 1e-6));
        }
    }
    const double region = boundaryArea(m, 1) + boundaryArea(m, 2);
    EXPECT_NEAR(region, 3600.0 - kPi * 225.0, 0.01 * (3600.0 - kPi * 225.0));
}

TEST(DrawingImport, AnElementLengthIsKeptAtTheTablesLimitAndRefusedBeyondItNamingOneThatFits)
{
    // A circle of circumference 199: one node per unit of length.
    const Drawing drawing = drawingOf({circle(0, 0, 199.0 / (2.0 * kPi))});
    Model m = emptyModel();
    ImportOptions options;
    options.elementLength = 1.0;
    ASSERT_TRUE(importDrawing(drawing, options, m).ok());
    EXPECT_EQ(m.nodeCount(), kMaxNodes);

    const Model before = m;
    options.elementLength = 0.99;
    const DrawingImport refused = importDrawing(drawing, options, m);
    EXPECT_EQ(refused.refusal, "Przy długości elementu 0.99 rysunek wymaga 202 węzłów, a projekt mieści najwyżej 199; "
                               "zmieści się przy długości elementu 1");
    EXPECT_EQ(m.nodes.count(), before.nodes.count());
    EXPECT_EQ(m.nodes[5], before.nodes[5]);
}

TEST(DrawingImport, StraightLinesKeepTheirEndsWhateverTheElementLength)
{
    Model m = emptyModel();
    ImportOptions options;
    options.elementLength = 0.5;
    ASSERT_TRUE(importDrawing(drawingOf(square(0, 0, 60)), options, m).ok());
    EXPECT_EQ(m.nodeCount(), 4);
}

TEST(DrawingImport, LoopsNestAsAUserDrawsThemOuterAroundHoleAroundIsland)
{
    // The hole first, then the island, then the outline around both.
    Model m = emptyModel();
    ASSERT_TRUE(importDrawing(drawingOf(square(20, 20, 60) + square(40, 40, 20) + square(0, 0, 100)), ImportOptions{}, m)
                    .ok());
    ASSERT_EQ(m.boundaryCount(), 3);
    EXPECT_EQ(m.nodes[1], (Node{0, 0}));
    EXPECT_EQ(m.nodes[5], (Node{20, 20}));
    EXPECT_EQ(m.nodes[9], (Node{40, 40}));
    const int kinds[] = {OuterBoundary, InnerBoundary, OuterBoundary};
    for (int b = 1; b <= 3; ++b) {
        EXPECT_EQ(m.boundaries[b].kind, kinds[b - 1]);
        EXPECT_EQ(boundaryArea(m, b) > 0.0, kinds[b - 1] == OuterBoundary);
    }
}

TEST(DrawingImport, RefusalsNameTheirReasonAndLeaveTheModel)
{
    std::vector<Piece> manyCircles;
    for (int i = 0; i <= kMaxBoundaries; ++i) {
        manyCircles.push_back(circle(10.0 * i, 0, 1));
    }
    std::vector<Piece> fineOutline;
    for (int i = 0; i <= kMaxNodes; ++i) {
        const double a0 = 2.0 * kPi * i / (kMaxNodes + 1);
        const double a1 = 2.0 * kPi * (i + 1) / (kMaxNodes + 1);
        fineOutline.push_back(Line{{std::cos(a0), std::sin(a0)}, {std::cos(a1), std::sin(a1)}});
    }
    const std::vector<std::pair<Drawing, std::string>> cases = {
        {drawingOf({}), "Rysunek nie zawiera linii, łuków ani okręgów"},
        {drawingOf({Line{{0, 0}, {10, 0}}, Line{{10, 0}, {10, 10}}}),
         "Rysunek nie zawiera zamkniętego konturu; otwarte końce: (0, 0), (10, 10)"},
        {drawingOf(square(0, 0, 10) + square(5, 5, 10)), "Kontury przecinają się w punkcie (10, 5)"},
        {drawingOf(square(0, 0, 10) + square(10, 10, 10)), "Kontury stykają się lub rozgałęziają w punkcie (10, 10)"},
        {drawingOf(manyCircles), "Rysunek ma 20 zamkniętych konturów, a projekt mieści najwyżej 19 brzegów"},
        {drawingOf(fineOutline), "Rysunek wymaga co najmniej 200 węzłów, a projekt mieści najwyżej 199"},
    };
    for (const auto& [drawing, reason] : cases) {
        Model m = emptyModel();
        m.nodes.append({7, 7});
        const DrawingImport result = importDrawing(drawing, ImportOptions{}, m);
        EXPECT_EQ(result.refusal, reason);
        EXPECT_EQ(m.nodeCount(), 1);
    }
}

TEST(DrawingImport, PointsInsideTheBodyBecomeInternalPointsAndTheRestIsNoted)
{
    Drawing d = drawingOf(square(0, 0, 100) + square(40, 40, 20));
    d.model.points = {{10, 10}, {50, 50}, {200, 0}};
    d.skipped["TEXT"] = 3;
    Model m = emptyModel();
    const DrawingImport result = importDrawing(d, ImportOptions{}, m);
    ASSERT_EQ(m.internalPointCount(), 1);
    EXPECT_EQ(m.internalPoints[1].x, 10.0f);
    EXPECT_EQ(result.notes, (std::vector<std::string>{"Pominięto obiekty: TEXT (3)",
                                                      "Pominięto punkty poza obszarem lub ponad pojemność tablicy: 2"}));
}

TEST(DrawingImport, APlacedBlockIsMovedScaledAndTurnedFromItsBasePoint)
{
    Drawing d;
    d.blocks["B"].base = {1, 1};
    d.blocks["B"].pieces = square(1, 1, 1);
    d.blocks["B"].inserts = {{"C", translation(0, 0)}};
    d.blocks["C"].pieces = {circle(1.5, 1.5, 0.25)};
    d.model.inserts = {{"B", compose(translation(10, 10), scaleAndTurn(2, 2, 0))},
                       {"B", compose(translation(30, 10), scaleAndTurn(1, 1, kPi / 2))}};
    Model m = emptyModel();
    const DrawingImport result = importDrawing(d, ImportOptions{}, m);
    ASSERT_TRUE(result.ok()) << result.refusal;
    ASSERT_EQ(m.boundaryCount(), 4);
    EXPECT_EQ(m.nodes[1], (Node{10, 10}));
    EXPECT_EQ(m.nodes[3], (Node{12, 12}));
    // The hole's centre, scaled about the base point; the second copy's
    // corner (2, 2), turned a quarter about it.
    EXPECT_NEAR(std::hypot(m.nodes[5].x - 11.0, m.nodes[5].y - 11.0), 0.5, 1e-5);
    bool found = false;
    for (const Node& n : m.nodes) {
        found = found || (std::abs(n.x - 29.0f) < 1e-5f && std::abs(n.y - 11.0f) < 1e-5f);
    }
    EXPECT_TRUE(found);
}

} // namespace
} // namespace zorind::cad
