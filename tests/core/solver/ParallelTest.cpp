#include <gtest/gtest.h>

#include <atomic>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

#if defined(__linux__)
#include <sched.h>
#endif

#include "core/solver/Assembly.h"
#include "core/solver/Compute.h"
#include "core/solver/Integration.h"
#include "core/solver/LinearSolve.h"
#include "core/solver/Parallel.h"
#include "core/solver/PotentialField.h"
#include "core/solver/Workspace.h"
#include "support/SolverModels.h"

namespace zorind::solver {
namespace {

// The ways the work can be shared out: one core; two; two where the second
// thread cannot start; three where only one more starts.
struct Sharing {
    int cores;
    int startable;
};
constexpr Sharing kSharings[] = {{1, -1}, {2, -1}, {2, 0}, {3, 1}};

// The cores the process may run on: narrowed by a limit for as long as it
// lives, and by the process's affinity.
TEST(UsableCores, FollowALimitForItsLifetimeAndTheAffinity)
{
    const int own = usableCores();
    {
        const ThreadLimit limit(1);
        EXPECT_EQ(usableCores(), 1);
    }
    EXPECT_EQ(usableCores(), own);
#if defined(__linux__)
    cpu_set_t all;
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    int first = 0;
    while (!CPU_ISSET(first, &all)) {
        ++first;
    }
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    EXPECT_EQ(usableCores(), 1);
    sched_setaffinity(0, sizeof all, &all);
#endif
}

// Every index once, whatever the split and whichever threads fail to start;
// a division by zero in whichever thread took the last index shows in the
// caller's flags, and a failure in a range reaches the caller after every
// range has ended.
TEST(InParallel, CoversEveryIndexOnceAndBringsBackFaultsAndFailures)
{
    for (const Sharing sharing : kSharings) {
        const ThreadLimit limit(sharing.cores, sharing.startable);
        for (int count : {0, 1, 63, 64, 65, 1000}) {
            std::vector<std::atomic<int>> seen(static_cast<std::size_t>(count) + 1);
            inParallel(count, [&](int first, int last) {
                for (int i = first; i <= last; ++i) {
                    seen[static_cast<std::size_t>(i)].fetch_add(1);
                }
            });
            for (int i = 1; i <= count; ++i) {
                ASSERT_EQ(seen[static_cast<std::size_t>(i)].load(), 1)
                    << "index " << i << " of " << count << ", cores " << sharing.cores;
            }
        }
    }

    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double zero = 0.0;
    inParallel(1000, [&](int, int last) {
        if (last == 1000) {
            volatile double infinite = std::log(zero);
            (void)infinite;
        }
    });
    EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
    std::feclearexcept(FE_ALL_EXCEPT);

    std::atomic<int> ranges{0};
    EXPECT_THROW(inParallel(1000,
                            [&](int, int last) {
                                ranges.fetch_add(1);
                                if (last == 1000) {
                                    throw std::runtime_error("range failed");
                                }
                            }),
                 std::runtime_error);
    EXPECT_GE(ranges.load(), 1);
}

// The pair of threads of the elimination: each part once, again and again on
// the same pair, whether the second thread takes its part, comes too late
// for it (the first part ends at once) or is missing; the second part's
// division by zero and failure come back.
TEST(ThreadPair, RunsEachPartOnceAndBringsBackFaultsAndFailures)
{
    for (const Sharing sharing : kSharings) {
        const ThreadLimit limit(sharing.cores, sharing.startable);
        ThreadPair pair;
        EXPECT_EQ(pair.active(), sharing.cores > 1 && sharing.startable != 0);
        for (int round = 0; round < 2000; ++round) {
            std::atomic<int> parts{0};
            volatile double sink = 0.0;
            pair.run([&](int part) {
                for (int i = 0; part == 0 && i < round % 7 * 300; ++i) {
                    sink = sink + 1.0;
                }
                parts.fetch_add(part == 0 ? 1 : 10);
            });
            ASSERT_EQ(parts.load(), 11) << "round " << round << ", cores " << sharing.cores;
        }
        std::feclearexcept(FE_ALL_EXCEPT);
        volatile double zero = 0.0;
        pair.run([&](int part) {
            if (part == 1) {
                volatile double infinite = std::log(zero);
                (void)infinite;
            }
        });
        EXPECT_NE(std::fetestexcept(FE_DIVBYZERO), 0);
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_THROW(pair.run([](int part) {
            if (part == 1) {
                throw std::runtime_error("part failed");
            }
        }),
                     std::runtime_error);
    }
}

// The solution of the largest model (every row of the assembly, of the
// elimination's blocks and of the internal points shared out) to the last
// bit, with the work shared out in each of the ways above.
std::vector<double> solvedLargest()
{
    SolverContext ctx;
    ctx.trace = nullptr;
    prepareWorkspace(ctx, test::largestModel());
    numberNodes(ctx);
    assembleSystem(ctx);
    gaussSolve(ctx, ctx.boundaryNodeCount);
    recoverNodalValues(ctx);
    evaluateInternalPoints(ctx);
    std::vector<double> values;
    for (int i = 1; i <= ctx.boundaryNodeCount; ++i) {
        values.push_back(ctx.nodePotential[i]);
        values.push_back(ctx.nodeFlux[i]);
    }
    for (int i = 1; i <= ctx.internalRowCount; ++i) {
        values.push_back(ctx.internalPotential[i]);
    }
    releaseWorkspace(ctx);
    return values;
}

TEST(SharedWork, GivesTheSameBitsOnOneThreadAsOnSeveral)
{
    std::vector<double> alone;
    {
        const ThreadLimit limit(1);
        alone = solvedLargest();
    }
    ASSERT_EQ(alone.size(), 2u * 597u + 499u);
    for (const Sharing sharing : kSharings) {
        const ThreadLimit limit(sharing.cores, sharing.startable);
        const std::vector<double> shared = solvedLargest();
        ASSERT_EQ(shared.size(), alone.size());
        EXPECT_EQ(std::memcmp(shared.data(), alone.data(), alone.size() * sizeof(double)), 0)
            << "cores " << sharing.cores << ", startable " << sharing.startable;
    }
}

} // namespace
} // namespace zorind::solver
