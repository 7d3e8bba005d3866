#include "gui/app/DrawingArea.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "gui/edit/PointerController.h"

namespace zorind {

namespace {

// Clips the segment to the rectangle (Liang-Barsky). False when nothing of
// it lies inside. Ends inside the rectangle are left exactly as they are.
bool clipToRect(QLineF& line, const QRectF& r)
{
    const double x0 = line.x1();
    const double y0 = line.y1();
    const double dx = line.x2() - x0;
    const double dy = line.y2() - y0;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - r.left(), r.right() - x0, y0 - r.top(), r.bottom() - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    if (t1 < 1.0) {
        line.setP2(QPointF(x0 + t1 * dx, y0 + t1 * dy));
    }
    if (t0 > 0.0) {
        line.setP1(QPointF(x0 + t0 * dx, y0 + t0 * dy));
    }
    return true;
}

// The area a line drawn with a pen of `width` may touch.
QRect lineBounds(QPoint from, QPoint to, int width)
{
    return QRect(from, to).normalized().adjusted(-width - 1, -width - 1, width + 1, width + 1);
}

// Lines are drawn within the area and a margin around it.
QRect drawableBounds(const QWidget& w)
{
    return w.rect().adjusted(-16, -16, 16, 16);
}

} // namespace

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("drawingArea"));
    setAccessibleName(QStringLiteral("Obszar rysunku"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void DrawingArea::repaintModel()
{
    modelDue_ = true;
    update();
}

void DrawingArea::repaintModelNow()
{
    modelDue_ = true;
    repaint();
}

void DrawingArea::ensurePicture()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (picture_.size() != pixels || picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        modelDue_ = true;
    }
    if (!modelDue_ || picture_.isNull()) {
        return;
    }
    modelDue_ = false;
    {
        QPainter painter(&picture_);
        if (paint_) {
            paint_(painter, width(), height());
        } else {
            painter.fillRect(rect(), Qt::white);
        }
    }
    ++modelPaints_;
    if (pointer_ != nullptr) {
        pointer_->modelRepainted();
    }
}

void DrawingArea::drawOnPicture(const std::function<void(QPainter&)>& draw, QRect changed)
{
    if (!pictureCurrent()) {
        return;
    }
    {
        QPainter painter(&picture_);
        draw(painter);
    }
    update(changed.intersected(rect()));
}

void DrawingArea::drawNodeMarker(QPoint topLeft, QPoint bottomRight)
{
    const QRect box = QRect(topLeft, bottomRight).normalized();
    if (!box.intersects(drawableBounds(*this))) {
        return;
    }
    drawOnPicture(
        [box](QPainter& painter) {
            const QColor darkRed(128, 0, 0);
            painter.setPen(darkRed);
            painter.setBrush(darkRed);
            painter.drawEllipse(QRect(box.topLeft(), box.size() - QSize(1, 1)));
        },
        box.adjusted(-1, -1, 1, 1));
}

void DrawingArea::drawElementLine(QPoint from, QPoint to)
{
    QLineF line(from, to);
    if (!clipToRect(line, drawableBounds(*this))) {
        return;
    }
    const QPoint a = line.p1().toPoint();
    const QPoint b = line.p2().toPoint();
    drawOnPicture(
        [a, b](QPainter& painter) {
            painter.setPen(QPen(Qt::black, 1));
            painter.drawLine(a, b);
        },
        lineBounds(a, b, 1));
}

void DrawingArea::invertRubberBand(QPoint from, QPoint to)
{
    const QRect bounds = drawableBounds(*this);
    drawOnPicture([from, to, bounds](QPainter& painter) { invertLine(painter, from, to, bounds); },
                  lineBounds(from, to, 2).intersected(bounds));
}

void DrawingArea::invertLine(QPainter& painter, QPoint from, QPoint to, const QRect& bounds)
{
    QLineF line(from, to);
    if (!clipToRect(line, bounds)) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // White XOR the picture inverts it; XOR twice gives it back.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 2, Qt::DotLine, Qt::FlatCap));
    painter.drawLine(line.p1().toPoint(), line.p2().toPoint());
    painter.restore();
}

void DrawingArea::paintEvent(QPaintEvent* event)
{
    ensurePicture();
    QPainter painter(this);
    const QRect r = event->rect();
    const qreal ratio = picture_.devicePixelRatio();
    painter.drawImage(r, picture_, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void DrawingArea::resizeEvent(QResizeEvent*)
{
    modelDue_ = true;
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
        pointer_->moved(event->position().toPoint(), event->buttons());
    }
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (pointer_ != nullptr) {
        pointer_->released(event->button(), event->position().toPoint());
    }
}

void DrawingArea::wheelEvent(QWheelEvent* event)
{
    if (pointer_ != nullptr) {
        pointer_->wheelTurned(event->angleDelta(), event->position().toPoint());
    }
    event->accept();
}

} // namespace zorind
