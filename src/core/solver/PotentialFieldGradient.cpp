// The gradient of the potential inside the region, from the same
// representation as the value: u(p) = Σ ∫ U (d·n)/(2π r²) ds + Σ ∫ (Q/k) ln r
// /(2π) ds with d from p to the boundary point, differentiated at p.
#include <algorithm>
#include <cmath>

#include "core/solver/PotentialField.h"

namespace zorind::solver {

namespace {

// Closer to an element than this share of its length, a point takes the
// element's own gradient: the representation's terms grow like 1/distance
// and cancel, which would cost the difference its digits.
constexpr double kOnElement = 1e-6;
// Within this share of the nearest element's length of the boundary the
// gradient is continued from further in.
constexpr double kSmoothedReach = 0.5;

// Adds one quadrature point's share: wu times the gradient at p of
// (d·n)/r² and wq times that of ln r², for d = (dx, dy) from p to the
// point and n its element's normal times the element's length.
inline void addKernelGradient(double dx, double dy, double nx, double ny, double wu, double wq,
                              std::array<double, 2>& g)
{
    const double r2 = std::max(dx * dx + dy * dy, 1e-300);
    const double inv = 1.0 / r2;
    const double twoDn = 2.0 * (dx * nx + dy * ny) * inv * inv;
    // ∇p (d·n)/r² = −n/r² + 2(d·n) d/r⁴ and ∇p ln r² = −2d/r², as d = x − p.
    g[0] += wu * (twoDn * dx - nx * inv) - 2.0 * wq * dx * inv;
    g[1] += wu * (twoDn * dy - ny * inv) - 2.0 * wq * dy * inv;
}

// The squared distance from (px, py) to the segment a–b and the parameter
// of its nearest point.
double distance2(double px, double py, double ax, double ay, double bx, double by, double& t)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    t = len2 > 0.0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0.0;
    const double cx = ax + t * dx - px;
    const double cy = ay + t * dy - py;
    return cx * cx + cy * cy;
}

} // namespace

void PotentialField::ruleGradient(const Rule& rule, std::size_t e, double px, double py, std::array<double, 2>& g)
{
    const std::size_t first = 4 * rule.vectors * e;
    for (std::size_t i = first; i < first + 4 * rule.vectors; ++i) {
        addKernelGradient(rule.x[i] - px, rule.y[i] - py, rule.nx[i], rule.ny[i], rule.u[i], rule.q[i], g);
    }
}

void PotentialField::nearElementGradient(std::size_t e, double px, double py, double a, double b, int depth,
                                         std::array<double, 2>& g) const
{
    const double L = length_[e];
    const double ax = (1.0 - a) / 2.0 * x1_[e] + (1.0 + a) / 2.0 * x3_[e];
    const double ay = (1.0 - a) / 2.0 * y1_[e] + (1.0 + a) / 2.0 * y3_[e];
    const double bx = (1.0 - b) / 2.0 * x1_[e] + (1.0 + b) / 2.0 * x3_[e];
    const double by = (1.0 - b) / 2.0 * y1_[e] + (1.0 + b) / 2.0 * y3_[e];
    const double piece = L * (b - a) / 2.0;
    double t = 0.0;
    // The ten-point rule on a piece at least its own length from the point is
    // exact to rounding for the gradient's kernels too; nearer pieces are
    // halved.
    if (distance2(px, py, ax, ay, bx, by, t) < piece * piece && depth < 60) {
        const double mid = (a + b) / 2.0;
        nearElementGradient(e, px, py, a, mid, depth + 1, g);
        nearElementGradient(e, px, py, mid, b, depth + 1, g);
        return;
    }
    const double c = (a + b) / 2.0;
    const double h = (b - a) / 2.0;
    for (const GaussPoint& gp : kGaussPoints) {
        const double xi = c + h * gp.abscissa;
        const double n1 = xi * (xi - 1.0) / 2.0;
        const double n2 = (1.0 - xi) * (1.0 + xi);
        const double n3 = xi * (xi + 1.0) / 2.0;
        const double dx = (1.0 - xi) / 2.0 * x1_[e] + (1.0 + xi) / 2.0 * x3_[e] - px;
        const double dy = (1.0 - xi) / 2.0 * y1_[e] + (1.0 + xi) / 2.0 * y3_[e] - py;
        const double U = n1 * u1_[e] + n2 * u2_[e] + n3 * u3_[e];
        const double Q = n1 * q1_[e] + n2 * q2_[e] + n3 * q3_[e];
        addKernelGradient(dx, dy, nx_[e], ny_[e], gp.weight * h * U / (4.0 * kPi),
                          gp.weight * h * L * Q / (8.0 * kPi * conductivity_), g);
    }
}

