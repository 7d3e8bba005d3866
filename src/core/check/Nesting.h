#pragma once

#include "core/session/Project.h"

namespace zorind {

// How the boundaries lie in one another, from their geometry alone (the
// boundary's "zew/wew" flag is not trusted). For a model whose boundaries
// are closed chains.

// Whether boundary b lies inside boundary c: most of b's nodes do (a node
// shared with c or lying on it does not decide alone).
bool boundaryInside(const Project& project, int b, int c);

// How many other boundaries enclose boundary b: 0 for the outline of a body,
// 1 for a hole in it, 2 for an island in that hole, and so on.
int boundaryDepth(const Project& project, int b);

// The outline of the body boundary b belongs to: b itself at an even depth,
// otherwise the boundary one level out that encloses it (b when there is
// none).
int bodyOutline(const Project& project, int b);

} // namespace zorind
