#include "gui/app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zorind {

namespace {

const char* themeName(IconKind kind)
{
    switch (kind) {
    case IconKind::New:
        return "document-new";
    case IconKind::Open:
        return "document-open";
    case IconKind::Save:
        return "document-save";
    case IconKind::ZoomIn:
        return "zoom-in";
    case IconKind::ZoomOut:
        return "zoom-out";
    case IconKind::Undo:
        return "edit-undo";
    case IconKind::Redo:
        return "edit-redo";
    default:
        return nullptr;
    }
}

void drawText(QPainter& p, const QString& text, const QColor& colour, int pixelSize)
{
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, text);
}

void drawMagnifier(QPainter& p, bool plus)
{
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
    if (plus) {
        p.drawLine(QPointF(10, 7), QPointF(10, 13));
    }
}

void drawNodes(QPainter& p)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(4, 18), QPointF(12, 6));
    p.drawLine(QPointF(12, 6), QPointF(20, 16));
    p.setBrush(Qt::yellow);
    for (QPointF pt : {QPointF(4, 18), QPointF(12, 6), QPointF(20, 16)}) {
        p.drawRect(QRectF(pt.x() - 2.5, pt.y() - 2.5, 5, 5));
    }
}

QPixmap drawn(IconKind kind)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case IconKind::New:
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 3, 14, 18));
        break;
    case IconKind::Open:
        p.setPen(QPen(QColor(120, 80, 0), 1.2));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(3, 7, 18, 13));
        p.drawRect(QRectF(3, 5, 7, 3));
        break;
    case IconKind::Save:
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(QColor(60, 90, 160));
        p.drawRect(QRectF(4, 4, 16, 16));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 4, 10, 6));
        break;
    case IconKind::Polyline:
        drawNodes(p);
        break;
    case IconKind::Circle:
        p.setPen(QPen(Qt::black, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 12), 8, 8);
        break;
    case IconKind::AddCondition:
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(QPointF(3, 16), QPointF(21, 16));
        p.setPen(QPen(QColor(0, 160, 0), 1));
        for (int x = 4; x <= 20; x += 4) {
            p.drawLine(QPointF(x, 17), QPointF(x - 2, 21));
        }
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(12, 3), QPointF(12, 11));
        p.drawLine(QPointF(8, 7), QPointF(16, 7));
        break;
    case IconKind::NodeNumbers:
        drawNodes(p);
        drawText(p, QStringLiteral("1"), Qt::blue, 11);
        break;
    case IconKind::ElementNumbers:
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(3, 18), QPointF(21, 18));
        drawText(p, QStringLiteral("e"), Qt::blue, 14);
        break;
    case IconKind::ShowConditions:
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        p.setPen(QPen(QColor(0, 160, 0), 1));
        for (int x = 4; x <= 20; x += 3) {
            p.drawLine(QPointF(x, 13), QPointF(x - 2, 18));
        }
        break;
    case IconKind::BoundaryNumbers:
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4, 4, 16, 16));
        drawText(p, QStringLiteral("B"), Qt::darkGreen, 11);
        break;
    case IconKind::ZoomIn:
        drawMagnifier(p, true);
        break;
    case IconKind::ZoomOut:
        drawMagnifier(p, false);
        break;
    case IconKind::Pan:
        p.setPen(QPen(Qt::gray, 2));
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        break;
    case IconKind::Solve:
        drawText(p, QStringLiteral("="), QColor(180, 0, 0), 20);
        break;
    case IconKind::Results:
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 3, 16, 18));
        for (int y = 7; y <= 18; y += 4) {
            p.drawLine(QPointF(7, y), QPointF(17, y));
        }
        break;
    case IconKind::Potential: {
        QLinearGradient g(0, 0, 24, 0);
        g.setColorAt(0, QColor(0, 150, 242));
        g.setColorAt(0.5, QColor(0, 205, 0));
        g.setColorAt(1, QColor(200, 0, 0));
        p.fillRect(QRectF(2, 15, 20, 6), g);
        drawText(p, QStringLiteral("T"), Qt::black, 12);
        break;
    }
    case IconKind::Flux: {
        QLinearGradient g(0, 0, 24, 0);
        g.setColorAt(0, QColor(0, 150, 242));
        g.setColorAt(1, QColor(200, 0, 0));
        p.fillRect(QRectF(2, 15, 20, 6), g);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(12, 3), QPointF(12, 12));
        p.drawLine(QPointF(9, 9), QPointF(12, 12));
        p.drawLine(QPointF(15, 9), QPointF(12, 12));
        break;
    }
    case IconKind::AddBoundary:
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(10, 13), 7, 7);
        p.setPen(QPen(Qt::darkGreen, 2));
        p.drawLine(QPointF(19, 2), QPointF(19, 10));
        p.drawLine(QPointF(15, 6), QPointF(23, 6));
        break;
    case IconKind::Undo:
    case IconKind::Redo: {
        // A curved arrow, to the left for undo.
        const bool back = kind == IconKind::Undo;
        const auto x = [back](double v) { return back ? v : 24.0 - v; };
        QPainterPath arc;
        arc.moveTo(x(6), 10);
        arc.cubicTo(x(10), 4, x(20), 5, x(19), 14);
        arc.cubicTo(x(18.5), 17, x(16), 19, x(13), 19);
        p.setPen(QPen(QColor(0, 90, 160), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        p.setBrush(QColor(0, 90, 160));
        p.drawPolygon(QPolygonF({QPointF(x(3), 6), QPointF(x(10), 6.5), QPointF(x(5), 13)}));
        break;
    }
    case IconKind::None:
        break;
    }
    return pixmap;
}

} // namespace

QIcon toolIcon(IconKind kind)
{
    if (kind == IconKind::None) {
        return {};
    }
    const QIcon fallback(drawn(kind));
    if (const char* name = themeName(kind)) {
        return QIcon::fromTheme(QString::fromLatin1(name), fallback);
    }
    return fallback;
}

} // namespace zorind
