// "Bilans": the boundary integrals of a solution against closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/postprocess/Balance.h"
#include "core/postprocess/BalanceRows.h"
#include "core/postprocess/ComputedResults.h"
#include "core/ui/ScriptedInteraction.h"
#include "elastic/ElasticSolver.h"
#include "support/ClosedFormModels.h"

namespace zorind {
namespace {

Project solved(Project p)
{
    ScriptedInteraction ui;
    EXPECT_EQ(ensureResults(p, ui, elastic::solveElasticProblem, nullptr), ResultsOutcome::Ready);
    return p;
}

const BalanceGroup& group(const std::vector<BalanceGroup>& groups, int number)
{
    for (const BalanceGroup& g : groups) {
        if (g.number == number) {
            return g;
        }
    }
    throw std::out_of_range("no group " + std::to_string(number));
}

// The plate: 100 per unit length leaves through the cold side and enters
// through the hot one; the insulated sides carry none. Each condition's
// potentials are its own; the insulated sides' run from 0 to 100 with the
// mean 50.
TEST(Balance, PlateFluxesMatchTheLinearField)
{
    const Project p = solved(test::plate());
    const std::optional<Balance> b = computeBalance(p);
    ASSERT_TRUE(b.has_value());
    EXPECT_FALSE(b->elasticity);
    const BalanceGroup& insulated = group(b->conditions, 1);
    const BalanceGroup& hot = group(b->conditions, 2);
    const BalanceGroup& cold = group(b->conditions, 3);
    EXPECT_EQ(hot.elements, 8);
    EXPECT_NEAR(hot.length, 1.0, 1e-6);
    EXPECT_NEAR(insulated.length, 2.0 * test::kPlateWidth, 1e-6);
    EXPECT_NEAR(cold.flux, 100.0, 1.0);
    EXPECT_NEAR(hot.flux, -100.0, 1.0);
    EXPECT_NEAR(insulated.flux, 0.0, 1.0);
    EXPECT_NEAR(insulated.minPotential, 0.0, 0.5);
    EXPECT_NEAR(insulated.maxPotential, 100.0, 0.5);
    EXPECT_NEAR(insulated.meanPotential, 50.0, 0.5);
    EXPECT_NEAR(hot.meanPotential, 100.0, 1e-4);
    ASSERT_EQ(b->boundaries.size(), 1u);
    EXPECT_EQ(b->boundaries[0].elements, 32);
    EXPECT_NEAR(b->totalFlux, b->boundaries[0].flux, 1e-9);
    EXPECT_NEAR(b->totalFlux, 0.0, 1.0);
    EXPECT_NEAR(b->imbalance, std::fabs(b->totalFlux) / 100.0, 1e-3);
}

// The ring: −2πkb leaves through the outer circle and comes in through the
// hole, within 1 %.
TEST(Balance, RingFluxesMatchTheLogarithm)
{
    const Project p = solved(test::ring());
    const std::optional<Balance> b = computeBalance(p);
    ASSERT_TRUE(b.has_value());
    const double exact = -2.0 * std::numbers::pi * test::kRingB;
    EXPECT_NEAR(group(b->boundaries, 1).flux, exact, 0.01 * exact);
    EXPECT_NEAR(group(b->boundaries, 2).flux, -exact, 0.01 * exact);
    EXPECT_NEAR(group(b->boundaries, 1).length, 4.0 * std::numbers::pi, 0.01);
    EXPECT_LT(b->imbalance, 0.01);
}

// The tension bar: the held end takes the pull back, within 0.5 %, and its
// moment about the origin with it; the whole boundary balances.
TEST(Balance, TensionBarReactions)
{
    const Project p = solved(test::tensionBar());
    const std::optional<Balance> b = computeBalance(p);
    ASSERT_TRUE(b.has_value());
    ASSERT_TRUE(b->elasticity);
    const BalanceGroup& held = group(b->conditions, 1);
    const BalanceGroup& pulled = group(b->conditions, 2);
    const BalanceGroup& free = group(b->conditions, 3);
    EXPECT_NEAR(pulled.force[0], test::kBarPull, 1e-3);
    EXPECT_NEAR(pulled.moment, -test::kBarPull / 2.0, 1e-3); // −∫ y t_x dy over 0..1
    EXPECT_NEAR(held.force[0], -test::kBarPull, 0.005 * test::kBarPull);
    EXPECT_NEAR(held.force[1], 0.0, 0.005 * test::kBarPull);
    EXPECT_NEAR(held.moment, test::kBarPull / 2.0, 0.005 * test::kBarPull);
    EXPECT_NEAR(free.force[0], 0.0, 1e-9);
    EXPECT_EQ(held.elements, 5);
    EXPECT_NEAR(held.length, 1.0, 1e-6);
    ASSERT_EQ(b->boundaries.size(), 1u);
    EXPECT_NEAR(b->totalForce[0], held.force[0] + pulled.force[0], 1e-6);
    EXPECT_NEAR(b->totalMoment, held.moment + pulled.moment, 1e-6);
    EXPECT_LT(b->imbalance, 0.01);
}

// Where two held conditions meet, the node's reaction is shared between
// them by their elements' lengths; a load on the far side of the node is
// taken off first.
TEST(Balance, ReactionsAreSharedAtANode)
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.resultsValid = 1;
    p.conditions.resize(0);
    const int heldA = p.conditions.append({2.0f, 0, 0, 0, 0, 0, 0, 0});
    const int heldB = p.conditions.append({2.0f, 0, 0, 0, 0, 0, 0, 0});
    const int loaded = p.conditions.append({1.0f, 6.0f, 0, 6.0f, 0, 0, 0, 0});
    test::addPolygon(p, {{0, 0}, {1, 0}, {3, 0}, {3, 1}}, 0);
    p.elements[1].condition = heldA;  // length 1
    p.elements[2].condition = heldB;  // length 2, meets A at node 2
    p.elements[3].condition = loaded; // 3 → 4 of length 1: 6·1/2 = 3 at each end
    p.elements[4].condition = heldA;
    p.fluxResults[2].slot[1] = 9.0f; // node 2: A's third, B's two thirds
    p.fluxResults[3].slot[1] = 5.0f; // node 3: 3 of the load, 2 for B
    p.fluxResults[4].slot[1] = 3.0f; // node 4: the load alone
    const std::optional<Balance> b = computeBalance(p);
    ASSERT_TRUE(b.has_value());
    EXPECT_DOUBLE_EQ(group(b->conditions, heldA).force[0], 3.0);
    EXPECT_DOUBLE_EQ(group(b->conditions, heldB).force[0], 6.0 + 2.0);
    EXPECT_DOUBLE_EQ(group(b->conditions, loaded).force[0], 6.0);
    // Moments about the origin: B's 2 at node 3 (3, 0) has none in y; the
    // load's x force 3 at (3, 0) and 3 at (3, 1) gives −3.
    EXPECT_DOUBLE_EQ(group(b->conditions, loaded).moment, -3.0);
}

// The largest reduced stress among the elements' nodes; a node no element
// uses does not count.
TEST(Balance, LargestReducedStressNode)
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    test::addNode(p, 5, 5);
    EXPECT_FALSE(largestReducedStress(p).has_value());
    p.resultsValid = 1;
    const float reduced[] = {3.0f, 7.5f, -1.0f, 99.0f};
    for (int n = 1; n <= 4; ++n) {
        p.elementResults[n].slot[7] = reduced[n - 1];
    }
    const std::optional<LargestStress> largest = largestReducedStress(p);
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->node, 2);
    EXPECT_DOUBLE_EQ(largest->value, 7.5);
    EXPECT_EQ(computeBalance(p)->largestStress.node, 2);
}

