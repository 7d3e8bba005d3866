#pragma once

// Models whose answers are known in closed form, shared by the tests and the
// convergence benchmark.
#include "contract/ElasticProblem.h"

#include <cmath>
#include <functional>
#include <numbers>
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
            contract::ElasticElement e{i, (i + 1) % n, contract::ElasticKind::Traction, {}, {}, {}};
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

// A circle of n elements, anticlockwise from (radius, 0), appended to the
// problem's nodes and elements: each element gets `value` at its start, its
// middle and its end, of kind `kind`.
inline void addCircle(contract::ElasticProblem& p, double radius, int n, contract::ElasticKind kind,
                      const std::function<contract::PlanePoint(double x, double y)>& value)
{
    const int first = static_cast<int>(p.nodes.size());
    for (int i = 0; i < n; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / n;
        p.nodes.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    for (int i = 0; i < n; ++i) {
        const contract::PlanePoint a = p.nodes[static_cast<std::size_t>(first + i)];
        const contract::PlanePoint b = p.nodes[static_cast<std::size_t>(first + (i + 1) % n)];
        contract::ElasticElement e{first + i, first + (i + 1) % n, kind, value(a.x, a.y), value(b.x, b.y), {}};
        e.atMiddle = value(0.5 * (a.x + b.x), 0.5 * (a.y + b.y));
        p.elements.push_back(e);
    }
}

// Lame's thick cylinder in plane strain: radii a and b = 2a, the pressure p
// inside, the outer circle held at the displacement of a free outer surface;
// n elements a circle, both drawn anticlockwise.
struct ThickCylinder {
    double a = 1.0;
    double b = 2.0;
    double pressure = 100e6;
    double youngModulus = 2.1e11;
    double poissonRatio = 0.3;

    double bigA() const { return pressure * a * a / (b * b - a * a); }
    double bigB() const { return pressure * a * a * b * b / (b * b - a * a); }
    double radialDisplacement(double r) const
    {
        return (1.0 + poissonRatio) / youngModulus * ((1.0 - 2.0 * poissonRatio) * bigA() * r + bigB() / r);
    }
    double hoopStress(double r) const { return bigA() + bigB() / (r * r); }

    contract::ElasticProblem problem(int n) const
    {
        contract::ElasticProblem p;
        p.youngModulus = youngModulus;
        p.poissonRatio = poissonRatio;
        addCircle(p, b, n, contract::ElasticKind::Displacement, [&](double x, double y) {
            const double r = std::hypot(x, y), u = radialDisplacement(r);
            return contract::PlanePoint{u * x / r, u * y / r};
        });
        addCircle(p, a, n, contract::ElasticKind::Traction, [&](double x, double y) {
            const double r = std::hypot(x, y);
            return contract::PlanePoint{pressure * x / r, pressure * y / r};
        });
        return p;
    }
};

// Kirsch's plate: a hole of radius a in a plate pulled by `tension` along x,
// in plane strain. The model is a disc of radius 5a held at Kirsch's
// displacement around a free hole; n elements a circle, both anticlockwise.
struct PlateWithHole {
    double a = 1.0;
    double outer = 5.0;
    double tension = 1e6;
    double youngModulus = 2.1e11;
    double poissonRatio = 0.3;

    // Kirsch's displacement at (x, y), without rigid motion.
    contract::PlanePoint displacement(double x, double y) const
    {
        const double mu = youngModulus / (2.0 * (1.0 + poissonRatio));
        const double kappa = 3.0 - 4.0 * poissonRatio;
        const double r = std::hypot(x, y), t = std::atan2(y, x);
        const double c = std::cos(2.0 * t), s = std::sin(2.0 * t);
        const double a2 = a * a, a4 = a2 * a2;
        const double ur = tension / (8.0 * mu * r) *
                          ((kappa - 1.0) * r * r + 2.0 * a2 + 2.0 * (r * r + (kappa + 1.0) * a2 - a4 / (r * r)) * c);
        const double ut = -tension / (4.0 * mu * r) * (r * r + (kappa - 1.0) * a2 + a4 / (r * r)) * s;
        return {ur * std::cos(t) - ut * std::sin(t), ur * std::sin(t) + ut * std::cos(t)};
    }
    // The hoop stress on the hole at angle t from the x axis.
    double hoopStressOnHole(double t) const { return tension * (1.0 - 2.0 * std::cos(2.0 * t)); }

    contract::ElasticProblem problem(int n) const
    {
        contract::ElasticProblem p;
        p.youngModulus = youngModulus;
        p.poissonRatio = poissonRatio;
        addCircle(p, outer, n, contract::ElasticKind::Displacement,
                  [&](double x, double y) { return displacement(x, y); });
        addCircle(p, a, n, contract::ElasticKind::Traction, [](double, double) { return contract::PlanePoint{}; });
        return p;
    }
};

} // namespace zorind::elastic::test
