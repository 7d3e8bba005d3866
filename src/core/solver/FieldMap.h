#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

#include "core/solver/PotentialField.h"
#include "core/view/ColourPalette.h"
#include "core/view/ViewTransform.h"

namespace zorind::solver {

// The potential over a drawing area, one value per square cell of `cell`
// pixels (the centre's), for colouring the region and drawing its isolines.
struct FieldMap {
    int cell = 4;
    int columns = 0;
    int rows = 0;
    // Row by row from the top of the drawing area; NaN outside the region.
    std::vector<double> values;
    // The range the map is coloured with (the potential's) and the values
    // of its isolines.
    ColourScaleRange range;
    std::vector<double> levels;

    double at(int column, int row) const
    {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                      static_cast<std::size_t>(column)];
    }
};

// An uncoloured map of clientWidth × clientHeight pixels in cells of `cell`
// pixels (clamped to 1..64), coloured by `range` once filled, with its
// isolines at the values the colour scale writes beside its bar (its ends
// left out). Shared by the potential map and the map of the reduced stress.
FieldMap blankFieldMap(const ColourScaleRange& range, int clientWidth, int clientHeight, int cell);

// The map of `field` on a client area of clientWidth × clientHeight pixels
// drawn with `view` (its scales already set for that size), in cells of
// `cell` pixels (1 to 64), coloured by `range`, with isolines at the values
// the colour scale writes beside its bar (its ends left out). A pure
// function: runs in any thread; `cancel` and `done` as in
// PotentialField::evaluate (a cancelled map is incomplete and to be thrown
// away).
FieldMap computeFieldMap(const PotentialField& field, const ViewTransform& view, const ColourScaleRange& range,
                         int clientWidth, int clientHeight, int cell, const std::atomic<bool>* cancel = nullptr,
                         std::atomic<std::size_t>* done = nullptr);

// One piece of an isoline, in pixels of the drawing area.
struct IsolineSegment {
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
};

// The isolines of the map at its levels, by marching squares over the cell
// centres (a square with a corner outside the region has none).
std::vector<IsolineSegment> isolineSegments(const FieldMap& map);

} // namespace zorind::solver
