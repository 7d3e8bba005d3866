// The colour scale's labels beside its bar: whole, and clear of the bar.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/view/ColourScale.h"
#include "render/Painter.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

bool isText(QRgb c)
{
    // The labels are black on white; antialiased edges are grey.
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) < 160;
}

// Exponent labels are narrowed to end before the bar: in every label's rows
// the text reaches close to the bar and no further (none of it under the
// bar or beyond it), and the column just left of the bar stays white.
TEST(ColourScaleLabels, ExponentsStayClearOfTheBar)
{
    const Project p = test::emptyProject();
    const ColourScaleRange range{-9.8765e8f, 4.9e6f, 0.0f};
    QImage image(kScaleWindowWidth, kScaleWindowHeight, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        paintColourScale(painter, p.palette, range, image.width(), image.height());
    }
    const ColourScaleLayout layout = colourScaleLayout(range, kScaleWindowHeight);
    const int barLeft = ColourScaleLayout::strokeX - ColourScaleLayout::strokeWidth / 2;
    for (const ScaleLabel& label : layout.labels) {
        int rightmost = -1;
        for (int y = label.y; y < label.y + 10 && y < image.height(); ++y) {
            EXPECT_EQ(image.pixel(barLeft - 1, y), qRgb(255, 255, 255)) << label.value << " row " << y;
            for (int x = 0; x < image.width(); ++x) {
                if (isText(image.pixel(x, y))) {
                    rightmost = std::max(rightmost, x);
                }
            }
        }
        // "-9.8765e+08" and the like: only the narrowing gets them this far
        // without reaching the bar.
        EXPECT_LT(rightmost, barLeft - 1) << label.value;
        if (label.value < -1e5) {
            EXPECT_GT(rightmost, barLeft - 8) << label.value;
        }
    }
}

// The last label stays within the scale's height: nothing is drawn below it.
TEST(ColourScaleLabels, TheLastLabelIsWhole)
{
    const Project p = test::emptyProject();
    const ColourScaleRange range{0.0f, 0.5f, 100.0f};
    const QRgb untouched = qRgb(1, 2, 3);
    QImage image(kScaleWindowWidth, kScaleWindowHeight + 20, QImage::Format_RGB32);
    image.fill(untouched);
    {
        QPainter painter(&image);
        paintColourScale(painter, p.palette, range, kScaleWindowWidth, kScaleWindowHeight);
    }
    for (int y = kScaleWindowHeight; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(image.pixel(x, y), untouched) << x << ' ' << y;
        }
    }
    int textRows = 0;
    for (int y = kScaleWindowHeight - 14; y < kScaleWindowHeight; ++y) {
        for (int x = 0; x < 50; ++x) {
            if (isText(image.pixel(x, y))) {
                ++textRows;
                break;
            }
        }
    }
    EXPECT_GT(textRows, 5);
}

} // namespace
} // namespace zorind
