#include "core/view/ColourPalette.h"

namespace zorind {

namespace {

Rgb rgb(int r, int g, int b)
{
    return Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

Rgb gradedColour(int k)
{
    if (k <= 50) {
        return rgb(0, 150 - k, 242 - 2 * k);
    }
    if (k <= 100) {
        return rgb(0, 307 - 2 * k, 0);
    }
    if (k <= 150) {
        return rgb(200, 256 - k, 0);
    }
    return rgb(555 - 2 * k, 0, 0);
}

Rgb bandColour(int k)
{
    if (k <= 28) {
        return rgb(0, 0, 255);
    }
    if (k <= 56) {
        return rgb(0, 0, 128);
    }
    if (k <= 84) {
        return rgb(128, 128, 0);
    }
    if (k <= 112) {
        return rgb(0, 255, 0);
    }
    if (k <= 140) {
        return rgb(255, 255, 0);
    }
    if (k <= 168) {
        return rgb(255, 0, 255);
    }
    return rgb(255, 0, 0);
}

} // namespace

ColourPalette buildPalette(int mode)
{
    ColourPalette palette;
    for (int k = 0; k < ColourPalette::size; ++k) {
        palette.colours[static_cast<std::size_t>(k)] = mode == 2 ? bandColour(k) : gradedColour(k);
    }
    return palette;
}

} // namespace zorind
