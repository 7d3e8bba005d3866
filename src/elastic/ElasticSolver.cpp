#include "elastic/ElasticSolver.h"
#include "elastic/LuSolve.h"
#include "kernels/VectorMath.h"

#include <Eigen/Dense>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace zorind::elastic {

namespace {

using kernels::Vec4;
using std::numbers::pi;
using Block = std::array<std::array<double, 2>, 2>;

// A node is a corner when the boundary turns there by more than this; there
// the traction may jump and each side gets a traction of its own.
constexpr double cornerAngleDegrees = 1.0;
// A segment is integrated directly once it is no longer than its distance
// from the collocation point; nearer segments are halved.
constexpr double subdivisionRatio = 1.0;
constexpr int maxSubdivisionDepth = 30;
// Below this the LU factors are taken for a singular system. The system is
// made of pure numbers (see the assembly), so the estimate does not depend on
// the units: sound models, slender ones included, stay above 1e-6, a body
// that nothing holds comes out near 1e-11, and the results are written in
// single precision anyway.
constexpr double minReciprocalCondition = 1e-9;

// Gauss-Legendre rules on [-1, 1]: abscissae and weights.
constexpr std::array<double, 8> gauss8x = {-0.9602898564975363, -0.7966664774136267, -0.5255324099163290,
                                           -0.1834346424956498, 0.1834346424956498,  0.5255324099163290,
                                           0.7966664774136267,  0.9602898564975363};
constexpr std::array<double, 8> gauss8w = {0.1012285362903763, 0.2223810344533745, 0.3137066458778873,
                                           0.3626837833783620, 0.3626837833783620, 0.3137066458778873,
                                           0.2223810344533745, 0.1012285362903763};
constexpr std::array<double, 4> gauss4x = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                                           0.8611363115940526};
constexpr std::array<double, 4> gauss4w = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                                           0.3478548451374538};
constexpr std::array<double, 6> gauss6x = {-0.9324695142031521, -0.6612093864662645, -0.2386191860831969,
                                           0.2386191860831969,  0.6612093864662645,  0.9324695142031521};
constexpr std::array<double, 6> gauss6w = {0.1713244923791704, 0.3607615672176393, 0.4679139345726910,
                                           0.4679139345726910, 0.3607615672176393, 0.1713244923791704};
constexpr std::array<double, 2> gauss2x = {-0.5773502691896257, 0.5773502691896257};
constexpr std::array<double, 2> gauss2w = {1.0, 1.0};
constexpr std::array<double, 3> gauss3x = {-0.7745966692414834, 0.0, 0.7745966692414834};
constexpr std::array<double, 3> gauss3w = {0.5555555555555556, 0.8888888888888888, 0.5555555555555556};

struct Material {
    explicit Material(double e, double poisson)
        : young(e), nu(poisson), mu(e / (2.0 * (1.0 + poisson))), cU(1.0 / (8.0 * pi * mu * (1.0 - poisson))),
          cT(1.0 / (4.0 * pi * (1.0 - poisson))), cS(mu / (2.0 * pi * (1.0 - poisson)))
    {
    }
    double young;
    double nu;
    double mu;
    double cU; // displacement kernel
    double cT; // traction and stress-from-traction kernels
    double cS; // stress-from-displacement kernel
};

struct ElementGeometry {
    int start = 0;
    int end = 0;
    Point a;
    double length = 0.0;
    double tx = 0.0; // unit tangent, start to end
    double ty = 0.0;
    double nx = 0.0; // unit normal pointing out of the body
    double ny = 0.0;
};

double xLogX(double x)
{
    return x > 0.0 ? x * std::log(x) : 0.0;
}

// Coordinates come from single-precision values, so squares cannot overflow
// a double and the plain root serves where std::hypot would cost a fifth of
// the run.
double length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

double distanceToSegment(Point p, const ElementGeometry& g, double s1, double s2)
{
    const double s = std::clamp((p.x - g.a.x) * g.tx + (p.y - g.a.y) * g.ty, s1, s2);
    return length(p.x - (g.a.x + s * g.tx), p.y - (g.a.y + s * g.ty));
}

// Calls f(s, weight) at the Gauss points of [s1, s2] of the element, s the
// distance along it from its start, halving segments that lie close to p.
template <class F> void integrateNear(Point p, const ElementGeometry& g, double s1, double s2, int depth, F& f)
{
    const double len = s2 - s1;
    const double d = distanceToSegment(p, g, s1, s2);
    if (len > subdivisionRatio * d && depth < maxSubdivisionDepth) {
        const double mid = 0.5 * (s1 + s2);
        integrateNear(p, g, s1, mid, depth + 1, f);
        integrateNear(p, g, mid, s2, depth + 1, f);
        return;
    }
    // Fewer points the farther the segment: the error of an n-point rule
    // falls roughly as (len / 4d)^2n; each step keeps it below about 1e-10.
    auto apply = [&](const auto& xs, const auto& ws) {
        for (std::size_t k = 0; k < xs.size(); ++k) {
            f(0.5 * (s1 + s2) + 0.5 * len * xs[k], 0.5 * len * ws[k]);
        }
    };
    if (d > 40.0 * len) {
        apply(gauss2x, gauss2w);
    } else if (d > 10.0 * len) {
        apply(gauss3x, gauss3w);
    } else if (d > 4.0 * len) {
        apply(gauss4x, gauss4w);
    } else if (d > 2.0 * len) {
        apply(gauss6x, gauss6w);
    } else {
        apply(gauss8x, gauss8w);
    }
}

// The integration takes four elements at a time, one per lane, each lane
// through its own element's Gauss points in their order with the arithmetic
// written for one point, so that an element's integrals differ from a
// point-by-point evaluation only by the logarithm (log4, within one unit in
// the last place of std::log). A lane whose element has run out of points
// (or that has no element) takes the middle of its element with weight zero:
// finite kernels, since the element keeps clear of the point, and nothing
// added.
//
// The Gauss points of the elements integrated from one point, gathered in
// groups of four elements: row k of a group holds point k of each of its
// elements side by side, so that a row is one vector load. Kept from one
// point to the next for its storage.
struct ElementPoints {
    std::vector<double> s;            // per row, four distances along the lanes' elements
    std::vector<double> w;            // per row, the four weights
    std::vector<std::size_t> element; // per element taken: its number
    std::vector<std::size_t> rows;    // per group: its first row; then the end

    void clear()
    {
        s.clear();
        w.clear();
        element.clear();
        rows.assign(1, 0);
        pending = 0;
        pendingFirst[0] = 0;
        pendingS.clear();
        pendingW.clear();
    }
    // Gathers the points of element e, number `e` of the boundary.
    void add(Point p, const ElementGeometry& g, std::size_t e)
    {
        auto f = [&](double at, double weight) {
            pendingS.push_back(at);
            pendingW.push_back(weight);
        };
        integrateNear(p, g, 0.0, g.length, 0, f);
        element.push_back(e);
        pendingLength[pending] = g.length;
        pendingFirst[++pending] = pendingS.size();
        if (pending == 4) {
            endGroup();
        }
    }
    // Closes the last group, however many elements it has.
    void finish()
    {
        if (pending > 0) {
            endGroup();
        }
    }
    std::size_t groups() const { return rows.size() - 1; }

private:
    void endGroup()
    {
        std::size_t height = 0;
        for (std::size_t lane = 0; lane < pending; ++lane) {
            height = std::max(height, pendingFirst[lane + 1] - pendingFirst[lane]);
        }
        const std::size_t top = rows.back();
        s.resize(4 * (top + height));
        w.resize(4 * (top + height));
        for (std::size_t lane = 0; lane < 4; ++lane) {
            const std::size_t count = lane < pending ? pendingFirst[lane + 1] - pendingFirst[lane] : 0;
            const double middle = 0.5 * pendingLength[lane < pending ? lane : 0];
            for (std::size_t k = 0; k < height; ++k) {
                const std::size_t at = 4 * (top + k) + lane;
                s[at] = k < count ? pendingS[pendingFirst[lane] + k] : middle;
                w[at] = k < count ? pendingW[pendingFirst[lane] + k] : 0.0;
            }
        }
        rows.push_back(top + height);
        pending = 0;
        pendingS.clear();
        pendingW.clear();
    }

