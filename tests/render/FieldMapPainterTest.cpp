// The potential map under the drawing: its colours against the palette at
// the exact annulus solution.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "core/solver/Compute.h"
#include "core/solver/FieldMap.h"
#include "core/ui/ScriptedInteraction.h"
#include "core/view/ColourScale.h"
#include "render/FieldMapPainter.h"
#include "render/Painter.h"
#include "support/SolverModels.h"

namespace zorind {
namespace {

using test::Point;

// 1 < r < 2 about the origin, 100 on the hole, 0 outside, computed, the
// view on the box [-2.5, 2.5]² at one scale.
Project annulus()
{
    Project p = test::emptyProject();
    const int cold = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    const int hot = test::addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int hole = test::addBoundary(p, InnerBoundary);
    test::addChain(
        p, test::circlePoints(0.0, 0.0, 2.0, 96), [&](Point, Point) { return cold; }, 1);
    test::addChain(
        p, test::circlePoints(0.0, 0.0, 1.0, 64, true), [&](Point, Point) { return hot; }, hole);
    ScriptedInteraction ui;
    EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    p.view.areaXMin = p.view.areaYMin = -2.5f;
    p.view.areaXMax = p.view.areaYMax = 2.5f;
    p.view.equalScale = 1;
    p.view.gridOn = 0;
    return p;
}

double exact(double x, double y)
{
    return 100.0 * std::log(std::hypot(x, y) / 2.0) / std::log(0.5);
}

// Each pixel takes the palette colour of the exact potential at its centre
// (within the one entry the discretisation may move it), the hole and the
// outside keep the background, and the colour scale shows the potential.
TEST(FieldMapPainter, ColoursTheRegionByThePotential)
{
    Project p = annulus();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    const int width = 400;
    const int height = 400;
    ViewTransform view = p.view;
    view.updateScales(width, height);
    const ColourScaleRange range = resultRanges(p).potential;
    solver::FieldMap map = solver::computeFieldMap(*field, view, range, width, height, 4);
    ASSERT_FALSE(map.levels.empty());
    // The colours alone: the isolines have a test of their own.
    map.levels.clear();

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintOutcome outcome;
    {
        QPainter painter(&image);
        p.display.showNodes = 0;
        p.display.showElements = 0;
        outcome = paintModel(painter, p, width, height, &map);
    }
    EXPECT_TRUE(outcome.scaleVisible);
    EXPECT_EQ(p.scaleRange.scaleMin, range.scaleMin);
    EXPECT_EQ(p.scaleRange.scaleMax, range.scaleMax);

    int checked = 0;
    for (double r : {1.1, 1.3, 1.45, 1.7, 1.9}) {
        for (double a : {0.3, 1.9, 3.7, 5.1}) {
            // The pixel the point falls in, and the exact value at its centre.
            const int px = static_cast<int>(view.screenX(r * std::cos(a)));
            const int py = static_cast<int>(view.screenY(r * std::sin(a)));
            const auto model = [&](double sx, double sy) {
                return exact(view.areaXMin + (sx - view.marginLeft - view.offsetX) / view.scaleX,
                             view.areaYMin + (view.marginTop + view.drawHeight() - view.offsetY - sy) / view.scaleY);
            };
            const double u = model(px + 0.5, py + 0.5);
            const QRgb got = image.pixel(px, py);
            const int entry = colourIndex(u, range);
            bool matches = false;
            for (int e = std::max(entry - 1, 0); e <= std::min(entry + 1, 200); ++e) {
                const Rgb c = p.palette.colours[static_cast<std::size_t>(e)];
                matches = matches || got == qRgb(c.r, c.g, c.b);
            }
            EXPECT_TRUE(matches) << "at r = " << r << ", a = " << a << ": " << std::hex << got;
            ++checked;
        }
    }
    EXPECT_GT(checked, 10);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(image.pixel(static_cast<int>(view.screenX(0.2)), static_cast<int>(view.screenY(-0.3))), white);
    EXPECT_EQ(image.pixel(static_cast<int>(view.screenX(2.2)), static_cast<int>(view.screenY(-2.2))), white);
}

// The colours end exactly at the boundary: nothing a pixel and a half
// outside either circle, no gap a pixel and a half inside them; the pixels
// the boundary crosses blend the colour into the background.
TEST(FieldMapPainter, ColoursAreCutExactlyToTheRegion)
{
    Project p = annulus();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    const int size = 400;
    p.view.updateScales(size, size);
    solver::FieldMap map = solver::computeFieldMap(*field, p.view, resultRanges(p).potential, size, size, 4);
    map.levels.clear();
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintFieldMap(painter, map, p.palette, regionOutline(p));
    }
    const QRgb white = qRgb(255, 255, 255);
    int blended = 0;
    for (const Element& e : p.elements) {
        const Node& a = p.nodes[e.startNode];
        const Node& b = p.nodes[e.endNode];
        // The middle of the element on the screen, and the normal into the
        // region (on the left of the element, y up in the model).
        const double mx = p.view.screenX((a.x + b.x) / 2.0);
        const double my = p.view.screenY((a.y + b.y) / 2.0);
        const double dx = p.view.screenX(b.x) - p.view.screenX(a.x);
        const double dy = p.view.screenY(b.y) - p.view.screenY(a.y);
        const double length = std::hypot(dx, dy);
        const double nx = dy / length;
        const double ny = -dx / length;
        const auto pixel = [&](double d) {
            return image.pixel(static_cast<int>(mx + d * nx), static_cast<int>(my + d * ny));
        };
        EXPECT_NE(pixel(1.5), white) << e.startNode;
        EXPECT_EQ(pixel(-1.5), white) << e.startNode;
        const QRgb edge = pixel(0.0);
        bool inPalette = false;
        for (const Rgb& c : p.palette.colours) {
            inPalette = inPalette || edge == qRgb(c.r, c.g, c.b);
        }
        blended += edge != white && !inPalette ? 1 : 0;
    }
    EXPECT_GT(blended, p.elementCount() / 2);
}

// The isolines lie on the circles of their levels.
TEST(FieldMapPainter, IsolinesFollowTheirLevels)
{
    Project p = annulus();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    ViewTransform view = p.view;
    view.updateScales(300, 300);
    solver::FieldMap map = solver::computeFieldMap(*field, view, resultRanges(p).potential, 300, 300, 2);
    map.levels = {25.0, 50.0, 75.0};
    const std::vector<solver::IsolineSegment> segments = solver::isolineSegments(map, map.values);
    ASSERT_GT(segments.size(), 100u);
    for (const solver::IsolineSegment& s : segments) {
        const double x = (s.x0 + s.x1) / 2.0;
        const double y = (s.y0 + s.y1) / 2.0;
        const double mx = view.areaXMin + (x - view.marginLeft - view.offsetX) / view.scaleX;
        const double my = view.areaYMin + (view.marginTop + view.drawHeight() - view.offsetY - y) / view.scaleY;
        const double u = exact(mx, my);
        EXPECT_TRUE(std::fabs(u - 25.0) < 1.0 || std::fabs(u - 50.0) < 1.0 || std::fabs(u - 75.0) < 1.0)
            << mx << ' ' << my << ' ' << u;
    }
}

} // namespace
} // namespace zorind
