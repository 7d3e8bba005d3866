#include "render/FieldMapPainter.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/view/ColourScale.h"
#include "render/Painter.h"
#include "render/QtColours.h"

namespace zorind {

QImage fieldMapImage(const solver::FieldMap& map, const ColourPalette& palette)
{
    QImage image(std::max(map.columns, 1), std::max(map.rows, 1), QImage::Format_ARGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::transparent);
    for (int row = 0; row < map.rows; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < map.columns; ++column) {
            const double v = map.at(column, row);
            if (std::isfinite(v)) {
                const Rgb c = palette.colours[static_cast<std::size_t>(colourIndex(v, map.range))];
                line[column] = qRgb(c.r, c.g, c.b);
            }
        }
    }
    return image;
}

void paintFieldMap(QPainter& painter, const solver::FieldMap& map, const ColourPalette& palette)
{
    if (map.columns <= 0 || map.rows <= 0) {
        return;
    }
    const QImage image = fieldMapImage(map, palette);
    if (image.isNull()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(0, 0, map.columns * map.cell, map.rows * map.cell), image);
    const std::vector<solver::IsolineSegment> segments = solver::isolineSegments(map);
    std::vector<QLineF> lines;
    lines.reserve(segments.size());
    for (const solver::IsolineSegment& s : segments) {
        lines.emplace_back(s.x0, s.y0, s.x1, s.y1);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(40, 40, 40), 0.8));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
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