    // The elements of the group being gathered.
    std::size_t pending = 0;
    std::array<double, 4> pendingLength{};
    std::array<std::size_t, 5> pendingFirst{};
    std::vector<double> pendingS;
    std::vector<double> pendingW;
};

// The elements of one group, one per lane (a lane without an element takes
// the group's first).
struct LaneElements {
    Vec4 ax{}, ay{}; // start node
    Vec4 tx{}, ty{}; // unit tangent
    Vec4 nx{}, ny{}; // outward normal
    Vec4 length{};
    std::array<std::size_t, 4> number{}; // the element of each lane
};

[[gnu::always_inline]] inline LaneElements laneElements(const std::vector<ElementGeometry>& elements,
                                                        const ElementPoints& points, std::size_t group)
{
    LaneElements out;
    std::array<const ElementGeometry*, 4> g{};
    for (std::size_t lane = 0; lane < 4; ++lane) {
        const std::size_t i = 4 * group + lane;
        out.number[lane] = points.element[i < points.element.size() ? i : 4 * group];
        g[lane] = &elements[out.number[lane]];
    }
    out.ax = Vec4{g[0]->a.x, g[1]->a.x, g[2]->a.x, g[3]->a.x};
    out.ay = Vec4{g[0]->a.y, g[1]->a.y, g[2]->a.y, g[3]->a.y};
    out.tx = Vec4{g[0]->tx, g[1]->tx, g[2]->tx, g[3]->tx};
    out.ty = Vec4{g[0]->ty, g[1]->ty, g[2]->ty, g[3]->ty};
    out.nx = Vec4{g[0]->nx, g[1]->nx, g[2]->nx, g[3]->nx};
    out.ny = Vec4{g[0]->ny, g[1]->ny, g[2]->ny, g[3]->ny};
    out.length = Vec4{g[0]->length, g[1]->length, g[2]->length, g[3]->length};
    return out;
}

// The square root of each lane, in place. The file is built without errno
// for the maths functions, so that this is one vector instruction where the
// processor has one; the root is correctly rounded either way.
[[gnu::always_inline]] inline void sqrt4(Vec4& v)
{
    for (int lane = 0; lane < 4; ++lane) {
        v[lane] = std::sqrt(v[lane]);
    }
}

void addScaled(Block& to, const Block& from, double factor)
{
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            to[i][j] += factor * from[i][j];
        }
    }
}

// Integrals of the kernels against the element's two shape functions.
struct ElementIntegrals {
    Block ua{}; // U against the start node's shape function
    Block ub{};
    Block ta{};
    Block tb{};
};

// Kelvin's plane-strain displacement and traction kernels for r = field - p,
// integrated against the shape functions over each element of `points`, into
// out[i] for the i-th element taken. Each element's sums run over its points
// in their order. U is symmetric (d0 d1 = d1 d0 exactly), so its off-diagonal
// is summed once.
ZORIND_VECTOR_CLONES
void integrateKelvin(const Material& m, Point p, const std::vector<ElementGeometry>& elements,
                     const ElementPoints& points, ElementIntegrals* out)
{
    const double logFactor = -(3.0 - 4.0 * m.nu);
    const double c1 = 1.0 - 2.0 * m.nu;
    const double minusCT = -m.cT;
    for (std::size_t group = 0; group < points.groups(); ++group) {
        const LaneElements lanes = laneElements(elements, points, group);
        const Vec4 n[2] = {lanes.nx, lanes.ny};
        // ua 00 01 11, ub 00 01 11, ta 00 01 10 11, tb 00 01 10 11
        Vec4 sum[14] = {};
        for (std::size_t row = points.rows[group]; row < points.rows[group + 1]; ++row) {
            Vec4 s, w;
            kernels::load4(s, &points.s[4 * row]);
            kernels::load4(w, &points.w[4 * row]);
            const Vec4 nb = s / lanes.length;
            const Vec4 rx = lanes.ax + s * lanes.tx - p.x;
            const Vec4 ry = lanes.ay + s * lanes.ty - p.y;
            Vec4 r = rx * rx + ry * ry;
            sqrt4(r);
            // One division per point: the kernels need 1/r several times over.
            const Vec4 invR = 1.0 / r;
            const Vec4 d[2] = {rx * invR, ry * invR};
            const Vec4 drdn = d[0] * n[0] + d[1] * n[1];
            Vec4 logR = r;
            kernels::log4(logR);
            const Vec4 logTerm = logFactor * logR;
            const Vec4 tFactor = minusCT * invR;
            const Vec4 fa = (1.0 - nb) * w;
            const Vec4 fb = nb * w;
            int u = 0;
            int t = 6;
            for (std::size_t i = 0; i < 2; ++i) {
                for (std::size_t j = 0; j < 2; ++j) {
                    const double delta = i == j ? 1.0 : 0.0;
                    if (j >= i) {
                        const Vec4 uij = m.cU * (logTerm * delta + d[i] * d[j]);
                        sum[u] += fa * uij;
                        sum[u + 3] += fb * uij;
                        ++u;
                    }
                    const Vec4 tij =
                        tFactor * (drdn * (c1 * delta + 2.0 * d[i] * d[j]) - c1 * (d[i] * n[j] - d[j] * n[i]));
                    sum[t] += fa * tij;
                    sum[t + 4] += fb * tij;
                    ++t;
                }
            }
        }
        for (int lane = 0; lane < 4 && 4 * group + static_cast<std::size_t>(lane) < points.element.size(); ++lane) {
            ElementIntegrals& in = out[4 * group + static_cast<std::size_t>(lane)];
            in.ua = {{{sum[0][lane], sum[1][lane]}, {sum[1][lane], sum[2][lane]}}};
            in.ub = {{{sum[3][lane], sum[4][lane]}, {sum[4][lane], sum[5][lane]}}};
            in.ta = {{{sum[6][lane], sum[7][lane]}, {sum[8][lane], sum[9][lane]}}};
            in.tb = {{{sum[10][lane], sum[11][lane]}, {sum[12][lane], sum[13][lane]}}};
        }
    }
}

// The element holding the collocation point at distance s0 from its start:
// the logarithm of U and the principal value of T integrated in closed form
// (on a straight element dr/dn vanishes and r,i r,j is constant).
ElementIntegrals integrateOwn(const Material& m, const ElementGeometry& g, double s0)
{
    const double len = g.length;
    const double a = s0;
    const double b = len - s0;
    const double i0 = xLogX(a) - a + xLogX(b) - b;                                           // ∫ ln|s-s0|
    const double i1 = 0.5 * b * xLogX(b) - 0.25 * b * b - 0.5 * a * xLogX(a) + 0.25 * a * a; // ∫ (s-s0) ln|s-s0|
    const double ja = (1.0 - s0 / len) * i0 - i1 / len;
    const double jb = (s0 / len) * i0 + i1 / len;
    const std::array<double, 2> t = {g.tx, g.ty};
    ElementIntegrals out;
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            const double delta = i == j ? 1.0 : 0.0;
            out.ua[i][j] = m.cU * (-(3.0 - 4.0 * m.nu) * ja * delta + t[i] * t[j] * 0.5 * len);
            out.ub[i][j] = m.cU * (-(3.0 - 4.0 * m.nu) * jb * delta + t[i] * t[j] * 0.5 * len);
        }
    }
    // T = k A / (s - s0) with A antisymmetric; at an end node only the other
    // node's share is finite, the own share comes from rigid-body motion.
    const double k = (1.0 - 2.0 * m.nu) * m.cT;
    const double a01 = g.tx * g.ny - g.ty * g.nx;
    double pa = 0.0;
    double pb = 0.0;
    if (a == 0.0) {
        pb = 1.0;
    } else if (b == 0.0) {
        pa = -1.0;
    } else {
        const double lg = std::log(b / a);
        pa = (1.0 - s0 / len) * lg - 1.0;
        pb = (s0 / len) * lg + 1.0;
    }
    out.ta = {{{0.0, k * a01 * pa}, {-k * a01 * pa, 0.0}}};
    out.tb = {{{0.0, k * a01 * pb}, {-k * a01 * pb, 0.0}}};
    return out;
}

