#include "core/solver/LinearSolve.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "core/solver/Assembly.h"
#include "core/solver/EliminationKernels.h"
#include "core/solver/Parallel.h"

namespace zorind::solver {

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
            double& s = scale[static_cast<std::size_t>(c)];
            s = m > s ? m : s;
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
    // The right-hand side as a plain array from index 0 (the vector keeps a
    // spare element ahead of its range).
    double* const rhs = &b[1] - 1;

    // The pivot rows are taken a block at a time. Inside the block a row
    // receives the updates of the block's earlier pivot rows (in its block
    // columns and right-hand side) only when it is needed: when it becomes
    // the pivot row, or when it is looked at as the replacement of an
    // unusable pivot. The pivot is divided in the block's columns at once.
    // The rest (the rows below in the block's columns, and everything right
    // of the block) follows in one pass at the end of the block. Each
    // element still receives the updates of the pivot rows one after the
    // other in their order, so the pivots and the results are those of the
    // elimination one row at a time.
    using elimination::kBlockRows;
    // Per row: the first pivot row of the block whose update its block
    // columns still wait for.
    std::vector<int> applied(static_cast<std::size_t>(n) + 1, 0);
    std::vector<int> pending;
    pending.reserve(static_cast<std::size_t>(n));
    std::vector<double> packed(elimination::packedCapacity(n));
    // From this size on the rows below each block are shared between two
    // threads; below it, starting the second thread costs more than it saves.
    constexpr int kTwoThreadsFrom = 128;
    std::optional<ThreadPair> pair;
    if (n >= kTwoThreadsFrom) {
        pair.emplace();
    }
    for (int first = 1; first <= n - 1; first += kBlockRows) {
        const int last = first + kBlockRows - 1 < n - 1 ? first + kBlockRows - 1 : n - 1;
        for (int j = first; j <= n; ++j) {
            applied[static_cast<std::size_t>(j)] = first;
        }
        // Row j up to date in the block's columns before pivot row `to`.
        auto catchUp = [&](int j, int to) {
            int& done = applied[static_cast<std::size_t>(j)];
            if (done < to) {
                elimination::catchUpRow(row, rhs, j, done, to, last);
                done = to;
                checkFaults();
            }
        };
        // Exchanges move whole rows from the block's first column on, so that
        // the multipliers of the earlier pivot rows travel with the columns
        // still waiting for their updates.
        auto exchange = [&](int i, int j) {
            double* ri = row[i];
            double* rj = row[j];
            for (int k = first; k <= n; ++k) {
                std::swap(ri[k], rj[k]);
            }
            std::swap(rhs[i], rhs[j]);
            std::swap(applied[static_cast<std::size_t>(i)], applied[static_cast<std::size_t>(j)]);
        };
        for (int i = first; i <= last; ++i) {
            catchUp(i, i);
            // Exchange only when needed, with the first usable row below.
            if (std::fabs(row[i][i]) <= kPivotThreshold) {
                for (int j = i + 1; j <= n; ++j) {
                    catchUp(j, i);
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
                    catchUp(j, i);
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
            const double p = ai[i];
            for (int j = i + 1; j <= last; ++j) {
                ai[j] = ai[j] / p;
            }
            rhs[i] = rhs[i] / p;
            checkFaults();
        }
        // The rows below that an exchange search already brought part of the
        // way go on alone; the others go together.
        pending.clear();
        for (int j = last + 1; j <= n; ++j) {
            if (applied[static_cast<std::size_t>(j)] == first) {
                pending.push_back(j);
            } else {
                catchUp(j, last + 1);
            }
        }
        elimination::finishBlock(row, rhs, first, last, n, pending.data(), static_cast<int>(pending.size()),
                                 packed.data(), pair ? &*pair : nullptr);
        checkFaults();
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
