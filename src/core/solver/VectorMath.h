#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

namespace zorind::solver {

// Four doubles, the lanes of the vectorised loops of the solver. Written
// with the compiler's vector types so that the same source serves the plain
// x86-64 build (two SSE2 operations per vector) and the AVX2 and AVX-512
// copies chosen at start-up.
typedef double Vec4 __attribute__((vector_size(32)));
typedef std::int64_t Int4 __attribute__((vector_size(32)));
typedef std::uint64_t Uint4 __attribute__((vector_size(32)));

#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
// Copies of a hot loop for processors with AVX-512 and AVX2 next to the
// plain one. Only plain multiplications and additions: the compiler is told
// not to contract them into fused multiply-adds (which AVX-512 brings), so
// every copy gives the same numbers.
#define ZORIND_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#else
#define ZORIND_VECTOR_CLONES
#endif

// Vectors travel by reference: a vector in a register would make the calling
// convention depend on the instruction set of the copy.
inline void load4(Vec4& v, const double* p)
{
    std::memcpy(&v, p, sizeof v);
}

inline void store4(double* p, const Vec4& v)
{
    std::memcpy(p, &v, sizeof v);
}

// The natural logarithm of each lane, within one unit in the last place of
// the exact value (the classic reduction to a mantissa in [√2/2, √2) and
// the odd series of log((1 + s)/(1 − s)) in s = f/(2 + f)). Only for
// positive normal finite numbers; any other lane goes through std::log, so
// zero, negative, infinite and not-a-number
// arguments give the library's values and raise its floating-point flags.
// (One unit in the last place is the whole difference from std::log; the
// results the solver stores in single precision do not see it.)
inline void log4(Vec4& x)
{
    Uint4 bits;
    std::memcpy(&bits, &x, sizeof bits);
    // Positive normal finite: the bits lie in [smallest normal, largest finite].
    const Int4 outside = (bits - 0x0010000000000000ULL) >= (0x7ff0000000000000ULL - 0x0010000000000000ULL);
    const bool special = (outside[0] | outside[1] | outside[2] | outside[3]) != 0;
    Vec4 original = x;
    if (special) {
        // The other lanes still take the series, so that a lane's value does
        // not depend on its neighbours.
        for (int i = 0; i < 4; ++i) {
            if (outside[i] != 0) {
                bits[i] = 0x3ff0000000000000ULL;
            }
        }
    }
    // x = 2^k · m with m in [√2/2, √2).
    const Uint4 shifted = bits - 0x3fe6a09e667f3bcdULL;
    const Int4 k = reinterpret_cast<const Int4&>(shifted) >> 52;
    const Uint4 mantissaBits = bits - (shifted & 0xfff0000000000000ULL);
    Vec4 m;
    std::memcpy(&m, &mantissaBits, sizeof m);
    // k as a double through the exponent field of 2^52 + 2^51 (exact for any
    // exponent a double can have).
    const Int4 kBiased = k + 0x4338000000000000LL;
    Vec4 kd;
    std::memcpy(&kd, &kBiased, sizeof kd);
    kd = kd - 6755399441055744.0;

    constexpr double lg1 = 6.666666666666735130e-01;
    constexpr double lg2 = 3.999999999940941908e-01;
    constexpr double lg3 = 2.857142874366239149e-01;
    constexpr double lg4 = 2.222219843214978396e-01;
    constexpr double lg5 = 1.818357216161805012e-01;
    constexpr double lg6 = 1.531383769920937332e-01;
    constexpr double lg7 = 1.479819860511658591e-01;
    constexpr double ln2Hi = 6.93147180369123816490e-01;
    constexpr double ln2Lo = 1.90821492927058770002e-10;

    const Vec4 f = m - 1.0;
    const Vec4 s = f / (2.0 + f);
    const Vec4 z = s * s;
    const Vec4 w = z * z;
    const Vec4 t1 = w * (lg2 + w * (lg4 + w * lg6));
    const Vec4 t2 = z * (lg1 + w * (lg3 + w * (lg5 + w * lg7)));
    const Vec4 r = t2 + t1;
    const Vec4 hfsq = 0.5 * f * f;
    x = kd * ln2Hi - ((hfsq - (s * (hfsq + r) + kd * ln2Lo)) - f);
    if (special) {
        for (int i = 0; i < 4; ++i) {
            if (outside[i] != 0) {
                x[i] = std::log(original[i]);
            }
        }
    }
}

// The logarithms of count values, four at a time; for the tests.
void logOfEach(const double* in, double* out, int count);

} // namespace zorind::solver
