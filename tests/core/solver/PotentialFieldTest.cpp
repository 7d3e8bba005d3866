// The potential anywhere in the region, against the exact annulus solution.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/solver/Compute.h"
#include "core/solver/Integration.h"
#include "core/solver/PotentialField.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/SolverModels.h"

namespace zorind {
namespace {

using test::Point;

constexpr double kInner = 1.0;
constexpr double kOuter = 2.0;
constexpr double kHot = 100.0;

// The annulus 1 < r < 2 about the origin, 100 inside, 0 outside: 96 elements
// on the outer circle, 64 on the hole's (clockwise), computed.
Project annulus()
{
    Project p = test::emptyProject();
    const int cold = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    const int hot = test::addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int hole = test::addBoundary(p, InnerBoundary);
    test::addChain(
        p, test::circlePoints(0.0, 0.0, kOuter, 96), [&](Point, Point) { return cold; }, 1);
    test::addChain(
        p, test::circlePoints(0.0, 0.0, kInner, 64, true), [&](Point, Point) { return hot; }, hole);
    test::addInternalPoint(p, 1.5f, 0.2f);
    test::addInternalPoint(p, -0.3f, -1.2f);
    ScriptedInteraction ui;
    EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    return p;
}

double exact(double x, double y)
{
    return kHot * std::log(std::hypot(x, y) / kOuter) / std::log(kInner / kOuter);
}

// Points at 1 %, 10 %, 50 %, 100 % and 300 % of an element's length from
// every element of both circles (off its ends, its quarter points and its
// middle, towards the region), and a 60 × 60 grid over the box: every value
// within 0.5 % of the range of the exact one; the evaluation of many points
// at once gives the same values as one point at a time.
TEST(PotentialField, AnnulusIsRightUpToTheBoundary)
{
    const Project p = annulus();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    std::vector<double> xs;
    std::vector<double> ys;
    for (int e = 1; e <= p.elementCount(); ++e) {
        const Node& a = p.nodes[p.elements[e].startNode];
        const Node& b = p.nodes[p.elements[e].endNode];
        const double L = std::hypot(b.x - a.x, b.y - a.y);
        // The region lies to the left of every element (anticlockwise outer,
        // clockwise hole).
        const double nx = -(b.y - a.y) / L;
        const double ny = (b.x - a.x) / L;
        for (double t : {0.0, 0.25, 0.5, 0.75}) {
            for (double d : {0.01, 0.1, 0.5, 1.0, 3.0}) {
                xs.push_back(a.x + t * (b.x - a.x) + d * L * nx);
                ys.push_back(a.y + t * (b.y - a.y) + d * L * ny);
            }
        }
    }
    for (int i = 0; i < 60; ++i) {
        for (int j = 0; j < 60; ++j) {
            const double x = -2.0 + 4.0 * (i + 0.5) / 60;
            const double y = -2.0 + 4.0 * (j + 0.5) / 60;
            const double r = std::hypot(x, y);
            if (r > 1.01 * kInner && r < 0.99 * kOuter) {
                xs.push_back(x);
                ys.push_back(y);
            }
        }
    }
    std::vector<double> values(xs.size());
    field->evaluate(xs.data(), ys.data(), values.data(), xs.size());
    int wrong = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        ASSERT_TRUE(field->inside(xs[i], ys[i])) << xs[i] << ' ' << ys[i];
        if (std::fabs(values[i] - exact(xs[i], ys[i])) > 0.005 * kHot && ++wrong < 10) {
            ADD_FAILURE() << "at (" << xs[i] << ", " << ys[i] << "): " << values[i] << ", exactly "
                          << exact(xs[i], ys[i]);
        }
        if (i % 97 == 0) {
            EXPECT_EQ(field->potential(xs[i], ys[i]), values[i]);
        }
    }
    EXPECT_EQ(wrong, 0);
}

// The field is the internal points' representation: at the internal points
// it gives the values the compute stored.
TEST(PotentialField, AgreesWithTheInternalPoints)
{
    const Project p = annulus();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& pt = p.internalPoints[i];
        EXPECT_NEAR(field->potential(pt.x, pt.y), pt.internalResult, 1e-4) << "point " << i;
    }
    Project stale = p;
    stale.resultsValid = 0;
    EXPECT_FALSE(solver::PotentialField::fromModel(stale).has_value());
}

