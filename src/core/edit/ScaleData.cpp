#include "core/edit/ScaleData.h"

#include <cmath>
#include <limits>
#include <optional>

namespace zorind {

namespace {

// One coordinate scaled, if it stays a finite float.
std::optional<float> scaled(float value, double factor, double origin)
{
    const double result = origin + factor * (static_cast<double>(value) - origin);
    if (!std::isfinite(result) || std::abs(result) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(result);
}

bool usableFactor(double factor)
{
    return factor > 0.0 && std::isfinite(factor);
}

} // namespace

bool scaleData(Project& p, Interaction& ui, const DataScaling& s)
{
    if (!usableFactor(s.factorX) || !usableFactor(s.factorY) || !std::isfinite(s.originX) ||
        !std::isfinite(s.originY)) {
        ui.error("Współczynnik skali musi być liczbą dodatnią", kScaleDataCaption);
        return false;
    }
    // Everything is computed first, so that a refusal changes nothing.
    Project scaledProject = p;
    bool inRange = true;
    auto apply = [&](float& x, float& y) {
        const std::optional<float> nx = scaled(x, s.factorX, s.originX);
        const std::optional<float> ny = scaled(y, s.factorY, s.originY);
        inRange = inRange && nx && ny;
        x = nx.value_or(x);
        y = ny.value_or(y);
    };
    for (Node& n : scaledProject.nodes) {
        apply(n.x, n.y);
    }
    for (InternalPoint& q : scaledProject.internalPoints) {
        apply(q.x, q.y);
    }
    if (!inRange) {
        ui.error("Po przeskalowaniu współrzędne wykroczyłyby poza zakres liczb projektu", kScaleDataCaption);
        return false;
    }
    invalidateResults(scaledProject);
    p = std::move(scaledProject);
    return true;
}

} // namespace zorind
