#pragma once

#include "core/session/Project.h"

namespace zorind {

// Two nodes lie at the same place when both coordinates are equal as float
// numbers; there is no tolerance.
inline bool nodesCoincide(const Node& a, const Node& b)
{
    return a.x == b.x && a.y == b.y;
}

// Whether some element starts or ends at node n.
bool nodeIsUsed(const Project& project, int n);

// Whether element k runs between two existing nodes at the same place. An
// element referring to a node outside the NodeTable is not zero-length here
// (the consistency check reports it as faulty).
bool elementHasZeroLength(const Project& project, int k);

// Deletes node n (1..nodeCount): later nodes move down one number and every
// element reference to a node above n is lowered by one, so the elements
// keep their points. References to n itself are left to the caller; the
// polyline being drawn ends when n was its last node. Returns false,
// changing nothing, when n is not a node.
bool deleteNode(Project& project, int n);

// Deletes element k (1..elementCount): later elements move down one number.
// Its nodes stay. Returns false, changing nothing, when k is not an element.
bool deleteElement(Project& project, int k);

} // namespace zorind
