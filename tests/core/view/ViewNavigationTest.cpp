#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/edit/Pointer.h"
#include "core/session/DisplayCommands.h"
#include "core/session/ViewCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

PointerEvent at(int x, int y, PointerButton button = PointerButton::Left)
{
    return {button, {x, y}, 640, 480, '.'};
}

struct Quiet : PointerFeedback {
    int bands = 0;
    void setStatusText(int, std::string_view) override {}
    void drawNodeMarker(PixelPoint, PixelPoint) override {}
    void drawElementLine(PixelPoint, PixelPoint) override {}
    void invertRubberBand(PixelPoint, PixelPoint) override { ++bands; }
    void openPopup(PopupMenu, PixelPoint) override {}
};

Project withArea(float xMin, float yMin, float xMax, float yMax, bool equal = false)
{
    Project p = test::emptyProject();
    ViewTransform& v = p.view;
    v.areaXMin = xMin;
    v.areaYMin = yMin;
    v.areaXMax = xMax;
    v.areaYMax = yMax;
    v.equalScale = equal ? 1 : 0;
    v.updateScales(640, 480);
    return p;
}

TEST(WheelZoom, ThePointUnderThePointerStaysThereAndEachNotchIsTheButtonsFactor)
{
    struct Case {
        const char* what;
        Project project;
    };
    Case cases[] = {
        {"the start view, whose lower bounds are 0", withArea(0, 0, 50, 50)},
        {"an area round the origin", withArea(-10, -10, 10, 10)},
        {"equal scales", withArea(-50, -10, 50, 10, true)},
        {"equal scales, a tall area", withArea(-6, -40, 6, 40, true)},
    };
    for (Case& c : cases) {
        for (const PixelPoint pixel : {PixelPoint{100, 400}, PixelPoint{530, 61}, PixelPoint{10, 440}}) {
            for (const int notches : {1, -1, 3, -2}) {
                SCOPED_TRACE(std::string(c.what) + ", pixel " + std::to_string(pixel.x) + "," +
                             std::to_string(pixel.y) + ", notches " + std::to_string(notches));
                Project p = c.project;
                const double mx = p.view.toModelX(pixel.x);
                const double my = p.view.toModelY(pixel.y);
                const double extentX = drawnExtent(p.view.areaXMin, p.view.areaXMax);
                const double extentY = drawnExtent(p.view.areaYMin, p.view.areaYMax);
                ASSERT_TRUE(pointerWheel(p, at(pixel.x, pixel.y), notches));
                // As the repaint finds it.
                p.view.updateScales(640, 480);
                EXPECT_NEAR(p.view.screenX(mx), pixel.x, 0.01);
                EXPECT_NEAR(p.view.screenY(my), pixel.y, 0.01);
                const double factor = std::pow(notches > 0 ? ZOOM_IN_FACTOR : ZOOM_OUT_FACTOR, std::abs(notches));
                EXPECT_NEAR(drawnExtent(p.view.areaXMin, p.view.areaXMax) / extentX, factor, 1e-5);
                EXPECT_NEAR(drawnExtent(p.view.areaYMin, p.view.areaYMax) / extentY, factor, 1e-5);
            }
        }
    }
}

TEST(WheelZoom, StopsWhereTheZoomButtonsStop)
{
    Project in = withArea(0, 0, 50, 50);
    int notches = 0;
    while (pointerWheel(in, at(200, 300), 1) && notches < 200) {
        ++notches;
    }
    EXPECT_LT(notches, 200) << "zooming in stops";
    EXPECT_GE(drawnExtent(in.view.areaXMin, in.view.areaXMax), 2.0 * in.view.gridStepX);
    EXPECT_LT(drawnExtent(in.view.areaXMin, in.view.areaXMax), 2.0 * in.view.gridStepX / ZOOM_IN_FACTOR);
    const ViewTransform refused = in.view;
    EXPECT_FALSE(pointerWheel(in, at(200, 300), 1));
    EXPECT_EQ(in.view.areaXMin, refused.areaXMin);
    EXPECT_EQ(in.view.areaYMax, refused.areaYMax);

    // Several notches at once stop at the same place, and go back out.
    Project many = withArea(0, 0, 50, 50);
    EXPECT_TRUE(pointerWheel(many, at(200, 300), 100));
    EXPECT_EQ(many.view.areaXMin, in.view.areaXMin);
    EXPECT_EQ(many.view.areaYMax, in.view.areaYMax);
    while (pointerWheel(many, at(600, 30), -1)) {
    }
    for (float bound : {many.view.areaXMin, many.view.areaXMax, many.view.areaYMin, many.view.areaYMax}) {
        EXPECT_LE(std::fabs(bound), 1e15f);
    }
    EXPECT_GT(many.view.areaXMax - many.view.areaXMin, 1e13f);
}

