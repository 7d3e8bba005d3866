#pragma once

#include <QImage>
#include <QPainterPath>
#include <vector>

#include "core/session/Project.h"
#include "core/solver/FieldMap.h"
#include "core/solver/FluxArrows.h"
#include "core/view/ColourPalette.h"

class QPainter;

namespace zorind {

// The map as an image of the drawing area's pixels (the map's columns and
// rows of cells): each pixel in the palette colour of `values` interpolated
// at its centre (solver::interpolatedRow), transparent where there is none.
QImage fieldMapImage(const solver::FieldMap& map, const std::vector<double>& values, const ColourPalette& palette);

// The region of the project's elements on its drawing area, in pixels of
// the view as it was last drawn: every boundary's loops, odd-even (so a hole
// is left out).
QPainterPath regionOutline(const Project& project);

// The map under the drawing: its image cut exactly to `region` with
// smooth edges (nothing outside, no gap inside up to the boundary: the cells
// just outside are continued from the inside), and its isolines over it as
// smooth curves ending at the region's edge. In a vector drawing the image
// is embedded (the edge in its transparency) and the isolines stay curves.
// An empty region cuts nothing.
void paintFieldMap(QPainter& painter, const solver::FieldMap& map, const ColourPalette& palette,
                   const QPainterPath& region);

// The flux arrows over the drawing, as lines with open heads (lines in a
// vector drawing too).
void paintFluxArrows(QPainter& painter, const solver::ArrowField& arrows);

// The segment of "Wykres wzdłuż odcinka" while its plot is open: a dashed
// magenta line with a ring at its start and a dot at its end.
void paintProbeLine(QPainter& painter, const Project& project);

// The colour scale as a legend in a strip at the right edge of a drawing
// clientWidth × clientHeight: the colour-scale window's content, as tall as
// the window's or the drawing, whichever is less.
void paintScaleLegend(QPainter& painter, const ColourPalette& palette, const ColourScaleRange& range, int clientWidth,
                      int clientHeight);

} // namespace zorind
