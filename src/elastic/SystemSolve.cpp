#include "elastic/SystemSolve.h"
#include "elastic/LuSolve.h"

namespace zorind::elastic::bem {

namespace {

// Below this the LU factors are taken for a singular system. The system is
// made of pure numbers (see the assembly), so the estimate does not depend on
// the units: sound models, slender ones included, stay above 1e-6, a body
// that nothing holds comes out near 1e-11, and the results are written in
// single precision anyway.
constexpr double minReciprocalCondition = 1e-9;

} // namespace

// The factors take the matrix's own storage: a copy of it would cost as
// much as a tenth of the factorisation. On a processor with AVX2 and FMA the
// factorisation runs in the build of it for those (LuSolve.h), a fifth
// faster on the largest model; the results differ at rounding level only.
Eigen::VectorXd solveSystem(LinearSystem s)
{
    Eigen::VectorXd x(s.rhs.size());
    const double rcond = lu::solve(s.a.data(), s.a.rows(), s.rhs.data(), x.data());
    if (!(rcond > minReciprocalCondition) || !x.allFinite()) {
        throw ElasticError("Układ równań jest osobliwy: sprawdź warunki brzegowe i geometrię brzegu");
    }
    return x;
}

} // namespace zorind::elastic::bem