// ---------------------------------------------------------------------------
// Boundary geometry: the elements with their outward normals, and the element
// ends meeting at every node.

struct ElementEnd {
    int element = 0;
    int side = 0; // 0 start, 1 end
};

// Element end e, side s is number 2e + s in every per-end table.
std::size_t endIndex(const ElementEnd& end)
{
    return static_cast<std::size_t>(2 * end.element + end.side);
}

struct Boundary {
    std::vector<Point> nodes;
    std::vector<ElementGeometry> elements;
    std::vector<std::vector<ElementEnd>> ends; // per node, in element order
    double size = 0.0;                         // the larger side of the bounding box
};

// Orients every closed boundary so that its normals point out of the body: an
// outer boundary runs anticlockwise, a boundary inside it clockwise. Elements
// stored against the run of their boundary are followed the other way.
// Returns, per element, +1 when the normal lies to the right of start-to-end.
std::vector<double> outwardSigns(const ExchangeModel& model, std::vector<std::string>& notes)
{
    const std::size_t nodeCount = model.nodes.size();
    const std::size_t elementCount = model.elements.size();
    auto nodeOf = [&](std::size_t e, int side) {
        return static_cast<std::size_t>(side == 0 ? model.elements[e].start : model.elements[e].end);
    };
    std::vector<std::vector<std::pair<std::size_t, int>>> at(nodeCount);
    for (std::size_t e = 0; e < elementCount; ++e) {
        at[nodeOf(e, 0)].emplace_back(e, 0);
        at[nodeOf(e, 1)].emplace_back(e, 1);
    }
    // Walk each boundary from its first element: along[e] is +1 when e runs
    // the same way, -1 when it is stored reversed. component[e] is that first
    // element.
    std::vector<double> along(elementCount, 0.0);
    std::vector<std::size_t> component(elementCount, 0);
    std::vector<std::size_t> firsts;
    for (std::size_t seed = 0; seed < elementCount; ++seed) {
        if (along[seed] != 0.0) {
            continue;
        }
        firsts.push_back(seed);
        along[seed] = 1.0;
        component[seed] = seed;
        std::vector<std::size_t> stack = {seed};
        while (!stack.empty()) {
            const std::size_t e = stack.back();
            stack.pop_back();
            for (int side = 0; side < 2; ++side) {
                const auto& ends = at[nodeOf(e, side)];
                if (ends.size() != 2) {
                    continue;
                }
                const auto& [next, nextSide] = ends[0].first == e && ends[0].second == side ? ends[1] : ends[0];
                if (along[next] == 0.0) {
                    along[next] = nextSide == side ? -along[e] : along[e];
                    component[next] = seed;
                    stack.push_back(next);
                }
            }
        }
    }
    std::vector<double> componentSign(elementCount, 1.0);
    for (const std::size_t c : firsts) {
        double area = 0.0;
        bool mixed = false;
        for (std::size_t e = 0; e < elementCount; ++e) {
            if (component[e] == c) {
                const Point& a = model.nodes[nodeOf(e, 0)];
                const Point& b = model.nodes[nodeOf(e, 1)];
                area += along[e] * 0.5 * (a.x * b.y - b.x * a.y);
                mixed = mixed || along[e] < 0.0;
            }
        }
        const Point& a = model.nodes[nodeOf(c, 0)];
        const Point& b = model.nodes[nodeOf(c, 1)];
        const Point probe{0.5 * (a.x + b.x), 0.5 * (a.y + b.y)};
        // How many other boundaries enclose this one (even-odd rule per boundary).
        std::vector<int> crossings(elementCount, 0);
        for (std::size_t e = 0; e < elementCount; ++e) {
            if (component[e] == c) {
                continue;
            }
            const Point& p = model.nodes[nodeOf(e, 0)];
            const Point& q = model.nodes[nodeOf(e, 1)];
            if ((p.y > probe.y) != (q.y > probe.y) && p.x + (probe.y - p.y) / (q.y - p.y) * (q.x - p.x) > probe.x) {
                ++crossings[component[e]];
            }
        }
        const auto depth = std::count_if(crossings.begin(), crossings.end(), [](int n) { return n % 2 == 1; });
        const double wanted = depth % 2 == 0 ? 1.0 : -1.0;
        componentSign[c] = area * wanted < 0.0 ? -1.0 : 1.0;
        const std::string where = "Brzeg zawierający węzeł " + std::to_string(model.elements[c].start + 1);
        if (mixed) {
            notes.push_back(where + " ma elementy skierowane przeciwnie do obiegu; przyjęto kierunek obiegu");
        } else if (componentSign[c] < 0.0) {
            notes.push_back(where + " ma odwrotny obieg; przyjęto normalne skierowane na zewnątrz ciała");
        }
    }
    std::vector<double> signs(elementCount);
    for (std::size_t e = 0; e < elementCount; ++e) {
        signs[e] = along[e] * componentSign[component[e]];
    }
    return signs;
}

void checkDistinctNodes(const Boundary& b)
{
    for (std::size_t i = 0; i < b.nodes.size(); ++i) {
        for (std::size_t j = i + 1; j < b.nodes.size(); ++j) {
            if (b.ends[i].empty() || b.ends[j].empty()) {
                continue;
            }
            if (std::hypot(b.nodes[i].x - b.nodes[j].x, b.nodes[i].y - b.nodes[j].y) <= 1e-9 * b.size) {
                throw ElasticError("Węzły " + std::to_string(i + 1) + " i " + std::to_string(j + 1) +
                                   " leżą w tym samym miejscu; usuń podwójne węzły przed obliczeniem");
            }
        }
    }
}

// Every boundary is a closed line that passes each of its nodes once: the
// integral identity holds only for a body enclosed by its boundary, and an
// open end or a branch point gives a solution of nothing.
void checkClosedBoundaries(const Boundary& b)
{
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        if (at.size() == 1) {
            throw ElasticError("Brzeg nie jest zamknięty: węzeł " + std::to_string(j + 1) +
                               " należy tylko do elementu " + std::to_string(at[0].element + 1));
        }
        if (at.size() > 2) {
            std::string elements;
            for (const ElementEnd& end : at) {
                elements += (elements.empty() ? "" : ", ") + std::to_string(end.element + 1);
            }
            throw ElasticError("Węzeł " + std::to_string(j + 1) + " należy do " + std::to_string(at.size()) +
                               " elementów (" + elements + "); w węźle brzegu spotykają się dokładnie dwa elementy");
        }
    }
}

