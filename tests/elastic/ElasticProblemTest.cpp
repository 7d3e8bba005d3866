// The solver's second input: a problem whose elements carry their own
// conditions, as the application solves it in its own process.
#include "elastic/ClosedForms.h"
#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ExchangeText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace zorind::elastic {
namespace {

constexpr double youngModulus = 210000003072.0;
constexpr double poisson = 0.3;

// The plane-strain displacement of a uniform stress field and its traction
// on a surface of outward normal n.
struct UniformField {
    double sx = 100e6, sy = -50e6, txy = 30e6;
    PlanePoint at(PlanePoint p) const
    {
        const double mu = youngModulus / (2.0 * (1.0 + poisson));
        const double ex = (1.0 + poisson) / youngModulus * ((1.0 - poisson) * sx - poisson * sy);
        const double ey = (1.0 + poisson) / youngModulus * ((1.0 - poisson) * sy - poisson * sx);
        const double g = txy / mu;
        return {ex * p.x + 0.5 * g * p.y, 0.5 * g * p.x + ey * p.y};
    }
    PlanePoint traction(double nx, double ny) const { return {sx * nx + txy * ny, txy * nx + sy * ny}; }
};

ElasticProblem problemOf(const std::vector<Point>& loop)
{
    ElasticProblem p;
    p.youngModulus = youngModulus;
    p.poissonRatio = poisson;
    const int n = static_cast<int>(loop.size());
    for (int i = 0; i < n; ++i) {
        p.nodes.push_back({loop[static_cast<std::size_t>(i)].x, loop[static_cast<std::size_t>(i)].y});
        p.elements.push_back({i, (i + 1) % n, ElasticKind::Traction, {}, {}, {}});
    }
    return p;
}

// The uniform field is reproduced exactly by linear elements, so every
// node must come out exact whatever each element prescribes: here the
// bottom and the right side are loaded with their own (different)
// tractions, which meet at a corner; the top and the left side are held
// (each element end at its own node's displacement), one held element
// stored against the run of the boundary. So a loaded side meets another
// loaded side, a held one meets a loaded one at both ends, and two held
// sides meet at a corner, and a traction put on the wrong side, or a
// displacement at the wrong end of an element, shows at once.
TEST(ElasticProblem, UniformFieldIsExactWhateverEachElementPrescribes)
{
    const UniformField f;
    const double side = 2.0;
    const int perSide = 4;
    ElasticProblem p = problemOf(test::square(side, perSide));
    std::swap(p.elements[10].start, p.elements[10].end); // on the top side
    for (ElasticElement& e : p.elements) {
        const PlanePoint a = p.nodes[static_cast<std::size_t>(e.start)];
        const PlanePoint b = p.nodes[static_cast<std::size_t>(e.end)];
        const bool bottom = a.y == 0.0 && b.y == 0.0;
        const bool right = a.x == side && b.x == side;
        if (bottom || right) {
            e.kind = ElasticKind::Traction;
            e.atStart = e.atEnd = bottom ? f.traction(0.0, -1.0) : f.traction(1.0, 0.0);
        } else {
            e.kind = ElasticKind::Displacement;
            e.atStart = f.at(a);
            e.atEnd = f.at(b);
        }
    }
    p.internalPoints = {{0.5, 0.5}, {1.0, 1.3}, {1.9, 0.1}};
    const ElasticSolution s = solveElasticProblem(p);
    EXPECT_THAT(s.notes, ::testing::ElementsAre(::testing::HasSubstr("elementy skierowane przeciwnie do obiegu")));

    const double tol = 1e-6 * f.sx;
    const Stress exact = planeStrainStress(f.sx, f.sy, f.txy, poisson);
    const double uScale = std::abs(f.at({side, side}).x);
    for (std::size_t i = 0; i < p.nodes.size(); ++i) {
        SCOPED_TRACE("node " + std::to_string(i + 1));
        const NodeResult& r = s.nodes[i];
        const PlanePoint u = f.at(p.nodes[i]);
        EXPECT_NEAR(r.ux, u.x, 1e-6 * uScale);
        EXPECT_NEAR(r.uy, u.y, 1e-6 * uScale);
        EXPECT_NEAR(r.stress.sx, exact.sx, tol);
        EXPECT_NEAR(r.stress.sy, exact.sy, tol);
        EXPECT_NEAR(r.stress.txy, exact.txy, tol);
        EXPECT_NEAR(r.stress.sz, exact.sz, tol);
        EXPECT_NEAR(r.stress.reduced, exact.reduced, tol);
    }
    // Consistent forces: half of each adjacent element's traction.
    std::vector<PlanePoint> force(p.nodes.size());
    for (const ElasticElement& e : p.elements) {
        const PlanePoint a = p.nodes[static_cast<std::size_t>(e.start)];
        const PlanePoint b = p.nodes[static_cast<std::size_t>(e.end)];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        // The outward normal of the anticlockwise square, whichever way the
        // element is stored.
        const double cx = 0.5 * (a.x + b.x) - 0.5 * side, cy = 0.5 * (a.y + b.y) - 0.5 * side;
        const PlanePoint t =
            std::abs(cx) > std::abs(cy) ? f.traction(cx > 0 ? 1.0 : -1.0, 0.0) : f.traction(0.0, cy > 0 ? 1.0 : -1.0);
        for (const int n : {e.start, e.end}) {
            force[static_cast<std::size_t>(n)].x += 0.5 * len * t.x;
            force[static_cast<std::size_t>(n)].y += 0.5 * len * t.y;
        }
    }
    for (std::size_t i = 0; i < p.nodes.size(); ++i) {
        EXPECT_NEAR(s.nodes[i].fx, force[i].x, tol) << "node " << i + 1;
        EXPECT_NEAR(s.nodes[i].fy, force[i].y, tol) << "node " << i + 1;
    }
    for (std::size_t i = 0; i < p.internalPoints.size(); ++i) {
        SCOPED_TRACE("internal point " + std::to_string(i + 1));
        const PointResult& r = s.points[i];
        const PlanePoint u = f.at(p.internalPoints[i]);
        EXPECT_FALSE(r.skipped);
        EXPECT_NEAR(r.ux, u.x, 1e-6 * uScale);
        EXPECT_NEAR(r.uy, u.y, 1e-6 * uScale);
        EXPECT_NEAR(r.stress.sx, exact.sx, tol);
        EXPECT_NEAR(r.stress.sy, exact.sy, tol);
        EXPECT_NEAR(r.stress.txy, exact.txy, tol);
        EXPECT_NEAR(r.stress.sz, exact.sz, tol);
        EXPECT_NEAR(r.stress.reduced, exact.reduced, tol);
    }
}

// A node has one displacement: where two held elements give it different
// ones, the first in element order holds it and a note names the node and
// both elements. The body then moves as that element says.
TEST(ElasticProblem, TwoHeldElementsDisagreeingAtANodeAreNoted)
{
    ElasticProblem p = problemOf(test::square(1.0, 1));
    const PlanePoint shift{1e-4, -2e-4};
    for (const std::size_t e : {std::size_t{2}, std::size_t{3}}) { // top and left
        p.elements[e].kind = ElasticKind::Displacement;
        p.elements[e].atStart = p.elements[e].atEnd = shift;
    }
    p.elements[3].atStart = {0.0, 0.0}; // node 4: element 3 ends at it with shift
    p.elements[3].atMiddle = shift;
    const ElasticSolution s = solveElasticProblem(p);
    EXPECT_THAT(s.notes, ::testing::ElementsAre("W węźle 4 elementy 3 i 4 zadają różne przemieszczenia; przyjęto "
                                                "przemieszczenie elementu 3"));
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(s.nodes[i].ux, shift.x, 1e-6 * shift.x) << "a rigid shift, node " << i + 1;
        EXPECT_NEAR(s.nodes[i].uy, shift.y, 1e-6 * std::abs(shift.y)) << "a rigid shift, node " << i + 1;
    }
}

