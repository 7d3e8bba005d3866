#include "core/cad/Curves.h"

#include <algorithm>
#include <cmath>

namespace zorind::cad {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Samples of the parameter fine enough that the polygon through them is as
// long as the curve to about one part in a million.
constexpr int kEllipseSamples = 2048;
constexpr int kSplineSamplesPerSpan = 256;

double dot(Point p, Point q)
{
    return p.x * q.x + p.y * q.y;
}

double norm(Point p)
{
    return std::hypot(p.x, p.y);
}

bool isCircular(const EllipticArc& arc)
{
    const double r = norm(arc.u);
    return std::abs(norm(arc.v) - r) <= 1e-12 * r && std::abs(dot(arc.u, arc.v)) <= 1e-12 * r * r;
}

Point arcPoint(const EllipticArc& arc, double t)
{
    const double c = std::cos(t);
    const double s = std::sin(t);
    return {arc.centre.x + arc.u.x * c + arc.v.x * s, arc.centre.y + arc.u.y * c + arc.v.y * s};
}

int lastControl(const Spline& s)
{
    return static_cast<int>(s.control.size()) - 1;
}

double knot(const Spline& s, int i)
{
    return s.knots[static_cast<std::size_t>(i)];
}

double weight(const Spline& s, int i)
{
    return s.weights.empty() ? 1.0 : s.weights[static_cast<std::size_t>(i)];
}

// de Boor's algorithm in homogeneous coordinates.
Point splinePoint(const Spline& s, double t)
{
    const int p = s.degree;
    const int n = lastControl(s);
    t = std::clamp(t, knot(s, p), knot(s, n + 1));
    int k = p;
    while (k < n && knot(s, k + 1) <= t) {
        ++k;
    }
    struct H {
        double x, y, w;
    };
    std::vector<H> d(static_cast<std::size_t>(p + 1));
    for (int j = 0; j <= p; ++j) {
        const int i = j + k - p;
        const double w = weight(s, i);
        const Point c = s.control[static_cast<std::size_t>(i)];
        d[static_cast<std::size_t>(j)] = {c.x * w, c.y * w, w};
    }
    for (int r = 1; r <= p; ++r) {
        for (int j = p; j >= r; --j) {
            const double left = knot(s, j + k - p);
            const double span = knot(s, j + 1 + k - r) - left;
            const double alpha = span > 0.0 ? (t - left) / span : 0.0;
            H& hi = d[static_cast<std::size_t>(j)];
            const H& lo = d[static_cast<std::size_t>(j - 1)];
            hi = {(1.0 - alpha) * lo.x + alpha * hi.x, (1.0 - alpha) * lo.y + alpha * hi.y,
                  (1.0 - alpha) * lo.w + alpha * hi.w};
        }
    }
    const H& h = d[static_cast<std::size_t>(p)];
    return {h.x / h.w, h.y / h.w};
}

int splineSpans(const Spline& s)
{
    int spans = 0;
    for (int k = s.degree; k <= lastControl(s); ++k) {
        if (knot(s, k + 1) > knot(s, k)) {
            ++spans;
        }
    }
    return spans;
}

// The parameters of a fine division of a curve that is neither a line nor
// a circular arc: even steps over each knot span, or over the ellipse.
std::vector<double> fineParameters(const Piece& piece)
{
    std::vector<double> ts;
    if (const auto* s = std::get_if<Spline>(&piece)) {
        ts.push_back(knot(*s, s->degree));
        for (int k = s->degree; k <= lastControl(*s); ++k) {
            const double a = knot(*s, k);
            const double b = knot(*s, k + 1);
            if (b <= a) {
                continue;
            }
            for (int i = 1; i <= kSplineSamplesPerSpan; ++i) {
                ts.push_back(a + (b - a) * i / kSplineSamplesPerSpan);
            }
        }
        return ts;
    }
    const double t0 = firstParameter(piece);
    const double t1 = lastParameter(piece);
    const int samples = std::max(16, static_cast<int>(kEllipseSamples * std::abs(t1 - t0) / (2.0 * kPi)));
    for (int i = 0; i <= samples; ++i) {
        ts.push_back(t0 + (t1 - t0) * i / samples);
    }
    return ts;
}

// Lengths along the fine division, from 0 at its first parameter.
std::vector<double> runningLengths(const Piece& piece, const std::vector<double>& ts)
{
    std::vector<double> lengths(ts.size(), 0.0);
    Point previous = pointAt(piece, ts.front());
    for (std::size_t i = 1; i < ts.size(); ++i) {
        const Point next = pointAt(piece, ts[i]);
        lengths[i] = lengths[i - 1] + distance(previous, next);
        previous = next;
    }
    return lengths;
}

bool closesOnItself(const Piece& piece)
{
    const double length = lengthOf(piece);
    return distance(startOf(piece), endOf(piece)) <= 1e-9 * length;
}

} // namespace

