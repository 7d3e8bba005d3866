// The elasticity solve in this program's own process: the problem built from
// the project's elements and their own conditions, the results stored as the
// import stores them, and the command's messages and refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <sstream>
#include <stdexcept>

#include "core/exchange/ElasticSolve.h"
#include "core/exchange/ElasticityResults.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ImportCommand.h"
#include "core/model/NumberFormat.h"
#include "core/session/DisplayCommands.h"
#include "core/solver/Compute.h"
#include "core/ui/ScriptedInteraction.h"
#include "elastic/ElasticSolver.h"
#include "support/ModelBuilders.h"
#include "support/ResultFiles.h"
#include "support/SolverModels.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

using test::addElasticCondition;
using test::Point;

const ElasticSolver solver = elastic::solveElasticProblem;

// A bar [0, length] x [0, height], its left end held, its right end pulled
// with the stress `pull`, its long sides free; the boundary anticlockwise
// from the origin or the other way round, so that at each loaded corner the
// free side comes first in element order in one of the two.
Project tensionBar(double length, double height, double pull, bool clockwise)
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.conditions.resize(0);
    const int held = addElasticCondition(p, 2.0f, {0, 0}, {0, 0});
    const int pulled = addElasticCondition(p, 1.0f, {pull, 0}, {pull, 0});
    const int free = addElasticCondition(p, 1.0f, {0, 0}, {0, 0});
    const int along = 20, across = 4;
    std::vector<Point> outline;
    for (int i = 0; i < along; ++i) {
        outline.push_back({length * i / along, 0.0});
    }
    for (int i = 0; i < across; ++i) {
        outline.push_back({length, height * i / across});
    }
    for (int i = along; i > 0; --i) {
        outline.push_back({length * i / along, height});
    }
    for (int i = across; i > 0; --i) {
        outline.push_back({0.0, height * i / across});
    }
    if (clockwise) {
        std::reverse(outline.begin() + 1, outline.end());
    }
    test::addChain(p, outline, [&](Point s, Point e) {
        if (s.first == 0.0 && e.first == 0.0) {
            return held;
        }
        return s.first == length && e.first == length ? pulled : free;
    });
    test::addInternalPoint(p, static_cast<float>(0.5 * length), static_cast<float>(0.5 * height));
    test::addInternalPoint(p, static_cast<float>(0.5 * length), static_cast<float>(0.2 * height));
    return p;
}

// The bar carries the pull unchanged to the held end: far from the ends the
// stress is the pull alone, and the held end's reaction balances the pull
// over the bar's height. Each element end takes its own element's load, so
// the corners of the pulled end are loaded on the pulled side only, in
// either element order (the exchange file, with one load per node, puts the
// pull on a free side at one of them).
TEST(ElasticSolve, TensionBarCarriesThePullInEitherElementOrder)
{
    const double length = 10.0, height = 2.0, pull = 1e6;
    for (const bool clockwise : {false, true}) {
        SCOPED_TRACE(clockwise ? "clockwise" : "anticlockwise");
        Project p = tensionBar(length, height, pull, clockwise);
        ScriptedInteraction ui;
        ASSERT_EQ(computeElasticityCommand(p, ui, solver), ElasticComputeOutcome::Computed) << ui.textsShown().back();
        EXPECT_EQ(p.resultsValid, 1);

        double reactionX = 0.0, reactionY = 0.0;
        int midSpanNodes = 0;
        for (int n : p.nodes.numbers()) {
            const std::array<float, 9> v = elasticityValues(p, n);
            if (p.nodes[n].x == 0.0f) {
                reactionX += v[2];
                reactionY += v[3];
                EXPECT_EQ(v[0], 0.0f) << "held node " << n;
                EXPECT_EQ(v[1], 0.0f) << "held node " << n;
            }
            if (p.nodes[n].x == static_cast<float>(0.5 * length)) {
                ++midSpanNodes;
                EXPECT_NEAR(v[4], pull, 0.03 * pull) << "sigma x at mid-span, node " << n;
                EXPECT_NEAR(v[5], 0.0, 0.03 * pull) << "sigma y at mid-span, node " << n;
            }
            if (p.nodes[n].x == static_cast<float>(length)) {
                EXPECT_GT(v[0], 0.0f) << "the pulled end moves along the pull, node " << n;
            }
        }
        EXPECT_EQ(midSpanNodes, 2);
        EXPECT_NEAR(reactionX, -pull * height, 0.005 * pull * height);
        EXPECT_NEAR(reactionY, 0.0, 0.005 * pull * height);
        ASSERT_TRUE(hasInternalPointResults(p));
        for (int i : p.internalPoints.numbers()) {
            const std::array<float, 7> v = internalPointValues(p, i);
            EXPECT_NEAR(v[2], pull, 0.03 * pull) << "sigma x inside, point " << i;
            EXPECT_NEAR(v[3], 0.0, 0.03 * pull) << "sigma y inside, point " << i;
            EXPECT_NEAR(v[5], 0.0, 0.03 * pull) << "tau xy inside, point " << i;
        }
    }
}

