// The body of one build of the LU solve; the including file names the
// namespace (ZORIND_LU_TARGET) and sets the instruction set by its flags.
// A build for an instruction set above the baseline renames Eigen's
// namespace first, so that none of its template functions shares a symbol
// with the baseline's and the linker cannot put one in place of the other.
#include "elastic/LuSolve.h"

#include <Eigen/Dense>

namespace zorind::elastic::lu::ZORIND_LU_TARGET {

double solve(double* a, std::ptrdiff_t n, const double* rhs, double* x)
{
    using RowMajorMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;
    Eigen::Map<RowMajorMatrix> matrix(a, n, n);
    const Eigen::PartialPivLU<Eigen::Ref<RowMajorMatrix>> factors(matrix);
    Eigen::Map<Eigen::VectorXd>(x, n) = factors.solve(Eigen::Map<const Eigen::VectorXd>(rhs, n));
    return factors.rcond();
}

} // namespace zorind::elastic::lu::ZORIND_LU_TARGET
