#include <gtest/gtest.h>

#include <cmath>

#include "core/cad/Curves.h"

namespace zorind::cad {
namespace {

constexpr double kPi = 3.14159265358979323846;

double radiusAbout(Point p, Point c)
{
    return std::hypot(p.x - c.x, p.y - c.y);
}

TEST(Curves, ABulgeIsTheArcOfItsQuarterAngleTangentOnTheSideItsSignGives)
{
    // A quarter circle from (1, 0) to (0, 1): counter-clockwise about the
    // origin with a positive bulge, clockwise about (1, 1) with a negative one.
    const double bulge = std::tan(kPi / 8.0);
    const auto ccw = std::get<EllipticArc>(bulgeSegment({1, 0}, {0, 1}, bulge));
    EXPECT_NEAR(ccw.centre.x, 0.0, 1e-12);
    EXPECT_NEAR(ccw.centre.y, 0.0, 1e-12);
    EXPECT_NEAR(ccw.t1 - ccw.t0, kPi / 2.0, 1e-12);
    const auto cw = std::get<EllipticArc>(bulgeSegment({1, 0}, {0, 1}, -bulge));
    EXPECT_NEAR(cw.centre.x, 1.0, 1e-12);
    EXPECT_NEAR(cw.centre.y, 1.0, 1e-12);
    for (const Piece& piece : {Piece(ccw), Piece(cw)}) {
        EXPECT_NEAR(distance(startOf(piece), {1, 0}), 0.0, 1e-12);
        EXPECT_NEAR(distance(endOf(piece), {0, 1}), 0.0, 1e-12);
    }
    // A half circle (bulge 1) over a chord of 2 has radius 1 and its middle
    // on the right of the chord's direction for a counter-clockwise turn.
    const auto half = std::get<EllipticArc>(bulgeSegment({-1, 0}, {1, 0}, 1.0));
    EXPECT_NEAR(pointAt(half, (half.t0 + half.t1) / 2.0).y, -1.0, 1e-12);
    EXPECT_TRUE(std::holds_alternative<Line>(bulgeSegment({0, 0}, {1, 0}, 0.0)));
}

TEST(Curves, ARationalSplineIsEvaluatedOnItsCurve)
{
    // The quadratic rational spline of a quarter of the unit circle.
    const Spline quarter{2, {0, 0, 0, 1, 1, 1}, {{1, 0}, {1, 1}, {0, 1}}, {1.0, std::sqrt(0.5), 1.0}};
    ASSERT_TRUE(validSpline(quarter));
    for (const Point& p : divide(quarter, 7)) {
        EXPECT_NEAR(radiusAbout(p, {0, 0}), 1.0, 1e-12);
    }
    EXPECT_NEAR(lengthOf(quarter), kPi / 2.0, 1e-6);
    Spline broken = quarter;
    broken.knots.pop_back();
    EXPECT_FALSE(validSpline(broken));
    broken = quarter;
    broken.weights[1] = 0.0;
    EXPECT_FALSE(validSpline(broken));
}

TEST(Curves, DivisionGivesPointsOnTheCurveAtEqualLengthsAlongIt)
{
    const EllipticArc ellipse{{2, 1}, {4, 0}, {0, 1}, 0.0, 2.0 * kPi};
    const int parts = 24;
    const std::vector<Point> points = divide(ellipse, parts);
    ASSERT_EQ(points.size(), static_cast<std::size_t>(parts) + 1);
    const double length = lengthOf(ellipse);
    // Lengths along the ellipse as integrals of its speed, by the midpoint rule.
    auto lengthBetween = [](double t0, double t1) {
        double sum = 0.0;
        const int steps = 20000;
        for (int i = 0; i < steps; ++i) {
            const double t = t0 + (t1 - t0) * (i + 0.5) / steps;
            sum += std::hypot(4.0 * std::sin(t), std::cos(t)) * (t1 - t0) / steps;
        }
        return sum;
    };
    const double perimeter = lengthBetween(0.0, 2.0 * kPi);
    EXPECT_GE(length, perimeter);
    EXPECT_LT(length, perimeter * (1.0 + 2e-6));
    double previous = 0.0;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const double u = (points[k].x - 2.0) / 4.0;
        const double v = points[k].y - 1.0;
        EXPECT_NEAR(u * u + v * v, 1.0, 1e-12);
        double t = std::atan2(v, u);
        t = k == 0 ? 0.0 : (t <= 0.0 ? t + 2.0 * kPi : t);
        if (k > 0) {
            EXPECT_NEAR(lengthBetween(previous, t), perimeter / parts, perimeter / parts * 1e-5);
            EXPECT_LE(distance(points[k - 1], points[k]), length / parts);
        }
        previous = t;
    }
}

TEST(Curves, AnArcTakesOneElementPerQuarterTurnAtLeastAndAClosedCurveFour)
{
    EXPECT_EQ(fewestElements(Line{{0, 0}, {5, 0}}), 1);
    EXPECT_EQ(fewestElements(circularArc({0, 0}, 1, 0.0, kPi / 2.0)), 1);
    EXPECT_EQ(fewestElements(circularArc({0, 0}, 1, 0.0, kPi / 2.0 + 0.01)), 2);
    EXPECT_EQ(fewestElements(circularArc({0, 0}, 1, 0.0, 2.0 * kPi)), 4);
    EXPECT_EQ(fewestElements(Spline{1, {0, 0, 1, 2, 2}, {{0, 0}, {1, 1}, {2, 0}}, {}}), 2);
}

TEST(Curves, APlacementMovesTurnsScalesAndMirrorsEveryKindOfPiece)
{
    // Scaled by 2 and 3, turned a quarter, moved by (10, 20), then mirrored.
    const Affine mirror{-1.0, 0.0, 0.0, 1.0, 0.0, 0.0};
    const Affine map = compose(mirror, compose(translation(10, 20), scaleAndTurn(2.0, 3.0, kPi / 2.0)));
    const Point p = map.apply({1, 1});
    EXPECT_NEAR(p.x, -(10.0 - 3.0), 1e-12);
    EXPECT_NEAR(p.y, 20.0 + 2.0, 1e-12);
    const Piece arc = circularArc({1, 1}, 1.0, 0.0, kPi / 2.0);
    const Piece moved = transformed(arc, map);
    for (double t : {0.0, 0.3, kPi / 2.0}) {
        const Point expected = map.apply(pointAt(arc, t));
        EXPECT_NEAR(distance(pointAt(moved, t), expected), 0.0, 1e-12);
    }
    const Spline line{1, {0, 0, 1, 1}, {{0, 0}, {1, 0}}, {}};
    EXPECT_NEAR(distance(endOf(transformed(line, map)), map.apply({1, 0})), 0.0, 1e-12);
}

} // namespace
} // namespace zorind::cad
