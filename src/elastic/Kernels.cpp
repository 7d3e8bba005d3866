#include "elastic/Kernels.h"

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
        // Per position k: U 00 01 11 at 3k, T 00 01 10 11 at 9 + 4k.
        Vec4 sum[21] = {};
        for (std::size_t row = points.rows[group]; row < points.rows[group + 1]; ++row) {
            Vec4 s, w;
            kernels::load4(s, &points.s[4 * row]);
            kernels::load4(w, &points.w[4 * row]);
            const Vec4 xi = s / lanes.length;
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
            const Vec4 f[3] = {(1.0 - xi) * (1.0 - 2.0 * xi) * w, 4.0 * xi * (1.0 - xi) * w, xi * (2.0 * xi - 1.0) * w};
            int u = 0;
            int t = 9;
            for (std::size_t i = 0; i < 2; ++i) {
                for (std::size_t j = 0; j < 2; ++j) {
                    const double delta = i == j ? 1.0 : 0.0;
                    if (j >= i) {
                        const Vec4 uij = m.cU * (logTerm * delta + d[i] * d[j]);
                        sum[u] += f[0] * uij;
                        sum[u + 3] += f[1] * uij;
                        sum[u + 6] += f[2] * uij;
                        ++u;
                    }
                    const Vec4 tij =
                        tFactor * (drdn * (c1 * delta + 2.0 * d[i] * d[j]) - c1 * (d[i] * n[j] - d[j] * n[i]));
                    sum[t] += f[0] * tij;
                    sum[t + 4] += f[1] * tij;
                    sum[t + 8] += f[2] * tij;
                    ++t;
                }
            }
        }
        for (int lane = 0; lane < 4 && 4 * group + static_cast<std::size_t>(lane) < points.element.size(); ++lane) {
            ElementIntegrals& in = out[4 * group + static_cast<std::size_t>(lane)];
            for (int k = 0; k < 3; ++k) {
                const Vec4* us = &sum[3 * k];
                const Vec4* ts = &sum[9 + 4 * k];
                in.u[static_cast<std::size_t>(k)] = {{{us[0][lane], us[1][lane]}, {us[1][lane], us[2][lane]}}};
                in.t[static_cast<std::size_t>(k)] = {{{ts[0][lane], ts[1][lane]}, {ts[2][lane], ts[3][lane]}}};
            }
        }
    }
}

// The element holding the collocation point at distance s0 from its start:
// the logarithm of U and the principal value of T integrated in closed form
// (on a straight element dr/dn vanishes and r,i r,j is constant). Each shape
// function is written about s0 as c0 + c1 x + c2 x^2, x = s - s0, so that
// the integrals are those of x^n ln|x| and of x^n / x over [-a, b].
ElementIntegrals integrateOwn(const Material& m, const ElementGeometry& g, double s0)
{
    const double len = g.length;
    const double a = s0;
    const double b = len - s0;
    // ∫ x^n ln|x| for n = 0, 1, 2
    const double i0 = xLogX(a) - a + xLogX(b) - b;
    const double i1 = 0.5 * b * xLogX(b) - 0.25 * b * b - 0.5 * a * xLogX(a) + 0.25 * a * a;
    const double i2 = (b * b * xLogX(b) - b * b * b / 3.0 + a * a * xLogX(a) - a * a * a / 3.0) / 3.0;
    const double xi = s0 / len;
    const std::array<double, 3> c0 = shapeFunctions(xi);
    const std::array<double, 3> c1 = {(4.0 * xi - 3.0) / len, (4.0 - 8.0 * xi) / len, (4.0 * xi - 1.0) / len};
    const std::array<double, 3> c2 = {2.0 / (len * len), -4.0 / (len * len), 2.0 / (len * len)};
    const std::array<double, 3> shapeIntegral = {len / 6.0, 2.0 * len / 3.0, len / 6.0};
    const std::array<double, 2> t = {g.tx, g.ty};
    // T = k A / (s - s0) with A antisymmetric. At an end node the share of
    // the node's own shape function is infinite: it comes from rigid-body
    // motion instead, and is left 0 here.
    const double k = (1.0 - 2.0 * m.nu) * m.cT;
    const double a01 = g.tx * g.ny - g.ty * g.nx;
    ElementIntegrals out;
    for (std::size_t q = 0; q < 3; ++q) {
        const double logIntegral = c0[q] * i0 + c1[q] * i1 + c2[q] * i2;
        for (std::size_t i = 0; i < 2; ++i) {
            for (std::size_t j = 0; j < 2; ++j) {
                const double delta = i == j ? 1.0 : 0.0;
                out.u[q][i][j] = m.cU * (-(3.0 - 4.0 * m.nu) * logIntegral * delta + t[i] * t[j] * shapeIntegral[q]);
            }
        }
        const bool singular = (a == 0.0 || b == 0.0) && c0[q] != 0.0;
        const double pv =
            singular ? 0.0
                     : (c0[q] != 0.0 ? c0[q] * std::log(b / a) : 0.0) + c1[q] * (a + b) + c2[q] * 0.5 * (b * b - a * a);
        out.t[q] = {{{0.0, k * a01 * pv}, {-k * a01 * pv, 0.0}}};
    }
    return out;
}

} // namespace zorind::elastic::bem
