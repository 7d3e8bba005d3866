// Loads and supports of an elasticity model on the drawing: which way the
// arrows point and where the rollers lie, read from the pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/Painter.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 128, 0);

// A 40 x 40 plate, anticlockwise: bottom (element 1), right (2), top (3),
// left (4), with conditions 2 to 5 in that order, all of them loads of zero
// until a test says otherwise; conditions shown, nothing else but the lines.
Project plate()
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.view.gridOn = 0;
    p.display.showNodes = 0;
    p.display.showBcNumbers = 0;
    p.display.showBoundaryConditions = 1;
    test::addPolygon(p, {{5, 5}, {45, 5}, {45, 45}, {5, 45}});
    for (int e = 1; e <= 4; ++e) {
        p.elements[e].condition = test::addCondition(p, TractionKind, 0, 0, 0);
    }
    return p;
}

void setCondition(Project& p, int element, float kind, float x, float y = 0.0f)
{
    p.conditions[element + 1] = {kind, x, x, x, y, y, y};
}

QImage paint(Project& p)
{
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintModel(painter, p, 640, 480);
    return image;
}

int count(const QImage& image, QRgb colour, QRect area)
{
    area = area.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

// Red pixels beside a horizontal arrow's shaft at row y, between columns
// x0 and x1: the strokes of its head.
int headBesideRow(const QImage& image, int y, int x0, int x1)
{
    return count(image, kRed, QRect(x0, y - 4, x1 - x0 + 1, 3)) + count(image, kRed, QRect(x0, y + 2, x1 - x0 + 1, 3));
}

int headBesideColumn(const QImage& image, int x, int y0, int y1)
{
    return count(image, kRed, QRect(x - 4, y0, 3, y1 - y0 + 1)) + count(image, kRed, QRect(x + 2, y0, 3, y1 - y0 + 1));
}

// The row (or column) of the arrow nearest row y that crosses column x
// (nearest column x on row y): arrows lie about 25 pixels apart. -1 for none.
int nearestArrow(const QImage& image, int x, int y, bool row)
{
    for (int d = 0; d <= 13; ++d) {
        for (int at : {-d, d}) {
            if (image.pixel(row ? x : x + at, row ? y + at : y) == kRed) {
                return row ? y + at : x + at;
            }
        }
    }
    return -1;
}

TEST(SupportsLayer, ArrowsPointTheWayTheLoadActsFromOutsideTheBody)
{
    // The right side pulled outwards, then pushed inwards: either way the
    // arrow lies outside, 40 pixels long (the largest load), its head at
    // the far end when it pulls and at the side when it pushes.
    for (const float load : {10.0f, -10.0f}) {
        SCOPED_TRACE(load);
        Project p = plate();
        setCondition(p, 2, TractionKind, load);
        const QImage image = paint(p);
        const int side = p.view.toScreenX(45);
        const int middle = nearestArrow(image, side + 20, p.view.toScreenY(25), true);
        ASSERT_GE(middle, 0);
        const int nearSide = headBesideRow(image, middle, side + 3, side + 9);
        const int farEnd = headBesideRow(image, middle, side + 33, side + 40);
        EXPECT_EQ(image.pixel(side + 20, middle), kRed);
        EXPECT_EQ(count(image, kRed, QRect(side + 43, middle - 5, 20, 11)), 0) << "longer than 40 pixels";
        EXPECT_EQ(count(image, kRed, QRect(side - 30, middle - 5, 27, 11)), 0) << "inside the body";
        if (load > 0) {
            EXPECT_GT(farEnd, 4);
            EXPECT_EQ(nearSide, 0);
        } else {
            EXPECT_GT(nearSide, 4);
            EXPECT_EQ(farEnd, 0);
        }
    }
}

TEST(SupportsLayer, PressureArrowsAreNormalToTheSideAndScaledToTheLargestLoad)
{
    // A pressure of 5 on the top beside a load of 10 on the right: arrows
    // half as long, standing on the top from above and pointing down.
    Project p = plate();
    setCondition(p, 2, TractionKind, 10.0f);
    setCondition(p, 3, PressureKind, 5.0f);
    const QImage image = paint(p);
    const int top = p.view.toScreenY(45);
    const int middle = nearestArrow(image, p.view.toScreenX(25), top - 10, false);
    ASSERT_GE(middle, 0);
    EXPECT_EQ(image.pixel(middle, top - 19), kRed);
    EXPECT_EQ(count(image, kRed, QRect(middle - 5, top - 35, 11, 12)), 0) << "20 pixels, not 40";
    EXPECT_GT(headBesideColumn(image, middle, top - 8, top - 3), 4);
    EXPECT_EQ(headBesideColumn(image, middle, top - 20, top - 12), 0);
    EXPECT_EQ(count(image, kRed, QRect(middle - 5, top + 3, 11, 40)), 0) << "inside the body";
    // A pressure pulling outwards (negative) turns the arrows round.
    setCondition(p, 3, PressureKind, -5.0f);
    const QImage pulled = paint(p);
    EXPECT_EQ(headBesideColumn(pulled, middle, top - 8, top - 3), 0);
    EXPECT_GT(headBesideColumn(pulled, middle, top - 20, top - 12), 4);
}

TEST(SupportsLayer, RollersLieOffTheSideInTheHeldDirectionOutsideTheBody)
{
    // The bottom held in y, the left in x; the right loaded so that the
    // model is held. Green rollers below the bottom and left of the left
    // side, none inside; no arrows on the rollers' zero loads.
    Project p = plate();
    setCondition(p, 1, HeldYKind, 0.0f);
    setCondition(p, 4, HeldXKind, 0.0f);
    setCondition(p, 2, TractionKind, 10.0f);
    const QImage image = paint(p);
    const int bottom = p.view.toScreenY(5);
    const int left = p.view.toScreenX(5);
    const QRect bottomRun(p.view.toScreenX(10), 0, p.view.toScreenX(40) - p.view.toScreenX(10), 0);
    EXPECT_GT(count(image, kGreen, QRect(bottomRun.left(), bottom + 2, bottomRun.width(), 8)), 50);
    EXPECT_EQ(count(image, kGreen, QRect(bottomRun.left(), bottom - 12, bottomRun.width(), 10)), 0);
    EXPECT_EQ(image.pixel(p.view.toScreenX(25), bottom), kGreen) << "the side itself in green";
    const int top = p.view.toScreenY(40);
    const int height = p.view.toScreenY(10) - top;
    EXPECT_GT(count(image, kGreen, QRect(left - 9, top, 8, height)), 30);
    EXPECT_EQ(count(image, kGreen, QRect(left + 2, top, 10, height)), 0);
    EXPECT_EQ(count(image, kRed, QRect(0, bottom + 1, 640, 480)), 0);
    EXPECT_EQ(count(image, kRed, QRect(0, 0, left - 1, 480)), 0);
}

} // namespace
} // namespace zorind