TEST(MiddleDrag, TheGrabbedModelPointFollowsThePointerUntilTheRelease)
{
    for (const bool equal : {false, true}) {
        SCOPED_TRACE(equal ? "equal scales" : "independent scales");
        Project p = withArea(0, 0, 50, 50, equal);
        test::addPolygon(p, {{2, 2}, {10, 2}, {10, 10}});
        p.edit.editMode = EditMode::PolylineEntry;
        p.edit.chainOpen = true;
        p.edit.chainFirstNode = 1;
        p.edit.chainLastNode = 3;
        Quiet f;
        ScriptedInteraction ui;
        pointerMoved(p, at(300, 300), f);
        ASSERT_EQ(f.bands, 1);
        const double grabbedX = p.view.toModelX(300);
        const double grabbedY = p.view.toModelY(300);

        pointerPressed(p, ui, at(300, 300, PointerButton::Middle), f);
        for (const PixelPoint to : {PixelPoint{330, 280}, PixelPoint{250, 410}, PixelPoint{300, 300}}) {
            pointerMoved(p, at(to.x, to.y), f);
            p.view.updateScales(640, 480);
            EXPECT_NEAR(p.view.screenX(grabbedX), to.x, 0.01);
            EXPECT_NEAR(p.view.screenY(grabbedY), to.y, 0.01);
        }
        EXPECT_EQ(f.bands, 2) << "the band is erased and not drawn while the drawing moves";
        EXPECT_EQ(p.nodeCount(), 3);
        EXPECT_EQ(p.nodes[2], (Node{10, 2})) << "the model stays where it is";

        pointerReleased(p, at(300, 300, PointerButton::Middle), f);
        const ViewTransform after = p.view;
        pointerMoved(p, at(100, 100), f);
        EXPECT_EQ(p.view.areaXMin, after.areaXMin) << "released: a move no longer drags";
        EXPECT_EQ(p.view.areaYMin, after.areaYMin);
        EXPECT_EQ(f.bands, 3) << "and the band is back";
    }
}

TEST(EqualScale, BothAxesTakeTheSmallerScaleAndTheAreaIsCentred)
{
    // 620 x 420 pixels to draw in: a wide area is fitted across, a tall one
    // from top to bottom.
    Project wide = withArea(-50, -10, 50, 10, true);
    EXPECT_FLOAT_EQ(wide.view.scaleX, 6.2f);
    EXPECT_EQ(wide.view.scaleY, wide.view.scaleX);
    Project tall = withArea(-10, -50, 10, 50, true);
    EXPECT_FLOAT_EQ(tall.view.scaleY, 4.2f);
    EXPECT_EQ(tall.view.scaleX, tall.view.scaleY);
    for (Project* p : {&wide, &tall}) {
        const ViewTransform& v = p->view;
        // The middle of the area is the middle of the drawing area.
        EXPECT_NEAR(v.screenX(0), 10 + 310, 1e-3);
        EXPECT_NEAR(v.screenY(0), 20 + 210, 1e-3);
        // The pointer reads back what is drawn, and snaps to the grid drawn.
        EXPECT_NEAR(v.toModelX(v.screenX(7.5)), 7.5, 1e-4);
        EXPECT_NEAR(v.toModelY(v.screenY(-3.25)), -3.25, 1e-4);
        EXPECT_EQ(v.snapToGrid(v.screenX(4) + 1, v.screenY(-6) - 1), (ModelPoint{4, -6}));
    }

    // Off, nothing of the view moves: the start view is drawn as before.
    Project plain = withArea(0, 0, 50, 50);
    ViewTransform independent = plain.view;
    toggleEqualScale(plain);
    toggleEqualScale(plain);
    plain.view.updateScales(640, 480);
    EXPECT_EQ(plain.view.equalScale, 0);
    EXPECT_EQ(plain.view.offsetX, 0.0);
    EXPECT_EQ(plain.view.offsetY, 0.0);
    EXPECT_FLOAT_EQ(plain.view.scaleX, 620.0f / 49.0f);
    EXPECT_EQ(plain.view.scaleY, independent.scaleY);

    // A window too small to draw in gives no number that is not one.
    Project tiny = withArea(-50, -10, 50, 10, true);
    tiny.view.updateScales(20, 30);
    EXPECT_TRUE(std::isfinite(tiny.view.screenX(3)));
    EXPECT_TRUE(std::isfinite(tiny.view.toModelY(5)));
}

} // namespace
} // namespace zorind
