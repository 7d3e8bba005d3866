#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/edit/BoundaryConstruction.h"
#include "core/edit/InternalPoints.h"
#include "core/edit/NodeEditing.h"
#include "core/edit/Pointer.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::elementsOf;

struct Feedback : PointerFeedback {
    std::map<int, std::string> panels;
    std::vector<std::pair<PopupMenu, PixelPoint>> popups;

    void setStatusText(int panel, std::string_view text) override { panels[panel] = std::string(text); }
    void drawNodeMarker(PixelPoint, PixelPoint) override {}
    void drawElementLine(PixelPoint, PixelPoint) override {}
    void invertRubberBand(PixelPoint, PixelPoint) override {}
    void openPopup(PopupMenu m, PixelPoint at) override { popups.emplace_back(m, at); }
};

PointerEvent at(double x, double y, PointerButton button = PointerButton::Left)
{
    return {button, {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}, 640, 480, '.'};
}

PointerEvent atModel(const Project& p, float x, float y, double dx = 0, double dy = 0)
{
    return at(p.view.screenX(x) + dx, p.view.screenY(y) + dy);
}

// A polyline 1-2-3 being drawn on a 640x480 window, its chain open.
Project drawing()
{
    Project p = test::emptyProject();
    p.view.updateScales(640, 480);
    ScriptedInteraction ui;
    p.edit.editMode = EditMode::PolylineEntry;
    for (ModelPoint point : {ModelPoint{0, 0}, {20, 0}, {20, 20}}) {
        placePolylinePoint(p, ui, point);
    }
    return p;
}

TEST(DrawingKeys, ActAsThePopupCommandsWhileAPolylineIsDrawnAndAreLeftAloneOtherwise)
{
    Feedback f;
    ScriptedInteraction ui;
    const PointerEvent pointer = at(200, 100, PointerButton::Right);

    // Backspace takes back the last element with its node, as the popup's
    // "Usuń ostatni element" does.
    Project keyed = drawing();
    Project popup = drawing();
    EXPECT_TRUE(drawingKeyPressed(keyed, ui, DrawingKey::TakeBack, pointer, f));
    removeLastElement(popup);
    EXPECT_EQ(elementsOf(keyed), elementsOf(popup));
    EXPECT_EQ(keyed.nodeCount(), 2);
    EXPECT_EQ(keyed.edit.chainLastNode, 2);

    // Enter asks the close question; No changes nothing, Yes closes.
    Project closing = drawing();
    ui.answers = {false, true};
    EXPECT_TRUE(drawingKeyPressed(closing, ui, DrawingKey::Close, pointer, f));
    EXPECT_EQ(closing.elementCount(), 2);
    EXPECT_TRUE(closing.edit.chainOpen);
    EXPECT_TRUE(drawingKeyPressed(closing, ui, DrawingKey::Close, pointer, f));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Zamknąć linie łamaną ?", "Zamknąć linie łamaną ?"}));
    EXPECT_EQ(elementsOf(closing), (std::vector<Element>{{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}}));
    EXPECT_EQ(closing.edit.editMode, EditMode::Idle);

    // Escape ends the polyline open as drawn.
    EXPECT_TRUE(drawingKeyPressed(keyed, ui, DrawingKey::End, pointer, f));
    EXPECT_EQ(keyed.edit.editMode, EditMode::Idle);
    EXPECT_FALSE(keyed.edit.chainOpen);
    EXPECT_EQ(f.panels[PanelPrompt], " ");

    // Idle, the polyline keys are not taken and change nothing: no question.
    ui.clear();
    const std::vector<Element> idle = elementsOf(keyed);
    for (DrawingKey key : {DrawingKey::End, DrawingKey::TakeBack, DrawingKey::Close}) {
        EXPECT_FALSE(drawingKeyPressed(keyed, ui, key, pointer, f));
    }
    EXPECT_EQ(elementsOf(keyed), idle);
    EXPECT_EQ(keyed.nodeCount(), 2);
    EXPECT_TRUE(ui.shown.empty());

    // The popup key opens the popup a right press there would open.
    EXPECT_TRUE(drawingKeyPressed(keyed, ui, DrawingKey::Popup, pointer, f));
    EXPECT_TRUE(drawingKeyPressed(popup, ui, DrawingKey::Popup, at(50, 60), f));
    ASSERT_EQ(f.popups.size(), 2u);
    EXPECT_EQ(f.popups[0], std::pair(PopupMenu::General, PixelPoint{190, 90}));
    EXPECT_EQ(f.popups[1], std::pair(PopupMenu::Polyline, PixelPoint{40, 50}));
    EXPECT_EQ(popup.edit.popupPoint, (PixelPoint{50, 60}));
}

