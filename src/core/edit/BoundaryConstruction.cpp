#include "core/edit/BoundaryConstruction.h"

#include <cmath>

#include "core/edit/NodeOps.h"
#include "core/ui/Messages.h"

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

void startPolyline(Project& p, PointerFeedback& feedback)
{
    invalidateResults(p);
    p.edit.editMode = EditMode::PolylineEntry;
    feedback.setStatusText(PanelPrompt, kFirstPointPrompt);
}

void endPolyline(Project& p, PointerFeedback& feedback)
{
    p.edit.editMode = EditMode::Idle;
    p.edit.chainOpen = false;
    feedback.setStatusText(PanelPrompt, " ");
}

int placePolylinePoint(Project& p, Interaction& ui, ModelPoint at)
{
    EditState& chain = p.edit;
    if (chain.chainOpen && !p.nodes.contains(chain.chainLastNode)) {
        chain.chainOpen = false; // its last node is gone: a new chain starts
    }
    // A second click on the last point (a double click) would add a
    // coincident node and an element of zero length.
    if (chain.chainOpen && nodesCoincide(p.nodes[chain.chainLastNode], Node{at.x, at.y})) {
        return 0;
    }
    if (!p.nodes.fits(1)) {
        ui.error(capacityMessage(kNodesGenitive, kMaxNodes), kPolylineCaption);
        return 0;
    }
    if (p.edit.chainOpen && !p.elements.fits(1)) {
        ui.error(capacityMessage(kElementsGenitive, kMaxElements), kPolylineCaption);
        return 0;
    }
    const int n = p.nodes.append({at.x, at.y});
    if (chain.chainOpen) {
        p.elements.append(newElement(p, chain.chainLastNode, n));
    } else {
        chain.chainFirstNode = n;
    }
    chain.chainOpen = true;
    chain.chainLastNode = n;
    return n;
}

int chainElementCount(const Project& p)
{
    const EditState& chain = p.edit;
    if (!chain.chainOpen || !p.nodes.contains(chain.chainFirstNode) || !p.nodes.contains(chain.chainLastNode)) {
        return -1;
    }
    // Each element of the chain runs from the node before to the node after,
    // so the walk back follows the elements that end where it stands.
    int at = chain.chainLastNode;
    for (int steps = 0; steps <= p.elementCount(); ++steps) {
        if (at == chain.chainFirstNode) {
            return steps;
        }
        int from = 0;
        for (const Element& e : p.elements) {
            if (e.endNode == at) {
                from = e.startNode;
                break;
            }
        }
        if (from == 0) {
            return -1;
        }
        at = from;
    }
    return -1;
}

void closePolyline(Project& p, Interaction& ui, PointerFeedback& feedback)
{
    if (p.elementCount() < 2) {
        return;
    }
    if (!ui.ask("Zamknąć linie łamaną ?", kPolylineCaption)) {
        return;
    }
    const int own = chainElementCount(p);
    if (own < 0) {
        ui.error("Nie można zamknąć lini łąmanej ", kPolylineCaption);
        return;
    }
    // A chain of one or two points has nothing to close: joining it would
    // double its only element or reach into another polyline.
    if (own >= 2) {
        if (!p.elements.fits(1)) {
            ui.error(capacityMessage(kElementsGenitive, kMaxElements), kPolylineCaption);
            return;
        }
        // The closing element keeps the direction of the chain.
        p.elements.append(newElement(p, p.edit.chainLastNode, p.edit.chainFirstNode));
    }
    p.edit.editMode = EditMode::Idle;
    p.edit.chainOpen = false;
    feedback.setStatusText(PanelPrompt, " ");
}

void removeLastElement(Project& p)
{
    EditState& chain = p.edit;
    if (!chain.chainOpen || !p.nodes.contains(chain.chainLastNode)) {
        return;
    }
    const int last = chain.chainLastNode;
    // Only the chain's own element that ends at its last node goes; an
    // element of an earlier contour there stays.
    if (last != chain.chainFirstNode) {
        for (int k = p.elementCount(); k >= 1; --k) {
            if (p.elements[k].endNode == last) {
                chain.chainLastNode = p.elements[k].startNode;
                deleteElement(p, k);
                break;
            }
        }
    }
    if (!nodeIsUsed(p, last)) {
        // A lone first point gone ends the chain: the next press starts a
        // new one instead of joining another contour.
        deleteNode(p, last);
    }
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
