#include "render/FieldMapPainter.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/solver/Region.h"
#include "core/view/ColourScale.h"
#include "render/Painter.h"
#include "render/QtColours.h"

namespace zorind {

namespace {

// A polyline as a smooth curve: through the middles of its pieces, each
// point of the line a control point between them, from its first point to
// its last (a closed line goes round without a corner).
QPainterPath smoothCurve(const std::vector<solver::IsolinePoint>& points)
{
    QPainterPath path;
    if (points.size() < 2) {
        return path;
    }
    const auto mid = [](const solver::IsolinePoint& a, const solver::IsolinePoint& b) {
        return QPointF((a.x + b.x) / 2.0, (a.y + b.y) / 2.0);
    };
    const bool closed = points.size() > 2 && points.front().x == points.back().x && points.front().y == points.back().y;
    const std::size_t n = points.size();
    if (closed) {
        path.moveTo(mid(points[n - 2], points[0]));
        for (std::size_t i = 0; i + 1 < n; ++i) {
            path.quadTo(QPointF(points[i].x, points[i].y), mid(points[i], points[i + 1]));
        }
        path.closeSubpath();
        return path;
    }
    path.moveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        path.quadTo(QPointF(points[i].x, points[i].y), mid(points[i], points[i + 1]));
    }
    path.lineTo(points[n - 1].x, points[n - 1].y);
    return path;
}

// The share of the pixel position (x, y) an antialiased mask covers,
// bilinear between its pixel centres; 0 beyond the mask.
double coverageAt(const QImage& mask, double x, double y)
{
    const double u = x - 0.5;
    const double v = y - 0.5;
    const int x0 = static_cast<int>(std::floor(std::clamp(u, -1.0, static_cast<double>(mask.width()))));
    const int y0 = static_cast<int>(std::floor(std::clamp(v, -1.0, static_cast<double>(mask.height()))));
    const auto alpha = [&](int px, int py) {
        if (px < 0 || py < 0 || px >= mask.width() || py >= mask.height()) {
            return 0.0;
        }
        return mask.constScanLine(py)[px] / 255.0;
    };
    const double fx = std::clamp(u - x0, 0.0, 1.0);
    const double fy = std::clamp(v - y0, 0.0, 1.0);
    const double top = alpha(x0, y0) + fx * (alpha(x0 + 1, y0) - alpha(x0, y0));
    const double bottom = alpha(x0, y0 + 1) + fx * (alpha(x0 + 1, y0 + 1) - alpha(x0, y0 + 1));
    return top + fy * (bottom - top);
}

} // namespace

QImage fieldMapImage(const solver::FieldMap& map, const std::vector<double>& values, const ColourPalette& palette)
{
    const int width = std::max(map.columns * map.cell, 1);
    const int height = std::max(map.rows * map.cell, 1);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    std::vector<QRgb> colours(palette.colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        colours[i] = qRgb(palette.colours[i].r, palette.colours[i].g, palette.colours[i].b);
    }
    std::vector<double> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        solver::interpolatedRow(map, values, y, width, row.data());
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double v = row[static_cast<std::size_t>(x)];
            line[x] = std::isfinite(v) ? colours[static_cast<std::size_t>(colourIndex(v, map.range))] : 0;
        }
    }
    return image;
}

QPainterPath regionOutline(const Project& project)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    const ViewTransform& v = project.view;
    for (const std::vector<solver::RegionPoint>& loop : solver::Region(project).outlines()) {
        if (loop.size() < 3) {
            continue;
        }
        path.moveTo(v.screenX(loop[0].x), v.screenY(loop[0].y));
        for (std::size_t i = 1; i < loop.size(); ++i) {
            path.lineTo(v.screenX(loop[i].x), v.screenY(loop[i].y));
        }
        path.closeSubpath();
    }
    return path;
}