// A problem given directly is checked as the reader checks a file: each
// fault refused with its element, node or value named, before anything is
// solved.
TEST(ElasticProblem, MalformedProblemIsRefusedWithItsFaultNamed)
{
    ElasticProblem good = problemOf(test::square(1.0, 1));
    good.elements[0].kind = ElasticKind::Displacement;
    ASSERT_NO_THROW(solveElasticProblem(good));
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        std::function<void(ElasticProblem&)> spoil;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"no node", [](ElasticProblem& p) { p.elements[2].end = 4; }, "Element 3: węzeł 5 nie istnieje"},
        {"negative node", [](ElasticProblem& p) { p.elements[1].start = -1; }, "Element 2: węzeł 0 nie istnieje"},
        {"zero length", [](ElasticProblem& p) { p.nodes[1] = p.nodes[0]; }, "Element 1 ma zerową długość"},
        {"node at infinity", [&](ElasticProblem& p) { p.nodes[2].x = inf; }, "Współrzędne węzła 3"},
        {"point not a number",
         [](ElasticProblem& p) {
             p.internalPoints = {{std::nan(""), 0.5}};
         },
         "Współrzędne punktu wewnętrznego 1"},
        {"load beyond float", [](ElasticProblem& p) { p.elements[1].atEnd.y = 1e39; },
         "Element 2 ma w warunku brzegowym wartość"},
        {"middle not a number",
         [](ElasticProblem& p) {
             p.elements[2].atMiddle = PlanePoint{0.0, std::nan("")};
         },
         "Element 3 ma w warunku brzegowym wartość"},
        {"unknown kind", [](ElasticProblem& p) { p.elements[3].kind = static_cast<ElasticKind>(3); },
         "Element 4 ma warunek nieznanego rodzaju 3"},
        {"modulus", [](ElasticProblem& p) { p.youngModulus = 0.0; }, "Moduł Younga"},
        {"Poisson", [](ElasticProblem& p) { p.poissonRatio = 0.5; }, "Liczba Poissona"},
        {"nothing held",
         [](ElasticProblem& p) {
             for (ElasticElement& e : p.elements) {
                 e.kind = ElasticKind::Traction;
             }
         },
         "Brak przemieszczeń zadanych"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ElasticProblem p = good;
        c.spoil(p);
        EXPECT_THAT([&] { solveElasticProblem(p); },
                    ::testing::ThrowsMessage<ElasticError>(::testing::HasSubstr(c.message)));
    }
}

