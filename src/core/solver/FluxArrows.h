#pragma once

#include <atomic>
#include <vector>

#include "core/solver/PotentialField.h"
#include "core/view/ViewTransform.h"

namespace zorind::solver {

// One arrow of the flux on the drawing area, in pixels: its middle and the
// step from its tail to its head.
struct FieldArrow {
    double x = 0.0;
    double y = 0.0;
    double dx = 0.0;
    double dy = 0.0;
};

// The flux arrows of a drawing area and the largest flux among them (in the
// model's units, for a caption).
struct ArrowField {
    int spacing = 0;
    double largest = 0.0;
    std::vector<FieldArrow> arrows;
};

inline constexpr int kArrowSpacing = 32;

// The flux −k∇u at the points of a regular grid of the drawing area
// (every `spacing` pixels from half a spacing in, clamped to 8..256) that
// lie in the region: each arrow along the flux as the view draws it (with
// its own scales of x and y), its length in proportion to the flux's
// magnitude, the largest 0.9 of the spacing long. A pure function: runs in
// any thread, stops early when `cancel` is set (the arrows are then to be
// thrown away).
ArrowField computeFluxArrows(const PotentialField& field, const ViewTransform& view, int clientWidth, int clientHeight,
                             int spacing = kArrowSpacing, const std::atomic<bool>* cancel = nullptr);

} // namespace zorind::solver
