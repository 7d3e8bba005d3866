#include <gtest/gtest.h>

#include <vector>

#include <cfenv>
#include <cmath>

#include "core/solver/Compute.h"
#include "core/solver/Integration.h"
#include "support/SolverModels.h"

namespace zorind::solver {
namespace {

using test::Point;

// Prepares the workspace of `p` and numbers its nodes.
void numbered(SolverContext& ctx, const Project& p)
{
    prepareWorkspace(ctx, p);
    numberNodes(ctx);
}

// A square of four elements whose conditions are given per element.
Project square(std::initializer_list<int> conditions)
{
    Project p = test::emptyProject();
    auto it = conditions.begin();
    test::addChain(p, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, [&](Point, Point) { return *it++; });
    return p;
}

TEST(NumberNodes, OneKindAllRoundSharesEveryCorner)
{
    Project p = square({1, 1, 1, 1});
    SolverContext ctx;
    numbered(ctx, p);
    EXPECT_EQ(ctx.boundaryNodeCount, 8);
    EXPECT_EQ(ctx.chainNodeEnd[1], 8);
    const int expected[4][3] = {{1, 2, 3}, {3, 4, 5}, {5, 6, 7}, {7, 8, 1}};
    for (int e = 1; e <= 4; ++e) {
        for (int a = 1; a <= 3; ++a) {
            EXPECT_EQ(ctx.elementNodes[e][a], expected[e - 1][a - 1]) << e << "," << a;
        }
        EXPECT_DOUBLE_EQ(ctx.elementLength[e], 2.0);
    }
    // Corners and midpoints in chain order.
    const double xs[] = {0, 1, 2, 2, 2, 1, 0, 0};
    const double ys[] = {0, 0, 0, 1, 2, 2, 2, 1};
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(ctx.nodeX[n], xs[n - 1]);
        EXPECT_EQ(ctx.nodeY[n], ys[n - 1]);
    }
}

TEST(NumberNodes, EveryKindChangeAddsADoubleNodeTheClosingOneIncluded)
{
    Project p = test::emptyProject();
    const int potential = test::addCondition(p, 1.0f, 4.0f, 5.0f, 6.0f);
    // Kinds 2, 1, 1, 2: changes after element 1 and after element 3 (none
    // at the closing node, since element 4 and element 1 are both flux).
    test::addChain(p, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, [&, n = 0](Point, Point) mutable {
        ++n;
        return (n == 2 || n == 3) ? potential : 1;
    });
    SolverContext ctx;
    numbered(ctx, p);
    EXPECT_EQ(ctx.boundaryNodeCount, 10);
    const int expected[4][3] = {{1, 2, 3}, {4, 5, 6}, {6, 7, 8}, {9, 10, 1}};
    for (int e = 1; e <= 4; ++e) {
        for (int a = 1; a <= 3; ++a) {
            EXPECT_EQ(ctx.elementNodes[e][a], expected[e - 1][a - 1]) << e << "," << a;
        }
    }
    // The double node (3, 4) at (2, 0): one solver node for each side.
    EXPECT_EQ(ctx.nodeX[3], 2.0);
    EXPECT_EQ(ctx.nodeX[4], 2.0);
    EXPECT_EQ(ctx.nodeKind[3], 2.0);
    EXPECT_EQ(ctx.nodeKind[4], 1.0);
    // Node 6 is shared by elements 2 and 3 and keeps element 3's node-1 value.
    EXPECT_EQ(ctx.nodeValue[6], 4.0);
    EXPECT_EQ(ctx.nodeValue[5], 5.0);

    // Now with a change at the closing node as well.
    p.elements[4].condition = potential;
    p.elements[2].condition = 1;
    // Kinds 2, 2, 1, 1: changes after element 2 and between element 4 and 1.
    SolverContext ctx2;
    numbered(ctx2, p);
    EXPECT_EQ(ctx2.boundaryNodeCount, 10);
    EXPECT_EQ(ctx2.chainNodeEnd[1], 10);
    EXPECT_EQ(ctx2.elementNodes[4][3], 10);
    EXPECT_EQ(ctx2.nodeX[10], 0.0);
    EXPECT_EQ(ctx2.nodeY[10], 0.0);
    EXPECT_EQ(ctx2.nodeKind[10], 1.0);
    EXPECT_EQ(ctx2.nodeKind[1], 2.0);
}

TEST(NumberNodes, ChainsFollowEachOtherAndInternalPointsComeLast)
{
    Project p = test::emptyProject();
    const int potential = test::addCondition(p, 1.0f, 1.0f, 1.0f, 1.0f);
    const int hole = test::addBoundary(p, InnerBoundary);
    test::addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 1, 1);
    test::addPolygon(p, {{4, 4}, {4, 6}, {6, 6}, {6, 4}}, potential, hole);
    test::addInternalPoint(p, 2.0f, 3.0f);
    test::addInternalPoint(p, 8.0f, 7.0f);
    SolverContext ctx;
    numbered(ctx, p);
    EXPECT_EQ(ctx.chainNodeEnd[1], 8);
    EXPECT_EQ(ctx.chainNodeEnd[2], 16);
    EXPECT_EQ(ctx.boundaryNodeCount, 16);
    EXPECT_EQ(ctx.elementNodes[5][1], 9);
    EXPECT_EQ(ctx.elementNodes[8][3], 9);
    EXPECT_EQ(ctx.nodeX[9], 4.0);
    EXPECT_EQ(ctx.nodeX[17], 2.0);
    EXPECT_EQ(ctx.nodeY[18], 7.0);
}

