// What the drawing shows of a solution's answers: the flux arrows and the
// node of the largest reduced stress.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>

#include "render/FieldMapPainter.h"
#include "render/Painter.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

// Drawn over white: the antialiased arrow shares a line between two rows.
bool dark(QRgb c)
{
    return qRed(c) < 200 && qGreen(c) < 200 && qBlue(c) < 200;
}

// An arrow is a shaft from tail to head and a head of two strokes at the
// head's end; nothing beside it.
TEST(AnswersPaint, AnArrowPointsItsWay)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    solver::ArrowField field;
    field.spacing = 32;
    field.arrows.push_back({50.0, 50.0, 24.0, 0.0}); // from (38, 50) to (62, 50)
    {
        QPainter painter(&image);
        paintFluxArrows(painter, field);
    }
    for (int x = 40; x <= 60; ++x) {
        EXPECT_TRUE(dark(image.pixel(x, 50)) || dark(image.pixel(x, 49))) << x;
    }
    // The head's strokes go back from (62, 50) above and below the shaft.
    bool above = false;
    bool below = false;
    for (int x = 55; x <= 60; ++x) {
        above = above || dark(image.pixel(x, 48));
        below = below || dark(image.pixel(x, 52));
    }
    EXPECT_TRUE(above);
    EXPECT_TRUE(below);
    EXPECT_FALSE(dark(image.pixel(40, 46)));
    EXPECT_FALSE(dark(image.pixel(70, 50)));
}

// "Naprężenia zredukowane" rings the node of the largest reduced stress in
// red; no other node is ringed.
TEST(AnswersPaint, TheLargestReducedStressIsRinged)
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    test::addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    p.resultsValid = 1;
    p.showReducedStress = 1;
    p.display.showNodes = 0;
    const float reduced[] = {1.0f, 2.0f, 9.0f, 4.0f};
    for (int n = 1; n <= 4; ++n) {
        p.elementResults[n].slot[7] = reduced[n - 1];
    }
    p.view.areaXMin = p.view.areaYMin = -5.0f;
    p.view.areaXMax = p.view.areaYMax = 15.0f;
    QImage image(300, 300, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintModel(painter, p, 300, 300);
    }
    const auto redRing = [&](int n) {
        const double x = p.view.screenX(p.nodes[n].x);
        const double y = p.view.screenY(p.nodes[n].y);
        int red = 0;
        for (int k = 0; k < 16; ++k) {
            const double a = 2.0 * 3.14159265358979 * k / 16;
            const QRgb c =
                image.pixel(static_cast<int>(x + 7.0 * std::cos(a)), static_cast<int>(y + 7.0 * std::sin(a)));
            red += qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80 ? 1 : 0;
        }
        return red;
    };
    EXPECT_GT(redRing(3), 8);
    EXPECT_LT(redRing(1), 3);
    EXPECT_LT(redRing(2), 3);
}

} // namespace
} // namespace zorind
