// The solver's second input: a problem whose elements carry their own
// conditions, as the application solves it in its own process.
#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ExchangeText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
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
        p.elements.push_back({i, (i + 1) % n, ElasticKind::Traction, {}, {}});
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

} // namespace
} // namespace zorind::elastic
