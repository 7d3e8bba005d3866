#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/session/ViewCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::emptyProject;

// Runs `zoom` until the limits refuse it, at most `most` times: how many
// zooms were taken.
int zoomsTaken(Project& p, void (*zoom)(Project&), int most)
{
    for (int taken = 0; taken < most; ++taken) {
        const ViewTransform before = p.view;
        zoom(p);
        if (p.view.areaXMin == before.areaXMin && p.view.areaXMax == before.areaXMax &&
            p.view.areaYMin == before.areaYMin && p.view.areaYMax == before.areaYMax) {
            return taken;
        }
    }
    return most;
}

TEST(ViewTransform, DefaultAreaOnTheStartWindowUsesFortyNineUnits)
{
    Project p = emptyProject();
    ViewTransform& v = p.view;
    v.updateScales(640, 480);
    EXPECT_FLOAT_EQ(v.scaleX, 620.0f / 49.0f);
    EXPECT_FLOAT_EQ(v.scaleY, 420.0f / 49.0f);
    EXPECT_EQ(v.toScreenX(0.0f), 10);
    EXPECT_EQ(v.toScreenY(0.0f), 440);
    // x = 49 sits on the right edge of the drawing area; 49..50 falls into
    // the right margin, and likewise at the top.
    EXPECT_NEAR(v.screenX(49.0f), 630.0, 1e-3);
    EXPECT_NEAR(v.screenY(49.0f), 20.0, 1e-3);
    EXPECT_GT(v.screenX(50.0f), 630.0);
    // The stored area is untouched by the working copies.
    EXPECT_EQ(v.areaXMin, 0.0f);
    EXPECT_EQ(v.areaXMax, 50.0f);
}

TEST(ViewTransform, SymmetricAreaPutsTheOriginInTheMiddle)
{
    ViewTransform v;
    v.areaXMin = -10;
    v.areaYMin = -10;
    v.areaXMax = 10;
    v.areaYMax = 10;
    v.updateScales(640, 480);
    EXPECT_FLOAT_EQ(v.scaleX, 620.0f / 20.0f);
    EXPECT_FLOAT_EQ(v.scaleY, 420.0f / 20.0f);
    EXPECT_EQ(v.toScreenX(0.0f), 10 + 310);
    EXPECT_EQ(v.toScreenY(0.0f), 20 + 210);
}

TEST(ViewTransform, UnitAreaCountsItsZeroLowerBoundAsOne)
{
    ViewTransform v;
    v.areaXMax = 1;
    v.areaYMax = 1;
    v.updateScales(640, 480);
    // Working bounds 1..1 grow to 1..2: one unit over the drawing area.
    EXPECT_FLOAT_EQ(v.scaleX, 620.0f);
    EXPECT_FLOAT_EQ(v.scaleY, 420.0f);
    EXPECT_EQ(v.toScreenX(1.0f), 630);
    EXPECT_EQ(v.toScreenY(1.0f), 20);
}

TEST(ViewTransform, DegenerateAndAbsurdAreasNeverDivideByZero)
{
    ViewTransform v;
    v.areaXMin = v.areaXMax = 7;
    v.areaYMin = v.areaYMax = 0;
    v.updateScales(640, 480);
    EXPECT_FLOAT_EQ(v.scaleX, 620.0f);
    EXPECT_FLOAT_EQ(v.scaleY, 420.0f);

    // An area spanning the float range still gives a finite, non-zero scale.
    v.areaXMin = -3e38f;
    v.areaXMax = 3e38f;
    v.updateScales(640, 480);
    EXPECT_TRUE(std::isfinite(v.scaleX));
    EXPECT_GT(v.scaleX, 0.0f);

    // A window too small for a drawing area: conversions stay defined.
    v.updateScales(20, 60);
    EXPECT_EQ(v.scaleX, 0.0f);
    EXPECT_EQ(v.toModelX(100), v.areaXMin);
    EXPECT_FALSE(std::isnan(v.snapToGrid(5, 5).x));
}

TEST(ViewTransform, ZeroGridStepBecomesTenOnTheNextScaleUpdate)
{
    ViewTransform v;
    v.gridStepX = 0;
    v.gridStepY = 3;
    v.updateScales(640, 480);
    EXPECT_EQ(v.gridStepX, 10.0f);
    EXPECT_EQ(v.gridStepY, 3.0f);
}

// A 510-pixel wide client makes the default area exactly ten pixels a unit.
ViewTransform tenPixelsPerUnit()
{
    ViewTransform v;
    v.updateScales(510, 550);
    EXPECT_FLOAT_EQ(v.scaleX, 10.0f);
    EXPECT_FLOAT_EQ(v.scaleY, 10.0f);
    return v;
}

