// The potential inside the region from a boundary solution.
//
//   BM_FieldPoint/threads:1  one point at a time on the largest model (199
//                            elements, nb = 597), over a grid of its box:
//                            the time per point inside and outside together
//   BM_FieldGrid             the same grid through evaluate(), on every core
//   BM_FieldNearBoundary     points 1 % to 100 % of an element from the circle,
//                            where the near elements are cut in pieces
//   BM_FieldCommand          the whole `zorind-cli field` on a 201 × 201 grid
//                            of a 160-element annulus (read, check, solve,
//                            evaluate, print to /dev/null)
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "cli/CliSupport.h"
#include "core/model/ProjectFile.h"
#include "core/solver/Compute.h"
#include "core/solver/PotentialField.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/SolverModels.h"

namespace {

using namespace zorind;

const solver::PotentialField& largestField()
{
    static const solver::PotentialField field = [] {
        Project p = test::largestModel();
        ScriptedInteraction ui;
        ui.defaultAnswer = true;
        if (computeCommand(p, ui, nullptr) != ComputeOutcome::Computed) {
            std::abort();
        }
        return *solver::PotentialField::fromModel(p);
    }();
    return field;
}

struct Points {
    std::vector<double> x, y;
};

Points grid(const solver::PotentialField& f, int n)
{
    Points pts;
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            pts.x.push_back(f.xmin() + (i + 0.5) * (f.xmax() - f.xmin()) / n);
            pts.y.push_back(f.ymin() + (j + 0.5) * (f.ymax() - f.ymin()) / n);
        }
    }
    return pts;
}

void BM_FieldPoint(benchmark::State& state)
{
    const solver::PotentialField& f = largestField();
    const Points pts = grid(f, 64);
    std::size_t k = 0;
    for (auto _ : state) {
        const std::size_t i = k++ % pts.x.size();
        double v = f.inside(pts.x[i], pts.y[i]) ? f.potential(pts.x[i], pts.y[i]) : 0.0;
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_FieldPoint)->Unit(benchmark::kMicrosecond);

void BM_FieldGrid(benchmark::State& state)
{
    const solver::PotentialField& f = largestField();
    const Points pts = grid(f, 128);
    std::vector<double> out(pts.x.size());
    for (auto _ : state) {
        f.evaluate(pts.x.data(), pts.y.data(), out.data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["points_per_s"] =
        benchmark::Counter(static_cast<double>(out.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FieldGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FieldNearBoundary(benchmark::State& state)
{
    const solver::PotentialField& f = largestField();
    // The circle of radius 10 has elements of length 2·10·sin(π/199).
    const double L = 20.0 * std::sin(3.14159265358979 / 199);
    Points pts;
    for (int i = 0; i < 1000; ++i) {
        const double a = 2.0 * 3.14159265358979 * (i + 0.37) / 1000;
        const double r = 10.0 * std::cos(3.14159265358979 / 199) - L * (0.01 + 0.99 * (i % 10) / 9.0);
        pts.x.push_back(r * std::cos(a));
        pts.y.push_back(r * std::sin(a));
    }
    std::size_t k = 0;
    for (auto _ : state) {
        const std::size_t i = k++ % pts.x.size();
        double v = f.potential(pts.x[i], pts.y[i]);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_FieldNearBoundary)->Unit(benchmark::kMicrosecond);

void BM_FieldCommand(benchmark::State& state)
{
    Project p = test::emptyProject();
    const int cold = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    const int hot = test::addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int hole = test::addBoundary(p, InnerBoundary);
    test::addChain(
        p, test::circlePoints(0.0, 0.0, 2.0, 96), [&](test::Point, test::Point) { return cold; }, 1);
    test::addChain(
        p, test::circlePoints(0.0, 0.0, 1.0, 64, true), [&](test::Point, test::Point) { return hot; }, hole);
    const std::string path = (std::filesystem::temp_directory_path() / "zorind-field-bench.tav").string();
    if (!saveProjectFile(p, path).ok()) {
        state.SkipWithError("cannot write the project");
        return;
    }
    // Results to /dev/null, messages and trace lines too.
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1);
    const int savedErr = dup(2);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    for (auto _ : state) {
        const int status = cli::runField(cli::Arguments({path, "--grid", "201x201"}));
        if (status != 0) {
            state.SkipWithError("field failed");
            break;
        }
    }
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(null);
    close(savedOut);
    close(savedErr);
    std::filesystem::remove(path);
}
BENCHMARK(BM_FieldCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
