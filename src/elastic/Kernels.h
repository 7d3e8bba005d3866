#pragma once

// Kelvin's plane-strain fundamental solutions integrated over the elements:
// the material's constants, and the integrals against the shape functions of
// an element away from the collocation point and of the element holding it.
#include "elastic/Quadrature.h"

#include <array>
#include <numbers>
#include <vector>

namespace zorind::elastic::bem {

using std::numbers::pi;
using Block = std::array<std::array<double, 2>, 2>;

// The plane-strain constants the kernels are made of, and sz / (sx + sy):
// Poisson's ratio in plane strain, 0 for a plate in plane stress (solved
// with the plane-strain equivalent of its material).
struct Material {
    explicit Material(double e, double poisson, double zRatio)
        : young(e), nu(poisson), sigmaZRatio(zRatio), mu(e / (2.0 * (1.0 + poisson))),
          cU(1.0 / (8.0 * pi * mu * (1.0 - poisson))), cT(1.0 / (4.0 * pi * (1.0 - poisson))),
          cS(mu / (2.0 * pi * (1.0 - poisson)))
    {
    }
    double young;
    double nu;
    double sigmaZRatio;
    double mu;
    double cU; // displacement kernel
    double cT; // traction and stress-from-traction kernels
    double cS; // stress-from-displacement kernel
};

inline void addScaled(Block& to, const Block& from, double factor)
{
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t j = 0; j < 2; ++j) {
            to[i][j] += factor * from[i][j];
        }
    }
}

// An element carries its values at three points: its start, its middle and
// its end (positions 0, 1, 2), interpolated by quadratic shape functions of
// xi = s / length.
inline std::array<double, 3> shapeFunctions(double xi)
{
    return {(1.0 - xi) * (1.0 - 2.0 * xi), 4.0 * xi * (1.0 - xi), xi * (2.0 * xi - 1.0)};
}

// Integrals of the kernels against the element's three shape functions.
struct ElementIntegrals {
    std::array<Block, 3> u{}; // U against the shape function of each position
    std::array<Block, 3> t{}; // T likewise
};

// Kelvin's plane-strain displacement and traction kernels for r = field - p,
// integrated against the shape functions over each element of `points`, into
// out[i] for the i-th element taken. Each element's sums run over its points
// in their order. U is symmetric (d0 d1 = d1 d0 exactly), so its off-diagonal
// is summed once.
void integrateKelvin(const Material& m, Point p, const std::vector<ElementGeometry>& elements,
                     const ElementPoints& points, ElementIntegrals* out);

// The element holding the collocation point at distance s0 from its start:
// the logarithm of U and the principal value of T integrated in closed form
// (on a straight element dr/dn vanishes and r,i r,j is constant).
ElementIntegrals integrateOwn(const Material& m, const ElementGeometry& g, double s0);

} // namespace zorind::elastic::bem
