#include <gtest/gtest.h>

#include <atomic>
#include <cfenv>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "core/solver/Parallel.h"

namespace zorind::solver {
namespace {

// Every index once, whatever the split; a division by zero in whichever
// thread took the last index shows in the caller's flags, and a failure in a
// range reaches the caller after every range has ended.
TEST(InParallel, CoversEveryIndexOnceAndBringsBackFaultsAndFailures)
{
    for (int count : {0, 1, 63, 64, 65, 1000}) {
        std::vector<std::atomic<int>> seen(static_cast<std::size_t>(count) + 1);
        inParallel(count, [&](int first, int last) {
            for (int i = first; i <= last; ++i) {
                seen[static_cast<std::size_t>(i)].fetch_add(1);
            }
        });
        for (int i = 1; i <= count; ++i) {
            ASSERT_EQ(seen[static_cast<std::size_t>(i)].load(), 1) << "index " << i << " of " << count;
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

// The pair of threads of the elimination: both parts run, again and again on
// the same pair; the second part's division by zero and failure come back.
TEST(ThreadPair, RunsBothPartsAndBringsBackFaultsAndFailures)
{
    ThreadPair pair;
    for (int round = 0; round < 100; ++round) {
        std::atomic<int> parts{0};
        pair.run([&](int part) { parts.fetch_add(part == 0 ? 1 : 10); });
        ASSERT_EQ(parts.load(), 11) << "round " << round;
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

} // namespace
} // namespace zorind::solver
