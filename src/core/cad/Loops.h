#pragma once

#include <cstddef>
#include <vector>

#include "core/cad/Curves.h"

namespace zorind::cad {

// One piece of a loop, in the loop's direction: drawn from its end to its
// start when `reversed`.
struct LoopStep {
    std::size_t piece = 0;
    bool reversed = false;
};

// A closed chain of pieces, each starting where the one before ends.
struct Loop {
    std::vector<LoopStep> steps;
};

// The pieces of a drawing joined end to end.
struct Joining {
    // The closed loops, in the order of their first pieces in the drawing;
    // each starts at the start of that piece and runs in its direction.
    std::vector<Loop> loops;
    // Ends of chains that no other piece meets, one point each.
    std::vector<Point> openEnds;
    // Points where more than two ends meet.
    std::vector<Point> branchPoints;
};

// Joins pieces whose ends lie within `tolerance` of each other, in any order
// and either direction. A piece shorter than the tolerance is no piece of
// a loop, but its two ends count as one point, so that it never opens a
// gap. Chains that do not close, and all pieces meeting at a branch point,
// belong to no loop.
Joining joinPieces(const std::vector<Piece>& pieces, double tolerance);

} // namespace zorind::cad
