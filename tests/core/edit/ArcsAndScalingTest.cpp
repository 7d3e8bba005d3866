#include <gtest/gtest.h>

#include <cmath>

#include "core/command/Consequences.h"
#include "core/edit/Arcs.h"
#include "core/edit/ScaleData.h"
#include "support/EditTesting.h"
#include "support/ModelBuilders.h"
#include "core/ui/ScriptedInteraction.h"

namespace zorind {
namespace {

double radiusOf(const Node& n, double cx, double cy)
{
    return std::hypot(n.x - cx, n.y - cy);
}

// The arc's nodes in the order its elements run, from element `first` on.
std::vector<Node> runOf(const Project& p, int first)
{
    std::vector<Node> nodes = {p.nodes[p.elements[first].startNode]};
    for (int k = first; k <= p.elementCount(); ++k) {
        nodes.push_back(p.nodes[p.elements[k].endNode]);
    }
    return nodes;
}

TEST(Arcs, TheDialogsArcRunsFromTheStartToTheEndAngleOnItsCircle)
{
    Project p = test::emptyProject();
    p.currentCondition = test::addCondition(p, 1, 5, 5, 5);
    ScriptedInteraction ui;
    ASSERT_TRUE(addArc(p, ui, ArcSpec{5, 5, 10, 0, 90, 6}));
    ASSERT_EQ(p.nodeCount(), 7);
    ASSERT_EQ(p.elementCount(), 6);
    const std::vector<Node> run = runOf(p, 1);
    for (std::size_t i = 0; i < run.size(); ++i) {
        const double angle = 3.14159265358979323846 / 2.0 * static_cast<double>(i) / 6.0;
        EXPECT_NEAR(run[i].x, 5.0 + 10.0 * std::cos(angle), 1e-5);
        EXPECT_NEAR(run[i].y, 5.0 + 10.0 * std::sin(angle), 1e-5);
    }
    EXPECT_EQ(p.elements[6].condition, 2);
    // From 90 back to 0 degrees: the same quarter, clockwise.
    ASSERT_TRUE(addArc(p, ui, ArcSpec{5, 5, 10, 90, 0, 3}));
    EXPECT_NEAR(p.nodes[8].x, 5.0f, 1e-5);
    EXPECT_NEAR(p.nodes[8].y, 15.0f, 1e-5);
    EXPECT_NEAR(p.nodes[11].x, 15.0f, 1e-5);
    // Nothing for equal angles, no radius or no element; a full turn closes.
    EXPECT_FALSE(addArc(p, ui, ArcSpec{0, 0, 10, 30, 30, 4}));
    EXPECT_FALSE(addArc(p, ui, ArcSpec{0, 0, 0, 0, 90, 4}));
    EXPECT_FALSE(addArc(p, ui, ArcSpec{0, 0, 10, 0, 90, 0}));
    ASSERT_TRUE(addArc(p, ui, ArcSpec{50, 0, 1, 0, 400, 8}));
    EXPECT_EQ(p.nodeCount(), 11 + 8);
    EXPECT_EQ(p.elements[p.elementCount()].endNode, 12);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(Arcs, ThreePointsGiveTheArcThroughThemOnTheMiddlePointsSide)
{
    for (const float side : {10.0f, -10.0f}) {
        Project p = test::emptyProject();
        ScriptedInteraction ui;
        ASSERT_TRUE(addArcThroughPoints(p, ui, {10, 0}, {0, side}, {-10, 0}));
        // Half a turn, at the circle dialog's density of 18 a turn.
        ASSERT_EQ(p.elementCount(), 9);
        const std::vector<Node> run = runOf(p, 1);
        EXPECT_EQ(run.front(), (Node{10, 0}));
        EXPECT_EQ(run.back(), (Node{-10, 0}));
        for (const Node& n : run) {
            EXPECT_NEAR(radiusOf(n, 0, 0), 10.0, 1e-5);
            EXPECT_GE(n.y * side, -1e-4);
        }
    }
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    EXPECT_FALSE(addArcThroughPoints(p, ui, {0, 0}, {1, 1}, {2, 2}));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Punkty nie wyznaczają łuku: leżą na jednej prostej"}));
    EXPECT_EQ(p.nodeCount(), 0);
}

TEST(Arcs, AnArcFromThePolylinesLastNodeGoesOnWithItAndClosesItAtItsFirst)
{
    Project p = test::emptyProject();
    test::addNode(p, -10, 0);
    test::addNode(p, 0, -10);
    test::addElement(p, 1, 2);
    p.edit.editMode = EditMode::PolylineEntry;
    p.edit.chainOpen = true;
    p.edit.chainFirstNode = 1;
    p.edit.chainLastNode = 2;
    test::RecordingFeedback feedback;
    ScriptedInteraction ui;
    startArcThroughPoints(p, feedback);
    std::vector<bool> steps;
    for (const ModelPoint at : {ModelPoint{0, -10}, ModelPoint{10, 0}, ModelPoint{-10, 0}}) {
        const ProjectSnapshot before = takeSnapshot(p);
        placeArcPoint(p, ui, at, feedback);
        steps.push_back(settleCommand(before, p).changes.step());
    }
    // Only the third point changes the model: one step of the history.
    EXPECT_EQ(steps, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(p.nodeCount(), 2 + 13);
    EXPECT_EQ(p.elements[2].startNode, 2);
    EXPECT_EQ(p.elements[p.elementCount()].endNode, 1);
    EXPECT_FALSE(p.edit.chainOpen);
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    EXPECT_EQ(feedback.panels[PanelPrompt], " ");
}

TEST(Arcs, AnArcThatDoesNotFitIsRefusedWhole)
{
    Project p = test::emptyProject();
    while (p.nodes.fits(5)) {
        test::addNode(p, 0, 0);
    }
    ScriptedInteraction ui;
    EXPECT_FALSE(addArc(p, ui, ArcSpec{0, 0, 1, 0, 90, 5}));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Osiągnięto maksymalną liczbę węzłów (199)"}));
    EXPECT_EQ(p.elementCount(), 0);
}

TEST(ScaleData, NodesAndInternalPointsMoveAwayFromTheOriginByTheirFactorsAndResultsGo)
{
    Project p = test::emptyProject();
    test::addNode(p, 3, 5);
    test::addInternalPoint(p, 1, -1);
    p.resultsValid = 1;
    p.display.showPotential = 1;
    ScriptedInteraction ui;
    ASSERT_TRUE(scaleData(p, ui, {2.0, 0.5, 1.0, 1.0}));
    EXPECT_EQ(p.nodes[1], (Node{5, 3}));
    EXPECT_EQ(p.internalPoints[1].x, 1.0f);
    EXPECT_EQ(p.internalPoints[1].y, 0.0f);
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.display.showPotential, 0);
}

TEST(ScaleData, AFactorThatIsNotPositiveOrCoordinatesOutOfRangeChangeNothing)
{
    Project p = test::emptyProject();
    test::addNode(p, 1, 1);
    test::addInternalPoint(p, 1e30f, 1);
    ScriptedInteraction ui;
    EXPECT_FALSE(scaleData(p, ui, {0.0, 1.0, 0.0, 0.0}));
    EXPECT_FALSE(scaleData(p, ui, {1.0, -2.0, 0.0, 0.0}));
    EXPECT_FALSE(scaleData(p, ui, {1e10, 1.0, 0.0, 0.0}));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{
                                   "Współczynnik skali musi być liczbą dodatnią",
                                   "Współczynnik skali musi być liczbą dodatnią",
                                   "Po przeskalowaniu współrzędne wykroczyłyby poza zakres liczb projektu"}));
    EXPECT_EQ(p.nodes[1], (Node{1, 1}));
    EXPECT_EQ(p.internalPoints[1].x, 1e30f);
}

} // namespace
} // namespace zorind