double cross(Point o, Point a, Point b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Boundaries meet nowhere but at their shared nodes: where one crosses,
// touches or runs along another (or itself), the body they should enclose
// does not exist, and the solution would count some of it twice.
void checkNoCrossings(const Boundary& b)
{
    const double tol = 1e-9 * b.size;
    const std::size_t ne = b.elements.size();
    auto near = [&](int node, std::size_t e) {
        const ElementGeometry& g = b.elements[e];
        return distanceToSegment(b.nodes[static_cast<std::size_t>(node)], g, 0.0, g.length) <= tol;
    };
    for (std::size_t i = 0; i < ne; ++i) {
        const ElementGeometry& gi = b.elements[i];
        for (std::size_t j = i + 1; j < ne; ++j) {
            const ElementGeometry& gj = b.elements[j];
            auto refuse = [&](const char* what) {
                throw ElasticError("Elementy " + std::to_string(i + 1) + " i " + std::to_string(j + 1) + " " + what);
            };
            const bool shared = gi.start == gj.start || gi.start == gj.end || gi.end == gj.start || gi.end == gj.end;
            if ((gi.start == gj.start && gi.end == gj.end) || (gi.start == gj.end && gi.end == gj.start)) {
                refuse("nakładają się; brzegi ciała nie mogą się nakładać");
            }
            // An end of one on the other: with a node in common, the two
            // fold back over each other; without, the boundaries touch there.
            int touching = -1;
            int ends = 0;
            for (const auto& [node, other] :
                 {std::pair{gi.start, j}, std::pair{gi.end, j}, std::pair{gj.start, i}, std::pair{gj.end, i}}) {
                const ElementGeometry& g = b.elements[other];
                if (node != g.start && node != g.end && near(node, other)) {
                    touching = node;
                    ++ends;
                }
            }
            if (ends > 0 && (shared || ends > 1)) {
                refuse("nakładają się; brzegi ciała nie mogą się nakładać");
            }
            if (ends > 0) {
                const std::size_t on = touching == gi.start || touching == gi.end ? j : i;
                throw ElasticError("Węzeł " + std::to_string(touching + 1) + " leży na elemencie " +
                                   std::to_string(on + 1) + "; brzegi ciała nie mogą się stykać");
            }
            if (shared) {
                continue;
            }
            const Point& a = b.nodes[static_cast<std::size_t>(gi.start)];
            const Point& c = b.nodes[static_cast<std::size_t>(gi.end)];
            const Point& p = b.nodes[static_cast<std::size_t>(gj.start)];
            const Point& q = b.nodes[static_cast<std::size_t>(gj.end)];
            const double o1 = cross(a, c, p);
            const double o2 = cross(a, c, q);
            const double o3 = cross(p, q, a);
            const double o4 = cross(p, q, c);
            if (((o1 > 0.0 && o2 < 0.0) || (o1 < 0.0 && o2 > 0.0)) &&
                ((o3 > 0.0 && o4 < 0.0) || (o3 < 0.0 && o4 > 0.0))) {
                refuse("przecinają się; brzegi ciała nie mogą się przecinać");
            }
        }
    }
}

Boundary boundaryGeometry(const ExchangeModel& model, std::vector<std::string>& notes)
{
    const std::size_t ne = model.elements.size();
    Boundary b;
    b.nodes = model.nodes;
    b.elements.resize(ne);
    b.ends.resize(model.nodes.size());
    double minX = model.nodes[0].x, maxX = minX, minY = model.nodes[0].y, maxY = minY;
    for (std::size_t e = 0; e < ne; ++e) {
        ElementGeometry& g = b.elements[e];
        g.start = model.elements[e].start;
        g.end = model.elements[e].end;
        g.a = model.nodes[static_cast<std::size_t>(g.start)];
        const Point& end = model.nodes[static_cast<std::size_t>(g.end)];
        g.length = std::hypot(end.x - g.a.x, end.y - g.a.y);
        g.tx = (end.x - g.a.x) / g.length;
        g.ty = (end.y - g.a.y) / g.length;
        b.ends[static_cast<std::size_t>(g.start)].push_back({static_cast<int>(e), 0});
        b.ends[static_cast<std::size_t>(g.end)].push_back({static_cast<int>(e), 1});
        for (const Point& p : {g.a, end}) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    b.size = std::max(maxX - minX, maxY - minY);
    checkDistinctNodes(b);
    checkClosedBoundaries(b);
    checkNoCrossings(b);
    const std::vector<double> signs = outwardSigns(model, notes);
    for (std::size_t e = 0; e < ne; ++e) {
        ElementGeometry& g = b.elements[e];
        g.nx = signs[e] * g.ty;
        g.ny = -signs[e] * g.tx;
    }
    return b;
}

// ---------------------------------------------------------------------------
// Boundary conditions: what is prescribed at every node and element end. The
// stages after this one see only this table, whatever the conditions were
// given as.

struct BoundaryConditions {
    std::vector<bool> displacementKnown; // per node
    std::vector<Point> displacement;     // per node, where known
    // Per element end: a known traction (a load, zero on a free surface), or
    // an unknown one (the reaction where the displacement is held).
    std::vector<bool> tractionKnown;
    std::vector<Point> traction;
    // Per node: a load was given that fitted neither side of the node and
    // was left out.
    std::vector<bool> loadDropped;
};

// The exchange file gives one displacement and one load per node. A node
// without a displacement carries its load (none: zero load) on every side. At
// a node with a displacement, an element leading to a node without one
// carries a load, at this node the node's load. A displacement element puts
// both its nodes on the displacement list, so an element leading to a node
// with a displacement only is taken as a displacement element. An element
// between two nodes with both a displacement and a load takes the other side
// from its neighbour at the node.
BoundaryConditions nodalConditions(const ExchangeModel& model, const Boundary& b)
{
    const std::size_t nn = b.nodes.size();
    BoundaryConditions c;
    c.displacementKnown.assign(nn, false);
    c.displacement.assign(nn, Point{});
    c.tractionKnown.assign(2 * b.elements.size(), false);
    c.traction.assign(2 * b.elements.size(), Point{});
    c.loadDropped.assign(nn, false);
    std::vector<bool> hasLoad(nn, false);
    std::vector<Point> load(nn);
    for (const NodalValue& v : model.displacements) {
        c.displacementKnown[static_cast<std::size_t>(v.node)] = true;
        c.displacement[static_cast<std::size_t>(v.node)] = {v.x, v.y};
    }
    for (const NodalValue& v : model.tractions) {
        hasLoad[static_cast<std::size_t>(v.node)] = true;
        load[static_cast<std::size_t>(v.node)] = {v.x, v.y};
    }
    auto otherNode = [&](const ElementEnd& end) {
        const ElementGeometry& g = b.elements[static_cast<std::size_t>(end.element)];
        return static_cast<std::size_t>(end.side == 0 ? g.end : g.start);
    };
    enum Side { undecided, loaded, fixed };
    for (std::size_t j = 0; j < nn; ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        std::vector<Side> side(at.size(), loaded);
        if (c.displacementKnown[j]) {
            for (std::size_t k = 0; k < at.size(); ++k) {
                const std::size_t m = otherNode(at[k]);
                side[k] = !c.displacementKnown[m] ? loaded : (hasLoad[j] && hasLoad[m] ? undecided : fixed);
            }
            if (at.size() == 2 && side[0] == undecided && side[1] != undecided) {
                side[0] = side[1] == loaded ? fixed : loaded;
            } else if (at.size() == 2 && side[1] == undecided && side[0] != undecided) {
                side[1] = side[0] == loaded ? fixed : loaded;
            }
            std::replace(side.begin(), side.end(), undecided, fixed);
            c.loadDropped[j] = hasLoad[j] && !at.empty() && std::count(side.begin(), side.end(), loaded) == 0;
        }
        for (std::size_t k = 0; k < at.size(); ++k) {
            if (side[k] == loaded) {
                c.tractionKnown[endIndex(at[k])] = true;
                c.traction[endIndex(at[k])] = load[j];
            }
        }
    }
    return c;
}

// Each element end takes its own element's condition. A traction element
// loads both its ends with its own values, so that the two sides of a node
// keep their own loads, a free side included. A displacement element holds
// both its nodes and leaves the traction at its ends unknown: where it meets
// a traction element, the node is held and the load stays on the loaded
// side. A node has one displacement: where two displacement elements give it
// different ones, the first element in element order holds it, with a note.
BoundaryConditions elementConditions(const ElasticProblem& problem, const Boundary& b, std::vector<std::string>& notes)
{
    const std::size_t nn = b.nodes.size();
    BoundaryConditions c;
    c.displacementKnown.assign(nn, false);
    c.displacement.assign(nn, Point{});
    c.tractionKnown.assign(2 * b.elements.size(), false);
    c.traction.assign(2 * b.elements.size(), Point{});
    c.loadDropped.assign(nn, false);
    std::vector<int> heldBy(nn, -1);
    std::vector<bool> noted(nn, false);
    for (std::size_t e = 0; e < problem.elements.size(); ++e) {
        const ElasticElement& el = problem.elements[e];
        for (const int side : {0, 1}) {
            const auto node = static_cast<std::size_t>(side == 0 ? el.start : el.end);
            const PlanePoint& v = side == 0 ? el.atStart : el.atEnd;
            const Point value{v.x, v.y};
            if (el.kind == ElasticKind::Traction) {
                c.tractionKnown[2 * e + static_cast<std::size_t>(side)] = true;
                c.traction[2 * e + static_cast<std::size_t>(side)] = value;
            } else if (heldBy[node] < 0) {
                heldBy[node] = static_cast<int>(e);
                c.displacementKnown[node] = true;
                c.displacement[node] = value;
            } else if ((c.displacement[node].x != value.x || c.displacement[node].y != value.y) && !noted[node]) {
                noted[node] = true;
                notes.push_back("W węźle " + std::to_string(node + 1) + " elementy " +
                                std::to_string(heldBy[node] + 1) + " i " + std::to_string(e + 1) +
                                " zadają różne przemieszczenia; przyjęto przemieszczenie elementu " +
                                std::to_string(heldBy[node] + 1));
            }
        }
    }
    return c;
}

// ---------------------------------------------------------------------------
// Unknowns and corners: the tractions at element ends gathered into
// variables, the unknowns numbered, and a collocation point for every
// unknown pair.

// A traction shared by one or more element ends at a node.
struct TractionVariable {
    int node = 0;
    bool known = false;
    double x = 0.0;
    double y = 0.0;
    int firstEnd = 0; // element end (2e + side) used for a shifted collocation point
};

struct CollocationPoint {
    Point p;
    int node = -1;    // collocation at this node, or
    int element = -1; // at distance s0 along this element
    double s0 = 0.0;
};

// Every boundary value either known or numbered as an unknown pair of
// columns; the equations of collocation point p are rows 2p and 2p + 1.
struct Unknowns {
    std::vector<Point> displacement;     // per node: the known value
    std::vector<int> displacementColumn; // per node: -1 where known or not on the boundary
    std::vector<TractionVariable> tractions;
    std::vector<int> tractionColumn; // per traction variable: -1 where known
    std::vector<int> endTraction;    // per element end: its traction variable
    std::vector<CollocationPoint> points;
    int count = 0;
    int cornerNodes = 0;
};

// A node is a corner when the boundary turns there (a checked boundary has
// two elements at every node it passes).
bool isCorner(const Boundary& b, const std::vector<ElementEnd>& at)
{
    if (at.size() != 2) {
        return at.size() > 2;
    }
    const ElementGeometry& g1 = b.elements[static_cast<std::size_t>(at[0].element)];
    const ElementGeometry& g2 = b.elements[static_cast<std::size_t>(at[1].element)];
    const double s1 = at[0].side == 1 ? 1.0 : -1.0; // along g1 into the node
    const double s2 = at[1].side == 0 ? 1.0 : -1.0; // along g2 out of the node
    const double turnCos = s1 * s2 * (g1.tx * g2.tx + g1.ty * g2.ty);
    return turnCos < std::cos(cornerAngleDegrees * pi / 180.0);
}

// Traction variables: one per element end with a known traction; one per
// element end with an unknown traction where the traction may jump (a corner
// held on both sides), one shared by both ends where the boundary runs
// straight on.
void assignTractionVariables(const Boundary& b, const BoundaryConditions& c, Unknowns& u,
                             std::vector<std::string>& notes)
{
    u.endTraction.assign(2 * b.elements.size(), -1);
    auto newVar = [&](std::size_t node, bool known, Point value, const ElementEnd& end) {
        u.tractions.push_back({static_cast<int>(node), known, value.x, value.y, 2 * end.element + end.side});
        return static_cast<int>(u.tractions.size()) - 1;
    };
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        if (at.empty()) {
            notes.push_back("Węzeł " + std::to_string(j + 1) +
                            " nie należy do żadnego elementu; jego wyniki są zerowe");
            continue;
        }
        if (c.loadDropped[j]) {
            notes.push_back("W węźle " + std::to_string(j + 1) +
                            " nie rozpoznano strony obciążenia; przyjęto samo przemieszczenie");
        }
        std::vector<std::size_t> unknownEnds;
        for (std::size_t k = 0; k < at.size(); ++k) {
            const std::size_t end = endIndex(at[k]);
            if (c.tractionKnown[end]) {
                u.endTraction[end] = newVar(j, true, c.traction[end], at[k]);
            } else {
                unknownEnds.push_back(k);
            }
        }
        if (unknownEnds.size() == 2 && at.size() == 2 && !isCorner(b, at)) {
            const int v = newVar(j, false, {}, at[unknownEnds[0]]);
            u.endTraction[endIndex(at[0])] = v;
            u.endTraction[endIndex(at[1])] = v;
        } else {
            for (std::size_t k : unknownEnds) {
                u.endTraction[endIndex(at[k])] = newVar(j, false, {}, at[k]);
            }
            if (unknownEnds.size() > 1) {
                ++u.cornerNodes;
            }
        }
    }
}

// Displacements of free nodes first, then the unknown tractions.
void numberColumns(const Boundary& b, const BoundaryConditions& c, Unknowns& u)
{
    u.displacementColumn.assign(b.nodes.size(), -1);
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if (!b.ends[j].empty() && !c.displacementKnown[j]) {
            u.displacementColumn[j] = u.count;
            u.count += 2;
        }
    }
    u.tractionColumn.assign(u.tractions.size(), -1);
    for (std::size_t v = 0; v < u.tractions.size(); ++v) {
        if (!u.tractions[v].known) {
            u.tractionColumn[v] = u.count;
            u.count += 2;
        }
    }
}

