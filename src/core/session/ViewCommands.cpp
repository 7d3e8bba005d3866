#include "core/session/ViewCommands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

constexpr const char* kGridMessage = "Zła wartość podziałki";
constexpr const char* kGridCaption = "Ustawianie podzialki";
constexpr const char* kAreaMessage = "Złe wartości definiujące obszar";
constexpr const char* kAreaCaption = "Ustawianie obszaru";

// Zooming stops where the view would stop being useful: out, before a
// bound passes this magnitude (the grid and the pixel arithmetic lose
// their meaning long before the float range ends); in, before the drawn
// extent of an axis falls below a millionth of its bounds (the picture
// would be mirrored once it falls below 0) or, with the grid on, below two
// grid steps (every click would snap to the same point).
constexpr double kLargestZoomedBound = 1e15;
constexpr double kSmallestRelativeExtent = 1e-6;

bool zoomKeepsAUsefulAxis(float low, float high, float gridStep, bool gridOn)
{
    const double extent = drawnExtent(low, high);
    const double size = std::max({1.0, std::fabs(static_cast<double>(low)), std::fabs(static_cast<double>(high))});
    if (!(extent > kSmallestRelativeExtent * size)) {
        return false;
    }
    return !gridOn || !(gridStep > 0.0f) || extent >= 2.0 * gridStep;
}

// The area bounds in the order xMin, yMin, xMax, yMax.
using AreaBounds = std::array<float, 4>;

// Takes the zoomed area when it stays within the zoom limits.
bool takeZoomedArea(ViewTransform& view, const AreaBounds& bounds, double factor)
{
    for (float b : bounds) {
        if (!std::isfinite(b) || (factor > 1.0 && std::fabs(b) > kLargestZoomedBound)) {
            return false;
        }
    }
    const bool gridOn = view.gridOn == 1;
    if (factor < 1.0 && (!zoomKeepsAUsefulAxis(bounds[0], bounds[2], view.gridStepX, gridOn) ||
                         !zoomKeepsAUsefulAxis(bounds[1], bounds[3], view.gridStepY, gridOn))) {
        return false;
    }
    view.areaXMin = bounds[0];
    view.areaYMin = bounds[1];
    view.areaXMax = bounds[2];
    view.areaYMax = bounds[3];
    return true;
}

// Each bound becomes the product rounded once to float; a refused zoom
// leaves the area as it was.
void scaleArea(ViewTransform& view, double factor)
{
    const auto scaled = [factor](float bound) { return static_cast<float>(static_cast<double>(bound) * factor); };
    takeZoomedArea(view, {scaled(view.areaXMin), scaled(view.areaYMin), scaled(view.areaXMax), scaled(view.areaYMax)},
                   factor);
}

// The bounds of one axis that draw the model interval from `low` over
// `extent` units across the axis's pixels, as the scale reads them: the
// upper bound is the lower one plus the extent, and a bound that would be
// exactly 0 (which the scale counts as 1) moves outwards by a millionth of
// the extent, far less than a pixel.
std::pair<float, float> axisBounds(double low, double extent)
{
    float lo = saturateToFloat(low);
    float hi = saturateToFloat(low + extent);
    if (lo != 0.0f && hi != 0.0f) {
        return {lo, hi};
    }
    float away = saturateToFloat(std::fabs(extent) * 1e-6);
    if (away == 0.0f) {
        away = std::numeric_limits<float>::denorm_min();
    }
    if (lo == 0.0f) {
        lo = -away;
    }
    if (hi == 0.0f) {
        hi = away;
    }
    return {lo, hi};
}

bool usable(float scale)
{
    return scale != 0.0f && std::isfinite(scale);
}

// max + 1, or the next float up where adding 1 is lost in the rounding.
float grownByOne(float max)
{
    const float grown = max + 1.0f;
    if (grown != max || !std::isfinite(max)) {
        return grown;
    }
    return std::nextafter(max, std::numeric_limits<float>::infinity());
}

// A fitted bound of exactly 0 moved outwards by a hundredth of the extent.
void moveOffZero(float& low, float& high)
{
    const float border = (high - low) / 100.0f;
    if (low == 0.0f) {
        low = -border;
    }
    if (high == 0.0f) {
        high = border;
    }
}

} // namespace

void zoomIn(Project& project)
{
    scaleArea(project.view, ZOOM_IN_FACTOR);
}

void zoomOut(Project& project)
{
    scaleArea(project.view, ZOOM_OUT_FACTOR);
}

