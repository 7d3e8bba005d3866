#include "core/solver/Region.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zorind::solver {

namespace {

// Within this share of an element's length a point lies on the element.
constexpr double kOnBoundary = 1e-9;

double cross(double ax, double ay, double bx, double by)
{
    return ax * by - ay * bx;
}

} // namespace

Region::Region(const Model& model)
{
    std::vector<int> groupNumber;
    for (int e : model.elements.numbers()) {
        const Element& el = model.elements[e];
        if (!model.nodes.contains(el.startNode) || !model.nodes.contains(el.endNode)) {
            continue;
        }
        const auto found = std::find(groupNumber.begin(), groupNumber.end(), el.boundary);
        const int group = static_cast<int>(found - groupNumber.begin());
        if (found == groupNumber.end()) {
            groupNumber.push_back(el.boundary);
            const bool inner =
                model.boundaries.contains(el.boundary) && model.boundaries[el.boundary].kind == InnerBoundary;
            outer_.push_back(inner ? 0 : 1);
        }
        const Node& s = model.nodes[el.startNode];
        const Node& t = model.nodes[el.endNode];
        edges_.push_back({{s.x, s.y}, {t.x, t.y}, group});
        elementOfEdge_.push_back(e);
        nodesOfEdge_.push_back({el.startNode, el.endNode});
    }
}

bool Region::insideByCrossings(double x, double y) const
{
    std::vector<unsigned char> odd(outer_.size(), 0);
    for (const Edge& edge : edges_) {
        if ((edge.a.y > y) != (edge.b.y > y) &&
            x < edge.a.x + (y - edge.a.y) * (edge.b.x - edge.a.x) / (edge.b.y - edge.a.y)) {
            odd[static_cast<std::size_t>(edge.group)] ^= 1;
        }
    }
    bool inOuter = false;
    for (std::size_t g = 0; g < odd.size(); ++g) {
        if (odd[g] != 0 && outer_[g] == 0) {
            return false;
        }
        inOuter = inOuter || (odd[g] != 0 && outer_[g] != 0);
    }
    return inOuter;
}

Region::Nearest Region::nearest(double x, double y) const
{
    Nearest best;
    best.distance = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < edges_.size(); ++i) {
        const Edge& edge = edges_[i];
        const double dx = edge.b.x - edge.a.x;
        const double dy = edge.b.y - edge.a.y;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0.0 ? std::clamp(((x - edge.a.x) * dx + (y - edge.a.y) * dy) / len2, 0.0, 1.0) : 0.0;
        const double d = std::hypot(edge.a.x + t * dx - x, edge.a.y + t * dy - y);
        if (d < best.distance) {
            best = {elementOfEdge_[i], t, d};
        }
    }
    return best;
}

bool Region::contains(double x, double y) const
{
    for (const Edge& edge : edges_) {
        const double dx = edge.b.x - edge.a.x;
        const double dy = edge.b.y - edge.a.y;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0.0 ? std::clamp(((x - edge.a.x) * dx + (y - edge.a.y) * dy) / len2, 0.0, 1.0) : 0.0;
        const double cx = edge.a.x + t * dx - x;
        const double cy = edge.a.y + t * dy - y;
        if (cx * cx + cy * cy <= kOnBoundary * kOnBoundary * len2) {
            return true;
        }
    }
    return insideByCrossings(x, y);
}

std::vector<std::array<double, 2>> Region::insideIntervals(RegionPoint a, RegionPoint b) const
{
    // Where the segment meets an element: the pieces between are wholly in
    // or wholly out, as their middles tell.
    std::vector<double> cuts{0.0, 1.0};
    const double sx = b.x - a.x;
    const double sy = b.y - a.y;
    for (const Edge& edge : edges_) {
        const double ex = edge.b.x - edge.a.x;
        const double ey = edge.b.y - edge.a.y;
        const double denominator = cross(sx, sy, ex, ey);
        if (denominator == 0.0) {
            continue; // parallel: a piece along the element is judged by its middle
        }
        const double t = cross(edge.a.x - a.x, edge.a.y - a.y, ex, ey) / denominator;
        const double u = cross(edge.a.x - a.x, edge.a.y - a.y, sx, sy) / denominator;
        if (t > 0.0 && t < 1.0 && u >= 0.0 && u <= 1.0) {
            cuts.push_back(t);
        }
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<std::array<double, 2>> intervals;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double t0 = cuts[i];
        const double t1 = cuts[i + 1];
        if (!(t1 > t0)) {
            continue;
        }
        const double mid = (t0 + t1) / 2.0;
        if (!contains(a.x + mid * sx, a.y + mid * sy)) {
            continue;
        }
        if (!intervals.empty() && intervals.back()[1] == t0) {
            intervals.back()[1] = t1;
        } else {
            intervals.push_back({t0, t1});
        }
    }
    return intervals;
}

std::vector<std::vector<RegionPoint>> Region::outlines() const
{
    std::vector<std::vector<RegionPoint>> loops;
    std::vector<unsigned char> used(edges_.size(), 0);
    for (std::size_t first = 0; first < edges_.size(); ++first) {
        if (used[first] != 0) {
            continue;
        }
        std::vector<RegionPoint> loop{edges_[first].a};
        std::size_t current = first;
        for (;;) {
            used[current] = 1;
            loop.push_back(edges_[current].b);
            // The unused element of the same boundary that starts where this
            // one ends.
            std::size_t next = edges_.size();
            for (std::size_t j = 0; j < edges_.size(); ++j) {
                if (used[j] == 0 && edges_[j].group == edges_[current].group &&
                    nodesOfEdge_[j][0] == nodesOfEdge_[current][1]) {
                    next = j;
                    break;
                }
            }
            if (next == edges_.size()) {
                break;
            }
            current = next;
        }
        loops.push_back(std::move(loop));
    }
    return loops;
}

} // namespace zorind::solver
