#include "edit/BoundaryConstruction.h"

#include <cmath>

#include "edit/NodeOps.h"
#include "ui/Messages.h"

namespace zorind {

namespace {

Element newElement(const Project& p, int start, int end)
{
    return {start, end, p.currentCondition, p.currentBoundary};
}

bool currentBoundaryIsInner(const Project& p)
{
    return p.boundaries.contains(p.currentBoundary) && p.boundaries[p.currentBoundary].kind == InnerBoundary;
}

} // namespace

bool startPolyline(Project& p, PointerFeedback& feedback)
{
    const bool repaint = invalidateResults(p);
    p.edit.editMode = EditMode::PolylineEntry;
    feedback.setStatusText(PanelPrompt, kFirstPointPrompt);
    return repaint;
}

bool endPolyline(Project& p, PointerFeedback& feedback)
{
    p.edit.editMode = EditMode::Idle;
    p.edit.chainOpen = false;
    feedback.setStatusText(PanelPrompt, " ");
    return true;
}

int placePolylinePoint(Project& p, Interaction& ui, ModelPoint at)
{
    if (!p.nodes.fits(1)) {
        ui.error(capacityMessage(kNodesGenitive, kMaxNodes), kPolylineCaption);
        return 0;
    }
    if (p.edit.chainOpen && !p.elements.fits(1)) {
        ui.error(capacityMessage(kElementsGenitive, kMaxElements), kPolylineCaption);
        return 0;
    }
    const int n = p.nodes.append({at.x, at.y});
    if (p.edit.chainOpen) {
        p.elements.append(newElement(p, n - 1, n));
    }
    p.edit.chainOpen = true;
    return n;
}

int chainStart(const Project& p)
{
    const int last = p.nodeCount();
    const int count = p.elementCount();
    if (count < 1) {
        return last;
    }
    int cur = count;
    int v = p.elements[cur].startNode == last ? p.elements[cur].endNode : p.elements[cur].startNode;
    int prev = v;
    for (int pass = 0; pass < count; ++pass) {
        for (int j = 1; j <= count; ++j) {
            if (j == cur) {
                continue;
            }
            const Element& e = p.elements[j];
            if (e.startNode == v) {
                cur = j;
                v = e.endNode;
                break;
            }
            if (e.endNode == v) {
                cur = j;
                v = e.startNode;
                break;
            }
        }
        if (v == prev) {
            return v; // no element leads on: the free end
        }
        prev = v;
    }
    return last;
}

bool closePolyline(Project& p, Interaction& ui, PointerFeedback& feedback)
{
    if (p.elementCount() < 2) {
        return false;
    }
    if (!ui.ask("Zamknąć linie łamaną ?", kPolylineCaption)) {
        return false;
    }
    const int last = p.nodeCount();
    const int first = chainStart(p);
    if (first == last || !p.nodes.contains(first)) {
        ui.error("Nie można zamknąć lini łąmanej ", kPolylineCaption);
        return false;
    }
    if (!p.elements.fits(1)) {
        ui.error(capacityMessage(kElementsGenitive, kMaxElements), kPolylineCaption);
        return false;
    }
    // The closing element keeps the direction of the chain.
    const bool lastRunsFromFirst = p.elements[p.elementCount()].startNode == first;
    p.elements.append(lastRunsFromFirst ? newElement(p, first, last) : newElement(p, last, first));
    p.edit.editMode = EditMode::Idle;
    p.edit.chainOpen = false;
    feedback.setStatusText(PanelPrompt, " ");
    return true;
}

bool removeLastElement(Project& p)
{
    if (!p.edit.chainOpen || p.nodeCount() < 1) {
        return false;
    }
    const int last = p.nodeCount();
    bool changed = false;
    // Only the element that reaches the last node belongs to the chain;
    // the last element of an earlier contour stays.
    if (p.elementCount() > 0) {
        const Element& e = p.elements[p.elementCount()];
        if (e.startNode == last || e.endNode == last) {
            deleteElement(p, p.elementCount());
            changed = true;
        }
    }
    if (!nodeIsUsed(p, last)) {
        const bool lone = !changed; // the chain had no element left
        deleteNode(p, last);
        changed = true;
        if (lone) {
            // The polyline's only point is gone: the next press starts a
            // new chain instead of joining another contour.
            p.edit.chainOpen = false;
        }
    }
    return changed;
}

bool addCircle(Project& p, Interaction& ui, const CircleSpec& c)
{
    if (!(c.radius > 0.0f) || c.elements < 3 || !std::isfinite(c.radius) || !std::isfinite(c.centreX) ||
        !std::isfinite(c.centreY)) {
        return false;
    }
    if (!p.nodes.fits(c.elements)) {
        ui.error(capacityMessage(kNodesGenitive, kMaxNodes), kCircleCaption);
        return false;
    }
    if (!p.elements.fits(c.elements)) {
        ui.error(capacityMessage(kElementsGenitive, kMaxElements), kCircleCaption);
        return false;
    }
    float step = static_cast<float>(kStep2Pi / c.elements);
    if (currentBoundaryIsInner(p)) {
        step = -step; // inner boundaries run clockwise
    }
    const int first = p.nodeCount() + 1;
    for (int i = 0; i < c.elements; ++i) {
        const double angle = static_cast<float>(i) * step;
        p.nodes.append({saturateToFloat(c.centreX + c.radius * std::cos(angle)),
                        saturateToFloat(c.centreY + c.radius * std::sin(angle))});
    }
    const int last = p.nodeCount();
    for (int n = first; n < last; ++n) {
        p.elements.append(newElement(p, n, n + 1));
    }
    p.elements.append(newElement(p, last, first));
    return true;
}

} // namespace zorind