// A plate in plane stress pulled along x: the stress is the pull alone, sz
// is 0, and the plate narrows by its own Poisson's ratio, not by a plane
// strain's; with Poisson's ratio 0.5, which only a plate may have, too.
TEST(ElasticProblem, APlateInPlaneStressNarrowsByItsOwnRatio)
{
    const double pull = 1e6;
    for (const double nu : {0.25, 0.5}) {
        ElasticProblem p = problemOf(test::square(1.0, 2));
        p.youngModulus = 7e10;
        p.poissonRatio = nu;
        p.planeStress = true;
        const auto exact = [&](PlanePoint q) {
            return PlanePoint{pull / p.youngModulus * q.x, -nu * pull / p.youngModulus * q.y};
        };
        for (ElasticElement& e : p.elements) {
            const PlanePoint a = p.nodes[static_cast<std::size_t>(e.start)];
            const PlanePoint b = p.nodes[static_cast<std::size_t>(e.end)];
            if (a.x == 0.0 && b.x == 0.0) {
                e.kind = ElasticKind::Displacement;
                e.atStart = exact(a);
                e.atEnd = exact(b);
            } else if (a.x == 1.0 && b.x == 1.0) {
                e.atStart = e.atEnd = {pull, 0.0};
            }
        }
        const ElasticSolution s = solveElasticProblem(p);
        for (std::size_t i = 0; i < p.nodes.size(); ++i) {
            SCOPED_TRACE("nu " + std::to_string(nu) + ", node " + std::to_string(i + 1));
            const PlanePoint u = exact(p.nodes[i]);
            EXPECT_NEAR(s.nodes[i].ux, u.x, 1e-6 * pull / p.youngModulus);
            EXPECT_NEAR(s.nodes[i].uy, u.y, 1e-6 * pull / p.youngModulus);
            EXPECT_NEAR(s.nodes[i].stress.sx, pull, 1e-6 * pull);
            EXPECT_NEAR(s.nodes[i].stress.sz, 0.0, 1e-6 * pull);
            EXPECT_NEAR(s.nodes[i].stress.reduced, pull, 1e-6 * pull);
        }
    }
}

