#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/view/ColourScale.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::emptyProject;

void setResults(Project& p, int element, float a, float m, float b, float fa = 0, float fm = 0, float fb = 0)
{
    p.elementResults[element].slot[1] = a;
    p.elementResults[element].slot[2] = m;
    p.elementResults[element].slot[3] = b;
    p.fluxResults[element].slot[1] = fa;
    p.fluxResults[element].slot[2] = fm;
    p.fluxResults[element].slot[3] = fb;
}

TEST(ResultRanges, CoverEveryValueOfEveryElement)
{
    Project p = emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    setResults(p, 1, 0, 50, 100, -4, 1, 2);
    setResults(p, 2, 20, 30, 40, 3, 4, 5);
    setResults(p, 3, 40, 10, 0, 6, 7, 8);
    const ResultRanges r = resultRanges(p);
    EXPECT_EQ(r.potential.scaleMin, 0.0f);
    EXPECT_EQ(r.potential.scaleMax, 100.0f);
    EXPECT_FLOAT_EQ(r.potential.scaleStep, 0.5f);
    EXPECT_EQ(r.flux.scaleMin, -4.0f);
    EXPECT_EQ(r.flux.scaleMax, 8.0f);
    EXPECT_FLOAT_EQ(r.flux.scaleStep, 0.06f);
}

TEST(ResultRanges, AConstantFieldGetsAUnitRange)
{
    Project p = emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    for (int e = 1; e <= 3; ++e) {
        setResults(p, e, 7, 7, 7);
    }
    // Results beyond the element count do not count.
    setResults(p, 4, 1000, -1000, 0);
    const ResultRanges r = resultRanges(p);
    EXPECT_EQ(r.potential.scaleMin, 7.0f);
    EXPECT_EQ(r.potential.scaleMax, 8.0f);
    EXPECT_FLOAT_EQ(r.potential.scaleStep, 0.005f);
    EXPECT_EQ(colourIndex(7.0, r.potential), 0);
    EXPECT_EQ(r.flux.scaleMin, 0.0f);
    EXPECT_EQ(r.flux.scaleMax, 1.0f);
}

TEST(ColourIndex, TruncatesAndClampsToThePalette)
{
    const ColourScaleRange range{10.0f, 0.5f, 110.0f};
    EXPECT_EQ(colourIndex(10.0, range), 0);
    EXPECT_EQ(colourIndex(10.49, range), 0);
    EXPECT_EQ(colourIndex(10.5, range), 1);
    EXPECT_EQ(colourIndex(60.2, range), 100);
    EXPECT_EQ(colourIndex(110.0, range), 200);
    EXPECT_EQ(colourIndex(9.9, range), 0);    // just below: -0.2 truncates to 0
    EXPECT_EQ(colourIndex(-500.0, range), 0); // far below
    EXPECT_EQ(colourIndex(1e30, range), 200); // far above
    EXPECT_EQ(colourIndex(std::numeric_limits<double>::quiet_NaN(), range), 0);
    EXPECT_EQ(colourIndex(std::numeric_limits<double>::infinity(), range), 200);
    // A range that was never set (step 0) picks an entry without faulting.
    EXPECT_EQ(colourIndex(5.0, ColourScaleRange{}), 200);
    EXPECT_EQ(colourIndex(0.0, ColourScaleRange{}), 0);
}

TEST(Interpolate, PassesThroughTheThreeValuesAndIsQuadratic)
{
    EXPECT_DOUBLE_EQ(interpolate(3, 5, 11, -1), 3);
    EXPECT_DOUBLE_EQ(interpolate(3, 5, 11, 0), 5);
    EXPECT_DOUBLE_EQ(interpolate(3, 5, 11, 1), 11);
    // The parabola through (-1,3), (0,5), (1,11) is 2t^2 + 4t + 5.
    EXPECT_DOUBLE_EQ(interpolate(3, 5, 11, 0.5), 2 * 0.25 + 4 * 0.5 + 5);
    EXPECT_DOUBLE_EQ(interpolate(3, 5, 11, -0.25), 2 * 0.0625 - 1 + 5);
}

