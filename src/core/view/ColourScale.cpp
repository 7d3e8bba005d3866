#include "core/view/ColourScale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

constexpr int kLastEntry = ColourPalette::size - 1;

// The slot values 1..3 of element 1..count, start-middle-end in turn.
ColourScaleRange rangeOf(const NumberedArray<ResultRecord, kMaxResults>& table, int count)
{
    float min = 0.0f;
    float max = 0.0f;
    if (count >= 1) {
        min = max = table[1].slot[1];
        for (int e = 1; e <= count; ++e) {
            for (int s = 1; s <= 3; ++s) {
                const float v = table[e].slot[static_cast<std::size_t>(s)];
                if (v > max) {
                    max = v;
                }
                if (v < min) {
                    min = v;
                }
            }
        }
    }
    return scaleRangeOf(min, max);
}

void replaceDecimalPoint(std::string& text, std::string_view decimalPoint)
{
    const std::size_t dot = text.find('.');
    if (dot != std::string::npos && decimalPoint != ".") {
        text.replace(dot, 1, decimalPoint);
    }
}

std::string scientific(double value, int decimals)
{
    std::array<char, 64> buffer{};
    auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, decimals);
    if (result.ec != std::errc{}) {
        return "0";
    }
    return std::string(buffer.data(), result.ptr);
}

// The value rounded (exactly, in decimal) to `digits` significant digits.
double roundToSignificant(double value, int digits)
{
    const std::string text = scientific(value, digits - 1);
    double rounded = value;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

std::string formatRounded(double value, int significant, double exponentFrom, int decimals,
                          std::string_view decimalPoint)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const double rounded = roundToSignificant(value, significant);
    std::string text =
        std::fabs(rounded) >= exponentFrom ? scientific(rounded, significant - 1) : formatFixed(rounded, decimals);
    // A value that rounds to zero is zero: no sign in front of it.
    dropSignOfZero(text);
    replaceDecimalPoint(text, decimalPoint);
    return text;
}

} // namespace

ColourScaleRange scaleRangeOf(float min, float max)
{
    if (max - min == 0.0f) {
        max = min + 1.0f;
    }
    // One rounding to float of the exact product, as the stored step has it.
    float step = static_cast<float>((static_cast<double>(max) - static_cast<double>(min)) * 0.005);
    if (step == 0.0f) {
        step = 1.0f;
    }
    return {min, step, max};
}

ResultRanges resultRanges(const Model& model)
{
    const int count = model.elementCount();
    return {rangeOf(model.elementResults, count), rangeOf(model.fluxResults, count)};
}

int colourIndex(double value, const ColourScaleRange& range)
{
    const double q = (value - static_cast<double>(range.scaleMin)) / static_cast<double>(range.scaleStep);
    if (std::isnan(q) || q < 0.0) {
        return 0;
    }
    if (q >= kLastEntry) {
        return kLastEntry;
    }
    return static_cast<int>(q);
}

double interpolate(double a, double m, double b, double t)
{
    return -0.5 * t * (1.0 - t) * a + (1.0 - t) * (1.0 + t) * m + 0.5 * t * (1.0 + t) * b;
}

void appendColourSegments(const ViewTransform& view, Node start, Node end, float a, float m, float b,
                          float subdivisions, const ColourScaleRange& range, std::vector<ColourSegment>& out)
{
    // No model asks for more; the cap keeps a damaged setting from running
    // the loop for ever.
    constexpr double kMaxSubdivisions = 10000.0;
    const double n = subdivisions;
    if (!(n >= 1.0)) {
        return;
    }
    const double o = view.screenX(start.x);
    const double p = view.screenY(start.y);
    const double dx = view.screenX(end.x) - o;
    const double dy = view.screenY(end.y) - p;
    for (double w = 1.0; w <= n && w <= kMaxSubdivisions; w += 1.0) {
        const double t = 2.0 * w / n - 1.0;
        ColourSegment s;
        s.x0 = truncatePixel(o + dx * (w - 1.0) / n);
        s.y0 = truncatePixel(p + dy * (w - 1.0) / n);
        s.x1 = truncatePixel(o + dx * w / n);
        s.y1 = truncatePixel(p + dy * w / n);
        s.colour = colourIndex(interpolate(a, m, b, t), range);
        out.push_back(s);
    }
}

std::string formatValueLabel(double value, std::string_view decimalPoint)
{
    return formatRounded(value, 3, 1000.0, 2, decimalPoint);
}

std::string formatScaleLabel(double value, std::string_view decimalPoint)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return formatRounded(value, 5, 100000.0, value > 100.0 ? 1 : 4, decimalPoint);
}

ColourScaleLayout colourScaleLayout(const ColourScaleRange& range, int clientHeight)
{
    ColourScaleLayout layout;
    const long long h = std::max(clientHeight, 0);
    long long last = -100;
    for (int j = 1; j < kLastEntry; ++j) {
        const int y0 = static_cast<int>(2 * j * h / 420 + 10);
        const int y1 = static_cast<int>((2 * j + 1) * h / 420 + 10);
        layout.strokes.push_back({j, y0, y1});
        if (std::llabs(y1 - last) > kScaleLabelSpacing) {
            const double value = layout.labels.empty()
                                     ? static_cast<double>(range.scaleMin)
                                     : static_cast<double>(range.scaleMin) + j * static_cast<double>(range.scaleStep);
            layout.labels.push_back({5, static_cast<int>((2 * j + 1) * h / 420 + 5), value, j});
            last = y1;
        }
    }
    // The largest value closes the scale; a label it would crowd gives way
    // (the first one never does).
    const int lastY = static_cast<int>((2 * kLastEntry + 1) * h / 420 + 5);
    while (layout.labels.size() > 1 && lastY - layout.labels.back().y <= kScaleLabelSpacing) {
        layout.labels.pop_back();
    }
    layout.labels.push_back({5, lastY, static_cast<double>(range.scaleMax), kLastEntry});
    return layout;
}

} // namespace zorind
