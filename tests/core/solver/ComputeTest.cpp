#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "core/solver/Compute.h"
#include "core/solver/LinearSolve.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/SolverModels.h"

namespace zorind {
namespace {

using test::Point;

constexpr float kUntouched = 777.0f;

// Result tables filled with a marker, so that a store shows.
void markResults(Project& p)
{
    for (int e = 1; e <= kMaxResults; ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[s] = kUntouched;
            p.fluxResults[e].slot[s] = kUntouched;
        }
    }
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        p.internalPoints[i].internalResult = kUntouched;
    }
}

bool resultsUntouched(const Project& p)
{
    for (int e = 1; e <= kMaxResults; ++e) {
        for (int s = 1; s <= 3; ++s) {
            if (p.elementResults[e].slot[s] != kUntouched || p.fluxResults[e].slot[s] != kUntouched) {
                return false;
            }
        }
    }
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        if (p.internalPoints[i].internalResult != kUntouched) {
            return false;
        }
    }
    return true;
}

// A 10 × 5 plate: potential 100 on the left, 0 on the right, top and
// bottom insulated; three points along the middle.
Project plate()
{
    Project p = test::emptyProject();
    p.conditions[1] = {2.0f, 0, 0, 0, 0, 0, 0, 0};
    const int hot = test::addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int cold = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    test::addChain(p, test::rectanglePoints(10.0, 5.0, 2), [&](Point s, Point e) {
        switch (test::rectangleSide(s, e, 10.0, 5.0)) {
        case 1:
            return cold;
        case 3:
            return hot;
        default:
            return 1;
        }
    });
    test::addInternalPoint(p, 2.5f, 2.5f);
    test::addInternalPoint(p, 5.0f, 2.5f);
    test::addInternalPoint(p, 7.5f, 2.5f);
    markResults(p);
    return p;
}

void expectLastMessage(const ScriptedInteraction& ui, const std::string& text, const std::string& caption,
                       MessageKind kind)
{
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown.back().text, text);
    EXPECT_EQ(ui.shown.back().caption, caption);
    EXPECT_EQ(ui.shown.back().kind, kind);
}

TEST(ComputeCommand, SuccessStoresTheResultsAndSaysSo)
{
    Project p = plate();
    ScriptedInteraction ui;
    EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    ASSERT_EQ(ui.shown.size(), 1u);
    expectLastMessage(ui, "Obliczono poprawnie", "Obliczenia", MessageKind::Exclamation);
    EXPECT_EQ(ui.busyCalls, 2);
    EXPECT_EQ(p.resultsValid, 1);
    // u = 100 (1 - x/10), q = 10 leaving through the right side.
    for (int i = 1; i <= 3; ++i) {
        const InternalPoint& pt = p.internalPoints[i];
        EXPECT_NEAR(pt.internalResult, 100.0 * (1.0 - pt.x / 10.0), 1e-3);
    }
    for (int e = 1; e <= p.elementCount(); ++e) {
        const Node& s = p.nodes[p.elements[e].startNode];
        const Node& t = p.nodes[p.elements[e].endNode];
        const double expected[3] = {100.0 - 10.0 * s.x, 100.0 - 5.0 * (s.x + t.x), 100.0 - 10.0 * t.x};
        for (int a = 1; a <= 3; ++a) {
            EXPECT_NEAR(p.elementResults[e].slot[a], expected[a - 1], 1e-3) << e;
        }
        const double flux = (s.x == 10.0f && t.x == 10.0f) ? 10.0 : (s.x == 0.0f && t.x == 0.0f) ? -10.0 : 0.0;
        EXPECT_NEAR(p.fluxResults[e].slot[2], flux, 1e-3) << e;
    }
    // Records beyond the elements are left alone.
    EXPECT_EQ(p.elementResults[p.elementCount() + 1].slot[1], kUntouched);
}

TEST(ComputeCommand, CheckErrorsStopBeforeAnythingIsComputed)
{
    Project p = plate();
    test::addNode(p, 50.0f, 50.0f); // a free node
    p.resultsValid = 1;
    ScriptedInteraction ui;
    EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::CheckErrors);
    EXPECT_GE(ui.shown.size(), 2u); // the check's own message first
    expectLastMessage(ui, "Znaleziono błędy w zadaniu...", "", MessageKind::Plain);
    EXPECT_EQ(ui.busyCalls, 0);
    EXPECT_TRUE(resultsUntouched(p));
    EXPECT_EQ(p.resultsValid, 1);
}

TEST(ComputeCommand, ElasticityAndThermoelasticityAreNotComputedHere)
{
    for (int type : {Elasticity, Thermoelasticity}) {
        Project p = plate();
        p.analysisType = type;
        p.resultsValid = 1;
        ScriptedInteraction ui;
        EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::NotComputedHere);
        EXPECT_TRUE(ui.shown.empty());
        EXPECT_EQ(ui.busyCalls, 0);
        EXPECT_TRUE(resultsUntouched(p));
        EXPECT_EQ(p.resultsValid, 1);
    }
}