// A quarter of a pressurised ring, held by symmetry planes alone: its edge
// on the x axis may slide along it (y held), its edge on the y axis likewise
// (x held), both free of shear; an aluminium plate in plane stress. Lame's
// plane-stress answer within 1 % at the hole, with 16 elements a quarter
// circle and 4 an edge.
TEST(ElasticProblem, RingQuarterOnSymmetryPlanesMatchesLame)
{
    const double a = 1.0, b = 2.0, pressure = 50e6, young = 7e10, nu = 0.33;
    const double bigA = pressure * a * a / (b * b - a * a), bigB = bigA * b * b;
    const auto radial = [&](double r) { return ((1.0 - nu) * bigA * r + (1.0 + nu) * bigB / r) / young; };
    ElasticProblem p;
    p.youngModulus = young;
    p.poissonRatio = nu;
    p.planeStress = true;
    const int arc = 16, edge = 4;
    std::vector<std::pair<PlanePoint, ElasticKind>> outline; // each node with the kind of the element it starts
    for (int i = 0; i < edge; ++i) {
        outline.push_back({{a + (b - a) * i / edge, 0.0}, ElasticKind::HeldY});
    }
    for (int i = 0; i < arc; ++i) {
        const double t = std::numbers::pi / 2 * i / arc;
        outline.push_back({{b * std::cos(t), b * std::sin(t)}, ElasticKind::Traction});
    }
    for (int i = 0; i < edge; ++i) {
        outline.push_back({{0.0, b - (b - a) * i / edge}, ElasticKind::HeldX});
    }
    for (int i = arc; i > 0; --i) {
        const double t = std::numbers::pi / 2 * i / arc;
        outline.push_back({{a * std::cos(t), a * std::sin(t)}, ElasticKind::Traction});
    }
    const int n = static_cast<int>(outline.size());
    const auto load = [&](PlanePoint q) {
        const double r = std::hypot(q.x, q.y);
        return r < 0.5 * (a + b) ? PlanePoint{pressure * q.x / r, pressure * q.y / r} : PlanePoint{};
    };
    for (int i = 0; i < n; ++i) {
        const PlanePoint s = outline[static_cast<std::size_t>(i)].first;
        const PlanePoint e = outline[static_cast<std::size_t>((i + 1) % n)].first;
        const PlanePoint m{0.5 * (s.x + e.x), 0.5 * (s.y + e.y)};
        const ElasticKind kind = outline[static_cast<std::size_t>(i)].second;
        const bool loaded = kind == ElasticKind::Traction;
        p.nodes.push_back(s);
        p.elements.push_back({i, (i + 1) % n, kind, loaded ? load(s) : PlanePoint{}, loaded ? load(e) : PlanePoint{},
                              loaded ? load(m) : PlanePoint{}});
    }
    const ElasticSolution sol = solveElasticProblem(p);
    for (int i = 0; i < n; ++i) {
        const PlanePoint q = p.nodes[static_cast<std::size_t>(i)];
        const double r = std::hypot(q.x, q.y), cs = q.x / r, sn = q.y / r;
        const NodeResult& res = sol.nodes[static_cast<std::size_t>(i)];
        SCOPED_TRACE("node " + std::to_string(i + 1));
        EXPECT_NEAR(res.ux * cs + res.uy * sn, radial(r), 0.01 * radial(r));
        EXPECT_NEAR(res.ux * sn - res.uy * cs, 0.0, 0.01 * radial(r)) << "no turning";
        EXPECT_EQ(res.stress.sz, 0.0);
        if (std::abs(r - a) < 1e-9) {
            const double hoop = res.stress.sx * sn * sn + res.stress.sy * cs * cs - 2.0 * res.stress.txy * cs * sn;
            EXPECT_NEAR(hoop, bigA + bigB / (a * a), 0.01 * (bigA + bigB / (a * a)));
        }
    }
}

// The 10 x 1 steel cantilever of 48 elements (20 a long side, 4 an end)
// deflects within 3 % of Timoshenko's beam at every node of its free end, and
// its nodal forces balance as closely.
TEST(ElasticProblem, CantileverOfFortyEightElementsBendsAsTimoshenkosBeam)
{
    const test::Cantilever beam;
    const ElasticSolution s = solveElasticProblem(beam.problem());
    const double exact = beam.timoshenkoDeflection();
    for (int i = beam.along; i <= beam.along + beam.across; ++i) {
        EXPECT_NEAR(s.nodes[static_cast<std::size_t>(i)].uy, exact, 0.03 * exact) << "node " << i + 1;
    }
    PlanePoint total{};
    for (const NodeResult& r : s.nodes) {
        total.x += r.fx;
        total.y += r.fy;
    }
    EXPECT_NEAR(total.x, 0.0, 0.03 * beam.load * beam.height);
    EXPECT_NEAR(total.y, 0.0, 0.03 * beam.load * beam.height);
}

