// zorind-elastic on the largest exchange file the application can write:
// 199 nodes (an outer circle of 120 held fast, a hole of 79 under pressure),
// 199 elements and 499 internal points.
//
//   BM_Parse      the reader on the file's text
//   BM_Solve      assembly, LU and every nodal and internal-point result
//   BM_Whole      parse, solve and write the result text
#include <benchmark/benchmark.h>

#include "ElasticSolver.h"
#include "ExchangeModel.h"
#include "ResultWriter.h"
#include "elastic/ExchangeText.h"

#include <sstream>

namespace {

using namespace zorind::elastic;

const std::string& largestText()
{
    static const std::string text = test::exchangeText(test::largestModel(), -1);
    return text;
}

void BM_Parse(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseExchange(largestText()));
    }
}
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);

void BM_Solve(benchmark::State& state)
{
    const ExchangeModel model = parseExchange(largestText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(solveElastic(model));
    }
}
BENCHMARK(BM_Solve)->Unit(benchmark::kMillisecond);

void BM_Whole(benchmark::State& state)
{
    for (auto _ : state) {
        const ExchangeModel model = parseExchange(largestText());
        const ElasticSolution solution = solveElastic(model);
        std::ostringstream out;
        writeResults(out, model, solution);
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(BM_Whole)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
