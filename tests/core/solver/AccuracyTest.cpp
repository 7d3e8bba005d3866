// The solver against exact solutions of Laplace's equation.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/solver/Compute.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/SolverModels.h"

namespace zorind {
namespace {

using test::Point;

void computeOrFail(Project& p)
{
    ScriptedInteraction ui;
    ASSERT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed) << ::testing::PrintToString(ui.textsShown());
    ASSERT_EQ(p.resultsValid, 1);
}

// A prescribed potential u = x at the three positions of every element of a
// circle: u = x is harmonic, so the internal points must reproduce it.
TEST(SolverAccuracy, CircleWithLinearPotentialReproducesItInside)
{
    Project p = test::emptyProject();
    const double radius = 2.0;
    test::addChain(p, test::circlePoints(0.0, 0.0, radius, 18), [&](Point s, Point e) {
        return test::addCondition(p, 1.0f, static_cast<float>(s.first), static_cast<float>((s.first + e.first) / 2),
                                  static_cast<float>(e.first));
    });
    for (int i = 0; i < 12; ++i) {
        const double a = 2.0 * std::numbers::pi * (i + 0.25) / 12;
        test::addInternalPoint(p, static_cast<float>(0.5 * radius * std::cos(a)),
                               static_cast<float>(0.5 * radius * std::sin(a)));
    }
    test::addInternalPoint(p, 0.0f, 0.0f);
    computeOrFail(p);
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& pt = p.internalPoints[i];
        EXPECT_NEAR(pt.internalResult, pt.x, 1e-3) << "point " << i;
    }
    // The flux q = -k du/dn = -n_x at the midpoints, n the outward normal
    // of the straight element.
    for (int e = 1; e <= p.elementCount(); ++e) {
        const Node& a = p.nodes[p.elements[e].startNode];
        const Node& b = p.nodes[p.elements[e].endNode];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const double nx = (b.y - a.y) / length;
        EXPECT_NEAR(p.fluxResults[e].slot[2], -nx, 2e-2) << "element " << e;
    }
}

// An annulus between two circles at fixed potentials: u = u1 ln(r/R2) /
// ln(R1/R2) with u1 on the inner circle and 0 on the outer one.
TEST(SolverAccuracy, AnnulusFollowsTheLogarithmicProfile)
{
    Project p = test::emptyProject();
    const double inner = 1.0;
    const double outer = 3.0;
    const float u1 = 100.0f;
    const int cold = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    const int hot = test::addCondition(p, 1.0f, u1, u1, u1);
    const int hole = test::addBoundary(p, InnerBoundary);
    test::addChain(
        p, test::circlePoints(5.0, 5.0, outer, 48), [&](Point, Point) { return cold; }, 1);
    test::addChain(
        p, test::circlePoints(5.0, 5.0, inner, 32, true), [&](Point, Point) { return hot; }, hole);
    const double radii[] = {1.25, 1.5, 2.0, 2.5, 2.75};
    for (double r : radii) {
        for (int k = 0; k < 3; ++k) {
            const double a = 0.3 + 2.1 * k;
            test::addInternalPoint(p, static_cast<float>(5.0 + r * std::cos(a)),
                                   static_cast<float>(5.0 + r * std::sin(a)));
        }
    }
    computeOrFail(p);
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& pt = p.internalPoints[i];
        const double r = std::hypot(pt.x - 5.0, pt.y - 5.0);
        const double exact = u1 * std::log(r / outer) / std::log(inner / outer);
        EXPECT_NEAR(pt.internalResult, exact, 0.01 * u1) << "r = " << r;
    }
}

// Rectangle [0, a] × [0, b]: potential T0 = 50 on the left side, the
// right side's condition as given, top and bottom insulated, either by a zero
// flux (kind 2) or by convection with a zero coefficient (kind 3).
//
// Where two sides of one kind meet, the corner is one shared node with one
// value: a flux that jumps there (10 on the right side, 0 on the bottom) is
// smeared over the neighbouring elements and costs first-order accuracy. A
// kind change makes the corner a double node instead, which represents the
// jump exactly; so the flux side is insulated by convection, the convection
// side by zero flux.
Project slab(float conductivity, int rightCondition(Project&), float insulationKind)
{
    Project p = test::emptyProject();
    const double a = 4.0;
    const double b = 2.0;
    p.conductivity = conductivity;
    p.conditions[1] = {insulationKind, 0.0f, 0.0f, 0.0f, 0, 0, 0, 0};
    const int fixed = test::addCondition(p, 1.0f, 50.0f, 50.0f, 50.0f);
    const int right = rightCondition(p);
    test::addChain(p, test::rectanglePoints(a, b, 6), [&](Point s, Point e) {
        switch (test::rectangleSide(s, e, a, b)) {
        case 1:
            return right;
        case 3:
            return fixed;
        default:
            return 1;
        }
    });
    for (double x : {0.5, 1.0, 2.0, 3.0, 3.5}) {
        for (double y : {0.5, 1.0, 1.5}) {
            test::addInternalPoint(p, static_cast<float>(x), static_cast<float>(y));
        }
    }
    return p;
}

