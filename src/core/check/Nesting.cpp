#include "core/check/Nesting.h"

namespace zorind {

namespace {

// Whether the point lies inside the closed chain of boundary c (crossing
// number of a ray towards +x).
bool insideBoundary(const Project& p, int c, double x, double y)
{
    bool inside = false;
    for (const Element& e : p.elements) {
        if (e.boundary != c) {
            continue;
        }
        const double x1 = p.nodes[e.startNode].x;
        const double y1 = p.nodes[e.startNode].y;
        const double x2 = p.nodes[e.endNode].x;
        const double y2 = p.nodes[e.endNode].y;
        if ((y1 > y) != (y2 > y) && x < x1 + (y - y1) * (x2 - x1) / (y2 - y1)) {
            inside = !inside;
        }
    }
    return inside;
}

} // namespace

bool boundaryInside(const Project& p, int b, int c)
{
    int in = 0;
    int out = 0;
    for (const Element& e : p.elements) {
        if (e.boundary != b) {
            continue;
        }
        const Node& n = p.nodes[e.startNode];
        (insideBoundary(p, c, n.x, n.y) ? in : out) += 1;
    }
    return in > out;
}

int boundaryDepth(const Project& p, int b)
{
    int depth = 0;
    for (int c = 1; c <= p.boundaryCount(); ++c) {
        if (c != b && boundaryInside(p, b, c)) {
            ++depth;
        }
    }
    return depth;
}

int bodyOutline(const Project& p, int b)
{
    const int depth = boundaryDepth(p, b);
    if (depth % 2 == 0) {
        return b;
    }
    for (int c = 1; c <= p.boundaryCount(); ++c) {
        if (c != b && boundaryInside(p, b, c) && boundaryDepth(p, c) == depth - 1) {
            return c;
        }
    }
    return b;
}

} // namespace zorind
