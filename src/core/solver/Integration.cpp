#include "core/solver/Integration.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "core/solver/Parallel.h"
#include "kernels/VectorMath.h"

namespace zorind::solver {

using namespace kernels;

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

namespace {

// The elements' geometry lane by lane: four elements per vector, the last
// group filled up with copies of the last element (whose results are not
// used).
struct ElementLanes {
    std::vector<double> x1, y1, x2, y2, x3, y3, length;
    int count = 0;

    explicit ElementLanes(int elements) : count(elements)
    {
        const std::size_t padded = static_cast<std::size_t>((elements + 3) / 4 * 4);
        for (std::vector<double>* v : {&x1, &y1, &x2, &y2, &x3, &y3, &length}) {
            v->assign(padded, 0.0);
        }
    }
    void set(int e, double ax1, double ay1, double ax2, double ay2, double ax3, double ay3, double len)
    {
        const auto i = static_cast<std::size_t>(e);
        x1[i] = ax1;
        y1[i] = ay1;
        x2[i] = ax2;
        y2[i] = ay2;
        x3[i] = ax3;
        y3[i] = ay3;
        length[i] = len;
    }
    void pad()
    {
        for (std::size_t i = static_cast<std::size_t>(count); i < x1.size(); ++i) {
            set(static_cast<int>(i), x1[static_cast<std::size_t>(count - 1)], y1[static_cast<std::size_t>(count - 1)],
                x2[static_cast<std::size_t>(count - 1)], y2[static_cast<std::size_t>(count - 1)],
                x3[static_cast<std::size_t>(count - 1)], y3[static_cast<std::size_t>(count - 1)],
                length[static_cast<std::size_t>(count - 1)]);
        }
    }
    std::size_t padded() const { return x1.size(); }
};

// The ten-point integrals of the point (px, py) against the four elements
// from e on, into g, h and atNode as integrateLanes describes. With
// `careful` every logarithm checks its lanes (the library decides those that
// are not positive normal numbers, flags and all); without, the check is
// left out and the function returns whether a lane would have needed it, in
// which case the caller does the group again with care. A lane's result is
// the same either way when it needs no care.
template <bool careful>
[[gnu::always_inline]] inline bool integrateGroup(const ElementLanes& el, std::size_t e, double px, double py,
                                                  double conductivity, double* g, double* h, unsigned char* atNode)
{
    const ShapeTable& table = shapes();
    const double k = conductivity;
    Vec4 x1, y1, x2, y2, x3, y3, len;
    load4(x1, &el.x1[e]);
    load4(y1, &el.y1[e]);
    load4(x2, &el.x2[e]);
    load4(y2, &el.y2[e]);
    load4(x3, &el.x3[e]);
    load4(y3, &el.y3[e]);
    load4(len, &el.length[e]);
    const Int4 singular = ((px == x1) & (py == y1)) | ((px == x2) & (py == y2)) | ((px == x3) & (py == y3));
    const Vec4 deltaX = x3 - x1;
    const Vec4 deltaY = y3 - y1;
    const Vec4 one = {1.0, 1.0, 1.0, 1.0};
    Int4 needsCare = {0, 0, 0, 0};
    Vec4 sumG[3] = {{0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0}};
    Vec4 sumH[3] = {{0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 0.0}};
    for (std::size_t p = 0; p < kGaussPoints.size(); ++p) {
        const double w = kGaussPoints[p].weight;
        const Vec4 dx = table.towardNode1[p] * x1 + table.towardNode3[p] * x3 - px;
        const Vec4 dy = table.towardNode1[p] * y1 + table.towardNode3[p] * y3 - py;
        // ln(1/r) taken as -ln(r²)/2: the same value without a square root
        // and a division. Lanes at a node of their element would divide
        // zero by zero; they take 1 and are replaced by the exact values.
        Vec4 r2 = dx * dx + dy * dy;
        r2 = singular ? one : r2;
        // Within a unit in the last place of the library's logarithm, at a
        // third of its cost. The stored single-precision results do not see
        // the difference, except values that are rounding noise (a flux of
        // 1e-14 where the exact value is 0), which move by as little.
        Vec4 lnR2 = r2;
        if constexpr (careful) {
            log4(lnR2);
        } else {
            Int4 odd;
            notPositiveNormal(odd, r2);
            needsCare |= odd;
            lnR2 = odd ? one : lnR2;
            log4PositiveNormal(lnR2);
        }
        const Vec4 gw = -0.5 * lnR2 * w;
        // (r·ñ)/r² with ñ = (Δy, −Δx)/L; the L cancels against the Jacobian.
        const Vec4 hw = (dx * deltaY - dy * deltaX) / r2 * w;
        for (std::size_t a = 0; a < 3; ++a) {
            const double na = table.n[p][a];
            sumG[a] += na * gw;
            sumH[a] += na * hw;
        }
    }
    if (!careful && (needsCare[0] | needsCare[1] | needsCare[2] | needsCare[3]) != 0) {
        return true;
    }
    // The factors common to every point (L / (4π k) for G, 1 / (4π) for H)
    // applied once at the end.
    const std::size_t lanes = std::min<std::size_t>(4, static_cast<std::size_t>(el.count) - e);
    for (std::size_t a = 0; a < 3; ++a) {
        const Vec4 ga = sumG[a] * len / (4.0 * kPi * k);
        const Vec4 ha = sumH[a] / (4.0 * kPi);
        for (std::size_t lane = 0; lane < lanes; ++lane) {
            g[3 * (e + lane) + a] = ga[lane];
            h[3 * (e + lane) + a] = ha[lane];
        }
    }
    for (std::size_t lane = 0; lane < lanes; ++lane) {
        atNode[e + lane] = singular[lane] != 0 ? 1 : 0;
    }
    return false;
}

// The ten-point integrals of the point (px, py) against every element, four
// elements at a time; element e's G and H go to g[3e..3e+2] and h[3e..3e+2]
// (0-based). An element with a node at the point is not integrated by the
// rule: its flag in `atNode` is set and its slots are left for the exact
// integrals. Each lane does the arithmetic of one element in the order the
// rule has always been summed, so a lane's result does not depend on its
// neighbours or on the copy of the loop that runs.
ZORIND_VECTOR_CLONES
void integrateLanes(const ElementLanes& el, double px, double py, double conductivity, double* g, double* h,
                    unsigned char* atNode)
{
    for (std::size_t e = 0; e < el.padded(); e += 4) {
        if (integrateGroup<false>(el, e, px, py, conductivity, g, h, atNode)) {
            integrateGroup<true>(el, e, px, py, conductivity, g, h, atNode);
        }
    }
}

} // namespace

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

