// The elasticity results on the drawing: the deformed boundary over the
// undeformed one, and the boundary coloured by the reduced stress.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <functional>

#include "core/view/ColourScale.h"
#include "render/Painter.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

const QRgb kBluePixel = qRgb(0, 0, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);

QImage paint(Project& p, PaintOutcome& outcome)
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    outcome = paintModel(painter, p, 640, 480);
    return image;
}

int bluePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == kBluePixel ? 1 : 0;
        }
    }
    return count;
}

// A blue pixel at (x, y) or beside it: a line two pixels wide covers one of
// the pixels next to the one its coordinates name.
bool blueAt(const QImage& image, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (image.pixel(x + dx, y + dy) == kBluePixel) {
                return true;
            }
        }
    }
    return false;
}

// A 30 x 20 rectangle of an elasticity analysis whose results were computed:
// its right bottom corner (node 2) moved by `shift` along x, the other nodes
// held, and the reduced stress rising from 0 at the left nodes to 100 at the
// right ones.
Project solvedRectangle(float shift)
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.view.gridOn = 0;
    p.display.showNodes = 0;
    test::addPolygon(p, {{10, 10}, {40, 10}, {40, 30}, {10, 30}});
    p.elementResults[2].slot[1] = shift;
    for (int n : {2, 3}) {
        p.elementResults[n].slot[7] = 100.0f;
    }
    p.resultsValid = 1;
    return p;
}

// The largest displacement is drawn as a tenth of the model's size (its
// larger side, 30): node 2 moved by 3 to x = 43. The deformed boundary
// lies over the undeformed one, which shows where they part.
TEST(ElasticityLayer, DeformedBoundaryShowsTheLargestDisplacementAsATenthOfTheModel)
{
    const float shift = 2.5e-4f;
    Project p = solvedRectangle(shift);
    p.showDisplacements = 1;
    PaintOutcome outcome;
    const QImage image = paint(p, outcome);
    ASSERT_TRUE(outcome.displacementFactor);
    EXPECT_DOUBLE_EQ(*outcome.displacementFactor, 0.1 * 30.0 / static_cast<double>(shift));
    EXPECT_FALSE(outcome.scaleVisible);

    const ViewTransform& v = p.view;
    // The bottom side runs on to the moved corner at x = 43.
    const int bottom = v.toScreenY(10);
    EXPECT_TRUE(blueAt(image, v.toScreenX(41.5f), bottom));
    EXPECT_FALSE(blueAt(image, v.toScreenX(44.0f), bottom)) << "no further than the moved corner";
    // The right side leans from (43, 10) to (40, 30): at mid-height it
    // passes x = 41.5, right of the undeformed side, which stays black.
    EXPECT_TRUE(blueAt(image, v.toScreenX(41.5f), v.toScreenY(20)));
    EXPECT_EQ(image.pixel(v.toScreenX(40.0f), v.toScreenY(20)), kBlackPixel);
    // The left side did not move: the deformed one covers it.
    EXPECT_TRUE(blueAt(image, v.toScreenX(10.0f), v.toScreenY(20)));

    // Nothing without valid results, nor of a potential analysis, nor when
    // nothing moves.
    for (const auto& spoil : {std::function<void(Project&)>([](Project& q) { q.resultsValid = 0; }),
                              std::function<void(Project&)>([](Project& q) { q.analysisType = HeatFlow; }),
                              std::function<void(Project&)>([](Project& q) { q.elementResults[2].slot[1] = 0; })}) {
        Project q = solvedRectangle(shift);
        q.showDisplacements = 1;
        spoil(q);
        PaintOutcome none;
        EXPECT_EQ(bluePixels(paint(q, none)), 0);
        EXPECT_FALSE(none.displacementFactor);
    }
}

// The boundary takes the colours of the reduced stress on its own scale,
// from the least to the greatest value at the nodes: the bottom side runs
// from entry 0 at its left end to entry 200 at its right end.
TEST(ElasticityLayer, ReducedStressColoursTheBoundaryOnItsOwnScale)
{
    Project p = solvedRectangle(1e-4f);
    p.showReducedStress = 1;
    PaintOutcome outcome;
    const QImage image = paint(p, outcome);
    EXPECT_TRUE(outcome.scaleVisible);
    EXPECT_EQ(p.scaleRange.scaleMin, 0.0f);
    EXPECT_EQ(p.scaleRange.scaleMax, 100.0f);
    EXPECT_FLOAT_EQ(p.scaleRange.scaleStep, 0.5f);
    const auto entry = [&](int k) {
        const Rgb c = p.palette.colours[static_cast<std::size_t>(k)];
        return qRgb(c.r, c.g, c.b);
    };
    const ViewTransform& v = p.view;
    const int x0 = v.toScreenX(10);
    const int x1 = v.toScreenX(40);
    const int y = v.toScreenY(10);
    const int segment = (x1 - x0) / 30;
    // The last segment, beside the ring round its node (the largest stress).
    ASSERT_GT(segment, 10);
    EXPECT_EQ(image.pixel(x1 - segment + 1, y), entry(200));
    // The first of thirty segments: 100/30 at its far end, entry 6.
    EXPECT_EQ(image.pixel(x0 + segment / 2, y), entry(6));
    // The right side is at 100 all along.
    EXPECT_EQ(image.pixel(v.toScreenX(40), v.toScreenY(20)), entry(200));

    p.showReducedStress = 0;
    paint(p, outcome);
    EXPECT_FALSE(outcome.scaleVisible);
}

} // namespace
} // namespace zorind