// Lame's cylinder and Kirsch's plate with 24 elements a circle, half as many
// as two-node elements needed, are as close to their closed forms as those
// were: 0.5 % for Lame's displacement, 1 % for the hoop stress of the inner
// circle and the stresses of points inside, 1.5 % for the stress
// concentration of Kirsch's hole and 3 % of the tension beside it. Doubling
// the elements takes the hole's error down by the square or better. A node's
// force is the load of its two elements split between their ends by
// distance: from a pressure given radially at the nodes, along the chord's
// normal at its middle, a chord of length l gives each end
// l p (1/6 + cos(pi/n)/3) along the end's radius.
TEST(ElasticProblem, LameAndKirschNeedHalfTheElementsOfLinearOnes)
{
    const test::ThickCylinder c;
    const int n = 24;
    ElasticProblem p = c.problem(n);
    p.internalPoints = {{1.5, 0.0}, {0.0, 1.3}, {-1.06066017, 1.06066017}};
    const ElasticSolution s = solveElasticProblem(p);
    const double chord = 2.0 * c.a * std::sin(std::numbers::pi / n);
    const double nodeForce = 2.0 * chord * c.pressure * (1.0 / 6.0 + std::cos(std::numbers::pi / n) / 3.0);
    for (int i = n; i < 2 * n; ++i) {
        SCOPED_TRACE("inner node " + std::to_string(i + 1));
        const NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
        const PlanePoint q = p.nodes[static_cast<std::size_t>(i)];
        const double cs = q.x / c.a, sn = q.y / c.a;
        EXPECT_NEAR(r.ux * cs + r.uy * sn, c.radialDisplacement(c.a), 0.005 * c.radialDisplacement(c.a));
        EXPECT_NEAR(r.fx * cs + r.fy * sn, nodeForce, 1e-9 * nodeForce);
        EXPECT_NEAR(r.fx * sn - r.fy * cs, 0.0, 1e-9 * nodeForce);
        const double hoop = r.stress.sx * sn * sn + r.stress.sy * cs * cs - 2.0 * r.stress.txy * cs * sn;
        EXPECT_NEAR(hoop, c.hoopStress(c.a), 0.01 * c.hoopStress(c.a));
    }
    for (std::size_t i = 0; i < p.internalPoints.size(); ++i) {
        const PlanePoint q = p.internalPoints[i];
        const double r = std::hypot(q.x, q.y), cs = q.x / r, sn = q.y / r;
        const PointResult& res = s.points[i];
        EXPECT_NEAR(res.ux * cs + res.uy * sn, c.radialDisplacement(r), 0.005 * c.radialDisplacement(r));
        const double hoop = res.stress.sx * sn * sn + res.stress.sy * cs * cs - 2.0 * res.stress.txy * cs * sn;
        EXPECT_NEAR(hoop, c.hoopStress(r), 0.01 * c.hoopStress(r));
    }

    const test::PlateWithHole h;
    auto holeErrors = [&](int perCircle) {
        const ElasticSolution k = solveElasticProblem(h.problem(perCircle));
        const NodeResult& top = k.nodes[static_cast<std::size_t>(perCircle + perCircle / 4)];
        const NodeResult& side = k.nodes[static_cast<std::size_t>(perCircle)];
        return std::pair{std::abs(top.stress.sx - h.hoopStressOnHole(std::numbers::pi / 2)),
                         std::abs(side.stress.sy - h.hoopStressOnHole(0.0))};
    };
    const auto [top, side] = holeErrors(n);
    EXPECT_LT(top, 0.015 * 3.0 * h.tension);
    EXPECT_LT(side, 0.03 * h.tension);
    EXPECT_LT(holeErrors(2 * n).first, top / 3.5);
}

} // namespace
} // namespace zorind::elastic