TEST(SolverAccuracy, RectangleWithFluxAndInsulatedSidesIsLinear)
{
    const float k = 2.5f;
    Project p = slab(
        k, [](Project& model) { return test::addCondition(model, 2.0f, 10.0f, 10.0f, 10.0f); }, 3.0f);
    computeOrFail(p);
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& pt = p.internalPoints[i];
        const double exact = 50.0 - 10.0 / k * pt.x;
        EXPECT_NEAR(pt.internalResult, exact, 1e-3 * std::fabs(exact)) << "x = " << pt.x;
    }
    // The flux comes in through the fixed side as it leaves through the other.
    for (int e = 1; e <= p.elementCount(); ++e) {
        const Element& el = p.elements[e];
        if (p.nodes[el.startNode].x == 0.0f && p.nodes[el.endNode].x == 0.0f) {
            for (int s = 1; s <= 3; ++s) {
                EXPECT_NEAR(p.fluxResults[e].slot[s], -10.0, 1e-2) << "element " << e;
            }
        }
    }
}

// A rectangle with the potential u = 100 - 10x prescribed all round.
Project prescribedRectangle(float conductivity)
{
    Project p = test::emptyProject();
    p.conductivity = conductivity;
    auto u = [](double x) { return static_cast<float>(100.0 - 10.0 * x); };
    test::addChain(p, test::rectanglePoints(6.0, 3.0, 5), [&](Point s, Point e) {
        return test::addCondition(p, 1.0f, u(s.first), u((s.first + e.first) / 2), u(e.first));
    });
    test::addInternalPoint(p, 1.0f, 1.0f);
    test::addInternalPoint(p, 3.0f, 1.5f);
    test::addInternalPoint(p, 5.0f, 2.0f);
    return p;
}

TEST(SolverAccuracy, DoublingTheConductivityDoublesTheFluxesOfAPrescribedPotential)
{
    Project once = prescribedRectangle(1.5f);
    Project twice = prescribedRectangle(3.0f);
    computeOrFail(once);
    computeOrFail(twice);
    for (int e = 1; e <= once.elementCount(); ++e) {
        for (int slot = 1; slot <= 3; ++slot) {
            const float q1 = once.fluxResults[e].slot[slot];
            const float q2 = twice.fluxResults[e].slot[slot];
            EXPECT_NEAR(q2, 2.0 * q1, 1e-5 * (1.0 + std::fabs(q1))) << "element " << e;
        }
    }
    // q = -k du/dn = 10 k n_x, checked where the corners (shared nodes with
    // one flux for two directions) are far enough: the middle of each side.
    const int middleElements[] = {3, 8, 13, 18};
    const double expected[] = {0.0, 15.0, 0.0, -15.0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(once.fluxResults[middleElements[i]].slot[2], expected[i], 1e-2) << "side " << i;
    }
    for (int i = 1; i <= once.internalPointCount(); ++i) {
        const double exact = 100.0 - 10.0 * once.internalPoints[i].x;
        EXPECT_NEAR(once.internalPoints[i].internalResult, exact, 1e-3 * exact);
        EXPECT_NEAR(twice.internalPoints[i].internalResult, once.internalPoints[i].internalResult, 1e-4);
    }
}

// Convection on the right side: with h the coefficient and T the ambient
// value, the one-dimensional slab carries q = h (u(a) - T) = k (T0 - u(a)) / a.
TEST(SolverAccuracy, ConvectionSideMatchesTheSlabSolution)
{
    const float k = 2.0f;
    const float h = 3.0f;
    const float ambient = 10.0f;
    Project p = slab(
        k, [](Project& model) { return test::addCondition(model, 3.0f, 3.0f, 3.0f, 3.0f); }, 2.0f);
    p.ambientTemperature = ambient;
    computeOrFail(p);
    const double a = 4.0;
    const double t0 = 50.0;
    const double surface = (k * t0 / a + h * ambient) / (k / a + h);
    const double q = h * (surface - ambient);
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& pt = p.internalPoints[i];
        const double exact = t0 - (t0 - surface) * pt.x / a;
        EXPECT_NEAR(pt.internalResult, exact, 1e-4 * exact) << "x = " << pt.x;
    }
    for (int e = 1; e <= p.elementCount(); ++e) {
        const Element& el = p.elements[e];
        if (p.nodes[el.startNode].x == 4.0f && p.nodes[el.endNode].x == 4.0f) {
            for (int s = 1; s <= 3; ++s) {
                EXPECT_NEAR(p.elementResults[e].slot[s], surface, 1e-4 * surface);
                EXPECT_NEAR(p.fluxResults[e].slot[s], q, 1e-4 * q);
            }
        }
    }
}

// Metals: an electric conductivity near 6e7 makes every entry of G far
// smaller than the elimination's absolute threshold. The system is sound all
// the same and must be solved, not refused.
TEST(SolverAccuracy, MetalConductivityIsSolvedCorrectly)
{
    const float k = 5.96e7f;
    Project p = slab(
        k, [](Project& model) { return test::addCondition(model, 2.0f, 5.0e8f, 5.0e8f, 5.0e8f); }, 3.0f);
    computeOrFail(p);
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& pt = p.internalPoints[i];
        const double exact = 50.0 - 5.0e8 / k * pt.x;
        EXPECT_NEAR(pt.internalResult, exact, 1e-3 * std::fabs(exact)) << "x = " << pt.x;
    }
}

} // namespace
} // namespace zorind
