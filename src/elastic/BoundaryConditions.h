#pragma once

// Boundary conditions: what is prescribed at every node and element end. The
// stages after this one see only this table, whatever the conditions were
// given as.
#include "contract/ElasticProblem.h"
#include "elastic/BoundaryGeometry.h"

#include <array>
#include <string>
#include <vector>

namespace zorind::elastic::bem {

using contract::ElasticElement;
using contract::ElasticKind;
using contract::ElasticProblem;
using contract::PlanePoint;

// The x or y value of a point.
inline double& component(Point& p, int c)
{
    return c == 0 ? p.x : p.y;
}

inline double component(const Point& p, int c)
{
    return c == 0 ? p.x : p.y;
}

// Which components of a point or slot are prescribed.
using Components = std::array<bool, 2>;

// What is prescribed at every point and traction slot, component by
// component: where a point's displacement is held in one component, the
// traction of its slots in that component is unknown, and the other way
// round. Every element middle has, in each component, either its
// displacement or its traction prescribed.
struct BoundaryConditions {
    std::vector<Components> displacementKnown; // per point (Boundary::pointCount)
    std::vector<Point> displacement;           // per point, where known
    // Per traction slot: a known traction (a load, zero on a free surface),
    // or an unknown one (the reaction where the displacement is held).
    std::vector<Components> tractionKnown;
    std::vector<Point> traction;
    // Per node: a load was given that fitted neither side of the node and
    // was left out.
    std::vector<bool> loadDropped;
};

// The exchange file gives one displacement and one load per node. A node
// without a displacement carries its load (none: zero load) on every side. At
// a node with a displacement, an element leading to a node without one
// carries a load, at this node the node's load. A displacement element puts
// both its nodes on the displacement list, so an element leading to a node
// with a displacement only is taken as a displacement element. An element
// between two nodes with both a displacement and a load takes the other side
// from its neighbour at the node. All this holds component by component: a
// displacement line may hold one component only (a symmetry plane), its
// node's traction line then giving the other. The file has no values at the
// middles: an element loaded at both ends carries, in that component, the
// mean of the two loads at its middle, any other element is held there at
// the mean of its nodes' displacements.
BoundaryConditions nodalConditions(const ExchangeModel& model, const Boundary& b);

// Each element end takes its own element's condition, component by component
// (a symmetry plane holds one, the other loaded). A traction element
// loads both its ends with its own values, so that the two sides of a node
// keep their own loads, a free side included. A displacement element holds
// both its nodes and leaves the traction at its ends unknown: where it meets
// a traction element, the node is held and the load stays on the loaded
// side. A node has one displacement: where two displacement elements give it
// different ones, the first element in element order holds it, with a note.
// An element's middle takes its own condition's middle value.
BoundaryConditions elementConditions(const ElasticProblem& problem, const Boundary& b, std::vector<std::string>& notes);

} // namespace zorind::elastic::bem
