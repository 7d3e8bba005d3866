// The elasticity solver's convergence on three bodies with closed-form
// answers, printed as a table: elements, error, observed order.
//
//   cantilever  10 x 1 steel, left end held, uniform shear on the right end:
//               the deflection of the free end's mid-height node against
//               Timoshenko's beam (plane strain, shear coefficient 5/6); the
//               order from the differences of successive meshes
//   Lame        thick cylinder b = 2a under internal pressure: the largest
//               error of the inner circle's radial displacement and hoop
//               stress, relative to their exact values
//   Kirsch      a hole of radius a in a disc of 5a held at Kirsch's
//               displacement: the hoop stress on the hole at 90 degrees
//               (3 times the tension) and at 0 degrees (-1 times)
//
// The order between meshes of h and h/2 is log2(e(h) / e(h/2)).
#include "elastic/ClosedForms.h"
#include "elastic/ElasticSolver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using namespace zorind::elastic;

double order(double coarse, double fine)
{
    return std::log2(coarse / fine);
}

void cantilever()
{
    std::printf("cantilever 10 x 1 (Timoshenko %.6g)\n", test::Cantilever{}.timoshenkoDeflection());
    std::printf("%9s %14s %12s %14s %8s\n", "elements", "deflection", "error", "difference", "order");
    std::vector<double> values;
    double lastDifference = 0.0;
    for (const int along : {10, 20, 40, 80}) {
        test::Cantilever beam;
        beam.along = along;
        beam.across = std::max(2, along / 5);
        const ElasticSolution s = solveElasticProblem(beam.problem());
        const double tip = s.nodes[static_cast<std::size_t>(beam.along + beam.across / 2)].uy;
        const double error = std::abs(tip - beam.timoshenkoDeflection()) / beam.timoshenkoDeflection();
        const double difference = values.empty() ? 0.0 : std::abs(tip - values.back()) / std::abs(tip);
        std::printf("%9d %14.7g %12.3e", 2 * (beam.along + beam.across), tip, error);
        if (values.empty()) {
            std::printf("\n");
        } else if (lastDifference == 0.0) {
            std::printf(" %14.3e\n", difference);
        } else {
            std::printf(" %14.3e %8.2f\n", difference, order(lastDifference, difference));
        }
        lastDifference = values.empty() ? 0.0 : difference;
        values.push_back(tip);
    }
}

// One row of two errors, each with its order against the row before (none
// in the first row); `last` holds the previous row's errors.
void printRow(int elements, std::array<double, 2> errors, std::array<double, 2>& last)
{
    std::printf("%9d", elements);
    for (std::size_t k = 0; k < 2; ++k) {
        std::printf(" %14.3e", errors[k]);
        last[k] > 0.0 ? std::printf(" %8.2f", order(last[k], errors[k])) : std::printf(" %8s", "");
    }
    std::printf("\n");
    last = errors;
}

void lame()
{
    std::printf("\nLame's thick cylinder\n");
    std::printf("%9s %14s %8s %14s %8s\n", "elements", "displacement", "order", "hoop stress", "order");
    const test::ThickCylinder c;
    std::array<double, 2> last{};
    for (const int n : {6, 12, 24, 48, 96}) {
        const ElasticSolution s = solveElasticProblem(c.problem(n));
        double errU = 0.0, errS = 0.0;
        for (int i = n; i < 2 * n; ++i) {
            const double angle = 2.0 * std::numbers::pi * (i - n) / n;
            const double cs = std::cos(angle), sn = std::sin(angle);
            const NodeResult& r = s.nodes[static_cast<std::size_t>(i)];
            const double hoop = r.stress.sx * sn * sn + r.stress.sy * cs * cs - 2.0 * r.stress.txy * cs * sn;
            errU =
                std::max(errU, std::abs(r.ux * cs + r.uy * sn - c.radialDisplacement(c.a)) / c.radialDisplacement(c.a));
            errS = std::max(errS, std::abs(hoop - c.hoopStress(c.a)) / c.hoopStress(c.a));
        }
        printRow(2 * n, {errU, errS}, last);
    }
}

void kirsch()
{
    std::printf("\nKirsch's plate\n");
    std::printf("%9s %14s %8s %14s %8s\n", "elements", "stress at 90", "order", "stress at 0", "order");
    const test::PlateWithHole h;
    std::array<double, 2> last{};
    for (const int n : {12, 24, 48, 96}) {
        const ElasticSolution s = solveElasticProblem(h.problem(n));
        const NodeResult& top = s.nodes[static_cast<std::size_t>(n + n / 4)];
        const NodeResult& side = s.nodes[static_cast<std::size_t>(n)];
        const double e90 = std::abs(top.stress.sx - h.hoopStressOnHole(std::numbers::pi / 2)) / h.tension;
        const double e0 = std::abs(side.stress.sy - h.hoopStressOnHole(0.0)) / h.tension;
        printRow(2 * n, {e90, e0}, last);
    }
}

} // namespace

int main()
{
    cantilever();
    lame();
    kirsch();
}
