#include "elastic/InteriorPoints.h"
#include "elastic/ElasticSolver.h"

#include <array>

namespace zorind::elastic::bem {

namespace {

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

// The traction and displacement at the three points of each lane's element.
struct LaneValues {
    Vec4 tx[3], ty[3], ux[3], uy[3];
};

[[gnu::always_inline]] inline LaneValues laneValues(const Boundary& b, const BoundaryValues& values,
                                                    const LaneElements& lanes)
{
    LaneValues v;
    for (std::size_t lane = 0; lane < 4; ++lane) {
        const std::size_t e = lanes.number[lane];
        const std::array<std::size_t, 3> at = b.elementPoints(e);
        for (std::size_t k = 0; k < 3; ++k) {
            const Point& t = values.traction[slot(e, static_cast<int>(k))];
            const Point& u = values.displacement[at[k]];
            v.tx[k][lane] = t.x;
            v.ty[k][lane] = t.y;
            v.ux[k][lane] = u.x;
            v.uy[k][lane] = u.y;
        }
    }
    return v;
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
        const LaneValues v = laneValues(b, values, lanes);
        const Vec4 nx = lanes.nx;
        const Vec4 ny = lanes.ny;
        for (std::size_t row = points.rows[group]; row < points.rows[group + 1]; ++row) {
            Vec4 s, w;
            kernels::load4(s, &points.s[4 * row]);
            kernels::load4(w, &points.w[4 * row]);
            const Vec4 xi = s / lanes.length;
            const Vec4 n0 = (1.0 - xi) * (1.0 - 2.0 * xi);
            const Vec4 n1 = 4.0 * xi * (1.0 - xi);
            const Vec4 n2 = xi * (2.0 * xi - 1.0);
            const Vec4 rx = lanes.ax + s * lanes.tx - p.x;
            const Vec4 ry = lanes.ay + s * lanes.ty - p.y;
            const Vec4 tx = n0 * v.tx[0] + n1 * v.tx[1] + n2 * v.tx[2];
            const Vec4 ty = n0 * v.ty[0] + n1 * v.ty[1] + n2 * v.ty[2];
            const Vec4 ux = n0 * v.ux[0] + n1 * v.ux[1] + n2 * v.ux[2];
            const Vec4 uy = n0 * v.uy[0] + n1 * v.uy[1] + n2 * v.uy[2];
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
    r.stress = planeStrainStress(sums[2], sums[3], sums[4], mat.sigmaZRatio);
    return r;
}

} // namespace

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

} // namespace zorind::elastic::bem
