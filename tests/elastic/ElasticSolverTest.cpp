#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ExchangeText.h"
#include "elastic/ResultWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

namespace zorind::elastic {
namespace {

using test::addLoop;
using test::exchangeText;

constexpr double youngModulus = 210000003072.0;
constexpr double poisson = 0.3;

ElasticSolution solveText(const ExchangeModel& m, ExchangeModel* parsed = nullptr)
{
    const ExchangeModel read = parseExchange(exchangeText(m));
    if (parsed != nullptr) {
        *parsed = read;
    }
    return solveElastic(read);
}

// The plane-strain displacement of a uniform stress field.
struct UniformField {
    double sx = 100e6, sy = -50e6, txy = 30e6;
    Point at(Point p) const
    {
        const double mu = youngModulus / (2.0 * (1.0 + poisson));
        const double ex = (1.0 + poisson) / youngModulus * ((1.0 - poisson) * sx - poisson * sy);
        const double ey = (1.0 + poisson) / youngModulus * ((1.0 - poisson) * sy - poisson * sx);
        const double g = txy / mu;
        return {ex * p.x + 0.5 * g * p.y, 0.5 * g * p.x + ey * p.y};
    }
    Point traction(double nx, double ny) const { return {sx * nx + txy * ny, txy * nx + sy * ny}; }
};

// The uniform field is reproduced exactly by linear elements, so every node
// must come out exact: the corners of an all-fixed square (a traction of its
// own on each side) and the corners where a fixed side meets a loaded one;
// also when an element is stored against the run of its boundary.
TEST(ElasticSolver, UniformFieldSquareIsExactAtEveryNodeCornersIncluded)
{
    const UniformField f;
    const double side = 2.0;
    const int perSide = 4;
    const double h = side / perSide;
    for (const int variant : {0, 1, 2}) {
        const bool loadedTop = variant == 1;
        const char* const names[] = {"all sides fixed", "top side loaded", "one element reversed"};
        SCOPED_TRACE(names[variant]);
        ExchangeModel m;
        m.youngModulus = youngModulus;
        m.poissonRatio = poisson;
        addLoop(m, test::square(side, perSide));
        if (variant == 2) {
            std::swap(m.elements[5].start, m.elements[5].end);
        }
        for (int i = 0; i < 4 * perSide; ++i) {
            const Point p = m.nodes[static_cast<std::size_t>(i)];
            const bool onTop = p.y == side;
            if (!loadedTop || !onTop || p.x == 0.0 || p.x == side) {
                const Point u = f.at(p);
                m.displacements.push_back({i, u.x, u.y});
            }
            if (loadedTop && onTop) {
                const Point t = f.traction(0.0, 1.0);
                m.tractions.push_back({i, t.x, t.y});
            }
        }
        m.internalPoints = {{0.5, 0.5}, {1.0, 1.3}, {1.9, 0.1}};
        const ElasticSolution s = solveText(m);
        EXPECT_EQ(s.cornerNodes, loadedTop ? 2 : 4);

        const double tol = 1e-6 * f.sx;
        const Stress exact = planeStrainStress(f.sx, f.sy, f.txy, poisson);
        for (int i = 0; i < 4 * perSide; ++i) {
            SCOPED_TRACE("node " + std::to_string(i + 1));
            const Point p = m.nodes[static_cast<std::size_t>(i)];
            const NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
            const Point u = f.at(p);
            EXPECT_NEAR(r.ux, u.x, 1e-6 * std::abs(u.x) + 1e-15);
            EXPECT_NEAR(r.uy, u.y, 1e-6 * std::abs(u.y) + 1e-15);
            EXPECT_NEAR(r.stress.sx, exact.sx, tol);
            EXPECT_NEAR(r.stress.sy, exact.sy, tol);
            EXPECT_NEAR(r.stress.txy, exact.txy, tol);
            EXPECT_NEAR(r.stress.sz, exact.sz, tol);
            EXPECT_NEAR(r.stress.reduced, exact.reduced, tol);
            // Consistent force: half an element of each side's traction.
            Point force{};
            auto addSide = [&](double nx, double ny) {
                const Point t = f.traction(nx, ny);
                force.x += 0.5 * h * t.x;
                force.y += 0.5 * h * t.y;
            };
            const bool left = p.x == 0.0, right = p.x == side, bottom = p.y == 0.0, top = p.y == side;
            if (bottom)
                addSide(0.0, -1.0);
            if (top)
                addSide(0.0, 1.0);
            if (left)
                addSide(-1.0, 0.0);
            if (right)
                addSide(1.0, 0.0);
            if ((left || right) && !(top || bottom))
                addSide(left ? -1.0 : 1.0, 0.0);
            if ((top || bottom) && !(left || right))
                addSide(0.0, top ? 1.0 : -1.0);
            EXPECT_NEAR(r.fx, force.x, tol * h);
            EXPECT_NEAR(r.fy, force.y, tol * h);
        }
        for (std::size_t i = 0; i < m.internalPoints.size(); ++i) {
            SCOPED_TRACE("internal point " + std::to_string(i + 1));
            const PointResult& r = s.points[i];
            const Point u = f.at(m.internalPoints[i]);
            EXPECT_NEAR(r.ux, u.x, 1e-6 * std::abs(f.at({side, side}).x));
            EXPECT_NEAR(r.uy, u.y, 1e-6 * std::abs(f.at({side, side}).y));
            EXPECT_NEAR(r.stress.sx, exact.sx, tol);
            EXPECT_NEAR(r.stress.sy, exact.sy, tol);
            EXPECT_NEAR(r.stress.txy, exact.txy, tol);
        }
    }
}

// A body whose fixed side moves rigidly and whose other sides are free moves
// rigidly as a whole: no stress, no force anywhere. A node of no element and
// a point outside the body are left out with a note.
TEST(ElasticSolver, RigidBodyMotionLeavesTheBodyUnstressed)
{
    ExchangeModel m;
    m.youngModulus = youngModulus;
    m.poissonRatio = poisson;
    addLoop(m, test::square(1.0, 3));
    const double ux = 1e-3, uy = -2e-3, rot = 5e-4;
    auto rigid = [&](Point p) { return Point{ux - rot * p.y, uy + rot * p.x}; };
    for (int i = 0; i < 12; ++i) {
        const Point p = m.nodes[static_cast<std::size_t>(i)];
        if (p.x == 0.0) {
            m.displacements.push_back({i, rigid(p).x, rigid(p).y});
        }
    }
    m.nodes.push_back({3.0, 3.0});               // used by no element
    m.internalPoints = {{0.5, 0.5}, {2.0, 0.5}}; // inside, outside
    const ElasticSolution s = solveText(m);
    const double stressScale = youngModulus * rot;
    EXPECT_FALSE(s.nodes[12].used);
    EXPECT_EQ(s.nodes[12].ux, 0.0);
    EXPECT_TRUE(s.points[1].skipped);
    EXPECT_THAT(s.notes, ::testing::Contains(::testing::HasSubstr("Węzeł 13 nie należy")));
    EXPECT_THAT(s.notes, ::testing::Contains(::testing::HasSubstr("Punkt wewnętrzny 15 leży poza")));
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE("node " + std::to_string(i + 1));
        const NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
        const Point u = rigid(m.nodes[static_cast<std::size_t>(i)]);
        EXPECT_NEAR(r.ux, u.x, 1e-6 * ux);
        EXPECT_NEAR(r.uy, u.y, 1e-6 * ux);
        EXPECT_NEAR(r.fx, 0.0, 1e-6 * stressScale);
        EXPECT_NEAR(r.fy, 0.0, 1e-6 * stressScale);
        EXPECT_NEAR(r.stress.reduced, 0.0, 1e-6 * stressScale);
    }
    EXPECT_NEAR(s.points[0].ux, rigid({0.5, 0.5}).x, 1e-6 * ux);
    EXPECT_NEAR(s.points[0].stress.reduced, 0.0, 1e-6 * stressScale);
}

// Lamé's thick cylinder in plane strain, b = 2a, internal pressure p, the outer
// circle held at the free-surface displacement; 48 elements a circle.
TEST(ElasticSolver, ThickCylinderMatchesLame)
{
    const double a = 1.0, b = 2.0, p = 100e6;
    const double bigA = p * a * a / (b * b - a * a);
    const double bigB = p * a * a * b * b / (b * b - a * a);
    auto ur = [&](double r) { return (1.0 + poisson) / youngModulus * ((1.0 - 2.0 * poisson) * bigA * r + bigB / r); };
    ExchangeModel m;
    m.youngModulus = youngModulus;
    m.poissonRatio = poisson;
    const int n = 48;
    addLoop(m, test::circle(b, n));
    addLoop(m, test::circle(a, n)); // drawn the same way round as the outer circle
    for (int i = 0; i < n; ++i) {
        const Point q = m.nodes[static_cast<std::size_t>(i)];
        m.displacements.push_back({i, ur(b) * q.x / b, ur(b) * q.y / b});
        const Point qi = m.nodes[static_cast<std::size_t>(n + i)];
        m.tractions.push_back({n + i, p * qi.x / a, p * qi.y / a});
    }
    m.internalPoints = {{1.5, 0.0}, {0.0, 1.5}, {-1.06066017, 1.06066017}};
    const ElasticSolution s = solveText(m);

    const double elementForce = p * 2.0 * a * std::sin(std::numbers::pi / n);
    // The force the outer surface's own stress level gives one element.
    const double outerForce = 2.0 * bigA * 2.0 * b * std::sin(std::numbers::pi / n);
    Point total{};
    for (int i = 0; i < 2 * n; ++i) {
        const NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
        total.x += r.fx;
        total.y += r.fy;
        if (i < n) {
            // The outer surface is free in the exact solution.
            EXPECT_NEAR(std::hypot(r.fx, r.fy), 0.0, 0.005 * outerForce) << "outer node " << i + 1;
            continue;
        }
        SCOPED_TRACE("inner node " + std::to_string(i + 1));
        const Point q = m.nodes[static_cast<std::size_t>(i)];
        const double c = q.x / a, sn = q.y / a;
        EXPECT_NEAR(r.ux * c + r.uy * sn, ur(a), 0.005 * ur(a));
        EXPECT_NEAR(r.fx * c + r.fy * sn, elementForce, 0.005 * elementForce);
        const Stress& st = r.stress;
        const double sr = st.sx * c * c + st.sy * sn * sn + 2.0 * st.txy * c * sn;
        const double st_ = st.sx * sn * sn + st.sy * c * c - 2.0 * st.txy * c * sn;
        const Stress exact = planeStrainStress(bigA - bigB / (a * a), bigA + bigB / (a * a), 0.0, poisson);
        EXPECT_NEAR(sr, exact.sx, 0.01 * p);
        EXPECT_NEAR(st_, exact.sy, 0.01 * exact.sy);
        EXPECT_NEAR(st.sz, exact.sz, 0.015 * exact.sz);
        EXPECT_NEAR(st.reduced, exact.reduced, 0.01 * exact.reduced);
    }
    // The body is in equilibrium: its nodal forces balance.
    EXPECT_NEAR(total.x, 0.0, 1e-3 * elementForce);
    EXPECT_NEAR(total.y, 0.0, 1e-3 * elementForce);
    for (std::size_t i = 0; i < m.internalPoints.size(); ++i) {
        const Point q = m.internalPoints[i];
        const double r = std::hypot(q.x, q.y), c = q.x / r, sn = q.y / r;
        const PointResult& res = s.points[i];
        EXPECT_NEAR(res.ux * c + res.uy * sn, ur(r), 0.005 * ur(r));
        const double st = res.stress.sx * sn * sn + res.stress.sy * c * c - 2.0 * res.stress.txy * c * sn;
        EXPECT_NEAR(st, bigA + bigB / (r * r), 0.01 * (bigA + bigB / (r * r)));
    }
}

// A node with both a displacement and a load, as the export writes one where a
// held element meets a loaded one, carries the load on its loaded side only;
// an element between two such nodes is held, whichever end of it the loaded
// neighbour is at. A load that fits neither side is left out with a note. In a
// uniform field each side has a traction of its own, so a load put on the
// wrong side shows at once.
TEST(ElasticSolver, LoadOfAHeldNodeGoesToItsLoadedSideOnly)
{
    const UniformField f;
    ExchangeModel m;
    m.youngModulus = youngModulus;
    m.poissonRatio = poisson;
    // Bottom and top loaded; the right side one held element, the left side held.
    addLoop(m, {{0.0, 0.0}, {1.0, 0.0}, {2.0, 0.0}, {2.0, 2.0}, {1.0, 2.0}, {0.0, 2.0}, {0.0, 1.0}});
    for (const int i : {0, 2, 3, 5, 6}) {
        const Point u = f.at(m.nodes[static_cast<std::size_t>(i)]);
        m.displacements.push_back({i, u.x, u.y});
    }
    const Point bottom = f.traction(0.0, -1.0);
    const Point top = f.traction(0.0, 1.0);
    m.tractions = {{0, bottom.x, bottom.y}, {1, bottom.x, bottom.y}, {2, bottom.x, bottom.y}, {3, top.x, top.y},
                   {4, top.x, top.y},       {5, top.x, top.y},       {6, 7e8, -3e8}};
    const ElasticSolution s = solveText(m);

    EXPECT_EQ(std::count_if(s.notes.begin(), s.notes.end(),
                            [](const std::string& n) { return n.find("nie rozpoznano") != std::string::npos; }),
              1);
    EXPECT_THAT(s.notes, ::testing::Contains(::testing::HasSubstr("W węźle 7 nie rozpoznano strony obciążenia")));
    // Consistent forces: half of each adjacent element's traction.
    std::vector<Point> force(m.nodes.size());
    for (const Element& e : m.elements) {
        const Point a = m.nodes[static_cast<std::size_t>(e.start)];
        const Point b = m.nodes[static_cast<std::size_t>(e.end)];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const Point t = f.traction((b.y - a.y) / len, -(b.x - a.x) / len);
        for (const int n : {e.start, e.end}) {
            force[static_cast<std::size_t>(n)].x += 0.5 * len * t.x;
            force[static_cast<std::size_t>(n)].y += 0.5 * len * t.y;
        }
    }
    const double tol = 1e-6 * f.sx;
    const Stress exact = planeStrainStress(f.sx, f.sy, f.txy, poisson);
    for (std::size_t i = 0; i < m.nodes.size(); ++i) {
        SCOPED_TRACE("node " + std::to_string(i + 1));
        const NodeResult& r = s.nodes[i];
        const Point u = f.at(m.nodes[i]);
        EXPECT_NEAR(r.ux, u.x, 1e-6 * std::abs(u.x) + 1e-15);
        EXPECT_NEAR(r.uy, u.y, 1e-6 * std::abs(u.y) + 1e-15);
        EXPECT_NEAR(r.fx, force[i].x, tol);
        EXPECT_NEAR(r.fy, force[i].y, tol);
        EXPECT_NEAR(r.stress.sx, exact.sx, tol);
        EXPECT_NEAR(r.stress.sy, exact.sy, tol);
        EXPECT_NEAR(r.stress.txy, exact.txy, tol);
    }
}

// Somigliana's identity holds inside the body only: a point on an element or
// at a node is left out with a note and zero results, while a point a tenth of
// an element inside is computed as any other.
TEST(ElasticSolver, InternalPointOnTheBoundaryIsLeftOut)
{
    const UniformField f;
    ExchangeModel m;
    m.youngModulus = youngModulus;
    m.poissonRatio = poisson;
    addLoop(m, test::square(2.0, 4));
    for (int i = 0; i < 16; ++i) {
        const Point u = f.at(m.nodes[static_cast<std::size_t>(i)]);
        m.displacements.push_back({i, u.x, u.y});
    }
    m.internalPoints = {{0.75, 0.0}, {2.0, 2.0}, {0.75, 0.05}, {1.95, 1.2}};
    const ElasticSolution s = solveText(m);

    for (const int i : {0, 1}) {
        SCOPED_TRACE("on the boundary: point " + std::to_string(i + 17));
        const PointResult& r = s.points[static_cast<std::size_t>(i)];
        EXPECT_TRUE(r.skipped);
        EXPECT_EQ(r.ux, 0.0);
        EXPECT_EQ(r.stress.sx, 0.0);
        EXPECT_EQ(r.stress.reduced, 0.0);
        EXPECT_THAT(s.notes, ::testing::Contains("Punkt wewnętrzny " + std::to_string(i + 17) +
                                                 " leży na brzegu; jego wyniki są zerowe"));
    }
    const Stress exact = planeStrainStress(f.sx, f.sy, f.txy, poisson);
    for (const int i : {2, 3}) {
        SCOPED_TRACE("just inside: point " + std::to_string(i + 17));
        const PointResult& r = s.points[static_cast<std::size_t>(i)];
        const Point u = f.at(m.internalPoints[static_cast<std::size_t>(i)]);
        EXPECT_FALSE(r.skipped);
        EXPECT_NEAR(r.ux, u.x, 1e-6 * std::abs(f.at({2.0, 2.0}).x));
        EXPECT_NEAR(r.uy, u.y, 1e-6 * std::abs(f.at({2.0, 2.0}).y));
        EXPECT_NEAR(r.stress.sx, exact.sx, 1e-6 * f.sx);
        EXPECT_NEAR(r.stress.sy, exact.sy, 1e-6 * f.sx);
        EXPECT_NEAR(r.stress.txy, exact.txy, 1e-6 * f.sx);
    }
}

// Corners of a polygon, each side cut into `parts` equal elements.
std::vector<Point> subdivided(const std::vector<Point>& corners, int parts)
{
    std::vector<Point> p;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        for (int k = 0; k < parts; ++k) {
            p.push_back({a.x + (b.x - a.x) * k / parts, a.y + (b.y - a.y) * k / parts});
        }
    }
    return p;
}

