#pragma once

#include <cstdio>

#include "core/exchange/ElasticSolve.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

enum class ResultsOutcome {
    Ready,           // the project holds valid results of its analysis
    CheckErrors,     // the check reported errors; nothing computed
    NotComputedHere, // thermoelasticity: computed by nothing
    Failed,          // the computation failed; its message has been shown
};

// Valid results for what needs them (the balance, a probe): those the
// project holds, or else computed now as "&Oblicz" computes a potential
// analysis and "Oblicz s&prężystość" an elasticity one (elasticity through
// `solve`), with the check's report and the outcome's messages through `ui`
// and the solver's trace lines to `trace`.
ResultsOutcome ensureResults(Project& project, Interaction& ui, const ElasticSolver& solve, std::FILE* trace = stdout);

} // namespace zorind
