// The potential anywhere in the region, against the exact annulus solution.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "solver/Compute.h"
#include "solver/PotentialField.h"
#include "support/SolverModels.h"
#include "ui/ScriptedInteraction.h"

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
