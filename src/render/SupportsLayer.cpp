#include "render/SupportsLayer.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "core/exchange/ElasticConditions.h"

namespace zorind {

namespace {

const QColor kLoadColour(255, 0, 0);
const QColor kHeldColour(0, 128, 0);

// Nothing is drawn beyond this many pixels, as on the rest of the drawing.
constexpr double kPixelLimit = 30000.0;
// The largest load's arrow, and the spacing of arrows and rollers.
constexpr double kLongestArrow = 40.0;
constexpr double kArrowSpacing = 25.0;
constexpr double kRollerSpacing = 14.0;

struct Vec {
    double x = 0.0;
    double y = 0.0;
};

Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y};
}

Vec operator*(double k, Vec a)
{
    return {k * a.x, k * a.y};
}

bool drawable(Vec p)
{
    return std::abs(p.x) <= kPixelLimit && std::abs(p.y) <= kPixelLimit; // false for NaN too
}

void line(QPainter& painter, Vec a, Vec b)
{
    if (drawable(a) && drawable(b)) {
        painter.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
    }
}

QPen flatPen(const QColor& colour, int width)
{
    QPen p(colour);
    p.setWidth(width);
    p.setCapStyle(Qt::FlatCap);
    return p;
}

// An element's end pixels, unrounded; nothing when a node does not exist.
std::optional<std::array<Vec, 2>> elementPixels(const Project& p, int element)
{
    const Element& e = p.elements[element];
    if (!p.nodes.contains(e.startNode) || !p.nodes.contains(e.endNode)) {
        return std::nullopt;
    }
    const ViewTransform& v = p.view;
    const Node& a = p.nodes[e.startNode];
    const Node& b = p.nodes[e.endNode];
    return std::array<Vec, 2>{Vec{v.screenX(a.x), v.screenY(a.y)}, Vec{v.screenX(b.x), v.screenY(b.y)}};
}

// How many marks fit along `length` pixels at `spacing`: at least one.
int markCount(double length, double spacing)
{
    return std::max(1, static_cast<int>(std::min(length / spacing, 1000.0)));
}

// A model direction on the screen (y down).
Vec onScreen(Vec d)
{
    return {d.x, -d.y};
}

Vec onScreen(std::array<double, 2> d)
{
    return onScreen(Vec{d[0], d[1]});
}

// The given tractions at s along the element (0 start, 1 end), quadratic
// through the start, middle and end values; held components are zero.
Vec tractionAt(const ElasticElementConditions& c, double s)
{
    const double w0 = (1.0 - s) * (1.0 - 2.0 * s);
    const double w1 = 4.0 * s * (1.0 - s);
    const double w2 = s * (2.0 * s - 1.0);
    std::array<double, 2> t{};
    for (std::size_t k = 0; k < 2; ++k) {
        if (!c.held[k]) {
            t[k] = w0 * c.at[0][k] + w1 * c.at[1][k] + w2 * c.at[2][k];
        }
    }
    return {t[0], t[1]};
}

double largestLoad(const Project& p)
{
    double largest = 0.0;
    for (int e : p.elements.numbers()) {
        if (const std::optional<ElasticElementConditions> c = elasticElementConditions(p, e)) {
            for (const double s : {0.0, 0.5, 1.0}) {
                const Vec t = tractionAt(*c, s);
                largest = std::max(largest, std::hypot(t.x, t.y));
            }
        }
    }
    return std::isfinite(largest) ? largest : 0.0;
}

// An arrow from `tail` to `tip` with a two-stroke head.
void arrow(QPainter& painter, Vec tail, Vec tip)
{
    line(painter, tail, tip);
    const double length = std::hypot(tip.x - tail.x, tip.y - tail.y);
    const double head = std::min(7.0, 0.5 * length);
    const Vec back{(tail.x - tip.x) / length, (tail.y - tip.y) / length};
    constexpr double c = 0.906; // cos 25°
    constexpr double s = 0.423; // sin 25°
    line(painter, tip, tip + head * Vec{c * back.x - s * back.y, s * back.x + c * back.y});
    line(painter, tip, tip + head * Vec{c * back.x + s * back.y, -s * back.x + c * back.y});
}

void drawElementArrows(QPainter& painter, const Project& p, int element, double pixelsPerLoad)
{
    const std::optional<ElasticElementConditions> c = elasticElementConditions(p, element);
    const std::optional<std::array<Vec, 2>> ends = elementPixels(p, element);
    if (!c || !ends || (c->held[0] && c->held[1])) {
        return;
    }
    const Vec a = (*ends)[0];
    const Vec b = (*ends)[1];
    const Vec out = onScreen(outwardNormal(p, element));
    const int count = markCount(std::hypot(b.x - a.x, b.y - a.y), kArrowSpacing);
    for (int k = 0; k < count; ++k) {
        const double s = (k + 0.5) / count;
        const Vec t = onScreen(tractionAt(*c, s));
        const double length = pixelsPerLoad * std::hypot(t.x, t.y);
        if (!(length >= 3.0)) {
            continue; // too small a load to show which way it acts
        }
        const Vec along = (length / std::hypot(t.x, t.y)) * t;
        const Vec at = a + s * Vec{b.x - a.x, b.y - a.y};
        if (along.x * out.x + along.y * out.y < 0.0) {
            arrow(painter, at + (-1.0) * along, at);
        } else {
            arrow(painter, at, at + along);
        }
    }
}

} // namespace

void drawRollers(QPainter& painter, const Project& p, int element)
{
    const std::optional<ElasticElementConditions> c = elasticElementConditions(p, element);
    const std::optional<std::array<Vec, 2>> ends = elementPixels(p, element);
    if (!c || !ends || c->held[0] == c->held[1]) {
        return;
    }
    const Vec a = (*ends)[0];
    const Vec b = (*ends)[1];
    painter.save();
    painter.setPen(flatPen(kHeldColour, 2));
    line(painter, a, b);
    // The held direction on the screen, turned to the side out of the body.
    const std::array<double, 2> n = outwardNormal(p, element);
    const std::size_t held = c->held[0] ? 0 : 1;
    const double side = n[held] < 0.0 ? -1.0 : 1.0;
    const Vec off = onScreen(held == 0 ? std::array<double, 2>{side, 0.0} : std::array<double, 2>{0.0, side});
    const Vec across{-off.y, off.x};
    painter.setPen(flatPen(kHeldColour, 1));
    painter.setBrush(Qt::NoBrush);
    const int count = markCount(std::hypot(b.x - a.x, b.y - a.y), kRollerSpacing);
    for (int k = 0; k < count; ++k) {
        const Vec at = a + ((k + 0.5) / count) * Vec{b.x - a.x, b.y - a.y};
        const Vec centre = at + 4.0 * off;
        if (drawable(centre)) {
            painter.drawEllipse(QPointF(centre.x, centre.y), 3.0, 3.0);
        }
        // Ground lines as long as the spacing join into one.
        const Vec ground = at + 8.0 * off;
        const double half = 0.5 * std::hypot(b.x - a.x, b.y - a.y) / count;
        line(painter, ground + (-half) * across, ground + half * across);
    }
    painter.restore();
}

void drawLoadArrows(QPainter& painter, const Project& p)
{
    const double largest = largestLoad(p);
    if (!(largest > 0.0)) {
        return;
    }
    painter.save();
    painter.setPen(flatPen(kLoadColour, 1));
    for (int e : p.elements.numbers()) {
        drawElementArrows(painter, p, e, kLongestArrow / largest);
    }
    painter.restore();
}

} // namespace zorind
