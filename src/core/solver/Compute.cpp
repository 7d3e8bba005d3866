#include "core/solver/Compute.h"

#include <cfenv>
#include <cmath>
#include <exception>
#include <limits>
#include <stdexcept>
#include <string>

#include "core/check/CheckModel.h"
#include "core/model/NumberFormat.h"
#include "core/solver/Assembly.h"
#include "core/solver/Integration.h"
#include "core/solver/LinearSolve.h"

namespace zorind {

namespace solver {

namespace {

static_assert(kMaxResults >= kMaxElements, "every element needs a result record");

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

void require(bool condition, const std::string& what)
{
    if (!condition) {
        throw std::out_of_range(what);
    }
}

// A double that can be stored as a float without leaving its range.
bool storable(double value)
{
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(std::numeric_limits<float>::max());
}

float toStored(double value)
{
    if (std::isnan(value)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    if (value > static_cast<double>(std::numeric_limits<float>::max())) {
        return std::numeric_limits<float>::infinity();
    }
    if (value < -static_cast<double>(std::numeric_limits<float>::max())) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

// Restores the caller's floating-point status flags when the solution ends.
class FaultFlagsGuard {
public:
    FaultFlagsGuard() { std::fegetexceptflag(&saved_, kFaults); }
    ~FaultFlagsGuard() { std::fesetexceptflag(&saved_, kFaults); }
    FaultFlagsGuard(const FaultFlagsGuard&) = delete;
    FaultFlagsGuard& operator=(const FaultFlagsGuard&) = delete;

private:
    std::fexcept_t saved_{};
};

void failOnFaults(const char* step)
{
    if (std::fetestexcept(kFaults) != 0) {
        throw SolverError(std::string("floating-point fault in ") + step);
    }
}

bool resultsStorable(const SolverContext& ctx)
{
    for (int m = 1; m <= 3 * ctx.elementCount; ++m) {
        if (!storable(ctx.localPotential[m]) || !storable(ctx.localFlux[m])) {
            return false;
        }
    }
    for (int i = 1; i <= ctx.internalRowCount; ++i) {
        if (!storable(ctx.internalPotential[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

void prepareWorkspace(SolverContext& ctx, const Project& project)
{
    const int ne = project.elementCount();
    const int ni = project.internalPointCount();
    for (int e = 1; e <= ne; ++e) {
        const Element& el = project.elements[e];
        require(project.nodes.contains(el.startNode) && project.nodes.contains(el.endNode),
                "node of element " + std::to_string(e));
        require(project.conditions.contains(el.condition), "condition of element " + std::to_string(e));
    }

    // A chain is a maximal run of consecutive elements on one boundary.
    int nc = 1;
    for (int e = 2; e <= ne; ++e) {
        if (project.elements[e].boundary != project.elements[e - 1].boundary) {
            ++nc;
        }
    }
    ctx.conditionLength = 6 * ne + 6;
    ctx.chainCount = nc;
    ctx.elementCount = ne;
    ctx.internalRowCount = ni;
    ctx.ambientTemperature = project.ambientTemperature;

    allocateWorkspace(ctx);

    int chain = 0;
    for (int e = 2; e <= ne; ++e) {
        if (project.elements[e].boundary != project.elements[e - 1].boundary) {
            ctx.chainElementEnd[++chain] = e - 1;
        }
    }
    ctx.chainElementEnd[nc] = ne;

    for (int e = 1; e <= ne; ++e) {
        const Element& el = project.elements[e];
        const Node& s = project.nodes[el.startNode];
        const Node& t = project.nodes[el.endNode];
        ctx.elementGeometry[4 * e - 3] = s.x;
        ctx.elementGeometry[4 * e - 2] = s.y;
        ctx.elementGeometry[4 * e - 1] = (static_cast<double>(s.x) + static_cast<double>(t.x)) / 2.0;
        ctx.elementGeometry[4 * e] = (static_cast<double>(s.y) + static_cast<double>(t.y)) / 2.0;
    }
    for (int i = 1; i <= ni; ++i) {
        ctx.pointX[i] = project.internalPoints[i].x;
        ctx.pointY[i] = project.internalPoints[i].y;
    }
    for (int e = 1; e <= ne; ++e) {
        const BoundaryCondition& bc = project.conditions[project.elements[e].condition];
        const double kind = bc.kind;
        ctx.elementConditions[6 * e - 5] = kind;
        ctx.elementConditions[6 * e - 4] = bc.atNode1;
        ctx.elementConditions[6 * e - 3] = kind;
        ctx.elementConditions[6 * e - 2] = bc.atMiddle;
        ctx.elementConditions[6 * e - 1] = kind;
        ctx.elementConditions[6 * e] = bc.atNode2;
    }
    ctx.conductivity = project.conductivity > 0.0f ? static_cast<double>(project.conductivity) : 1.0;
}

SolveStatus runSolution(SolverContext& ctx)
{
    FaultFlagsGuard flags;
    try {
        std::feclearexcept(kFaults);
        numberNodes(ctx);
        assembleSystem(ctx);
        failOnFaults("the integration");

        gaussSolve(ctx, ctx.boundaryNodeCount);

        std::feclearexcept(kFaults);
        recoverNodalValues(ctx);
        evaluateInternalPoints(ctx);
        distributeToElements(ctx);
        failOnFaults("the recovery of the nodal values");
    } catch (const SingularMatrixError&) {
        return SolveStatus::Singular;
    } catch (const std::exception&) {
        return SolveStatus::Failed;
    }
    return resultsStorable(ctx) ? SolveStatus::Solved : SolveStatus::Failed;
}

void storeResults(const SolverContext& ctx, Project& project)
{
    for (int e = 1; e <= ctx.elementCount; ++e) {
        ResultRecord& potential = project.elementResults[e];
        ResultRecord& flux = project.fluxResults[e];
        for (int a = 1; a <= 3; ++a) {
            potential.slot[static_cast<std::size_t>(a)] = toStored(ctx.localPotential[3 * e - 3 + a]);
            flux.slot[static_cast<std::size_t>(a)] = toStored(ctx.localFlux[3 * e - 3 + a]);
        }
    }
    for (int i = 1; i <= ctx.internalRowCount; ++i) {
        project.internalPoints[i].internalResult = toStored(ctx.internalPotential[i]);
    }
}

} // namespace solver

namespace {

// The potential solver knows the kinds 1 (potential), 2 (flux) and 3
// (convection); any other kind on an element (a file from elsewhere, a
// condition left from another analysis) is named so that the user can find
// it. Empty when every element's condition has a known kind.
std::string unknownConditionKind(const Project& p)
{
    for (int e = 1; e <= p.elementCount(); ++e) {
        const int c = p.elements[e].condition;
        const float kind = p.conditions[c].kind;
        if (kind != 1.0f && kind != 2.0f && kind != 3.0f) {
            return "Element " + std::to_string(e) + " ma warunek brzegowy " + std::to_string(c) +
                   " nieznanego rodzaju (" + formatGeneral(static_cast<double>(kind), 9) +
                   "); dozwolone rodzaje to 1, 2 i 3.";
        }
    }
    return {};
}

} // namespace

ComputeOutcome computeCommand(Project& project, Interaction& ui, std::FILE* trace)
{
    if (checkModel(project, ui) != 0) {
        ui.plain(kCheckErrorsMessage);
        return ComputeOutcome::CheckErrors;
    }
    if (!isPotentialAnalysis(project.analysisType)) {
        // Elasticity is computed by the external solver, thermoelasticity by
        // nothing.
        return ComputeOutcome::NotComputedHere;
    }

    if (project.elementCount() == 0) {
        ui.error(std::string(kComputeFailedMessage) + "\nModel nie zawiera elementów: nie ma czego obliczać.",
                 kComputeCaption);
        return ComputeOutcome::Failed;
    }
    if (const std::string fault = unknownConditionKind(project); !fault.empty()) {
        ui.error(std::string(kComputeFailedMessage) + "\n" + fault, kComputeCaption);
        return ComputeOutcome::Failed;
    }

    BusyGuard busy(ui);
    solver::SolverContext ctx;
    ctx.trace = trace;
    try {
        solver::prepareWorkspace(ctx, project);
    } catch (const std::exception&) {
        solver::releaseWorkspace(ctx);
        busy.end();
        ui.error(kInitialisationFailedMessage, kInitialisationFailedCaption);
        return ComputeOutcome::InitialisationFailed;
    }

    const solver::SolveStatus status = solver::runSolution(ctx);
    if (status == solver::SolveStatus::Solved) {
        // Stored before the box is shown, so that a repaint behind the box
        // never pairs resultsValid with the previous model's numbers.
        solver::storeResults(ctx, project);
        project.resultsValid = 1;
    }
    solver::releaseWorkspace(ctx);
    busy.end();

    switch (status) {
    case solver::SolveStatus::Solved:
        ui.exclamation(kComputedMessage, kComputeCaption);
        return ComputeOutcome::Computed;
    case solver::SolveStatus::Singular:
        ui.error(kSingularMessage, kComputeCaption);
        return ComputeOutcome::Singular;
    case solver::SolveStatus::Failed:
        break;
    }
    ui.error(kComputeFailedMessage, kComputeCaption);
    return ComputeOutcome::Failed;
}

bool evaluateInternalPointValues(Project& project)
{
    if (project.resultsValid != 1 || !isPotentialAnalysis(project.analysisType) || project.elementCount() == 0) {
        return false;
    }
    solver::SolverContext ctx;
    ctx.trace = nullptr;
    bool solved = false;
    try {
        solver::prepareWorkspace(ctx, project);
        solved = solver::runSolution(ctx) == solver::SolveStatus::Solved;
    } catch (const std::exception&) {
        solved = false;
    }
    if (solved) {
        for (int i = 1; i <= ctx.internalRowCount; ++i) {
            project.internalPoints[i].internalResult = solver::toStored(ctx.internalPotential[i]);
        }
    }
    solver::releaseWorkspace(ctx);
    return solved;
}

} // namespace zorind
