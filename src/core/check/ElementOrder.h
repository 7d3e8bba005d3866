#pragma once

#include <vector>

#include "core/session/Project.h"

namespace zorind {

// The two orderings shared by the consistency check and by renumbering. Both
// work in project.elementScratch.

// Stable grouping of the elements by boundary, boundary 1 first, each group
// in its previous relative order. When every element has a boundary within
// 1..boundaryCount the grouped order replaces the ElementTable and the
// result is true; otherwise the ElementTable keeps its order, the result is
// false and the scratch holds the elements that could be placed.
bool groupElementsByBoundary(Project& project);

struct ChainWalk {
    // How many elements the walk appended (the same element may count more
    // than once when a chain runs through a node twice).
    int appended = 0;
    // False when a chain did not return to its start, and also when no
    // boundary has any element.
    bool lastChainClosed = false;
    // The boundary whose chain did not close; 0 when none failed. Boundaries
    // after it are not examined.
    int openBoundary = 0;
    // The numbers of the appended elements, in order, as far as they fit in
    // entries 1..elementCount of the scratch.
    std::vector<int> order;

    // Whether every chain closed and the chains hold exactly the elements
    // of the table, each once.
    bool coversTable(int elementCount) const;
};

// Builds the expected chain order into elementScratch from entry 1 on: for
// each boundary with elements, its lowest-numbered element, then repeatedly
// (at most elementCount passes over the table) the next element in table
// order whose startNode is the current end node, until the chain returns to
// the first element's startNode. Elements are matched by node numbers only,
// in their stored direction and across all boundaries. Entries beyond what
// the walk reaches keep their previous content; nothing is written past
// entry elementCount.
ChainWalk walkChains(Project& project);

} // namespace zorind
