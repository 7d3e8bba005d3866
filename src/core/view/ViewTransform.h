#pragma once

#include <cstdint>

namespace zorind {

// A point in model units.
struct ModelPoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const ModelPoint&, const ModelPoint&) = default;
};

// Pixel positions handed to the drawing toolkit never go beyond this; a NaN
// lands on the positive limit. The limit lies far outside the +-30000 band
// in which elements are drawn, so a clamped position still counts as "far
// away" everywhere it is tested.
inline constexpr int kPixelLimit = 1'000'000'000;

// Truncates toward zero (-2.7 -> -2) without ever converting a NaN or an
// out-of-range value to int.
int truncatePixel(double value);

// A double brought into float range (NaN stays NaN) so that the conversion
// to float is always defined.
float saturateToFloat(double value);

// The extent of one axis of the area as it is drawn: the bounds are taken
// through working copies in which an exact 0 counts as 1, and an empty
// extent grows by 1. Negative when the drawing would be mirrored.
double drawnExtent(float low, float high);

// The grid lines of one axis lie on the multiples of the step: the first
// one at or below `low`, so that a model drawn on the grid stays on it
// whatever the area's bounds.
double gridOrigin(float low, float step);

// Maps model coordinates (y up) to pixels of the drawing area (y down) and
// back. The area is stretched over the drawing area; x and y scales are
// independent unless equalScale asks for one scale on both axes. Not stored
// in the project file.
struct ViewTransform {
    float areaXMin = 0.0f;
    float areaYMin = 0.0f;
    float areaXMax = 50.0f;
    float areaYMax = 50.0f;
    int32_t marginLeft = 10;
    int32_t marginRight = 10;
    int32_t marginTop = 20;
    int32_t marginBottom = 40;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float gridStepX = 2.0f;
    float gridStepY = 2.0f;
    int32_t gridOn = 1;
    // 1: both axes are drawn at the smaller of the two scales, so that a
    // circle stays round, and the area is centred in the drawing area.
    int32_t equalScale = 0;
    // Client size of the last updateScales call; the conversions need the
    // drawing height between repaints.
    int32_t clientWidth = 640;
    int32_t clientHeight = 480;
    // How far the area is moved into the drawing area from its left and
    // bottom edges, in pixels: 0 unless equal scales centre it. Set with
    // the scales.
    double offsetX = 0.0;
    double offsetY = 0.0;

    int drawWidth() const { return clientWidth - marginLeft - marginRight; }
    int drawHeight() const { return clientHeight - marginTop - marginBottom; }

    // Run at the start of every repaint: sets scaleX and scaleY from the
    // client size and the area. The area bounds are used through working
    // copies in which an exact 0 counts as 1 and an empty extent grows by 1,
    // so the default area 0..50 is drawn at drawWidth/49 pixels per unit.
    // With equalScale both take the smaller magnitude (each keeps its sign)
    // and the offsets centre the area. A grid step of exactly 0 becomes 10
    // (stored).
    void updateScales(int width, int height);

    // Unrounded pixel positions; painters add their offsets to these before
    // truncating.
    double screenX(double x) const { return marginLeft + offsetX + (x - static_cast<double>(areaXMin)) * scaleX; }
    double screenY(double y) const
    {
        return marginTop + drawHeight() - offsetY - (y - static_cast<double>(areaYMin)) * scaleY;
    }

    int toScreenX(float x) const { return truncatePixel(screenX(x)); }
    int toScreenY(float y) const { return truncatePixel(screenY(y)); }

    float toModelX(double px) const;
    float toModelY(double py) const;

    // The grid point nearest to the pixel, the grid lying on the multiples
    // of its steps; exactly halfway goes to the lower grid line.
    ModelPoint snapToGrid(double px, double py) const;

    // Where the pointer is in model units: snapped while the grid is on.
    ModelPoint pointerModelPosition(double px, double py) const;
};

} // namespace zorind
