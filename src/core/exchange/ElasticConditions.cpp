#include "core/exchange/ElasticConditions.h"

#include <cmath>

#include "core/check/Nesting.h"

namespace zorind {

std::array<double, 2> outwardNormal(const Model& m, int element)
{
    if (!m.elements.contains(element)) {
        return {0.0, 0.0};
    }
    const Element& e = m.elements[element];
    if (!m.nodes.contains(e.startNode) || !m.nodes.contains(e.endNode)) {
        return {0.0, 0.0};
    }
    const double x1 = m.nodes[e.startNode].x;
    const double y1 = m.nodes[e.startNode].y;
    const double dx = m.nodes[e.endNode].x - x1;
    const double dy = m.nodes[e.endNode].y - y1;
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0) || !std::isfinite(length)) {
        return {0.0, 0.0};
    }
    const double nx = dy / length;
    const double ny = -dx / length;
    // A step of a ten-thousandth of the element off its middle, to either side.
    const double mx = x1 + 0.5 * dx;
    const double my = y1 + 0.5 * dy;
    const double step = 1e-4 * length;
    const bool rightInside = insideChains(m, mx + step * nx, my + step * ny);
    const bool leftInside = insideChains(m, mx - step * nx, my - step * ny);
    if (rightInside && !leftInside) {
        return {-nx, -ny};
    }
    return {nx, ny};
}

std::optional<ElasticElementConditions> elasticElementConditions(const Model& m, int element)
{
    if (!m.elements.contains(element) || !m.conditions.contains(m.elements[element].condition)) {
        return std::nullopt;
    }
    const BoundaryCondition& c = m.conditions[m.elements[element].condition];
    const std::array<float, 3> x{c.atNode1, c.atMiddle, c.atNode2};
    const std::array<float, 3> y{c.atNode1Y, c.atMiddleY, c.atNode2Y};
    ElasticElementConditions out;
    switch (elasticityKind(c.kind)) {
    case TractionKind:
        break;
    case DisplacementKind:
        out.held = {true, true};
        break;
    case HeldXKind:
        out.held = {true, false};
        break;
    case HeldYKind:
        out.held = {false, true};
        break;
    case PressureKind: {
        const std::array<double, 2> n = outwardNormal(m, element);
        // Subtracted from +0, so that no component comes out as -0 (which
        // the exchange file would write with its sign).
        for (std::size_t i = 0; i < 3; ++i) {
            out.at[i] = {0.0 - static_cast<double>(x[i]) * n[0], 0.0 - static_cast<double>(x[i]) * n[1]};
        }
        return out;
    }
    default:
        return std::nullopt;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        out.at[i] = {static_cast<double>(x[i]), static_cast<double>(y[i])};
    }
    return out;
}

std::optional<contract::ElasticElement> solverElement(const Model& m, int element)
{
    const std::optional<ElasticElementConditions> c = elasticElementConditions(m, element);
    if (!c) {
        return std::nullopt;
    }
    const Element& e = m.elements[element];
    if (!m.nodes.contains(e.startNode) || !m.nodes.contains(e.endNode)) {
        return std::nullopt;
    }
    contract::ElasticElement out;
    out.start = e.startNode - 1;
    out.end = e.endNode - 1;
    out.kind = c->held[0] ? (c->held[1] ? contract::ElasticKind::Displacement : contract::ElasticKind::HeldX)
                          : (c->held[1] ? contract::ElasticKind::HeldY : contract::ElasticKind::Traction);
    out.atStart = {c->at[0][0], c->at[0][1]};
    out.atMiddle = contract::PlanePoint{c->at[1][0], c->at[1][1]};
    out.atEnd = {c->at[2][0], c->at[2][1]};
    return out;
}

} // namespace zorind
