#include "render/Painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "core/exchange/ElasticityResults.h"
#include "core/view/ColourScale.h"
#include "render/ElasticityLayer.h"
#include "render/FieldMapPainter.h"
#include "render/QtColours.h"
#include "render/SupportsLayer.h"

namespace zorind {

namespace {

constexpr int kMaxGridDots = 20000;
// Elements with an end beyond this many pixels are not drawn, which keeps
// the drawing primitives within their coordinate range.
constexpr int kElementPixelLimit = 30000;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kPurple(128, 0, 128);
// The outward-normal ticks of "W. normalne", in pixels.
constexpr double kNormalTick = 12.0;

constexpr const char* kGridOverflowMessage = "Błędne ustawienia siatki !";
constexpr const char* kGridOverflowCaption = "Bład przy odświeżaniu ekranu...";

// A pen of the given width; wide pens have flat ends, so a line ends at its
// end points and a chain of colour segments joins without overlap.
QPen pen(const QColor& colour, int width = 1)
{
    QPen p(colour);
    p.setWidth(width);
    p.setCapStyle(width > 1 ? Qt::FlatCap : Qt::SquareCap);
    return p;
}

// The ellipse whose bounding box runs from (left, top) to (right, bottom).
void ellipse(QPainter& painter, int left, int top, int right, int bottom)
{
    painter.drawEllipse(QRect(left, top, right - left, bottom - top));
}

// Ellipse of half-size `half` around the unrounded pixel position (x, y):
// the offsets are added before truncating.
void marker(QPainter& painter, double x, double y, int half)
{
    ellipse(painter, truncatePixel(x - half), truncatePixel(y - half), truncatePixel(x + half),
            truncatePixel(y + half));
}

void line(QPainter& painter, double x0, double y0, double x1, double y1)
{
    painter.drawLine(QPoint(truncatePixel(x0), truncatePixel(y0)), QPoint(truncatePixel(x1), truncatePixel(y1)));
}

// Opaque text with its top-left corner at (x, y): the text's box is filled
// with the background colour under the text.
class LabelWriter {
public:
    explicit LabelWriter(QPainter& painter) : painter_(painter), ascent_(QFontMetrics(painter.font()).ascent())
    {
        decimalPoint_ = QLocale().decimalPoint().toStdString();
    }

    void write(int x, int y, const QString& text, const QColor& colour, const QColor& background)
    {
        if (x < -kElementPixelLimit || x > kElementPixelLimit || y < -kElementPixelLimit || y > kElementPixelLimit) {
            return; // far outside any device; nothing to see
        }
        const QPen before = painter_.pen();
        painter_.setBackgroundMode(Qt::OpaqueMode);
        painter_.setBackground(background);
        painter_.setPen(colour);
        painter_.drawText(x, y + ascent_, text);
        painter_.setBackgroundMode(Qt::TransparentMode);
        painter_.setPen(before);
    }

    void writeNumber(int x, int y, int number, const QColor& colour, const QColor& background)
    {
        write(x, y, QString::number(number), colour, background);
    }

    void writeValue(int x, int y, double value, const QColor& colour, const QColor& background)
    {
        write(x, y, QString::fromStdString(formatValueLabel(value, decimalPoint_)), colour, background);
    }

