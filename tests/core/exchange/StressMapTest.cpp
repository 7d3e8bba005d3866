// The reduced-stress map of an elasticity project: every cell inside a
// uniform-stress patch takes the colour of the exact reduced stress.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/exchange/ElasticSolve.h"
#include "core/exchange/StressMap.h"
#include "core/ui/ScriptedInteraction.h"
#include "core/view/ColourScale.h"
#include "elastic/ElasticSolver.h"
#include "support/SolverModels.h"

namespace zorind {
namespace {

using test::Point;

int addElasticCondition(Project& p, float kind, Point atStart, Point atEnd)
{
    const auto f = [](double v) { return static_cast<float>(v); };
    return p.conditions.append(
        {kind, f(atStart.first), 0.0f, f(atEnd.first), f(atStart.second), 0.0f, f(atEnd.second), 0.0f});
}

// The unit square pulled by `pull` along x on its right side, free on top,
// and on its left and bottom sides held at the displacement of the uniform
// plane-strain state σx = pull, σy = τxy = 0 (so that the held sides let it
// narrow as the pull wants): the stress is that state everywhere.
TEST(StressMap, UniformPatchIsColouredByTheExactReducedStress)
{
    const double pull = 1e6;
    const double e = exchangedYoungModulus();
    const double nu = exchangedPoissonRatio();
    const double strainX = (1.0 - nu * nu) * pull / e;
    const double strainY = -nu * (1.0 + nu) * pull / e;
    const auto exactDisplacement = [&](Point q) { return Point{strainX * q.first, strainY * q.second}; };

    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    p.conditions.resize(0);
    const int pulled = addElasticCondition(p, 1.0f, {pull, 0}, {pull, 0});
    const int free = addElasticCondition(p, 1.0f, {0, 0}, {0, 0});
    const int side = 4;
    std::vector<Point> outline;
    for (int i = 0; i < side; ++i) {
        outline.push_back({static_cast<double>(i) / side, 0.0});
    }
    for (int i = 0; i < side; ++i) {
        outline.push_back({1.0, static_cast<double>(i) / side});
    }
    for (int i = side; i > 0; --i) {
        outline.push_back({static_cast<double>(i) / side, 1.0});
    }
    for (int i = side; i > 0; --i) {
        outline.push_back({0.0, static_cast<double>(i) / side});
    }
    test::addChain(p, outline, [&](Point s, Point t) {
        if (s.first == 1.0 && t.first == 1.0) {
            return pulled;
        }
        if (s.second == 1.0 && t.second == 1.0) {
            return free;
        }
        return addElasticCondition(p, 2.0f, exactDisplacement(s), exactDisplacement(t));
    });
    ScriptedInteraction ui;
    ASSERT_EQ(computeElasticityCommand(p, ui, elastic::solveElasticProblem), ElasticComputeOutcome::Computed);
    const std::optional<contract::ElasticProblem> problem = stressMapProblem(p);
    ASSERT_TRUE(problem.has_value());

    const double exact = elastic::planeStrainStress(pull, 0.0, 0.0, nu).reduced;
    // A scale whose entries are half a per cent of the exact value wide, the
    // exact value in the middle of one.
    ColourScaleRange range;
    range.scaleStep = static_cast<float>(0.005 * exact);
    range.scaleMin = static_cast<float>(exact - 100.5 * range.scaleStep);
    range.scaleMax = range.scaleMin + 200.0f * range.scaleStep;
    const int expected = colourIndex(exact, range);

    const int width = 240;
    const int height = 240;
    p.view.areaXMin = p.view.areaYMin = -0.25f;
    p.view.areaXMax = p.view.areaYMax = 1.25f;
    p.view.equalScale = 1;
    ViewTransform view = p.view;
    view.updateScales(width, height);
    const solver::FieldMap map =
        computeStressMap(*problem, elastic::solveElasticProblem, view, range, width, height, 4);
    ASSERT_EQ(map.columns, 60);
    ASSERT_EQ(map.rows, 60);

    // Cells whose centres lie a pixel or more inside the square are coloured,
    // those a pixel or more outside are not.
    const double left = view.screenX(0.0);
    const double right = view.screenX(1.0);
    const double top = view.screenY(1.0);
    const double bottom = view.screenY(0.0);
    int inside = 0;
    for (int row = 0; row < map.rows; ++row) {
        for (int column = 0; column < map.columns; ++column) {
            const double px = column * 4 + 2.0;
            const double py = row * 4 + 2.0;
            const double value = map.at(column, row);
            if (px > left + 1.0 && px < right - 1.0 && py > top + 1.0 && py < bottom - 1.0) {
                ++inside;
                ASSERT_TRUE(std::isfinite(value)) << column << ", " << row;
                EXPECT_EQ(colourIndex(value, range), expected) << column << ", " << row << ": " << value;
            } else if (px < left - 1.0 || px > right + 1.0 || py < top - 1.0 || py > bottom + 1.0) {
                EXPECT_TRUE(std::isnan(value)) << column << ", " << row;
            }
        }
    }
    // Most of the square's area, in cells.
    EXPECT_GT(inside, 0.8 * (right - left) * (bottom - top) / 16.0);
}

} // namespace
} // namespace zorind