Affine compose(const Affine& o, const Affine& i)
{
    return {o.a * i.a + o.b * i.c, o.a * i.b + o.b * i.d, o.c * i.a + o.d * i.c, o.c * i.b + o.d * i.d,
            o.a * i.e + o.b * i.f + o.e, o.c * i.e + o.d * i.f + o.f};
}

Affine translation(double dx, double dy)
{
    return {1.0, 0.0, 0.0, 1.0, dx, dy};
}

Affine scaleAndTurn(double sx, double sy, double radians)
{
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {c * sx, -s * sy, s * sx, c * sy, 0.0, 0.0};
}

double distance(Point p, Point q)
{
    return std::hypot(q.x - p.x, q.y - p.y);
}

EllipticArc circularArc(Point centre, double radius, double t0, double t1)
{
    return {centre, {radius, 0.0}, {0.0, radius}, t0, t1};
}

std::variant<Line, EllipticArc> bulgeSegment(Point p, Point q, double bulge)
{
    const double chord = distance(p, q);
    if (bulge == 0.0 || !std::isfinite(bulge) || chord == 0.0) {
        return Line{p, q};
    }
    const double angle = 4.0 * std::atan(bulge);
    // The centre lies off the chord's middle along its left normal, by
    // half the chord times the cotangent of half the included angle.
    const Point middle{(p.x + q.x) / 2.0, (p.y + q.y) / 2.0};
    const Point left{-(q.y - p.y) / chord, (q.x - p.x) / chord};
    const double offset = chord / 2.0 * (1.0 - bulge * bulge) / (2.0 * bulge);
    const Point centre{middle.x + left.x * offset, middle.y + left.y * offset};
    const double radius = chord / 2.0 * (1.0 + bulge * bulge) / (2.0 * std::abs(bulge));
    const double start = std::atan2(p.y - centre.y, p.x - centre.x);
    return circularArc(centre, radius, start, start + angle);
}

bool validSpline(const Spline& s)
{
    if (s.degree < 1 || s.degree > 10 || s.control.size() < static_cast<std::size_t>(s.degree) + 1 ||
        s.knots.size() != s.control.size() + static_cast<std::size_t>(s.degree) + 1) {
        return false;
    }
    if (!s.weights.empty() && s.weights.size() != s.control.size()) {
        return false;
    }
    for (std::size_t i = 0; i < s.knots.size(); ++i) {
        if (!std::isfinite(s.knots[i]) || (i > 0 && s.knots[i] < s.knots[i - 1])) {
            return false;
        }
    }
    for (std::size_t i = 0; i < s.control.size(); ++i) {
        const double w = s.weights.empty() ? 1.0 : s.weights[i];
        if (!std::isfinite(s.control[i].x) || !std::isfinite(s.control[i].y) || !(w > 0.0) || !std::isfinite(w)) {
            return false;
        }
    }
    return knot(s, lastControl(s) + 1) > knot(s, s.degree);
}

