#pragma once

#include <cstdint>
#include <cstring>

namespace zorind::solver {

// Four doubles, the lanes of the vectorised loops of the solver. Written
// with the compiler's vector types so that the same source serves the plain
// x86-64 build (two SSE2 operations per vector) and the AVX2 and AVX-512
// copies chosen at start-up.
typedef double Vec4 __attribute__((vector_size(32)));
typedef std::int64_t Int4 __attribute__((vector_size(32)));

#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
// Copies of a hot loop for processors with AVX-512 and AVX2 next to the
// plain one. Only plain multiplications and additions: the core is built
// with -ffp-contract=off, so that no copy fuses them into the multiply-adds
// AVX-512 brings, and every copy gives the same numbers.
#define ZORIND_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define ZORIND_VECTOR_CLONES
#endif

// Vectors travel by reference: a vector in a register would make the calling
// convention depend on the instruction set of the copy.
[[gnu::always_inline]] inline void load4(Vec4& v, const double* p)
{
    std::memcpy(&v, p, sizeof v);
}

[[gnu::always_inline]] inline void store4(double* p, const Vec4& v)
{
    std::memcpy(p, &v, sizeof v);
}

} // namespace zorind::solver
