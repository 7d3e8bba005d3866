#include "app/DrawingArea.h"

#include <QMouseEvent>
#include <QPainter>

#include "edit/PointerController.h"

namespace zorind {

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("drawingArea"));
    setAccessibleName(QStringLiteral("Obszar rysunku"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DrawingArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (paint_) {
        paint_(painter, width(), height());
    }
    if (pointer_ != nullptr) {
        pointer_->paintOverlay(painter);
    }
}

void DrawingArea::resizeEvent(QResizeEvent*)
{
    if (onResize_) {
        onResize_();
    }
}

void DrawingArea::mousePressEvent(QMouseEvent* event)
{
    if (pointer_ != nullptr) {
        pointer_->pressed(event->button(), event->position().toPoint());
    }
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event)
{
    if (pointer_ != nullptr) {
        pointer_->moved(event->position().toPoint());
    }
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (pointer_ != nullptr) {
        pointer_->released(event->button(), event->position().toPoint());
    }
}

} // namespace zorind
