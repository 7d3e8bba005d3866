#include "edit/Pointer.h"

#include <algorithm>

#include "edit/BoundaryConstruction.h"
#include "model/NumberFormat.h"
#include "session/Describe.h"

namespace zorind {

namespace {

// The view as it stands at the event: the scales of the last repaint, the
// client size of now.
ViewTransform viewAt(const ViewTransform& view, int clientWidth, int clientHeight)
{
    ViewTransform v = view;
    if (clientWidth > 0 && clientHeight > 0) {
        v.clientWidth = clientWidth;
        v.clientHeight = clientHeight;
    }
    return v;
}

PixelPoint screenOf(const ViewTransform& v, const Node& node)
{
    return {v.toScreenX(node.x), v.toScreenY(node.y)};
}

void placePoint(Project& p, Interaction& ui, const PointerEvent& event, PointerFeedback& feedback)
{
    const ViewTransform v = viewAt(p.view, event.clientWidth, event.clientHeight);
    const int elementsBefore = p.elementCount();
    const int n = placePolylinePoint(p, ui, v.pointerModelPosition(event.position.x, event.position.y));
    if (n == 0) {
        return;
    }
    const Node& node = p.nodes[n];
    if (p.display.showNodes == 1) {
        // The offsets go onto the unrounded position before truncating.
        const double x = v.screenX(node.x);
        const double y = v.screenY(node.y);
        feedback.drawNodeMarker({truncatePixel(x - kNodeMarkRadius), truncatePixel(y - kNodeMarkRadius)},
                                {truncatePixel(x + kNodeMarkRadius), truncatePixel(y + kNodeMarkRadius)});
    }
    if (p.elementCount() == elementsBefore) {
        // The first point of a polyline: only its marker.
        return;
    }
    EditState& s = p.edit;
    if (s.rubberBandShown) {
        feedback.invertRubberBand(s.rubberAnchor, s.rubberEnd);
        s.rubberBandShown = false;
    }
    const Element& e = p.elements[p.elementCount()];
    if (p.nodes.contains(e.startNode)) {
        feedback.drawElementLine(screenOf(v, p.nodes[e.startNode]), screenOf(v, node));
    }
    feedback.setStatusText(PanelPrompt, kNextPointPrompt);
    feedback.setStatusText(PanelLastPoint, "Ostatni pkt: " + displayNumber(node.x, event.decimalSeparator) + ", " +
                                               displayNumber(node.y, event.decimalSeparator));
}

} // namespace

ModelPoint pointerModelPosition(const ViewTransform& view, PixelPoint position, int clientWidth, int clientHeight)
{
    return viewAt(view, clientWidth, clientHeight).pointerModelPosition(position.x, position.y);
}

bool pointerPressed(Project& p, Interaction& ui, const PointerEvent& event, PointerFeedback& feedback)
{
    switch (event.button) {
    case PointerButton::Right:
        // Set before the menu opens: its commands act at this point.
        p.edit.popupPoint = event.position;
        feedback.openPopup(p.edit.editMode == EditMode::Idle ? PopupMenu::General : PopupMenu::Polyline,
                           {event.position.x - kPopupOffset, event.position.y - kPopupOffset});
        return false;
    case PointerButton::Left:
        if (p.edit.editMode == EditMode::PolylineEntry) {
            const bool resultsShown = p.display.showPotential == 1 || p.display.showFlux == 1;
            const int before = p.nodeCount();
            placePoint(p, ui, event, feedback);
            return resultsShown && p.nodeCount() != before;
        }
        return false;
    case PointerButton::Middle:
        return false;
    }
    return false;
}

void pointerMoved(Project& p, const PointerEvent& event, PointerFeedback& feedback)
{
    const ViewTransform v = viewAt(p.view, event.clientWidth, event.clientHeight);
    const ModelPoint at = v.pointerModelPosition(event.position.x, event.position.y);
    feedback.setStatusText(PanelX, "x=" + displayNumber(at.x, event.decimalSeparator));
    feedback.setStatusText(PanelY, "y=" + displayNumber(at.y, event.decimalSeparator));
    feedback.setStatusText(PanelSelection, currentSelectionText(p));

    EditState& s = p.edit;
    if (!s.chainOpen) {
        // A band left on the screen goes with the next repaint.
        s.rubberBandShown = false;
        return;
    }
    if (s.rubberBandShown) {
        feedback.invertRubberBand(s.rubberAnchor, s.rubberEnd);
        s.rubberBandShown = false;
    }
    if (!p.nodes.contains(s.chainLastNode)) {
        return; // the chain's last node was deleted meanwhile: nothing to anchor at
    }
    s.rubberEnd = event.position;
    s.rubberAnchor = screenOf(v, p.nodes[s.chainLastNode]);
    feedback.invertRubberBand(s.rubberAnchor, s.rubberEnd);
    s.rubberBandShown = true;
}

void pointerReleased(Project&, const PointerEvent&, PointerFeedback&) {}

void forgetRubberBand(Project& p)
{
    p.edit.rubberBandShown = false;
}

} // namespace zorind