// Lamé's thick cylinder in plane strain, b = 2a, internal pressure p, the
// outer circle held at the exact displacement: 48 elements a circle, each
// with a condition of its own whose values differ at its two ends, in x and
// in y, so that a value taken from the wrong end or the wrong direction
// shows. The stored values are checked where the import puts them, the
// internal points in their own table.
TEST(ElasticSolve, ThickCylinderThroughTheProjectMatchesLame)
{
    const double a = 1.0, b = 2.0, pressure = 100e6;
    const double young = exchangedYoungModulus(Model{}), nu = exchangedPoissonRatio(Model{});
    const double bigA = pressure * a * a / (b * b - a * a);
    const double bigB = pressure * a * a * b * b / (b * b - a * a);
    const auto ur = [&](double r) { return (1.0 + nu) / young * ((1.0 - 2.0 * nu) * bigA * r + bigB / r); };
    const auto radial = [](Point q, double value) {
        const double r = std::hypot(q.first, q.second);
        return Point{value * q.first / r, value * q.second / r};
    };
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.conditions.resize(0);
    const int n = 48;
    const int hole = test::addBoundary(p, InnerBoundary);
    test::addChain(p, test::circlePoints(0, 0, b, n),
                   [&](Point s, Point e) { return addElasticCondition(p, 2.0f, radial(s, ur(b)), radial(e, ur(b))); });
    test::addChain(
        p, test::circlePoints(0, 0, a, n, true),
        [&](Point s, Point e) { return addElasticCondition(p, 1.0f, radial(s, pressure), radial(e, pressure)); }, hole);
    ASSERT_EQ(p.conditionCount(), 2 * n);
    const std::vector<Point> inside = {{1.5, 0.0}, {0.0, 1.5}, {-1.06066017, 1.06066017}, {0.8, -1.2}};
    for (const Point& q : inside) {
        test::addInternalPoint(p, static_cast<float>(q.first), static_cast<float>(q.second));
    }
    ScriptedInteraction ui;
    ASSERT_EQ(computeElasticityCommand(p, ui, solver), ElasticComputeOutcome::Computed) << ui.textsShown().front();

    const double elementForce = pressure * 2.0 * a * std::sin(std::numbers::pi / n);
    const double outerForce = 2.0 * bigA * 2.0 * b * std::sin(std::numbers::pi / n);
    const auto hoop = [](double sx, double sy, double txy, double c, double s) {
        return sx * s * s + sy * c * c - 2.0 * txy * c * s;
    };
    double totalX = 0.0, totalY = 0.0;
    for (int k : p.nodes.numbers()) {
        const std::array<float, 8>& e = p.elementResults[k].slot;
        const std::array<float, 8>& f = p.fluxResults[k].slot;
        const double r = std::hypot(p.nodes[k].x, p.nodes[k].y), c = p.nodes[k].x / r, s = p.nodes[k].y / r;
        totalX += f[1];
        totalY += f[2];
        // sigma z and the reduced stress follow from the others.
        EXPECT_NEAR(e[5], nu * (e[3] + e[4]), 1e-5 * pressure) << "node " << k;
        const contract::Stress exactPlane = elastic::planeStrainStress(e[3], e[4], e[6], nu);
        EXPECT_NEAR(e[7], exactPlane.reduced, 1e-5 * pressure) << "node " << k;
        if (k <= n) {
            EXPECT_NEAR(std::hypot(f[1], f[2]), 0.0, 0.005 * outerForce) << "the free outer surface, node " << k;
            continue;
        }
        SCOPED_TRACE("inner node " + std::to_string(k));
        EXPECT_NEAR(e[1] * c + e[2] * s, ur(a), 0.005 * ur(a));
        EXPECT_NEAR(-e[1] * s + e[2] * c, 0.0, 0.005 * ur(a));
        EXPECT_NEAR(f[1] * c + f[2] * s, elementForce, 0.005 * elementForce);
        EXPECT_NEAR(hoop(e[3], e[4], e[6], c, s), bigA + bigB / (a * a), 0.01 * (bigA + bigB / (a * a)));
    }
    EXPECT_NEAR(totalX, 0.0, 1e-3 * elementForce);
    EXPECT_NEAR(totalY, 0.0, 1e-3 * elementForce);
    for (int i : p.internalPoints.numbers()) {
        const Point q = inside[static_cast<std::size_t>(i - 1)];
        const double r = std::hypot(q.first, q.second), c = q.first / r, s = q.second / r;
        const std::array<float, 7> v = internalPointValues(p, i);
        SCOPED_TRACE("internal point " + std::to_string(i));
        EXPECT_NEAR(v[0] * c + v[1] * s, ur(r), 0.005 * ur(r));
        EXPECT_NEAR(hoop(v[2], v[3], v[5], c, s), bigA + bigB / (r * r), 0.01 * (bigA + bigB / (r * r)));
        EXPECT_NEAR(v[2] * c * c + v[3] * s * s + 2.0 * v[5] * c * s, bigA - bigB / (r * r), 0.01 * pressure);
        EXPECT_NEAR(v[4], nu * (v[2] + v[3]), 1e-5 * pressure);
    }
}

