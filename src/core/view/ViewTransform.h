#pragma once

#include <cstdint>

namespace zorind {

// Maps model coordinates (y up) to pixels of the drawing area (y down) and
// back. The area is stretched over the drawing area; x and y scales are
// independent. Not stored in the project file.
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
    // Client size of the last updateScales call; the conversions need the
    // drawing height between repaints.
    int32_t clientWidth = 640;
    int32_t clientHeight = 480;
};

} // namespace zorind
