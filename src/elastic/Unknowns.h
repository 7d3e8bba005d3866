#pragma once

// Unknowns and corners: the tractions at element ends and middles gathered
// into variables, the unknowns numbered, and a collocation point for every
// unknown pair.
#include "elastic/BoundaryConditions.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zorind::elastic::bem {

// A traction shared by one or more traction slots at one point: at a node,
// the element ends meeting there; at an element's middle, that middle.
struct TractionVariable {
    std::size_t point = 0;
    bool known = false;
    double x = 0.0;
    double y = 0.0;
    std::size_t firstSlot = 0; // used for a shifted collocation point
};

struct CollocationPoint {
    Point p;
    int node = -1;    // collocation at this node, or
    int element = -1; // at distance s0 along this element (its middle included)
    double s0 = 0.0;
};

// Every boundary value either known or numbered as an unknown pair of
// columns; the equations of collocation point p are rows 2p and 2p + 1.
struct Unknowns {
    std::vector<Point> displacement;     // per point: the known value
    std::vector<int> displacementColumn; // per point: -1 where known or not on the boundary
    std::vector<TractionVariable> tractions;
    std::vector<int> tractionColumn; // per traction variable: -1 where known
    std::vector<int> slotTraction;   // per traction slot: its traction variable
    std::vector<CollocationPoint> points;
    int count = 0;
    int cornerNodes = 0;
};

// Numbers the unknowns of the conditions on the boundary; throws ElasticError
// when nothing holds the body against rigid motion.
Unknowns numberUnknowns(const Boundary& b, const BoundaryConditions& c, std::vector<std::string>& notes);

} // namespace zorind::elastic::bem
