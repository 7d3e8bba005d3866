#include "core/solver/EliminationKernels.h"

#include <atomic>
#include <cstdint>
#include <cstring>

#include "core/solver/Parallel.h"
#include "kernels/VectorMath.h"

namespace zorind::solver::elimination {

namespace {

using kernels::Vec4;

#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
// Separate copies of the block's arithmetic for AVX-512 and AVX2, chosen at
// the first call. Each copy has its own vector width and tile shape, which a
// target_clones copy of one source could not have.
#define ZORIND_ELIMINATION_COPIES 1
// Eight doubles, one AVX-512 register.
typedef double Vec8 __attribute__((vector_size(64)));
#endif

#if defined(__GNUC__) && !defined(__clang__)
#define ZORIND_UNROLL _Pragma("GCC unroll 32")
#else
#define ZORIND_UNROLL
#endif

template <class V> inline constexpr int kLanes = static_cast<int>(sizeof(V) / sizeof(double));

// Vectors travel by reference: a vector passed in a register would make the
// calling convention depend on the instruction set of the copy.
template <class V> [[gnu::always_inline]] inline void loadv(V& v, const double* p)
{
    std::memcpy(&v, p, sizeof v);
}

template <class V> [[gnu::always_inline]] inline void storev(double* p, const V& v)
{
    std::memcpy(p, &v, sizeof v);
}

// The register tile: rows c[0..R-1], columns k..k+NV·lanes-1, receive the
// updates of depth pivot rows, whose entries in these columns lie packed at u
// (one pivot row every stride doubles) and whose multipliers are the rows'
// own columns m0..m0+depth-1. The tile stays in registers for all of them.
template <class V, int R, int NV>
[[gnu::always_inline]] inline void updateTile(double* const* c, int k, int m0, int depth, const double* u, int stride)
{
    constexpr int L = kLanes<V>;
    V acc[R][NV];
    const double* e[R];
    ZORIND_UNROLL
    for (int t = 0; t < R; ++t) {
        e[t] = c[t] + m0;
        ZORIND_UNROLL
        for (int v = 0; v < NV; ++v) {
            loadv(acc[t][v], c[t] + k + v * L);
        }
    }
    for (int d = 0; d < depth; ++d) {
        V x[NV];
        ZORIND_UNROLL
        for (int v = 0; v < NV; ++v) {
            loadv(x[v], u + v * L);
        }
        ZORIND_UNROLL
        for (int t = 0; t < R; ++t) {
            const double s = e[t][d];
            ZORIND_UNROLL
            for (int v = 0; v < NV; ++v) {
                acc[t][v] = acc[t][v] - x[v] * s;
            }
        }
        u += stride;
    }
    ZORIND_UNROLL
    for (int t = 0; t < R; ++t) {
        ZORIND_UNROLL
        for (int v = 0; v < NV; ++v) {
            storev(c[t] + k + v * L, acc[t][v]);
        }
    }
}

// A strip narrower than the full tile (the right edge of the matrix): whole
// vectors, then four lanes, then single columns.
template <class Shape, int R>
[[gnu::always_inline]] inline void updateNarrow(double* const* c, int k, int width, int m0, int depth,
                                                const double* u, int stride)
{
    using V = typename Shape::Vec;
    constexpr int L = kLanes<V>;
    int o = 0;
    for (; o + 2 * L <= width; o += 2 * L) {
        updateTile<V, R, 2>(c, k + o, m0, depth, u + o, stride);
    }
    for (; o + L <= width; o += L) {
        updateTile<V, R, 1>(c, k + o, m0, depth, u + o, stride);
    }
    if constexpr (L > 4) {
        for (; o + 4 <= width; o += 4) {
            updateTile<Vec4, R, 1>(c, k + o, m0, depth, u + o, stride);
        }
    }
    for (; o < width; ++o) {
        updateTile<double, R, 1>(c, k + o, m0, depth, u + o, stride);
    }
}

// Rows c[0..R-1], columns c0..c0+nc-1: the updates of the first depth rows of
// the packed block (height rows), with multipliers in columns m0...
template <class Shape, int R>
[[gnu::always_inline]] inline void updateRows(double* const* c, int c0, int nc, int m0, int depth, int height,
                                              const double* packed)
{
    using V = typename Shape::Vec;
    constexpr int W = Shape::kVectors * kLanes<V>;
    const int panels = nc / W;
    const std::ptrdiff_t panelSize = static_cast<std::ptrdiff_t>(height) * W;
    for (int p = 0; p < panels; ++p) {
        updateTile<V, R, Shape::kVectors>(c, c0 + p * W, m0, depth, packed + p * panelSize, W);
    }
    const int rest = nc - panels * W;
    if (rest > 0) {
        updateNarrow<Shape, R>(c, c0 + panels * W, rest, m0, depth, packed + panels * panelSize, rest);
    }
}

template <class Shape, int R>
[[gnu::always_inline]] inline void updateRowsBelow(double* const* row, int j, int n, int c0, int nc, int m0,
                                                   int depth, const double* packed)
{
    double* c[R];
    for (; j + R - 1 <= n; j += R) {
        ZORIND_UNROLL
        for (int t = 0; t < R; ++t) {
            c[t] = row[j + t];
        }
        updateRows<Shape, R>(c, c0, nc, m0, depth, depth, packed);
    }
    if constexpr (R > 1) {
        if (j <= n) {
            updateRowsBelow<Shape, R / 2>(row, j, n, c0, nc, m0, depth, packed);
        }
    }
}

// Row j in the block's columns and b[j]: the updates of pivot rows from..to-1.
[[gnu::always_inline]] inline void catchUpOne(double* const* row, double* b, int j, int from, int to, int last)
{
    double* aj = row[j];
    for (int m = from; m < to; ++m) {
        const double e = aj[m];
        const double* am = row[m];
        for (int k = m + 1; k <= last; ++k) {
            aj[k] = aj[k] - am[k] * e;
        }
        b[j] = b[j] - b[m] * e;
    }
}

// The pending rows' columns first..last and right-hand sides: each row needs
// the updates of all the block's pivot rows, one after the other, the
// multiplier of each being the row's own entry that the earlier ones have
// just finished. The rows go through this side by side, one per lane: their
// block columns are turned into vectors across the rows.
template <class V>
[[gnu::always_inline]] inline void catchUpPending(double* const* row, double* b, const int* pending, int count,
                                                  int first, int last)
{
    constexpr int L = kLanes<V>;
    const int w = last - first + 1;
    int g = 0;
    for (; g + L <= count; g += L) {
        V col[kBlockRows];
        V rhs{};
        double* r[L];
        ZORIND_UNROLL
        for (int l = 0; l < L; ++l) {
            r[l] = row[pending[g + l]] + first;
            rhs[l] = b[pending[g + l]];
        }
        for (int k = 0; k < w; ++k) {
            ZORIND_UNROLL
            for (int l = 0; l < L; ++l) {
                col[k][l] = r[l][k];
            }
        }
        for (int m = 0; m < w; ++m) {
            const V e = col[m];
            const double* am = row[first + m] + first;
            for (int k = m + 1; k < w; ++k) {
                col[k] = col[k] - am[k] * e;
            }
            rhs = rhs - b[first + m] * e;
        }
        for (int k = 1; k < w; ++k) {
            ZORIND_UNROLL
            for (int l = 0; l < L; ++l) {
                r[l][k] = col[k][l];
            }
        }
        ZORIND_UNROLL
        for (int l = 0; l < L; ++l) {
            b[pending[g + l]] = rhs[l];
        }
    }
    for (; g < count; ++g) {
        catchUpOne(row, b, pending[g], first, last + 1, last);
    }
}

// Everything of finishBlock but the rows below the block right of it.
template <class Shape>
[[gnu::always_inline]] inline void finishBlockRowsWith(double* const* row, double* b, int first, int last, int n,
                                                       const int* pending, int pendingCount, double* packed)
{
    using V = typename Shape::Vec;
    constexpr int L = kLanes<V>;
    constexpr int W = Shape::kVectors * L;

    catchUpPending<V>(row, b, pending, pendingCount, first, last);

    const int w = last - first + 1;
    const int c0 = last + 1;
    const int nc = n - last;
    const int panels = nc / W;
    const int rest = nc - panels * W;
    const std::ptrdiff_t panelSize = static_cast<std::ptrdiff_t>(w) * W;

    // The block's rows right of the block, each after the one above it,
    // whose final values it uses; packed by panels of W columns as they are
    // finished, so that the tiles below read them in order.
    for (int i = first; i <= last; ++i) {
        double* ai = row[i];
        const int d = i - first;
        if (d > 0) {
            updateRows<Shape, 1>(&ai, c0, nc, first, d, w, packed);
        }
        const double p = ai[i];
        for (int q = 0; q <= panels; ++q) {
            const int width = q < panels ? W : rest;
            double* a = ai + c0 + q * W;
            double* dst = packed + q * panelSize + static_cast<std::ptrdiff_t>(d) * width;
            int o = 0;
            for (; o + L <= width; o += L) {
                V v;
                loadv(v, a + o);
                v = v / p;
                storev(a + o, v);
                storev(dst + o, v);
            }
            for (; o < width; ++o) {
                const double v = a[o] / p;
                a[o] = v;
                dst[o] = v;
            }
        }
    }
}

#ifdef ZORIND_ELIMINATION_COPIES
// 8 rows × 24 columns: 24 accumulators and 3 pivot-row vectors of the 32
// registers, the multipliers broadcast from memory.
struct Avx512Shape {
    using Vec = Vec8;
    static constexpr int kRows = 8;
    static constexpr int kVectors = 3;
};

// 6 rows × 8 columns: 12 accumulators of the 16 registers (measured a little
// faster than 4 rows × 12 columns).
struct Avx2Shape {
    using Vec = Vec4;
    static constexpr int kRows = 6;
    static constexpr int kVectors = 2;
};

__attribute__((target("avx512f"))) void finishRowsAvx512(double* const* row, double* b, int first, int last, int n,
                                                         const int* pending, int pendingCount, double* packed)
{
    finishBlockRowsWith<Avx512Shape>(row, b, first, last, n, pending, pendingCount, packed);
}

__attribute__((target("avx512f"))) void updateBelowAvx512(double* const* row, int from, int to, int c0, int nc,
                                                          int m0, int depth, const double* packed)
{
    updateRowsBelow<Avx512Shape, Avx512Shape::kRows>(row, from, to, c0, nc, m0, depth, packed);
}

__attribute__((target("avx2"))) void finishRowsAvx2(double* const* row, double* b, int first, int last, int n,
                                                    const int* pending, int pendingCount, double* packed)
{
    finishBlockRowsWith<Avx2Shape>(row, b, first, last, n, pending, pendingCount, packed);
}

__attribute__((target("avx2"))) void updateBelowAvx2(double* const* row, int from, int to, int c0, int nc, int m0,
                                                     int depth, const double* packed)
{
    updateRowsBelow<Avx2Shape, Avx2Shape::kRows>(row, from, to, c0, nc, m0, depth, packed);
}
#endif

// Any processor: two doubles, the width of SSE2 and of most other vector
// units, in 4 rows × 4 columns (8 accumulators of 16 registers). Wider
// vectors than the processor has would be kept in memory.
typedef double Vec2 __attribute__((vector_size(16)));

struct PlainShape {
    using Vec = Vec2;
    static constexpr int kRows = 4;
    static constexpr int kVectors = 2;
};

void finishRowsPlain(double* const* row, double* b, int first, int last, int n, const int* pending, int pendingCount,
                     double* packed)
{
    finishBlockRowsWith<PlainShape>(row, b, first, last, n, pending, pendingCount, packed);
}

void updateBelowPlain(double* const* row, int from, int to, int c0, int nc, int m0, int depth, const double* packed)
{
    updateRowsBelow<PlainShape, PlainShape::kRows>(row, from, to, c0, nc, m0, depth, packed);
}

// One copy of the block's arithmetic: the block's own rows, and the rows
// below it right of the block (any range of them, in tiles of `tileRows`).
struct BlockCopy {
    void (*finishRows)(double* const*, double*, int, int, int, const int*, int, double*);
    void (*updateBelow)(double* const*, int, int, int, int, int, int, const double*);
    int tileRows;
};

#ifdef ZORIND_ELIMINATION_COPIES
constexpr BlockCopy kAvx512{finishRowsAvx512, updateBelowAvx512, Avx512Shape::kRows};
constexpr BlockCopy kAvx2{finishRowsAvx2, updateBelowAvx2, Avx2Shape::kRows};
#endif
constexpr BlockCopy kPlain{finishRowsPlain, updateBelowPlain, PlainShape::kRows};

const BlockCopy* copyFunction(Copy copy)
{
    switch (copy) {
    case Copy::Widest:
#ifdef ZORIND_ELIMINATION_COPIES
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx512f")) {
            return &kAvx512;
        }
        if (__builtin_cpu_supports("avx2")) {
            return &kAvx2;
        }
#endif
        return &kPlain;
#ifdef ZORIND_ELIMINATION_COPIES
    case Copy::Avx512:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") ? &kAvx512 : nullptr;
    case Copy::Avx2:
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") ? &kAvx2 : nullptr;
#else
    case Copy::Avx512:
    case Copy::Avx2:
        return nullptr;
#endif
    case Copy::Plain:
        return &kPlain;
    }
    return nullptr;
}

std::atomic<const BlockCopy*> chosenCopy{nullptr};

// Rows below a block worth a second thread.
constexpr int kRowsForTwoThreads = 64;

constexpr std::size_t kAlignment = 64;

} // namespace

