#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/session/Project.h"

namespace zorind {

// What the balance says of one boundary or of one condition: the elements
// that belong to it, their length and their integrals. Potential: the flux
// (positive out of the region, as the results list has it) and the smallest,
// largest and mean potential. Elasticity: the resultant force of the
// tractions on its elements, reactions included, and its moment about the
// origin (anticlockwise positive).
struct BalanceGroup {
    int number = 0;
    int elements = 0;
    double length = 0.0;
    double flux = 0.0;
    double minPotential = 0.0;
    double maxPotential = 0.0;
    double meanPotential = 0.0;
    std::array<double, 2> force{0.0, 0.0};
    double moment = 0.0;
};

// The node of the largest reduced stress on the boundary and that stress.
struct LargestStress {
    int node = 0;
    double value = 0.0;
};

// "Bilans": the integrals over the boundary of the model's valid results,
// per boundary and per condition (those some element uses, in the order of
// their numbers). A potential solution's values are taken by each element's
// own three-node interpolation (start, middle, end).
//
// The total is the sum over every boundary: the net flux out of the region,
// or the resultant force and moment, all about zero for a model that
// balances. The imbalance is that total relative to half the sum of the
// magnitudes (of each element's flux, of each node's force), which is what
// goes in and what goes out: 0 for a perfect balance, 2 when nothing comes
// back out.
//
// Elasticity results hold one force per node, the traction on the node's
// elements weighted by its linear shape function (the consistent nodal
// force). Summed over a boundary they give its force and moment exactly.
// A condition that prescribes tractions is integrated from its own values
// (linear between each element's end values, as the solver takes them);
// the reaction of a condition that prescribes displacements is what its
// nodes' forces leave after the prescribed tractions of the other elements
// there, shared by length where elements of two such conditions meet.
struct Balance {
    bool elasticity = false;
    std::vector<BalanceGroup> boundaries;
    std::vector<BalanceGroup> conditions;
    double totalFlux = 0.0;
    std::array<double, 2> totalForce{0.0, 0.0};
    double totalMoment = 0.0;
    double imbalance = 0.0;
    LargestStress largestStress; // elasticity
};

// The balance of the project's valid results; nothing without valid results
// of a potential or an elasticity analysis, or when an element refers to a
// node or a condition that does not exist.
std::optional<Balance> computeBalance(const Project& project);

// The node of the largest reduced stress among the nodes of the elements,
// in valid elasticity results; nothing otherwise.
std::optional<LargestStress> largestReducedStress(const Project& project);

} // namespace zorind