    // A scale label within `width` pixels: a label wider than that (an
    // exponent form, a long negative value) is narrowed to fit, so that the
    // bar beside it covers none of it.
    void writeScaleValue(int x, int y, double value, int width, const QColor& colour, const QColor& background)
    {
        const QString text = QString::fromStdString(formatScaleLabel(value, decimalPoint_));
        const double natural = QFontMetricsF(painter_.font()).horizontalAdvance(text);
        if (natural <= width || natural <= 0.0) {
            write(x, y, text, colour, background);
            return;
        }
        painter_.save();
        painter_.translate(x, y);
        painter_.scale(width / natural, 1.0);
        write(0, 0, text, colour, background);
        painter_.restore();
    }

private:
    QPainter& painter_;
    int ascent_;
    std::string decimalPoint_;
};

// The end nodes of element i, or false when its references name no node
// (a damaged model is drawn without that element).
bool elementNodes(const Project& p, int i, Node& start, Node& end)
{
    const Element& e = p.elements[i];
    if (!p.nodes.contains(e.startNode) || !p.nodes.contains(e.endNode)) {
        return false;
    }
    start = p.nodes[e.startNode];
    end = p.nodes[e.endNode];
    return true;
}

float conditionKind(const Project& p, int condition)
{
    if (!p.conditions.contains(condition)) {
        return 0.0f;
    }
    return p.conditions[condition].kind;
}

// Where a number is written beside a model point: two pixels right of it.
QPoint numberPosition(const ViewTransform& v, float x, float y)
{
    return {truncatePixel(v.marginLeft + v.offsetX + 2 + (static_cast<double>(x) - v.areaXMin) * v.scaleX),
            v.toScreenY(y)};
}

// The pixels the toolkit's ellipse covers for an integer box `width` x
// `height` drawn with a 1-pixel pen and a brush, as rows relative to the
// box's top-left corner. On a raster device the ellipse of an integer box
// covers the same pixels wherever it lies.
std::vector<QRect> ellipseRows(int width, int height)
{
    constexpr int border = 2;
    QImage image(width + 2 * border + 1, height + 2 * border + 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(pen(kBlack));
        p.setBrush(kBlack);
        ellipse(p, border, border, border + width, border + height);
    }
    std::vector<QRect> rows;
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width()) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && qAlpha(image.pixel(x, y)) != 0) {
                ++x;
            }
            rows.emplace_back(start - border, y - border, x - start, 1);
        }
    }
    return rows;
}

// The bounding boxes of the grid dots (step 5).
struct GridDots {
    std::vector<QRect> boxes; // left, top, right - left, bottom - top
    bool fits = true;         // false: more than 20000 dots were asked for
};

// The first grid line at or above the area's lower bound: the lines lie on
// the multiples of the step, as the pointer snaps.
float firstGridLine(float low, float step)
{
    if (!(step > 0.0f) || !std::isfinite(step)) {
        return low;
    }
    const double origin = gridOrigin(low, step);
    return saturateToFloat(origin < low ? origin + step : origin);
}

GridDots collectGridDots(const ViewTransform& v)
{
    GridDots grid;
    int columns = 0;
    const float firstY = firstGridLine(v.areaYMin, v.gridStepY);
    // Float loop variables, as the grid has always been stepped; the dot
    // counter also ends a loop whose step is lost in the rounding.
    for (float gx = firstGridLine(v.areaXMin, v.gridStepX); grid.fits && gx <= v.areaXMax; gx += v.gridStepX) {
        const double x = v.screenX(gx);
        const int left = truncatePixel(x - 1);
        const int right = truncatePixel(x + 1);
        for (float gy = firstY; gy <= v.areaYMax; gy += v.gridStepY) {
            const double y = v.screenY(gy);
            const int top = truncatePixel(y - 1);
            grid.boxes.emplace_back(left, top, right - left, truncatePixel(y + 1) - top);
            if (static_cast<int>(grid.boxes.size()) > kMaxGridDots) {
                grid.fits = false;
                break;
            }
        }
        if (++columns > kMaxGridDots) {
            break; // an empty column range never draws a dot
        }
    }
    return grid;
}

bool farAway(const QRect& box)
{
    return std::abs(box.left()) > kElementPixelLimit || std::abs(box.top()) > kElementPixelLimit;
}

