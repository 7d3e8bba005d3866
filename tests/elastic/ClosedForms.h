#pragma once

// Models whose answers are known in closed form, shared by the tests and the
// convergence benchmark.
#include "ElasticProblem.h"

#include <vector>

namespace zorind::elastic::test {

// A steel cantilever, length by height, in plane strain: the left end held
// fast, the right end loaded by a uniform upward traction, the long sides
// free. Drawn anticlockwise from the bottom left corner with `along`
// elements on each long side and `across` on each end, every coordinate
// times `unit`.
struct Cantilever {
    double length = 10.0;
    double height = 1.0;
    int along = 20;
    int across = 4;
    double load = 1e6; // the traction on the free end
    double youngModulus = 2.1e11;
    double poissonRatio = 0.3;

    // The model, every coordinate times unit.
    contract::ElasticProblem problem(double unit = 1.0) const
    {
        contract::ElasticProblem p;
        p.youngModulus = youngModulus;
        p.poissonRatio = poissonRatio;
        auto add = [&](double x, double y) { p.nodes.push_back({x * unit, y * unit}); };
        for (int i = 0; i < along; ++i) {
            add(length * i / along, 0.0);
        }
        for (int i = 0; i < across; ++i) {
            add(length, height * i / across);
        }
        for (int i = 0; i < along; ++i) {
            add(length - length * i / along, height);
        }
        for (int i = 0; i < across; ++i) {
            add(0.0, height - height * i / across);
        }
        const int n = static_cast<int>(p.nodes.size());
        for (int i = 0; i < n; ++i) {
            contract::ElasticElement e{i, (i + 1) % n, contract::ElasticKind::Traction, {}, {}};
            if (i >= 2 * along + across) {
                e.kind = contract::ElasticKind::Displacement;
            } else if (i >= along && i < along + across) {
                e.atStart = e.atEnd = {0.0, load};
            }
            p.elements.push_back(e);
        }
        return p;
    }
    // The node at the bottom of the free end.
    int tipNode() const { return along; }

    // Timoshenko's beam in plane strain with the shear coefficient 5/6: the
    // deflection of the free end's axis.
    double timoshenkoDeflection() const
    {
        const double force = load * height;
        const double bendingModulus = youngModulus / (1.0 - poissonRatio * poissonRatio);
        const double shearModulus = youngModulus / (2.0 * (1.0 + poissonRatio));
        const double inertia = height * height * height / 12.0;
        return force * length * length * length / (3.0 * bendingModulus * inertia) +
               force * length / (5.0 / 6.0 * shearModulus * height);
    }
};

} // namespace zorind::elastic::test
