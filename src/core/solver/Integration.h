#pragma once

#include <array>

#include "solver/Workspace.h"

namespace zorind::solver {

// π as the solver has always stored it (eight decimals).
inline constexpr double kPi = 3.14159265;

struct GaussPoint {
    double abscissa;
    double weight;
};

// The ten-point Gauss–Legendre rule, in the order the sums are taken.
inline constexpr std::array<GaussPoint, 10> kGaussPoints{{
    {0.9739065285171717, 0.066671344308689},
    {-0.9739065285171717, 0.066671344308689},
    {0.8650633666889845, 0.149451349150581},
    {-0.8650633666889845, 0.149451349150581},
    {0.6794095682990244, 0.219086362515982},
    {-0.6794095682990244, 0.219086362515982},
    {0.4333953941292472, 0.269266719309996},
    {-0.4333953941292472, 0.269266719309996},
    {0.1488743389816312, 0.295524224714753},
    {-0.1488743389816312, 0.295524224714753},
}};

// Numbers the boundary solver nodes chain by chain, with a double node
// (two solver nodes at one point) wherever the condition kind changes between
// neighbouring elements, the closing pair of a chain included. Fills nodeKind,
// nodeValue, chainNodeEnd, boundaryNodeCount, nodeX, nodeY (internal points
// after the boundary nodes), elementNodes and elementLength.
//
// Needs chainElementEnd, chainCount, elementGeometry, elementConditions,
// pointX and pointY. Each chain must be closed and stored in order, and no
// element may have zero length (the consistency check guarantees both).
void numberNodes(SolverContext& ctx);

// The integrals over every element of the fundamental solution (G) and of
// its normal derivative (H) for every solver node, assembled over the boundary
// nodes; the diagonal of H comes from the row sums. A solver node that is a
// node of the element is integrated analytically (H is then zero), any other
// point by the ten-point rule. Rows of internal points get no diagonal term;
// they are left out when the context says not to store them.
void integrateBoundary(SolverContext& ctx);

// The potential at every internal point from the boundary integral identity
// u = Σ H·u − Σ G·q over its row, from the stored rows of G and H or, when the
// context does not store them, from each row integrated in turn. Needs
// nodePotential and nodeFlux; fills internalPotential.
void evaluateInternalPoints(SolverContext& ctx);

// The element integrals of one solver node against one element: G and H
// with the three quadratic shape functions. Exposed for the tests.
struct ElementIntegrals {
    std::array<double, 3> g{};
    std::array<double, 3> h{};
};
ElementIntegrals integrateElement(double px, double py, double x1, double y1, double x2, double y2, double x3,
                                  double y3, double length, double conductivity);

} // namespace zorind::solver