// Flux prescribed all round: the potential is fixed only up to a constant.
TEST(ComputeCommand, AnAllFluxModelIsSingularAndStoresNothing)
{
    for (int valid : {0, 1}) {
        Project p = test::emptyProject();
        test::addChain(p, test::rectanglePoints(4.0, 3.0, 3), [](Point, Point) { return 1; });
        test::addInternalPoint(p, 1.0f, 1.0f);
        markResults(p);
        p.resultsValid = valid;
        ScriptedInteraction ui;
        EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Singular);
        ASSERT_EQ(ui.shown.size(), 1u);
        expectLastMessage(ui, "Główna macierz jest osobliwa", "Obliczenia", MessageKind::Error);
        EXPECT_EQ(ui.busyCalls, 2);
        EXPECT_TRUE(resultsUntouched(p));
        EXPECT_EQ(p.resultsValid, valid);
    }
}

TEST(ComputeCommand, OtherFailuresAreComputationErrorsAndStoreNothing)
{
    // A condition kind the potential solver does not know (left over from
    // some other analysis, or read from a file).
    Project p = plate();
    ScriptedInteraction ui;
    p.elements[2].condition = test::addCondition(p, 7.5f, 0, 0, 0);
    EXPECT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Failed);
    expectLastMessage(ui,
                      "Błąd podczas obliczeń\nElement 2 ma warunek brzegowy 4 nieznanego rodzaju (7.5); "
                      "dozwolone rodzaje to 1, 2 i 3.",
                      "Obliczenia", MessageKind::Error);
    EXPECT_TRUE(resultsUntouched(p));
    EXPECT_EQ(p.resultsValid, 0);

    // An empty model passes the check but has nothing to solve.
    Project empty = test::emptyProject();
    ScriptedInteraction ui2;
    EXPECT_EQ(computeCommand(empty, ui2, nullptr), ComputeOutcome::Failed);
    expectLastMessage(ui2, "Błąd podczas obliczeń\nModel nie zawiera elementów: nie ma czego obliczać.", "Obliczenia",
                      MessageKind::Error);
    EXPECT_EQ(empty.resultsValid, 0);
}

TEST(ComputeCommand, ANonPositiveConductivityIsTakenAsOneAndLeftInTheProject)
{
    Project unit = plate();
    Project zero = plate();
    zero.conductivity = 0.0f;
    Project negative = plate();
    negative.conductivity = -3.0f;
    ScriptedInteraction ui;
    ASSERT_EQ(computeCommand(unit, ui, nullptr), ComputeOutcome::Computed);
    ASSERT_EQ(computeCommand(zero, ui, nullptr), ComputeOutcome::Computed);
    ASSERT_EQ(computeCommand(negative, ui, nullptr), ComputeOutcome::Computed);
    for (int e = 1; e <= unit.elementCount(); ++e) {
        EXPECT_EQ(zero.fluxResults[e], unit.fluxResults[e]);
        EXPECT_EQ(negative.fluxResults[e], unit.fluxResults[e]);
    }
    EXPECT_EQ(zero.conductivity, 0.0f);
    EXPECT_EQ(negative.conductivity, -3.0f);
}

TEST(ComputeCommand, TheLargestModelStoresEveryRecord)
{
    Project p = test::largestModel();
    markResults(p);
    ScriptedInteraction ui;
    ASSERT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    ASSERT_EQ(p.elementCount(), kMaxNodes);
    for (int e = 1; e <= p.elementCount(); ++e) {
        const BoundaryCondition& bc = p.conditions[p.elements[e].condition];
        for (int s = 1; s <= 3; ++s) {
            const float u = p.elementResults[e].slot[s];
            const float q = p.fluxResults[e].slot[s];
            ASSERT_TRUE(std::isfinite(u) && u != kUntouched) << e;
            ASSERT_TRUE(std::isfinite(q) && q != kUntouched) << e;
            // Every node is a double node: each element reports its own
            // prescribed values.
            if (bc.kind == 1.0f) {
                EXPECT_EQ(u, 100.0f);
            } else if (bc.kind == 2.0f) {
                EXPECT_EQ(q, 0.5f);
            } else {
                EXPECT_NEAR(q, 2.0 * (u - 20.0), 1e-4 * (1.0 + std::fabs(q)));
            }
        }
    }
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        ASSERT_NE(p.internalPoints[i].internalResult, kUntouched) << i;
    }
}

TEST(ComputeCommand, TheEliminationTraceGoesWhereItIsSent)
{
    // A metal: every entry of G lies below the absolute pivot threshold.
    Project p = plate();
    p.conductivity = 6.0e7f;
    std::FILE* trace = std::tmpfile();
    ScriptedInteraction ui;
    EXPECT_EQ(computeCommand(p, ui, trace), ComputeOutcome::Computed);
    std::rewind(trace);
    char line[128] = {};
    ASSERT_NE(std::fgets(line, sizeof line, trace), nullptr);
    EXPECT_EQ(std::string(line), std::string(solver::kSingularTraceLine) + "\n");
    std::fclose(trace);
    EXPECT_NEAR(p.internalPoints[2].internalResult, 50.0, 1e-3);
    EXPECT_NEAR(p.fluxResults[3].slot[2], 10.0 * 6.0e7, 1e-3 * 6.0e8);
}

TEST(ComputeCommandDeathTest, NoMemoryForTheWorkspaceEndsTheProgram)
{
    Project p = plate();
    EXPECT_EXIT(
        {
            solver::setAllocationCeiling(2000);
            ScriptedInteraction ui;
            computeCommand(p, ui, nullptr);
        },
        ::testing::ExitedWithCode(1), "allocation failure 2 in matrix\\(\\)");
}

} // namespace
} // namespace zorind
