#pragma once

#include <QObject>
#include <QPoint>

#include "edit/Pointer.h"

namespace zorind {

class PointerSite;

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
    void moved(QPoint position);
    void released(Qt::MouseButton button, QPoint position);
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

private:
    PointerEvent eventAt(QPoint position, PointerButton button = PointerButton::Left) const;

    PointerSite& site_;
};

} // namespace zorind
