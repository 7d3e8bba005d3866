// Pointer moves over the largest model the tables hold, on a drawing area of
// 1280x960, while a polyline is drawn: the status bar and the rubber band
// (erased and drawn again by inversion over the kept picture of the model).
// The model repaint is not part of a move: the loop fails if one happens.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>

#include "core/command/Consequences.h"
#include "core/command/History.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/edit/PointerController.h"
#include "support/ModelBuilders.h"

namespace {

using namespace zorind;

void fillLargestModel(Project& p)
{
    constexpr double kPi = 3.14159265358979323846;
    for (int i = 0; i < kMaxNodes; ++i) {
        const double a = 2.0 * kPi * i / kMaxNodes;
        test::addNode(p, static_cast<float>(25 + 22 * std::cos(a)), static_cast<float>(25 + 22 * std::sin(a)));
    }
    for (int i = 1; i <= kMaxNodes; ++i) {
        test::addElement(p, i, i == kMaxNodes ? 1 : i + 1);
    }
    for (int i = 1; p.elementCount() < kMaxElements; i += 3) {
        test::addElement(p, i, i + 99);
    }
    for (int i = 0; i < kMaxInternalPoints; ++i) {
        test::addInternalPoint(p, static_cast<float>(10 + (i % 25)), static_cast<float>(10 + (i / 25) * 1.5));
    }
    p.display.showNodeNumbers = 1;
    p.display.showElementNumbers = 1;
    p.edit.editMode = EditMode::PolylineEntry;
    p.edit.chainOpen = true;
    p.edit.chainFirstNode = 1;
    p.edit.chainLastNode = kMaxNodes;
}

void moves(benchmark::State& state, bool flushToScreen)
{
    MainWindow window;
    fillLargestModel(window.project());
    window.show();
    DrawingArea* area = window.drawingArea();
    window.resize(1280, 960);
    QApplication::processEvents();
    window.resize(1280, 960 + 960 - area->height());
    QApplication::processEvents();
    area->ensurePicture();
    if (area->width() != 1280 || area->height() != 960) {
        state.SkipWithError("the drawing area is not 1280x960");
        return;
    }
    const int paintsBefore = area->modelPaints();
    int i = 0;
    for (auto _ : state) {
        window.pointer().moved(QPoint(40 + (i * 7) % 1200, 30 + (i * 5) % 900));
        if (flushToScreen) {
            QApplication::processEvents();
        }
        ++i;
    }
    if (area->modelPaints() != paintsBefore) {
        state.SkipWithError("a move repainted the model");
    }
}

void BM_PointerMove(benchmark::State& state)
{
    moves(state, false);
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond);

// The same with the changed strips copied to the window after each move.
void BM_PointerMoveShownOnScreen(benchmark::State& state)
{
    moves(state, true);
}
BENCHMARK(BM_PointerMoveShownOnScreen)->Unit(benchmark::kMicrosecond);

// What every command pays for having its consequences settled in one place:
// the snapshot of the model before it and the comparison after it, here on
// the largest model and a command that changed nothing.
void BM_SettleAnUnchangingCommand(benchmark::State& state)
{
    Project p;
    initialiseProject(p);
    fillLargestModel(p);
    for (auto _ : state) {
        const ProjectSnapshot before = takeSnapshot(p);
        benchmark::DoNotOptimize(settleCommand(before, p));
    }
    state.counters["snapshot_bytes"] = static_cast<double>(sizeof(ProjectSnapshot));
}
BENCHMARK(BM_SettleAnUnchangingCommand)->Unit(benchmark::kMicrosecond);

// The editing history's memory: a hundred steps of the largest model, each
// the whole model data with its results (what one undo restores).
void BM_HundredUndoStepsOfTheLargestModel(benchmark::State& state)
{
    Project p;
    initialiseProject(p);
    fillLargestModel(p);
    std::size_t bytes = 0;
    for (auto _ : state) {
        History history;
        for (int i = 0; i < 100; ++i) {
            p.nodes[1 + i % kMaxNodes].x += 1.0f;
            history.record(takeSnapshot(p));
        }
        bytes = history.undoSteps() * sizeof(HistoryState);
        benchmark::DoNotOptimize(history);
    }
    state.counters["history_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_HundredUndoStepsOfTheLargestModel)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
