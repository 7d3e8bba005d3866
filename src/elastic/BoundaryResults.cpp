#include "elastic/BoundaryResults.h"
#include "elastic/ElasticSolver.h"

#include <array>

namespace zorind::elastic::bem {

BoundaryValues boundaryValues(const Eigen::VectorXd& x, const Unknowns& u, double scale)
{
    BoundaryValues values;
    values.displacement = u.displacement;
    for (std::size_t j = 0; j < u.displacementColumn.size(); ++j) {
        for (int k = 0; k < 2; ++k) {
            if (const int c = u.displacementColumn[j][static_cast<std::size_t>(k)]; c >= 0) {
                component(values.displacement[j], k) = x(c);
            }
        }
    }
    std::vector<double> t(u.tractions.size());
    for (std::size_t v = 0; v < u.tractions.size(); ++v) {
        const int c = u.tractionColumn[v];
        t[v] = c >= 0 ? x(c) * scale : u.tractions[v].value;
    }
    values.traction.resize(u.slotTraction.size());
    for (std::size_t at = 0; at < u.slotTraction.size(); ++at) {
        for (int k = 0; k < 2; ++k) {
            if (const int v = u.slotTraction[at][static_cast<std::size_t>(k)]; v >= 0) {
                component(values.traction[at], k) = t[static_cast<std::size_t>(v)];
            }
        }
    }
    return values;
}

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
            const Point own = values.traction[endSlot(end)];
            const Point middle = values.traction[slot(e, 1)];
            r.fx += g.length * (own.x / 6.0 + middle.x / 3.0);
            r.fy += g.length * (own.y / 6.0 + middle.y / 3.0);
            // The derivative of the quadratic displacement at this end.
            const std::array<std::size_t, 3> at = b.elementPoints(e);
            const std::array<double, 3> weights =
                end.side == 0 ? std::array{-3.0, 4.0, -1.0} : std::array{1.0, -4.0, 3.0};
            double strain = 0.0;
            for (std::size_t k = 0; k < 3; ++k) {
                const Point& u = values.displacement[at[k]];
                strain += weights[k] * (u.x * g.tx + u.y * g.ty);
            }
            strain /= g.length;
            const double snn = own.x * g.nx + own.y * g.ny;
            const double sns = own.x * g.tx + own.y * g.ty;
            const double sss = ePrime * strain + nuPrime * snn;
            sx += snn * g.nx * g.nx + sss * g.tx * g.tx + 2.0 * sns * g.nx * g.tx;
            sy += snn * g.ny * g.ny + sss * g.ty * g.ty + 2.0 * sns * g.ny * g.ty;
            txy += snn * g.nx * g.ny + sss * g.tx * g.ty + sns * (g.nx * g.ty + g.ny * g.tx);
        }
        const auto count = static_cast<double>(b.ends[j].size());
        r.stress = planeStrainStress(sx / count, sy / count, txy / count, mat.sigmaZRatio);
    }
    return results;
}

} // namespace zorind::elastic::bem