// Collocation at the node where it has one unknown pair; where it has more
// (a fixed corner), a quarter element into each adjacent element.
void placeCollocationPoints(const Boundary& b, Unknowns& u)
{
    std::vector<int> unknownVarsAt(b.nodes.size(), 0);
    for (const TractionVariable& v : u.tractions) {
        if (!v.known) {
            ++unknownVarsAt[static_cast<std::size_t>(v.node)];
        }
    }
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if (b.ends[j].empty()) {
            continue;
        }
        const int pairs = (u.displacementColumn[j] >= 0 ? 1 : 0) + unknownVarsAt[j];
        if (pairs == 1) {
            u.points.push_back({b.nodes[j], static_cast<int>(j), -1, 0.0});
        } else if (pairs > 1) {
            for (const TractionVariable& v : u.tractions) {
                if (v.node != static_cast<int>(j) || v.known) {
                    continue;
                }
                const auto e = static_cast<std::size_t>(v.firstEnd / 2);
                const ElementGeometry& g = b.elements[e];
                const double s0 = v.firstEnd % 2 == 0 ? 0.25 * g.length : 0.75 * g.length;
                u.points.push_back({{g.a.x + s0 * g.tx, g.a.y + s0 * g.ty}, -1, static_cast<int>(e), s0});
            }
        }
    }
}

Unknowns numberUnknowns(const Boundary& b, const BoundaryConditions& c, std::vector<std::string>& notes)
{
    int fixedNodes = 0;
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        if (c.displacementKnown[j] && !b.ends[j].empty()) {
            ++fixedNodes;
        }
    }
    if (fixedNodes == 0) {
        throw ElasticError("Brak przemieszczeń zadanych na brzegu: ruch ciała jako sztywnego nie jest zablokowany");
    }
    if (fixedNodes == 1) {
        throw ElasticError(
            "Przemieszczenie zadane tylko w jednym węźle: obrót ciała jako sztywnego nie jest zablokowany");
    }
    Unknowns u;
    u.displacement = c.displacement;
    assignTractionVariables(b, c, u, notes);
    numberColumns(b, c, u);
    placeCollocationPoints(b, u);
    if (2 * static_cast<int>(u.points.size()) != u.count) {
        throw ElasticError("Wewnętrzny błąd programu: liczba równań różni się od liczby niewiadomych");
    }
    return u;
}

// ---------------------------------------------------------------------------
// Boundary integration: the equation at one collocation point.

// One term of the equation: a block times the displacement of a node or the
// traction at an element end.
struct Term {
    bool traction = false;
    std::size_t index = 0; // node, or element end (2e + side)
    Block block{};
    double factor = 1.0; // displacement terms only
};

// The integrals of the elements that do not hold one collocation point, with
// the storage of their Gauss points: kept from one point to the next.
struct RegularIntegrals {
    ElementPoints points;
    std::vector<ElementIntegrals> integrals;
};

