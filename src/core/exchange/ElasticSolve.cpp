#include "core/exchange/ElasticSolve.h"

#include <cmath>
#include <exception>
#include <limits>
#include <new>

#include "core/check/CheckModel.h"
#include "core/exchange/ElasticConditions.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ImportCommand.h"
#include "core/model/NumberFormat.h"
#include "core/solver/Compute.h"

namespace zorind {

namespace {

// A value as the exchange file gives it to the solver program, so that both
// ways of solving see the same material.
double asExchanged(float value)
{
    std::string text;
    appendFileNumber(text, value, 6);
    return parseFiniteDouble(text).value_or(static_cast<double>(value));
}

// A result the project's single-precision tables can hold.
bool storable(double value)
{
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max());
}

bool storable(const contract::Stress& s)
{
    return storable(s.sx) && storable(s.sy) && storable(s.txy) && storable(s.sz) && storable(s.reduced);
}

// Why a solution cannot be stored for this project; empty when it can.
std::string unstorable(const contract::ElasticSolution& s, const Project& p)
{
    if (s.nodes.size() != static_cast<std::size_t>(p.nodeCount()) ||
        s.points.size() != static_cast<std::size_t>(p.internalPointCount())) {
        return "Moduł liczący nie podał wyników dla każdego węzła i punktu wewnętrznego";
    }
    for (const contract::NodeResult& r : s.nodes) {
        if (!storable(r.ux) || !storable(r.uy) || !storable(r.fx) || !storable(r.fy) || !storable(r.stress)) {
            return "Wyniki wykraczają poza zakres liczb, które przechowuje projekt";
        }
    }
    for (const contract::PointResult& r : s.points) {
        if (!storable(r.ux) || !storable(r.uy) || !storable(r.stress)) {
            return "Wyniki wykraczają poza zakres liczb, które przechowuje projekt";
        }
    }
    return {};
}

float stored(double value)
{
    return static_cast<float>(value);
}

// The nodal results go in as the import puts a result file's, through the
// same store, so that both ways of solving fill the tables alike.
void storeSolution(const contract::ElasticSolution& s, Project& p)
{
    ResultFileContent content;
    for (const contract::NodeResult& r : s.nodes) {
        NodeResultValues v;
        v.motionRead = true;
        v.dx = stored(r.ux);
        v.dy = stored(r.uy);
        v.fx = stored(r.fx);
        v.fy = stored(r.fy);
        v.stressesSet = true;
        v.sigmaX = stored(r.stress.sx);
        v.sigmaY = stored(r.stress.sy);
        v.sigmaZ = stored(r.stress.sz);
        v.tauXY = stored(r.stress.txy);
        v.reduced = stored(r.stress.reduced);
        content.nodes.push_back(v);
    }
    storeResults(content, p);
    p.internalPointResults.resize(0);
    for (const contract::PointResult& r : s.points) {
        p.internalPointResults.append({stored(r.ux), stored(r.uy), stored(r.stress.sx), stored(r.stress.sy),
                                       stored(r.stress.txy), stored(r.stress.sz), stored(r.stress.reduced)});
    }
    p.resultsValid = 1;
}

} // namespace

double exchangedYoungModulus(const Model& model)
{
    return asExchanged(static_cast<float>(model.material.youngModulus));
}

double exchangedPoissonRatio(const Model& model)
{
    return asExchanged(static_cast<float>(model.material.poissonRatio));
}

std::string unknownElasticKind(const Project& p)
{
    for (int e : p.elements.numbers()) {
        const int c = p.elements[e].condition;
        if (!p.conditions.contains(c)) {
            continue;
        }
        const float kind = p.conditions[c].kind;
        if (elasticityKind(kind) == 0) {
            return "Element " + std::to_string(e) + " ma warunek brzegowy " + std::to_string(c) +
                   " nieznanego rodzaju (" + formatGeneral(static_cast<double>(kind), 9) +
                   "); w zadaniu sprężystości dozwolone rodzaje to 1 (obciążenie), 2 (przemieszczenie), "
                   "4 (ciśnienie), 5 i 6 (płaszczyzna symetrii).";
        }
    }
    return {};
}

contract::ElasticProblem elasticProblem(const Project& p)
{
    contract::ElasticProblem problem;
    problem.youngModulus = exchangedYoungModulus(p);
    problem.poissonRatio = exchangedPoissonRatio(p);
    problem.planeStress = p.material.planeStress;
    for (int i : p.nodes.numbers()) {
        problem.nodes.push_back({static_cast<double>(p.nodes[i].x), static_cast<double>(p.nodes[i].y)});
    }
    for (int e : p.elements.numbers()) {
        if (const std::optional<contract::ElasticElement> element = solverElement(p, e)) {
            problem.elements.push_back(*element);
        }
    }
    for (int i : p.internalPoints.numbers()) {
        problem.internalPoints.push_back(
            {static_cast<double>(p.internalPoints[i].x), static_cast<double>(p.internalPoints[i].y)});
    }
    return problem;
}

ElasticComputeOutcome computeElasticityCommand(Project& project, Interaction& ui, const ElasticSolver& solve)
{
    if (project.analysisType != Elasticity) {
        ui.error(kNotElasticityMessage, kComputeCaption);
        return ElasticComputeOutcome::NotElasticity;
    }
    if (checkModel(project, ui) != 0) {
        ui.plain(kCheckErrorsMessage);
        return ElasticComputeOutcome::CheckErrors;
    }
    if (const std::string fault = unknownElasticKind(project); !fault.empty()) {
        ui.error(std::string(kComputeFailedMessage) + "\n" + fault, kComputeCaption);
        return ElasticComputeOutcome::Failed;
    }
    BusyGuard busy(ui);
    contract::ElasticSolution solution;
    std::string failure;
    try {
        solution = solve(elasticProblem(project));
        failure = unstorable(solution, project);
    } catch (const std::bad_alloc&) {
        failure = "Brak pamięci na obliczenie";
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "Nieznany błąd modułu liczącego";
    }
    if (failure.empty()) {
        // Stored before the box is shown, so that a repaint behind the box
        // never pairs resultsValid with the previous model's numbers.
        storeSolution(solution, project);
    }
    busy.end();
    if (!failure.empty()) {
        ui.error(std::string(kComputeFailedMessage) + "\n" + failure, kComputeCaption);
        return ElasticComputeOutcome::Failed;
    }
    ui.exclamation(kComputedMessage, kComputeCaption);
    if (!solution.notes.empty()) {
        ui.message(solverNotesMessage(solution.notes), kComputeCaption, MessageKind::Information);
    }
    return ElasticComputeOutcome::Computed;
}

} // namespace zorind
