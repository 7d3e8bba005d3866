#pragma once

// The boundary's elements as the integration sees them, and the Gauss points
// at which an element is integrated from one point: adaptive near the point,
// fewer the farther it lies, gathered four elements at a time for the
// vectorised kernels.
#include "elastic/ExchangeModel.h"
#include "kernels/VectorMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zorind::elastic::bem {

using kernels::Vec4;

// A segment is integrated directly once it is no longer than its distance
// from the collocation point; nearer segments are halved.
constexpr double subdivisionRatio = 1.0;
constexpr int maxSubdivisionDepth = 30;

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

// Coordinates come from single-precision values, so squares cannot overflow
// a double and the plain root serves where std::hypot would cost a fifth of
// the run.
inline double length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

inline double distanceToSegment(Point p, const ElementGeometry& g, double s1, double s2)
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

// The square root of each lane, in place. The solver is built without errno
// for the maths functions, so that this is one vector instruction where the
// processor has one; the root is correctly rounded either way.
[[gnu::always_inline]] inline void sqrt4(Vec4& v)
{
    for (int lane = 0; lane < 4; ++lane) {
        v[lane] = std::sqrt(v[lane]);
    }
}

} // namespace zorind::elastic::bem