// The terms in element order, each element's displacement terms before its
// traction terms. At a node, the free term and the principal value come last,
// from rigid-body translation: they balance every other displacement term.
void collocationTerms(const Material& mat, const Boundary& b, const CollocationPoint& cp, RegularIntegrals& regular,
                      std::vector<Term>& terms)
{
    // The elements away from the point first, all of them in one pass.
    auto ownElement = [&](const ElementGeometry& g, std::size_t e) {
        return (cp.node >= 0 && (g.start == cp.node || g.end == cp.node)) || cp.element == static_cast<int>(e);
    };
    regular.points.clear();
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        const ElementGeometry& g = b.elements[e];
        if (ownElement(g, e)) {
            continue;
        }
        if (distanceToSegment(cp.p, g, 0.0, g.length) <= 1e-9 * g.length) {
            throw ElasticError((cp.node >= 0 ? "Węzeł " + std::to_string(cp.node + 1)
                                             : "Element " + std::to_string(cp.element + 1) + " w pobliżu węzła") +
                               " leży na elemencie " + std::to_string(e + 1) + ": elementy brzegu nakładają się");
        }
        regular.points.add(cp.p, g, e);
    }
    regular.points.finish();
    regular.integrals.resize(regular.points.element.size());
    integrateKelvin(mat, cp.p, b.elements, regular.points, regular.integrals.data());

    terms.clear();
    Block rowSum{};
    std::size_t nextRegular = 0;
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        const ElementGeometry& g = b.elements[e];
        const auto na = static_cast<std::size_t>(g.start);
        const auto nb = static_cast<std::size_t>(g.end);
        ElementIntegrals in;
        if (cp.node >= 0 && (g.start == cp.node || g.end == cp.node)) {
            in = integrateOwn(mat, g, g.start == cp.node ? 0.0 : g.length);
        } else if (cp.element == static_cast<int>(e)) {
            in = integrateOwn(mat, g, cp.s0);
            const Block half = {{{0.5, 0.0}, {0.0, 0.5}}};
            terms.push_back({false, na, half, 1.0 - cp.s0 / g.length});
            terms.push_back({false, nb, half, cp.s0 / g.length});
        } else {
            in = regular.integrals[nextRegular++];
        }
        if (static_cast<int>(na) != cp.node) {
            terms.push_back({false, na, in.ta, 1.0});
            addScaled(rowSum, in.ta, 1.0);
        }
        if (static_cast<int>(nb) != cp.node) {
            terms.push_back({false, nb, in.tb, 1.0});
            addScaled(rowSum, in.tb, 1.0);
        }
        terms.push_back({true, 2 * e, in.ua, 1.0});
        terms.push_back({true, 2 * e + 1, in.ub, 1.0});
    }
    if (cp.node >= 0) {
        terms.push_back({false, static_cast<std::size_t>(cp.node), rowSum, -1.0});
    }
}

// ---------------------------------------------------------------------------
// Assembly: each term goes to its unknown's columns, or times its known value
// to the right-hand side. The displacement columns are pure numbers; the
// traction columns are scaled by the shear modulus over the model's size, so
// that they are pure numbers of the same order and the condition of the
// system does not depend on the units of length and stress. The size is
// rounded to a power of two: such a scale is exact in floating point, so the
// solution is the same whatever it is.

// The rows of one collocation point lie side by side in memory while they
// are filled: its terms reach every column, and a column-major matrix would
// put each of them in a cache line of its own.
using RowMajorMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;

struct LinearSystem {
    RowMajorMatrix a;
    Eigen::VectorXd rhs;
};

// The traction a traction column's unknown stands for, per unit.
double tractionScale(const Material& mat, const Boundary& b)
{
    return std::ldexp(mat.mu, -std::ilogb(b.size));
}

void addCoefficients(const std::vector<Term>& terms, const Unknowns& u, double scale, Eigen::Index row,
                     RowMajorMatrix& a)
{
    for (const Term& term : terms) {
        const int column = term.traction ? u.tractionColumn[static_cast<std::size_t>(u.endTraction[term.index])]
                                         : u.displacementColumn[term.index];
        if (column < 0) {
            continue;
        }
        for (std::size_t i = 0; i < 2; ++i) {
            const Eigen::Index r = row + static_cast<Eigen::Index>(i);
            if (term.traction) {
                a(r, column) -= scale * term.block[i][0];
                a(r, column + 1) -= scale * term.block[i][1];
            } else {
                a(r, column) += term.factor * term.block[i][0];
                a(r, column + 1) += term.factor * term.block[i][1];
            }
        }
    }
}

// The known displacements and tractions: the load of the system.
void addLoad(const std::vector<Term>& terms, const Unknowns& u, Eigen::Index row, Eigen::VectorXd& rhs)
{
    for (const Term& term : terms) {
        const Block& b = term.block;
        if (term.traction) {
            const auto v = static_cast<std::size_t>(u.endTraction[term.index]);
            if (u.tractionColumn[v] >= 0) {
                continue;
            }
            const TractionVariable& t = u.tractions[v];
            for (std::size_t i = 0; i < 2; ++i) {
                rhs(row + static_cast<Eigen::Index>(i)) += b[i][0] * t.x + b[i][1] * t.y;
            }
        } else if (u.displacementColumn[term.index] < 0) {
            const Point& d = u.displacement[term.index];
            for (std::size_t i = 0; i < 2; ++i) {
                rhs(row + static_cast<Eigen::Index>(i)) -= term.factor * (b[i][0] * d.x + b[i][1] * d.y);
            }
        }
    }
}

LinearSystem assembleSystem(const Material& mat, const Boundary& b, const Unknowns& u)
{
    const auto rows = static_cast<Eigen::Index>(2 * u.points.size());
    LinearSystem s{RowMajorMatrix::Zero(rows, rows), Eigen::VectorXd::Zero(rows)};
    const double scale = tractionScale(mat, b);
    std::vector<Term> terms;
    RegularIntegrals regular;
    for (std::size_t p = 0; p < u.points.size(); ++p) {
        const auto row = static_cast<Eigen::Index>(2 * p);
        collocationTerms(mat, b, u.points[p], regular, terms);
        addCoefficients(terms, u, scale, row, s.a);
        addLoad(terms, u, row, s.rhs);
    }
    if (!s.a.allFinite() || !s.rhs.allFinite()) {
        throw ElasticError("Nie można scałkować brzegu: sprawdź, czy elementy nie przecinają się ani nie nakładają");
    }
    return s;
}

// ---------------------------------------------------------------------------
// The linear solve.

// The factors take the matrix's own storage: a copy of it would cost as
// much as a tenth of the factorisation. On a processor with AVX2 and FMA the
// factorisation runs in the build of it for those (LuSolve.h), a fifth
// faster on the largest model; the results differ at rounding level only.
Eigen::VectorXd solveSystem(LinearSystem s)
{
    Eigen::VectorXd x(s.rhs.size());
    const double rcond = lu::solve(s.a.data(), s.a.rows(), s.rhs.data(), x.data());
    if (!(rcond > minReciprocalCondition) || !x.allFinite()) {
        throw ElasticError("Układ równań jest osobliwy: sprawdź warunki brzegowe i geometrię brzegu");
    }
    return x;
}

// ---------------------------------------------------------------------------
// Boundary results.

// The solved boundary: the displacement at every node and the traction at
// every element end.
struct BoundaryValues {
    std::vector<Point> displacement;
    std::vector<Point> endTraction;
};

BoundaryValues boundaryValues(const Eigen::VectorXd& x, const Unknowns& u, double scale)
{
    BoundaryValues values;
    values.displacement = u.displacement;
    for (std::size_t j = 0; j < u.displacementColumn.size(); ++j) {
        if (const int c = u.displacementColumn[j]; c >= 0) {
            values.displacement[j] = {x(c), x(c + 1)};
        }
    }
    std::vector<Point> t(u.tractions.size());
    for (std::size_t v = 0; v < u.tractions.size(); ++v) {
        const int c = u.tractionColumn[v];
        t[v] = c >= 0 ? Point{x(c) * scale, x(c + 1) * scale} : Point{u.tractions[v].x, u.tractions[v].y};
    }
    values.endTraction.resize(u.endTraction.size());
    for (std::size_t end = 0; end < u.endTraction.size(); ++end) {
        if (u.endTraction[end] >= 0) {
            values.endTraction[end] = t[static_cast<std::size_t>(u.endTraction[end])];
        }
    }
    return values;
}

