#pragma once

// The linear solve of the assembled system.
#include "elastic/Assembly.h"

namespace zorind::elastic::bem {

// Solves the system in the matrix's own storage; throws ElasticError when it
// is singular.
Eigen::VectorXd solveSystem(LinearSystem s);

} // namespace zorind::elastic::bem
