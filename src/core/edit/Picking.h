#pragma once

#include "core/session/Project.h"

namespace zorind {

// Picking at the pointer by distance on the screen: a point drawn within
// this many pixels of the pointer is under it, wherever the grid lies.
inline constexpr double kPickRadiusPixels = 6.0;

// The boundary node drawn nearest to the client pixel (px, py) within the
// pick radius of `view`, or 0. Of nodes drawn equally near, the first.
int nearestNodeWithin(const Project& project, const ViewTransform& view, double px, double py);

// The same for the internal points.
int nearestInternalPointWithin(const Project& project, const ViewTransform& view, double px, double py);

} // namespace zorind
