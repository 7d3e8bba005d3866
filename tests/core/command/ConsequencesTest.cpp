#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "core/command/Consequences.h"
#include "core/edit/BoundaryConstruction.h"
#include "core/edit/Pointer.h"
#include "core/session/DisplayCommands.h"
#include "core/solver/Compute.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

// A heated square (100 on the left, 0 on the right, insulated above and
// below), computed, with the potential shown; condition 4 is used by no
// element.
Project computedSquare()
{
    Project p = test::emptyProject();
    const int insulated = 1;
    const int hot = test::addCondition(p, 1, 100, 100, 100);
    const int cold = test::addCondition(p, 1, 0, 0, 0);
    test::addCondition(p, 1, 50, 50, 50);
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {10.0f, 0.0f}, {10.0f, 10.0f}, {0.0f, 10.0f}}) {
        test::addNode(p, x, y);
    }
    test::addElement(p, 1, 2, insulated);
    test::addElement(p, 2, 3, cold);
    test::addElement(p, 3, 4, insulated);
    test::addElement(p, 4, 1, hot);
    test::addInternalPoint(p, 5, 5);
    ScriptedInteraction ui;
    EXPECT_EQ(computeCommand(p, ui), ComputeOutcome::Computed);
    p.display.showPotential = 1;
    return p;
}

// The window's side of a pointer event, which these tests do not look at.
struct NoFeedback : PointerFeedback {
    void setStatusText(int, std::string_view) override {}
    void drawNodeMarker(PixelPoint, PixelPoint) override {}
    void drawElementLine(PixelPoint, PixelPoint) override {}
    void invertRubberBand(PixelPoint, PixelPoint) override {}
    void openPopup(PopupMenu, PixelPoint) override {}
};

Consequences settled(Project& p, const std::function<void(Project&)>& command, Drawn drawn = Drawn::Nothing)
{
    const ProjectSnapshot before = takeSnapshot(p);
    command(p);
    return settleCommand(before, p, drawn);
}

struct Case {
    const char* what;
    std::function<void(Project&)> command;
    bool resultsKept;
    bool repaint;
};

TEST(Consequences, ResultsGoWhenTheirDataChangesAndOnlyThen)
{
    const Case cases[] = {
        {"a node moved", [](Project& p) { p.nodes[2].x = 11; }, false, true},
        {"an element's condition", [](Project& p) { p.elements[1].condition = 4; }, false, true},
        {"a used condition's value", [](Project& p) { p.conditions[2].atMiddle = 90; }, false, true},
        {"the conductivity", [](Project& p) { p.conductivity = 2; }, false, true},
        {"the ambient temperature", [](Project& p) { p.ambientTemperature = 20; }, false, true},
        {"the kind of an element's boundary", [](Project& p) { p.boundaries[1].kind = InnerBoundary; }, false, true},
        {"a free node added", [](Project& p) { test::addNode(p, 20, 20); }, false, true},
        {"an internal point moved along y alone", [](Project& p) { p.internalPoints[1].y = 2; }, true, true},
        {"an unused condition changed", [](Project& p) { p.conditions[4].atNode1 = 7; }, true, true},
        {"a boundary without elements added", [](Project& p) { test::addBoundary(p, InnerBoundary); }, true, true},
        {"the current condition", [](Project& p) { p.currentCondition = 3; }, true, true},
        {"element numbers shown", [](Project& p) { toggleElementNumbers(p); }, true, true},
        {"a zoom", [](Project& p) { p.view.areaXMax = 25; }, true, true},
        {"the painter's own bookkeeping",
         [](Project& p) {
             p.view.scaleX = 3;
             p.scaleRange.scaleMax = 9;
         },
         true, false},
        {"the conductivity recomputed",
         [](Project& p) {
             p.conductivity = 2;
             ScriptedInteraction ui;
             computeCommand(p, ui);
         },
         true, true},
    };
    for (const Case& c : cases) {
        Project p = computedSquare();
        const Consequences out = settled(p, c.command);
        EXPECT_EQ(p.resultsValid == 1, c.resultsKept) << c.what;
        EXPECT_EQ(p.display.showPotential == 1, c.resultsKept) << c.what << ": no result view without results";
        EXPECT_EQ(out.repaint, c.repaint) << c.what;
        EXPECT_EQ(out.controls, c.repaint) << c.what;
    }
}

