#include "gui/edit/PointerController.h"

#include <QRect>
#include <algorithm>
#include <optional>

#include "gui/edit/PointerSite.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

namespace {

QPoint toQPoint(PixelPoint p)
{
    return {p.x, p.y};
}

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

std::optional<PointerButton> pointerButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return PointerButton::Left;
    case Qt::RightButton:
        return PointerButton::Right;
    case Qt::MiddleButton:
        return PointerButton::Middle;
    default:
        return std::nullopt;
    }
}

std::optional<DrawingKey> drawingKey(int key, Qt::KeyboardModifiers modifiers)
{
    // Enter on the keypad is Enter all the same.
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers == Qt::ShiftModifier && key == Qt::Key_F10) {
        return DrawingKey::Popup;
    }
    if (modifiers != Qt::NoModifier) {
        return std::nullopt;
    }
    switch (key) {
    case Qt::Key_Escape:
        return DrawingKey::End;
    case Qt::Key_Backspace:
        return DrawingKey::TakeBack;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return DrawingKey::Close;
    case Qt::Key_Menu:
        return DrawingKey::Popup;
    default:
        return std::nullopt;
    }
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
    const std::optional<PointerButton> which = pointerButton(button);
    if (!which) {
        return;
    }
    const PointerEvent event = eventAt(position, *which);
    site_.runCommand([&] { pointerPressed(site_.project(), site_.interaction(), event, *this); },
                     Drawn::GeometryByFeedback);
}

void PointerController::moved(QPoint position, Qt::MouseButtons held)
{
    if (site_.project().edit.panning && !held.testFlag(Qt::MiddleButton)) {
        released(Qt::MiddleButton, position);
    }
    const PointerEvent event = eventAt(position);
    site_.runCommand([&] { pointerMoved(site_.project(), event, *this); }, Drawn::GeometryByFeedback);
}

void PointerController::released(Qt::MouseButton button, QPoint position)
{
    if (const std::optional<PointerButton> which = pointerButton(button)) {
        pointerReleased(site_.project(), eventAt(position, *which), *this);
    }
}

void PointerController::wheelTurned(QPoint angleDelta, QPoint position)
{
    // One event counts for a hundred notches at most, so that the sum
    // cannot overflow however far an event says the wheel turned.
    wheelRemainder_ += std::clamp(angleDelta.y(), -100 * kWheelNotch, 100 * kWheelNotch);
    const int notches = wheelRemainder_ / kWheelNotch;
    if (notches == 0) {
        return;
    }
    wheelRemainder_ -= notches * kWheelNotch;
    const PointerEvent event = eventAt(position);
    site_.runCommand([&] { pointerWheel(site_.project(), event, notches); }, Drawn::Nothing);
}

bool PointerController::keyPressed(int key, Qt::KeyboardModifiers modifiers, QPoint pointer)
{
    const std::optional<DrawingKey> which = drawingKey(key, modifiers);
    if (!which) {
        return false;
    }
    const QSize size = site_.drawingSize();
    if (!QRect(QPoint(0, 0), size).contains(pointer)) {
        pointer = QPoint(size.width() / 2, size.height() / 2);
    }
    const PointerEvent event = eventAt(pointer, PointerButton::Right);
    bool taken = false;
    // What the polyline keys change is painted afresh, as after the popup's
    // commands.
    site_.runCommand([&] { taken = drawingKeyPressed(site_.project(), site_.interaction(), *which, event, *this); },
                     Drawn::Nothing);
    return taken;
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
