#define ZORIND_LU_TARGET baseline
#include "elastic/LuSolveKernel.h"

namespace zorind::elastic::lu {

double solve(double* a, std::ptrdiff_t n, const double* rhs, double* x)
{
#if defined(ZORIND_ELASTIC_AVX2)
    static const bool avx2Fma = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (avx2Fma) {
        return avx2::solve(a, n, rhs, x);
    }
#endif
    return baseline::solve(a, n, rhs, x);
}

} // namespace zorind::elastic::lu
