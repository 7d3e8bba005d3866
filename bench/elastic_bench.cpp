// zorind-elastic on the largest exchange file the application can write:
// 199 nodes (an outer circle of 120 held fast, a hole of 79 under pressure),
// 199 elements and 499 internal points.
//
//   BM_Parse      the reader on the file's text
//   BM_Solve      assembly, LU and every nodal and internal-point result
//   BM_Whole      parse, solve and write the result text
//   BM_SolveProblem  the same model as the application solves it in its own
//                 process: every element with its own condition, no files
//   BM_SolveLame  the thick cylinder of the Lamé test: two circles of 48
//                 elements, the outer one held, the inner one pressed
#include <benchmark/benchmark.h>

#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ExchangeText.h"
#include "elastic/ResultWriter.h"

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

// The largest model with its conditions on the elements: the outer circle's
// elements held, the hole's loaded at each end with the load of its node.
ElasticProblem largestProblem()
{
    const ExchangeModel m = test::largestModel();
    ElasticProblem p;
    p.youngModulus = m.youngModulus;
    p.poissonRatio = m.poissonRatio;
    for (const Point& n : m.nodes) {
        p.nodes.push_back({n.x, n.y});
    }
    for (const Point& q : m.internalPoints) {
        p.internalPoints.push_back({q.x, q.y});
    }
    std::vector<PlanePoint> load(m.nodes.size());
    for (const NodalValue& t : m.tractions) {
        load[static_cast<std::size_t>(t.node)] = {t.x, t.y};
    }
    for (const Element& e : m.elements) {
        const bool held = e.start < 120;
        p.elements.push_back({e.start, e.end, held ? ElasticKind::Displacement : ElasticKind::Traction,
                              held ? PlanePoint{} : load[static_cast<std::size_t>(e.start)],
                              held ? PlanePoint{} : load[static_cast<std::size_t>(e.end)]});
    }
    return p;
}

void BM_SolveProblem(benchmark::State& state)
{
    const ElasticProblem problem = largestProblem();
    for (auto _ : state) {
        benchmark::DoNotOptimize(solveElasticProblem(problem));
    }
}
BENCHMARK(BM_SolveProblem)->Unit(benchmark::kMillisecond);

// Lamé's thick cylinder as the accuracy test builds it: b = 2a, the outer
// circle held at the exact displacement, the inner one under pressure.
ExchangeModel lameModel()
{
    const double a = 1.0, b = 2.0, p = 100e6, nu = 0.3, young = 210000003072.0;
    const double bigA = p * a * a / (b * b - a * a);
    const double bigB = p * a * a * b * b / (b * b - a * a);
    const double urB = (1.0 + nu) / young * ((1.0 - 2.0 * nu) * bigA * b + bigB / b);
    ExchangeModel m;
    m.youngModulus = young;
    m.poissonRatio = nu;
    const int n = 48;
    test::addLoop(m, test::circle(b, n));
    test::addLoop(m, test::circle(a, n));
    for (int i = 0; i < n; ++i) {
        const Point q = m.nodes[static_cast<std::size_t>(i)];
        m.displacements.push_back({i, urB * q.x / b, urB * q.y / b});
        const Point qi = m.nodes[static_cast<std::size_t>(n + i)];
        m.tractions.push_back({n + i, p * qi.x / a, p * qi.y / a});
    }
    m.internalPoints = {{1.5, 0.0}, {0.0, 1.5}, {-1.06066017, 1.06066017}};
    return m;
}

void BM_SolveLame(benchmark::State& state)
{
    const ExchangeModel model = parseExchange(test::exchangeText(lameModel()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(solveElastic(model));
    }
}
BENCHMARK(BM_SolveLame)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
