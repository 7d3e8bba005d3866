#pragma once

#include "core/session/Project.h"

class QPainter;

namespace zorind {

// The loads and supports of an elasticity model, drawn with "Warunki
// brzegowe" shown, in the colours of the condition marks: red for loads,
// green for held displacements.

// The roller marks of a symmetry plane on element `element` (kinds 5 and 6):
// the element in green, and along it small circles between the element and
// short ground lines, lying off the element in the held direction on the
// side out of the body.
void drawRollers(QPainter& painter, const Project& project, int element);

// Arrows along every element with a given traction, at intervals of about
// 25 pixels, each showing the traction there (interpolated between the
// element's start, middle and end): pointing the way the load acts, the
// largest load of the model 40 pixels long and the others in proportion, a
// pressure's arrows normal to the element. Every arrow lies out of the body:
// a load pushing in ends at the element, any other starts there. Held
// components carry no arrow.
void drawLoadArrows(QPainter& painter, const Project& project);

} // namespace zorind