// Steps 1 and 5: the white background and the black grid dots. Nothing is
// drawn between the two, so on an unscaled raster device both are composed
// in one image of the client area and drawn at once: twenty thousand
// ellipse calls would take most of a frame. Dots that reach beyond the
// client area, and every dot on other or scaled devices, are drawn as
// ellipses.
void drawBackgroundAndGrid(QPainter& painter, int clientWidth, int clientHeight, const GridDots& grid)
{
    const QPaintEngine* engine = painter.paintEngine();
    const bool raster = engine != nullptr && engine->type() == QPaintEngine::Raster &&
                        painter.deviceTransform().type() == QTransform::TxNone && clientWidth > 0 && clientHeight > 0;
    std::vector<QRect> leftovers;
    if (raster) {
        static const std::vector<QRect> dotRows = ellipseRows(2, 2);
        QImage layer(clientWidth, clientHeight, QImage::Format_RGB32);
        layer.fill(kWhite);
        const QRect inside(0, 0, clientWidth, clientHeight);
        const QRgb black = kBlack.rgb();
        for (const QRect& box : grid.boxes) {
            if (box.width() != 2 || box.height() != 2 || !inside.contains(box.adjusted(-1, -1, 1, 1))) {
                leftovers.push_back(box);
                continue;
            }
            for (const QRect& row : dotRows) {
                QRgb* line = reinterpret_cast<QRgb*>(layer.scanLine(box.top() + row.top()));
                std::fill_n(line + box.left() + row.left(), row.width(), black);
            }
        }
        painter.drawImage(0, 0, layer);
    } else {
        painter.fillRect(0, 0, clientWidth, clientHeight, kWhite);
        leftovers = grid.boxes;
    }
    painter.setPen(pen(kBlack));
    painter.setBrush(kBlack);
    for (const QRect& box : leftovers) {
        if (!farAway(box)) {
            painter.drawEllipse(box);
        }
    }
}

void drawConditionMark(QPainter& painter, const Project& p, int i, Node start, Node end, LabelWriter& labels)
{
    const ViewTransform& v = p.view;
    const Element& e = p.elements[i];
    const float kind = conditionKind(p, e.condition);
    // Elasticity's own kinds: a pressure is a load, a symmetry plane has
    // rollers of its own; the arrows follow over all elements.
    const bool elastic = !isPotentialAnalysis(p.analysisType);
    if (elastic && (kind == static_cast<float>(HeldXKind) || kind == static_cast<float>(HeldYKind))) {
        drawRollers(painter, p, i);
    } else if (kind == 1.0f || (elastic && kind == static_cast<float>(PressureKind))) {
        painter.setPen(pen(kRed, 3));
        painter.drawLine(QPoint(v.toScreenX(start.x), v.toScreenY(start.y)),
                         QPoint(v.toScreenX(end.x), v.toScreenY(end.y)));
    } else {
        double o = v.screenX(start.x);
        double q = v.screenY(start.y);
        const double r = v.screenX(end.x);
        const double s = v.screenY(end.y);
        const double dx = r - o;
        const double dy = s - q;
        double length = std::sqrt(dx * dx + dy * dy);
        if (length == 0.0) {
            length = 1.0;
        }
        // The band lies 10 pixels to the right of the element as seen on
        // the screen (y down), a tick every 5 pixels.
        const double tx = -10.0 * dy / length;
        const double ty = 10.0 * dx / length;
        painter.setPen(pen(kGreen, 2));
        line(painter, o, q, o + tx, q + ty);
        line(painter, r, s, r + tx, s + ty);
        line(painter, o + tx, q + ty, r + tx, s + ty);
        painter.setPen(pen(kGreen, 1));
        for (double w = 5.0; w < length; w += 5.0) {
            line(painter, o, q, o + tx, q + ty);
            o += 5.0 * dx / length;
            q += 5.0 * dy / length;
        }
    }
    painter.setPen(pen(kBlack));
    if (p.display.showBcNumbers == 1) {
        const QPoint at = numberPosition(v, (start.x + end.x) / 2, (start.y + end.y) / 2);
        labels.writeNumber(at.x(), at.y(), e.condition, kNavy, kYellow);
    }
}