// A quarter of a pressurised ring, the hole pressed by one pressure
// condition, its two straight edges on symmetry planes (kinds 5 and 6), the
// outer arc free, an aluminium plate in plane stress: Lame's plane-stress
// answer within 2 %, as computed in this process.
TEST(ElasticSolve, RingQuarterOnSymmetryPlanesThroughTheProjectMatchesLame)
{
    const double a = 1.0, b = 2.0, pressure = 50e6;
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.material = {7e10, 0.33, true};
    p.conditions.resize(0);
    const auto value = [](double v) { return static_cast<float>(v); };
    const int free = p.conditions.append({1.0f, 0, 0, 0, 0, 0, 0, 0});
    const int pressed = p.conditions.append({4.0f, value(pressure), value(pressure), value(pressure), 0, 0, 0, 0});
    const int onY = p.conditions.append({5.0f, 0, 0, 0, 0, 0, 0, 0}); // x held on the y axis
    const int onX = p.conditions.append({6.0f, 0, 0, 0, 0, 0, 0, 0}); // y held on the x axis
    std::vector<Point> outline;
    const int arc = 16, edge = 4;
    // On the arc, the quarter's ends exactly on the axes.
    const auto onArc = [&](double r, int i) {
        const double t = std::numbers::pi / 2 * i / arc;
        return i == arc ? Point{0.0, r} : Point{r * std::cos(t), r * std::sin(t)};
    };
    for (int i = 0; i < edge; ++i) {
        outline.push_back({a + (b - a) * i / edge, 0.0});
    }
    for (int i = 0; i < arc; ++i) {
        outline.push_back(onArc(b, i));
    }
    for (int i = 0; i < edge; ++i) {
        outline.push_back({0.0, b - (b - a) * i / edge});
    }
    for (int i = arc; i > 0; --i) {
        outline.push_back(onArc(a, i));
    }
    test::addChain(p, outline, [&](Point s, Point e) {
        if (s.second == 0.0 && e.second == 0.0) {
            return onX;
        }
        if (s.first == 0.0 && e.first == 0.0) {
            return onY;
        }
        return std::hypot(s.first, s.second) < 1.5 ? pressed : free;
    });
    ScriptedInteraction ui;
    ASSERT_EQ(computeElasticityCommand(p, ui, solver), ElasticComputeOutcome::Computed) << ui.textsShown().front();
    const double young = 7e10, nu = 0.33, bigA = pressure * a * a / (b * b - a * a), bigB = bigA * b * b;
    for (int k : p.nodes.numbers()) {
        const double r = std::hypot(p.nodes[k].x, p.nodes[k].y), c = p.nodes[k].x / r, s = p.nodes[k].y / r;
        const double ur = ((1.0 - nu) * bigA * r + (1.0 + nu) * bigB / r) / young;
        const std::array<float, 8>& e = p.elementResults[k].slot;
        EXPECT_NEAR(e[1] * c + e[2] * s, ur, 0.02 * ur) << "node " << k;
        EXPECT_EQ(e[5], 0.0f) << "a plate has no sigma z, node " << k;
    }
}

