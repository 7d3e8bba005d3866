#include "core/solver/Assembly.h"

#include <string>
#include <vector>

#include "core/solver/Integration.h"
#include "core/solver/LinearSolve.h"
#include "core/solver/Parallel.h"
#include "kernels/VectorMath.h"

namespace zorind::solver {

using namespace kernels;

int conditionKind(const SolverContext& ctx, int j)
{
    const double kind = ctx.nodeKind[j];
    if (kind == 1.0) {
        return 1;
    }
    if (kind == 2.0) {
        return 2;
    }
    if (kind == 3.0) {
        return 3;
    }
    throw SolverError("unknown condition kind at boundary node " + std::to_string(j));
}

void checkConditionKinds(const SolverContext& ctx)
{
    for (int j = 1; j <= ctx.boundaryNodeCount; ++j) {
        conditionKind(ctx, j);
    }
}

namespace {

// The system row from the rows of G and H, four columns at a time: every
// column takes the value of its node's kind (the other two are computed and
// dropped), and the right-hand side adds the columns' terms one after the
// other in column order, as a plain loop would.
ZORIND_VECTOR_CLONES
double conditionRow(int nb, const double* kind, const double* value, double ambient, const double* g,
                    const double* h, double* a)
{
    double rhs = 0.0;
    int j = 1;
    for (; j + 3 <= nb; j += 4) {
        Vec4 k, v, gj, hj;
        load4(k, kind + j);
        load4(v, value + j);
        load4(gj, g + j);
        load4(hj, h + j);
        const Vec4 convection = gj * v - hj;
        const Vec4 entry = k == 1.0 ? gj : (k == 2.0 ? -hj : convection);
        store4(a + j, entry);
        // Row i states Σ G·q = Σ H·u with the unknown of each node on the
        // left; x − y is x + (−y) to the last bit, so a flux node's term is
        // added negated.
        const Vec4 term = k == 1.0 ? v * hj : (k == 2.0 ? -(gj * v) : gj * v * ambient);
        rhs = rhs + term[0];
        rhs = rhs + term[1];
        rhs = rhs + term[2];
        rhs = rhs + term[3];
    }
    for (; j <= nb; ++j) {
        const double v = value[j];
        if (kind[j] == 1.0) {
            a[j] = g[j];
            rhs = rhs + v * h[j];
        } else if (kind[j] == 2.0) {
            a[j] = -h[j];
            rhs = rhs - g[j] * v;
        } else {
            a[j] = g[j] * v - h[j];
            rhs = rhs + g[j] * v * ambient;
        }
    }
    return rhs;
}

} // namespace

void applyConditions(SolverContext& ctx, int i, const double* gRow, const double* hRow)
{
    ctx.rightHandSide[i] = conditionRow(ctx.boundaryNodeCount, &ctx.nodeKind[1] - 1, &ctx.nodeValue[1] - 1,
                                        ctx.ambientTemperature, gRow, hRow, ctx.systemMatrix.rowBase(i));
}

void assembleSystem(SolverContext& ctx)
{
    const int nb = ctx.boundaryNodeCount;
    checkConditionKinds(ctx);
    // Each row is its own work, so the rows are shared out among the cores.
    inParallel(nb, [&ctx, nb](int first, int last) {
        BoundaryRows rows(ctx);
        std::vector<double> g(static_cast<std::size_t>(nb) + 1);
        std::vector<double> h(static_cast<std::size_t>(nb) + 1);
        for (int i = first; i <= last; ++i) {
            rows.integrate(i, g.data(), h.data());
            applyConditions(ctx, i, g.data(), h.data());
        }
    });
}

} // namespace zorind::solver