TEST(ColourSegments, ThirtyEqualSegmentsColouredAtTheirFarEnd)
{
    ViewTransform v;
    v.updateScales(510, 550); // ten pixels a unit
    const ColourScaleRange range{0.0f, 0.5f, 100.0f};
    std::vector<ColourSegment> segments;
    appendColourSegments(v, Node{0, 1}, Node{30, 1}, 0, 50, 100, 30.0f, range, segments);
    ASSERT_EQ(segments.size(), 30u);
    for (std::size_t w = 0; w < segments.size(); ++w) {
        const ColourSegment& s = segments[w];
        EXPECT_EQ(s.x0, 10 + 10 * static_cast<int>(w));
        EXPECT_EQ(s.x1, 10 + 10 * static_cast<int>(w + 1));
        EXPECT_EQ(s.y0, 500);
        EXPECT_EQ(s.y1, 500);
        // Linear values: the far end of segment w + 1 holds 100 (w + 1) / 30,
        // entry value / 0.5. Where that is a whole number the rounding of
        // the interpolation may land just below it.
        const double entry = 100.0 * static_cast<double>(w + 1) / 30.0 / 0.5;
        const double whole = std::round(entry);
        if (std::fabs(entry - whole) < 1e-6) {
            EXPECT_TRUE(s.colour == whole || s.colour == whole - 1) << "segment " << w + 1;
        } else {
            EXPECT_EQ(s.colour, static_cast<int>(entry)) << "segment " << w + 1;
        }
    }
    EXPECT_EQ(segments.back().colour, 200);
}

TEST(ColourSegments, FollowTheQuadraticNotTheChord)
{
    ViewTransform v;
    v.updateScales(510, 550);
    const ColourScaleRange range{0.0f, 0.5f, 100.0f};
    std::vector<ColourSegment> segments;
    // A bump: 0 at the ends, 100 in the middle.
    appendColourSegments(v, Node{0, 0}, Node{10, 0}, 0, 100, 0, 4.0f, range, segments);
    ASSERT_EQ(segments.size(), 4u);
    // Far ends at t = -0.5, 0, 0.5, 1: values 75, 100, 75, 0.
    EXPECT_EQ(segments[0].colour, 150);
    EXPECT_EQ(segments[1].colour, 200);
    EXPECT_EQ(segments[2].colour, 150);
    EXPECT_EQ(segments[3].colour, 0);
}

TEST(ColourSegments, NoSegmentsForAMeaninglessSubdivision)
{
    ViewTransform v;
    std::vector<ColourSegment> segments;
    appendColourSegments(v, Node{0, 0}, Node{1, 1}, 0, 0, 0, 0.0f, ColourScaleRange{0, 1, 1}, segments);
    appendColourSegments(v, Node{0, 0}, Node{1, 1}, 0, 0, 0, std::numeric_limits<float>::quiet_NaN(),
                         ColourScaleRange{0, 1, 1}, segments);
    EXPECT_TRUE(segments.empty());
}

TEST(ValueLabel, ThreeSignificantDigitsThenTwoDecimals)
{
    EXPECT_EQ(formatValueLabel(12.345), "12.30");
    EXPECT_EQ(formatValueLabel(0.5), "0.50");
    EXPECT_EQ(formatValueLabel(0.0), "0.00");
    EXPECT_EQ(formatValueLabel(-12.345), "-12.30");
    EXPECT_EQ(formatValueLabel(123.456), "123.00");
    EXPECT_EQ(formatValueLabel(999.4), "999.00");
    EXPECT_EQ(formatValueLabel(0.012345), "0.01");
    EXPECT_EQ(formatValueLabel(1.006), "1.01");
    EXPECT_EQ(formatValueLabel(static_cast<float>(12.345)), "12.30");
}

TEST(ValueLabel, AValueRoundingToZeroHasNoSign)
{
    EXPECT_EQ(formatValueLabel(-0.001), "0.00");
    EXPECT_EQ(formatValueLabel(-0.0), "0.00");
    EXPECT_EQ(formatValueLabel(-0.004, ","), "0,00");
    EXPECT_EQ(formatScaleLabel(-0.00001), "0.0000");
    EXPECT_EQ(formatValueLabel(-0.006), "-0.01");
}

