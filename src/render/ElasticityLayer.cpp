#include "render/ElasticityLayer.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/exchange/ElasticityResults.h"
#include "core/postprocess/Balance.h"
#include "core/view/ColourScale.h"
#include "render/QtColours.h"

namespace zorind {

namespace {

// Elements with an end beyond this many pixels are not drawn, as on the
// rest of the drawing.
constexpr double kDrawnPixelLimit = 30000.0;

QPen flatPen(const QColor& colour, int width)
{
    QPen p(colour);
    p.setWidth(width);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

// The node of the largest reduced stress: a ring round it and the value
// beside it, as the labels on the drawing write values.
void markLargestStress(QPainter& painter, const Project& p)
{
    const std::optional<LargestStress> largest = largestReducedStress(p);
    if (!largest) {
        return;
    }
    const Node& node = p.nodes[largest->node];
    const double x = p.view.screenX(node.x);
    const double y = p.view.screenY(node.y);
    if (!(std::abs(x) <= kDrawnPixelLimit && std::abs(y) <= kDrawnPixelLimit)) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(255, 0, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(x, y), 7.0, 7.0);
    const QString text =
        QStringLiteral("max ") +
        QString::fromStdString(formatValueLabel(largest->value, QLocale().decimalPoint().toStdString()));
    painter.setPen(QColor(0, 0, 0));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(255, 255, 255));
    painter.drawText(QPointF(x + 10.0, y - 10.0), text);
    painter.restore();
}

} // namespace

void colourReducedStress(QPainter& painter, Project& p)
{
    const ColourScaleRange range = reducedStressRange(p);
    std::vector<ColourSegment> segments;
    for (const Element& e : p.elements) {
        if (!p.nodes.contains(e.startNode) || !p.nodes.contains(e.endNode)) {
            continue;
        }
        const float a = elasticityValues(p, e.startNode)[8];
        const float b = elasticityValues(p, e.endNode)[8];
        const float m = static_cast<float>(0.5 * (static_cast<double>(a) + static_cast<double>(b)));
        segments.clear();
        appendColourSegments(p.view, p.nodes[e.startNode], p.nodes[e.endNode], a, m, b, p.display.colourSubdivisions,
                             range, segments);
        for (const ColourSegment& s : segments) {
            painter.setPen(flatPen(toQColor(p.palette.colours[static_cast<std::size_t>(s.colour)]), 4));
            painter.drawLine(s.x0, s.y0, s.x1, s.y1);
        }
    }
    p.scaleRange = range;
    markLargestStress(painter, p);
}

void drawDeformedBoundary(QPainter& painter, const Project& p, double factor)
{
    const ViewTransform& v = p.view;
    const auto moved = [&](int n) {
        const std::array<float, 9> r = elasticityValues(p, n);
        return QPointF(v.screenX(p.nodes[n].x + factor * r[0]), v.screenY(p.nodes[n].y + factor * r[1]));
    };
    painter.setPen(flatPen(QColor(0, 0, 255), 2));
    for (const Element& e : p.elements) {
        if (!p.nodes.contains(e.startNode) || !p.nodes.contains(e.endNode)) {
            continue;
        }
        const QPointF a = moved(e.startNode);
        const QPointF b = moved(e.endNode);
        // A NaN coordinate fails the comparison: such an element is left out too.
        if (!(std::max({std::abs(a.x()), std::abs(a.y()), std::abs(b.x()), std::abs(b.y())}) <= kDrawnPixelLimit)) {
            continue;
        }
        painter.drawLine(QPoint(truncatePixel(a.x()), truncatePixel(a.y())),
                         QPoint(truncatePixel(b.x()), truncatePixel(b.y())));
    }
}

} // namespace zorind
