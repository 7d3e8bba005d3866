#include "edit/PointerController.h"

#include <QLabel>
#include <QMenu>

#include "app/DrawingArea.h"
#include "app/TGL.h"
#include "view/NumberFields.h"

namespace zorind {

namespace {

QPoint toQPoint(PixelPoint p)
{
    return {p.x, p.y};
}

} // namespace

PointerController::PointerController(TGL& window) : QObject(&window), window_(window) {}

PointerEvent PointerController::eventAt(QPoint position, PointerButton button) const
{
    const DrawingArea* area = window_.drawingArea();
    PointerEvent event;
    event.button = button;
    event.position = {position.x(), position.y()};
    event.clientWidth = area->width();
    event.clientHeight = area->height();
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
    window_.runGuarded(
        [&] { window_.repaintIf(pointerPressed(window_.project(), window_.interaction(), event, *this)); });
}

void PointerController::moved(QPoint position)
{
    const PointerEvent event = eventAt(position);
    window_.runGuarded([&] { pointerMoved(window_.project(), event, *this); });
}

void PointerController::released(Qt::MouseButton, QPoint position)
{
    pointerReleased(window_.project(), eventAt(position), *this);
}

void PointerController::modelRepainted()
{
    forgetRubberBand(window_.project());
}

QPoint PointerController::popupPoint() const
{
    return toQPoint(window_.project().edit.popupPoint);
}

void PointerController::setStatusText(int panel, std::string_view text)
{
    QLabel* label = window_.statusPanel(panel);
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Moves rewrite the same texts most of the time.
    if (label->text() != value) {
        label->setText(value);
    }
}

void PointerController::drawNodeMarker(PixelPoint topLeft, PixelPoint bottomRight)
{
    window_.drawingArea()->drawNodeMarker(toQPoint(topLeft), toQPoint(bottomRight));
}

void PointerController::drawElementLine(PixelPoint from, PixelPoint to)
{
    window_.drawingArea()->drawElementLine(toQPoint(from), toQPoint(to));
}

void PointerController::invertRubberBand(PixelPoint from, PixelPoint to)
{
    window_.drawingArea()->invertRubberBand(toQPoint(from), toQPoint(to));
}

void PointerController::openPopup(PopupMenu menu, PixelPoint topLeft)
{
    QMenu* popup = menu == PopupMenu::General ? window_.rightPopup() : window_.polylinePopup();
    // Not modal: the chosen command runs from the event loop, after the
    // press has been handled.
    popup->popup(window_.drawingArea()->mapToGlobal(toQPoint(topLeft)));
}

} // namespace zorind
