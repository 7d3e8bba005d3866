// The flux arrows of a drawing area, on the plate with a linear field.
#include <gtest/gtest.h>

#include <cmath>

#include "core/solver/Compute.h"
#include "core/solver/FluxArrows.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ClosedFormModels.h"

namespace zorind {
namespace {

// The plate's flux is the same everywhere: every arrow points right and is
// as long as the longest, 0.9 of the spacing; one arrow per grid point in
// the region, none outside it. With the y axis drawn at twice the scale the
// directions stay those of the drawing.
TEST(FluxArrows, PlateArrowsAreUniform)
{
    Project p = test::plate();
    ScriptedInteraction ui;
    ASSERT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    const std::optional<solver::PotentialField> field = solver::PotentialField::fromModel(p);
    ASSERT_TRUE(field.has_value());
    p.view.areaXMin = -1.0f;
    p.view.areaXMax = 3.0f;
    p.view.areaYMin = -1.0f;
    p.view.areaYMax = 2.0f;
    p.view.updateScales(400, 300);
    const solver::ArrowField arrows = solver::computeFluxArrows(*field, p.view, 400, 300, 20);
    EXPECT_EQ(arrows.spacing, 20);
    EXPECT_NEAR(arrows.largest, 50.0 * test::kPlateConductivity, 1.0);
    int expected = 0;
    for (int py = 10; py < 300; py += 20) {
        for (int px = 10; px < 400; px += 20) {
            const double x = p.view.areaXMin + (px - p.view.marginLeft - p.view.offsetX) / p.view.scaleX;
            const double y =
                p.view.areaYMin + (p.view.marginTop + p.view.drawHeight() - p.view.offsetY - py) / p.view.scaleY;
            expected += x > 0.0 && x < test::kPlateWidth && y > 0.0 && y < 1.0 ? 1 : 0;
        }
    }
    EXPECT_EQ(static_cast<int>(arrows.arrows.size()), expected);
    EXPECT_GT(expected, 20);
    for (const solver::FieldArrow& a : arrows.arrows) {
        EXPECT_NEAR(a.dx, 18.0, 0.5);
        EXPECT_NEAR(a.dy, 0.0, 0.5);
    }
}

} // namespace
} // namespace zorind