// The representation integrated finely: every element on 64 pieces of the
// ten-point rule, exact to rounding for points two element lengths away.
double finelyIntegrated(const Project& p, double px, double py)
{
    double sum = 0.0;
    const double k = p.conductivity > 0.0f ? static_cast<double>(p.conductivity) : 1.0;
    for (int e = 1; e <= p.elementCount(); ++e) {
        const Node& a = p.nodes[p.elements[e].startNode];
        const Node& b = p.nodes[p.elements[e].endNode];
        const double x1 = a.x, y1 = a.y, x3 = b.x, y3 = b.y;
        const double L = std::hypot(x3 - x1, y3 - y1);
        const ResultRecord& u = p.elementResults[e];
        const ResultRecord& q = p.fluxResults[e];
        constexpr int pieces = 64;
        for (int piece = 0; piece < pieces; ++piece) {
            const double c = -1.0 + (2.0 * piece + 1.0) / pieces;
            const double h = 1.0 / pieces;
            for (const solver::GaussPoint& gp : solver::kGaussPoints) {
                const double xi = c + h * gp.abscissa;
                const double n[3] = {xi * (xi - 1.0) / 2.0, (1.0 - xi) * (1.0 + xi), xi * (xi + 1.0) / 2.0};
                const double U = n[0] * u.slot[1] + n[1] * u.slot[2] + n[2] * u.slot[3];
                const double Q = n[0] * q.slot[1] + n[1] * q.slot[2] + n[2] * q.slot[3];
                const double dx = (1.0 - xi) / 2.0 * x1 + (1.0 + xi) / 2.0 * x3 - px;
                const double dy = (1.0 - xi) / 2.0 * y1 + (1.0 + xi) / 2.0 * y3 - py;
                const double r2 = dx * dx + dy * dy;
                sum += gp.weight * h *
                       (U * (dx * (y3 - y1) + dy * (x1 - x3)) / r2 / (4.0 * solver::kPi) +
                        L * Q * std::log(r2) / (8.0 * solver::kPi * k));
            }
        }
    }
    return sum;
}

// Away from the boundary each element takes a short Gauss rule chosen by its
// distance; at two to six element lengths from the outer circle (where the
// rules change) the values are those of the fine integration to 1e-9 of the
// range.
TEST(PotentialField, ShortRulesAwayFromTheBoundaryLoseNothing)
{
    const Project p = annulus();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    for (int e = 1; e <= p.elementCount(); e += 7) {
        const Node& a = p.nodes[p.elements[e].startNode];
        const Node& b = p.nodes[p.elements[e].endNode];
        const double L = std::hypot(b.x - a.x, b.y - a.y);
        const double mx = (a.x + b.x) / 2.0, my = (a.y + b.y) / 2.0;
        const double r = std::hypot(mx, my);
        if (r < 1.5) {
            continue; // the hole's elements: the region lies outside them
        }
        for (double d : {2.1, 2.5, 3.5, 4.2, 6.0}) {
            const double px = mx * (1.0 - d * L / r);
            const double py = my * (1.0 - d * L / r);
            EXPECT_NEAR(field->potential(px, py), finelyIntegrated(p, px, py), 1e-9 * kHot)
                << "element " << e << ", " << d << " lengths in";
        }
    }
}

// Inside means inside the outer circle and outside the hole, also on lines
// through the nodes (a ray along such a line meets two elements at a node);
// outside points get no value.
TEST(PotentialField, TellsTheRegionFromTheHoleAndTheOutside)
{
    const Project p = annulus();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    std::vector<double> xs;
    std::vector<double> ys;
    std::vector<bool> expected;
    auto add = [&](double x, double y, bool in) {
        xs.push_back(x);
        ys.push_back(y);
        expected.push_back(in);
    };
    for (int n = 1; n <= p.nodeCount(); ++n) {
        const double y = p.nodes[n].y;
        for (double x : {-2.5, -1.9, -1.5, -0.5, 0.0, 0.5, 1.5, 1.9, 2.5}) {
            const double r = std::hypot(x, y);
            if (std::fabs(r - kInner) > 0.02 && std::fabs(r - kOuter) > 0.02) {
                add(x, y, r > kInner && r < kOuter);
            }
        }
        // Just beside the node itself, on its line (not at the top and bottom
        // of the circles, where the line only touches them).
        const double x = p.nodes[n].x;
        const double r = std::hypot(x, y);
        if (std::fabs(x) > 0.1) {
            add(x * 0.98, y, r > 1.5);
            add(x * 1.02, y, r < 1.5);
        }
    }
    add(0.0, 0.0, false);
    add(5.0, 5.0, false);
    std::vector<double> values(xs.size());
    field->evaluate(xs.data(), ys.data(), values.data(), xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(field->inside(xs[i], ys[i]), expected[i]) << xs[i] << ' ' << ys[i];
        EXPECT_EQ(std::isnan(values[i]), !expected[i]) << xs[i] << ' ' << ys[i];
    }
}

} // namespace
} // namespace zorind
