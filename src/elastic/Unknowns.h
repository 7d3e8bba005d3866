#pragma once

// Unknowns and corners: the tractions at element ends and middles gathered
// into variables, the unknowns numbered, and a collocation point for every
// unknown pair.
#include "elastic/BoundaryConditions.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zorind::elastic::bem {

// One component of a traction shared by one or more traction slots at one
// point: at a node, the element ends meeting there; at an element's middle,
// that middle.
struct TractionVariable {
    std::size_t point = 0;
    int component = 0; // 0 x, 1 y
    bool known = false;
    double value = 0.0;
    std::size_t firstSlot = 0; // used for a shifted collocation point
};

// Where the boundary equations are written, and which of its two (the x and
// the y component) are used.
struct CollocationPoint {
    Point p;
    int node = -1;    // collocation at this node, or
    int element = -1; // at distance s0 along this element (its middle included)
    double s0 = 0.0;
    Components equations = {true, true};
    std::array<int, 2> rows = {-1, -1}; // per component: its row, -1 where not used
};

// Every boundary value, component by component, either known or numbered as
// an unknown column; one equation for every unknown.
struct Unknowns {
    std::vector<Point> displacement;                    // per point: the known values
    std::vector<std::array<int, 2>> displacementColumn; // per point and component: -1 where known
    std::vector<TractionVariable> tractions;
    std::vector<int> tractionColumn;              // per traction variable: -1 where known
    std::vector<std::array<int, 2>> slotTraction; // per traction slot and component: its variable
    std::vector<CollocationPoint> points;
    int count = 0;
    int cornerNodes = 0;
};

// Numbers the unknowns of the conditions on the boundary; throws ElasticError
// when nothing holds the body against rigid motion.
Unknowns numberUnknowns(const Boundary& b, const BoundaryConditions& c, std::vector<std::string>& notes);

} // namespace zorind::elastic::bem