std::size_t packedCapacity(int n)
{
    return static_cast<std::size_t>(kBlockRows) * static_cast<std::size_t>(n) + kAlignment / sizeof(double);
}

ZORIND_VECTOR_CLONES
void catchUpRow(double* const* row, double* b, int j, int from, int to, int last)
{
    catchUpOne(row, b, j, from, to, last);
}

void finishBlock(double* const* row, double* b, int first, int last, int n, const int* pending, int pendingCount,
                 double* packed, ThreadPair* pair)
{
    const BlockCopy* chosen = chosenCopy.load(std::memory_order_relaxed);
    if (chosen == nullptr) {
        chosen = copyFunction(Copy::Widest);
        chosenCopy.store(chosen, std::memory_order_relaxed);
    }
    // The packed pivot rows start on a cache line.
    const auto address = reinterpret_cast<std::uintptr_t>(packed);
    const std::size_t skip = (kAlignment - address % kAlignment) % kAlignment / sizeof(double);
    double* const aligned = packed + skip;
    chosen->finishRows(row, b, first, last, n, pending, pendingCount, aligned);

    // The rows below take most of the work and are independent of each
    // other: with a second thread, each takes half of them (whole tiles).
    const int c0 = last + 1;
    const int nc = n - last;
    const int depth = last - first + 1;
    const int below = n - last;
    if (pair != nullptr && pair->active() && below >= kRowsForTwoThreads) {
        const int split = last + 1 + below / 2 / chosen->tileRows * chosen->tileRows;
        pair->run([&](int part) {
            if (part == 0) {
                chosen->updateBelow(row, last + 1, split - 1, c0, nc, first, depth, aligned);
            } else {
                chosen->updateBelow(row, split, n, c0, nc, first, depth, aligned);
            }
        });
    } else {
        chosen->updateBelow(row, last + 1, n, c0, nc, first, depth, aligned);
    }
}

bool useCopy(Copy copy)
{
    const BlockCopy* function = copyFunction(copy);
    if (function == nullptr) {
        return false;
    }
    chosenCopy.store(function, std::memory_order_relaxed);
    return true;
}

} // namespace zorind::solver::elimination