// Consistent nodal forces, and stresses from each adjacent element's traction
// and tangential strain, averaged.
std::vector<NodeResult> nodeResults(const Material& mat, const Boundary& b, const BoundaryValues& values)
{
    std::vector<NodeResult> results(b.nodes.size());
    const double ePrime = mat.young / (1.0 - mat.nu * mat.nu);
    const double nuPrime = mat.nu / (1.0 - mat.nu);
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        NodeResult& r = results[j];
        if (b.ends[j].empty()) {
            continue;
        }
        r.used = true;
        r.ux = values.displacement[j].x;
        r.uy = values.displacement[j].y;
        double sx = 0.0, sy = 0.0, txy = 0.0;
        for (const ElementEnd& end : b.ends[j]) {
            const auto e = static_cast<std::size_t>(end.element);
            const ElementGeometry& g = b.elements[e];
            const Point own = values.endTraction[endIndex(end)];
            const Point far = values.endTraction[endIndex({end.element, 1 - end.side})];
            r.fx += g.length * (own.x / 3.0 + far.x / 6.0);
            r.fy += g.length * (own.y / 3.0 + far.y / 6.0);
            const Point& ua = values.displacement[static_cast<std::size_t>(g.start)];
            const Point& ub = values.displacement[static_cast<std::size_t>(g.end)];
            const double strain = ((ub.x - ua.x) * g.tx + (ub.y - ua.y) * g.ty) / g.length;
            const double snn = own.x * g.nx + own.y * g.ny;
            const double sns = own.x * g.tx + own.y * g.ty;
            const double sss = ePrime * strain + nuPrime * snn;
            sx += snn * g.nx * g.nx + sss * g.tx * g.tx + 2.0 * sns * g.nx * g.tx;
            sy += snn * g.ny * g.ny + sss * g.ty * g.ty + 2.0 * sns * g.ny * g.ty;
            txy += snn * g.nx * g.ny + sss * g.tx * g.ty + sns * (g.nx * g.ty + g.ny * g.tx);
        }
        const auto count = static_cast<double>(b.ends[j].size());
        r.stress = planeStrainStress(sx / count, sy / count, txy / count, mat.nu);
    }
    return results;
}

// ---------------------------------------------------------------------------
// Internal points, by Somigliana's identity.

// Even-odd rule over every element, on the stored node coordinates: an
// element counts when exactly one of its nodes lies above the point, so that a
// ray through a node counts it once where the boundary passes it and not at
// all (or twice) where the boundary turns back there.
bool insideBody(Point p, const Boundary& b)
{
    int crossings = 0;
    for (const ElementGeometry& g : b.elements) {
        const Point& s = b.nodes[static_cast<std::size_t>(g.start)];
        const Point& e = b.nodes[static_cast<std::size_t>(g.end)];
        if ((s.y > p.y) != (e.y > p.y) && s.x + (p.y - s.y) / (e.y - s.y) * (e.x - s.x) > p.x) {
            ++crossings;
        }
    }
    return crossings % 2 == 1;
}

// Somigliana's identity at an interior point: U t - T u for the displacement,
// D t - S u for the stresses (xx, yy, xy), with the kernels contracted against
// the traction t and displacement u at each quadrature point, so that each
// point costs one root and one logarithm. Four elements at a time: lane l sums
// elements l, l + 4, l + 8, ..., each element's points in their order, and
// somigliana adds the four lane sums as (l0 + l1) + (l2 + l3); the sum over
// the elements is thus not taken in element order.
ZORIND_VECTOR_CLONES
void addInterior(const Material& m, Point p, const Boundary& b, const BoundaryValues& values,
                 const ElementPoints& points, std::array<std::array<double, 4>, 5>& sums)
{
    Vec4 sumUx = {}, sumUy = {}, sumSxx = {}, sumSyy = {}, sumSxy = {};
    const double nu = m.nu;
    const double c1 = 1.0 - 2.0 * nu;
    for (std::size_t group = 0; group < points.groups(); ++group) {
        const LaneElements lanes = laneElements(b.elements, points, group);
        // The traction and displacement at each lane's element ends.
        std::array<Point, 4> ta, tb, ua, ub;
        for (std::size_t lane = 0; lane < 4; ++lane) {
            const std::size_t e = lanes.number[lane];
            const ElementGeometry& g = b.elements[e];
            ta[lane] = values.endTraction[2 * e];
            tb[lane] = values.endTraction[2 * e + 1];
            ua[lane] = values.displacement[static_cast<std::size_t>(g.start)];
            ub[lane] = values.displacement[static_cast<std::size_t>(g.end)];
        }
        const Vec4 tax = {ta[0].x, ta[1].x, ta[2].x, ta[3].x};
        const Vec4 tay = {ta[0].y, ta[1].y, ta[2].y, ta[3].y};
        const Vec4 tbx = {tb[0].x, tb[1].x, tb[2].x, tb[3].x};
        const Vec4 tby = {tb[0].y, tb[1].y, tb[2].y, tb[3].y};
        const Vec4 uax = {ua[0].x, ua[1].x, ua[2].x, ua[3].x};
        const Vec4 uay = {ua[0].y, ua[1].y, ua[2].y, ua[3].y};
        const Vec4 ubx = {ub[0].x, ub[1].x, ub[2].x, ub[3].x};
        const Vec4 uby = {ub[0].y, ub[1].y, ub[2].y, ub[3].y};
        const Vec4 nx = lanes.nx;
        const Vec4 ny = lanes.ny;
        for (std::size_t row = points.rows[group]; row < points.rows[group + 1]; ++row) {
            Vec4 s, w;
            kernels::load4(s, &points.s[4 * row]);
            kernels::load4(w, &points.w[4 * row]);
            const Vec4 nb = s / lanes.length;
            const Vec4 na = 1.0 - nb;
            const Vec4 rx = lanes.ax + s * lanes.tx - p.x;
            const Vec4 ry = lanes.ay + s * lanes.ty - p.y;
            const Vec4 tx = na * tax + nb * tbx;
            const Vec4 ty = na * tay + nb * tby;
            const Vec4 ux = na * uax + nb * ubx;
            const Vec4 uy = na * uay + nb * uby;
            Vec4 r = rx * rx + ry * ry;
            sqrt4(r);
            const Vec4 invR = 1.0 / r;
            const Vec4 dx = rx * invR;
            const Vec4 dy = ry * invR;
            const Vec4 drdn = dx * nx + dy * ny;
            const Vec4 dt = dx * tx + dy * ty;
            const Vec4 du = dx * ux + dy * uy;
            const Vec4 nDotU = nx * ux + ny * uy;
            Vec4 logR = r;
            kernels::log4(logR);
            const Vec4 logTerm = -(3.0 - 4.0 * nu) * logR;
            const Vec4 cT = m.cT * invR;

            // U t - T u
            const Vec4 tuX = -cT * (drdn * (c1 * ux + 2.0 * dx * du) - c1 * (dx * nDotU - nx * du));
            const Vec4 tuY = -cT * (drdn * (c1 * uy + 2.0 * dy * du) - c1 * (dy * nDotU - ny * du));
            sumUx += w * (m.cU * (logTerm * tx + dx * dt) - tuX);
            sumUy += w * (m.cU * (logTerm * ty + dy * dt) - tuY);

            // D t
            const Vec4 dXX = cT * (c1 * (2.0 * tx * dx - dt) + 2.0 * dx * dx * dt);
            const Vec4 dYY = cT * (c1 * (2.0 * ty * dy - dt) + 2.0 * dy * dy * dt);
            const Vec4 dXY = cT * (c1 * (tx * dy + ty * dx) + 2.0 * dx * dy * dt);
            // S u
            const Vec4 cS = m.cS * invR * invR;
            auto stress = [&](Vec4 & out, const Vec4& di, const Vec4& dj, const Vec4& ni, const Vec4& nj,
                              const Vec4& ui, const Vec4& uj, double delta) __attribute__((always_inline))
            {
                out = cS * (2.0 * drdn * (c1 * delta * du + nu * (ui * dj + uj * di) - 4.0 * di * dj * du) +
                            2.0 * nu * (ni * dj + nj * di) * du + c1 * (2.0 * nDotU * di * dj + nj * ui + ni * uj) -
                            (1.0 - 4.0 * nu) * nDotU * delta);
            };
            Vec4 sXX, sYY, sXY;
            stress(sXX, dx, dx, nx, nx, ux, ux, 1.0);
            stress(sYY, dy, dy, ny, ny, uy, uy, 1.0);
            stress(sXY, dx, dy, nx, ny, ux, uy, 0.0);
            sumSxx += w * (dXX - sXX);
            sumSyy += w * (dYY - sYY);
            sumSxy += w * (dXY - sXY);
        }
    }
    kernels::store4(sums[0].data(), sumUx);
    kernels::store4(sums[1].data(), sumUy);
    kernels::store4(sums[2].data(), sumSxx);
    kernels::store4(sums[3].data(), sumSyy);
    kernels::store4(sums[4].data(), sumSxy);
}

