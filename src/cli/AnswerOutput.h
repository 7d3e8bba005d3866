#pragma once

// Numbers and small pieces of the outputs of balance and probe.
#include <cmath>
#include <cstdio>
#include <string>

#include "cli/CliSupport.h"
#include "core/model/NumberFormat.h"
#include "core/postprocess/ComputedResults.h"
#include "elastic/ElasticSolver.h"

namespace zorind::cli {

// "%.9g" with a decimal point; "nan" for a value there is none of.
inline std::string textNumber(double value)
{
    return std::isnan(value) ? std::string("nan") : formatGeneral(value, 9);
}

// The same in JSON, where there is no NaN: null.
inline std::string jsonNumber(double value)
{
    return std::isfinite(value) ? formatGeneral(value, 9) : std::string("null");
}

inline std::string jsonPair(double a, double b)
{
    return '[' + jsonNumber(a) + ',' + jsonNumber(b) + ']';
}

// The project's results, computed as solve computes them (the messages and
// the solver's trace lines on standard error). The exit status: 0 ready, 1
// the check's errors, 3 the computation failed, 4 an analysis type computed
// by nothing (said on standard error).
inline int readyResults(Project& project)
{
    CliInteraction ui(stderr);
    switch (ensureResults(project, ui, elastic::solveElasticProblem, stderr)) {
    case ResultsOutcome::Ready:
        return kExitOk;
    case ResultsOutcome::CheckErrors:
        return kExitErrors;
    case ResultsOutcome::NotComputedHere:
        std::fprintf(stderr, "Typ obliczeń %d nie jest liczony przez ten program\n", project.analysisType);
        return kExitNotComputedHere;
    case ResultsOutcome::Failed:
        break;
    }
    return kExitComputeFailed;
}

} // namespace zorind::cli
