#include "core/solver/FluxArrows.h"

#include <algorithm>
#include <cmath>

namespace zorind::solver {

ArrowField computeFluxArrows(const PotentialField& field, const ViewTransform& view, int clientWidth, int clientHeight,
                             int spacing, const std::atomic<bool>* cancel)
{
    ArrowField out;
    out.spacing = std::clamp(spacing, 8, 256);
    const double scaleX = view.scaleX;
    const double scaleY = view.scaleY;
    if (!(scaleX != 0.0 && scaleY != 0.0 && std::isfinite(scaleX) && std::isfinite(scaleY))) {
        return out;
    }
    // The flux at every grid point in the region, in the model's units.
    struct Sample {
        double px, py, fx, fy;
    };
    std::vector<Sample> samples;
    const double k = field.conductivity();
    for (int row = 0; out.spacing * row + out.spacing / 2 < clientHeight; ++row) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            return out;
        }
        for (int column = 0; out.spacing * column + out.spacing / 2 < clientWidth; ++column) {
            const double px = out.spacing * column + out.spacing / 2.0;
            const double py = out.spacing * row + out.spacing / 2.0;
            const double x = view.areaXMin + (px - view.marginLeft - view.offsetX) / scaleX;
            const double y = view.areaYMin + (view.marginTop + view.drawHeight() - view.offsetY - py) / scaleY;
            if (!field.inside(x, y)) {
                continue;
            }
            const std::array<double, 2> g = field.gradient(x, y);
            samples.push_back({px, py, -k * g[0], -k * g[1]});
            out.largest = std::max(out.largest, std::hypot(-k * g[0], -k * g[1]));
        }
    }
    if (!(out.largest > 0.0) || !std::isfinite(out.largest)) {
        return out;
    }
    for (const Sample& s : samples) {
        // The direction as the view draws it (y down on the screen), the
        // length by the magnitude.
        const double sx = s.fx * scaleX;
        const double sy = -s.fy * scaleY;
        const double norm = std::hypot(sx, sy);
        if (!(norm > 0.0)) {
            continue;
        }
        const double length = 0.9 * out.spacing * std::hypot(s.fx, s.fy) / out.largest;
        out.arrows.push_back({s.px, s.py, length * sx / norm, length * sy / norm});
    }
    return out;
}

} // namespace zorind::solver
