// The field map of the drawing area, on the largest potential model the
// tables hold (bench/freefem/largest.tav: 199 elements, every node a double
// node), solved once.
//
//   BM_FieldMapValues   the map's values for an 800 × 600 drawing area, as
//                       the window's worker computes them (every core)
//   BM_FieldMapPicture  the same and its picture: colours, clip to the
//                       region, isolines, painted into an 800 × 600 image
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "core/model/ProjectFile.h"
#include "core/session/ViewCommands.h"
#include "core/solver/Compute.h"
#include "core/solver/FieldMap.h"
#include "core/solver/PotentialField.h"
#include "core/ui/ScriptedInteraction.h"
#include "core/view/ColourScale.h"
#include "render/FieldMapPainter.h"

namespace {

using namespace zorind;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kCell = 4;

// The largest model, computed, and shown whole in the drawing area.
const Project& largestProject()
{
    static const Project project = [] {
        Project p;
        initialiseProject(p);
        if (!loadProjectFile(ZORIND_BENCH_DIR "/freefem/largest.tav", p).ok()) {
            std::abort();
        }
        ScriptedInteraction ui;
        ui.defaultAnswer = true;
        if (computeCommand(p, ui, nullptr) != ComputeOutcome::Computed) {
            std::abort();
        }
        showEverything(p);
        p.view.updateScales(kWidth, kHeight);
        return p;
    }();
    return project;
}

solver::FieldMap map(const Project& p, const solver::PotentialField& field)
{
    return solver::computeFieldMap(field, p.view, resultRanges(p).potential, kWidth, kHeight, kCell);
}

void BM_FieldMapValues(benchmark::State& state)
{
    const Project& p = largestProject();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    for (auto _ : state) {
        solver::FieldMap m = map(p, *field);
        benchmark::DoNotOptimize(m.values.data());
    }
}
BENCHMARK(BM_FieldMapValues)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_FieldMapPicture(benchmark::State& state)
{
    const Project& p = largestProject();
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        const solver::FieldMap m = map(p, *field);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintFieldMap(painter, m, p.palette, regionOutline(p));
    }
}
BENCHMARK(BM_FieldMapPicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
