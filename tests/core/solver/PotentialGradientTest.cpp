// The gradient of the potential inside the region, against closed forms,
// up to the boundary.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/solver/Compute.h"
#include "core/solver/PotentialField.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ClosedFormModels.h"

namespace zorind {
namespace {

solver::PotentialField fieldOf(Project p)
{
    ScriptedInteraction ui;
    EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    return *solver::PotentialField::fromModel(p);
}

// Points 1 % and 30 % of an element's length in from each element (off its
// start, its quarter point and its middle), and on it.
struct Sample {
    double x, y;
};
std::vector<Sample> nearBoundary(const Project& p)
{
    std::vector<Sample> out;
    for (const Element& el : p.elements) {
        const Node& a = p.nodes[el.startNode];
        const Node& b = p.nodes[el.endNode];
        const double L = std::hypot(b.x - a.x, b.y - a.y);
        // The region lies on the left of every element.
        const double nx = -(b.y - a.y) / L;
        const double ny = (b.x - a.x) / L;
        for (double t : {0.0, 0.25, 0.5}) {
            for (double d : {0.0, 0.01, 0.3}) {
                out.push_back({a.x + t * (b.x - a.x) + d * L * nx, a.y + t * (b.y - a.y) + d * L * ny});
            }
        }
    }
    return out;
}

// The plate's field is linear: its gradient (−50, 0) everywhere, on the
// boundary and next to it included.
TEST(PotentialGradient, PlateIsExactUpToTheBoundary)
{
    const Project p = test::plate();
    const solver::PotentialField f = fieldOf(p);
    std::vector<Sample> points = nearBoundary(p);
    points.push_back({1.0, 0.5});
    points.push_back({0.3, 0.9});
    for (const Sample& s : points) {
        const std::array<double, 2> g = f.gradient(s.x, s.y);
        EXPECT_NEAR(g[0], -50.0, 0.03 * 50.0) << s.x << ' ' << s.y;
        EXPECT_NEAR(g[1], 0.0, 0.03 * 50.0) << s.x << ' ' << s.y;
    }
}

// The ring: b r̂ / r within 3 % of its size, inside and within 1 % of an
// element's length of either circle.
TEST(PotentialGradient, RingIsRightUpToTheBoundary)
{
    const Project p = test::ring();
    const solver::PotentialField f = fieldOf(p);
    std::vector<Sample> points = nearBoundary(p);
    for (double r : {1.2, 1.5, 1.9}) {
        points.push_back({r * std::cos(0.3), r * std::sin(0.3)});
    }
    for (const Sample& s : points) {
        const double r = std::hypot(s.x, s.y);
        const double size = std::fabs(test::kRingB) / r;
        const std::array<double, 2> g = f.gradient(s.x, s.y);
        EXPECT_NEAR(g[0], test::kRingB * s.x / (r * r), 0.03 * size) << s.x << ' ' << s.y;
        EXPECT_NEAR(g[1], test::kRingB * s.y / (r * r), 0.03 * size) << s.x << ' ' << s.y;
    }
}

// The gradient is the value's own slope: central differences of potential()
// agree with it inside.
TEST(PotentialGradient, IsTheSlopeOfTheValue)
{
    const solver::PotentialField f = fieldOf(test::ring());
    for (const Sample& s : std::vector<Sample>{{1.3, 0.2}, {-0.4, 1.5}, {0.0, -1.2}}) {
        const double h = 1e-5;
        const std::array<double, 2> g = f.gradient(s.x, s.y);
        EXPECT_NEAR(g[0], (f.potential(s.x + h, s.y) - f.potential(s.x - h, s.y)) / (2 * h),
                    1e-4 * std::fabs(test::kRingB));
        EXPECT_NEAR(g[1], (f.potential(s.x, s.y + h) - f.potential(s.x, s.y - h)) / (2 * h),
                    1e-4 * std::fabs(test::kRingB));
    }
}

} // namespace
} // namespace zorind
