#include "elastic/ElasticSolver.h"
#include "elastic/Assembly.h"
#include "elastic/BoundaryConditions.h"
#include "elastic/BoundaryGeometry.h"
#include "elastic/BoundaryResults.h"
#include "elastic/InteriorPoints.h"
#include "elastic/SystemSolve.h"
#include "elastic/Unknowns.h"

#include <cmath>
#include <limits>
#include <vector>

namespace zorind::elastic {

using namespace bem;

Stress planeStrainStress(double sx, double sy, double txy, double poissonRatio)
{
    Stress s;
    s.sx = sx;
    s.sy = sy;
    s.txy = txy;
    s.sz = poissonRatio * (sx + sy);
    s.reduced = std::sqrt(0.5 * ((sx - sy) * (sx - sy) + (sy - s.sz) * (sy - s.sz) + (s.sz - sx) * (s.sz - sx)) +
                          3.0 * txy * txy);
    return s;
}

namespace {

// The size every body is solved at: the larger side of its bounding box.
// Kelvin's displacement kernel holds the logarithm of a length, so the
// discrete solution depends on the unit of length, and near one size of each
// body (its degenerate scale) the system has no unique solution at all:
// there an answer comes out with the wrong sign and no warning. Squares,
// discs and bars up to a hundred times as long as thick, with Poisson's
// ratios from -0.99 to 0.49, have it between two and four units; half a
// unit keeps every one of them at least a factor of four below it.
constexpr double kWorkingSize = 0.5;

// The model brought to the working size: coordinates divided by `length`.
// Young's modulus divided by it too leaves every displacement and stress as
// it was; a nodal force (a traction times a length) is multiplied back. The
// same body drawn in any unit is thus solved as the same numbers, to
// rounding.
struct WorkingScale {
    ExchangeModel model;
    double length = 1.0;
};

WorkingScale workingScale(const ExchangeModel& geometry)
{
    WorkingScale s{geometry, boundarySize(geometry) / kWorkingSize};
    for (std::vector<Point>* points : {&s.model.nodes, &s.model.internalPoints}) {
        for (Point& p : *points) {
            p.x /= s.length;
            p.y /= s.length;
        }
    }
    return s;
}

// The stages after the boundary conditions, whichever input gave them: the
// geometry and plane-strain material of `geometry`, sz / (sx + sy) as given,
// the conditions `conditionsOf` builds on its boundary; the internal points
// numbered from firstPointNumber.
template <class ConditionsOf>
ElasticSolution solveBoundary(const ExchangeModel& geometry, double sigmaZRatio, ConditionsOf conditionsOf,
                              std::size_t firstPointNumber)
{
    if (geometry.elements.empty()) {
        throw ElasticError("Model nie ma elementów brzegowych");
    }
    const WorkingScale scale = workingScale(geometry);
    const Material mat(geometry.youngModulus / scale.length, geometry.poissonRatio, sigmaZRatio);
    ElasticSolution sol;
    const Boundary boundary = boundaryGeometry(scale.model, sol.notes);
    const BoundaryConditions conditions = conditionsOf(boundary, sol.notes);
    const Unknowns unknowns = numberUnknowns(boundary, conditions, sol.notes);
    sol.unknowns = unknowns.count;
    sol.cornerNodes = unknowns.cornerNodes;
    const Eigen::VectorXd x = solveSystem(assembleSystem(mat, boundary, unknowns));
    const BoundaryValues values = boundaryValues(x, unknowns, tractionScale(mat, boundary));
    sol.nodes = nodeResults(mat, boundary, values);
    for (NodeResult& r : sol.nodes) {
        r.fx *= scale.length;
        r.fy *= scale.length;
    }
    sol.points = internalPointResults(mat, boundary, values, scale.model.internalPoints, firstPointNumber, sol.notes);
    return sol;
}

// The range the exchange file allows a value: a finite single-precision
// number, so that squares of coordinates stay finite.
bool representable(double v)
{
    return std::isfinite(v) && std::abs(v) <= static_cast<double>(std::numeric_limits<float>::max());
}

// The checks the exchange reader makes of a file, made of a problem given
// directly; the geometry as the reader would have built it, with the
// plane-strain material it is solved with. A plate in plane stress may have
// a Poisson's ratio of 0.5: its equivalent's is 1/3.
ExchangeModel problemGeometry(const ElasticProblem& problem)
{
    if (!(problem.youngModulus > 0.0) || !representable(problem.youngModulus)) {
        throw ElasticError("Moduł Younga musi być dodatnią liczbą skończoną");
    }
    const double nu = problem.poissonRatio;
    if (!(nu > -1.0 && (problem.planeStress ? nu <= 0.5 : nu < 0.5))) {
        throw ElasticError(problem.planeStress ? "Liczba Poissona musi być większa od -1 i nie większa od 0,5"
                                               : "Liczba Poissona musi leżeć między -1 a 0,5");
    }
    ExchangeModel m;
    const contract::PlaneStrainEquivalent strain = problem.planeStress
                                                       ? contract::planeStrainEquivalent(problem.youngModulus, nu)
                                                       : contract::PlaneStrainEquivalent{problem.youngModulus, nu};
    m.youngModulus = strain.youngModulus;
    m.poissonRatio = strain.poissonRatio;
    for (std::size_t i = 0; i < problem.nodes.size(); ++i) {
        const PlanePoint& p = problem.nodes[i];
        if (!representable(p.x) || !representable(p.y)) {
            throw ElasticError("Współrzędne węzła " + std::to_string(i + 1) + " nie są liczbami skończonymi");
        }
        m.nodes.push_back({p.x, p.y});
    }
    for (std::size_t i = 0; i < problem.internalPoints.size(); ++i) {
        const PlanePoint& p = problem.internalPoints[i];
        if (!representable(p.x) || !representable(p.y)) {
            throw ElasticError("Współrzędne punktu wewnętrznego " + std::to_string(i + 1) +
                               " nie są liczbami skończonymi");
        }
        m.internalPoints.push_back({p.x, p.y});
    }
    const auto nodeCount = static_cast<int>(m.nodes.size());
    for (std::size_t e = 0; e < problem.elements.size(); ++e) {
        const ElasticElement& el = problem.elements[e];
        const std::string name = "Element " + std::to_string(e + 1);
        for (const int node : {el.start, el.end}) {
            if (node < 0 || node >= nodeCount) {
                throw ElasticError(name + ": węzeł " + std::to_string(node + 1) + " nie istnieje");
            }
        }
        if (el.kind != ElasticKind::Traction && el.kind != ElasticKind::Displacement && el.kind != ElasticKind::HeldX &&
            el.kind != ElasticKind::HeldY) {
            throw ElasticError(name + " ma warunek nieznanego rodzaju " + std::to_string(static_cast<int>(el.kind)));
        }
        for (const PlanePoint& v : {el.atStart, el.atEnd, el.atMiddle.value_or(el.atStart)}) {
            if (!representable(v.x) || !representable(v.y)) {
                throw ElasticError(name + " ma w warunku brzegowym wartość, która nie jest liczbą skończoną");
            }
        }
        const Point& a = m.nodes[static_cast<std::size_t>(el.start)];
        const Point& b = m.nodes[static_cast<std::size_t>(el.end)];
        if (!(std::hypot(b.x - a.x, b.y - a.y) > 0.0)) {
            throw ElasticError(name + " ma zerową długość");
        }
        m.elements.push_back({el.start, el.end});
    }
    return m;
}

} // namespace

// The exchange file numbers the internal points after the nodes; the
// application numbers them from 1, as its lists show them.
ElasticSolution solveElastic(const ExchangeModel& model)
{
    return solveBoundary(
        model, model.poissonRatio,
        [&](const Boundary& b, std::vector<std::string>&) { return nodalConditions(model, b); },
        model.nodes.size() + 1);
}

ElasticSolution solveElasticProblem(const ElasticProblem& problem)
{
    const ExchangeModel geometry = problemGeometry(problem);
    return solveBoundary(
        geometry, problem.planeStress ? 0.0 : geometry.poissonRatio,
        [&](const Boundary& b, std::vector<std::string>& notes) { return elementConditions(problem, b, notes); }, 1);
}

} // namespace zorind::elastic
