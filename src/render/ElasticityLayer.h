#pragma once

#include "core/session/Project.h"

class QPainter;

namespace zorind {

// The boundary coloured by the reduced stress, linearly between the values
// of each element's nodes, on the scale reducedStressRange gives, which
// becomes the colour scale's; the node of the largest reduced stress ringed
// in red with "max" and its value.
void colourReducedStress(QPainter& painter, Project& project);

// The deformed boundary over the undeformed one: every element between its
// nodes moved by their displacements times `factor`.
void drawDeformedBoundary(QPainter& painter, const Project& project, double factor);

} // namespace zorind
