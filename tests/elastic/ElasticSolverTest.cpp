#include "ElasticSolver.h"
#include "ElasticProgram.h"
#include "ExchangeModel.h"
#include "ResultWriter.h"
#include "elastic/ExchangeText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

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
    EXPECT_THAT(out.str(), ::testing::HasSubstr("Węzeł 5 nie należy"));
    std::istringstream lines(out.str());
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 254u);
    }
}

// Every refusal: a message on standard error, a failure status, and no result
// file, not even the one an earlier run left.
TEST(ElasticProgram, BadInputIsRefusedWithoutResultFile)
{
    const auto dir = std::filesystem::temp_directory_path() / ("zorind_elastic_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto data = dir / "tav_ed.dat";
    const auto results = dir / "tav_ed.wyn";

    ExchangeModel good;
    good.youngModulus = youngModulus;
    good.poissonRatio = poisson;
    addLoop(good, test::square(1.0, 1));
    good.displacements = {{0, 0.0, 0.0}, {1, 0.0, 0.0}};
    good.tractions = {{2, 0.0, 1e6}, {3, 0.0, 1e6}};

    ExchangeModel tooMany = good;
    tooMany.nodes.resize(200);
    ExchangeModel missingNode = good;
    missingNode.elements[3].end = 7;
    ExchangeModel unfixed = good;
    unfixed.displacements.clear();
    ExchangeModel slit = good; // two elements on top of each other
    slit.nodes.resize(2);
    slit.elements = {{0, 1}, {1, 0}};
    slit.tractions.clear();
    ExchangeModel loose = good; // a second body that nothing holds
    addLoop(loose, test::square(1.0, 1));
    for (std::size_t i = 4; i < 8; ++i) {
        loose.nodes[i].x += 3.0;
        loose.tractions.push_back({static_cast<int>(i), 1e6, 0.0});
    }

    struct Case {
        std::string name;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"unreadable", "", "Nie można odczytać pliku danych"},
        {"empty", " ", "wiersz 1: plik kończy się przedwcześnie"},
        {"malformed number", "0 4 4 0 1 0 2.1e11 0.3\n1 0.0 x 0 0\n", "wiersz 2: oczekiwano liczby"},
        {"truncated", exchangeText(good).substr(0, 60), "plik kończy się przedwcześnie"},
        {"nodes over capacity", exchangeText(tooMany), "liczba węzłów 200 przekracza dopuszczalne 199"},
        {"element names a missing node", exchangeText(missingNode), "węzeł 8 nie istnieje"},
        {"no displacement", exchangeText(unfixed), "Brak przemieszczeń"},
        {"overlapping elements", exchangeText(slit), "nakładają się"},
        {"singular system", exchangeText(loose), "osobliwy"},
        {"trailing data", exchangeText(good) + "5 1 2\n", "nadmiarowe dane"},
    };
    for (const auto& [name, text, message] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::remove(data);
        if (name != "unreadable") {
            std::ofstream(data) << text;
        }
        std::ofstream(results) << "results of an earlier run\n";
        std::ostringstream err;
        EXPECT_EQ(runElastic(data, results, err), exitFailed);
        EXPECT_THAT(err.str(), ::testing::StartsWith("zorind-elastic: "));
        EXPECT_THAT(err.str(), ::testing::HasSubstr(message));
        EXPECT_FALSE(std::filesystem::exists(results));
    }
    std::ofstream(data) << exchangeText(good, -1);
    std::ostringstream err;
    EXPECT_EQ(runElastic(data, results, err), exitSolved) << err.str();
    EXPECT_TRUE(std::filesystem::exists(results));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 2);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace zorind::elastic
