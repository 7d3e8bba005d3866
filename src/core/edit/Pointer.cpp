#include "core/edit/Pointer.h"

#include <algorithm>
#include <cstdlib>

#include "core/edit/Arcs.h"
#include "core/edit/BoundaryConstruction.h"
#include "core/edit/NodeOps.h"
#include "core/edit/Picking.h"
#include "core/edit/SegmentEntry.h"
#include "core/model/NumberFormat.h"
#include "core/session/Describe.h"
#include "core/session/ViewCommands.h"

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

void placePoint(Project& p, Interaction& ui, const PointerEvent& event, PointerFeedback& feedback, ModelPoint at)
{
    const ViewTransform v = viewAt(p.view, event.clientWidth, event.clientHeight);
    const int elementsBefore = p.elementCount();
    const int n = placePolylinePoint(p, ui, at);
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

// A left press while a polyline is drawn. Near an existing node the point
// goes exactly onto it, elsewhere where the pointer is (on the grid while it
// is on); a point on the chain's own first node closes the chain instead.
void polylinePress(Project& p, Interaction& ui, const PointerEvent& event, PointerFeedback& feedback)
{
    const ViewTransform v = viewAt(p.view, event.clientWidth, event.clientHeight);
    const int near = nearestNodeWithin(p, v, event.position.x, event.position.y);
    const ModelPoint target = near != 0 ? ModelPoint{p.nodes[near].x, p.nodes[near].y}
                                        : v.pointerModelPosition(event.position.x, event.position.y);
    const EditState& s = p.edit;
    // On the lone first point there is nothing to close: the point is
    // ignored there, as on the last point.
    if (s.chainOpen && s.chainFirstNode != s.chainLastNode && p.nodes.contains(s.chainFirstNode) &&
        nodesCoincide(Node{target.x, target.y}, p.nodes[s.chainFirstNode])) {
        closePolyline(p, ui, feedback);
        return;
    }
    placePoint(p, ui, event, feedback, target);
}

// A left press while an arc's points are given: near a node exactly on it,
// elsewhere where the pointer is; a marker shows each point taken.
bool arcPress(Project& p, Interaction& ui, const PointerEvent& event, PointerFeedback& feedback)
{
    const ViewTransform v = viewAt(p.view, event.clientWidth, event.clientHeight);
    const int near = nearestNodeWithin(p, v, event.position.x, event.position.y);
    const ModelPoint at = near != 0 ? ModelPoint{p.nodes[near].x, p.nodes[near].y}
                                    : v.pointerModelPosition(event.position.x, event.position.y);
    const double x = v.screenX(at.x);
    const double y = v.screenY(at.y);
    feedback.drawNodeMarker({truncatePixel(x - kNodeMarkRadius), truncatePixel(y - kNodeMarkRadius)},
                            {truncatePixel(x + kNodeMarkRadius), truncatePixel(y + kNodeMarkRadius)});
    return placeArcPoint(p, ui, at, feedback);
}

void openPopupAt(Project& p, PixelPoint at, PointerFeedback& feedback)
{
    // Set before the menu opens: its commands act at this point.
    p.edit.popupPoint = at;
    feedback.openPopup(p.edit.editMode == EditMode::PolylineEntry ? PopupMenu::Polyline : PopupMenu::General,
                       {at.x - kPopupOffset, at.y - kPopupOffset});
}

} // namespace

ModelPoint pointerModelPosition(const ViewTransform& view, PixelPoint position, int clientWidth, int clientHeight)
{
    return viewAt(view, clientWidth, clientHeight).pointerModelPosition(position.x, position.y);
}

