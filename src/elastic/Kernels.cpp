#include "Kernels.h"

#include <cmath>

namespace zorind::elastic::bem {

namespace {

double xLogX(double x)
{
    return x > 0.0 ? x * std::log(x) : 0.0;
}

} // namespace

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

} // namespace zorind::elastic::bem
