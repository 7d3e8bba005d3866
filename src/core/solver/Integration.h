#pragma once

#include <array>
#include <memory>

#include "core/solver/Workspace.h"

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

// Rows of G (the integrals of the fundamental solution over every element)
// and H (those of its normal derivative), one solver node at a time, over the
// boundary nodes. Nothing holds the whole matrices: the system is assembled
// row by row, and each internal point's row is used once. A solver node that
// is a node of the element is integrated analytically (H is then zero), any
// other point by the ten-point rule; the diagonal of H in a boundary node's
// row comes from the row sum. Needs the numbering of numberNodes; holds what
// it takes from the context, so the context must outlive it.
class BoundaryRows {
public:
    explicit BoundaryRows(const SolverContext& ctx);
    ~BoundaryRows();
    BoundaryRows(const BoundaryRows&) = delete;
    BoundaryRows& operator=(const BoundaryRows&) = delete;

    // Row j (1..nb boundary nodes, nb + i internal point i) into gRow[1..nb]
    // and hRow[1..nb]; the buffers need nb + 1 elements.
    void integrate(int j, double* gRow, double* hRow);

private:
    struct ElementSet;
    const SolverContext& ctx_;
    std::unique_ptr<ElementSet> set_;
};

// The potential at every internal point from the boundary integral identity
// u = Σ H·u − Σ G·q over its row, each row integrated when it comes. Needs
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