void pointerPressed(Project& p, Interaction& ui, const PointerEvent& event, PointerFeedback& feedback)
{
    switch (event.button) {
    case PointerButton::Right:
        openPopupAt(p, event.position, feedback);
        break;
    case PointerButton::Left:
        if (p.edit.editMode == EditMode::ArcEntry) {
            arcPress(p, ui, event, feedback);
        } else if (p.edit.editMode == EditMode::SegmentEntry) {
            segmentPressed(p, event, feedback);
        } else if (p.edit.editMode == EditMode::PolylineEntry) {
            polylinePress(p, ui, event, feedback);
        }
        break;
    case PointerButton::Middle:
        p.edit.panning = true;
        p.edit.panFrom = event.position;
        p.edit.panStart = viewAt(p.view, event.clientWidth, event.clientHeight);
        break;
    }
}

bool pointerWheel(Project& p, const PointerEvent& event, int notches)
{
    bool zoomed = false;
    const double factor = notches > 0 ? ZOOM_IN_FACTOR : ZOOM_OUT_FACTOR;
    // Each notch zooms from the view the one before left, its scales kept
    // up to date by the zoom itself.
    for (int k = 0; k < std::abs(notches); ++k) {
        const ViewTransform drawn = viewAt(p.view, event.clientWidth, event.clientHeight);
        if (!zoomAtPixel(p, drawn, factor, event.position.x, event.position.y)) {
            break;
        }
        zoomed = true;
    }
    return zoomed;
}

bool drawingKeyPressed(Project& p, Interaction& ui, DrawingKey key, const PointerEvent& event,
                       PointerFeedback& feedback)
{
    if (key == DrawingKey::Popup) {
        openPopupAt(p, event.position, feedback);
        return true;
    }
    if (p.edit.editMode == EditMode::ArcEntry) {
        // Escape leaves the arc, Backspace takes its last point back.
        if (key == DrawingKey::End) {
            cancelArc(p, feedback);
        } else if (key == DrawingKey::TakeBack && p.edit.arcPointCount > 0) {
            --p.edit.arcPointCount;
            feedback.setStatusText(PanelPrompt, p.edit.arcPointCount == 0 ? kArcStartPrompt : kArcMiddlePrompt);
        }
        return true;
    }
    if (p.edit.editMode == EditMode::SegmentEntry) {
        return segmentKey(p, key, feedback);
    }
    if (p.edit.editMode != EditMode::PolylineEntry) {
        return false;
    }
    switch (key) {
    case DrawingKey::End:
        endPolyline(p, feedback);
        break;
    case DrawingKey::TakeBack:
        removeLastElement(p);
        break;
    case DrawingKey::Close:
        closePolyline(p, ui, feedback);
        break;
    case DrawingKey::Popup:
        break;
    }
    return true;
}

void pointerMoved(Project& p, const PointerEvent& event, PointerFeedback& feedback)
{
    const ViewTransform v = viewAt(p.view, event.clientWidth, event.clientHeight);
    const ModelPoint at = v.pointerModelPosition(event.position.x, event.position.y);
    feedback.setStatusText(PanelX, "x=" + displayNumber(at.x, event.decimalSeparator));
    feedback.setStatusText(PanelY, "y=" + displayNumber(at.y, event.decimalSeparator));
    feedback.setStatusText(PanelSelection, currentSelectionText(p));

    EditState& s = p.edit;
    if (s.panning) {
        // The whole drawing moves and is painted afresh: no band until the
        // drag is over.
        if (s.rubberBandShown) {
            feedback.invertRubberBand(s.rubberAnchor, s.rubberEnd);
            s.rubberBandShown = false;
        }
        panArea(p, s.panStart, event.position.x - s.panFrom.x, event.position.y - s.panFrom.y);
        return;
    }
    if (s.editMode == EditMode::SegmentEntry) {
        segmentMoved(p, event, feedback);
        return;
    }
    if (!s.chainOpen || s.editMode != EditMode::PolylineEntry) {
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

void pointerReleased(Project& p, const PointerEvent& event, PointerFeedback&)
{
    if (event.button == PointerButton::Middle) {
        p.edit.panning = false;
    }
}

void forgetRubberBand(Project& p)
{
    p.edit.rubberBandShown = false;
}

} // namespace zorind
