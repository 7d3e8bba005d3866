#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "core/solver/StraightforwardSolver.h"
#include "model/ProjectFile.h"
#include "solver/Compute.h"
#include "solver/VectorMath.h"
#include "support/SolverModels.h"
#include "ui/ScriptedInteraction.h"

namespace zorind::solver {
namespace {

// Distance in units of the last place between two floats of one sign.
std::int64_t ulpDistance(float a, float b)
{
    std::int32_t ia = 0;
    std::int32_t ib = 0;
    std::memcpy(&ia, &a, sizeof a);
    std::memcpy(&ib, &b, sizeof b);
    if ((ia < 0) != (ib < 0)) {
        return a == b ? 0 : std::numeric_limits<std::int64_t>::max();
    }
    return std::llabs(static_cast<std::int64_t>(ia) - static_cast<std::int64_t>(ib));
}

// Over the range of squared distances the integration meets (from a point
// a hair from an element to the far side of a large model), and over whole
// binades of mantissas, the vectorised logarithm stays within one unit in
// the last place of the library's.
TEST(VectorLog, WithinOneUnitInTheLastPlaceOfTheLibraryLogarithm)
{
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> exponent(-40.0, 40.0);
    std::vector<double> x;
    for (int i = 0; i < 200000; ++i) {
        x.push_back(std::pow(10.0, exponent(rng)));
    }
    // Around 1, where the logarithm itself goes to zero, and around the
    // reduction's split at √2/2 and √2.
    for (int i = -2000; i <= 2000; ++i) {
        x.push_back(1.0 + i * 1e-7);
        x.push_back(std::sqrt(0.5) * (1.0 + i * 1e-12));
        x.push_back(std::sqrt(2.0) * (1.0 + i * 1e-12));
    }
    x.push_back(std::numeric_limits<double>::min());
    x.push_back(std::numeric_limits<double>::max());
    std::vector<double> y(x.size());
    logOfEach(x.data(), y.data(), static_cast<int>(x.size()));
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double expected = std::log(x[i]);
        const double ulp =
            std::nextafter(std::fabs(expected), std::numeric_limits<double>::infinity()) - std::fabs(expected);
        ASSERT_LE(std::fabs(y[i] - expected), ulp) << "log(" << x[i] << ")";
    }

    // Outside the positive normal numbers the library decides, flags and all.
    const double odd[] = {0.0, -1.0, std::numeric_limits<double>::infinity(), 1e-310, 2.0};
    double out[5] = {};
    std::feclearexcept(FE_ALL_EXCEPT);
    logOfEach(odd, out, 5);
    EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
    EXPECT_NE(std::fetestexcept(FE_INVALID), 0);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(out[0], -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(out[1]));
    EXPECT_EQ(out[2], std::numeric_limits<double>::infinity());
    EXPECT_EQ(out[3], std::log(1e-310));
    EXPECT_NEAR(out[4], std::log(2.0), 1e-15);
}

// The results the compute command stores equal, to the last bit of a
// float or one unit from it, those of the steps as they were: integration
// with the library logarithm and every internal row stored, elimination one
// pivot row at a time.
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
        int differing = 0;
        for (int e = 1; e <= ne; ++e) {
            for (std::size_t a = 1; a <= 3; ++a) {
                const float pairs[2][2] = {{before.elementResults[e].slot[a], after.elementResults[e].slot[a]},
                                           {before.fluxResults[e].slot[a], after.fluxResults[e].slot[a]}};
                for (const auto& pair : pairs) {
                    const std::int64_t d = ulpDistance(pair[0], pair[1]);
                    EXPECT_LE(d, 1) << name << " element " << e << ": " << pair[0] << " against " << pair[1];
                    differing += d != 0 ? 1 : 0;
                }
            }
        }
        for (int i = 1; i <= ni; ++i) {
            const float was = before.internalPoints[i].internalResult;
            const float now = after.internalPoints[i].internalResult;
            EXPECT_LE(ulpDistance(was, now), 1) << name << " internal point " << i << ": " << was << " against " << now;
            differing += was != now ? 1 : 0;
        }
        // A last-bit difference is the rare exception, not the rule.
        EXPECT_LE(differing, (6 * ne + ni) / 100 + 1) << name;
    }
}

} // namespace
} // namespace zorind::solver
