// The consistency check and the repair commands on models at the tables'
// capacities. Run by hand: build/bench/check_model_bench
#include <benchmark/benchmark.h>

#include "core/check/CheckModel.h"
#include "core/check/CleanUp.h"
#include "core/check/Renumber.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace {

using namespace zorind;

// A circle of 199 nodes and elements, the largest closed chain the node
// table allows, stored in chain order or in reverse table order (the worst
// case of the chain walk: one element found per pass).
Project fullCircle(bool reversedTable)
{
    Project p = test::emptyProject();
    test::addCircle(p, 0, 0, 100, kMaxNodes);
    if (reversedTable) {
        for (int i = 1, j = p.elementCount(); i < j; ++i, --j) {
            std::swap(p.elements[i], p.elements[j]);
        }
    }
    return p;
}

void BM_CheckModelSound(benchmark::State& state)
{
    Project p = fullCircle(false);
    ScriptedInteraction ui;
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkModel(p, ui));
    }
}
BENCHMARK(BM_CheckModelSound);

void BM_CheckModelReversedTable(benchmark::State& state)
{
    const Project original = fullCircle(true);
    ScriptedInteraction ui;
    for (auto _ : state) {
        Project p = original;
        benchmark::DoNotOptimize(checkModel(p, ui));
        ui.shown.clear();
    }
}
BENCHMARK(BM_CheckModelReversedTable);

void BM_RenumberReversedTable(benchmark::State& state)
{
    const Project original = fullCircle(true);
    ScriptedInteraction ui;
    for (auto _ : state) {
        Project p = original;
        renumberElements(p, ui);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_RenumberReversedTable);

// Every node doubled: 99 pairs plus one, all merged.
void BM_RemoveDoubleNodesAllDoubled(benchmark::State& state)
{
    Project original = test::emptyProject();
    for (int i = 0; i < kMaxNodes; ++i) {
        test::addNode(original, static_cast<float>(i / 2), 0.0f);
    }
    for (int n = 1; n < original.nodeCount() && original.elementCount() < kMaxElements; ++n) {
        test::addElement(original, n, n + 1);
    }
    ScriptedInteraction ui;
    for (auto _ : state) {
        Project p = original;
        ui.answers = {true};
        removeDoubleNodes(p, ui);
        benchmark::DoNotOptimize(p);
        ui.shown.clear();
    }
}
BENCHMARK(BM_RemoveDoubleNodesAllDoubled);

void BM_RemoveFreeNodesAllFree(benchmark::State& state)
{
    Project original = test::emptyProject();
    for (int i = 0; i < kMaxNodes; ++i) {
        test::addNode(original, static_cast<float>(i), 0.0f);
    }
    ScriptedInteraction ui;
    for (auto _ : state) {
        Project p = original;
        removeFreeNodes(p, ui);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_RemoveFreeNodesAllFree);

} // namespace

BENCHMARK_MAIN();