TEST(ValueLabel, ExponentFormBeyondThreeIntegerDigits)
{
    EXPECT_EQ(formatValueLabel(1234.5), "1.23e+03");
    EXPECT_EQ(formatValueLabel(-98765.0), "-9.88e+04");
    // 999.6 rounds to 1000, which has four integer digits.
    EXPECT_EQ(formatValueLabel(999.6), "1.00e+03");
    EXPECT_EQ(formatValueLabel(2.5e30), "2.50e+30");
}

TEST(ValueLabel, UsesTheGivenDecimalSeparatorAndSurvivesNonFiniteValues)
{
    EXPECT_EQ(formatValueLabel(12.345, ","), "12,30");
    EXPECT_EQ(formatValueLabel(1234.5, ","), "1,23e+03");
    EXPECT_EQ(formatValueLabel(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(formatValueLabel(-std::numeric_limits<double>::infinity()), "-inf");
}

TEST(ScaleLabel, FiveSignificantDigitsWithOneOrFourDecimals)
{
    EXPECT_EQ(formatScaleLabel(123.456), "123.5");
    EXPECT_EQ(formatScaleLabel(12.345678), "12.3460");
    EXPECT_EQ(formatScaleLabel(100.0), "100.0000");
    EXPECT_EQ(formatScaleLabel(0.000123456), "0.0001");
    EXPECT_EQ(formatScaleLabel(-500.0), "-500.0000");
    EXPECT_EQ(formatScaleLabel(99999.0), "99999.0");
    EXPECT_EQ(formatScaleLabel(123456.0), "1.2346e+05");
    EXPECT_EQ(formatScaleLabel(1.5, ","), "1,5000");
}

TEST(ColourScaleLayout, StrokesForEveryInnerEntryAndAboutTwentyLabels)
{
    const ColourScaleRange range{-10.0f, 0.1f, 10.0f};
    const ColourScaleLayout layout = colourScaleLayout(range, kScaleWindowHeight);
    ASSERT_EQ(layout.strokes.size(), 199u);
    EXPECT_EQ(layout.strokes.front().entry, 1);
    EXPECT_EQ(layout.strokes.back().entry, 199);
    // Entry j runs from (2 j h) div 420 + 10 to ((2 j + 1) h) div 420 + 10.
    EXPECT_EQ(layout.strokes[0].y0, 736 / 420 + 10);
    EXPECT_EQ(layout.strokes[0].y1, 1104 / 420 + 10);
    EXPECT_EQ(layout.strokes[99].y0, 200 * 368 / 420 + 10);
    for (std::size_t i = 1; i < layout.strokes.size(); ++i) {
        EXPECT_GE(layout.strokes[i].y0, layout.strokes[i - 1].y1 - 1);
    }

    ASSERT_GE(layout.labels.size(), 18u);
    ASSERT_LE(layout.labels.size(), 22u);
    EXPECT_EQ(layout.labels.front().value, -10.0);
    EXPECT_EQ(layout.labels.front().y, 1104 / 420 + 5);
    EXPECT_EQ(layout.labels.back().value, 10.0);
    EXPECT_EQ(layout.labels.back().y, 401 * 368 / 420 + 5);
    for (std::size_t i = 1; i + 1 < layout.labels.size(); ++i) {
        EXPECT_GT(layout.labels[i].y - layout.labels[i - 1].y, 16);
        // Label at entry j shows scaleMin + j * scaleStep.
        const int j = static_cast<int>(std::lround((layout.labels[i].value + 10.0) / 0.1));
        const int y1 = (2 * j + 1) * 368 / 420;
        EXPECT_EQ(layout.labels[i].y, y1 + 5);
        EXPECT_EQ(layout.labels[i].x, 5);
    }
}

// At every height the largest value keeps its label and the one before it
// stays more than 16 pixels above it, as the others do.
TEST(ColourScaleLayout, TheLastLabelIsNotCrowded)
{
    const ColourScaleRange range{0.0f, 0.5f, 100.0f};
    for (int height = 120; height <= 400; ++height) {
        const ColourScaleLayout layout = colourScaleLayout(range, height);
        ASSERT_GE(layout.labels.size(), 2u);
        const ScaleLabel& last = layout.labels.back();
        EXPECT_EQ(last.value, 100.0);
        EXPECT_EQ(last.y, 401 * height / 420 + 5);
        EXPECT_GT(last.y - layout.labels[layout.labels.size() - 2].y, 16) << height;
    }
}

} // namespace
} // namespace zorind