bool zoomAtPixel(Project& project, const ViewTransform& drawn, double factor, double px, double py)
{
    if (!usable(drawn.scaleX) || !usable(drawn.scaleY) || !std::isfinite(px) || !std::isfinite(py)) {
        return false;
    }
    // Model units from the area's lower bounds to the point under the pixel.
    const double toX = (px - drawn.marginLeft - drawn.offsetX) / drawn.scaleX;
    const double toY = (drawn.marginTop + drawn.drawHeight() - drawn.offsetY - py) / drawn.scaleY;
    // The drawn interval of each axis shrinks or grows about that point;
    // equal scales keep their offsets, as both axes change alike.
    const auto [xMin, xMax] =
        axisBounds(drawn.areaXMin + toX * (1.0 - factor), drawnExtent(drawn.areaXMin, drawn.areaXMax) * factor);
    const auto [yMin, yMax] =
        axisBounds(drawn.areaYMin + toY * (1.0 - factor), drawnExtent(drawn.areaYMin, drawn.areaYMax) * factor);
    ViewTransform& v = project.view;
    if (!takeZoomedArea(v, {xMin, yMin, xMax, yMax}, factor)) {
        return false;
    }
    v.updateScales(drawn.clientWidth, drawn.clientHeight);
    return true;
}

bool panArea(Project& project, const ViewTransform& start, double dx, double dy)
{
    if (!usable(start.scaleX) || !usable(start.scaleY) || !std::isfinite(dx) || !std::isfinite(dy)) {
        return false;
    }
    AreaBounds bounds{start.areaXMin, start.areaYMin, start.areaXMax, start.areaYMax};
    // An axis the pointer has not moved along keeps its bounds as they were.
    if (dx != 0.0) {
        std::tie(bounds[0], bounds[2]) =
            axisBounds(start.areaXMin - dx / start.scaleX, drawnExtent(start.areaXMin, start.areaXMax));
    }
    if (dy != 0.0) {
        std::tie(bounds[1], bounds[3]) =
            axisBounds(start.areaYMin + dy / start.scaleY, drawnExtent(start.areaYMin, start.areaYMax));
    }
    // As far as the zoom goes, and no further than the area already was.
    const float largest = std::max({static_cast<float>(kLargestZoomedBound), std::fabs(start.areaXMin),
                                    std::fabs(start.areaXMax), std::fabs(start.areaYMin), std::fabs(start.areaYMax)});
    for (float b : bounds) {
        if (!std::isfinite(b) || std::fabs(b) > largest) {
            return false;
        }
    }
    ViewTransform& v = project.view;
    v.areaXMin = bounds[0];
    v.areaYMin = bounds[1];
    v.areaXMax = bounds[2];
    v.areaYMax = bounds[3];
    v.updateScales(start.clientWidth, start.clientHeight);
    return true;
}

void showEverything(Project& project)
{
    const int count = project.nodeCount();
    if (count == 0) {
        return;
    }
    float minX = project.nodes[1].x;
    float maxX = minX;
    float minY = project.nodes[1].y;
    float maxY = minY;
    for (int i = 2; i <= count; ++i) {
        const Node& n = project.nodes[i];
        if (n.x > maxX) {
            maxX = n.x;
        }
        if (n.x < minX) {
            minX = n.x;
        }
        if (n.y > maxY) {
            maxY = n.y;
        }
        if (n.y < minY) {
            minY = n.y;
        }
    }
    if (minX == maxX) {
        maxX = grownByOne(maxX);
    }
    if (minY == maxY) {
        maxY = grownByOne(maxY);
    }
    // The scale counts a bound of exactly 0 as 1 (which keeps the default
    // area's look); on a fitted area that would cut the far edge off, or
    // turn a model smaller than one unit upside down. Such a bound moves
    // out by a hundredth of the extent instead, so every node stays inside
    // the drawing area, upright.
    moveOffZero(minX, maxX);
    moveOffZero(minY, maxY);
    ViewTransform& v = project.view;
    v.areaXMax = maxX;
    v.areaYMax = maxY;
    v.areaYMin = minY;
    v.areaXMin = minX;
}

bool acceptGridSpacing(Project& project, Interaction& ui, std::optional<double> stepX, std::optional<double> stepY)
{
    const std::optional<float> x = typedFloat(stepX);
    const std::optional<float> y = typedFloat(stepY);
    // A spacing that rounds to 0 as a float would stop the grid loop from
    // advancing, so it counts as not positive.
    if (!x || !y || !(*x > 0.0f) || !(*y > 0.0f)) {
        ui.error(kGridMessage, kGridCaption);
        return false;
    }
    project.view.gridStepX = *x;
    project.view.gridStepY = *y;
    return true;
}

bool acceptViewArea(Project& project, Interaction& ui, std::optional<double> xMin, std::optional<double> yMin,
                    std::optional<double> xMax, std::optional<double> yMax)
{
    const std::optional<float> right = typedFloat(xMax);
    const std::optional<float> top = typedFloat(yMax);
    const std::optional<float> left = typedFloat(xMin);
    const std::optional<float> bottom = typedFloat(yMin);
    if (!right || !top || !left || !bottom || !(*right > *left) || !(*top > *bottom)) {
        ui.error(kAreaMessage, kAreaCaption);
        return false;
    }
    ViewTransform& v = project.view;
    v.areaXMax = *right;
    v.areaYMax = *top;
    v.areaXMin = *left;
    v.areaYMin = *bottom;
    return true;
}

} // namespace zorind
