#include "elastic/BoundaryGeometry.h"

#include <algorithm>
#include <cmath>

namespace zorind::elastic::bem {

namespace {

// Orients every closed boundary so that its normals point out of the body: an
// outer boundary runs anticlockwise, a boundary inside it clockwise. Elements
// stored against the run of their boundary are followed the other way.
// Returns, per element, +1 when the normal lies to the right of start-to-end.
std::vector<double> outwardSigns(const ExchangeModel& model, std::vector<std::string>& notes)
{
    const std::size_t nodeCount = model.nodes.size();
    const std::size_t elementCount = model.elements.size();
    auto nodeOf = [&](std::size_t e, int side) {
        return static_cast<std::size_t>(side == 0 ? model.elements[e].start : model.elements[e].end);
    };
    std::vector<std::vector<std::pair<std::size_t, int>>> at(nodeCount);
    for (std::size_t e = 0; e < elementCount; ++e) {
        at[nodeOf(e, 0)].emplace_back(e, 0);
        at[nodeOf(e, 1)].emplace_back(e, 1);
    }
    // Walk each boundary from its first element: along[e] is +1 when e runs
    // the same way, -1 when it is stored reversed. component[e] is that first
    // element.
    std::vector<double> along(elementCount, 0.0);
    std::vector<std::size_t> component(elementCount, 0);
    std::vector<std::size_t> firsts;
    for (std::size_t seed = 0; seed < elementCount; ++seed) {
        if (along[seed] != 0.0) {
            continue;
        }
        firsts.push_back(seed);
        along[seed] = 1.0;
        component[seed] = seed;
        std::vector<std::size_t> stack = {seed};
        while (!stack.empty()) {
            const std::size_t e = stack.back();
            stack.pop_back();
            for (int side = 0; side < 2; ++side) {
                const auto& ends = at[nodeOf(e, side)];
                if (ends.size() != 2) {
                    continue;
                }
                const auto& [next, nextSide] = ends[0].first == e && ends[0].second == side ? ends[1] : ends[0];
                if (along[next] == 0.0) {
                    along[next] = nextSide == side ? -along[e] : along[e];
                    component[next] = seed;
                    stack.push_back(next);
                }
            }
        }
    }
    std::vector<double> componentSign(elementCount, 1.0);
    for (const std::size_t c : firsts) {
        double area = 0.0;
        bool mixed = false;
        for (std::size_t e = 0; e < elementCount; ++e) {
            if (component[e] == c) {
                const Point& a = model.nodes[nodeOf(e, 0)];
                const Point& b = model.nodes[nodeOf(e, 1)];
                area += along[e] * 0.5 * (a.x * b.y - b.x * a.y);
                mixed = mixed || along[e] < 0.0;
            }
        }
        const Point& a = model.nodes[nodeOf(c, 0)];
        const Point& b = model.nodes[nodeOf(c, 1)];
        const Point probe{0.5 * (a.x + b.x), 0.5 * (a.y + b.y)};
        // How many other boundaries enclose this one (even-odd rule per boundary).
        std::vector<int> crossings(elementCount, 0);
        for (std::size_t e = 0; e < elementCount; ++e) {
            if (component[e] == c) {
                continue;
            }
            const Point& p = model.nodes[nodeOf(e, 0)];
            const Point& q = model.nodes[nodeOf(e, 1)];
            if ((p.y > probe.y) != (q.y > probe.y) && p.x + (probe.y - p.y) / (q.y - p.y) * (q.x - p.x) > probe.x) {
                ++crossings[component[e]];
            }
        }
        const auto depth = std::count_if(crossings.begin(), crossings.end(), [](int n) { return n % 2 == 1; });
        const double wanted = depth % 2 == 0 ? 1.0 : -1.0;
        componentSign[c] = area * wanted < 0.0 ? -1.0 : 1.0;
        const std::string where = "Brzeg zawierający węzeł " + std::to_string(model.elements[c].start + 1);
        if (mixed) {
            notes.push_back(where + " ma elementy skierowane przeciwnie do obiegu; przyjęto kierunek obiegu");
        } else if (componentSign[c] < 0.0) {
            notes.push_back(where + " ma odwrotny obieg; przyjęto normalne skierowane na zewnątrz ciała");
        }
    }
    std::vector<double> signs(elementCount);
    for (std::size_t e = 0; e < elementCount; ++e) {
        signs[e] = along[e] * componentSign[component[e]];
    }
    return signs;
}

void checkDistinctNodes(const Boundary& b)
{
    for (std::size_t i = 0; i < b.nodes.size(); ++i) {
        for (std::size_t j = i + 1; j < b.nodes.size(); ++j) {
            if (b.ends[i].empty() || b.ends[j].empty()) {
                continue;
            }
            if (std::hypot(b.nodes[i].x - b.nodes[j].x, b.nodes[i].y - b.nodes[j].y) <= 1e-9 * b.size) {
                throw ElasticError("Węzły " + std::to_string(i + 1) + " i " + std::to_string(j + 1) +
                                   " leżą w tym samym miejscu; usuń podwójne węzły przed obliczeniem");
            }
        }
    }
}

// Every boundary is a closed line that passes each of its nodes once: the
// integral identity holds only for a body enclosed by its boundary, and an
// open end or a branch point gives a solution of nothing.
void checkClosedBoundaries(const Boundary& b)
{
    for (std::size_t j = 0; j < b.nodes.size(); ++j) {
        const std::vector<ElementEnd>& at = b.ends[j];
        if (at.size() == 1) {
            throw ElasticError("Brzeg nie jest zamknięty: węzeł " + std::to_string(j + 1) +
                               " należy tylko do elementu " + std::to_string(at[0].element + 1));
        }
        if (at.size() > 2) {
            std::string elements;
            for (const ElementEnd& end : at) {
                elements += (elements.empty() ? "" : ", ") + std::to_string(end.element + 1);
            }
            throw ElasticError("Węzeł " + std::to_string(j + 1) + " należy do " + std::to_string(at.size()) +
                               " elementów (" + elements + "); w węźle brzegu spotykają się dokładnie dwa elementy");
        }
    }
}

double cross(Point o, Point a, Point b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Boundaries meet nowhere but at their shared nodes: where one crosses,
// touches or runs along another (or itself), the body they should enclose
// does not exist, and the solution would count some of it twice.
void checkNoCrossings(const Boundary& b)
{
    const double tol = 1e-9 * b.size;
    const std::size_t ne = b.elements.size();
    auto near = [&](int node, std::size_t e) {
        const ElementGeometry& g = b.elements[e];
        return distanceToSegment(b.nodes[static_cast<std::size_t>(node)], g, 0.0, g.length) <= tol;
    };
    for (std::size_t i = 0; i < ne; ++i) {
        const ElementGeometry& gi = b.elements[i];
        for (std::size_t j = i + 1; j < ne; ++j) {
            const ElementGeometry& gj = b.elements[j];
            auto refuse = [&](const char* what) {
                throw ElasticError("Elementy " + std::to_string(i + 1) + " i " + std::to_string(j + 1) + " " + what);
            };
            const bool shared = gi.start == gj.start || gi.start == gj.end || gi.end == gj.start || gi.end == gj.end;
            if ((gi.start == gj.start && gi.end == gj.end) || (gi.start == gj.end && gi.end == gj.start)) {
                refuse("nakładają się; brzegi ciała nie mogą się nakładać");
            }
            // An end of one on the other: with a node in common, the two
            // fold back over each other; without, the boundaries touch there.
            int touching = -1;
            int ends = 0;
            for (const auto& [node, other] :
                 {std::pair{gi.start, j}, std::pair{gi.end, j}, std::pair{gj.start, i}, std::pair{gj.end, i}}) {
                const ElementGeometry& g = b.elements[other];
                if (node != g.start && node != g.end && near(node, other)) {
                    touching = node;
                    ++ends;
                }
            }
            if (ends > 0 && (shared || ends > 1)) {
                refuse("nakładają się; brzegi ciała nie mogą się nakładać");
            }
            if (ends > 0) {
                const std::size_t on = touching == gi.start || touching == gi.end ? j : i;
                throw ElasticError("Węzeł " + std::to_string(touching + 1) + " leży na elemencie " +
                                   std::to_string(on + 1) + "; brzegi ciała nie mogą się stykać");
            }
            if (shared) {
                continue;
            }
            const Point& a = b.nodes[static_cast<std::size_t>(gi.start)];
            const Point& c = b.nodes[static_cast<std::size_t>(gi.end)];
            const Point& p = b.nodes[static_cast<std::size_t>(gj.start)];
            const Point& q = b.nodes[static_cast<std::size_t>(gj.end)];
            const double o1 = cross(a, c, p);
            const double o2 = cross(a, c, q);
            const double o3 = cross(p, q, a);
            const double o4 = cross(p, q, c);
            if (((o1 > 0.0 && o2 < 0.0) || (o1 < 0.0 && o2 > 0.0)) &&
                ((o3 > 0.0 && o4 < 0.0) || (o3 < 0.0 && o4 > 0.0))) {
                refuse("przecinają się; brzegi ciała nie mogą się przecinać");
            }
        }
    }
}

} // namespace

double boundarySize(const ExchangeModel& model)
{
    const Point& first = model.nodes[static_cast<std::size_t>(model.elements.front().start)];
    double minX = first.x, maxX = minX, minY = first.y, maxY = minY;
    for (const Element& e : model.elements) {
        for (const int node : {e.start, e.end}) {
            const Point& p = model.nodes[static_cast<std::size_t>(node)];
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    return std::max(maxX - minX, maxY - minY);
}

Boundary boundaryGeometry(const ExchangeModel& model, std::vector<std::string>& notes)
{
    const std::size_t ne = model.elements.size();
    Boundary b;
    b.nodes = model.nodes;
    b.elements.resize(ne);
    b.ends.resize(model.nodes.size());
    for (std::size_t e = 0; e < ne; ++e) {
        ElementGeometry& g = b.elements[e];
        g.start = model.elements[e].start;
        g.end = model.elements[e].end;
        g.a = model.nodes[static_cast<std::size_t>(g.start)];
        const Point& end = model.nodes[static_cast<std::size_t>(g.end)];
        g.length = std::hypot(end.x - g.a.x, end.y - g.a.y);
        g.tx = (end.x - g.a.x) / g.length;
        g.ty = (end.y - g.a.y) / g.length;
        b.ends[static_cast<std::size_t>(g.start)].push_back({static_cast<int>(e), 0});
        b.ends[static_cast<std::size_t>(g.end)].push_back({static_cast<int>(e), 1});
    }
    b.size = boundarySize(model);
    checkDistinctNodes(b);
    checkClosedBoundaries(b);
    checkNoCrossings(b);
    const std::vector<double> signs = outwardSigns(model, notes);
    for (std::size_t e = 0; e < ne; ++e) {
        ElementGeometry& g = b.elements[e];
        g.nx = signs[e] * g.ty;
        g.ny = -signs[e] * g.tx;
    }
    return b;
}

} // namespace zorind::elastic::bem