// Step 9: every element with its condition marks and numbers.
void drawElements(QPainter& painter, const Project& p, LabelWriter& labels)
{
    const ViewTransform& v = p.view;
    const DisplaySettings& d = p.display;
    painter.setBrush(kBlack);
    painter.setPen(pen(kBlack));
    for (int i = 1; i <= p.elementCount(); ++i) {
        Node start;
        Node end;
        if (!elementNodes(p, i, start, end)) {
            continue;
        }
        const QPoint a(v.toScreenX(start.x), v.toScreenY(start.y));
        const QPoint b(v.toScreenX(end.x), v.toScreenY(end.y));
        if (std::max({std::abs(a.x()), std::abs(a.y()), std::abs(b.x()), std::abs(b.y())}) > kElementPixelLimit) {
            continue;
        }
        painter.setPen(pen(kBlack));
        painter.drawLine(a, b);
        const Element& e = p.elements[i];
        if (d.showBoundaryConditions == 1) {
            drawConditionMark(painter, p, i, start, end, labels);
        }
        if (d.showElementBoundaryNumbers == 1) {
            const QPoint at = numberPosition(v, (start.x + end.x) / 2, (start.y + end.y) / 2);
            labels.writeNumber(at.x(), at.y(), e.boundary, kRed, kYellow);
        }
    }
}

// "W. normalne": a tick from each element's middle along its outward normal,
// to the right of its direction in model units (to the right of the screen
// direction with y down as well), so that a boundary running the wrong way
// round shows its ticks pointing into the body.
void drawNormals(QPainter& painter, const Project& p)
{
    const ViewTransform& v = p.view;
    painter.setPen(pen(kPurple, 2));
    for (int i = 1; i <= p.elementCount(); ++i) {
        Node start;
        Node end;
        if (!elementNodes(p, i, start, end)) {
            continue;
        }
        const double o = v.screenX(start.x);
        const double q = v.screenY(start.y);
        const double dx = v.screenX(end.x) - o;
        const double dy = v.screenY(end.y) - q;
        const double length = std::sqrt(dx * dx + dy * dy);
        const double mx = o + dx / 2.0;
        const double my = q + dy / 2.0;
        if (!(length > 0.0) || farAway(QRect(truncatePixel(mx), truncatePixel(my), 1, 1))) {
            continue;
        }
        line(painter, mx, my, mx - kNormalTick * dy / length, my + kNormalTick * dx / length);
    }
    painter.setPen(pen(kBlack));
}

// Steps 10 and 11: value labels and colour segments of every element; the
// range of the shown quantity becomes the colour scale's.
void colourElements(QPainter& painter, Project& p, const NumberedArray<ResultRecord, kMaxResults>& values,
                    const ColourScaleRange& range, LabelWriter& labels)
{
    const ViewTransform& v = p.view;
    const DisplaySettings& d = p.display;
    std::vector<ColourSegment> segments;
    for (int i : p.elements.numbers()) {
        Node start;
        Node end;
        if (!elementNodes(p, i, start, end)) {
            continue;
        }
        const float a = values[i].slot[1];
        const float m = values[i].slot[2];
        const float b = values[i].slot[3];
        const double o = v.screenX(start.x);
        const double q = v.screenY(start.y);
        const double r = v.screenX(end.x);
        const double s = v.screenY(end.y);
        if (d.showEndValues == 1) {
            labels.writeValue(truncatePixel(o + 8), truncatePixel(q - 12), a, kBlack, kWhite);
            labels.writeValue(truncatePixel(r + 8), truncatePixel(s - 12), b, kBlack, kWhite);
        }
        if (d.showMidValues == 1) {
            labels.writeValue(truncatePixel(o + 2 + (r - o) / 2 + 6), truncatePixel(q + (s - q) / 2 - 12), m, kBlack,
                              kWhite);
        }
        segments.clear();
        appendColourSegments(v, start, end, a, m, b, d.colourSubdivisions, range, segments);
        for (const ColourSegment& seg : segments) {
            painter.setPen(pen(toQColor(p.palette.colours[static_cast<std::size_t>(seg.colour)]), 4));
            painter.drawLine(seg.x0, seg.y0, seg.x1, seg.y1);
        }
    }
    p.scaleRange = range;
    painter.setPen(pen(kBlack));
}

