#include "core/edit/SegmentEntry.h"

#include "core/edit/BoundaryConstruction.h"
#include "core/edit/Picking.h"

namespace zorind {

namespace {

ViewTransform viewAt(const ViewTransform& view, const PointerEvent& event)
{
    ViewTransform v = view;
    if (event.clientWidth > 0 && event.clientHeight > 0) {
        v.clientWidth = event.clientWidth;
        v.clientHeight = event.clientHeight;
    }
    return v;
}

void eraseBand(EditState& s, PointerFeedback& feedback)
{
    if (s.rubberBandShown) {
        feedback.invertRubberBand(s.rubberAnchor, s.rubberEnd);
        s.rubberBandShown = false;
    }
}

void finish(Project& p, PointerFeedback& feedback)
{
    eraseBand(p.edit, feedback);
    p.edit.editMode = EditMode::Idle;
    p.edit.segmentStartSet = false;
    feedback.setStatusText(PanelPrompt, " ");
}

} // namespace

bool startSegmentEntry(Project& p, PointerFeedback& feedback)
{
    const bool repaint = p.edit.editMode == EditMode::PolylineEntry;
    if (repaint) {
        endPolyline(p, feedback);
    }
    p.edit.editMode = EditMode::SegmentEntry;
    p.edit.segmentStartSet = false;
    feedback.setStatusText(PanelPrompt, kSegmentStartPrompt);
    return repaint;
}

bool segmentPressed(Project& p, const PointerEvent& event, PointerFeedback& feedback)
{
    const ViewTransform v = viewAt(p.view, event);
    const int near = nearestNodeWithin(p, v, event.position.x, event.position.y);
    const ModelPoint at = near != 0 ? ModelPoint{p.nodes[near].x, p.nodes[near].y}
                                    : v.pointerModelPosition(event.position.x, event.position.y);
    EditState& s = p.edit;
    if (!s.segmentStartSet) {
        s.segmentStartSet = true;
        s.segmentStart = at;
        feedback.setStatusText(PanelPrompt, kSegmentEndPrompt);
        return false;
    }
    const ModelPoint start = s.segmentStart;
    finish(p, feedback);
    feedback.openSegmentPlot(std::array<ModelPoint, 2>{start, at});
    return true;
}

void segmentMoved(Project& p, const PointerEvent& event, PointerFeedback& feedback)
{
    EditState& s = p.edit;
    eraseBand(s, feedback);
    if (!s.segmentStartSet) {
        return;
    }
    const ViewTransform v = viewAt(p.view, event);
    s.rubberAnchor = {v.toScreenX(s.segmentStart.x), v.toScreenY(s.segmentStart.y)};
    s.rubberEnd = event.position;
    feedback.invertRubberBand(s.rubberAnchor, s.rubberEnd);
    s.rubberBandShown = true;
}

bool segmentKey(Project& p, DrawingKey key, PointerFeedback& feedback)
{
    switch (key) {
    case DrawingKey::End:
        finish(p, feedback);
        return true;
    case DrawingKey::Close:
        finish(p, feedback);
        feedback.openSegmentPlot(std::nullopt);
        return true;
    case DrawingKey::TakeBack:
    case DrawingKey::Popup:
        break;
    }
    return false;
}

} // namespace zorind
