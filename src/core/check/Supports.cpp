#include "core/check/Supports.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/check/Nesting.h"
#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

// What holds one body: the y of every point held in x, the x of every point
// held in y, and whether an element holds both components.
struct Holds {
    std::vector<double> heldXAtY;
    std::vector<double> heldYAtX;
    bool whole = false;
};

// How far apart the values lie.
double spread(const std::vector<double>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *high - *low;
}

// The larger side of the nodes' bounding box.
double modelSize(const Project& p)
{
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;
    bool first = true;
    for (const Node& n : p.nodes) {
        xmin = first ? n.x : std::min(xmin, static_cast<double>(n.x));
        xmax = first ? n.x : std::max(xmax, static_cast<double>(n.x));
        ymin = first ? n.y : std::min(ymin, static_cast<double>(n.y));
        ymax = first ? n.y : std::max(ymax, static_cast<double>(n.y));
        first = false;
    }
    return std::max(xmax - xmin, ymax - ymin);
}

// Why the body is free to move, or nothing when it is held. Points closer
// than `tolerance` count as on one line: held so nearly in line, a body
// turns under the smallest load.
std::string freeMotion(const Holds& h, double tolerance)
{
    if (h.whole) {
        return {};
    }
    if (h.heldXAtY.empty() && h.heldYAtX.empty()) {
        return " nie jest podparte: żaden jego element nie ma zadanego przemieszczenia, więc może się przesuwać "
               "i obracać jako sztywne.";
    }
    if (h.heldYAtX.empty()) {
        return " jest podparte tylko w kierunku X (podpory przesuwne), więc może się przesuwać w kierunku Y.";
    }
    if (h.heldXAtY.empty()) {
        return " jest podparte tylko w kierunku Y (podpory przesuwne), więc może się przesuwać w kierunku X.";
    }
    if (spread(h.heldXAtY) <= tolerance && spread(h.heldYAtX) <= tolerance) {
        const std::string x0 = formatGeneral(h.heldYAtX.front(), 6);
        const std::string y0 = formatGeneral(h.heldXAtY.front(), 6);
        return " może się obracać wokół punktu (" + x0 + "; " + y0 +
               "): jego podpory w kierunku X leżą na prostej y = " + y0 + ", a w kierunku Y na prostej x = " + x0 +
               ".";
    }
    return {};
}

} // namespace

std::vector<std::string> unsupportedBodies(const Project& p)
{
    std::map<int, int> outlineOf; // boundary -> its body's outline
    std::map<int, Holds> bodies;  // by outline
    for (const Element& e : p.elements) {
        if (outlineOf.find(e.boundary) == outlineOf.end()) {
            outlineOf[e.boundary] = bodyOutline(p, e.boundary);
        }
        Holds& h = bodies[outlineOf[e.boundary]];
        const int kind = elasticityKind(p.conditions[e.condition].kind);
        const bool x = kind == DisplacementKind || kind == HeldXKind;
        const bool y = kind == DisplacementKind || kind == HeldYKind;
        h.whole = h.whole || (x && y);
        for (const int n : {e.startNode, e.endNode}) {
            if (x) {
                h.heldXAtY.push_back(p.nodes[n].y);
            }
            if (y) {
                h.heldYAtX.push_back(p.nodes[n].x);
            }
        }
    }
    const double tolerance = 1e-6 * modelSize(p);
    std::vector<std::string> faults;
    for (const auto& [outline, holds] : bodies) {
        if (const std::string why = freeMotion(holds, tolerance); !why.empty()) {
            faults.push_back("Ciało ograniczone brzegiem " + std::to_string(outline) + why);
        }
    }
    return faults;
}

} // namespace zorind