// Both ways of solving see the same material: the project's, as the exchange
// file's first line gives it to the solver program (today's bytes for the
// default). For a plate in plane stress that line carries the plane-strain
// equivalent, which the solver makes of the plate's own values in process.
TEST(ElasticSolve, MaterialIsTheOneTheExchangeFileCarries)
{
    Project p = tensionBar(4.0, 1.0, 1e6, false);
    const auto header = [&] {
        std::istringstream in(exchangeFileText(p));
        std::string token;
        for (int k = 0; k < 6; ++k) {
            in >> token;
        }
        std::string young, poisson;
        in >> young >> poisson;
        return std::pair{young, poisson};
    };
    EXPECT_EQ(header(), (std::pair<std::string, std::string>("210000003072.000000", "0.300000")));
    for (const bool plate : {false, true}) {
        p.material = {7e10, 0.33, plate};
        const contract::ElasticProblem problem = elasticProblem(p);
        EXPECT_EQ(problem.planeStress, plate);
        EXPECT_EQ(problem.youngModulus, static_cast<double>(7e10f));
        EXPECT_EQ(problem.poissonRatio, std::stod(formatFixed(0.33f, 6)));
        const contract::PlaneStrainEquivalent strain =
            plate ? contract::planeStrainEquivalent(problem.youngModulus, problem.poissonRatio)
                  : contract::PlaneStrainEquivalent{problem.youngModulus, problem.poissonRatio};
        EXPECT_NEAR(std::stod(header().first), strain.youngModulus, 1e-6 * strain.youngModulus);
        EXPECT_NEAR(std::stod(header().second), strain.poissonRatio, 1e-6);
    }
}

// Every refusal leaves the model data as it was, results included, with a
// message saying why: another analysis type, check errors, a condition the
// elasticity solver has no kind for, a model the solver refuses, a solver
// that fails in any way, and results beyond what the project can store.
TEST(ElasticSolve, RefusalLeavesTheModelAsItWasAndSaysWhy)
{
    Project computed = tensionBar(4.0, 1.0, 1e6, false);
    ScriptedInteraction quiet;
    ASSERT_EQ(computeElasticityCommand(computed, quiet, solver), ElasticComputeOutcome::Computed);
    const auto bytesOf = [](const Model& m) {
        return std::string(reinterpret_cast<const char*>(&m.elementResults), sizeof m.elementResults) +
               std::string(reinterpret_cast<const char*>(&m.fluxResults), sizeof m.fluxResults) +
               std::string(reinterpret_cast<const char*>(&m.internalPointResults), sizeof m.internalPointResults);
    };
    struct Case {
        const char* name;
        std::function<void(Project&)> spoil;
        ElasticSolver solve;
        ElasticComputeOutcome outcome;
        std::string message;
    };
    const auto sized = [](std::size_t nodes, std::size_t points, double value) {
        return [=](const contract::ElasticProblem&) {
            contract::ElasticSolution s;
            s.nodes.resize(nodes);
            s.points.resize(points);
            if (!s.nodes.empty()) {
                s.nodes.back().stress.reduced = value;
            }
            return s;
        };
    };
    const std::size_t nodes = static_cast<std::size_t>(computed.nodeCount());
    const std::vector<Case> cases = {
        {"heat flow", [](Project& p) { p.analysisType = HeatFlow; }, solver, ElasticComputeOutcome::NotElasticity,
         kNotElasticityMessage},
        {"element without a node", [](Project& p) { p.elements[3].endNode = 99; }, solver,
         ElasticComputeOutcome::CheckErrors, kCheckErrorsMessage},
        {"convection", [](Project& p) { p.conditions[p.elements[5].condition].kind = 3.0f; }, solver,
         ElasticComputeOutcome::Failed, "nieznanego rodzaju (3)"},
        {"nothing held",
         [](Project& p) {
             for (int c : p.conditions.numbers()) {
                 p.conditions[c].kind = 1.0f;
             }
         },
         solver, ElasticComputeOutcome::CheckErrors, kCheckErrorsMessage},
        {"a solver that throws",
         {},
         [](const contract::ElasticProblem&) -> contract::ElasticSolution { throw std::runtime_error("awaria"); },
         ElasticComputeOutcome::Failed,
         "awaria"},
        {"a solver that throws anything",
         {},
         [](const contract::ElasticProblem&) -> contract::ElasticSolution { throw 42; },
         ElasticComputeOutcome::Failed,
         "Nieznany błąd"},
        {"no solver", {}, ElasticSolver{}, ElasticComputeOutcome::Failed, kComputeFailedMessage},
        {"a node short", {}, sized(nodes - 1, 2, 0.0), ElasticComputeOutcome::Failed, "dla każdego węzła"},
        {"beyond float", {}, sized(nodes, 2, 1e39), ElasticComputeOutcome::Failed, "poza zakres"},
        {"not a number", {}, sized(nodes, 2, std::nan("")), ElasticComputeOutcome::Failed, "poza zakres"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project p = computed;
        // Marks that a store would overwrite.
        p.elementResults[1].slot[1] = 123.0f;
        p.internalPointResults[1].ux = 456.0f;
        if (c.spoil) {
            c.spoil(p);
        }
        Project before = p;
        ScriptedInteraction ui;
        EXPECT_EQ(computeElasticityCommand(p, ui, c.solve), c.outcome);
        EXPECT_EQ(p.resultsValid, before.resultsValid);
        EXPECT_EQ(bytesOf(p), bytesOf(before));
        ASSERT_FALSE(ui.shown.empty());
        EXPECT_THAT(ui.shown.back().text, ::testing::HasSubstr(c.message));
        EXPECT_NE(ui.shown.back().kind, MessageKind::Exclamation);
        EXPECT_EQ(ui.busyCalls % 2, 0) << "the wait cursor ends";
    }
}

// The computed results come with "Obliczono poprawnie" and the solver's
// notes after it; an import afterwards brings nodal values only, so the
// internal points' values of the earlier solve are no longer offered.
TEST(ElasticSolve, SuccessIsSaidWithTheNotesAndAnImportDropsThePointValues)
{
    Project p = tensionBar(4.0, 1.0, 1e6, false);
    test::addInternalPoint(p, 9.0f, 9.0f); // outside the bar
    ScriptedInteraction ui;
    ASSERT_EQ(computeElasticityCommand(p, ui, solver), ElasticComputeOutcome::Computed);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, kComputedMessage);
    EXPECT_EQ(ui.shown[0].caption, kComputeCaption);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Exclamation);
    // Named by its own number, as the project's lists show it.
    EXPECT_EQ(ui.shown[1].text,
              solverNotesMessage({"Punkt wewnętrzny 3 leży poza obszarem ciała; jego wyniki są zerowe"}));
    EXPECT_EQ(ui.shown[1].kind, MessageKind::Information);
    EXPECT_EQ(p.internalPointResults[3], InternalPointResult{});
    EXPECT_TRUE(hasInternalPointResults(p));

    test::TempDir dir;
    const std::string file = dir.write("tav_ed.wyn", test::resultFile(test::sampleResults(p.nodeCount())));
    ASSERT_EQ(importResults(p, ui, file), ImportOutcome::Complete);
    EXPECT_EQ(p.resultsValid, 1);
    EXPECT_FALSE(hasInternalPointResults(p));
}