void paintFieldMap(QPainter& painter, const solver::FieldMap& map, const ColourPalette& palette,
                   const QPainterPath& region)
{
    if (map.columns <= 0 || map.rows <= 0) {
        return;
    }
    const std::vector<double> values = solver::extendedValues(map);
    QImage image = fieldMapImage(map, values, palette);
    if (image.isNull()) {
        return;
    }
    solver::PixelPredicate inside;
    QImage coverage; // outlives the block: `inside` reads it while the isolines are cut
    if (!region.isEmpty()) {
        // The region's coverage of each pixel, antialiased, taken into the
        // image itself: every device, a vector drawing's too, shows the same
        // edge without a clip of its own.
        coverage = QImage(image.size(), QImage::Format_Alpha8);
        coverage.fill(Qt::transparent);
        {
            QPainter mask(&coverage);
            mask.setRenderHint(QPainter::Antialiasing, true);
            mask.fillPath(region, Qt::black);
        }
        QPainter cut(&image);
        cut.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        cut.drawImage(0, 0, coverage);
        // Inside where the coverage between pixel centres is half or more.
        inside = [&coverage](double x, double y) { return coverageAt(coverage, x, y) >= 0.5; };
    }
    painter.save();
    painter.drawImage(QPointF(0, 0), image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    QPen pen(QColor(40, 40, 40), 0.8);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    QPainterPath lines;
    for (const solver::Isoline& line : solver::isolines(map, values, inside)) {
        lines.addPath(smoothCurve(line.points));
    }
    painter.drawPath(lines);
    painter.restore();
}

void paintFluxArrows(QPainter& painter, const solver::ArrowField& arrows)
{
    QPainterPath path;
    for (const solver::FieldArrow& a : arrows.arrows) {
        const double length = std::hypot(a.dx, a.dy);
        if (!(length >= 1.0)) {
            continue; // too weak to show a direction
        }
        const QPointF tail(a.x - a.dx / 2.0, a.y - a.dy / 2.0);
        const QPointF head(a.x + a.dx / 2.0, a.y + a.dy / 2.0);
        path.moveTo(tail);
        path.lineTo(head);
        // The head: two strokes a quarter of the length long (3 to 6
        // pixels), 25° off the shaft.
        const double size = std::clamp(length / 4.0, 3.0, 6.0);
        const double ux = a.dx / length;
        const double uy = a.dy / length;
        const double c = std::cos(0.436);
        const double s = std::sin(0.436);
        path.moveTo(head);
        path.lineTo(head.x() - size * (c * ux - s * uy), head.y() - size * (s * ux + c * uy));
        path.moveTo(head);
        path.lineTo(head.x() - size * (c * ux + s * uy), head.y() - size * (-s * ux + c * uy));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    QPen pen(QColor(0, 0, 0), 1.2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawPath(path);
    painter.restore();
}

void paintProbeLine(QPainter& painter, const Project& project)
{
    const Session::ProbeLine& line = project.probeLine;
    if (!line.shown) {
        return;
    }
    const ViewTransform& v = project.view;
    const QPointF from(v.screenX(line.x0), v.screenY(line.y0));
    const QPointF to(v.screenX(line.x1), v.screenY(line.y1));
    constexpr double kLimit = 30000.0;
    if (!(std::abs(from.x()) < kLimit && std::abs(from.y()) < kLimit && std::abs(to.x()) < kLimit &&
          std::abs(to.y()) < kLimit)) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor magenta(200, 0, 200);
    painter.setPen(QPen(magenta, 2, Qt::DashLine));
    painter.drawLine(from, to);
    painter.setPen(QPen(magenta, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(from, 4.0, 4.0);
    painter.setBrush(magenta);
    painter.drawEllipse(to, 3.0, 3.0);
    painter.restore();
}

void paintScaleLegend(QPainter& painter, const ColourPalette& palette, const ColourScaleRange& range, int clientWidth,
                      int clientHeight)
{
    // The labels reach a little above the first stroke and below the last:
    // a margin keeps the end values whole on a picture lower than the window.
    constexpr int kMargin = 10;
    const int height = std::min(clientHeight - 2 * kMargin, kScaleWindowHeight);
    if (height <= 0) {
        return;
    }
    painter.save();
    painter.translate(clientWidth - kScaleWindowWidth, std::max(0, (clientHeight - height) / 2));
    painter.setClipRect(0, -kMargin, kScaleWindowWidth, height + 2 * kMargin);
    paintColourScale(painter, palette, range, kScaleWindowWidth, height);
    painter.restore();
}

} // namespace zorind