TEST(ViewTransform, PixelConversionTruncatesTowardZero)
{
    ViewTransform v = tenPixelsPerUnit();
    // 10 - 12.7 = -2.7 becomes -2 (floor would give -3).
    EXPECT_EQ(v.toScreenX(-1.27f), -2);
    EXPECT_EQ(v.toScreenX(0.27f), 12);
    // y: 20 + 490 - 10 * 51.27 = -2.7 likewise.
    EXPECT_EQ(v.toScreenY(51.27f), -2);
}

TEST(ViewTransform, PixelConversionClampsNaNAndHugeValues)
{
    ViewTransform v = tenPixelsPerUnit();
    EXPECT_EQ(v.toScreenX(std::numeric_limits<float>::quiet_NaN()), kPixelLimit);
    EXPECT_EQ(v.toScreenX(3e38f), kPixelLimit);
    EXPECT_EQ(v.toScreenX(-3e38f), -kPixelLimit);
    EXPECT_EQ(v.toScreenY(-3e38f), kPixelLimit);
    EXPECT_EQ(truncatePixel(std::numeric_limits<double>::infinity()), kPixelLimit);
    EXPECT_EQ(truncatePixel(-2.7), -2);
    EXPECT_EQ(truncatePixel(2.7), 2);
}

TEST(ViewTransform, ModelConversionInvertsTheScreenConversion)
{
    ViewTransform v;
    v.areaXMin = -3;
    v.areaYMin = 5;
    v.areaXMax = 17;
    v.areaYMax = 9;
    v.updateScales(800, 600);
    EXPECT_NEAR(v.toModelX(v.screenX(4.25)), 4.25f, 1e-5);
    EXPECT_NEAR(v.toModelY(v.screenY(6.5)), 6.5f, 1e-5);
    EXPECT_FLOAT_EQ(v.toModelX(10), -3.0f);
    EXPECT_FLOAT_EQ(v.toModelY(600 - 40), 5.0f);
}

TEST(ViewTransform, SnappingTakesTheNearerGridLineAndTheLowerOneAtHalfway)
{
    ViewTransform v = tenPixelsPerUnit();
    // Grid 2 from 0: pixel 40 is 3 units in, exactly between 2 and 4.
    EXPECT_EQ(v.snapToGrid(40, 520).x, 2.0f);
    EXPECT_EQ(v.snapToGrid(41, 520).x, 4.0f);
    EXPECT_EQ(v.snapToGrid(39, 520).x, 2.0f);
    // y = 3 units up from the bottom edge of the drawing area (pixel 510).
    EXPECT_EQ(v.snapToGrid(40, 480).y, 2.0f);
    EXPECT_EQ(v.snapToGrid(40, 479).y, 4.0f);
    // Left of the area the grid goes on into negative columns.
    EXPECT_EQ(v.snapToGrid(-15, 520).x, -2.0f);
}

TEST(ViewTransform, SnappingTakesTheMultiplesOfTheStepWhateverTheAreasCorner)
{
    ViewTransform v = tenPixelsPerUnit();
    v.areaXMin = 0.5f;
    v.areaXMax = 49.5f;
    v.updateScales(510, 550);
    // 3.1 units right of the edge is x = 3.6: the nearest multiple of 2 is 4.
    EXPECT_FLOAT_EQ(v.snapToGrid(10 + 31, 520).x, 4.0f);
    // With the grid off the pointer is not snapped.
    v.gridOn = 0;
    EXPECT_FLOAT_EQ(v.pointerModelPosition(10 + 31, 520).x, 0.5f + 3.1f);
    v.gridOn = 1;
    EXPECT_FLOAT_EQ(v.pointerModelPosition(10 + 31, 520).x, 4.0f);
    v.areaXMin = -0.5f; // below 0 too
    v.updateScales(510, 550);
    EXPECT_FLOAT_EQ(v.snapToGrid(10 + 31, 520).x, 2.0f) << "x = 2.6";
}

TEST(Zoom, ScalesTheAreaAboutTheOrigin)
{
    Project p = emptyProject();
    zoomIn(p);
    zoomIn(p);
    zoomIn(p);
    EXPECT_FLOAT_EQ(p.view.areaXMax, 25.6f);
    EXPECT_FLOAT_EQ(p.view.areaYMax, 25.6f);
    EXPECT_EQ(p.view.areaXMin, 0.0f);

    Project q = emptyProject();
    zoomIn(q);
    zoomOut(q);
    EXPECT_FLOAT_EQ(q.view.areaXMax, 48.0f);
    EXPECT_FLOAT_EQ(q.view.areaYMax, 48.0f);

    Project r = emptyProject();
    r.view.areaXMin = -10;
    r.view.areaYMin = 20;
    zoomOut(r);
    EXPECT_FLOAT_EQ(r.view.areaXMin, -12.0f);
    EXPECT_FLOAT_EQ(r.view.areaYMin, 24.0f);
    EXPECT_FLOAT_EQ(r.view.areaXMax, 60.0f);
}

