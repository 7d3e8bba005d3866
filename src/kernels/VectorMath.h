#pragma once

// The vectorised arithmetic of the solvers' hot loops, shared by the
// potential solver and zorind-elastic: four-lane vectors, the copies of a
// loop for AVX-512 and AVX2, and the logarithm of four lanes at once.

#include <cmath>
#include <cstdint>
#include <cstring>

namespace zorind::kernels {

// Four doubles, the lanes of the vectorised loops of the solver. Written
// with the compiler's vector types so that the same source serves the plain
// x86-64 build (two SSE2 operations per vector) and the AVX2 and AVX-512
// copies chosen at start-up.
typedef double Vec4 __attribute__((vector_size(32)));
typedef std::int64_t Int4 __attribute__((vector_size(32)));
typedef std::uint64_t Uint4 __attribute__((vector_size(32)));

#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
// Copies of a hot loop for processors with AVX-512 and AVX2 next to the
// plain one. Only plain multiplications and additions: everything built on
// these kernels is compiled with -ffp-contract=off, so that no copy fuses
// them into the multiply-adds AVX2 and AVX-512 bring, and every copy gives
// the same numbers.
// The AVX-512 copy asks for the x86-64-v4 level (AVX-512 with its 256-bit
// forms): four-lane code then has 32 registers instead of 16.
#define ZORIND_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
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

// All ones in the lanes of x that are not positive normal finite numbers
// (zero, subnormal, negative, infinite, not a number), zero elsewhere.
[[gnu::always_inline]] inline void notPositiveNormal(Int4& out, const Vec4& x)
{
    Uint4 bits;
    std::memcpy(&bits, &x, sizeof bits);
    // Positive normal finite: the bits lie in [smallest normal, largest finite].
    out = (bits - 0x0010000000000000ULL) >= (0x7ff0000000000000ULL - 0x0010000000000000ULL);
}

// The natural logarithm of each lane, every lane a positive normal finite
// number, within one unit in the last place of the exact value: the classic
// reduction to a mantissa in [√2/2, √2) and the odd series of
// log((1 + s)/(1 − s)) in s = f/(2 + f). Plain arithmetic and integer bit
// operations only, so that every lane stays in the vector unit.
[[gnu::always_inline]] inline void log4PositiveNormal(Vec4& x)
{
    Uint4 bits;
    std::memcpy(&bits, &x, sizeof bits);
    // x = 2^k · m with m in [√2/2, √2).
    const Uint4 shifted = bits - 0x3fe6a09e667f3bcdULL;
    const Uint4 mantissaBits = bits - (shifted & 0xfff0000000000000ULL);
    Vec4 m;
    std::memcpy(&m, &mantissaBits, sizeof m);
    // k is the top twelve bits of `shifted` as a signed number; sign-extended
    // with an exclusive or (there is no 64-bit arithmetic shift before
    // AVX-512) and, in the same addition, put into the exponent field of
    // 2^52 + 2^51, which turns it into a double exactly.
    const Uint4 kBiased = ((shifted >> 52) ^ 0x800ULL) + (0x4338000000000000ULL - 0x800ULL);
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
}

// The natural logarithm of each lane: log4PositiveNormal where it applies;
// any other lane goes through std::log, so that zero, negative, infinite,
// subnormal and not-a-number arguments give the library's values and raise
// its floating-point flags (a Gauss point exactly on an element still
// divides by zero). Each lane's value depends on that lane alone.
[[gnu::always_inline]] inline void log4(Vec4& x)
{
    Int4 outside;
    notPositiveNormal(outside, x);
    if ((outside[0] | outside[1] | outside[2] | outside[3]) == 0) {
        log4PositiveNormal(x);
        return;
    }
    const Vec4 original = x;
    const Vec4 one = {1.0, 1.0, 1.0, 1.0};
    x = outside ? one : x;
    log4PositiveNormal(x);
    for (int i = 0; i < 4; ++i) {
        if (outside[i] != 0) {
            x[i] = std::log(original[i]);
        }
    }
}

// The logarithms of count values through log4, four at a time (the last
// group filled up with ones); for the tests of its accuracy.
inline void logOfEach(const double* in, double* out, int count)
{
    for (int i = 0; i < count; i += 4) {
        Vec4 v = {1.0, 1.0, 1.0, 1.0};
        for (int lane = 0; lane < 4 && i + lane < count; ++lane) {
            v[lane] = in[i + lane];
        }
        log4(v);
        for (int lane = 0; lane < 4 && i + lane < count; ++lane) {
            out[i + lane] = v[lane];
        }
    }
}

} // namespace zorind::kernels
