#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/solver/Assembly.h"
#include "core/solver/Compute.h"
#include "core/solver/Integration.h"
#include "core/solver/LinearSolve.h"
#include "support/SolverModels.h"

namespace zorind::solver {
namespace {

// Everything written to a temporary stream.
class TraceCapture {
public:
    TraceCapture() : file_(std::tmpfile()) {}
    ~TraceCapture() { std::fclose(file_); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;
    std::FILE* file() const { return file_; }
    std::string text() const
    {
        std::fflush(file_);
        std::rewind(file_);
        std::string out;
        char buffer[256];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) {
            out.append(buffer, n);
        }
        return out;
    }

private:
    std::FILE* file_;
};

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// A workspace holding only the system a·x = b.
void loadSystem(SolverContext& ctx, const std::vector<std::vector<double>>& a, const std::vector<double>& b)
{
    const int n = static_cast<int>(b.size());
    ctx.systemMatrix = matrix(1, n, 1, n + 1);
    ctx.rightHandSide = dvector(1, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            ctx.systemMatrix[i][j] = a[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
        }
        ctx.rightHandSide[i] = b[static_cast<std::size_t>(i - 1)];
    }
}

TEST(GaussSolve, SolvesAWellPosedSystem)
{
    SolverContext ctx;
    TraceCapture trace;
    ctx.trace = trace.file();
    // x = (1, -2, 3)
    loadSystem(ctx, {{4, 1, 2}, {1, 5, -1}, {2, -1, 6}}, {4 - 2 + 6, 1 - 10 - 3, 2 + 2 + 18});
    gaussSolve(ctx, 3);
    EXPECT_NEAR(ctx.rightHandSide[1], 1.0, 1e-14);
    EXPECT_NEAR(ctx.rightHandSide[2], -2.0, 1e-14);
    EXPECT_NEAR(ctx.rightHandSide[3], 3.0, 1e-14);
    EXPECT_EQ(trace.text(), "");
}

TEST(GaussSolve, AZeroPivotIsExchangedWithTheFirstUsableRowNotTheLargest)
{
    SolverContext ctx;
    TraceCapture trace;
    ctx.trace = trace.file();
    // x = (1, 1, 1); column 1 below the zero pivot holds 1 (row 2) and 5 (row 3).
    loadSystem(ctx, {{0, 1, 1}, {1, 2, 1}, {5, 1, 3}}, {2, 4, 9});
    gaussSolve(ctx, 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(ctx.rightHandSide[i], 1.0, 1e-14);
    }
    // Row 2 moved up: its pivot 1 stays in place, its other entries were
    // divided by it.
    EXPECT_EQ(ctx.systemMatrix[1][1], 1.0);
    EXPECT_EQ(ctx.systemMatrix[1][2], 2.0);
    EXPECT_EQ(trace.text(), "");
}

TEST(GaussSolve, SmallButMeaningfulPivotsAreTracedAndUsed)
{
    // The scale of G for a metal: every entry below the absolute threshold.
    const double s = 1e-11;
    SolverContext ctx;
    TraceCapture trace;
    ctx.trace = trace.file();
    loadSystem(ctx, {{4 * s, 1 * s, 2 * s}, {1 * s, 5 * s, -1 * s}, {2 * s, -1 * s, 6 * s}}, {8 * s, -12 * s, 22 * s});
    gaussSolve(ctx, 3);
    EXPECT_NEAR(ctx.rightHandSide[1], 1.0, 1e-12);
    EXPECT_NEAR(ctx.rightHandSide[2], -2.0, 1e-12);
    EXPECT_NEAR(ctx.rightHandSide[3], 3.0, 1e-12);
    const std::string text = trace.text();
    EXPECT_EQ(count(text, std::string(kSingularTraceLine) + "\n"), 2);
    EXPECT_EQ(count(text, kLastPivotBanner), 1);
}

TEST(GaussSolve, APivotThatIsOnlyNoiseIsReplacedFromBelow)
{
    // Column 1 holds nothing above the absolute threshold; its first entry
    // is negligible against the second. Dividing by it would wreck the rest.
    SolverContext ctx;
    ctx.trace = nullptr;
    loadSystem(ctx, {{1e-30, 1, 0}, {1e-10, 0, 1}, {0, 1, 1}}, {1, 1e-10 + 2, 3});
    gaussSolve(ctx, 3);
    EXPECT_NEAR(ctx.rightHandSide[1], 1.0, 1e-6);
    EXPECT_NEAR(ctx.rightHandSide[2], 1.0, 1e-12);
    EXPECT_NEAR(ctx.rightHandSide[3], 2.0, 1e-12);
}

TEST(GaussSolve, BothPivotTolerancesSitWhereTheyAre)
{
    // Absolute threshold 1e-8: a pivot of 5e-8 is used quietly, one of 2e-9
    // (with nothing larger below it) is traced.
    for (const auto& [pivot, traced] : {std::pair{5e-8, 0}, std::pair{2e-9, 1}}) {
        SolverContext ctx;
        TraceCapture trace;
        ctx.trace = trace.file();
        loadSystem(ctx, {{pivot, 0}, {0, 1}}, {pivot, 1});
        gaussSolve(ctx, 2);
        EXPECT_EQ(count(trace.text(), std::string(kSingularTraceLine) + "\n"), traced) << pivot;
    }
    // Relative tolerance 1e-12 of the column's largest entry (here 1e-9,
    // below the absolute threshold so that only this rule can exchange):
    // 5e-22 is noise and is exchanged for row 2, 5e-21 is kept. Row 1 of
    // the eliminated matrix shows which row became the pivot row.
    const double below = 1e-9;
    for (const auto& [pivot, exchanged] : {std::pair{5e-22, true}, std::pair{5e-21, false}}) {
        SolverContext ctx;
        ctx.trace = nullptr;
        loadSystem(ctx, {{pivot, 1}, {below, 2}}, {1, 1});
        gaussSolve(ctx, 2);
        EXPECT_EQ(ctx.systemMatrix[1][2], exchanged ? 2 / below : 1 / pivot) << pivot;
    }
}

TEST(GaussSolve, ASingularSystemIsRefused)
{
    TraceCapture trace;
    {
        // Third row = first + second.
        SolverContext ctx;
        ctx.trace = trace.file();
        loadSystem(ctx, {{1, 2, 3}, {4, 5, 6}, {5, 7, 9}}, {1, 2, 3});
        EXPECT_THROW(gaussSolve(ctx, 3), SingularMatrixError);
    }
    {
        // A zero column: the division by zero is never reached.
        SolverContext ctx;
        ctx.trace = trace.file();
        loadSystem(ctx, {{1, 0, 3}, {4, 0, 6}, {5, 0, 9}}, {1, 2, 3});
        EXPECT_THROW(gaussSolve(ctx, 3), SingularMatrixError);
    }
    {
        SolverContext ctx;
        ctx.trace = trace.file();
        loadSystem(ctx, {{0}}, {1});
        EXPECT_THROW(gaussSolve(ctx, 1), SingularMatrixError);
    }
}

TEST(GaussSolve, AnOverflowDuringEliminationIsAFloatingPointFault)
{
    SolverContext ctx;
    ctx.trace = nullptr;
    loadSystem(ctx, {{1, 1e300}, {1e10, 1}}, {1, 1});
    EXPECT_THROW(gaussSolve(ctx, 2), SingularMatrixError);
}

TEST(GaussSolve, NoUnknownsIsAnError)
{
    SolverContext ctx;
    loadSystem(ctx, {{1}}, {1});
    EXPECT_THROW(gaussSolve(ctx, 0), SolverError);
}

// Two boundary nodes with hand-made G and H, one of each kind pairing.
SolverContext twoNodes(double kind1, double v1, double kind2, double v2)
{
    SolverContext ctx;
    ctx.elementCount = 1;
    ctx.internalRowCount = 0;
    ctx.chainCount = 1;
    ctx.conditionLength = 12;
    allocateWorkspace(ctx);
    ctx.boundaryNodeCount = 2;
    ctx.ambientTemperature = 20.0;
    ctx.nodeKind[1] = kind1;
    ctx.nodeValue[1] = v1;
    ctx.nodeKind[2] = kind2;
    ctx.nodeValue[2] = v2;
    return ctx;
}

// Both rows of the system from the rows of G = [[1, 2], [3, 4]] and
// H = [[5, -5], [-6, 6]] (index 0 unused).
void applyBothRows(SolverContext& ctx)
{
    const double g[2][3] = {{0.0, 1.0, 2.0}, {0.0, 3.0, 4.0}};
    const double h[2][3] = {{0.0, 5.0, -5.0}, {0.0, -6.0, 6.0}};
    checkConditionKinds(ctx);
    applyConditions(ctx, 1, g[0], h[0]);
    applyConditions(ctx, 2, g[1], h[1]);
}

TEST(ApplyConditions, PutsEachNodesUnknownOnTheLeft)
{
    // Node 1 potential 10 (flux unknown), node 2 flux 7 (potential unknown).
    SolverContext ctx = twoNodes(1.0, 10.0, 2.0, 7.0);
    applyBothRows(ctx);
    EXPECT_EQ(ctx.systemMatrix[1][1], 1.0);  // G
    EXPECT_EQ(ctx.systemMatrix[1][2], 5.0);  // -H
    EXPECT_EQ(ctx.systemMatrix[2][2], -6.0); // -H
    EXPECT_EQ(ctx.rightHandSide[1], 10.0 * 5.0 - 2.0 * 7.0);
    EXPECT_EQ(ctx.rightHandSide[2], 10.0 * -6.0 - 4.0 * 7.0);

    // Node 2 convection with coefficient 0.5 and ambient 20.
    SolverContext conv = twoNodes(1.0, 10.0, 3.0, 0.5);
    applyBothRows(conv);
    EXPECT_EQ(conv.systemMatrix[1][2], 2.0 * 0.5 + 5.0);
    EXPECT_EQ(conv.systemMatrix[2][2], 4.0 * 0.5 - 6.0);
    EXPECT_EQ(conv.rightHandSide[1], 10.0 * 5.0 + 2.0 * 0.5 * 20.0);
}

TEST(ApplyConditions, AnUnknownKindIsAnError)
{
    SolverContext ctx = twoNodes(1.0, 10.0, 4.0, 7.0);
    EXPECT_THROW(applyBothRows(ctx), SolverError);
}

TEST(RecoverNodalValues, TakesPrescribedAndSolvedValuesByKind)
{
    SolverContext ctx = twoNodes(1.0, 10.0, 3.0, 0.5);
    ctx.rightHandSide[1] = -4.0; // flux at node 1
    ctx.rightHandSide[2] = 26.0; // potential at node 2
    recoverNodalValues(ctx);
    EXPECT_EQ(ctx.nodePotential[1], 10.0);
    EXPECT_EQ(ctx.nodeFlux[1], -4.0);
    EXPECT_EQ(ctx.nodePotential[2], 26.0);
    EXPECT_EQ(ctx.nodeFlux[2], (26.0 - 20.0) * 0.5);
    EXPECT_EQ(ctx.systemMatrix[1][3], -4.0);
    EXPECT_EQ(ctx.systemMatrix[2][3], 26.0);

    SolverContext flux = twoNodes(2.0, 3.0, 2.0, 3.0);
    flux.rightHandSide[1] = 8.0;
    recoverNodalValues(flux);
    EXPECT_EQ(flux.nodePotential[1], 8.0);
    EXPECT_EQ(flux.nodeFlux[1], 3.0);
}

// Distribution on a model with two chains: the outer one with a kind change
// (double nodes) and a shared closing node, the inner one all one kind.
TEST(DistributeToElements, SharedNodesGiveOneValueDoubleNodesTwo)
{
    Project p = test::emptyProject();
    const int potential = test::addCondition(p, 1.0f, 1.0f, 1.0f, 1.0f);
    const int hole = test::addBoundary(p, InnerBoundary);
    // Outer kinds 2, 1, 1, 2: double node between elements 1 and 2 and
    // between 3 and 4; elements 4 and 1 share the chain's first node.
    test::addChain(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, [&, n = 0](test::Point, test::Point) mutable {
        ++n;
        return (n == 2 || n == 3) ? potential : 1;
    });
    test::addPolygon(p, {{4, 4}, {4, 6}, {6, 6}}, potential, hole);
    SolverContext ctx;
    prepareWorkspace(ctx, p);
    numberNodes(ctx);
    ASSERT_EQ(ctx.boundaryNodeCount, 16);
    for (int t = 1; t <= 16; ++t) {
        ctx.nodePotential[t] = 100.0 + t;
        ctx.nodeFlux[t] = -t;
    }
    distributeToElements(ctx);
    const int expected[7][3] = {{1, 2, 3}, {4, 5, 6}, {6, 7, 8}, {9, 10, 1}, {11, 12, 13}, {13, 14, 15}, {15, 16, 11}};
    for (int e = 1; e <= 7; ++e) {
        for (int a = 1; a <= 3; ++a) {
            const int node = expected[e - 1][a - 1];
            EXPECT_EQ(ctx.localPotential[3 * e - 3 + a], 100.0 + node) << e << "," << a;
            EXPECT_EQ(ctx.localFlux[3 * e - 3 + a], -node) << e << "," << a;
        }
    }
}

} // namespace
} // namespace zorind::solver
