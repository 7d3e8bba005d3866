#pragma once

// The solved boundary: the values of the unknowns put in place, and the
// results at every node.
#include "ElasticProblem.h"
#include "Kernels.h"
#include "Unknowns.h"

#include <Eigen/Dense>

#include <vector>

namespace zorind::elastic::bem {

using contract::NodeResult;

struct BoundaryValues {
    std::vector<Point> displacement;
    std::vector<Point> endTraction;
};

// The displacement of every node and the traction at every element end, the
// unknown tractions times `scale` (the traction one unit of a traction
// column stands for).
BoundaryValues boundaryValues(const Eigen::VectorXd& x, const Unknowns& u, double scale);

// Consistent nodal forces, and stresses from each adjacent element's traction
// and tangential strain, averaged.
std::vector<NodeResult> nodeResults(const Material& mat, const Boundary& b, const BoundaryValues& values);

} // namespace zorind::elastic::bem