// Step 12: internal points, coloured by the potential range when the
// potential is shown.
void drawInternalPoints(QPainter& painter, const Project& p, const ColourScaleRange& potentialRange,
                        LabelWriter& labels)
{
    const ViewTransform& v = p.view;
    const DisplaySettings& d = p.display;
    const int count = p.internalPointCount();
    const bool coloured = d.showPotential == 1 && p.resultsValid == 1;
    painter.setPen(pen(kGreen));
    painter.setBrush(kWhite);
    for (int i = 1; i <= count; ++i) {
        const InternalPoint& point = p.internalPoints[i];
        const double x = v.screenX(point.x);
        const double y = v.screenY(point.y);
        if (!coloured) {
            marker(painter, x, y, 3);
            continue;
        }
        const QColor colour =
            toQColor(p.palette.colours[static_cast<std::size_t>(colourIndex(point.internalResult, potentialRange))]);
        painter.setPen(pen(colour));
        painter.setBrush(colour);
        marker(painter, x, y, 3);
        painter.setBrush(kWhite);
        if (d.showInternalValues == 1) {
            const int tx = truncatePixel(v.marginLeft + v.offsetX + 2 +
                                         (static_cast<double>(point.x) - v.areaXMin) * v.scaleX + 6);
            labels.writeValue(tx, truncatePixel(y - 6), point.internalResult, kBlack, kWhite);
        }
    }
}

} // namespace

QFont drawingFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

PaintOutcome paintModel(QPainter& painter, Project& p, int clientWidth, int clientHeight, const solver::FieldMap* map,
                        const solver::ArrowField* arrows)
{
    PaintOutcome outcome;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(drawingFont());
    painter.setBackgroundMode(Qt::TransparentMode);
    LabelWriter labels(painter);
    const DisplaySettings& d = p.display;
    ViewTransform& v = p.view;

    // 4. Scales (the window refreshes its tool bars, steps 2 and 3, from
    // toolBarState before it paints).
    v.updateScales(clientWidth, clientHeight);

    // 1 and 5. Background and grid.
    GridDots grid;
    if (v.gridOn == 1) {
        grid = collectGridDots(v);
    }
    drawBackgroundAndGrid(painter, clientWidth, clientHeight, grid);
    if (!grid.fits) {
        outcome.message = PaintMessage{kGridOverflowMessage, kGridOverflowCaption, MessageKind::Plain};
        v.gridOn = 0;
        outcome.repaintRequested = true;
    }

    // The potential map over the background, under the boundary and the
    // labels; it is coloured with the potential's scale.
    if (map != nullptr && p.resultsValid == 1) {
        paintFieldMap(painter, *map, p.palette, regionOutline(p));
        p.scaleRange = map->range;
        outcome.scaleVisible = true;
    }
    if (arrows != nullptr && p.resultsValid == 1) {
        paintFluxArrows(painter, *arrows);
    }

    const int nodes = p.nodeCount();
    // 6. Node markers.
    if (nodes > 0 && d.showNodes == 1) {
        painter.setPen(pen(kBlack));
        painter.setBrush(kYellow);
        for (int i = 1; i <= nodes; ++i) {
            marker(painter, v.screenX(p.nodes[i].x), v.screenY(p.nodes[i].y), 3);
        }
    }
    // 7. Node numbers.
    if (nodes > 0 && d.showNodeNumbers == 1) {
        for (int i = 1; i <= nodes; ++i) {
            const QPoint at = numberPosition(v, p.nodes[i].x, p.nodes[i].y);
            labels.writeNumber(at.x(), at.y(), i, kDarkRed, kWhite);
        }
    }
    // 8. Element numbers, at the midpoint of the element.
    if (p.elementCount() > 0 && d.showElementNumbers == 1) {
        for (int i = 1; i <= p.elementCount(); ++i) {
            Node start;
            Node end;
            if (elementNodes(p, i, start, end)) {
                const QPoint at = numberPosition(v, (start.x + end.x) / 2, (start.y + end.y) / 2);
                labels.writeNumber(at.x(), at.y(), i, kBlue, kWhite);
            }
        }
    }
    // 9. Elements, and the loads of an elasticity model over them.
    if (p.elementCount() > 0 && d.showElements == 1) {
        drawElements(painter, p, labels);
        if (d.showBoundaryConditions == 1 && !isPotentialAnalysis(p.analysisType)) {
            drawLoadArrows(painter, p);
        }
    }
    if (d.normalsFlag == 1) {
        drawNormals(painter, p);
    }

    // 10, 11. Result colouring.
    const ResultRanges ranges = resultRanges(p);
    if (p.resultsValid == 1 && d.showPotential == 1) {
        colourElements(painter, p, p.elementResults, ranges.potential, labels);
        outcome.scaleVisible = true;
    }
    if (p.resultsValid == 1 && d.showFlux == 1) {
        colourElements(painter, p, p.fluxResults, ranges.flux, labels);
        outcome.scaleVisible = true;
    }
    // The elasticity results: the boundary coloured by the reduced stress,
    // and the deformed boundary over the undeformed one.
    if (p.resultsValid == 1 && p.analysisType == Elasticity) {
        if (p.showReducedStress == 1) {
            colourReducedStress(painter, p);
            outcome.scaleVisible = true;
        }
        if (p.showDisplacements == 1) {
            outcome.displacementFactor = displacementFactor(p);
            if (outcome.displacementFactor) {
                drawDeformedBoundary(painter, p, *outcome.displacementFactor);
            }
        }
        painter.setPen(pen(kBlack));
    }

    // 12. Internal points.
    if (p.internalPointCount() > 0 && d.showInternalPoints == 1) {
        drawInternalPoints(painter, p, ranges.potential, labels);
    }

    paintProbeLine(painter, p);

    // The caller's pen, brush and font come back; the window draws its
    // pointer feedback with a painter of its own.
    painter.restore();
    return outcome;
}