Point pointAt(const Piece& piece, double t)
{
    if (const auto* line = std::get_if<Line>(&piece)) {
        // Exact at both ends, so that a line's end is the point the file gave.
        return {std::lerp(line->a.x, line->b.x, t), std::lerp(line->a.y, line->b.y, t)};
    }
    if (const auto* arc = std::get_if<EllipticArc>(&piece)) {
        return arcPoint(*arc, t);
    }
    return splinePoint(std::get<Spline>(piece), t);
}

double firstParameter(const Piece& piece)
{
    if (const auto* arc = std::get_if<EllipticArc>(&piece)) {
        return arc->t0;
    }
    if (const auto* s = std::get_if<Spline>(&piece)) {
        return knot(*s, s->degree);
    }
    return 0.0;
}

double lastParameter(const Piece& piece)
{
    if (const auto* arc = std::get_if<EllipticArc>(&piece)) {
        return arc->t1;
    }
    if (const auto* s = std::get_if<Spline>(&piece)) {
        return knot(*s, lastControl(*s) + 1);
    }
    return 1.0;
}

bool isStraight(const Piece& piece)
{
    return std::holds_alternative<Line>(piece);
}

double lengthOf(const Piece& piece)
{
    if (const auto* line = std::get_if<Line>(&piece)) {
        return distance(line->a, line->b);
    }
    if (const auto* arc = std::get_if<EllipticArc>(&piece); arc != nullptr && isCircular(*arc)) {
        return norm(arc->u) * std::abs(arc->t1 - arc->t0);
    }
    // A little longer than the sum over the fine division, which falls
    // short of the curve: elements cut by it are never longer than asked.
    const std::vector<double> ts = fineParameters(piece);
    return runningLengths(piece, ts).back() * (1.0 + 1e-6);
}

int fewestElements(const Piece& piece)
{
    if (isStraight(piece)) {
        return 1;
    }
    int fewest = 2;
    if (const auto* arc = std::get_if<EllipticArc>(&piece)) {
        fewest = std::max(1, static_cast<int>(std::ceil(std::abs(arc->t1 - arc->t0) / (kPi / 2.0) - 1e-9)));
    } else {
        fewest = std::max(2, splineSpans(std::get<Spline>(piece)));
    }
    return closesOnItself(piece) ? std::max(fewest, 4) : fewest;
}

std::vector<Point> divide(const Piece& piece, int parts)
{
    parts = std::max(parts, 1);
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(parts) + 1);
    const double t0 = firstParameter(piece);
    const double t1 = lastParameter(piece);
    const auto* arc = std::get_if<EllipticArc>(&piece);
    if (isStraight(piece) || (arc != nullptr && isCircular(*arc))) {
        // Even steps of the parameter are even steps along the piece.
        for (int k = 0; k <= parts; ++k) {
            points.push_back(pointAt(piece, k == parts ? t1 : t0 + (t1 - t0) * k / parts));
        }
        return points;
    }
    const std::vector<double> ts = fineParameters(piece);
    const std::vector<double> lengths = runningLengths(piece, ts);
    points.push_back(pointAt(piece, t0));
    std::size_t i = 0;
    for (int k = 1; k < parts; ++k) {
        const double target = lengths.back() * k / parts;
        while (i + 2 < lengths.size() && lengths[i + 1] < target) {
            ++i;
        }
        const double span = lengths[i + 1] - lengths[i];
        const double f = span > 0.0 ? std::clamp((target - lengths[i]) / span, 0.0, 1.0) : 0.0;
        points.push_back(pointAt(piece, ts[i] + f * (ts[i + 1] - ts[i])));
    }
    points.push_back(pointAt(piece, t1));
    return points;
}

Piece transformed(const Piece& piece, const Affine& map)
{
    if (const auto* line = std::get_if<Line>(&piece)) {
        return Line{map.apply(line->a), map.apply(line->b)};
    }
    if (const auto* arc = std::get_if<EllipticArc>(&piece)) {
        return EllipticArc{map.apply(arc->centre), map.turn(arc->u), map.turn(arc->v), arc->t0, arc->t1};
    }
    Spline s = std::get<Spline>(piece);
    for (Point& c : s.control) {
        c = map.apply(c);
    }
    return s;
}

} // namespace zorind::cad
