#pragma once

#include <array>
#include <cstdint>

namespace zorind {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// 201 colours, index 0..200, used to colour results.
struct ColourPalette {
    static constexpr int size = 201;
    std::array<Rgb, size> colours{};
    friend bool operator==(const ColourPalette&, const ColourPalette&) = default;
};

// Range of the quantity last coloured; written by the painter, read by the
// colour-scale window.
struct ColourScaleRange {
    float scaleMin = 0.0f;
    float scaleStep = 0.0f;
    float scaleMax = 0.0f;
};

// mode 1: graded palette (blue, green, orange, red); mode 2: seven bands.
ColourPalette buildPalette(int mode);

} // namespace zorind