// The integral of Na·ln(1/r)·(L/2) dξ / (2π k) over a straight element of
// length L with the point at parameter ξ0 on it, computed numerically on
// subintervals that shrink geometrically towards the singular point.
double referenceG(int a, double L, double xi0, double k)
{
    auto shape = [a](double xi) {
        return a == 1 ? xi * (xi - 1) / 2 : a == 2 ? (1 - xi) * (1 + xi) : xi * (xi + 1) / 2;
    };
    auto integrand = [&](double xi) { return shape(xi) * std::log(1.0 / (L * std::fabs(xi - xi0) / 2)) * L / 2; };
    auto side = [&](double from, double to) {
        // [from, to] with the singularity at `from`; pieces [d/2^(m+1), d/2^m].
        double sum = 0.0;
        const double d = to - from;
        for (int m = 0; m < 40; ++m) {
            const double lo = from + d / std::ldexp(1.0, m + 1);
            const double hi = from + d / std::ldexp(1.0, m);
            for (const GaussPoint& g : kGaussPoints) {
                const double xi = (lo + hi) / 2 + g.abscissa * (hi - lo) / 2;
                sum += integrand(xi) * g.weight * (hi - lo) / 2;
            }
        }
        return sum;
    };
    double total = 0.0;
    if (xi0 < 1.0) {
        total += side(xi0, 1.0);
    }
    if (xi0 > -1.0) {
        total -= side(xi0, -1.0);
    }
    return total / (2 * kPi * k);
}

TEST(IntegrateElement, NodesOfTheElementUseTheExactIntegrals)
{
    for (double L : {0.3, 1.0, 2.5}) {
        const double k = 1.7;
        // Element along a slanted line from (1, 2) with length L.
        const double ux = 0.6, uy = 0.8;
        const double x1 = 1.0, y1 = 2.0, x3 = x1 + L * ux, y3 = y1 + L * uy;
        const double x2 = (x1 + x3) / 2, y2 = (y1 + y3) / 2;
        const double at[3][2] = {{x1, y1}, {x2, y2}, {x3, y3}};
        const double xi0[3] = {-1.0, 0.0, 1.0};
        for (int node = 0; node < 3; ++node) {
            const ElementIntegrals in = integrateElement(at[node][0], at[node][1], x1, y1, x2, y2, x3, y3, L, k);
            for (int a = 1; a <= 3; ++a) {
                const double expected = referenceG(a, L, xi0[node], k);
                EXPECT_NEAR(in.g[a - 1], expected, 1e-9 * (1 + std::fabs(expected)))
                    << "L " << L << " node " << node + 1 << " N" << a;
                EXPECT_EQ(in.h[a - 1], 0.0);
            }
        }
    }
}

TEST(IntegrateElement, UnitLengthAtNodeOneGivesTheTextbookValues)
{
    const ElementIntegrals in = integrateElement(0, 0, 0, 0, 0.5, 0, 1, 0, 1.0, 1.0);
    EXPECT_NEAR(in.g[0], 17.0 / (72.0 * kPi), 1e-15);
    EXPECT_NEAR(in.g[1], 5.0 / (18.0 * kPi), 1e-15);
    EXPECT_NEAR(in.g[2], -1.0 / (72.0 * kPi), 1e-15);
}

TEST(IntegrateElement, DistantPointsUseTheTenPointRule)
{
    // Element from (0, 0) to (2, 0); the point at (0.7, 1.5).
    const double px = 0.7, py = 1.5, L = 2.0, k = 3.0;
    const ElementIntegrals in = integrateElement(px, py, 0, 0, 1, 0, 2, 0, L, k);
    // Reference by a fine midpoint rule.
    double g[3] = {0, 0, 0}, h[3] = {0, 0, 0};
    const int steps = 200000;
    for (int s = 0; s < steps; ++s) {
        const double xi = -1.0 + (s + 0.5) * 2.0 / steps;
        const double x = 1.0 + xi; // along the element
        const double dx = x - px, dy = -py;
        const double r2 = dx * dx + dy * dy;
        const double n[3] = {xi * (xi - 1) / 2, (1 - xi) * (1 + xi), xi * (xi + 1) / 2};
        // Normal (Δy, −Δx)/L = (0, −1): r·n = −dy.
        for (int a = 0; a < 3; ++a) {
            g[a] += n[a] * std::log(1 / std::sqrt(r2)) / (2 * kPi * k) * (L / 2) * (2.0 / steps);
            h[a] += n[a] * (-dy) / (2 * kPi * r2) * (L / 2) * (2.0 / steps);
        }
    }
    for (int a = 0; a < 3; ++a) {
        EXPECT_NEAR(in.g[a], g[a], 1e-7) << a;
        EXPECT_NEAR(in.h[a], h[a], 1e-7) << a;
    }
}

