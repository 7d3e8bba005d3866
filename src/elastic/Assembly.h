#pragma once

// The assembly: each term goes to its unknown's columns, or times its known value
// to the right-hand side. The displacement columns are pure numbers; the
// traction columns are scaled by the shear modulus over the model's size, so
// that they are pure numbers of the same order and the condition of the
// system does not depend on the units of length and stress. The size is
// rounded to a power of two: such a scale is exact in floating point, so the
// solution is the same whatever it is.
#include "elastic/Kernels.h"
#include "elastic/Unknowns.h"

#include <Eigen/Dense>

namespace zorind::elastic::bem {

// The rows of one collocation point lie side by side in memory while they
// are filled: its terms reach every column, and a column-major matrix would
// put each of them in a cache line of its own.
using RowMajorMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;

struct LinearSystem {
    RowMajorMatrix a;
    Eigen::VectorXd rhs;
};

// The traction a traction column's unknown stands for, per unit.
double tractionScale(const Material& mat, const Boundary& b);

// The equations of every collocation point; throws ElasticError when the
// integrals are not finite numbers.
LinearSystem assembleSystem(const Material& mat, const Boundary& b, const Unknowns& u);

} // namespace zorind::elastic::bem
