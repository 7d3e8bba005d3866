#include "solver/LinearSolve.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "solver/Assembly.h"
#include "VectorMath.h"

namespace zorind::solver {

using namespace kernels;

namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

void writeTrace(std::FILE* out, const char* text)
{
    if (out == nullptr) {
        return;
    }
    std::fputs(text, out);
    std::fputc('\n', out);
    std::fflush(out);
}

void checkFaults()
{
    if (std::fetestexcept(kFaults) != 0) {
        throw SingularMatrixError("floating-point fault in the elimination");
    }
}

// Pivot rows per block of the elimination.
constexpr int kBlockRows = 32;

// One step inside the block: rows i+1..n, columns i+1..last, with pivot
// row i (already divided by its pivot).
ZORIND_VECTOR_CLONES
void updateBlockColumns(double* const* rows, int i, int n, int last)
{
    const double* ai = rows[i];
    for (int j = i + 1; j <= n; ++j) {
        double* aj = rows[j];
        const double e = aj[i];
        for (int k = i + 1; k <= last; ++k) {
            aj[k] = aj[k] - ai[k] * e;
        }
    }
}

// The trailing update of the blocked elimination: for rows r0..r1 and columns
// c0..c1, a[j][k] = a[j][k] - a[m][k] · a[j][m] for m = m0..m1 one after the
// other. Every element receives the same operations in the same order as in
// the elimination one pivot row at a time, so the results are identical; the
// tiles only keep the elements in registers across the pivot rows.
ZORIND_VECTOR_CLONES
void updateTrailing(double* const* rows, int r0, int r1, int m0, int m1, int c0, int c1)
{
    constexpr int kTileRows = 6;
    constexpr int kTileColumns = 8;
    // Columns in chunks, so that the pivot rows' part stays in the first-level cache.
    constexpr int kChunk = 96;
    for (int cc = c0; cc <= c1; cc += kChunk) {
        const int ce = cc + kChunk - 1 < c1 ? cc + kChunk - 1 : c1;
        int j = r0;
        for (; j + kTileRows - 1 <= r1; j += kTileRows) {
            double* c[kTileRows];
            for (int t = 0; t < kTileRows; ++t) {
                c[t] = rows[j + t];
            }
            int k = cc;
            for (; k + kTileColumns - 1 <= ce; k += kTileColumns) {
                Vec4 acc[kTileRows][2];
                for (int t = 0; t < kTileRows; ++t) {
                    load4(acc[t][0], c[t] + k);
                    load4(acc[t][1], c[t] + k + 4);
                }
                for (int m = m0; m <= m1; ++m) {
                    const double* u = rows[m] + k;
                    Vec4 u0;
                    Vec4 u1;
                    load4(u0, u);
                    load4(u1, u + 4);
                    for (int t = 0; t < kTileRows; ++t) {
                        const double x = c[t][m];
                        const Vec4 e = {x, x, x, x};
                        acc[t][0] = acc[t][0] - u0 * e;
                        acc[t][1] = acc[t][1] - u1 * e;
                    }
                }
                for (int t = 0; t < kTileRows; ++t) {
                    store4(c[t] + k, acc[t][0]);
                    store4(c[t] + k + 4, acc[t][1]);
                }
            }
            for (; k <= ce; ++k) {
                for (int t = 0; t < kTileRows; ++t) {
                    double v = c[t][k];
                    for (int m = m0; m <= m1; ++m) {
                        v = v - rows[m][k] * c[t][m];
                    }
                    c[t][k] = v;
                }
            }
        }
        for (; j <= r1; ++j) {
            double* c = rows[j];
            int k = cc;
            for (; k + 3 <= ce; k += 4) {
                Vec4 acc;
                load4(acc, c + k);
                for (int m = m0; m <= m1; ++m) {
                    Vec4 u;
                    load4(u, rows[m] + k);
                    const double x = c[m];
                    const Vec4 e = {x, x, x, x};
                    acc = acc - u * e;
                }
                store4(c + k, acc);
            }
            for (; k <= ce; ++k) {
                double v = c[k];
                for (int m = m0; m <= m1; ++m) {
                    v = v - rows[m][k] * c[m];
                }
                c[k] = v;
            }
        }
    }
}

} // namespace