TEST(PolylineSnap, APressWithinSixPixelsOfANodeTakesItsCoordinatesExactly)
{
    Project p = drawing();
    test::addCircle(p, 30, 30, 7, 12); // nodes 4..15, off the grid
    const Node circle = p.nodes[5];
    const Node other = p.nodes[test::addNode(p, 40.1f, 10.1f)];  // 16
    const Node nearer = p.nodes[test::addNode(p, 40.4f, 10.1f)]; // 17, 4 pixels right of it
    Feedback f;
    ScriptedInteraction ui;

    // 5 pixels off, the grid on: exactly onto the circle's node, not onto
    // the grid point.
    pointerPressed(p, ui, atModel(p, circle.x, circle.y, 3, -4), f);
    ASSERT_EQ(p.nodeCount(), 18);
    EXPECT_EQ(p.nodes[18], circle);
    EXPECT_EQ(p.elements[p.elementCount()], (Element{3, 18, 1, 1}));

    // Between two nodes within reach, the nearer one.
    const PointerEvent between = atModel(p, nearer.x, nearer.y, 1, 0);
    ASSERT_LT(std::hypot(p.view.screenX(other.x) - between.position.x, p.view.screenY(other.y) - between.position.y),
              6.0);
    pointerPressed(p, ui, between, f);
    ASSERT_EQ(p.nodeCount(), 19);
    EXPECT_EQ(p.nodes[19], nearer);

    // 7 pixels off a node: the pointer's own position (here, the grid off).
    p.view.gridOn = 0;
    const PointerEvent away = atModel(p, 20, 0, 0, -7);
    pointerPressed(p, ui, away, f);
    ASSERT_EQ(p.nodeCount(), 20);
    EXPECT_EQ(p.nodes[20], (Node{p.view.toModelX(away.position.x), p.view.toModelY(away.position.y)}));
    EXPECT_NE(p.nodes[20], (Node{20, 0}));
}

TEST(PolylineSnap, APressOnTheChainsFirstNodeClosesItAfterTheQuestion)
{
    Project p = drawing();
    Feedback f;
    ScriptedInteraction ui;
    ui.answers = {false, true};
    // 8 pixels off, beyond the pick radius, but snapped onto it by the grid.
    const PointerEvent byGrid = atModel(p, 0, 0, 8, 0);
    ASSERT_EQ(p.view.pointerModelPosition(byGrid.position.x, byGrid.position.y), (ModelPoint{0, 0}));
    pointerPressed(p, ui, byGrid, f);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Zamknąć linie łamaną ?"});
    EXPECT_EQ(p.nodeCount(), 3) << "No: neither a point nor an element";
    EXPECT_EQ(p.elementCount(), 2);
    EXPECT_TRUE(p.edit.chainOpen);

    pointerPressed(p, ui, atModel(p, 0, 0, -4, 3), f);
    EXPECT_EQ(elementsOf(p), (std::vector<Element>{{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}}));
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);

    // The lone first point of a new polyline has nothing to close: a press
    // on it is ignored, as a second press on the last point is.
    startPolyline(p, f);
    pointerPressed(p, ui, atModel(p, 40, 40), f);
    ASSERT_EQ(p.nodeCount(), 4);
    ui.clear();
    pointerPressed(p, ui, atModel(p, 40, 40, 2, 2), f);
    EXPECT_EQ(p.nodeCount(), 4);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(PickAtPointer, NodesAndInternalPointsOffTheGridArePickedWithinSixPixels)
{
    Project p = test::emptyProject();
    p.view.updateScales(640, 480);
    test::addCircle(p, 30, 30, 7, 12);
    const Node target = p.nodes[2]; // off the grid
    ScriptedInteraction ui;
    ui.answers = {true};
    const PointerEvent near = atModel(p, target.x, target.y, 4, 3);
    deleteNodeAtPointer(p, ui, near.position.x, near.position.y);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Usunąć węzeł 2 ?"});
    EXPECT_EQ(p.nodeCount(), 11);
    EXPECT_EQ(p.elementCount(), 10) << "with both its elements";

    // Farther than 6 pixels from every node: nothing picked.
    ui.clear();
    const PointerEvent far = atModel(p, p.nodes[4].x, p.nodes[4].y, 0, 8);
    deleteNodeAtPointer(p, ui, far.position.x, far.position.y);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{kNothingPicked});
    EXPECT_EQ(p.nodeCount(), 11);

    // Internal points: the pick window about the grid point (2, 2) misses
    // both; of the two within reach the nearer is offered, alone.
    test::addInternalPoint(p, 1.2f, 1.4f);
    test::addInternalPoint(p, 1.3f, 1.3f);
    const PointerEvent point = atModel(p, 1.3f, 1.3f, 1, 0);
    ASSERT_EQ(p.view.snapToGrid(point.position.x, point.position.y), (ModelPoint{2, 2}));
    ASSERT_LT(std::hypot(p.view.screenX(1.2f) - point.position.x, p.view.screenY(1.4f) - point.position.y), 6.0);
    ui.clear();
    ui.answers = {true};
    deleteInternalPointAtPointer(p, ui, point.position.x, point.position.y);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Usunąć węzeł 2 ?"});
    ASSERT_EQ(p.internalPointCount(), 1);
    EXPECT_EQ(p.internalPoints[1].x, 1.2f);
}

} // namespace
} // namespace zorind
