#pragma once

#include <QObject>
#include <QPoint>

#include "core/edit/Pointer.h"
#include "gui/edit/PointerSite.h"

namespace zorind {

// Carries the pointer handlers out on the window: the drawing area hands it
// every press, move and release, it runs the core handlers on the Project
// through the window's command entry point, and it does what they ask
// through the PointerFeedback port: status-bar panels, popup menus,
// markers, new elements and the rubber band drawn onto the drawing area's
// picture.
class PointerController : public QObject, public PointerFeedback {
    Q_OBJECT
public:
    PointerController(PointerSite& site, QObject* parent);

    void pressed(Qt::MouseButton button, QPoint position);
    // `held`: the buttons down during the move (a drag whose release was
    // never seen ends here).
    void moved(QPoint position, Qt::MouseButtons held = Qt::NoButton);
    void released(Qt::MouseButton button, QPoint position);
    // The wheel turned by `angleDelta` (eighths of a degree, 120 a notch;
    // finer wheels add up to whole notches) with the pointer at `position`.
    void wheelTurned(QPoint angleDelta, QPoint position);
    // A key pressed in the main window, the pointer at `pointer` in the
    // drawing area's coordinates. Escape, Backspace and Enter act on the
    // polyline being drawn; Shift+F10 and the context-menu key open the
    // popup at the pointer, or in the middle of the drawing when the pointer
    // is elsewhere. Returns whether the key was taken.
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers, QPoint pointer);
    // The drawing area painted the model afresh: no band is on it any more.
    void modelRepainted();

    // The client-area position of the last right press that opened a
    // popup menu; the popup commands act there.
    QPoint popupPoint() const;

    void setStatusText(int panel, std::string_view text) override;
    void drawNodeMarker(PixelPoint topLeft, PixelPoint bottomRight) override;
    void drawElementLine(PixelPoint from, PixelPoint to) override;
    void invertRubberBand(PixelPoint from, PixelPoint to) override;
    void openPopup(PopupMenu menu, PixelPoint topLeft) override;
    void openSegmentPlot(std::optional<std::array<ModelPoint, 2>> ends) override { site_.openSegmentPlot(ends); }

private:
    PointerEvent eventAt(QPoint position, PointerButton button = PointerButton::Left) const;

    PointerSite& site_;
    // Wheel rotation not yet amounting to a notch.
    int wheelRemainder_ = 0;
};

} // namespace zorind
