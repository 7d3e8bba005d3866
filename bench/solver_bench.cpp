// The potential solver on the largest consistent model the tables allow: one
// circle of 199 nodes and elements whose condition kind changes at every node
// (every node a double node, nb = 597) and 499 internal points, so 1096 rows
// of G and H are integrated.
//
//   BM_NumberAndAssemble   numberNodes + assembleSystem (597 × 199 element integrals written into the system)
//   BM_InternalPoints      evaluateInternalPoints (499 × 199 element integrals)
//   BM_Solve               gaussSolve (597 unknowns) + recovery and distribution
//   BM_Eliminate           gaussSolve alone
//   BM_PrepareAndRelease   sizes, allocation and copy of the model, then release (first touch of the pages)
//   BM_Compute             the whole "&Oblicz": check, copy, the six steps, storing, release
//   BM_ComputeBaseline     the same with the steps as they were (fresh storage, straightforward
//                          integration and elimination), side by side
//   BM_NumberAndAssembleBaseline   the boundary rows as they were first integrated
#include <benchmark/benchmark.h>

#include <vector>

#include "core/check/CheckModel.h"
#include "core/solver/Assembly.h"
#include "core/solver/Compute.h"
#include "core/solver/Integration.h"
#include "core/solver/LinearSolve.h"
#include "core/solver/StraightforwardSolver.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/SolverModels.h"