// A point level with a node is inside or outside as any other: the ray from
// it passes the node, which must count once where the boundary goes on past
// it and not at all where the boundary turns back. Inside, the point gets the
// exact uniform field; outside, zeros and the note. The square and the L are
// turned by 45 degrees and the ring's hole is a heptagon, so that the sides
// slope and the node heights are not exact in binary: a height recomputed
// from an element's length and direction misses some of them.
TEST(ElasticSolver, PointLevelWithANodeIsInsideOrOutsideAsAnyOther)
{
    const UniformField f;
    const Stress exact = planeStrainStress(f.sx, f.sy, f.txy, poisson);
    const double cs = std::cos(std::numbers::pi / 4.0), sn = std::sin(std::numbers::pi / 4.0);
    auto turned = [&](const std::vector<Point>& corners) {
        std::vector<Point> p = subdivided(corners, 6);
        for (Point& q : p) {
            q = {cs * q.x - sn * q.y, sn * q.x + cs * q.y};
        }
        return p;
    };
    // The turned shape's point at height y on the line x = x0 of the
    // untouched shape, if that lies between 0.1 and 1.9 on it.
    auto onLine = [&](double x0, double y) -> std::optional<Point> {
        const double t = (y - sn * x0) / cs;
        return t > 0.1 && t < 1.9 ? std::optional<Point>({cs * x0 - sn * t, y}) : std::nullopt;
    };
    auto farLeft = [](Point v) { return std::optional<Point>({-5.0, v.y}); };
    struct Shape {
        const char* name;
        std::vector<std::vector<Point>> loops;
        // Per node, a point level with it inside and one outside, or none.
        std::function<std::optional<Point>(Point)> inside, outside;
    };
    // Inside the ring on the middle circle, in the hole on a circle within it.
    auto onCircle = [](Point v, double r, double below) {
        return std::abs(v.y) < below ? std::optional<Point>({std::copysign(std::sqrt(r * r - v.y * v.y), v.x), v.y})
                                     : std::nullopt;
    };
    const std::vector<Shape> shapes = {
        {"square",
         {turned({{0.0, 0.0}, {2.0, 0.0}, {2.0, 2.0}, {0.0, 2.0}})},
         [&](Point v) { return onLine(1.0, v.y); },
         farLeft},
        {"L-shape",
         {turned({{0.0, 0.0}, {2.0, 0.0}, {2.0, 1.0}, {1.0, 1.0}, {1.0, 2.0}, {0.0, 2.0}})},
         [&](Point v) { return onLine(0.5, v.y); },
         farLeft},
        {"ring",
         {test::circle(2.0, 24), test::circle(1.0, 7, false)},
         [&](Point v) { return onCircle(v, 1.5, 1.4); },
         [&](Point v) { return v.y > -0.45 && v.y < 0.45 ? onCircle(v, 0.5, 0.45) : farLeft(v); }},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        ExchangeModel m;
        m.youngModulus = youngModulus;
        m.poissonRatio = poisson;
        std::vector<bool> expectInside;
        for (const std::vector<Point>& loop : shape.loops) {
            addLoop(m, loop);
            for (const Point& v : loop) {
                for (const bool in : {true, false}) {
                    if (const auto p = (in ? shape.inside : shape.outside)(v)) {
                        m.internalPoints.push_back(*p);
                        expectInside.push_back(in);
                    }
                }
            }
        }
        for (std::size_t i = 0; i < m.nodes.size(); ++i) {
            const Point u = f.at(m.nodes[i]);
            m.displacements.push_back({static_cast<int>(i), u.x, u.y});
        }
        ExchangeModel read;
        const ElasticSolution s = solveText(m, &read);
        const double uScale = std::abs(f.at({2.0, 2.0}).x);
        for (std::size_t i = 0; i < read.internalPoints.size(); ++i) {
            const Point q = read.internalPoints[i];
            const std::string name = "Punkt wewnętrzny " + std::to_string(m.nodes.size() + i + 1);
            SCOPED_TRACE(name + " at " + std::to_string(q.x) + ", " + std::to_string(q.y));
            const PointResult& r = s.points[i];
            if (!expectInside[i]) {
                EXPECT_TRUE(r.skipped);
                EXPECT_EQ(r.stress.reduced, 0.0);
                EXPECT_THAT(s.notes, ::testing::Contains(name + " leży poza obszarem ciała; jego wyniki są zerowe"));
                continue;
            }
            EXPECT_FALSE(r.skipped);
            const Point u = f.at(q);
            EXPECT_NEAR(r.ux, u.x, 1e-6 * uScale);
            EXPECT_NEAR(r.uy, u.y, 1e-6 * uScale);
            EXPECT_NEAR(r.stress.sx, exact.sx, 1e-6 * f.sx);
            EXPECT_NEAR(r.stress.sy, exact.sy, 1e-6 * f.sx);
            EXPECT_NEAR(r.stress.txy, exact.txy, 1e-6 * f.sx);
        }
    }
}