TEST(Consequences, APolylinePointAfterAComputeDiscardsTheResultsAndRepaintsOnlyWhenTheyWereShown)
{
    for (const bool shown : {true, false}) {
        Project p = computedSquare();
        p.display.showPotential = shown ? 1 : 0;
        p.view.updateScales(640, 480);
        p.edit.editMode = EditMode::PolylineEntry;
        p.edit.chainOpen = true;
        NoFeedback feedback;
        ScriptedInteraction ui;
        const PointerEvent press{PointerButton::Left, {300, 200}, 640, 480, '.'};
        const Consequences out = settled(
            p, [&](Project& q) { pointerPressed(q, ui, press, feedback); }, Drawn::GeometryByFeedback);
        ASSERT_EQ(p.nodeCount(), 5);
        EXPECT_EQ(p.resultsValid, 0) << "shown: " << shown;
        EXPECT_EQ(out.repaint, shown) << "the feedback drew the point; only a result view going off needs a repaint";
        EXPECT_TRUE(out.controls);
    }
}

TEST(Consequences, TheWheelADragAndEqualScalesChangeTheViewAndAreNoEditingStep)
{
    NoFeedback feedback;
    ScriptedInteraction ui;
    const auto event = [](int x, int y, PointerButton button = PointerButton::Left) {
        return PointerEvent{button, {x, y}, 640, 480, '.'};
    };
    const Case cases[] = {
        {"a turn of the wheel", [&](Project& p) { pointerWheel(p, event(200, 100), 1); }, true, true},
        {"a drag with the middle button",
         [&](Project& p) {
             pointerPressed(p, ui, event(200, 100, PointerButton::Middle), feedback);
             pointerMoved(p, event(260, 140), feedback);
             pointerReleased(p, event(260, 140, PointerButton::Middle), feedback);
         },
         true, true},
        {"equal scales", [](Project& p) { toggleEqualScale(p); }, true, true},
    };
    for (const Case& c : cases) {
        Project p = computedSquare();
        p.view.updateScales(640, 480);
        const Consequences out = settled(p, c.command, Drawn::GeometryByFeedback);
        EXPECT_TRUE(out.changes.shown) << c.what;
        EXPECT_TRUE(out.repaint) << c.what;
        EXPECT_FALSE(out.changes.step()) << c.what << ": the history records model changes only";
        EXPECT_EQ(p.resultsValid, 1) << c.what;
    }
}

TEST(Consequences, InternalPointsAddedOrMovedAfterAComputeTakeTheirValuesFromIt)
{
    Project p = computedSquare();
    const std::array<float, 8> boundaryBefore = p.elementResults[2].slot;
    settled(p, [](Project& q) {
        test::addInternalPoint(q, 2.5f, 7.0f);
        q.internalPoints[1].x = 7.5f;
    });
    ASSERT_EQ(p.resultsValid, 1);
    EXPECT_EQ(p.elementResults[2].slot, boundaryBefore) << "the boundary solution stays as it was";
    // Heat flows from 100 on the left to 0 on the right: linear in x.
    EXPECT_NEAR(p.internalPoints[1].internalResult, 25.0f, 0.05f);
    EXPECT_NEAR(p.internalPoints[2].internalResult, 75.0f, 0.05f);

    Project recomputed = p;
    ScriptedInteraction ui;
    computeCommand(recomputed, ui, nullptr);
    EXPECT_EQ(p.internalPoints[2].internalResult, recomputed.internalPoints[2].internalResult)
        << "the same evaluation as the compute";
}

TEST(Consequences, StaleEntriesBeyondACountAreNotModelData)
{
    Project p = computedSquare();
    ProjectSnapshot before = takeSnapshot(p);
    p.internalPoints.resize(0);
    p.internalPoints.resize(1); // the same entry back
    p.nodes[5] = Node{99, 99};  // beyond the count
    p.elementScratch[3] = Element{9, 9, 9, 9};
    EXPECT_FALSE(changesBetween(before, p).any());
}

} // namespace
} // namespace zorind
