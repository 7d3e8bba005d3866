#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/Model.h"
#include "core/view/ColourPalette.h"
#include "core/view/ViewTransform.h"

namespace zorind {

// The ranges of the potential and of the flux over every element's start,
// middle and end value, found in one pass. An empty range is widened to
// min..min + 1; the step is one two-hundredth of the range (1 if that is 0).
struct ResultRanges {
    ColourScaleRange potential;
    ColourScaleRange flux;
};
ResultRanges resultRanges(const Model& model);

// The colour scale of values from min to max, as the result ranges have it:
// an empty range widened to min..min + 1, the step one two-hundredth of the
// range (1 if that is 0).
ColourScaleRange scaleRangeOf(float min, float max);

// The palette entry of a value: trunc((value - scaleMin) / scaleStep),
// limited to 0..200. A NaN value or range gives entry 0.
int colourIndex(double value, const ColourScaleRange& range);

// The quadratic through a at t = -1, m at t = 0 and b at t = 1.
double interpolate(double a, double m, double b, double t);

// One short line of an element's colouring, in pixels, with its palette
// entry.
struct ColourSegment {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    int colour = 0;
};

// The element from `start` to `end` with the values a, m, b cut into
// `subdivisions` segments; each takes the colour of the interpolated value
// at its far end. Appends to `out`.
void appendColourSegments(const ViewTransform& view, Node start, Node end, float a, float m, float b,
                          float subdivisions, const ColourScaleRange& range, std::vector<ColourSegment>& out);

// A value written on the model: brought to three significant digits, then
// fixed point with two decimals ("12.30", "0.50"); exponent form when the
// integer part has more than three digits ("1.23e+03").
std::string formatValueLabel(double value, std::string_view decimalPoint = ".");

// A label of the colour scale: five significant digits, one decimal above
// 100 and four otherwise; exponent form beyond five integer digits.
std::string formatScaleLabel(double value, std::string_view decimalPoint = ".");

// What the colour-scale window draws on a client area `clientHeight` high:
// a 10-pixel stroke at x = 60 for each palette entry 1..199 and the value
// labels, kept more than kScaleLabelSpacing pixels apart, the last one being
// scaleMax (a label that would come closer to it is left out).
inline constexpr int kScaleLabelSpacing = 16;
struct ScaleStroke {
    int entry = 0;
    int y0 = 0;
    int y1 = 0;
};
struct ScaleLabel {
    int x = 0;
    int y = 0;
    double value = 0.0;
    // Written right after the stroke of this palette entry (200: after the
    // last stroke), so that strokes and labels are drawn in one pass from
    // the top.
    int afterEntry = 0;
};
struct ColourScaleLayout {
    static constexpr int strokeX = 60;
    static constexpr int strokeWidth = 10;
    std::vector<ScaleStroke> strokes;
    std::vector<ScaleLabel> labels;
};
ColourScaleLayout colourScaleLayout(const ColourScaleRange& range, int clientHeight);

// Client size of the colour-scale window.
inline constexpr int kScaleWindowWidth = 71;
inline constexpr int kScaleWindowHeight = 368;

} // namespace zorind
