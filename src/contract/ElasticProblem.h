#pragma once

// The plane-elasticity problem as the application holds it, and the solution
// the solver library gives back: what the application hands the solver when
// it solves in its own process, without the exchange files. Every element
// carries its own condition, so the two sides of a node keep their own loads
// (the exchange file has room for one load per node). Standard library only:
// the solver links neither Qt nor the application's core.
#include <optional>
#include <string>
#include <vector>

namespace zorind::contract {

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// What an element's condition prescribes, numbered as the application's
// condition kinds of an elasticity analysis: both components a traction or
// both a displacement, or, on a symmetry plane, one component's displacement
// held and the other's traction given (HeldX: x held, y traction; HeldY: y
// held, x traction). A pressure reaches the solver as the tractions it
// exerts.
enum class ElasticKind { Traction = 1, Displacement = 2, HeldX = 5, HeldY = 6 };

// A straight boundary element between two nodes (0-based indices) with the
// values its own condition prescribes at its start, at its end and at its
// middle, global x and y, component by component as `kind` says: a traction
// (a load, zero on a free surface) or a displacement. Without a middle value
// the condition varies linearly: the middle takes the mean of the ends.
struct ElasticElement {
    int start = 0;
    int end = 0;
    ElasticKind kind = ElasticKind::Traction;
    PlanePoint atStart;
    PlanePoint atEnd;
    std::optional<PlanePoint> atMiddle;
};

// The plane-strain material that deforms a body in its plane as a thin plate
// of Young's modulus E and Poisson's ratio nu deforms in plane stress: a
// plane-strain solver given these answers for the plate.
struct PlaneStrainEquivalent {
    double youngModulus = 0.0;
    double poissonRatio = 0.0;
};

inline PlaneStrainEquivalent planeStrainEquivalent(double youngModulus, double poissonRatio)
{
    const double onePlusNu = 1.0 + poissonRatio;
    return {youngModulus * (1.0 + 2.0 * poissonRatio) / (onePlusNu * onePlusNu), poissonRatio / onePlusNu};
}

struct ElasticProblem {
    double youngModulus = 0.0;
    double poissonRatio = 0.0;
    // A thin plate (plane stress, sz = 0) rather than a slice of a long body
    // (plane strain); the modulus and ratio are then the plate's own.
    bool planeStress = false;
    std::vector<PlanePoint> nodes;
    std::vector<ElasticElement> elements;
    std::vector<PlanePoint> internalPoints;
};

// Stresses of a plane state; sz follows from the others (0 in plane stress).
struct Stress {
    double sx = 0.0;
    double sy = 0.0;
    double txy = 0.0;
    double sz = 0.0;
    // Von Mises equivalent stress including sz.
    double reduced = 0.0;
};

struct NodeResult {
    bool used = false; // false: no element uses the node, every value 0
    double ux = 0.0;
    double uy = 0.0;
    // Nodal force: the traction of the node's elements integrated against
    // the node's linear share of each (an element's force split between its
    // ends by distance), per unit thickness; the forces of all nodes add up
    // to the boundary's force.
    double fx = 0.0;
    double fy = 0.0;
    Stress stress;
};

struct PointResult {
    bool skipped = false; // on the boundary or outside the body: every value 0
    double ux = 0.0;
    double uy = 0.0;
    Stress stress;
};

struct ElasticSolution {
    std::vector<NodeResult> nodes;
    std::vector<PointResult> points;
    int unknowns = 0;
    int cornerNodes = 0; // nodes with a traction of their own on each side
    // What the solver assumed or could not do, one line each.
    std::vector<std::string> notes;
};

} // namespace zorind::contract