TEST(Zoom, EachBoundIsTheProductRoundedOnce)
{
    // 50 × 0.8 four times: the float nearest 20.48, not a value drifted by
    // rounding the factor to float first.
    Project p = emptyProject();
    for (int i = 0; i < 4; ++i) {
        zoomIn(p);
    }
    EXPECT_EQ(p.view.areaXMax, 20.48f);
}

TEST(Zoom, ZoomingOutBeyondTheFloatRangeIsRefused)
{
    Project p = emptyProject();
    p.view.areaXMax = 3e38f;
    EXPECT_EQ(zoomsTaken(p, zoomOut, 1), 0);
    EXPECT_EQ(p.view.areaXMax, 3e38f);
    EXPECT_EQ(p.view.areaYMax, 50.0f);
    EXPECT_EQ(zoomsTaken(p, zoomIn, 1), 1);
}

TEST(ShowEverything, FitsTheBoundingBoxOfTheNodes)
{
    Project p = emptyProject();
    test::addNode(p, 3, -1);
    test::addNode(p, -2, 4);
    test::addNode(p, 7, 2);
    test::addInternalPoint(p, 100, 100); // internal points do not count
    showEverything(p);
    EXPECT_EQ(p.view.areaXMin, -2.0f);
    EXPECT_EQ(p.view.areaXMax, 7.0f);
    EXPECT_EQ(p.view.areaYMin, -1.0f);
    EXPECT_EQ(p.view.areaYMax, 4.0f);
}

TEST(ShowEverything, OneNodeGivesAUnitArea)
{
    Project p = emptyProject();
    test::addNode(p, 3, 4);
    showEverything(p);
    EXPECT_EQ(p.view.areaXMin, 3.0f);
    EXPECT_EQ(p.view.areaXMax, 4.0f);
    EXPECT_EQ(p.view.areaYMin, 4.0f);
    EXPECT_EQ(p.view.areaYMax, 5.0f);

    // Where adding 1 is lost in the rounding the extent still grows.
    Project q = emptyProject();
    test::addNode(q, 1e30f, 1e30f);
    showEverything(q);
    EXPECT_GT(q.view.areaXMax, q.view.areaXMin);
    EXPECT_GT(q.view.areaYMax, q.view.areaYMin);
}

TEST(ShowEverything, EveryNodeLiesInsideTheDrawingAreaUpright)
{
    // Models touching the axes from above and from below, and models smaller
    // than one unit: the scale's "a zero bound counts as 1" must neither cut
    // them nor turn them over.
    const std::vector<std::pair<ModelPoint, ModelPoint>> boxes = {
        {{0, 0}, {10, 5}},        {{-5, -3}, {0, 0}},  {{0, 0}, {1, 0.5f}}, {{-1, -0.5f}, {0, 0}},
        {{0, 0}, {0.02f, 0.01f}}, {{2, 0}, {3, 0.4f}}, {{0, 0}, {0, 0}}};
    for (const auto& [low, high] : boxes) {
        Project p = emptyProject();
        test::addNode(p, low.x, low.y);
        test::addNode(p, high.x, high.y);
        test::addNode(p, low.x, high.y);
        showEverything(p);
        ViewTransform& v = p.view;
        v.updateScales(640, 480);
        // A node on the edge may land a rounding error beyond it.
        constexpr double kRounding = 1e-3;
        for (const Node& n : p.nodes) {
            EXPECT_GE(v.screenX(n.x), v.marginLeft - kRounding) << n.x;
            EXPECT_LE(v.screenX(n.x), v.marginLeft + v.drawWidth() + kRounding) << n.x;
            EXPECT_GE(v.screenY(n.y), v.marginTop - kRounding) << n.y;
            EXPECT_LE(v.screenY(n.y), v.marginTop + v.drawHeight() + kRounding) << n.y;
        }
        if (high.y > low.y) {
            EXPECT_LT(v.screenY(high.y), v.screenY(low.y)) << "upright";
            // The model fills most of the height rather than a corner of it.
            EXPECT_GT(v.screenY(low.y) - v.screenY(high.y), 0.9 * v.drawHeight());
        }
    }
}