// A long tie rod pulled at both ends, drawn in any unit of length: the same
// stresses, and displacements and nodal forces in proportion to the length.
// A slender body with many elements makes a system of modest condition, which
// a unit of length must not push over the edge. The model is symmetric, so
// its boundary forces balance exactly and the results do not depend on the
// unit beyond rounding. A system that is singular (a second body that nothing
// holds) is refused in every unit.
TEST(ElasticSolver, UnitOfLengthDecidesNeitherResultsNorSingularity)
{
    const int along = 90, across = 4;
    auto rod = [&](double scale) {
        ExchangeModel m;
        m.youngModulus = youngModulus;
        m.poissonRatio = poisson;
        const double length = scale, width = scale / 50.0, pull = 1e-4 * scale;
        std::vector<Point> outline;
        for (int i = 0; i < along; ++i) {
            outline.push_back({length * i / along, 0.0});
        }
        for (int i = 0; i < across; ++i) {
            outline.push_back({length, width * i / across});
        }
        for (int i = along; i > 0; --i) {
            outline.push_back({length * i / along, width});
        }
        for (int i = across; i > 0; --i) {
            outline.push_back({0.0, width * i / across});
        }
        addLoop(m, outline);
        for (std::size_t i = 0; i < m.nodes.size(); ++i) {
            const double x = m.nodes[i].x;
            if (x == 0.0 || x == length) {
                m.displacements.push_back({static_cast<int>(i), x == 0.0 ? -pull : pull, 0.0});
            }
        }
        m.internalPoints = {{0.5 * length, 0.5 * width}, {0.02 * length, 0.25 * width}};
        return m;
    };
    const ElasticSolution base = solveText(rod(1.0));
    double uMax = 0.0, fMax = 0.0, sMax = 0.0;
    for (const NodeResult& r : base.nodes) {
        uMax = std::max({uMax, std::abs(r.ux), std::abs(r.uy)});
        fMax = std::max({fMax, std::abs(r.fx), std::abs(r.fy)});
        sMax = std::max({sMax, std::abs(r.stress.sx), std::abs(r.stress.sy)});
    }
    const double tol = 1e-6;
    for (const double scale : {1e4, 1e5, 1e6}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        ElasticSolution s;
        ASSERT_NO_THROW(s = solveText(rod(scale)));
        for (std::size_t i = 0; i < base.nodes.size(); ++i) {
            SCOPED_TRACE("node " + std::to_string(i + 1));
            const NodeResult& r = s.nodes[i];
            const NodeResult& r0 = base.nodes[i];
            EXPECT_NEAR(r.ux / scale, r0.ux, tol * uMax);
            EXPECT_NEAR(r.uy / scale, r0.uy, tol * uMax);
            EXPECT_NEAR(r.fx / scale, r0.fx, tol * fMax);
            EXPECT_NEAR(r.fy / scale, r0.fy, tol * fMax);
            EXPECT_NEAR(r.stress.sx, r0.stress.sx, tol * sMax);
            EXPECT_NEAR(r.stress.txy, r0.stress.txy, tol * sMax);
        }
        for (std::size_t i = 0; i < base.points.size(); ++i) {
            EXPECT_NEAR(s.points[i].uy / scale, base.points[i].uy, tol * uMax);
            EXPECT_NEAR(s.points[i].stress.sx, base.points[i].stress.sx, tol * sMax);
        }
    }
    for (const double scale : {1.0, 1e4, 1e5, 1e6}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        ExchangeModel loose = rod(scale);
        const std::size_t first = loose.nodes.size();
        addLoop(loose, test::circle(0.01 * scale, 8));
        for (std::size_t i = first; i < loose.nodes.size(); ++i) {
            loose.nodes[i].y += 0.5 * scale;
            loose.tractions.push_back({static_cast<int>(i), 1e6, 0.0});
        }
        EXPECT_THAT([&] { solveText(loose); },
                    ::testing::ThrowsMessage<ElasticError>(::testing::HasSubstr("Układ równań jest osobliwy")));
        ExchangeModel unheld = rod(scale);
        unheld.displacements.clear();
        EXPECT_THAT([&] { solveText(unheld); },
                    ::testing::ThrowsMessage<ElasticError>(::testing::HasSubstr("Brak przemieszczeń")));
    }
}

