// The elimination on the largest model's system (597 unknowns) side by side
// with LAPACK's dgesv from OpenBLAS, in one process:
//
//   BM_EliminationOneRowAtATime  the elimination as it was: each pivot row over the whole trailing matrix
//   BM_EliminationBlocked        gaussSolve: pivot rows a block at a time (same pivots, same results),
//                                the rows below each block shared between two threads
//   BM_Dgesv/1, BM_Dgesv/2       OpenBLAS dgesv (partial pivoting, blocked LU) on one and on two threads
//
// OpenBLAS picks its kernels when it is loaded, from OPENBLAS_CORETYPE or
// its own detection. When the variable is not set the program sets it to
// Haswell (the AVX2 kernels, the fastest dgesv of Debian's OpenBLAS 0.3.21 on
// an AMD Zen 4, where its own detection picks the slower Cooperlake ones) and
// starts itself again; run with OPENBLAS_CORETYPE=SkylakeX (or another name)
// to compare. The kernel in use is printed in the context.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "core/solver/Assembly.h"
#include "core/solver/Compute.h"
#include "core/solver/Integration.h"
#include "core/solver/LinearSolve.h"
#include "core/solver/StraightforwardSolver.h"
#include "support/SolverModels.h"

extern "C" {
void dgesv_(const int* n, const int* nrhs, double* a, const int* lda, int* ipiv, double* b, const int* ldb, int* info);
char* openblas_get_corename(void);
void openblas_set_num_threads(int threads);
}

namespace {

using namespace zorind;

// The largest model's system, before elimination.
struct System {
    int n = 0;
    std::vector<double> rowMajor; // n rows of n columns
    std::vector<double> rhs;
};

const System& largestSystem()
{
    static const System system = [] {
        System s;
        solver::SolverContext ctx;
        ctx.trace = nullptr;
        solver::prepareWorkspace(ctx, test::largestModel());
        solver::numberNodes(ctx);
        solver::assembleSystem(ctx);
        s.n = ctx.boundaryNodeCount;
        for (int i = 1; i <= s.n; ++i) {
            for (int j = 1; j <= s.n; ++j) {
                s.rowMajor.push_back(ctx.systemMatrix[i][j]);
            }
            s.rhs.push_back(ctx.rightHandSide[i]);
        }
        solver::releaseWorkspace(ctx);
        return s;
    }();
    return system;
}

void load(solver::SolverContext& ctx, const System& s)
{
    for (int i = 1; i <= s.n; ++i) {
        std::memcpy(ctx.systemMatrix.rowBase(i) + 1, &s.rowMajor[static_cast<std::size_t>((i - 1) * s.n)],
                    static_cast<std::size_t>(s.n) * sizeof(double));
        ctx.rightHandSide[i] = s.rhs[static_cast<std::size_t>(i - 1)];
    }
}

void flopCounter(benchmark::State& state, int n)
{
    const double flops = 2.0 * n * n * static_cast<double>(n) / 3.0;
    state.counters["flops"] = benchmark::Counter(flops, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["n"] = n;
}

void runElimination(benchmark::State& state, void (*solve)(solver::SolverContext&, int))
{
    const System& s = largestSystem();
    solver::SolverContext ctx;
    ctx.trace = nullptr;
    ctx.systemMatrix = solver::matrix(1, s.n, 1, s.n + 1);
    ctx.rightHandSide = solver::dvector(1, s.n);
    for (auto _ : state) {
        state.PauseTiming();
        load(ctx, s);
        state.ResumeTiming();
        solve(ctx, s.n);
        benchmark::DoNotOptimize(ctx.rightHandSide[1]);
    }
    flopCounter(state, s.n);
}

void BM_EliminationOneRowAtATime(benchmark::State& state)
{
    runElimination(state, solver::straightforward::gaussSolve);
}
BENCHMARK(BM_EliminationOneRowAtATime)->Unit(benchmark::kMillisecond);

void BM_EliminationBlocked(benchmark::State& state)
{
    runElimination(state, solver::gaussSolve);
}
BENCHMARK(BM_EliminationBlocked)->Unit(benchmark::kMillisecond)->UseRealTime();

// dgesv on state.range(0) threads.
void BM_Dgesv(benchmark::State& state)
{
    openblas_set_num_threads(static_cast<int>(state.range(0)));
    const System& s = largestSystem();
    const int n = s.n;
    // LAPACK stores by columns.
    std::vector<double> columnMajor(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            columnMajor[static_cast<std::size_t>(j * n + i)] = s.rowMajor[static_cast<std::size_t>(i * n + j)];
        }
    }
    std::vector<double> a(columnMajor.size());
    std::vector<double> b(s.rhs.size());
    std::vector<int> pivots(static_cast<std::size_t>(n));
    const int one = 1;
    int info = 0;
    for (auto _ : state) {
        state.PauseTiming();
        a = columnMajor;
        b = s.rhs;
        state.ResumeTiming();
        dgesv_(&n, &one, a.data(), &n, pivots.data(), b.data(), &n, &info);
        benchmark::DoNotOptimize(b.data());
    }
    if (info != 0) {
        state.SkipWithError("dgesv reported a singular matrix");
    }
    flopCounter(state, n);
    openblas_set_num_threads(1);
}
BENCHMARK(BM_Dgesv)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("OPENBLAS_CORETYPE") == nullptr) {
        // The kernels are chosen when the library is loaded: start again
        // with the choice in the environment.
        setenv("OPENBLAS_CORETYPE", "Haswell", 1);
        execv("/proc/self/exe", argv);
    }
    // dgesv on one core unless a benchmark asks for more.
    openblas_set_num_threads(1);
    benchmark::AddCustomContext("openblas_core", openblas_get_corename());
    benchmark::AddCustomContext("openblas_coretype_requested", std::getenv("OPENBLAS_CORETYPE"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
