#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "edit/BoundaryConstruction.h"
#include "support/ModelBuilders.h"
#include "ui/ScriptedInteraction.h"

namespace zorind {
namespace {

struct SilentFeedback : PointerFeedback {
    void setStatusText(int, std::string_view) override {}
    void drawNodeMarker(PixelPoint, PixelPoint) override {}
    void drawElementLine(PixelPoint, PixelPoint) override {}
    void invertRubberBand(PixelPoint, PixelPoint) override {}
    void openPopup(PopupMenu, PixelPoint) override {}
};

// Points placed one after another as the polyline does, from a new chain.
void drawPolyline(Project& p, ScriptedInteraction& ui, std::initializer_list<ModelPoint> points)
{
    p.edit.editMode = EditMode::PolylineEntry;
    p.edit.chainOpen = false;
    for (ModelPoint at : points) {
        placePolylinePoint(p, ui, at);
    }
}

TEST(ClosePolyline, WalksBackToTheFreeEndOrRefusesAClosedChain)
{
    SilentFeedback f;
    ScriptedInteraction ui;
    Project p = test::emptyProject();
    drawPolyline(p, ui, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    ui.answers = {true};
    EXPECT_TRUE(closePolyline(p, ui, f));
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Zamknąć linie łamaną ?"});
    EXPECT_EQ(p.elements[4], (Element{4, 1, 1, 1}));
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    EXPECT_FALSE(p.edit.chainOpen);

    // The same chain again: it has no free end.
    ui.clear();
    ui.answers = {true};
    EXPECT_FALSE(closePolyline(p, ui, f));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, "Nie można zamknąć lini łąmanej ");
    EXPECT_EQ(ui.shown[1].kind, MessageKind::Error);
    EXPECT_EQ(p.elementCount(), 4);

    // Fewer than two elements in the whole model: not even a question.
    Project single = test::emptyProject();
    drawPolyline(single, ui, {{0, 0}, {10, 0}});
    ui.clear();
    EXPECT_FALSE(closePolyline(single, ui, f));
    EXPECT_TRUE(ui.shown.empty());
}

TEST(ClosePolyline, AtASharedNodeFollowsTheLowestNumberedElement)
{
    // Elements 1 (1,3) and 2 (2,3) both reach node 3; the walk back from
    // the last node 5 takes element 1 there and ends at node 1.
    Project p = test::emptyProject();
    for (int i = 0; i < 5; ++i) {
        test::addNode(p, static_cast<float>(i), static_cast<float>(i * i));
    }
    test::addElement(p, 1, 3);
    test::addElement(p, 2, 3);
    test::addElement(p, 3, 4);
    test::addElement(p, 4, 5);
    p.edit.editMode = EditMode::PolylineEntry;
    p.edit.chainOpen = true;
    ScriptedInteraction ui;
    ui.answers = {true};
    SilentFeedback f;
    EXPECT_TRUE(closePolyline(p, ui, f));
    EXPECT_EQ(p.elements[5], (Element{5, 1, 1, 1}));
}

TEST(RemoveLastElement, AfterTheFirstPointOfANewPolylineRemovesOnlyThatNode)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {0, 10}});
    ScriptedInteraction ui;
    drawPolyline(p, ui, {{20, 20}});
    EXPECT_TRUE(removeLastElement(p));
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_EQ(test::elementsOf(p), (std::vector<Element>{{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}}));
    EXPECT_FALSE(p.edit.chainOpen) << "the next press starts a new chain";

    // Within a chain, the last element and its node go, and the chain goes
    // on from the node that is now last.
    drawPolyline(p, ui, {{20, 20}, {30, 20}, {30, 30}});
    EXPECT_TRUE(removeLastElement(p));
    EXPECT_EQ(p.nodeCount(), 5);
    EXPECT_EQ(p.elementCount(), 4);
    EXPECT_TRUE(p.edit.chainOpen);
}

