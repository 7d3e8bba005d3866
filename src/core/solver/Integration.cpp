#include "solver/Integration.h"

#include <cmath>

namespace zorind::solver {

namespace {

// The quadratic shape functions at the ten Gauss points, in rule order.
struct ShapeTable {
    std::array<std::array<double, 3>, 10> n{};
    // The weights of node 1 and node 3 in the linear geometry, (1 ∓ ξ)/2.
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

const ShapeTable& shapes()
{
    static const ShapeTable table;
    return table;
}

// Kind at position a (0 node 1, 1 middle, 2 node 2) of element e.
double kindAt(const SolverContext& ctx, int e, int a)
{
    return ctx.elementConditions[6 * e - 5 + 2 * a];
}

double valueAt(const SolverContext& ctx, int e, int a)
{
    return ctx.elementConditions[6 * e - 4 + 2 * a];
}

// Whether element e and the element after it meet at a shared node (same
// condition kind on both sides) rather than at a double node.
bool sharesNodeWith(const SolverContext& ctx, int e, int next)
{
    return kindAt(ctx, e, 2) == kindAt(ctx, next, 0);
}

} // namespace

void numberNodes(SolverContext& ctx)
{
    const int nc = ctx.chainCount;

    // Kinds, values and numbering. Later writes overwrite earlier ones, so a
    // shared node keeps the kind and value of the later element's node 1.
    int j = 1;
    for (int c = 1; c <= nc; ++c) {
        const int first = ctx.chainElementEnd[c - 1] + 1;
        const int last = ctx.chainElementEnd[c];
        for (int e = first; e <= last; ++e) {
            for (int a = 0; a < 3; ++a) {
                ctx.nodeKind[j + a] = kindAt(ctx, e, a);
                ctx.nodeValue[j + a] = valueAt(ctx, e, a);
            }
            if (e != last) {
                j += sharesNodeWith(ctx, e, e + 1) ? 2 : 3;
            } else if (sharesNodeWith(ctx, e, first)) {
                ctx.chainNodeEnd[c] = j + 1; // closes on the chain's first node
                j += 2;
            } else {
                ctx.chainNodeEnd[c] = j + 2; // a closing double node
                j += 3;
            }
        }
        if (first > last) {
            ctx.chainNodeEnd[c] = j - 1; // a chain without elements has no nodes
        }
    }
    const int nb = j - 1;
    ctx.boundaryNodeCount = nb;

    // Coordinates.
    for (int c = 1; c <= nc; ++c) {
        const int first = ctx.chainElementEnd[c - 1] + 1;
        const int last = ctx.chainElementEnd[c];
        const int firstNode = ctx.chainNodeEnd[c - 1] + 1;
        int d = firstNode;
        for (int e = first; e <= last; ++e) {
            ctx.nodeX[d] = ctx.elementGeometry[4 * e - 3];
            ctx.nodeY[d] = ctx.elementGeometry[4 * e - 2];
            ctx.nodeX[d + 1] = ctx.elementGeometry[4 * e - 1];
            ctx.nodeY[d + 1] = ctx.elementGeometry[4 * e];
            if (e != last) {
                ctx.nodeX[d + 2] = ctx.elementGeometry[4 * (e + 1) - 3];
                ctx.nodeY[d + 2] = ctx.elementGeometry[4 * (e + 1) - 2];
                d += sharesNodeWith(ctx, e, e + 1) ? 2 : 3;
            } else if (d + 2 == ctx.chainNodeEnd[c]) {
                ctx.nodeX[d + 2] = ctx.nodeX[firstNode];
                ctx.nodeY[d + 2] = ctx.nodeY[firstNode];
            }
        }
    }
    for (int i = 1; i <= ctx.internalRowCount; ++i) {
        ctx.nodeX[nb + i] = ctx.pointX[i];
        ctx.nodeY[nb + i] = ctx.pointY[i];
    }

    // Connectivity: a double node shows as two consecutive nodes at one point.
    for (int c = 1; c <= nc; ++c) {
        const int first = ctx.chainElementEnd[c - 1] + 1;
        const int last = ctx.chainElementEnd[c];
        if (first > last) {
            continue;
        }
        const int firstNode = ctx.chainNodeEnd[c - 1] + 1;
        const int lastNode = ctx.chainNodeEnd[c];
        int c0 = firstNode;
        for (int e = first; e <= last; ++e) {
            ctx.elementNodes[e][1] = c0;
            ctx.elementNodes[e][2] = c0 + 1;
            ctx.elementNodes[e][3] = c0 + 2;
            if (e != last) {
                const bool samePoint = ctx.nodeX[c0 + 3] == ctx.nodeX[c0 + 2] && ctx.nodeY[c0 + 3] == ctx.nodeY[c0 + 2];
                c0 += samePoint ? 3 : 2;
            }
        }
        if (ctx.nodeX[firstNode] != ctx.nodeX[lastNode] || ctx.nodeY[firstNode] != ctx.nodeY[lastNode]) {
            ctx.elementNodes[last][3] = firstNode;
        }
    }

    // Lengths.
    for (int e = 1; e <= ctx.elementCount; ++e) {
        const int n1 = ctx.elementNodes[e][1];
        const int n3 = ctx.elementNodes[e][3];
        const double dx = ctx.nodeX[n3] - ctx.nodeX[n1];
        const double dy = ctx.nodeY[n3] - ctx.nodeY[n1];
        ctx.elementLength[e] = std::sqrt(dx * dx + dy * dy);
    }
}

ElementIntegrals integrateElement(double px, double py, double x1, double y1, double x2, double y2, double x3,
                                  double y3, double length, double conductivity)
{
    ElementIntegrals out;
    const double L = length;
    const double k = conductivity;
    const bool atNode1 = px == x1 && py == y1;
    const bool atNode2 = !atNode1 && px == x2 && py == y2;
    const bool atNode3 = !atNode1 && !atNode2 && px == x3 && py == y3;

    if (atNode1 || atNode3) {
        // The exact integrals of Na·ln(1/r) with the singular point at an end.
        const double lnL = std::log(L);
        const double own = L * (17.0 / 9.0 - (2.0 / 3.0) * lnL) / (8.0 * kPi * k);
        const double middle = L * (5.0 / 9.0 - (2.0 / 3.0) * lnL) / (2.0 * kPi * k);
        const double opposite = L * (-1.0 / 9.0 - (2.0 / 3.0) * lnL) / (8.0 * kPi * k);
        out.g = atNode1 ? std::array<double, 3>{own, middle, opposite} : std::array<double, 3>{opposite, middle, own};
        return out;
    }
    if (atNode2) {
        // The third is taken in extended precision, as the solver always has.
        const long double third = 1.0L / 3.0L;
        const long double lnTerm = third * static_cast<long double>(std::log(2.0 / L));
        const double end = static_cast<double>(static_cast<long double>(L) * (lnTerm + 1.0 / 9.0) / (4.0 * kPi * k));
        const double middle = static_cast<double>(static_cast<long double>(L) * (lnTerm + 4.0 / 9.0) / (kPi * k));
        out.g = {end, middle, end};
        return out;
    }

    // The sums over the ten points are taken in rule order; the factors common
    // to every point (L / (4π k) for G, 1 / (4π) for H) are applied once at
    // the end.
    const double deltaX = x3 - x1;
    const double deltaY = y3 - y1;
    const ShapeTable& table = shapes();
    double sumG[3] = {0.0, 0.0, 0.0};
    double sumH[3] = {0.0, 0.0, 0.0};
    for (std::size_t p = 0; p < kGaussPoints.size(); ++p) {
        const double w = kGaussPoints[p].weight;
        const double dx = table.towardNode1[p] * x1 + table.towardNode3[p] * x3 - px;
        const double dy = table.towardNode1[p] * y1 + table.towardNode3[p] * y3 - py;
        // ln(1/r) taken as -ln(r²)/2: the same value without a square root
        // and a division, which cost a third of the integration time.
        const double r2 = dx * dx + dy * dy;
        const double gw = -0.5 * std::log(r2) * w;
        // (r·ñ)/r² with ñ = (Δy, −Δx)/L; the L cancels against the Jacobian.
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

void integrateBoundary(SolverContext& ctx)
{
    const int nb = ctx.boundaryNodeCount;
    const int ne = ctx.elementCount;
    const int rows = nb + ctx.internalRowCount;

    for (int e = 1; e <= ne; ++e) {
        for (int a = 1; a <= 3; ++a) {
            ctx.columnNode[3 * e - 3 + a] = ctx.elementNodes[e][a];
        }
    }

    for (int j = 1; j <= rows; ++j) {
        const double px = ctx.nodeX[j];
        const double py = ctx.nodeY[j];
        const DoubleMatrix::Row gRow = ctx.G[j];
        const DoubleMatrix::Row hRow = ctx.H[j];
        for (int t = 1; t <= nb; ++t) {
            gRow[t] = 0.0;
            hRow[t] = 0.0;
        }
        // Assembly in increasing element-local column: element k owns
        // columns 3k-2, 3k-1, 3k, so walking the elements in order and their
        // three nodes in order adds every local column in turn.
        for (int k = 1; k <= ne; ++k) {
            const int n1 = ctx.elementNodes[k][1];
            const int n2 = ctx.elementNodes[k][2];
            const int n3 = ctx.elementNodes[k][3];
            const ElementIntegrals in =
                integrateElement(px, py, ctx.nodeX[n1], ctx.nodeY[n1], ctx.nodeX[n2], ctx.nodeY[n2], ctx.nodeX[n3],
                                 ctx.nodeY[n3], ctx.elementLength[k], ctx.conductivity);
            const int nodes[3] = {n1, n2, n3};
            for (int a = 0; a < 3; ++a) {
                gRow[nodes[a]] += in.g[static_cast<std::size_t>(a)];
                hRow[nodes[a]] += in.h[static_cast<std::size_t>(a)];
            }
        }
        // The diagonal of H from the row sum, in place of the free term and
        // the singular part.
        if (j <= nb) {
            double sum = 0.0;
            for (int t = 1; t <= nb; ++t) {
                if (t != j) {
                    sum += hRow[t];
                }
            }
            hRow[j] = -sum;
        }
    }
}

} // namespace zorind::solver