namespace {

using namespace zorind;

// Answers Yes and keeps nothing: a compute per iteration would otherwise
// collect one message each time.
class SilentInteraction : public ScriptedInteraction {
public:
    SilentInteraction() { defaultAnswer = true; }

protected:
    void onShown(const Shown&) override { shown.clear(); }
};

const Project& model()
{
    static const Project p = test::largestModel();
    return p;
}

void prepared(solver::SolverContext& ctx)
{
    ctx.trace = nullptr;
    solver::prepareWorkspace(ctx, model());
}

void workspaceCounters(benchmark::State& state, const solver::SolverContext& ctx)
{
    state.counters["workspace_bytes"] = static_cast<double>(solver::workspaceBytes(ctx));
    state.counters["nb"] = ctx.boundaryNodeCount;
    state.counters["rows"] = ctx.boundaryNodeCount + ctx.internalRowCount;
}

void BM_NumberAndAssemble(benchmark::State& state)
{
    solver::SolverContext ctx;
    prepared(ctx);
    for (auto _ : state) {
        solver::numberNodes(ctx);
        solver::assembleSystem(ctx);
        benchmark::DoNotOptimize(ctx.systemMatrix[1][1]);
    }
    workspaceCounters(state, ctx);
    state.counters["element_integrals_per_s"] =
        benchmark::Counter(static_cast<double>(ctx.boundaryNodeCount * ctx.elementCount),
                           benchmark::Counter::kIsIterationInvariantRate);
    solver::releaseWorkspace(ctx);
}
BENCHMARK(BM_NumberAndAssemble)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same rows as they were first integrated: element by element, the
// library logarithm point by point, every row kept.
void BM_NumberAndAssembleBaseline(benchmark::State& state)
{
    solver::SolverContext ctx;
    prepared(ctx);
    solver::numberNodes(ctx);
    const int keep = ctx.internalRowCount;
    ctx.internalRowCount = 0; // the boundary rows alone, as above
    for (auto _ : state) {
        solver::numberNodes(ctx);
        const solver::straightforward::Matrices m = solver::straightforward::integrateBoundary(ctx);
        solver::checkConditionKinds(ctx);
        for (int i = 1; i <= ctx.boundaryNodeCount; ++i) {
            solver::applyConditions(ctx, i, m.g[static_cast<std::size_t>(i)].data(),
                                    m.h[static_cast<std::size_t>(i)].data());
        }
        benchmark::DoNotOptimize(ctx.systemMatrix[1][1]);
    }
    ctx.internalRowCount = keep;
    workspaceCounters(state, ctx);
    state.counters["element_integrals_per_s"] =
        benchmark::Counter(static_cast<double>(ctx.boundaryNodeCount * ctx.elementCount),
                           benchmark::Counter::kIsIterationInvariantRate);
    solver::releaseWorkspace(ctx);
}
BENCHMARK(BM_NumberAndAssembleBaseline)->Unit(benchmark::kMillisecond);

// The 499 internal points, each row integrated and used once.
void BM_InternalPoints(benchmark::State& state)
{
    solver::SolverContext ctx;
    prepared(ctx);
    solver::numberNodes(ctx);
    solver::assembleSystem(ctx);
    solver::gaussSolve(ctx, ctx.boundaryNodeCount);
    solver::recoverNodalValues(ctx);
    for (auto _ : state) {
        solver::evaluateInternalPoints(ctx);
        benchmark::DoNotOptimize(ctx.internalPotential[1]);
    }
    state.counters["element_integrals_per_s"] =
        benchmark::Counter(static_cast<double>(ctx.internalRowCount * ctx.elementCount),
                           benchmark::Counter::kIsIterationInvariantRate);
    solver::releaseWorkspace(ctx);
}
BENCHMARK(BM_InternalPoints)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Solve(benchmark::State& state)
{
    solver::SolverContext ctx;
    prepared(ctx);
    solver::numberNodes(ctx);
    for (auto _ : state) {
        state.PauseTiming();
        solver::assembleSystem(ctx);
        state.ResumeTiming();
        solver::gaussSolve(ctx, ctx.boundaryNodeCount);
        solver::recoverNodalValues(ctx);
        solver::distributeToElements(ctx);
        benchmark::DoNotOptimize(ctx.localPotential[1]);
    }
    workspaceCounters(state, ctx);
    solver::releaseWorkspace(ctx);
}
BENCHMARK(BM_Solve)->Unit(benchmark::kMillisecond);

void BM_Eliminate(benchmark::State& state)
{
    solver::SolverContext ctx;
    prepared(ctx);
    solver::numberNodes(ctx);
    const int n = ctx.boundaryNodeCount;
    for (auto _ : state) {
        state.PauseTiming();
        solver::assembleSystem(ctx);
        state.ResumeTiming();
        solver::gaussSolve(ctx, n);
        benchmark::DoNotOptimize(ctx.rightHandSide[1]);
    }
    // Elimination and back substitution: about 2n³/3 floating-point operations.
    const double flops = 2.0 * n * n * static_cast<double>(n) / 3.0;
    state.counters["flops"] = benchmark::Counter(flops, benchmark::Counter::kIsIterationInvariantRate);
    workspaceCounters(state, ctx);
    solver::releaseWorkspace(ctx);
}
BENCHMARK(BM_Eliminate)->Unit(benchmark::kMillisecond);

void BM_PrepareAndRelease(benchmark::State& state)
{
    for (auto _ : state) {
        solver::SolverContext ctx;
        prepared(ctx);
        // Touch the system as assembly and elimination would.
        for (int j = ctx.systemMatrix.rowLow(); j <= ctx.systemMatrix.rowHigh(); ++j) {
            ctx.systemMatrix[j][1] = 0.0;
        }
        benchmark::DoNotOptimize(ctx.systemMatrix[1][1]);
        solver::releaseWorkspace(ctx);
    }
}
BENCHMARK(BM_PrepareAndRelease)->Unit(benchmark::kMillisecond);

void BM_Compute(benchmark::State& state)
{
    SilentInteraction ui;
    Project p = model();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ComputeOutcome outcome = computeCommand(p, ui, nullptr);
        if (outcome != ComputeOutcome::Computed) {
            state.SkipWithError("the largest model did not compute");
            break;
        }
    }
    {
        solver::SolverContext ctx;
        prepared(ctx);
        bytes = solver::workspaceBytes(ctx);
        solver::releaseWorkspace(ctx);
    }
    state.counters["workspace_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Compute)->Unit(benchmark::kMillisecond)->UseRealTime();

// "&Oblicz" as it was first written, for comparison in the same run: a
// fresh workspace every time (its pages faulted in anew), the library
// logarithm element by element with every row of G and H stored, the
// elimination one pivot row at a time.
void BM_ComputeBaseline(benchmark::State& state)
{
    SilentInteraction ui;
    Project p = model();
    for (auto _ : state) {
        if (checkModel(p, ui) != 0) {
            state.SkipWithError("the largest model did not pass the check");
            break;
        }
        solver::SolverContext ctx;
        ctx.trace = nullptr;
        solver::prepareWorkspace(ctx, p);
        solver::straightforward::solve(ctx);
        solver::storeResults(ctx, p);
        p.resultsValid = 1;
        solver::releaseWorkspace(ctx);
        solver::releaseKeptStorage();
    }
}
BENCHMARK(BM_ComputeBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