TEST(Circle, NodesToTheFloatBitOnOuterAndInnerBoundaries)
{
    ScriptedInteraction ui;
    Project outer = test::emptyProject();
    ASSERT_TRUE(addCircle(outer, ui, CircleSpec{}));
    Project inner = test::emptyProject();
    test::addBoundary(inner, InnerBoundary);
    inner.currentBoundary = 2;
    ASSERT_TRUE(addCircle(inner, ui, CircleSpec{}));

    ASSERT_EQ(outer.nodeCount(), 18);
    ASSERT_EQ(outer.elementCount(), 18);
    EXPECT_EQ(outer.nodes[1], (Node{10.0f, 0.0f}));
    const float step = static_cast<float>(6.283 / 18);
    for (int i = 0; i < 18; ++i) {
        const double a = static_cast<double>(static_cast<float>(i) * step);
        const float x = static_cast<float>(10.0 * std::cos(a));
        const float y = static_cast<float>(10.0 * std::sin(a));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outer.nodes[i + 1].x), std::bit_cast<std::uint32_t>(x)) << i;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(outer.nodes[i + 1].y), std::bit_cast<std::uint32_t>(y)) << i;
        EXPECT_EQ(inner.nodes[i + 1].x, x) << "clockwise: mirrored in x axis";
        EXPECT_EQ(inner.nodes[i + 1].y, -y);
    }
    EXPECT_LT(inner.nodes[2].y, 0.0f);
    EXPECT_EQ(outer.elements[17], (Element{17, 18, 1, 1}));
    EXPECT_EQ(outer.elements[18], (Element{18, 1, 1, 1}));
    EXPECT_EQ(inner.elements[18], (Element{18, 1, 1, 2}));

    // Silently ignored: radius not positive, fewer than 3 elements.
    EXPECT_FALSE(addCircle(outer, ui, {0, 0, 0.0f, 18}));
    EXPECT_FALSE(addCircle(outer, ui, {0, 0, -1.0f, 18}));
    EXPECT_FALSE(addCircle(outer, ui, {0, 0, 10.0f, 2}));
    EXPECT_EQ(outer.nodeCount(), 18);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(Capacities, AdditionsThatDoNotFitAreRefusedWhole)
{
    ScriptedInteraction ui;
    SilentFeedback f;
    Project p = test::emptyProject();
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(addCircle(p, ui, {0, 0, 1.0f, 18}));
    }
    // 180 nodes and elements: a circle of 20 does not fit and adds nothing.
    const Project before = p;
    EXPECT_FALSE(addCircle(p, ui, {0, 0, 1.0f, 20}));
    EXPECT_EQ(p.nodeCount(), before.nodeCount());
    EXPECT_EQ(p.elementCount(), before.elementCount());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Osiągnięto maksymalną liczbę węzłów (199)");

    // A polyline fills the node table to 199; the 200th point is refused.
    drawPolyline(p, ui, {});
    for (int i = 0; i < 19; ++i) {
        EXPECT_NE(placePolylinePoint(p, ui, {static_cast<float>(i), 5}), 0);
    }
    EXPECT_EQ(p.nodeCount(), kMaxNodes);
    EXPECT_EQ(placePolylinePoint(p, ui, {50, 50}), 0);
    EXPECT_EQ(p.nodeCount(), kMaxNodes);
    EXPECT_EQ(p.elementCount(), 180 + 18);

    // With the element table full, a point of an open chain is refused
    // without its node.
    removeLastElement(p);
    while (p.elements.append({1, 2, 1, 1}) != 0) {
    }
    const int nodes = p.nodeCount();
    EXPECT_EQ(placePolylinePoint(p, ui, {50, 50}), 0);
    EXPECT_EQ(p.nodeCount(), nodes);
    EXPECT_EQ(ui.shown.back().text, "Osiągnięto maksymalną liczbę elementów (249)");
}

TEST(StaleResults, DrawingSwitchesTheResultsOff)
{
    ScriptedInteraction ui;
    Project p = test::emptyProject();
    const auto computed = [&p] {
        p.resultsValid = 1;
        p.display.showPotential = 1;
        p.display.showFlux = 1;
    };
    const auto stale = [&p] { return p.resultsValid == 0 && p.display.showPotential == 0 && p.display.showFlux == 0; };
    computed();
    addCircle(p, ui, CircleSpec{});
    EXPECT_TRUE(stale());
    computed();
    drawPolyline(p, ui, {{1, 1}});
    EXPECT_TRUE(stale());
    computed();
    removeLastElement(p);
    EXPECT_TRUE(stale());
}

} // namespace
} // namespace zorind