TEST(ShowEverything, AModelDrawnOnTheGridFromTheOriginStaysPickableAtItsNodes)
{
    Project p = emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    showEverything(p);
    ASSERT_LT(p.view.areaXMin, 0.0f) << "the fit keeps its margin off 0";
    p.view.updateScales(640, 480);
    for (const Node& n : p.nodes) {
        const ModelPoint at = p.view.pointerModelPosition(p.view.screenX(n.x), p.view.screenY(n.y));
        EXPECT_EQ(at, (ModelPoint{n.x, n.y}));
    }
}

TEST(Zoom, StopsBeforeTheViewIsMirroredOrSmallerThanTwoGridSteps)
{
    for (const int grid : {1, 0}) {
        Project p = emptyProject();
        p.view.gridOn = grid;
        EXPECT_LT(zoomsTaken(p, zoomIn, 200), 200) << "zooming in stops";
        const double extent = drawnExtent(p.view.areaXMin, p.view.areaXMax);
        EXPECT_GT(extent, 0.0) << "never mirrored";
        if (grid == 1) {
            EXPECT_GE(extent, 2.0 * p.view.gridStepX);
        }
        p.view.updateScales(640, 480);
        EXPECT_GT(p.view.toModelX(600), p.view.toModelX(100)) << "right of the pointer is right in the model";
    }
    Project q = emptyProject();
    zoomsTaken(q, zoomOut, 1000);
    EXPECT_LE(q.view.areaXMax, 1e15f);
    EXPECT_GT(q.view.areaXMax, 1e14f);
}

TEST(ShowEverything, WithoutNodesNothingHappens)
{
    Project p = emptyProject();
    p.view.areaXMax = 20;
    showEverything(p);
    EXPECT_EQ(p.view.areaXMax, 20.0f);
    EXPECT_EQ(p.view.areaYMax, 50.0f);
}

TEST(GridDialog, AcceptsPositiveSpacings)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    EXPECT_TRUE(acceptGridSpacing(p, ui, 0.5, 2.5));
    EXPECT_EQ(p.view.gridStepX, 0.5f);
    EXPECT_EQ(p.view.gridStepY, 2.5f);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(GridDialog, RejectsAnyBadFieldAndKeepsBothSpacings)
{
    struct Case {
        std::optional<double> x;
        std::optional<double> y;
    };
    const Case cases[] = {
        {0.0, 1.0}, {1.0, 0.0}, {-1.0, 1.0}, {std::nullopt, 1.0}, {1.0, std::nullopt}, {1e39, 1.0}, {1e-50, 1.0},
    };
    for (const Case& c : cases) {
        Project p = emptyProject();
        p.view.gridStepX = 3;
        p.view.gridStepY = 4;
        ScriptedInteraction ui;
        EXPECT_FALSE(acceptGridSpacing(p, ui, c.x, c.y));
        EXPECT_EQ(p.view.gridStepX, 3.0f);
        EXPECT_EQ(p.view.gridStepY, 4.0f);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, "Zła wartość podziałki");
        EXPECT_EQ(ui.shown[0].caption, "Ustawianie podzialki");
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    }
}

TEST(AreaDialog, AcceptsAProperArea)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    EXPECT_TRUE(acceptViewArea(p, ui, -5, -6, 15, 16));
    EXPECT_EQ(p.view.areaXMin, -5.0f);
    EXPECT_EQ(p.view.areaYMin, -6.0f);
    EXPECT_EQ(p.view.areaXMax, 15.0f);
    EXPECT_EQ(p.view.areaYMax, 16.0f);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(AreaDialog, RejectsEmptyInvertedOrUnparseableAreas)
{
    struct Case {
        std::optional<double> xMin, yMin, xMax, yMax;
    };
    const Case cases[] = {
        {5, 0, 5, 10},             // left equals right
        {0, 10, 10, 10},           // bottom equals top
        {0, 11, 10, 10},           // inverted
        {std::nullopt, 0, 10, 10}, // not a number
        {0, 0, 10, std::nullopt},
        {0, 0, 1e40, 10}, // beyond the float range
    };
    for (const Case& c : cases) {
        Project p = emptyProject();
        ScriptedInteraction ui;
        EXPECT_FALSE(acceptViewArea(p, ui, c.xMin, c.yMin, c.xMax, c.yMax));
        EXPECT_EQ(p.view.areaXMin, 0.0f);
        EXPECT_EQ(p.view.areaYMin, 0.0f);
        EXPECT_EQ(p.view.areaXMax, 50.0f);
        EXPECT_EQ(p.view.areaYMax, 50.0f);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, "Złe wartości definiujące obszar");
        EXPECT_EQ(ui.shown[0].caption, "Ustawianie obszaru");
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    }
}

} // namespace
} // namespace zorind