void gaussSolve(SolverContext& ctx, int n)
{
    if (n < 1) {
        throw SolverError("no boundary unknowns");
    }
    DoubleMatrix& a = ctx.systemMatrix;
    DoubleVector& b = ctx.rightHandSide;
    std::FILE* trace = ctx.trace;

    std::feclearexcept(kFaults);

    // The scale of every column before elimination, for the relative pivot
    // test. Row exchanges keep each column's set of entries (below the pivot
    // row), so the scale stays that of the column.
    std::vector<double> scale(static_cast<std::size_t>(n) + 1, 0.0);
    for (int r = 1; r <= n; ++r) {
        const double* row = a.rowBase(r);
        for (int c = 1; c <= n; ++c) {
            const double m = std::fabs(row[c]);
            if (m > scale[static_cast<std::size_t>(c)]) {
                scale[static_cast<std::size_t>(c)] = m;
            }
        }
    }
    auto negligible = [&](double value, int column) {
        return std::fabs(value) <= kRelativePivotTolerance * scale[static_cast<std::size_t>(column)];
    };
    std::vector<double*> rows(static_cast<std::size_t>(n) + 1, nullptr);
    for (int r = 1; r <= n; ++r) {
        rows[static_cast<std::size_t>(r)] = a.rowBase(r);
    }
    double* const* row = rows.data();

    // The pivot rows are taken a block at a time. Inside the block every
    // step updates its own columns at once, and the pivot row's columns right
    // of the block just before it is divided; the rows below the block get
    // the block's updates in one pass at the end. Each element still receives
    // the updates of the pivot rows one after the other in their order, so
    // the pivots and the results are those of the elimination one row at a
    // time.
    for (int first = 1; first <= n - 1; first += kBlockRows) {
        const int last = first + kBlockRows - 1 < n - 1 ? first + kBlockRows - 1 : n - 1;
        // Exchanges move whole rows from the block's first column on, so that
        // the multipliers of the earlier pivot rows travel with the columns
        // still waiting for their updates.
        auto exchange = [&](int i, int j) {
            double* ri = row[i];
            double* rj = row[j];
            for (int k = first; k <= n; ++k) {
                std::swap(ri[k], rj[k]);
            }
            std::swap(b[i], b[j]);
        };
        for (int i = first; i <= last; ++i) {
            // Exchange only when needed, with the first usable row below.
            if (std::fabs(row[i][i]) <= kPivotThreshold) {
                for (int j = i + 1; j <= n; ++j) {
                    if (std::fabs(row[j][i]) > kPivotThreshold) {
                        exchange(i, j);
                        break;
                    }
                }
            }
            // A pivot that is nothing but rounding noise of its column would
            // turn the rest of the elimination into meaningless numbers.
            if (negligible(row[i][i], i)) {
                int usable = 0;
                for (int j = i + 1; j <= n && usable == 0; ++j) {
                    if (!negligible(row[j][i], i)) {
                        usable = j;
                    }
                }
                if (usable == 0) {
                    throw SingularMatrixError("negligible pivot in row " + std::to_string(i));
                }
                exchange(i, usable);
            }
            if (std::fabs(row[i][i]) <= kPivotThreshold) {
                writeTrace(trace, kSingularTraceLine);
            }

            double* ai = row[i];
            // The pivot row's columns right of the block: the pending updates
            // of this block's earlier pivot rows, in order.
            if (i > first && last < n) {
                updateTrailing(row, i, i, first, i - 1, last + 1, n);
            }
            const double p = ai[i];
            for (int j = i + 1; j <= n; ++j) {
                ai[j] = ai[j] / p;
            }
            b[i] = b[i] / p;
            const double bi = b[i];

            updateBlockColumns(row, i, n, last);
            for (int j = i + 1; j <= n; ++j) {
                b[j] = b[j] - bi * row[j][i];
            }
            checkFaults();
        }
        if (last < n) {
            updateTrailing(row, last + 1, n, first, last, last + 1, n);
            checkFaults();
        }
    }

    if (std::fabs(a[n][n]) <= kPivotThreshold) {
        writeTrace(trace, kLastPivotBanner);
    }
    if (negligible(a[n][n], n)) {
        throw SingularMatrixError("negligible last pivot");
    }
    b[n] = b[n] / a[n][n];

    for (int i = 1; i <= n - 1; ++i) {
        const double* r = row[n - i];
        double s = b[n - i];
        for (int j = n - i + 1; j <= n; ++j) {
            s = s - r[j] * b[j];
        }
        b[n - i] = s;
    }
    checkFaults();
}

void recoverNodalValues(SolverContext& ctx)
{
    const int nb = ctx.boundaryNodeCount;
    const double ambient = ctx.ambientTemperature;
    for (int j = 1; j <= nb; ++j) {
        const double x = ctx.rightHandSide[j];
        const double v = ctx.nodeValue[j];
        ctx.systemMatrix[j][nb + 1] = x;
        switch (conditionKind(ctx, j)) {
        case 1:
            ctx.nodePotential[j] = v;
            ctx.nodeFlux[j] = x;
            break;
        case 2:
            ctx.nodePotential[j] = x;
            ctx.nodeFlux[j] = v;
            break;
        default:
            ctx.nodePotential[j] = x;
            ctx.nodeFlux[j] = (x - ambient) * v;
            break;
        }
    }
}

void distributeToElements(SolverContext& ctx)
{
    for (int c = 1; c <= ctx.chainCount; ++c) {
        const int firstPosition = 3 * ctx.chainElementEnd[c - 1] + 1;
        const int lastPosition = 3 * ctx.chainElementEnd[c];
        if (firstPosition > lastPosition) {
            continue;
        }
        const int firstNode = ctx.chainNodeEnd[c - 1] + 1;
        const int lastNode = ctx.chainNodeEnd[c];
        int t = firstNode;
        for (int m = firstPosition; m <= lastPosition; ++m) {
            ctx.localPotential[m] = ctx.nodePotential[t];
            ctx.localFlux[m] = ctx.nodeFlux[t];
            // After an element's end: the next element begins at the same
            // node when the kind does not change there.
            const bool sharedNext = m % 3 == 0 && m != lastPosition && ctx.nodeKind[t] == ctx.nodeKind[t + 1];
            if (!sharedNext) {
                ++t;
            }
        }
        if (ctx.nodeKind[lastNode] == ctx.nodeKind[firstNode]) {
            // The chain closes on its first node.
            ctx.localPotential[lastPosition] = ctx.nodePotential[firstNode];
            ctx.localFlux[lastPosition] = ctx.nodeFlux[firstNode];
        }
    }
}

} // namespace zorind::solver
