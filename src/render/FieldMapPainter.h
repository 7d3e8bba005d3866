#pragma once

#include <QImage>

#include "core/solver/FieldMap.h"
#include "core/view/ColourPalette.h"

class QPainter;

namespace zorind {

// The map as an image of one pixel per cell: each cell in the palette colour
// of its value, transparent outside the region.
QImage fieldMapImage(const solver::FieldMap& map, const ColourPalette& palette);

// The map under the drawing: the image stretched over the cells (embedded as
// an image in a vector drawing) and the isolines over it as lines.
void paintFieldMap(QPainter& painter, const solver::FieldMap& map, const ColourPalette& palette);

// The colour scale as a legend in a strip at the right edge of a drawing
// clientWidth × clientHeight: the colour-scale window's content, as tall as
// the window's or the drawing, whichever is less.
void paintScaleLegend(QPainter& painter, const ColourPalette& palette, const ColourScaleRange& range, int clientWidth,
                      int clientHeight);

} // namespace zorind