// Without valid results there is no balance; a model the check refuses is
// not computed, and keeps its results invalid.
TEST(Balance, NeedsValidResults)
{
    Project p = test::plate();
    EXPECT_FALSE(computeBalance(p).has_value());
    p.elements[3].endNode = p.elements[5].startNode; // the chain no longer closes
    ScriptedInteraction ui;
    EXPECT_EQ(ensureResults(p, ui, elastic::solveElasticProblem, nullptr), ResultsOutcome::CheckErrors);
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_FALSE(ui.shown.empty());
}

// "Bilans" as a list: a row per boundary and per condition, the sum and the
// imbalance, numbers shown with the user's separator and copied whole.
TEST(Balance, ListRows)
{
    Balance b;
    b.boundaries = {{1, 4, 2.5, 1.25, 0.0, 100.0, 50.0}};
    b.conditions = {{2, 1, 0.5, -0.000123456789}, {3, 3, 2.0, 1.2501234567}};
    b.totalFlux = 1.25;
    b.imbalance = 0.0003;
    const ListColumns list = balanceColumns(b, ',');
    ASSERT_EQ(list.headings.size(), 7u);
    EXPECT_EQ(list.headings[3], "Strumień");
    ASSERT_EQ(list.rows.size(), 5u);
    EXPECT_EQ(list.rows[0].shown[0], "Brzeg 1");
    EXPECT_EQ(list.rows[1].shown[0], "Warunek 2");
    EXPECT_EQ(list.rows[1].shown[3], "-0,000123457");
    EXPECT_EQ(list.rows[1].copied[3], "-0.000123456789");
    EXPECT_EQ(list.rows[2].shown[3], "1,25012");
    EXPECT_EQ(list.rows[3].shown[0], "Suma");
    EXPECT_EQ(list.rows[3].shown[1], "4");
    EXPECT_EQ(list.rows[4].shown[0], "Niezbilansowanie");
    EXPECT_EQ(list.rows[4].copied[3], "0.0003");
    for (const ListRow& row : list.rows) {
        EXPECT_EQ(row.shown.size(), 7u);
        EXPECT_EQ(row.copied.size(), 7u);
    }
    b.elasticity = true;
    b.largestStress = {7, 12.5};
    const ListColumns elastic = balanceColumns(b, '.');
    EXPECT_EQ(elastic.headings[3], "Siła X");
    EXPECT_EQ(elastic.rows.back().shown[0], "Największe naprężenie zredukowane (węzeł 7)");
    EXPECT_EQ(elastic.rows.back().shown[3], "12.5");
}

} // namespace
} // namespace zorind
