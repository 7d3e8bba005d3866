#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/solver/EliminationKernels.h"
#include "core/solver/LinearSolve.h"
#include "core/solver/StraightforwardSolver.h"

namespace zorind::solver {
namespace {

using Matrix = std::vector<std::vector<double>>;

// What an elimination leaves behind: how it ended, its trace, the upper
// triangle with the pivots, and the solution.
struct Outcome {
    std::string ending;
    std::string trace;
    std::vector<double> upper;
    std::vector<double> solution;
};

Outcome eliminate(const Matrix& a, const std::vector<double>& b, void (*solve)(SolverContext&, int))
{
    const int n = static_cast<int>(b.size());
    SolverContext ctx;
    ctx.systemMatrix = matrix(1, n, 1, n + 1);
    ctx.rightHandSide = dvector(1, n);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            ctx.systemMatrix[i][j] = a[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
        }
        ctx.rightHandSide[i] = b[static_cast<std::size_t>(i - 1)];
    }
    std::FILE* trace = std::tmpfile();
    ctx.trace = trace;
    Outcome out;
    try {
        solve(ctx, n);
        out.ending = "solved";
    } catch (const SingularMatrixError& e) {
        out.ending = std::string("singular: ") + e.what();
    }
    std::rewind(trace);
    for (int c = std::fgetc(trace); c != EOF; c = std::fgetc(trace)) {
        out.trace.push_back(static_cast<char>(c));
    }
    std::fclose(trace);
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j) {
            out.upper.push_back(ctx.systemMatrix[i][j]);
        }
        out.solution.push_back(ctx.rightHandSide[i]);
    }
    return out;
}

void expectSameElimination(const Matrix& a, const std::vector<double>& b, const std::string& what)
{
    const Outcome blocked = eliminate(a, b, gaussSolve);
    const Outcome oracle = eliminate(a, b, straightforward::gaussSolve);
    EXPECT_EQ(blocked.ending, oracle.ending) << what;
    EXPECT_EQ(blocked.trace, oracle.trace) << what;
    if (oracle.ending != "solved") {
        // What is left in the matrix after giving up is nobody's business.
        return;
    }
    // Compared bit for bit: the blocked order of work must not change a
    // single rounding.
    ASSERT_EQ(blocked.upper.size(), oracle.upper.size()) << what;
    for (std::size_t k = 0; k < blocked.upper.size(); ++k) {
        ASSERT_EQ(std::memcmp(&blocked.upper[k], &oracle.upper[k], sizeof(double)), 0)
            << what << ": upper entry " << k << " " << blocked.upper[k] << " against " << oracle.upper[k];
    }
    for (std::size_t k = 0; k < blocked.solution.size(); ++k) {
        ASSERT_EQ(std::memcmp(&blocked.solution[k], &oracle.solution[k], sizeof(double)), 0)
            << what << ": unknown " << k + 1 << " " << blocked.solution[k] << " against " << oracle.solution[k];
    }
}

Matrix randomMatrix(std::mt19937_64& rng, int n)
{
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    Matrix a(static_cast<std::size_t>(n), std::vector<double>(static_cast<std::size_t>(n)));
    for (auto& row : a) {
        for (double& x : row) {
            x = value(rng);
        }
    }
    return a;
}

std::vector<double> randomVector(std::mt19937_64& rng, int n)
{
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> b(static_cast<std::size_t>(n));
    for (double& x : b) {
        x = value(rng);
    }
    return b;
}

// Sizes around the block width and its multiples, and one past the largest
// model's 597 unknowns in spirit (tile remainders of every kind; 127 leaves
// seven rows and seven columns past the full tiles of every block, which go
// through the narrowest edge tiles).
const int kSizes[] = {1, 2, 3, 7, 23, 24, 25, 31, 32, 33, 64, 65, 97, 127, 130, 203};

TEST(BlockedElimination, WellConditionedSystemsMatchTheOneRowAtATimeElimination)
{
    std::mt19937_64 rng(20261207);
    for (const int n : kSizes) {
        Matrix a = randomMatrix(rng, n);
        // Diagonally dominant: no exchange at all.
        for (int i = 0; i < n; ++i) {
            a[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] += static_cast<double>(n);
        }
        expectSameElimination(a, randomVector(rng, n), "dominant n=" + std::to_string(n));
        // Plain random entries, whose pivots wander in size.
        expectSameElimination(randomMatrix(rng, n), randomVector(rng, n), "random n=" + std::to_string(n));
    }
}

TEST(BlockedElimination, NearlySingularSystemsMatchInPivotsTraceAndEnding)
{
    std::mt19937_64 rng(7);
    for (const int n : kSizes) {
        if (n < 3) {
            continue;
        }
        const std::string size = " n=" + std::to_string(n);
        // Zero pivots on the way: every fifth diagonal entry vanishes, so
        // rows are exchanged with the first usable row below, inside blocks
        // and across their edges.
        Matrix zeros = randomMatrix(rng, n);
        for (int i = 0; i < n; i += 5) {
            zeros[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 0.0;
        }
        expectSameElimination(zeros, randomVector(rng, n), "zero diagonal" + size);

        // One row the sum of two others up to 1e-9: a tiny late pivot and the
        // trace lines it writes.
        Matrix close = randomMatrix(rng, n);
        for (int j = 0; j < n; ++j) {
            close[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(j)] =
                close[0][static_cast<std::size_t>(j)] + close[1][static_cast<std::size_t>(j)] +
                (j == n / 2 ? 1e-9 : 0.0);
        }
        expectSameElimination(close, randomVector(rng, n), "nearly dependent row" + size);

        // Exactly dependent rows: the elimination gives up at the same pivot
        // with the same message.
        Matrix singular = randomMatrix(rng, n);
        singular[static_cast<std::size_t>(n / 2)] = singular[1];
        expectSameElimination(singular, randomVector(rng, n), "repeated row" + size);

        // Rows whose entries differ by twelve orders of magnitude.
        Matrix scaled = randomMatrix(rng, n);
        for (int i = 0; i < n; i += 3) {
            for (double& x : scaled[static_cast<std::size_t>(i)]) {
                x *= 1e-12;
            }
        }
        expectSameElimination(scaled, randomVector(rng, n), "scaled rows" + size);
    }
}

// The processor's widest copy of the arithmetic runs in the tests above; the
// copies for narrower processors must give the same bits.
TEST(BlockedElimination, EveryCopyOfTheArithmeticMatches)
{
    struct Restore {
        ~Restore() { elimination::useCopy(elimination::Copy::Widest); }
    } restore;
    int copies = 0;
    for (const auto copy : {elimination::Copy::Avx512, elimination::Copy::Avx2, elimination::Copy::Plain}) {
        if (!elimination::useCopy(copy)) {
            continue;
        }
        ++copies;
        const std::string name = " copy " + std::to_string(static_cast<int>(copy));
        std::mt19937_64 rng(31);
        for (const int n : {5, 33, 127}) {
            const std::string size = " n=" + std::to_string(n) + name;
            expectSameElimination(randomMatrix(rng, n), randomVector(rng, n), "random" + size);
            Matrix zeros = randomMatrix(rng, n);
            for (int i = 0; i < n; i += 5) {
                zeros[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 0.0;
            }
            expectSameElimination(zeros, randomVector(rng, n), "zero diagonal" + size);
        }
    }
    // The plain copy exists in every build.
    EXPECT_GE(copies, 1);
}

} // namespace
} // namespace zorind::solver