TEST(IntegrateElement, APointOnAGaussPointIsAFloatingPointFault)
{
    const double xi = kGaussPoints[4].abscissa;
    const double px = (1.0 - xi) / 2.0 * 0.0 + (1.0 + xi) / 2.0 * 2.0;
    std::feclearexcept(FE_ALL_EXCEPT);
    const ElementIntegrals in = integrateElement(px, 0.0, 0, 0, 1, 0, 2, 0, 2.0, 1.0);
    EXPECT_NE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID), 0);
    EXPECT_FALSE(std::isfinite(in.g[0]) && std::isfinite(in.h[0]));
    std::feclearexcept(FE_ALL_EXCEPT);
}

// Assembled H of a closed boundary: zero row sums over the boundary columns
// (the diagonal is built that way), and for an internal point the row sums
// to 1 (a constant potential with no flux is reproduced inside) and to 0 for
// a point outside.
TEST(IntegrateBoundary, RowSumsOfHReproduceAConstantPotential)
{
    Project p = test::emptyProject();
    const int potential = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    test::addChain(p, test::circlePoints(0, 0, 1.0, 16),
                   [&, n = 0](Point, Point) mutable { return (++n % 2 == 0) ? potential : 1; });
    test::addInternalPoint(p, 0.1f, 0.2f);
    test::addInternalPoint(p, -0.4f, 0.3f);
    test::addInternalPoint(p, 3.0f, 1.0f);
    SolverContext ctx;
    numbered(ctx, p);
    const int nb = ctx.boundaryNodeCount;
    EXPECT_EQ(nb, 48);
    BoundaryRows rows(ctx);
    std::vector<double> g(static_cast<std::size_t>(nb) + 1);
    std::vector<double> h(static_cast<std::size_t>(nb) + 1);
    for (int j = 1; j <= nb; ++j) {
        rows.integrate(j, g.data(), h.data());
        double sum = 0.0;
        for (int t = 1; t <= nb; ++t) {
            sum += h[static_cast<std::size_t>(t)];
        }
        EXPECT_NEAR(sum, 0.0, 1e-12) << "row " << j;
    }
    const double expected[] = {1.0, 1.0, 0.0};
    for (int i = 1; i <= 3; ++i) {
        rows.integrate(nb + i, g.data(), h.data());
        double sum = 0.0;
        for (int t = 1; t <= nb; ++t) {
            sum += h[static_cast<std::size_t>(t)];
        }
        EXPECT_NEAR(sum, expected[i - 1], 1e-6) << "internal point " << i;
    }
}

TEST(IntegrateBoundary, AnInternalPointOnABoundaryNodeTakesTheExactIntegrals)
{
    Project p = square({1, 1, 1, 1});
    test::addInternalPoint(p, 2.0f, 0.0f); // the corner shared by elements 1 and 2
    SolverContext ctx;
    numbered(ctx, p);
    const int nb = ctx.boundaryNodeCount;
    BoundaryRows rows(ctx);
    std::vector<double> g(static_cast<std::size_t>(nb) + 1);
    std::vector<double> h(static_cast<std::size_t>(nb) + 1);
    std::vector<double> g3(static_cast<std::size_t>(nb) + 1);
    std::vector<double> h3(static_cast<std::size_t>(nb) + 1);
    rows.integrate(nb + 1, g.data(), h.data());
    rows.integrate(3, g3.data(), h3.data());
    // Boundary node 3 is at the same corner: its row and the internal row
    // are the same integrals (the internal row has no diagonal correction).
    for (std::size_t t = 1; t <= static_cast<std::size_t>(nb); ++t) {
        EXPECT_EQ(g[t], g3[t]) << t;
        if (t != 3) {
            EXPECT_EQ(h[t], h3[t]) << t;
        }
    }
    // Elements 1 and 2 have a node there: exact G, zero H. Node 2 (element 1's
    // middle) and node 4 (element 2's middle) get only those contributions.
    const ElementIntegrals atEnd = integrateElement(2, 0, 0, 0, 1, 0, 2, 0, 2.0, 1.0);
    EXPECT_EQ(g[2], atEnd.g[1]);
    EXPECT_EQ(h[2], 0.0);
    EXPECT_EQ(h[4], 0.0);
    EXPECT_EQ(h[3], 0.0);
}

} // namespace
} // namespace zorind::solver
