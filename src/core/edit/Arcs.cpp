#include "core/edit/Arcs.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/edit/BoundaryConstruction.h"
#include "core/ui/Messages.h"
#include "core/view/ViewTransform.h"

namespace zorind {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The arc of centre and radius from angle a0 turning by `sweep` (positive
// counter-clockwise), cut into `elements` equal elements; its end nodes at
// given places when they are known exactly.
struct ArcPath {
    double cx = 0.0;
    double cy = 0.0;
    double r = 0.0;
    double a0 = 0.0;
    double sweep = 0.0;
    int elements = 1;
    std::optional<Node> start;
    std::optional<Node> end;
    bool full() const { return std::abs(sweep) >= 2.0 * kPi * (1.0 - 1e-12); }
};

Node arcNode(const ArcPath& a, int i)
{
    if (i == 0 && a.start) {
        return *a.start;
    }
    if (i == a.elements && a.end) {
        return *a.end;
    }
    const double t = a.a0 + a.sweep * i / a.elements;
    return {saturateToFloat(a.cx + a.r * std::cos(t)), saturateToFloat(a.cy + a.r * std::sin(t))};
}

// Two places are one for joining when they lie within a millionth of the
// arc's radius of each other.
bool samePlace(const Node& a, const Node& b, double radius)
{
    return std::hypot(static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y) <= 1e-6 * radius;
}

// Adds the arc's nodes and elements; joins it to the polyline being drawn
// when it starts at the polyline's last node. Returns whether it was added
// and sets `closedChain` when it closed that polyline.
bool placeArc(Project& p, Interaction& ui, const ArcPath& a, const char* caption, bool& closedChain)
{
    EditState& s = p.edit;
    const Node first = arcNode(a, 0);
    const Node last = arcNode(a, a.elements);
    const bool joined = s.chainOpen && p.nodes.contains(s.chainLastNode) && samePlace(p.nodes[s.chainLastNode], first, a.r);
    closedChain = !a.full() && joined && s.chainFirstNode != s.chainLastNode && p.nodes.contains(s.chainFirstNode) &&
                  samePlace(p.nodes[s.chainFirstNode], last, a.r);
    const int newNodes = a.elements + 1 - (joined ? 1 : 0) - (a.full() || closedChain ? 1 : 0);
    if (!p.nodes.fits(newNodes)) {
        ui.error(capacityMessage(kNodesGenitive, kMaxNodes), caption);
        return false;
    }
    if (!p.elements.fits(a.elements)) {
        ui.error(capacityMessage(kElementsGenitive, kMaxElements), caption);
        return false;
    }
    const int firstNode = joined ? s.chainLastNode : p.nodes.append(first);
    int previous = firstNode;
    for (int i = 1; i <= a.elements; ++i) {
        int next = 0;
        if (i == a.elements && a.full()) {
            next = firstNode;
        } else if (i == a.elements && closedChain) {
            next = s.chainFirstNode;
        } else {
            next = p.nodes.append(arcNode(a, i));
        }
        p.elements.append({previous, next, p.currentCondition, p.currentBoundary});
        previous = next;
    }
    if (closedChain) {
        s.chainOpen = false;
    } else if (joined) {
        s.chainLastNode = previous;
    }
    return true;
}

const char* promptOf(const Project& p)
{
    if (p.edit.editMode == EditMode::PolylineEntry) {
        return p.edit.chainOpen ? kNextPointPrompt : kFirstPointPrompt;
    }
    return " ";
}

} // namespace

bool addArc(Project& p, Interaction& ui, const ArcSpec& arc)
{
    if (!(arc.radius > 0.0f) || !std::isfinite(arc.radius) || !std::isfinite(arc.centreX) ||
        !std::isfinite(arc.centreY) || !std::isfinite(arc.startAngle) || !std::isfinite(arc.endAngle) ||
        arc.elements < 1 || arc.startAngle == arc.endAngle) {
        return false;
    }
    ArcPath path;
    path.cx = arc.centreX;
    path.cy = arc.centreY;
    path.r = arc.radius;
    path.a0 = static_cast<double>(arc.startAngle) * kPi / 180.0;
    path.sweep = std::clamp((static_cast<double>(arc.endAngle) - arc.startAngle) * kPi / 180.0, -2.0 * kPi, 2.0 * kPi);
    path.elements = arc.elements;
    bool closed = false;
    if (!placeArc(p, ui, path, kArcCaption, closed)) {
        return false;
    }
    if (closed) {
        p.edit.editMode = EditMode::Idle;
    }
    return true;
}

bool addArcThroughPoints(Project& p, Interaction& ui, ModelPoint start, ModelPoint middle, ModelPoint end)
{
    // The circle through the three points, about the start for precision.
    const double bx = static_cast<double>(middle.x) - start.x;
    const double by = static_cast<double>(middle.y) - start.y;
    const double cx = static_cast<double>(end.x) - start.x;
    const double cy = static_cast<double>(end.y) - start.y;
    const double d = 2.0 * (bx * cy - by * cx);
    const double size = std::max({std::abs(bx), std::abs(by), std::abs(cx), std::abs(cy)});
    if (!(std::abs(d) > 1e-9 * size * size) || !std::isfinite(d)) {
        ui.error("Punkty nie wyznaczają łuku: leżą na jednej prostej", kArcPointsCaption);
        return false;
    }
    const double ux = (cy * (bx * bx + by * by) - by * (cx * cx + cy * cy)) / d;
    const double uy = (bx * (cx * cx + cy * cy) - cx * (bx * bx + by * by)) / d;
    ArcPath path;
    path.cx = start.x + ux;
    path.cy = start.y + uy;
    path.r = std::hypot(ux, uy);
    path.a0 = std::atan2(-uy, -ux);
    auto turnTo = [&](double x, double y) {
        return std::fmod(std::atan2(y - uy, x - ux) - path.a0 + 4.0 * kPi, 2.0 * kPi);
    };
    const double toEnd = turnTo(cx, cy);
    // Counter-clockwise when the middle point comes before the end that way.
    path.sweep = turnTo(bx, by) < toEnd ? toEnd : toEnd - 2.0 * kPi;
    path.elements = std::max(2, static_cast<int>(std::ceil(std::abs(path.sweep) * kArcElementsPerTurn / (2.0 * kPi) - 1e-9)));
    path.start = Node{start.x, start.y};
    path.end = Node{end.x, end.y};
    bool closed = false;
    if (!placeArc(p, ui, path, kArcPointsCaption, closed)) {
        return false;
    }
    if (closed) {
        p.edit.arcReturnMode = EditMode::Idle;
    }
    return true;
}

void startArcThroughPoints(Project& p, PointerFeedback& feedback)
{
    if (p.edit.editMode != EditMode::ArcEntry) {
        p.edit.arcReturnMode = p.edit.editMode;
    }
    p.edit.editMode = EditMode::ArcEntry;
    p.edit.arcPointCount = 0;
    feedback.setStatusText(PanelPrompt, kArcStartPrompt);
}

bool placeArcPoint(Project& p, Interaction& ui, ModelPoint at, PointerFeedback& feedback)
{
    EditState& s = p.edit;
    if (s.arcPointCount < 2) {
        s.arcPoints[static_cast<std::size_t>(s.arcPointCount++)] = at;
        feedback.setStatusText(PanelPrompt, s.arcPointCount == 1 ? kArcMiddlePrompt : kArcEndPrompt);
        return false;
    }
    s.arcPointCount = 0;
    if (!addArcThroughPoints(p, ui, s.arcPoints[0], s.arcPoints[1], at)) {
        feedback.setStatusText(PanelPrompt, kArcStartPrompt);
        return false;
    }
    s.editMode = s.arcReturnMode;
    feedback.setStatusText(PanelPrompt, promptOf(p));
    return true;
}

void cancelArc(Project& p, PointerFeedback& feedback)
{
    p.edit.arcPointCount = 0;
    p.edit.editMode = p.edit.arcReturnMode;
    feedback.setStatusText(PanelPrompt, promptOf(p));
}

} // namespace zorind
