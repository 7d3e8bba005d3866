// Values along a segment against closed forms, the flux through it, and the
// segments refused.
#include <gtest/gtest.h>

#include <cmath>

#include "core/exchange/ElasticSolve.h"
#include "core/postprocess/ComputedResults.h"
#include "core/postprocess/Probe.h"
#include "core/ui/ScriptedInteraction.h"
#include "elastic/ElasticSolver.h"
#include "support/ClosedFormModels.h"

namespace zorind {
namespace {

const ElasticSolver solver = elastic::solveElasticProblem;

Project solved(Project p)
{
    ScriptedInteraction ui;
    EXPECT_EQ(ensureResults(p, ui, solver, nullptr), ResultsOutcome::Ready);
    return p;
}

Probe probed(const Project& p, ProbeSegment s, int n)
{
    ProbeOutcome outcome = probeSegment(p, s, n, solver);
    EXPECT_EQ(outcome.refusal, "");
    return outcome.probe.value_or(Probe{});
}

// A cut across the plate that reaches beyond it: the points outside are
// marked and have no value, those inside (its ends on the boundary
// included) the linear field and its gradient; 100 flows through the cut
// from left to right, −100 the other way.
TEST(Probe, PlateCutAgreesWithTheLinearField)
{
    const Project p = solved(test::plate());
    const Probe probe = probed(p, {1.5, -1.0, 1.5, 2.0}, 30);
    ASSERT_EQ(probe.samples.size(), 31u);
    EXPECT_NEAR(probe.insideLength, 1.0, 1e-9);
    int inside = 0;
    for (const ProbeSample& s : probe.samples) {
        EXPECT_NEAR(s.s, std::hypot(s.x - 1.5, s.y + 1.0), 1e-12);
        EXPECT_EQ(s.inside, s.y >= -1e-12 && s.y <= 1.0 + 1e-12) << s.y;
        if (!s.inside) {
            EXPECT_TRUE(std::isnan(s.value));
            continue;
        }
        ++inside;
        EXPECT_NEAR(s.value, test::plateExact(s.x), 0.5);
        EXPECT_NEAR(s.gradient[0], -50.0, 1.5);
        EXPECT_NEAR(s.gradient[1], 0.0, 1.5);
    }
    EXPECT_EQ(inside, 11);
    EXPECT_NEAR(probe.flux, 100.0, 1.0);
    // The flux through the cut at each point: −k ∂u/∂x, as the right of the
    // upward cut is +x.
    EXPECT_NEAR(probe.samples[15].normalFlux, 100.0, 3.0);
    // As a list to copy: the results of a point outside are empty.
    const ListColumns list = probeColumns(probe);
    ASSERT_EQ(list.rows.size(), 31u);
    EXPECT_EQ(list.headings.back(), "Strumień normalny");
    EXPECT_EQ(list.rows[0].copied[3], "0");
    EXPECT_EQ(list.rows[0].copied[4], "");
    EXPECT_EQ(list.rows[15].copied[1], "1.5");
    EXPECT_NEAR(std::stod(list.rows[15].copied[4]), probe.samples[15].value, 1e-6);
    EXPECT_NEAR(probed(p, {1.5, 2.0, 1.5, -1.0}, 3).flux, -100.0, 1.0);
}

// A chord of the ring's outer circle at x = 1.5 passes beside the hole:
// values within 0.5, gradients within 3 % up to the boundary (its ends lie
// on the circle, just outside the polygon of the elements), and the flux
// −2kb·atan(√(4 − x²)/x) within 1 %.
TEST(Probe, RingChordAgreesWithTheLogarithm)
{
    const Project p = solved(test::ring());
    const double half = std::sqrt(4.0 - 1.5 * 1.5);
    const Probe probe = probed(p, {1.5, -half, 1.5, half}, 400);
    EXPECT_FALSE(probe.samples.front().inside);
    EXPECT_TRUE(probe.samples[1].inside); // a few hundredths of an element in
    for (const ProbeSample& s : probe.samples) {
        if (!s.inside) {
            continue;
        }
        const double r = std::hypot(s.x, s.y);
        EXPECT_NEAR(s.value, test::ringExact(s.x, s.y), 0.5);
        const double size = std::fabs(test::kRingB) / r;
        EXPECT_NEAR(s.gradient[0], test::kRingB * s.x / (r * r), 0.03 * size);
        EXPECT_NEAR(s.gradient[1], test::kRingB * s.y / (r * r), 0.03 * size);
    }
    const double exact = -2.0 * test::kRingB * std::atan(half / 1.5);
    EXPECT_NEAR(probe.flux, exact, 0.01 * std::fabs(exact));
}

// A diameter of the ring crosses the hole: its points there are outside,
// and the flux through it (radial flow along it) is nil.
TEST(Probe, PointsInTheHoleAreOutside)
{
    const Project p = solved(test::ring());
    const Probe probe = probed(p, {-2.0, 0.0, 2.0, 0.0}, 8);
    const bool expected[] = {true, true, true, false, false, false, true, true, true};
    for (std::size_t i = 0; i < probe.samples.size(); ++i) {
        EXPECT_EQ(probe.samples[i].inside, expected[i]) << i;
    }
    EXPECT_NEAR(probe.insideLength, 2.0, 2e-3);
    EXPECT_NEAR(probe.flux, 0.0, 0.5);
}

// The bar along its middle, away from its held end: the pull as σx, and a
// strain of σ(1 − ν²)/E in plane strain.
TEST(Probe, TensionBarMiddleLine)
{
    const Project p = solved(test::tensionBar());
    const Probe probe = probed(p, {3.0, 0.5, 9.0, 0.5}, 6);
    ASSERT_TRUE(probe.elasticity);
    const double nu = exchangedPoissonRatio(p);
    const double strain = test::kBarPull * (1.0 - nu * nu) / exchangedYoungModulus(p);
    for (const ProbeSample& s : probe.samples) {
        EXPECT_TRUE(s.inside);
        EXPECT_NEAR(s.stress.sx, test::kBarPull, 0.01 * test::kBarPull);
        EXPECT_NEAR(s.stress.sy, 0.0, 0.01 * test::kBarPull);
    }
    const double slope = (probe.samples.back().displacement[0] - probe.samples.front().displacement[0]) / 6.0;
    EXPECT_NEAR(slope, strain, 0.01 * strain);
    // On the pulled end the boundary's own results stand.
    const Probe end = probed(p, {test::kBarLength, 0.5, 9.5, 0.5}, 1);
    EXPECT_NEAR(end.samples.front().stress.sx, test::kBarPull, 0.02 * test::kBarPull);
}

// Refused: a segment of zero length, one wholly outside the region (beside
// the plate, inside the ring's hole, touching a corner), an end that is no
// number; and results that are not valid.
TEST(Probe, RefusesBadSegments)
{
    const Project plate = solved(test::plate());
    const Project ring = solved(test::ring());
    const auto refusal = [&](const Project& p, ProbeSegment s) { return probeSegment(p, s, 10, solver).refusal; };
    EXPECT_EQ(refusal(plate, {1, 0.5, 1, 0.5}), kProbeZeroLengthMessage);
    EXPECT_EQ(refusal(plate, {3, 0, 3, 1}), kProbeOutsideMessage);
    EXPECT_EQ(refusal(plate, {2, 1, 3, 2}), kProbeOutsideMessage);
    EXPECT_EQ(refusal(ring, {-0.5, 0, 0.5, 0}), kProbeOutsideMessage);
    EXPECT_EQ(refusal(plate, {std::nan(""), 0, 1, 1}), kProbeBadCoordinatesMessage);
    EXPECT_EQ(refusal(test::plate(), {0.5, 0.5, 1, 0.5}), kProbeNoResultsMessage);
    EXPECT_EQ(refusal(plate, {0.5, 0.5, 1, 0.5}), "");
}

} // namespace
} // namespace zorind
