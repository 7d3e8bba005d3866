#pragma once

#include <string>
#include <vector>

#include "core/session/Project.h"

namespace zorind {

// Whether the held displacements of each body of an elasticity model stop it
// moving as a rigid body: one message per body that they do not stop, in the
// order of the bodies' outline numbers; empty when every body is held. A
// body is an outline with its holes; a displacement condition holds both
// components at both nodes of its element (which stops every rigid motion),
// a symmetry plane holds one component at both nodes. Rollers that hold x
// only leave the body free to slide along y, and the other way round; rollers
// in both directions stop the rotation too unless every x roller lies on one
// line y = y0 and every y roller on one line x = x0, about whose crossing the
// body then turns. For a model whose boundaries are closed chains.
std::vector<std::string> unsupportedBodies(const Project& project);

} // namespace zorind