std::array<double, 2> PotentialField::elementGradient(std::size_t e, double xi) const
{
    const double L = length_[e];
    // dU/dξ of the quadratic through u1, u2, u3 at ξ = −1, 0, 1; ds = L/2 dξ.
    const double slope = (u1_[e] * (xi - 0.5) - 2.0 * xi * u2_[e] + u3_[e] * (xi + 0.5)) * 2.0 / L;
    const double Q = xi * (xi - 1.0) / 2.0 * q1_[e] + (1.0 - xi) * (1.0 + xi) * q2_[e] + xi * (xi + 1.0) / 2.0 * q3_[e];
    const double normal = -Q / conductivity_;
    // Unit tangent (x3 − x1)/L and outward normal (Δy, −Δx)/L = (nx, ny)/L.
    const double tx = (x3_[e] - x1_[e]) / L;
    const double ty = (y3_[e] - y1_[e]) / L;
    return {slope * tx + normal * nx_[e] / L, slope * ty + normal * ny_[e] / L};
}

std::array<double, 2> PotentialField::representationGradient(double px, double py) const
{
    std::array<double, 2> g{0.0, 0.0};
    const std::size_t ne = x1_.size();
    for (std::size_t e = 0; e < ne; ++e) {
        const double L2 = length2_[e];
        double t = 0.0;
        const double d2 = distance2(px, py, x1_[e], y1_[e], x3_[e], y3_[e], t);
        if (d2 <= kOnElement * kOnElement * L2) {
            return elementGradient(e, 2.0 * t - 1.0);
        }
        // The rules as valueAt chooses them: four points four lengths away
        // or more, eight from two lengths, pieces nearer.
        if (d2 >= 16.0 * L2) {
            ruleGradient(farRule_, e, px, py, g);
        } else if (d2 >= 4.0 * L2) {
            ruleGradient(middleRule_, e, px, py, g);
        } else {
            nearElementGradient(e, px, py, -1.0, 1.0, 0, g);
        }
    }
    return g;
}

PotentialField::BoundaryPoint PotentialField::nearestBoundaryPoint(double px, double py) const
{
    BoundaryPoint best;
    for (std::size_t e = 0; e < x1_.size(); ++e) {
        double t = 0.0;
        const double d2 = distance2(px, py, x1_[e], y1_[e], x3_[e], y3_[e], t);
        if (best.element == kNoElement || d2 < best.distance * best.distance) {
            best = {e, t, std::sqrt(d2)};
        }
    }
    return best;
}

std::array<double, 2> PotentialField::inwardDirection(double px, double py, const BoundaryPoint& b) const
{
    const std::size_t e = b.element;
    const double bx = x1_[e] + b.t * (x3_[e] - x1_[e]);
    const double by = y1_[e] + b.t * (y3_[e] - y1_[e]);
    if (b.distance > kOnElement * length_[e]) {
        return {(px - bx) / b.distance, (py - by) / b.distance};
    }
    // On the boundary: into the region across the element, and at a node
    // across both elements that meet there.
    double dx = -nx_[e] / length_[e];
    double dy = -ny_[e] / length_[e];
    for (std::size_t other = 0; other < x1_.size(); ++other) {
        double t = 0.0;
        if (other != e && distance2(bx, by, x1_[other], y1_[other], x3_[other], y3_[other], t) <=
                              kOnElement * kOnElement * length2_[other]) {
            dx -= nx_[other] / length_[other];
            dy -= ny_[other] / length_[other];
        }
    }
    const double norm = std::hypot(dx, dy);
    return norm > 0.0 ? std::array<double, 2>{dx / norm, dy / norm} : std::array<double, 2>{0.0, 0.0};
}

std::array<double, 2> PotentialField::gradient(double px, double py) const
{
    if (x1_.empty()) {
        return {0.0, 0.0};
    }
    const BoundaryPoint b = nearestBoundaryPoint(px, py);
    const double reach = kSmoothedReach * length_[b.element];
    if (!(b.distance < reach)) {
        return representationGradient(px, py);
    }
    // Next to the boundary the gradient shows the elements' facets and the
    // seams of their interpolation, which the solution does not resolve: it
    // is continued linearly from one and two reaches in from the nearest
    // boundary point, along the line through the point.
    const std::array<double, 2> in = inwardDirection(px, py, b);
    const std::size_t e = b.element;
    const double bx = x1_[e] + b.t * (x3_[e] - x1_[e]);
    const double by = y1_[e] + b.t * (y3_[e] - y1_[e]);
    const double x1 = bx + reach * in[0];
    const double y1 = by + reach * in[1];
    const double x2 = bx + 2.0 * reach * in[0];
    const double y2 = by + 2.0 * reach * in[1];
    // Both points must lie that far from the boundary (not in a narrow part
    // of the region, nor across another boundary).
    if (nearestBoundaryPoint(x1, y1).distance < 0.9 * reach || nearestBoundaryPoint(x2, y2).distance < 1.8 * reach) {
        return representationGradient(px, py);
    }
    const std::array<double, 2> g1 = representationGradient(x1, y1);
    const std::array<double, 2> g2 = representationGradient(x2, y2);
    const double w = (reach - b.distance) / reach;
    return {g1[0] + w * (g1[0] - g2[0]), g1[1] + w * (g1[1] - g2[1])};
}

} // namespace zorind::solver