// On the drawing the largest nodal displacement shows as a tenth of the
// model's size, and the reduced stress takes a scale from its least to its
// greatest nodal value. The stress view belongs to elasticity results: it
// turns on for an elasticity analysis only, and goes with the results.
TEST(ElasticSolve, DrawingFollowsTheResults)
{
    const double length = 10.0;
    Project p = tensionBar(length, 2.0, 1e6, false);
    EXPECT_FALSE(displacementFactor(p));
    ScriptedInteraction ui;
    ASSERT_EQ(computeElasticityCommand(p, ui, solver), ElasticComputeOutcome::Computed);
    double largest = 0.0;
    float least = std::numeric_limits<float>::max(), greatest = -least;
    for (int n : p.nodes.numbers()) {
        const std::array<float, 9> v = elasticityValues(p, n);
        largest = std::max(largest, std::hypot(static_cast<double>(v[0]), static_cast<double>(v[1])));
        least = std::min(least, v[8]);
        greatest = std::max(greatest, v[8]);
    }
    const std::optional<double> factor = displacementFactor(p);
    ASSERT_TRUE(factor);
    EXPECT_DOUBLE_EQ(*factor * largest, 0.1 * length);
    EXPECT_EQ(reducedStressRange(p).scaleMin, least);
    EXPECT_EQ(reducedStressRange(p).scaleMax, greatest);
    EXPECT_LT(least, greatest);

    p.display.showBoundaryConditions = 1;
    toggleReducedStress(p);
    EXPECT_EQ(p.showReducedStress, 1);
    EXPECT_EQ(p.display.showBoundaryConditions, 0) << "the colours take the marks' place";
    invalidateResults(p);
    EXPECT_EQ(p.showReducedStress, 0);
    EXPECT_FALSE(displacementFactor(p));
    p.analysisType = HeatFlow;
    toggleReducedStress(p);
    EXPECT_EQ(p.showReducedStress, 0);
}

} // namespace
} // namespace zorind
