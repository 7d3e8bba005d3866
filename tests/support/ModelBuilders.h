#pragma once

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/session/Project.h"

namespace zorind::test {

// A freshly started project.
inline Project emptyProject()
{
    Project p;
    initialiseProject(p);
    return p;
}

inline int addNode(Project& p, float x, float y)
{
    return p.nodes.append({x, y});
}

inline int addElement(Project& p, int start, int end, int condition = 1, int boundary = 1)
{
    return p.elements.append({start, end, condition, boundary});
}

inline int addCondition(Project& p, float kind, float a, float m, float b)
{
    return p.conditions.append({kind, a, m, b, 0.0f, 0.0f, 0.0f, 0.0f});
}

inline int addBoundary(Project& p, int kind)
{
    return p.boundaries.append({kind});
}

inline int addInternalPoint(Project& p, float x, float y)
{
    return p.internalPoints.append({x, y, 0.0f});
}

// A closed polygon of the given corners on `boundary`, elements in chain
// order, every element with `condition`.
inline void addPolygon(Project& p, std::initializer_list<std::pair<float, float>> corners, int condition = 1,
                       int boundary = 1)
{
    const int first = p.nodeCount() + 1;
    for (auto [x, y] : corners) {
        addNode(p, x, y);
    }
    const int last = p.nodeCount();
    for (int n = first; n <= last; ++n) {
        addElement(p, n, n == last ? first : n + 1, condition, boundary);
    }
}

// A circle of `segments` nodes, counter-clockwise when `counterClockwise`.
inline void addCircle(Project& p, float cx, float cy, float r, int segments, int condition = 1, int boundary = 1,
                      bool counterClockwise = true)
{
    const int first = p.nodeCount() + 1;
    for (int i = 0; i < segments; ++i) {
        double a = 2.0 * 3.14159265358979323846 * i / segments;
        if (!counterClockwise) {
            a = -a;
        }
        addNode(p, cx + r * static_cast<float>(std::cos(a)), cy + r * static_cast<float>(std::sin(a)));
    }
    const int last = p.nodeCount();
    for (int n = first; n <= last; ++n) {
        addElement(p, n, n == last ? first : n + 1, condition, boundary);
    }
}

// The element table as a list, for comparing whole tables in one line.
inline std::vector<Element> elementsOf(const Project& p)
{
    std::vector<Element> out;
    for (int k = 1; k <= p.elementCount(); ++k) {
        out.push_back(p.elements[k]);
    }
    return out;
}

} // namespace zorind::test