PointResult somigliana(const Material& mat, const Boundary& b, const BoundaryValues& values, Point p,
                       ElementPoints& points)
{
    points.clear();
    for (std::size_t e = 0; e < b.elements.size(); ++e) {
        points.add(p, b.elements[e], e);
    }
    points.finish();
    std::array<std::array<double, 4>, 5> lanes;
    addInterior(mat, p, b, values, points, lanes);
    std::array<double, 5> sums{};
    for (std::size_t i = 0; i < sums.size(); ++i) {
        sums[i] = (lanes[i][0] + lanes[i][1]) + (lanes[i][2] + lanes[i][3]);
    }
    PointResult r;
    r.ux = sums[0];
    r.uy = sums[1];
    r.stress = planeStrainStress(sums[2], sums[3], sums[4], mat.nu);
    return r;
}

// Points on the boundary or outside the body are left out with a note: there
// Somigliana's identity gives nothing meaningful. The note names point i
// (from 0) as number firstNumber + i.
std::vector<PointResult> internalPointResults(const Material& mat, const Boundary& b, const BoundaryValues& values,
                                              const std::vector<Point>& points, std::size_t firstNumber,
                                              std::vector<std::string>& notes)
{
    double minLength = b.elements[0].length;
    for (const ElementGeometry& g : b.elements) {
        minLength = std::min(minLength, g.length);
    }
    std::vector<PointResult> results(points.size());
    ElementPoints gauss;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& p = points[i];
        double nearest = b.size;
        for (const ElementGeometry& g : b.elements) {
            nearest = std::min(nearest, distanceToSegment(p, g, 0.0, g.length));
        }
        const std::string name = "Punkt wewnętrzny " + std::to_string(firstNumber + i);
        if (nearest <= 1e-6 * minLength) {
            results[i].skipped = true;
            notes.push_back(name + " leży na brzegu; jego wyniki są zerowe");
        } else if (!insideBody(p, b)) {
            results[i].skipped = true;
            notes.push_back(name + " leży poza obszarem ciała; jego wyniki są zerowe");
        } else {
            results[i] = somigliana(mat, b, values, p, gauss);
        }
    }
    return results;
}

} // namespace

Stress planeStrainStress(double sx, double sy, double txy, double poissonRatio)
{
    Stress s;
    s.sx = sx;
    s.sy = sy;
    s.txy = txy;
    s.sz = poissonRatio * (sx + sy);
    s.reduced = std::sqrt(0.5 * ((sx - sy) * (sx - sy) + (sy - s.sz) * (sy - s.sz) + (s.sz - sx) * (s.sz - sx)) +
                          3.0 * txy * txy);
    return s;
}

namespace {

// The stages after the boundary conditions, whichever input gave them: the
// geometry and material of `geometry`, the conditions `conditionsOf` builds
// on its boundary; the internal points numbered from firstPointNumber.
template <class ConditionsOf>
ElasticSolution solveBoundary(const ExchangeModel& geometry, ConditionsOf conditionsOf, std::size_t firstPointNumber)
{
    if (geometry.elements.empty()) {
        throw ElasticError("Model nie ma elementów brzegowych");
    }
    const Material mat(geometry.youngModulus, geometry.poissonRatio);
    ElasticSolution sol;
    const Boundary boundary = boundaryGeometry(geometry, sol.notes);
    const BoundaryConditions conditions = conditionsOf(boundary, sol.notes);
    const Unknowns unknowns = numberUnknowns(boundary, conditions, sol.notes);
    sol.unknowns = unknowns.count;
    sol.cornerNodes = unknowns.cornerNodes;
    const Eigen::VectorXd x = solveSystem(assembleSystem(mat, boundary, unknowns));
    const BoundaryValues values = boundaryValues(x, unknowns, tractionScale(mat, boundary));
    sol.nodes = nodeResults(mat, boundary, values);
    sol.points = internalPointResults(mat, boundary, values, geometry.internalPoints, firstPointNumber, sol.notes);
    return sol;
}

// The range the exchange file allows a value: a finite single-precision
// number, so that squares of coordinates stay finite.
bool representable(double v)
{
    return std::isfinite(v) && std::abs(v) <= static_cast<double>(std::numeric_limits<float>::max());
}

// The checks the exchange reader makes of a file, made of a problem given
// directly; the geometry as the reader would have built it.
ExchangeModel problemGeometry(const ElasticProblem& problem)
{
    if (!(problem.youngModulus > 0.0) || !representable(problem.youngModulus)) {
        throw ElasticError("Moduł Younga musi być dodatnią liczbą skończoną");
    }
    if (!(problem.poissonRatio > -1.0 && problem.poissonRatio < 0.5)) {
        throw ElasticError("Liczba Poissona musi leżeć między -1 a 0,5");
    }
    ExchangeModel m;
    m.youngModulus = problem.youngModulus;
    m.poissonRatio = problem.poissonRatio;
    for (std::size_t i = 0; i < problem.nodes.size(); ++i) {
        const PlanePoint& p = problem.nodes[i];
        if (!representable(p.x) || !representable(p.y)) {
            throw ElasticError("Współrzędne węzła " + std::to_string(i + 1) + " nie są liczbami skończonymi");
        }
        m.nodes.push_back({p.x, p.y});
    }
    for (std::size_t i = 0; i < problem.internalPoints.size(); ++i) {
        const PlanePoint& p = problem.internalPoints[i];
        if (!representable(p.x) || !representable(p.y)) {
            throw ElasticError("Współrzędne punktu wewnętrznego " + std::to_string(i + 1) +
                               " nie są liczbami skończonymi");
        }
        m.internalPoints.push_back({p.x, p.y});
    }
    const auto nodeCount = static_cast<int>(m.nodes.size());
    for (std::size_t e = 0; e < problem.elements.size(); ++e) {
        const ElasticElement& el = problem.elements[e];
        const std::string name = "Element " + std::to_string(e + 1);
        for (const int node : {el.start, el.end}) {
            if (node < 0 || node >= nodeCount) {
                throw ElasticError(name + ": węzeł " + std::to_string(node + 1) + " nie istnieje");
            }
        }
        if (el.kind != ElasticKind::Traction && el.kind != ElasticKind::Displacement) {
            throw ElasticError(name + " ma warunek nieznanego rodzaju " + std::to_string(static_cast<int>(el.kind)));
        }
        for (const PlanePoint& v : {el.atStart, el.atEnd}) {
            if (!representable(v.x) || !representable(v.y)) {
                throw ElasticError(name + " ma w warunku brzegowym wartość, która nie jest liczbą skończoną");
            }
        }
        const Point& a = m.nodes[static_cast<std::size_t>(el.start)];
        const Point& b = m.nodes[static_cast<std::size_t>(el.end)];
        if (!(std::hypot(b.x - a.x, b.y - a.y) > 0.0)) {
            throw ElasticError(name + " ma zerową długość");
        }
        m.elements.push_back({el.start, el.end});
    }
    return m;
}

} // namespace

// The exchange file numbers the internal points after the nodes; the
// application numbers them from 1, as its lists show them.
ElasticSolution solveElastic(const ExchangeModel& model)
{
    return solveBoundary(
        model, [&](const Boundary& b, std::vector<std::string>&) { return nodalConditions(model, b); },
        model.nodes.size() + 1);
}

ElasticSolution solveElasticProblem(const ElasticProblem& problem)
{
    const ExchangeModel geometry = problemGeometry(problem);
    return solveBoundary(
        geometry,
        [&](const Boundary& b, std::vector<std::string>& notes) { return elementConditions(problem, b, notes); }, 1);
}

} // namespace zorind::elastic
