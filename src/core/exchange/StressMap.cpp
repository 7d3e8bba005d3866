#include "core/exchange/StressMap.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include "core/view/ColourScale.h"

namespace zorind {

namespace {

// Internal points per solve: the boundary system is solved again for each
// batch, which is cheap beside the points' integrals; the batches share the
// cores, and a cancelled map stops after the batches under way.
constexpr std::size_t kBatch = 1024;

} // namespace

std::optional<contract::ElasticProblem> stressMapProblem(const Project& project)
{
    if (project.analysisType != Elasticity || project.resultsValid != 1 || !unknownElasticKind(project).empty()) {
        return std::nullopt;
    }
    contract::ElasticProblem problem = elasticProblem(project);
    if (problem.elements.empty()) {
        return std::nullopt;
    }
    problem.internalPoints.clear();
    return problem;
}

solver::FieldMap computeStressMap(const contract::ElasticProblem& problem, const ElasticSolver& solve,
                                  const ViewTransform& view, const ColourScaleRange& range, int clientWidth,
                                  int clientHeight, int cell, const std::atomic<bool>* cancel,
                                  std::atomic<std::size_t>* done)
{
    solver::FieldMap map = solver::blankFieldMap(range, clientWidth, clientHeight, cell);
    const std::size_t count = map.values.size();
    const double scaleX = view.scaleX;
    const double scaleY = view.scaleY;
    if (problem.nodes.empty() || scaleX == 0.0 || scaleY == 0.0 || !std::isfinite(scaleX) || !std::isfinite(scaleY)) {
        return map;
    }

    // The cell centres in model units (the view's conversions undone), those
    // outside the nodes' bounding box left out at once.
    double xmin = problem.nodes.front().x;
    double xmax = xmin;
    double ymin = problem.nodes.front().y;
    double ymax = ymin;
    for (const contract::PlanePoint& n : problem.nodes) {
        xmin = std::min(xmin, n.x);
        xmax = std::max(xmax, n.x);
        ymin = std::min(ymin, n.y);
        ymax = std::max(ymax, n.y);
    }
    std::vector<std::size_t> cells;
    std::vector<contract::PlanePoint> points;
    const double half = map.cell / 2.0;
    for (int row = 0; row < map.rows; ++row) {
        for (int column = 0; column < map.columns; ++column) {
            const double px = column * map.cell + half;
            const double py = row * map.cell + half;
            const double x = view.areaXMin + (px - view.marginLeft - view.offsetX) / scaleX;
            const double y = view.areaYMin + (view.marginTop + view.drawHeight() - view.offsetY - py) / scaleY;
            if (x > xmin && x < xmax && y > ymin && y < ymax) {
                cells.push_back(static_cast<std::size_t>(row) * static_cast<std::size_t>(map.columns) +
                                static_cast<std::size_t>(column));
                points.push_back({x, y});
            }
        }
    }
    if (done != nullptr) {
        *done += count - cells.size();
    }

    // The batches on every core; a refusal (the same problem in each batch)
    // leaves the whole map empty.
    const std::size_t batches = (points.size() + kBatch - 1) / kBatch;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> refused{false};
    const auto work = [&] {
        contract::ElasticProblem batch = problem;
        for (std::size_t b = next++; b < batches; b = next++) {
            if ((cancel != nullptr && cancel->load()) || refused) {
                return;
            }
            const std::size_t first = b * kBatch;
            const std::size_t last = std::min(points.size(), first + kBatch);
            batch.internalPoints.assign(points.begin() + static_cast<std::ptrdiff_t>(first),
                                        points.begin() + static_cast<std::ptrdiff_t>(last));
            try {
                const contract::ElasticSolution solution = solve(batch);
                for (std::size_t i = first; i < last && i - first < solution.points.size(); ++i) {
                    const contract::PointResult& r = solution.points[i - first];
                    if (!r.skipped) {
                        map.values[cells[i]] = r.stress.reduced;
                    }
                }
            } catch (const std::exception&) {
                refused = true;
                return;
            }
            if (done != nullptr) {
                *done += last - first;
            }
        }
    };
    const std::size_t threads = std::min<std::size_t>(batches, std::max(1U, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) {
        try {
            pool.emplace_back(work);
        } catch (const std::system_error&) {
            break; // fewer threads share the same batches
        }
    }
    work();
    for (std::thread& t : pool) {
        t.join();
    }
    if (refused) {
        std::fill(map.values.begin(), map.values.end(), std::nan(""));
    }
    return map;
}

} // namespace zorind
