#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <limits>
#include <set>
#include <vector>

#include "core/ui/ScriptedInteraction.h"
#include "core/view/ColourScale.h"
#include "render/Painter.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::emptyProject;

// A colour no drawing of black, white or palette entries can produce.
const QRgb kUntouched = qRgb(1, 254, 3);
const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kYellowPixel = qRgb(255, 255, 0);
const QRgb kRedPixel = qRgb(255, 0, 0);
const QRgb kGreenPixel = qRgb(0, 128, 0);

// Paints the project's drawing area of a client area width x height into an
// image of the given size (wider images show what lies beyond the client).
QImage paint(Project& p, Interaction& ui, int width = 640, int height = 480, int imageWidth = 0,
             PaintOutcome* outcome = nullptr)
{
    QImage image(imageWidth > 0 ? imageWidth : width, height, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    const PaintOutcome result = paintModel(painter, p, width, height);
    if (result.message) {
        ui.message(result.message->text, result.message->caption, result.message->kind);
    }
    if (outcome != nullptr) {
        *outcome = result;
    }
    return image;
}

QRgb rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y);
}

QRgb paletteRgb(const Project& p, int entry)
{
    const Rgb c = p.palette.colours[static_cast<std::size_t>(entry)];
    return qRgb(c.r, c.g, c.b);
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& match, QRect area = {})
{
    if (area.isNull()) {
        area = image.rect();
    }
    area = area.intersected(image.rect());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += match(rgb(image, x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool isBlack(QRgb c)
{
    return c == kBlackPixel;
}

// A project with nothing but what a test adds: no grid, no node markers.
Project bareProject()
{
    Project p = emptyProject();
    p.view.gridOn = 0;
    p.display.showNodes = 0;
    return p;
}

TEST(Painter, EmptyProjectShowsTheWhiteBackgroundAndA26By26Lattice)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    // Twenty pixels wider than the client: the column at x = 50 lies in the
    // right margin, just beyond the client area.
    const QImage image = paint(p, ui, 640, 480, 660);
    EXPECT_TRUE(ui.shown.empty());
    const double sx = 620.0 / 49.0;
    const double sy = 420.0 / 49.0;
    for (int i = 0; i <= 25; ++i) {
        for (int j = 0; j <= 25; ++j) {
            const int cx = static_cast<int>(10 + 2 * i * sx - 1) + 1;
            const int cy = static_cast<int>(440 - 2 * j * sy - 1) + 1;
            ASSERT_EQ(rgb(image, cx, cy), kBlackPixel) << i << "," << j;
            // A three-pixel dot: the centre with its four neighbours.
            EXPECT_EQ(rgb(image, cx - 1, cy), kBlackPixel);
            EXPECT_EQ(rgb(image, cx + 1, cy), kBlackPixel);
            EXPECT_EQ(rgb(image, cx, cy - 1), kBlackPixel);
            EXPECT_EQ(rgb(image, cx, cy + 1), kBlackPixel);
            EXPECT_NE(rgb(image, cx + 2, cy), kBlackPixel);
        }
    }
    EXPECT_EQ(countPixels(image, isBlack), 26 * 26 * 5);
    // The client area is white, the rest of the device untouched.
    EXPECT_EQ(countPixels(
                  image, [](QRgb c) { return c == kWhitePixel; }, QRect(0, 0, 640, 480)),
              640 * 480 - 25 * 26 * 5);
    EXPECT_EQ(rgb(image, 650, 200), kUntouched);
}

TEST(Painter, APainterWithATransformDrawsTheSameDots)
{
    // Such a painter takes the path of one ellipse per dot.
    Project p = emptyProject();
    QImage image(700, 480, QImage::Format_RGB32);
    image.fill(kUntouched);
    {
        QPainter painter(&image);
        painter.translate(20, 0);
        EXPECT_FALSE(paintModel(painter, p, 640, 480).message);
    }
    const double sx = 620.0 / 49.0;
    const double sy = 420.0 / 49.0;
    for (int i = 0; i <= 25; ++i) {
        for (int j = 0; j <= 25; ++j) {
            const int cx = 20 + static_cast<int>(10 + 2 * i * sx - 1) + 1;
            const int cy = static_cast<int>(440 - 2 * j * sy - 1) + 1;
            ASSERT_EQ(rgb(image, cx, cy), kBlackPixel) << i << "," << j;
            EXPECT_EQ(rgb(image, cx - 1, cy), kBlackPixel);
            EXPECT_EQ(rgb(image, cx, cy + 1), kBlackPixel);
        }
    }
    EXPECT_EQ(countPixels(image, isBlack), 26 * 26 * 5);
    EXPECT_EQ(rgb(image, 10, 100), kUntouched);
    EXPECT_EQ(rgb(image, 30, 100), kWhitePixel);
}

TEST(Painter, GridOffShowsNoDots)
{
    Project p = emptyProject();
    p.view.gridOn = 0;
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    EXPECT_EQ(countPixels(image, [](QRgb c) { return c != kWhitePixel; }), 0);
}

TEST(Painter, NodeMarkerIsAYellowCircleWithABlackRimAtTheNode)
{
    Project p = emptyProject();
    p.view.gridOn = 0;
    test::addNode(p, 10, 10);
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    // X = 10 + 10 * 620/49 = 136.5, Y = 440 - 10 * 420/49 = 354.3; the box
    // runs from (133, 351) to (139, 357).
    EXPECT_EQ(rgb(image, 136, 354), kYellowPixel);
    EXPECT_EQ(rgb(image, 134, 354), kYellowPixel);
    EXPECT_EQ(rgb(image, 133, 354), kBlackPixel);
    EXPECT_EQ(rgb(image, 139, 354), kBlackPixel);
    EXPECT_EQ(rgb(image, 136, 351), kBlackPixel);
    EXPECT_EQ(rgb(image, 136, 357), kBlackPixel);
    EXPECT_EQ(rgb(image, 132, 354), kWhitePixel);
    EXPECT_EQ(rgb(image, 140, 354), kWhitePixel);
    EXPECT_EQ(countPixels(image, [](QRgb c) { return c == kYellowPixel; }), 21);
}

TEST(Painter, ElementIsABlackLineBetweenItsNodes)
{
    Project p = bareProject();
    test::addNode(p, 5, 10);
    test::addNode(p, 45, 30);
    test::addElement(p, 1, 2);
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    const ViewTransform& v = p.view;
    const int x0 = v.toScreenX(5);
    const int y0 = v.toScreenY(10);
    const int x1 = v.toScreenX(45);
    const int y1 = v.toScreenY(30);
    EXPECT_EQ(rgb(image, x0, y0), kBlackPixel);
    EXPECT_EQ(rgb(image, x1, y1), kBlackPixel);
    for (int k = 1; k < 10; ++k) {
        const int x = x0 + (x1 - x0) * k / 10;
        const int y = y0 + (y1 - y0) * k / 10;
        EXPECT_GE(countPixels(image, isBlack, QRect(x - 1, y - 1, 3, 3)), 1) << k;
    }
    // A one-pixel line: nothing much beside it.
    const int xm = (x0 + x1) / 2;
    EXPECT_EQ(countPixels(image, isBlack, QRect(xm, 0, 1, 480)), 1);
}

TEST(Painter, ElementsWithBrokenNodeReferencesAreLeftOut)
{
    Project p = bareProject();
    test::addNode(p, 5, 10);
    test::addNode(p, 45, 10);
    test::addElement(p, 1, 3);   // node 3 does not exist
    test::addElement(p, 0, 2);   // nor does node 0
    test::addElement(p, 1, 500); // beyond the table
    p.display.showElementNumbers = 1;
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    EXPECT_EQ(countPixels(image, [](QRgb c) { return c != kWhitePixel; }), 0);
}

struct ConditionScene {
    Project project = bareProject();
    int y = 0;
    int x0 = 0;
    int x1 = 0;
};

// One horizontal element at y = 25 from x = 5 to x = 45 (or back) with a
// condition of the given kind, condition marks shown, numbers hidden.
ConditionScene conditionScene(float kind, bool leftToRight)
{
    ConditionScene s;
    Project& p = s.project;
    const int c = test::addCondition(p, kind, 1, 1, 1);
    test::addNode(p, 5, 25);
    test::addNode(p, 45, 25);
    if (leftToRight) {
        test::addElement(p, 1, 2, c);
    } else {
        test::addElement(p, 2, 1, c);
    }
    p.display.showBoundaryConditions = 1;
    p.display.showBcNumbers = 0;
    p.view.updateScales(640, 480);
    s.y = p.view.toScreenY(25);
    s.x0 = p.view.toScreenX(5);
    s.x1 = p.view.toScreenX(45);
    return s;
}

TEST(Painter, PrescribedPotentialIsAThickRedLine)
{
    ConditionScene s = conditionScene(1, true);
    ScriptedInteraction ui;
    const QImage image = paint(s.project, ui);
    const int x = (s.x0 + s.x1) / 2;
    EXPECT_EQ(countPixels(
                  image, [](QRgb c) { return c == kRedPixel; }, QRect(x, s.y - 5, 1, 11)),
              3);
    EXPECT_EQ(rgb(image, x, s.y), kRedPixel);
    EXPECT_EQ(countPixels(image, [](QRgb c) { return c == kGreenPixel; }), 0);
}

TEST(Painter, PrescribedFluxIsAGreenBandBelowAnElementDrawnLeftToRight)
{
    ConditionScene s = conditionScene(2, true);
    ScriptedInteraction ui;
    const QImage image = paint(s.project, ui);
    const auto green = [](QRgb c) { return c == kGreenPixel; };
    const int x = s.x0 + (s.x1 - s.x0) / 3;
    // The line joining the tick ends, ten pixels below.
    EXPECT_GE(countPixels(image, green, QRect(x, s.y + 9, 1, 3)), 1);
    // Ticks every five pixels between the element and that line.
    const QRect ticks(s.x0 + 1, s.y + 4, s.x1 - s.x0 - 2, 1);
    const int tickPixels = countPixels(image, green, ticks);
    EXPECT_GE(tickPixels, (s.x1 - s.x0) / 5 - 1);
    EXPECT_LE(tickPixels, (s.x1 - s.x0) / 5 + 1);
    EXPECT_EQ(rgb(image, s.x0 + 5, s.y + 5), kGreenPixel);
    EXPECT_EQ(rgb(image, s.x0 + 7, s.y + 5), kWhitePixel);
    // Nothing green above the element, no red.
    EXPECT_EQ(countPixels(image, green, QRect(0, 0, 640, s.y - 1)), 0);
    EXPECT_EQ(countPixels(image, [](QRgb c) { return c == kRedPixel; }), 0);
    // The element line itself stays black.
    EXPECT_EQ(rgb(image, x, s.y), kBlackPixel);
}

TEST(Painter, AnElementDrawnRightToLeftHasItsBandAbove)
{
    for (float kind : {2.0f, 3.0f}) {
        ConditionScene s = conditionScene(kind, false);
        ScriptedInteraction ui;
        const QImage image = paint(s.project, ui);
        const auto green = [](QRgb c) { return c == kGreenPixel; };
        EXPECT_GT(countPixels(image, green, QRect(0, s.y - 11, 640, 10)), 20);
        EXPECT_EQ(countPixels(image, green, QRect(0, s.y + 1, 640, 480)), 0);
    }
}

TEST(Painter, ConditionNumberIsWrittenOnYellowAtTheMidpoint)
{
    ConditionScene s = conditionScene(1, true);
    s.project.display.showBcNumbers = 1;
    ScriptedInteraction ui;
    const QImage image = paint(s.project, ui);
    const int x = static_cast<int>(10 + 2 + 25 * s.project.view.scaleX);
    const QRect box(x, s.y, 12, 12);
    EXPECT_GT(countPixels(
                  image, [](QRgb c) { return c == kYellowPixel; }, box),
              30);
    // Navy glyph pixels.
    EXPECT_GT(countPixels(
                  image, [](QRgb c) { return qBlue(c) > 60 && qRed(c) < 60 && qGreen(c) < 60; }, box),
              3);
}

TEST(Painter, ElementNumbersHaveAWhiteBackgroundWhateverLayerCameBefore)
{
    Project p = bareProject();
    p.display.showNodes = 1;
    p.display.showElements = 0;
    p.display.showElementNumbers = 1;
    test::addNode(p, 5, 25);
    test::addNode(p, 45, 25);
    test::addElement(p, 1, 2);
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    const int x = static_cast<int>(10 + 2 + 25 * p.view.scaleX);
    const QRect box(x, p.view.toScreenY(25), 8, 12);
    EXPECT_EQ(countPixels(
                  image, [](QRgb c) { return c == kYellowPixel; }, box),
              0);
    EXPECT_GT(countPixels(
                  image, [](QRgb c) { return qBlue(c) > 150 && qRed(c) < 100; }, box),
              3);
}

// One horizontal element from (5, 25) to (45, 25) with potentials 0, 50,
// 100, shown coloured.
Project colouredElement()
{
    Project p = bareProject();
    test::addNode(p, 5, 25);
    test::addNode(p, 45, 25);
    test::addElement(p, 1, 2);
    p.elementResults[1].slot[1] = 0;
    p.elementResults[1].slot[2] = 50;
    p.elementResults[1].slot[3] = 100;
    p.fluxResults[1].slot[1] = -3;
    p.fluxResults[1].slot[2] = -3;
    p.fluxResults[1].slot[3] = -3;
    p.resultsValid = 1;
    p.display.showPotential = 1;
    p.display.showEndValues = 0;
    return p;
}

TEST(Painter, ColouredElementTakesEntry200AtItsFarEnd)
{
    Project p = colouredElement();
    ScriptedInteraction ui;
    PaintOutcome outcome;
    const QImage image = paint(p, ui, 640, 480, 0, &outcome);
    EXPECT_TRUE(outcome.scaleVisible);
    EXPECT_EQ(p.scaleRange.scaleMin, 0.0f);
    EXPECT_EQ(p.scaleRange.scaleMax, 100.0f);
    EXPECT_FLOAT_EQ(p.scaleRange.scaleStep, 0.5f);

    const ViewTransform& v = p.view;
    const int x0 = v.toScreenX(5);
    const int x1 = v.toScreenX(45);
    const int y = v.toScreenY(25);
    const int segment = (x1 - x0) / 30;
    // The last of the thirty segments: value 100 at its far end.
    EXPECT_EQ(rgb(image, x1 - segment / 2, y), paletteRgb(p, 200));
    // The first: 100/30 at its far end, entry 6.
    EXPECT_EQ(rgb(image, x0 + segment / 2, y), paletteRgb(p, 6));
    // The middle one ends at t = 0.0667: entry trunc(53.33 / 0.5) = 106.
    EXPECT_EQ(rgb(image, x0 + 15 * (x1 - x0) / 30 + segment / 2, y), paletteRgb(p, 106));
    // Four pixels wide, over the black element line.
    const int xm = (x0 + x1) / 2;
    EXPECT_EQ(countPixels(
                  image, [](QRgb c) { return c != kWhitePixel; }, QRect(xm, 0, 1, 480)),
              4);
}

TEST(Painter, FluxViewColoursByTheFluxRange)
{
    Project p = colouredElement();
    p.display.showPotential = 0;
    p.display.showFlux = 1;
    ScriptedInteraction ui;
    PaintOutcome outcome;
    const QImage image = paint(p, ui, 640, 480, 0, &outcome);
    EXPECT_TRUE(outcome.scaleVisible);
    EXPECT_EQ(p.scaleRange.scaleMin, -3.0f);
    EXPECT_EQ(p.scaleRange.scaleMax, -2.0f);
    const int xm = (p.view.toScreenX(5) + p.view.toScreenX(45)) / 2;
    EXPECT_EQ(rgb(image, xm, p.view.toScreenY(25)), paletteRgb(p, 0));
}

TEST(Painter, NothingIsColouredWithoutValidResults)
{
    Project p = colouredElement();
    p.resultsValid = 0;
    ScriptedInteraction ui;
    PaintOutcome outcome;
    const QImage image = paint(p, ui, 640, 480, 0, &outcome);
    EXPECT_FALSE(outcome.scaleVisible);
    const int xm = (p.view.toScreenX(5) + p.view.toScreenX(45)) / 2;
    EXPECT_EQ(rgb(image, xm, p.view.toScreenY(25)), kBlackPixel);
    EXPECT_EQ(rgb(image, xm, p.view.toScreenY(25) + 1), kWhitePixel);
}

TEST(Painter, EndValuesAreWrittenAboveRightOfTheNodes)
{
    Project p = colouredElement();
    p.display.showEndValues = 1;
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    const int x0 = p.view.toScreenX(5);
    const int y = p.view.toScreenY(25);
    const auto dark = [](QRgb c) { return qGray(c) < 100; };
    // "0.00" from (x0 + 8, y - 12) on a white box.
    const QRect first(x0 + 8, y - 12, 25, 9);
    EXPECT_GT(countPixels(image, dark, first), 10);
    EXPECT_EQ(countPixels(image, dark, QRect(x0 + 8, y - 40, 60, 20)), 0);
    // Without the switch nothing is written there.
    p.display.showEndValues = 0;
    const QImage bare = paint(p, ui);
    EXPECT_EQ(countPixels(bare, dark, first), 0);
}

TEST(Painter, InternalPointsTakeThePotentialColourOrStayGreenAndWhite)
{
    Project p = colouredElement();
    const int inside = test::addInternalPoint(p, 20, 10);
    p.internalPoints[inside].internalResult = 50;
    const int above = test::addInternalPoint(p, 30, 10);
    p.internalPoints[above].internalResult = 1000; // beyond the range: entry 200
    p.display.showInternalValues = 0;
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    const ViewTransform& v = p.view;
    EXPECT_EQ(rgb(image, v.toScreenX(20), v.toScreenY(10)), paletteRgb(p, 100));
    EXPECT_EQ(rgb(image, v.toScreenX(20) - 3, v.toScreenY(10)), paletteRgb(p, 100));
    EXPECT_EQ(rgb(image, v.toScreenX(30), v.toScreenY(10)), paletteRgb(p, 200));

    p.display.showPotential = 0;
    const QImage plain = paint(p, ui);
    EXPECT_EQ(rgb(plain, v.toScreenX(20), v.toScreenY(10)), kWhitePixel);
    EXPECT_EQ(rgb(plain, v.toScreenX(20) - 3, v.toScreenY(10)), kGreenPixel);
}

TEST(Painter, InternalValuesAreWrittenBesideColouredPoints)
{
    Project p = colouredElement();
    const int k = test::addInternalPoint(p, 20, 10);
    p.internalPoints[k].internalResult = 12.345f;
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    const int x = static_cast<int>(10 + 2 + 20 * p.view.scaleX + 6);
    const int y = static_cast<int>(p.view.screenY(10) - 6);
    EXPECT_GT(countPixels(
                  image, [](QRgb c) { return qGray(c) < 100; }, QRect(x, y, 30, 12)),
              10);
    p.display.showInternalValues = 0;
    const QImage bare = paint(p, ui);
    EXPECT_EQ(countPixels(
                  bare, [](QRgb c) { return qGray(c) < 100; }, QRect(x, y, 30, 12)),
              0);
}

TEST(Painter, TooFineAGridGivesOneMessageAndIsSwitchedOff)
{
    Project p = emptyProject();
    p.view.gridStepX = 0.01f;
    p.view.gridStepY = 0.01f;
    ScriptedInteraction ui;
    PaintOutcome outcome;
    paint(p, ui, 640, 480, 0, &outcome);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Błędne ustawienia siatki !");
    EXPECT_EQ(ui.shown[0].caption, "Bład przy odświeżaniu ekranu...");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Plain);
    EXPECT_EQ(p.view.gridOn, 0);
    EXPECT_TRUE(outcome.repaintRequested);

    const QImage again = paint(p, ui, 640, 480, 0, &outcome);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_FALSE(outcome.repaintRequested);
    EXPECT_EQ(countPixels(again, [](QRgb c) { return c != kWhitePixel; }), 0);
}

TEST(Painter, TwentyThousandDotsAreStillDrawn)
{
    Project p = emptyProject();
    p.view.areaXMax = 199;
    p.view.areaYMax = 99;
    p.view.gridStepX = 1;
    p.view.gridStepY = 1;
    ScriptedInteraction ui;
    PaintOutcome outcome;
    paint(p, ui, 1280, 960, 0, &outcome);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(p.view.gridOn, 1);
    EXPECT_FALSE(outcome.repaintRequested);

    p.view.areaYMax = 100; // 200 x 101 dots
    paint(p, ui, 1280, 960, 0, &outcome);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(p.view.gridOn, 0);
}

TEST(Painter, AGridWhoseStepIsLostInTheRoundingEnds)
{
    Project p = emptyProject();
    p.view.areaXMin = 1e9f;
    p.view.areaXMax = 1e9f + 1000;
    p.view.gridStepX = 1; // 1e9 + 1 == 1e9 in float
    ScriptedInteraction ui;
    paint(p, ui);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(p.view.gridOn, 0);
}

TEST(Painter, ElementBeyond30000PixelsIsSkippedButItsNodeMarkerStays)
{
    Project p = emptyProject();
    p.view.gridOn = 0;
    test::addNode(p, 10, 10);
    test::addNode(p, 5000, 10); // about 63000 pixels to the right
    test::addElement(p, 1, 2);
    p.display.showElementBoundaryNumbers = 1;
    p.display.showBoundaryConditions = 1;
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    EXPECT_EQ(rgb(image, 136, 354), kYellowPixel);
    // No line to the right of the marker, no band, no labels.
    EXPECT_EQ(countPixels(
                  image, [](QRgb c) { return c != kWhitePixel; }, QRect(141, 0, 499, 480)),
              0);
    EXPECT_EQ(countPixels(image, [](QRgb c) { return c != kWhitePixel && c != kYellowPixel && c != kBlackPixel; }), 0);

    // Just inside the limit the element is drawn.
    p.nodes[2].x = 2000; // about 25300 pixels
    const QImage near = paint(p, ui);
    EXPECT_EQ(rgb(near, 300, 354), kBlackPixel);
}

TEST(Painter, ColourSegmentsReachingFarOutsideAreStillDrawn)
{
    Project p = colouredElement();
    p.nodes[2].x = 3e7f; // hundreds of millions of pixels away
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    const int x0 = p.view.toScreenX(5);
    const int y = p.view.toScreenY(25);
    // The first segment leaves the picture in the colour of its far end.
    const QRgb c = rgb(image, x0 + 50, y);
    EXPECT_NE(c, kWhitePixel);
    EXPECT_NE(c, kBlackPixel);
}

TEST(Painter, AbsurdCoordinatesDoNotUpsetThePainter)
{
    Project p = colouredElement();
    p.nodes[1] = {std::numeric_limits<float>::max(), -std::numeric_limits<float>::max()};
    p.nodes[2] = {-3e38f, 3e38f};
    test::addInternalPoint(p, 3e38f, 3e38f);
    p.display.showNodes = 1;
    p.display.showNodeNumbers = 1;
    p.display.showElementNumbers = 1;
    p.display.showEndValues = 1;
    p.display.showMidValues = 1;
    p.view.gridOn = 1;
    ScriptedInteraction ui;
    const QImage image = paint(p, ui);
    // The sanitizer pass turns any float-to-int overflow into a failure;
    // here the picture must still be whole: the background painted
    // everywhere, nothing left untouched, no message.
    EXPECT_EQ(countPixels(
                  image, [](QRgb c) { return c == kUntouched; }, QRect(0, 0, 640, 480)),
              0);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(ColourScalePainter, StrokesInPaletteColoursAndLabels)
{
    Project p = emptyProject();
    const ColourScaleRange range{0.0f, 0.5f, 100.0f};
    QImage image(kScaleWindowWidth, kScaleWindowHeight, QImage::Format_RGB32);
    image.fill(kUntouched);
    {
        QPainter painter(&image);
        paintColourScale(painter, p.palette, range, image.width(), image.height());
    }
    const ColourScaleLayout layout = colourScaleLayout(range, kScaleWindowHeight);
    // Down the middle of the bar: one continuous run of palette colours,
    // entries never going back, from the first entries to entry 199.
    std::vector<int> entries;
    for (int y = layout.strokes.front().y0; y <= layout.strokes.back().y1; ++y) {
        const QRgb c = rgb(image, 60, y);
        int entry = -1;
        for (int k = 1; k <= 199; ++k) {
            if (paletteRgb(p, k) == c) {
                entry = k; // the graded palette has no repeated colour
                break;
            }
        }
        ASSERT_NE(entry, -1) << "row " << y;
        entries.push_back(entry);
    }
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    EXPECT_LE(entries.front(), 5);
    EXPECT_EQ(entries.back(), 199);
    EXPECT_GT(std::set<int>(entries.begin(), entries.end()).size(), 150u);
    // Ten pixels wide, where no label reaches.
    const int y = layout.strokes[100].y0;
    EXPECT_NE(rgb(image, 55, y), kWhitePixel);
    EXPECT_NE(rgb(image, 64, y), kWhitePixel);
    EXPECT_EQ(rgb(image, 54, y), kWhitePixel);
    EXPECT_EQ(rgb(image, 65, y), kWhitePixel);
    // Nothing above the first entry, white background everywhere else.
    EXPECT_EQ(rgb(image, 60, 5), kWhitePixel);
    EXPECT_EQ(countPixels(image, [](QRgb c) { return c == kUntouched; }), 0);
    // A label next to each label position.
    for (const ScaleLabel& label : layout.labels) {
        EXPECT_GT(countPixels(
                      image, [](QRgb c) { return qGray(c) < 100; }, QRect(label.x, label.y, 45, 12)),
                  5)
            << label.y;
    }
}

TEST(ColourScalePainter, EachLabelFollowsItsStrokeSoTheBarStaysWhole)
{
    // Labels in exponent form are wide enough to reach the bar; drawn after
    // the whole bar, their white background would cut gaps into it.
    Project p = emptyProject();
    const ColourScaleRange range{-9.8765e8f, 4.9e6f, 0.0f};
    QImage image(kScaleWindowWidth, kScaleWindowHeight, QImage::Format_RGB32);
    image.fill(kUntouched);
    {
        QPainter painter(&image);
        paintColourScale(painter, p.palette, range, image.width(), image.height());
    }
    const ColourScaleLayout layout = colourScaleLayout(range, kScaleWindowHeight);
    // The strokes just below each label lie within its box and are drawn
    // after it.
    for (std::size_t l = 0; l + 1 < layout.labels.size(); ++l) {
        const int entry = layout.labels[l].afterEntry;
        for (int next = entry + 1; next <= entry + 3; ++next) {
            const ScaleStroke& stroke = layout.strokes[static_cast<std::size_t>(next - 1)];
            ASSERT_LT(stroke.y0, layout.labels[l].y + 12);
            EXPECT_NE(rgb(image, 60, stroke.y0), kWhitePixel) << "entry " << next;
        }
    }
}

} // namespace
} // namespace zorind