// A boundary must enclose the body: an open end, a node where three elements
// meet, elements that cross, touch or lie on each other are refused with the
// node or elements named, before anything is solved.
TEST(ElasticSolver, BoundaryThatEnclosesNoBodyIsRefused)
{
    auto model = [](const std::vector<Point>& nodes, const std::vector<Element>& elements) {
        ExchangeModel m;
        m.youngModulus = youngModulus;
        m.poissonRatio = poisson;
        m.nodes = nodes;
        m.elements = elements;
        m.displacements = {{0, 0.0, 0.0}, {1, 0.0, 0.0}};
        return m;
    };
    const std::vector<Point> square = {{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}};
    std::vector<Point> squareAndTriangle = square;
    squareAndTriangle.insert(squareAndTriangle.end(), {{1.0, 0.5}, {2.0, 0.0}, {2.0, 1.0}});
    struct Case {
        const char* name;
        ExchangeModel model;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"open", model(square, {{0, 1}, {1, 2}, {2, 3}}),
         "Brzeg nie jest zamknięty: węzeł 1 należy tylko do elementu 1"},
        {"bow-tie", model({{0.0, 0.0}, {1.0, 1.0}, {1.0, 0.0}, {0.0, 1.0}}, {{0, 1}, {1, 2}, {2, 3}, {3, 0}}),
         "Elementy 1 i 3 przecinają się"},
        {"three elements at a node", model(square, {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}}),
         "Węzeł 1 należy do 3 elementów (1, 4, 5)"},
        {"loop through a node twice",
         model({{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {2.0, 1.0}, {2.0, 2.0}, {1.0, 2.0}, {0.0, 1.0}},
               {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 2}, {2, 6}, {6, 0}}),
         "Węzeł 3 należy do 4 elementów"},
        {"a node on another element",
         model(squareAndTriangle, {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6}, {6, 4}}),
         "Węzeł 5 leży na elemencie 2"},
        {"folded back", model({{0.0, 0.0}, {2.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}}, {{0, 1}, {1, 2}, {2, 3}, {3, 0}}),
         "Elementy 1 i 2 nakładają się"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THAT([&] { solveText(c.model); },
                    ::testing::ThrowsMessage<ElasticError>(::testing::HasSubstr(c.message)));
    }
}

