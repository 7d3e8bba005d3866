#pragma once

#include <cmath>
#include <functional>
#include <numbers>
#include <utility>
#include <vector>

#include "core/session/Project.h"
#include "support/ModelBuilders.h"

namespace zorind::test {

using Point = std::pair<double, double>;

// The condition an element gets, from its start and end point; returns the
// condition number (usually made with addCondition).
using ConditionFor = std::function<int(Point start, Point end)>;

// A closed chain through `points` in the given order on `boundary`, every
// element with the condition `conditionFor` chooses for it.
inline void addChain(Project& p, const std::vector<Point>& points, const ConditionFor& conditionFor, int boundary = 1)
{
    const int first = p.nodeCount() + 1;
    for (const Point& pt : points) {
        addNode(p, static_cast<float>(pt.first), static_cast<float>(pt.second));
    }
    const int count = static_cast<int>(points.size());
    for (int i = 0; i < count; ++i) {
        const int next = (i + 1) % count;
        const Node& a = p.nodes[first + i];
        const Node& b = p.nodes[first + next];
        const int condition = conditionFor({a.x, a.y}, {b.x, b.y});
        addElement(p, first + i, first + next, condition, boundary);
    }
}

// Points on a circle, anticlockwise from angle 0 (clockwise when asked).
inline std::vector<Point> circlePoints(double cx, double cy, double r, int segments, bool clockwise = false)
{
    std::vector<Point> points;
    for (int i = 0; i < segments; ++i) {
        double a = 2.0 * std::numbers::pi * i / segments;
        if (clockwise) {
            a = -a;
        }
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

// The boundary of the rectangle [0, a] × [0, b], anticlockwise from the
// origin, each side cut into `perSide` equal parts. Side numbers: 0 bottom,
// 1 right, 2 top, 3 left.
inline std::vector<Point> rectanglePoints(double a, double b, int perSide)
{
    std::vector<Point> points;
    const Point corners[4] = {{0, 0}, {a, 0}, {a, b}, {0, b}};
    for (int side = 0; side < 4; ++side) {
        const Point& from = corners[side];
        const Point& to = corners[(side + 1) % 4];
        for (int i = 0; i < perSide; ++i) {
            const double t = static_cast<double>(i) / perSide;
            points.push_back({from.first + t * (to.first - from.first), from.second + t * (to.second - from.second)});
        }
    }
    return points;
}

// Which side of the rectangle [0, a] × [0, b] the element from s to e lies on.
inline int rectangleSide(Point s, Point e, double a, double b)
{
    if (s.second == 0.0 && e.second == 0.0) {
        return 0;
    }
    if (s.first == a && e.first == a) {
        return 1;
    }
    if (s.second == b && e.second == b) {
        return 2;
    }
    return 3;
}

// The largest consistent model the tables allow: one circle of 199 nodes
// and elements whose condition kind changes at every node (so every node is a
// double node and nb = 597), and 499 internal points inside.
inline Project largestModel()
{
    Project p = emptyProject();
    p.conditions[1] = {1.0f, 100.0f, 100.0f, 100.0f, 0, 0, 0, 0}; // potential
    const int flux = addCondition(p, 2.0f, 0.5f, 0.5f, 0.5f);
    const int convection = addCondition(p, 3.0f, 2.0f, 2.0f, 2.0f);
    p.ambientTemperature = 20.0f;
    const int kinds[3] = {1, flux, convection};
    int element = 0;
    const int total = kMaxNodes;
    addChain(
        p, circlePoints(0.0, 0.0, 10.0, total),
        [&](Point, Point) {
            ++element;
            // Neighbours always differ, the last and the first included.
            if (element == total) {
                return flux;
            }
            return kinds[(element - 1) % 3];
        },
        1);
    // A spiral of points well inside the circle.
    for (int i = 0; i < kMaxInternalPoints; ++i) {
        const double r = 9.0 * std::sqrt((i + 0.5) / kMaxInternalPoints);
        const double a = i * 2.39996322972865332;
        addInternalPoint(p, static_cast<float>(r * std::cos(a)), static_cast<float>(r * std::sin(a)));
    }
    return p;
}

} // namespace zorind::test
