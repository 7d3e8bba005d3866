#pragma once

// The solved boundary: the values of the unknowns put in place, and the
// results at every node.
#include "contract/ElasticProblem.h"
#include "elastic/Kernels.h"
#include "elastic/Unknowns.h"

#include <Eigen/Dense>

#include <vector>

namespace zorind::elastic::bem {

using contract::NodeResult;

struct BoundaryValues {
    std::vector<Point> displacement; // per point
    std::vector<Point> traction;     // per traction slot
};

// The displacement of every point and the traction in every slot, the
// unknown tractions times `scale` (the traction one unit of a traction
// column stands for).
BoundaryValues boundaryValues(const Eigen::VectorXd& x, const Unknowns& u, double scale);

// Nodal forces: each element's traction integrated against the linear share
// of its ends (an element's force split between its ends by distance), so
// that the forces add up to the boundary's force. Stresses from each adjacent
// element's traction and tangential strain at the node, averaged.
std::vector<NodeResult> nodeResults(const Material& mat, const Boundary& b, const BoundaryValues& values);

} // namespace zorind::elastic::bem