// The result file read the way the application's import reads it: lines up to
// the header line, one line, block 1, the rest of its line and three lines,
// block 2 by whitespace-separated numbers.
TEST(ResultWriter, ImportReadsEveryNodeValueInPlace)
{
    ExchangeModel m;
    m.youngModulus = youngModulus;
    m.poissonRatio = poisson;
    addLoop(m, test::square(1.0, 1));
    m.nodes.push_back({5.0, 5.0}); // used by no element
    m.internalPoints = {{0.5, 0.5}};
    ElasticSolution s;
    s.nodes.resize(5);
    for (int i = 0; i < 4; ++i) {
        NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
        const double k = i + 1;
        r = {true, 1e-5 * k, -2e-5 * k, 3e4 * k, -4e4 * k, {5e6 * k, 6e6 * k, 7e6 * k, 8e6 * k, 9e6 * k}};
    }
    s.points.resize(1);
    s.notes = {"Węzeł 5 nie należy do żadnego elementu; jego wyniki są zerowe"};
    std::ostringstream out;
    writeResults(out, m, s);

    std::istringstream in(out.str());
    std::string line;
    int headers = 0;
    while (std::getline(in, line)) {
        if (line != resultHeaderLine) {
            continue;
        }
        ++headers;
        std::getline(in, line);
        for (int i = 0; i < 5; ++i) {
            int nr = 0;
            double ux = 0, uy = 0, fx = 0, fy = 0;
            ASSERT_TRUE(in >> nr >> ux >> uy >> fx >> fy);
            const NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
            EXPECT_EQ(nr, i + 1);
            EXPECT_EQ(static_cast<float>(ux), static_cast<float>(r.ux));
            EXPECT_EQ(static_cast<float>(uy), static_cast<float>(r.uy));
            EXPECT_EQ(static_cast<float>(fx), static_cast<float>(r.fx));
            EXPECT_EQ(static_cast<float>(fy), static_cast<float>(r.fy));
        }
        for (int k = 0; k < 4; ++k) {
            std::getline(in, line);
        }
        for (int i = 0; i < 5; ++i) {
            int nr = 0;
            double unused1 = 0, unused2 = 0, sx = 0, txy = 0, sy = 0, sz = 0, red = 0;
            ASSERT_TRUE(in >> nr >> unused1 >> unused2 >> sx >> txy >> sy >> sz >> red);
            const Stress& st = s.nodes[static_cast<std::size_t>(i)].stress;
            EXPECT_EQ(nr, i + 1);
            EXPECT_EQ(static_cast<float>(sx), static_cast<float>(st.sx));
            EXPECT_EQ(static_cast<float>(txy), static_cast<float>(st.txy));
            EXPECT_EQ(static_cast<float>(sy), static_cast<float>(st.sy));
            EXPECT_EQ(static_cast<float>(sz), static_cast<float>(st.sz));
            EXPECT_EQ(static_cast<float>(red), static_cast<float>(st.reduced));
        }
    }
    EXPECT_EQ(headers, 1);
    EXPECT_EQ(std::string(resultHeaderLine).size(), 57u);

    // Internal points keep the numbers the exchange file gives them, after
    // the nodes, with their positions.
    std::istringstream points(out.str().substr(out.str().find("PUNKTY  WEWNĘTRZNE")));
    std::getline(points, line);
    std::getline(points, line);
    int nr = 0;
    double x = 0, y = 0;
    ASSERT_TRUE(points >> nr >> x >> y);
    EXPECT_EQ(nr, 6);
    EXPECT_EQ(x, 0.5);
    EXPECT_EQ(y, 0.5);
    EXPECT_THAT(out.str(), ::testing::HasSubstr("Węzeł 5 nie należy"));
    std::istringstream lines(out.str());
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 254u);
    }
}

} // namespace
} // namespace zorind::elastic