void paintColourScale(QPainter& painter, const ColourPalette& palette, const ColourScaleRange& range, int clientWidth,
                      int clientHeight)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(drawingFont());
    painter.fillRect(0, 0, clientWidth, clientHeight, kWhite);
    LabelWriter labels(painter);
    const ColourScaleLayout layout = colourScaleLayout(range, clientHeight);
    // Each stroke covers only about half of its entry's share of the
    // height; round ends, each drawn over the one before, close the gaps
    // into one continuous bar. Every label follows its own stroke, from the
    // top down, so that a label's white background never cuts into the part
    // of the bar drawn after it.
    // Labels end a pixel short of the bar, and stay whole at the bottom.
    const int labelWidth = ColourScaleLayout::strokeX - ColourScaleLayout::strokeWidth / 2 - 1;
    const int lowestLabel = clientHeight - QFontMetrics(painter.font()).height();
    auto nextLabel = layout.labels.begin();
    const auto writeLabelsUpTo = [&](int entry) {
        for (; nextLabel != layout.labels.end() && nextLabel->afterEntry <= entry; ++nextLabel) {
            labels.writeScaleValue(nextLabel->x, std::min(nextLabel->y, lowestLabel), nextLabel->value,
                                   labelWidth - nextLabel->x, kBlack, kWhite);
        }
    };
    for (const ScaleStroke& stroke : layout.strokes) {
        QPen strokePen =
            pen(toQColor(palette.colours[static_cast<std::size_t>(stroke.entry)]), ColourScaleLayout::strokeWidth);
        strokePen.setCapStyle(Qt::RoundCap);
        painter.setPen(strokePen);
        painter.drawLine(ColourScaleLayout::strokeX, stroke.y0, ColourScaleLayout::strokeX, stroke.y1);
        writeLabelsUpTo(stroke.entry);
    }
    writeLabelsUpTo(std::numeric_limits<int>::max());
    painter.restore();
}

} // namespace zorind
