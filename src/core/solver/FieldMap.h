#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
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

// The map's values with the cells just outside the region filled in, so
// that the picture can be interpolated up to the boundary between the last
// cell centres inside and the boundary: each cell within two cells of a
// finite one gets the mean of the straight lines through the nearest two
// finite cells along its row and its column (the nearest one's value where
// there is only one). Cells further out stay NaN.
std::vector<double> extendedValues(const FieldMap& map);

// The value at a position (x, y) of the drawing area, in pixels (a pixel's
// centre at +0.5), interpolated bilinearly between the four cell centres
// around it in `values` (laid out as the map's); NaN where one of them is
// NaN. Beyond the first or last centre of a row or column the edge's.
double interpolatedValue(const FieldMap& map, const std::vector<double>& values, double x, double y);
// The same at the centres of the pixels 0..width − 1 of pixel row `row`.
void interpolatedRow(const FieldMap& map, const std::vector<double>& values, int row, int width, double* out);

// One piece of an isoline, in pixels of the drawing area.
struct IsolineSegment {
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
};

// The isolines of `values` at the map's levels, by marching squares over
// the cell centres (a square with a corner that is NaN has none).
std::vector<IsolineSegment> isolineSegments(const FieldMap& map, const std::vector<double>& values);

// The same isolines joined into polylines, in pixels: each a level's
// crossings of neighbouring squares in order, closed when it comes back to
// its start (its last point then equals its first).
//
// With `inside` (whether a pixel position lies in the region), the lines
// end at the region's edge: the points of squares that reach out of the map's
// own values (into cells extendedValues filled in) are tested, and a line
// that leaves the region is cut where it crosses the edge.
struct IsolinePoint {
    double x = 0.0;
    double y = 0.0;
    bool nearEdge = false;
};
struct Isoline {
    double level = 0.0;
    std::vector<IsolinePoint> points;
};
using PixelPredicate = std::function<bool(double x, double y)>;
std::vector<Isoline> isolines(const FieldMap& map, const std::vector<double>& values,
                              const PixelPredicate& inside = {});

} // namespace zorind::solver
