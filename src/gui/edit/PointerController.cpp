#include "edit/PointerController.h"

#include "edit/PointerSite.h"
#include "widgets/NumberFields.h"

namespace zorind {

namespace {

QPoint toQPoint(PixelPoint p)
{
    return {p.x, p.y};
}

} // namespace

PointerController::PointerController(PointerSite& site, QObject* parent) : QObject(parent), site_(site) {}

PointerEvent PointerController::eventAt(QPoint position, PointerButton button) const
{
    const QSize size = site_.drawingSize();
    PointerEvent event;
    event.button = button;
    event.position = {position.x(), position.y()};
    event.clientWidth = size.width();
    event.clientHeight = size.height();
    event.decimalSeparator = decimalSeparator();
    return event;
}

void PointerController::pressed(Qt::MouseButton button, QPoint position)
{
    PointerButton which = PointerButton::Left;
    switch (button) {
    case Qt::LeftButton:
        break;
    case Qt::RightButton:
        which = PointerButton::Right;
        break;
    case Qt::MiddleButton:
        which = PointerButton::Middle;
        break;
    default:
        return;
    }
    const PointerEvent event = eventAt(position, which);
    site_.runCommand([&] { pointerPressed(site_.project(), site_.interaction(), event, *this); },
                     Drawn::GeometryByFeedback);
}

void PointerController::moved(QPoint position)
{
    const PointerEvent event = eventAt(position);
    site_.runCommand([&] { pointerMoved(site_.project(), event, *this); }, Drawn::GeometryByFeedback);
}

void PointerController::released(Qt::MouseButton, QPoint position)
{
    pointerReleased(site_.project(), eventAt(position), *this);
}

void PointerController::modelRepainted()
{
    forgetRubberBand(site_.project());
}

QPoint PointerController::popupPoint() const
{
    return toQPoint(site_.project().edit.popupPoint);
}

void PointerController::setStatusText(int panel, std::string_view text)
{
    site_.setStatusText(panel, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PointerController::drawNodeMarker(PixelPoint topLeft, PixelPoint bottomRight)
{
    site_.drawNodeMarker(toQPoint(topLeft), toQPoint(bottomRight));
}

void PointerController::drawElementLine(PixelPoint from, PixelPoint to)
{
    site_.drawElementLine(toQPoint(from), toQPoint(to));
}

void PointerController::invertRubberBand(PixelPoint from, PixelPoint to)
{
    site_.invertRubberBand(toQPoint(from), toQPoint(to));
}

void PointerController::openPopup(PopupMenu menu, PixelPoint topLeft)
{
    site_.openPopupMenu(menu, toQPoint(topLeft));
}

} // namespace zorind
