#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/solver/StraightforwardSolver.h"
#include "model/ProjectFile.h"
#include "solver/Compute.h"
#include "support/SolverModels.h"
#include "ui/ScriptedInteraction.h"

namespace zorind::solver {
namespace {

// The same float, bit for bit (so that a zero's sign counts, and a NaN
// would be caught).
bool same(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The results the compute command stores are those of the steps as they
// were, bit for bit: integration element by element with every internal row
// stored, elimination one pivot row at a time. Rounding noise included (a
// flux of 1e-14 where the exact value is 0), which any other order of
// operations or another logarithm would change.
TEST(ComputeFastPath, StoresTheResultsOfTheStraightforwardSteps)
{
    std::vector<std::pair<std::string, Project>> models;
    models.emplace_back("largest", test::largestModel());
    for (const char* name : {"plyta.tav", "pierscien.tav", "wspornik.tav"}) {
        Project p = test::emptyProject();
        ASSERT_TRUE(loadProjectFile(std::string(ZORIND_EXAMPLES_DIR) + "/" + name, p).ok()) << name;
        p.analysisType = 1;
        models.emplace_back(name, p);
    }
    for (auto& [name, project] : models) {
        Project before = project;
        SolverContext ctx;
        ctx.trace = nullptr;
        prepareWorkspace(ctx, before);
        numberNodes(ctx);
        straightforward::integrateBoundary(ctx);
        applyConditions(ctx);
        straightforward::gaussSolve(ctx, ctx.boundaryNodeCount);
        recoverNodalValues(ctx);
        distributeToElements(ctx);
        storeResults(ctx, before);
        const int ne = ctx.elementCount;
        const int ni = ctx.internalRowCount;
        releaseWorkspace(ctx);

        Project after = project;
        ScriptedInteraction ui;
        ASSERT_EQ(computeCommand(after, ui, nullptr), ComputeOutcome::Computed) << name;
        for (int e = 1; e <= ne; ++e) {
            for (std::size_t a = 1; a <= 3; ++a) {
                EXPECT_TRUE(same(before.elementResults[e].slot[a], after.elementResults[e].slot[a]))
                    << name << " potential of element " << e << " at " << a << ": " << before.elementResults[e].slot[a]
                    << " against " << after.elementResults[e].slot[a];
                EXPECT_TRUE(same(before.fluxResults[e].slot[a], after.fluxResults[e].slot[a]))
                    << name << " flux of element " << e << " at " << a << ": " << before.fluxResults[e].slot[a]
                    << " against " << after.fluxResults[e].slot[a];
            }
        }
        for (int i = 1; i <= ni; ++i) {
            EXPECT_TRUE(same(before.internalPoints[i].internalResult, after.internalPoints[i].internalResult))
                << name << " internal point " << i << ": " << before.internalPoints[i].internalResult << " against "
                << after.internalPoints[i].internalResult;
        }
    }
}

} // namespace
} // namespace zorind::solver
