#pragma once

#include <cstddef>

// The dense LU solve of the boundary system, built once for the baseline
// processor and, on x86-64, once more for AVX2 with FMA; solve() picks the
// build the running processor can execute.
namespace zorind::elastic::lu {

// Factors the row-major n-by-n matrix a in place (partial pivoting) and
// solves a x = rhs. Returns the estimate of the reciprocal condition number.
double solve(double* a, std::ptrdiff_t n, const double* rhs, double* x);

namespace baseline {
double solve(double* a, std::ptrdiff_t n, const double* rhs, double* x);
}
namespace avx2 {
double solve(double* a, std::ptrdiff_t n, const double* rhs, double* x);
}

} // namespace zorind::elastic::lu
