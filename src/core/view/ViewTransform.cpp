#include "core/view/ViewTransform.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorind {

int truncatePixel(double value)
{
    if (std::isnan(value) || value >= kPixelLimit) {
        return kPixelLimit;
    }
    if (value <= -kPixelLimit) {
        return -kPixelLimit;
    }
    return static_cast<int>(value); // truncates toward zero
}

float saturateToFloat(double value)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) {
        return std::numeric_limits<float>::max();
    }
    if (value < -kMax) {
        return -std::numeric_limits<float>::max();
    }
    return static_cast<float>(value);
}

double drawnExtent(float low, float high)
{
    // In double, so that an area spanning most of the float range does not
    // overflow.
    const double lo = low == 0.0f ? 1.0 : low;
    double hi = high == 0.0f ? 1.0 : high;
    if (lo == hi) {
        hi += 1.0;
    }
    return hi - lo;
}

double gridOrigin(float low, float step)
{
    const double origin = std::floor(static_cast<double>(low) / step) * step;
    return std::isfinite(origin) ? origin : low;
}

namespace {

// Pixels per model unit over one axis.
float axisScale(int pixels, float low, float high)
{
    return saturateToFloat(pixels / drawnExtent(low, high));
}

bool usableScale(float scale)
{
    return scale != 0.0f && std::isfinite(scale);
}

bool usableStep(float step)
{
    return step > 0.0f && std::isfinite(step);
}

// Nearest grid index to `d` model units from the anchor; a tie goes down.
double nearestGridIndex(double d, double step)
{
    const double u = d / step;
    const double kf = std::floor(u);
    const double kc = std::ceil(u);
    return std::fabs(kc * step - d) < std::fabs(kf * step - d) ? kc : kf;
}

} // namespace

void ViewTransform::updateScales(int width, int height)
{
    clientWidth = width;
    clientHeight = height;
    // The working copies replace exact zeros in this order: xMin, yMin,
    // xMax, yMax; the stored area is left as it is.
    scaleX = axisScale(drawWidth(), areaXMin, areaXMax);
    scaleY = axisScale(drawHeight(), areaYMin, areaYMax);
    offsetX = 0.0;
    offsetY = 0.0;
    // A scale that cannot be used leaves nothing to compare: each axis then
    // keeps its own, as the conversions fall back on the area's corner.
    if (equalScale == 1 && usableScale(scaleX) && usableScale(scaleY)) {
        const float common = std::min(std::fabs(scaleX), std::fabs(scaleY));
        scaleX = std::copysign(common, scaleX);
        scaleY = std::copysign(common, scaleY);
        offsetX = (drawWidth() - drawnExtent(areaXMin, areaXMax) * scaleX) / 2.0;
        offsetY = (drawHeight() - drawnExtent(areaYMin, areaYMax) * scaleY) / 2.0;
    }
    if (gridStepX == 0.0f) {
        gridStepX = 10.0f;
    }
    if (gridStepY == 0.0f) {
        gridStepY = 10.0f;
    }
}

float ViewTransform::toModelX(double px) const
{
    if (!usableScale(scaleX)) {
        return areaXMin;
    }
    return saturateToFloat(areaXMin + (px - marginLeft - offsetX) / scaleX);
}

float ViewTransform::toModelY(double py) const
{
    if (!usableScale(scaleY)) {
        return areaYMin;
    }
    return saturateToFloat(areaYMin + (marginTop + drawHeight() - offsetY - py) / scaleY);
}

ModelPoint ViewTransform::snapToGrid(double px, double py) const
{
    ModelPoint p{toModelX(px), toModelY(py)};
    if (usableScale(scaleX) && usableStep(gridStepX)) {
        const double origin = gridOrigin(areaXMin, gridStepX);
        const double d = (px - marginLeft - offsetX) / scaleX + (areaXMin - origin);
        p.x = saturateToFloat(nearestGridIndex(d, gridStepX) * gridStepX + origin);
    }
    if (usableScale(scaleY) && usableStep(gridStepY)) {
        const double origin = gridOrigin(areaYMin, gridStepY);
        const double d = (marginTop + drawHeight() - offsetY - py) / scaleY + (areaYMin - origin);
        p.y = saturateToFloat(nearestGridIndex(d, gridStepY) * gridStepY + origin);
    }
    return p;
}

ModelPoint ViewTransform::pointerModelPosition(double px, double py) const
{
    if (gridOn == 1) {
        return snapToGrid(px, py);
    }
    return {toModelX(px), toModelY(py)};
}

} // namespace zorind
