#include "core/postprocess/ComputedResults.h"

#include "core/solver/Compute.h"

namespace zorind {

ResultsOutcome ensureResults(Project& project, Interaction& ui, const ElasticSolver& solve, std::FILE* trace)
{
    const bool elasticity = project.analysisType == Elasticity;
    if (project.resultsValid == 1 && (elasticity || isPotentialAnalysis(project.analysisType))) {
        return ResultsOutcome::Ready;
    }
    if (elasticity) {
        switch (computeElasticityCommand(project, ui, solve)) {
        case ElasticComputeOutcome::Computed:
            return ResultsOutcome::Ready;
        case ElasticComputeOutcome::CheckErrors:
            return ResultsOutcome::CheckErrors;
        default:
            return ResultsOutcome::Failed;
        }
    }
    switch (computeCommand(project, ui, trace)) {
    case ComputeOutcome::Computed:
        return ResultsOutcome::Ready;
    case ComputeOutcome::CheckErrors:
        return ResultsOutcome::CheckErrors;
    case ComputeOutcome::NotComputedHere:
        return ResultsOutcome::NotComputedHere;
    default:
        return ResultsOutcome::Failed;
    }
}

} // namespace zorind
