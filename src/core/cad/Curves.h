#pragma once

#include <variant>
#include <vector>

namespace zorind::cad {

// A point of a drawing, in double precision until it becomes a node.
struct Point {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const Point&, const Point&) = default;
};

// x' = a·x + b·y + e, y' = c·x + d·y + f: a block's placement, a mirror.
struct Affine {
    double a = 1.0;
    double b = 0.0;
    double c = 0.0;
    double d = 1.0;
    double e = 0.0;
    double f = 0.0;

    Point apply(Point p) const { return {a * p.x + b * p.y + e, c * p.x + d * p.y + f}; }
    // The linear part only, for directions.
    Point turn(Point v) const { return {a * v.x + b * v.y, c * v.x + d * v.y}; }
};

// `outer` after `inner`: inner's result is what outer maps.
Affine compose(const Affine& outer, const Affine& inner);
Affine translation(double dx, double dy);
// Scaling by sx, sy, then turning by `radians`, about the origin.
Affine scaleAndTurn(double sx, double sy, double radians);

struct Line {
    Point a;
    Point b;
};

// c + u·cos t + v·sin t for t from t0 to t1 (t1 below t0 runs backwards):
// circles and their arcs (u, v perpendicular and of one length), ellipses
// and their arcs, and the images of all of these under an Affine.
struct EllipticArc {
    Point centre;
    Point u;
    Point v;
    double t0 = 0.0;
    double t1 = 0.0;
};

// A non-uniform rational B-spline of `degree`, over its knots from
// knots[degree] to knots[control.size()]; weights one per control point.
struct Spline {
    int degree = 3;
    std::vector<double> knots;
    std::vector<Point> control;
    std::vector<double> weights;
};

using Piece = std::variant<Line, EllipticArc, Spline>;

// The arc a polyline's bulge makes of the segment from p to q: the bulge is
// the tangent of a quarter of the included angle, positive counter-clockwise.
// A bulge of 0 (or a segment of no length) is no arc: nothing.
std::variant<Line, EllipticArc> bulgeSegment(Point p, Point q, double bulge);

// A circular arc of centre and radius from angle t0 to t1 (radians).
EllipticArc circularArc(Point centre, double radius, double t0, double t1);

// Whether a spline's data describe a curve: degree 1 to 10, knots one more
// than control points and degree together and never decreasing, a
// domain of positive length, positive finite weights.
bool validSpline(const Spline& spline);

Point pointAt(const Piece& piece, double t);
// The parameter range the piece is drawn over.
double firstParameter(const Piece& piece);
double lastParameter(const Piece& piece);
inline Point startOf(const Piece& piece)
{
    return pointAt(piece, firstParameter(piece));
}
inline Point endOf(const Piece& piece)
{
    return pointAt(piece, lastParameter(piece));
}

bool isStraight(const Piece& piece);
// The length along the piece: exact for lines and circular arcs; for the
// other curves summed over a fine division, and a millionth added so that
// it is never below the true length.
double lengthOf(const Piece& piece);

// The fewest elements a curve is cut into however long elements may be:
// one for a line, one per quarter turn of an arc, one per span of a spline
// (two at least; four for a curve that closes on itself).
int fewestElements(const Piece& piece);

// The points that cut the piece into `parts` pieces of equal length along
// it, both ends included, every one on the piece.
std::vector<Point> divide(const Piece& piece, int parts);

// The piece under a placement (a mirror included).
Piece transformed(const Piece& piece, const Affine& map);

double distance(Point p, Point q);

} // namespace zorind::cad
