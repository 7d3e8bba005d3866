// One repaint of the largest model the tables hold into a 1280x960 image:
// 249 elements coloured by the potential with their value labels, 499
// internal points with theirs, and the grid at its 20000-dot limit.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

#include "render/Painter.h"
#include "support/ModelBuilders.h"

namespace {

using namespace zorind;

Project largestModel(bool midValues)
{
    Project p = test::emptyProject();
    // 199 nodes on an ellipse, closed into 199 elements, then 50 chords to
    // reach the element capacity.
    constexpr double kPi = 3.14159265358979323846;
    for (int i = 0; i < kMaxNodes; ++i) {
        const double a = 2.0 * kPi * i / kMaxNodes;
        test::addNode(p, static_cast<float>(100 + 90 * std::cos(a)), static_cast<float>(50 + 45 * std::sin(a)));
    }
    for (int i = 1; i <= kMaxNodes; ++i) {
        test::addElement(p, i, i == kMaxNodes ? 1 : i + 1);
    }
    for (int i = 1; p.elementCount() < kMaxElements; i += 3) {
        test::addElement(p, i, i + 99);
    }
    for (int e = 1; e <= p.elementCount(); ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[static_cast<std::size_t>(s)] = static_cast<float>(e * 3 + s) * 0.37f;
            p.fluxResults[e].slot[static_cast<std::size_t>(s)] = static_cast<float>(e - s) * 1.1f;
        }
    }
    for (int i = 0; i < kMaxInternalPoints; ++i) {
        const int k =
            test::addInternalPoint(p, static_cast<float>(30 + (i % 25) * 5.5), static_cast<float>(15 + (i / 25) * 3.5));
        p.internalPoints[k].internalResult = static_cast<float>(i) * 0.6f;
    }
    // 200 x 100 grid points: exactly the 20000 dots the painter allows.
    p.view.areaXMin = 0;
    p.view.areaXMax = 199;
    p.view.areaYMin = 0;
    p.view.areaYMax = 99;
    p.view.gridStepX = 1;
    p.view.gridStepY = 1;
    p.resultsValid = 1;
    p.display.showPotential = 1;
    p.display.showMidValues = midValues ? 1 : 0;
    return p;
}

void repaint(benchmark::State& state, bool midValues)
{
    Project p = largestModel(midValues);
    QImage image(1280, 960, QImage::Format_RGB32);
    bool message = false;
    for (auto _ : state) {
        QPainter painter(&image);
        PaintOutcome outcome = paintModel(painter, p, image.width(), image.height());
        message = message || outcome.message.has_value();
        benchmark::DoNotOptimize(outcome);
    }
    if (message || p.view.gridOn != 1) {
        state.SkipWithError("the grid went beyond its limit");
    }
}

void BM_RepaintLargestModel(benchmark::State& state)
{
    repaint(state, false);
}
BENCHMARK(BM_RepaintLargestModel)->Unit(benchmark::kMillisecond);

void BM_RepaintLargestModelAllLabels(benchmark::State& state)
{
    repaint(state, true);
}
BENCHMARK(BM_RepaintLargestModelAllLabels)->Unit(benchmark::kMillisecond);

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