    ElementLanes one(1);
    one.set(0, x1, y1, x2, y2, x3, y3, L);
    one.pad();
    unsigned char atNode = 0;
    integrateLanes(one, px, py, k, out.g.data(), out.h.data(), &atNode);
    return out;
}

// The elements in lanes, with their nodes, and the element integrals of the
// row being integrated.
struct BoundaryRows::ElementSet {
    ElementLanes lanes;
    std::vector<int> nodes; // element e (0-based) at 3e..3e+2
    std::vector<double> g, h;
    std::vector<unsigned char> atNode;

    explicit ElementSet(const SolverContext& ctx)
        : lanes(ctx.elementCount), nodes(static_cast<std::size_t>(3 * ctx.elementCount)),
          g(static_cast<std::size_t>(3 * ctx.elementCount)), h(static_cast<std::size_t>(3 * ctx.elementCount)),
          atNode(static_cast<std::size_t>(ctx.elementCount))
    {
        for (int e = 1; e <= ctx.elementCount; ++e) {
            const int n1 = ctx.elementNodes[e][1];
            const int n2 = ctx.elementNodes[e][2];
            const int n3 = ctx.elementNodes[e][3];
            nodes[static_cast<std::size_t>(3 * e - 3)] = n1;
            nodes[static_cast<std::size_t>(3 * e - 2)] = n2;
            nodes[static_cast<std::size_t>(3 * e - 1)] = n3;
            lanes.set(e - 1, ctx.nodeX[n1], ctx.nodeY[n1], ctx.nodeX[n2], ctx.nodeY[n2], ctx.nodeX[n3], ctx.nodeY[n3],
                      ctx.elementLength[e]);
        }
        if (ctx.elementCount > 0) {
            lanes.pad();
        }
    }
};

BoundaryRows::BoundaryRows(const SolverContext& ctx) : ctx_(ctx), set_(std::make_unique<ElementSet>(ctx)) {}

BoundaryRows::~BoundaryRows() = default;

void BoundaryRows::integrate(int j, double* gRow, double* hRow)
{
    const SolverContext& ctx = ctx_;
    ElementSet& set = *set_;
    const int nb = ctx.boundaryNodeCount;
    const int ne = ctx.elementCount;
    const double px = ctx.nodeX[j];
    const double py = ctx.nodeY[j];
    for (int t = 1; t <= nb; ++t) {
        gRow[t] = 0.0;
        hRow[t] = 0.0;
    }
    if (ne > 0) {
        integrateLanes(set.lanes, px, py, ctx.conductivity, set.g.data(), set.h.data(), set.atNode.data());
    }
    // Assembly in increasing element-local column: element k owns columns
    // 3k-2, 3k-1, 3k, so walking the elements in order and their three nodes
    // in order adds every local column in turn.
    for (int k = 0; k < ne; ++k) {
        const auto base = static_cast<std::size_t>(3 * k);
        if (set.atNode[static_cast<std::size_t>(k)] != 0) {
            const ElementLanes& el = set.lanes;
            const auto i = static_cast<std::size_t>(k);
            const ElementIntegrals exact = integrateElement(px, py, el.x1[i], el.y1[i], el.x2[i], el.y2[i], el.x3[i],
                                                            el.y3[i], el.length[i], ctx.conductivity);
            for (std::size_t a = 0; a < 3; ++a) {
                set.g[base + a] = exact.g[a];
                set.h[base + a] = exact.h[a];
            }
        }
        for (std::size_t a = 0; a < 3; ++a) {
            const int node = set.nodes[base + a];
            gRow[node] += set.g[base + a];
            hRow[node] += set.h[base + a];
        }
    }
    // The diagonal of H from the row sum, in place of the free term and the
    // singular part.
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

void evaluateInternalPoints(SolverContext& ctx)
{
    if (ctx.internalRowCount <= 0) {
        return;
    }
    const int nb = ctx.boundaryNodeCount;
    inParallel(ctx.internalRowCount, [&ctx, nb](int first, int last) {
        BoundaryRows rows(ctx);
        std::vector<double> g(static_cast<std::size_t>(nb) + 1);
        std::vector<double> h(static_cast<std::size_t>(nb) + 1);
        for (int i = first; i <= last; ++i) {
            rows.integrate(nb + i, g.data(), h.data());
            // The free term of an interior point is 1, so the identity gives
            // the potential directly.
            double s = 0.0;
            for (int t = 1; t <= nb; ++t) {
                s = (s - g[static_cast<std::size_t>(t)] * ctx.nodeFlux[t]) +
                    h[static_cast<std::size_t>(t)] * ctx.nodePotential[t];
            }
            ctx.internalPotential[i] = s;
        }
    });
}

} // namespace zorind::solver
