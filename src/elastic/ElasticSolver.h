#pragma once

#include "ExchangeModel.h"

#include <string>
#include <vector>

namespace zorind::elastic {

// Stresses of a plane-strain state; sz follows from the others.
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
    // Consistent nodal force: the traction integrated against the node's
    // shape function over its elements, per unit thickness.
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
    // What the solver assumed or could not do, one line each, for the banner.
    std::vector<std::string> notes;
};

// Plane-strain boundary-element solution of the exchange model; throws
// ElasticError when the model cannot be solved.
ElasticSolution solveElastic(const ExchangeModel& model);

// Completes sz and the reduced stress from sx, sy and txy.
Stress planeStrainStress(double sx, double sy, double txy, double poissonRatio);

} // namespace zorind::elastic
