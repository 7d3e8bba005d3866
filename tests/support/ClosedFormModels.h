#pragma once

// Models whose exact solutions are known, for the answers drawn from a
// solution: a plate with a linear field, a ring with u = a + b ln r, a
// tension bar.
#include <cmath>
#include <numbers>
#include <vector>

#include "core/session/Project.h"
#include "support/SolverModels.h"

namespace zorind::test {

// The plate [0, 2] × [0, 1], 100 on the left side, 0 on the right, the
// long sides insulated, each side in `perSide` elements, conductivity 2:
// u = 100 − 50x, a flux of 100 per unit length out through the right side.
inline constexpr double kPlateWidth = 2.0;
inline constexpr double kPlateConductivity = 2.0;
inline double plateExact(double x)
{
    return 100.0 - 50.0 * x;
}

inline Project plate(int perSide = 8)
{
    Project p = emptyProject();
    p.conductivity = static_cast<float>(kPlateConductivity);
    const int hot = addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int cold = addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    addChain(p, rectanglePoints(kPlateWidth, 1.0, perSide), [&](Point s, Point e) {
        const int side = rectangleSide(s, e, kPlateWidth, 1.0);
        return side == 3 ? hot : side == 1 ? cold : 1;
    });
    return p;
}

// The ring 1 < r < 2 about the origin, 100 on the inner circle (64
// elements, a hole), 0 on the outer one (96): u = a + b ln r with
// b = 100 / ln(1/2), a = −b ln 2; conductivity 1.
inline constexpr double kRingB = -144.26950408889634; // 100 / ln(1/2)
inline double ringExact(double x, double y)
{
    return kRingB * std::log(std::hypot(x, y) / 2.0);
}

inline Project ring()
{
    Project p = emptyProject();
    const int cold = addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    const int hot = addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int hole = addBoundary(p, InnerBoundary);
    addChain(
        p, circlePoints(0.0, 0.0, 2.0, 96), [&](Point, Point) { return cold; }, 1);
    addChain(
        p, circlePoints(0.0, 0.0, 1.0, 64, true), [&](Point, Point) { return hot; }, hole);
    return p;
}

// The bar [0, 10] × [0, 1] held at its left end, pulled with the stress
// kBarPull at its right end, its long sides free (conditions 1 held, 2
// pulled, 3 free).
inline constexpr double kBarLength = 10.0;
inline constexpr double kBarPull = 100.0;

inline Project tensionBar()
{
    Project p = emptyProject();
    p.analysisType = Elasticity;
    p.conditions.resize(0);
    const auto pull = static_cast<float>(kBarPull);
    const int held = p.conditions.append({2.0f, 0, 0, 0, 0, 0, 0, 0});
    const int pulled = p.conditions.append({1.0f, pull, pull, pull, 0, 0, 0, 0});
    const int free = p.conditions.append({1.0f, 0, 0, 0, 0, 0, 0, 0});
    // Anticlockwise from the origin: 40 elements along each long side, 5
    // across each end.
    std::vector<Point> outline;
    for (int i = 0; i < 40; ++i) {
        outline.push_back({kBarLength * i / 40, 0.0});
    }
    for (int i = 0; i < 5; ++i) {
        outline.push_back({kBarLength, i / 5.0});
    }
    for (int i = 40; i > 0; --i) {
        outline.push_back({kBarLength * i / 40, 1.0});
    }
    for (int i = 5; i > 0; --i) {
        outline.push_back({0.0, i / 5.0});
    }
    addChain(p, outline, [&](Point s, Point e) {
        const int side = rectangleSide(s, e, kBarLength, 1.0);
        return side == 3 ? held : side == 1 ? pulled : free;
    });
    return p;
}

} // namespace zorind::test
