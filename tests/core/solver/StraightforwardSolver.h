#pragma once

// The elimination and the boundary integration as they were before the
// blocked and vectorised versions: one pivot row at a time over the whole
// trailing matrix, and the ten-point rule with the library logarithm. Kept as
// the oracle of the tests and the baseline of the benchmarks.

#include <array>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/solver/Assembly.h"
#include "core/solver/Integration.h"
#include "core/solver/LinearSolve.h"
#include "core/solver/Workspace.h"

namespace zorind::solver::straightforward {

inline void gaussSolve(SolverContext& ctx, int n)
{
    constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
    auto writeTrace = [](std::FILE* out, const char* text) {
        if (out == nullptr) {
            return;
        }
        std::fputs(text, out);
        std::fputc('\n', out);
        std::fflush(out);
    };
    auto checkFaults = [] {
        if (std::fetestexcept(kFaults) != 0) {
            throw SingularMatrixError("floating-point fault in the elimination");
        }
    };
    if (n < 1) {
        throw SolverError("no boundary unknowns");
    }
    DoubleMatrix& a = ctx.systemMatrix;
    DoubleVector& b = ctx.rightHandSide;
    std::FILE* trace = ctx.trace;

    std::feclearexcept(kFaults);

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
    auto exchange = [&](int i, int j) {
        double* ri = a.rowBase(i);
        double* rj = a.rowBase(j);
        for (int k = i; k <= n; ++k) {
            std::swap(ri[k], rj[k]);
        }
        std::swap(b[i], b[j]);
    };

    for (int i = 1; i <= n - 1; ++i) {
        if (std::fabs(a[i][i]) <= kPivotThreshold) {
            for (int j = i + 1; j <= n; ++j) {
                if (std::fabs(a[j][i]) > kPivotThreshold) {
                    exchange(i, j);
                    break;
                }
            }
        }
        if (negligible(a[i][i], i)) {
            int usable = 0;
            for (int j = i + 1; j <= n && usable == 0; ++j) {
                if (!negligible(a[j][i], i)) {
                    usable = j;
                }
            }
            if (usable == 0) {
                throw SingularMatrixError("negligible pivot in row " + std::to_string(i));
            }
            exchange(i, usable);
        }
        if (std::fabs(a[i][i]) <= kPivotThreshold) {
            writeTrace(trace, kSingularTraceLine);
        }

        double* ai = a.rowBase(i);
        const double p = ai[i];
        for (int j = i + 1; j <= n; ++j) {
            ai[j] = ai[j] / p;
        }
        b[i] = b[i] / p;
        const double bi = b[i];

        for (int j = i + 1; j <= n; ++j) {
            double* aj = a.rowBase(j);
            const double e = aj[i];
            for (int k = i + 1; k <= n; ++k) {
                aj[k] = aj[k] - ai[k] * e;
            }
            b[j] = b[j] - bi * e;
        }
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
        const double* row = a.rowBase(n - i);
        double s = b[n - i];
        for (int j = n - i + 1; j <= n; ++j) {
            s = s - row[j] * b[j];
        }
        b[n - i] = s;
    }
    checkFaults();
}

struct ShapeTable {
    std::array<std::array<double, 3>, 10> n{};
    std::array<double, 10> towardNode1{};
    std::array<double, 10> towardNode3{};
    ShapeTable()
    {
        for (std::size_t p = 0; p < kGaussPoints.size(); ++p) {
            const double xi = kGaussPoints[p].abscissa;
            towardNode1[p] = (1.0 - xi) / 2.0;
            towardNode3[p] = (1.0 + xi) / 2.0;
            n[p][0] = xi * (xi - 1.0) / 2.0;
            n[p][1] = (1.0 - xi) * (1.0 + xi);
            n[p][2] = xi * (xi + 1.0) / 2.0;
        }
    }
};

inline const ShapeTable& shapes()
{
    static const ShapeTable table;
    return table;
}

inline ElementIntegrals integrateElement(double px, double py, double x1, double y1, double x2, double y2, double x3,
                                         double y3, double length, double conductivity)
{
    ElementIntegrals out;
    const double L = length;
    const double k = conductivity;
    const bool atNode1 = px == x1 && py == y1;
    const bool atNode2 = !atNode1 && px == x2 && py == y2;
    const bool atNode3 = !atNode1 && !atNode2 && px == x3 && py == y3;

    if (atNode1 || atNode3) {
        const double lnL = std::log(L);
        const double own = L * (17.0 / 9.0 - (2.0 / 3.0) * lnL) / (8.0 * kPi * k);
        const double middle = L * (5.0 / 9.0 - (2.0 / 3.0) * lnL) / (2.0 * kPi * k);
        const double opposite = L * (-1.0 / 9.0 - (2.0 / 3.0) * lnL) / (8.0 * kPi * k);
        out.g = atNode1 ? std::array<double, 3>{own, middle, opposite} : std::array<double, 3>{opposite, middle, own};
        return out;
    }
    if (atNode2) {
        const long double third = 1.0L / 3.0L;
        const long double lnTerm = third * static_cast<long double>(std::log(2.0 / L));
        const double end = static_cast<double>(static_cast<long double>(L) * (lnTerm + 1.0 / 9.0) / (4.0 * kPi * k));
        const double middle = static_cast<double>(static_cast<long double>(L) * (lnTerm + 4.0 / 9.0) / (kPi * k));
        out.g = {end, middle, end};
        return out;
    }

    const double deltaX = x3 - x1;
    const double deltaY = y3 - y1;
    const ShapeTable& table = shapes();
    double sumG[3] = {0.0, 0.0, 0.0};
    double sumH[3] = {0.0, 0.0, 0.0};
    for (std::size_t p = 0; p < kGaussPoints.size(); ++p) {
        const double w = kGaussPoints[p].weight;
        const double dx = table.towardNode1[p] * x1 + table.towardNode3[p] * x3 - px;
        const double dy = table.towardNode1[p] * y1 + table.towardNode3[p] * y3 - py;
        const double r2 = dx * dx + dy * dy;
        const double gw = -0.5 * std::log(r2) * w;
        const double hw = (dx * deltaY - dy * deltaX) / r2 * w;
        for (std::size_t a = 0; a < 3; ++a) {
            const double na = table.n[p][a];
            sumG[a] += na * gw;
            sumH[a] += na * hw;
        }
    }
    for (std::size_t a = 0; a < 3; ++a) {
        out.g[a] = sumG[a] * L / (4.0 * kPi * k);
        out.h[a] = sumH[a] / (4.0 * kPi);
    }
    return out;
}

// Every row of G and H, the internal points' rows after the boundary's,
// each row indexed by column 1..nb.
struct Matrices {
    std::vector<std::vector<double>> g;
    std::vector<std::vector<double>> h;
};

inline Matrices integrateBoundary(const SolverContext& ctx)
{
    const int nb = ctx.boundaryNodeCount;
    const int ne = ctx.elementCount;
    const int rows = nb + ctx.internalRowCount;
    Matrices m;
    m.g.assign(static_cast<std::size_t>(rows) + 1, std::vector<double>(static_cast<std::size_t>(nb) + 1, 0.0));
    m.h = m.g;
    for (int j = 1; j <= rows; ++j) {
        const double px = ctx.nodeX[j];
        const double py = ctx.nodeY[j];
        std::vector<double>& gRow = m.g[static_cast<std::size_t>(j)];
        std::vector<double>& hRow = m.h[static_cast<std::size_t>(j)];
        for (int k = 1; k <= ne; ++k) {
            const int n1 = ctx.elementNodes[k][1];
            const int n2 = ctx.elementNodes[k][2];
            const int n3 = ctx.elementNodes[k][3];
            const ElementIntegrals in =
                integrateElement(px, py, ctx.nodeX[n1], ctx.nodeY[n1], ctx.nodeX[n2], ctx.nodeY[n2], ctx.nodeX[n3],
                                 ctx.nodeY[n3], ctx.elementLength[k], ctx.conductivity);
            const int nodes[3] = {n1, n2, n3};
            for (int a = 0; a < 3; ++a) {
                gRow[static_cast<std::size_t>(nodes[a])] += in.g[static_cast<std::size_t>(a)];
                hRow[static_cast<std::size_t>(nodes[a])] += in.h[static_cast<std::size_t>(a)];
            }
        }
        if (j <= nb) {
            double sum = 0.0;
            for (int t = 1; t <= nb; ++t) {
                if (t != j) {
                    sum += hRow[static_cast<std::size_t>(t)];
                }
            }
            hRow[static_cast<std::size_t>(j)] = -sum;
        }
    }
    return m;
}

// The whole solution on a prepared workspace the way it was first written:
// every row of G and H stored, the conditions applied, the elimination one
// pivot row at a time, the internal points from their stored rows.
inline void solve(SolverContext& ctx)
{
    numberNodes(ctx);
    const Matrices m = integrateBoundary(ctx);
    const int nb = ctx.boundaryNodeCount;
    checkConditionKinds(ctx);
    for (int i = 1; i <= nb; ++i) {
        applyConditions(ctx, i, m.g[static_cast<std::size_t>(i)].data(), m.h[static_cast<std::size_t>(i)].data());
    }
    straightforward::gaussSolve(ctx, nb);
    recoverNodalValues(ctx);
    for (int i = 1; i <= ctx.internalRowCount; ++i) {
        const std::vector<double>& g = m.g[static_cast<std::size_t>(nb + i)];
        const std::vector<double>& h = m.h[static_cast<std::size_t>(nb + i)];
        double s = 0.0;
        for (int t = 1; t <= nb; ++t) {
            s = (s - g[static_cast<std::size_t>(t)] * ctx.nodeFlux[t]) + h[static_cast<std::size_t>(t)] * ctx.nodePotential[t];
        }
        ctx.internalPotential[i] = s;
    }
    distributeToElements(ctx);
}

} // namespace zorind::solver::straightforward
