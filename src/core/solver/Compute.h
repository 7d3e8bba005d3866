#pragma once

#include <cstdio>

#include "core/session/Project.h"
#include "core/solver/Workspace.h"
#include "core/ui/Interaction.h"

namespace zorind {

// How "&Oblicz" ended.
enum class ComputeOutcome {
    CheckErrors,          // the consistency check reported errors; nothing computed
    NotComputedHere,      // analysis type 10 or 11: not computed by this program
    InitialisationFailed, // the workspace could not be prepared
    Failed,               // a failure in the solution steps; nothing stored
    Singular,             // the system matrix is singular; nothing stored
    Computed,             // results stored, resultsValid = 1
};

inline constexpr const char* kCheckErrorsMessage = "Znaleziono błędy w zadaniu...";
inline constexpr const char* kInitialisationFailedMessage = "Błąd inicjacji modułu obliczeniowego";
inline constexpr const char* kInitialisationFailedCaption = "Oblczenia";
inline constexpr const char* kSingularMessage = "Główna macierz jest osobliwa";
inline constexpr const char* kComputeFailedMessage = "Błąd podczas obliczeń";
inline constexpr const char* kComputedMessage = "Obliczono poprawnie";
inline constexpr const char* kComputeCaption = "Obliczenia";

// "&Oblicz" (menu "&Obliczenia", tool button SolveB): checks the model,
// solves a potential problem and stores the results in single precision.
// Outcome boxes go through `ui`; the wait cursor is ui.busy(true/false). After
// a failure nothing is stored and resultsValid keeps its value. The solver's
// trace lines go to `trace` (standard output unless told otherwise).
ComputeOutcome computeCommand(Project& project, Interaction& ui, std::FILE* trace = stdout);

// The values of the internal points from the valid boundary solution of the
// model as it is, by the same evaluation as the compute, for points added
// or moved since. The boundary results are left as they are: they depend on
// nothing that changed. False, storing nothing, when the results are not
// valid potential results or the evaluation fails.
bool evaluateInternalPointValues(Project& project);

namespace solver {

// The sizes and the copy of the model into the workspace: chain table,
// element geometry and conditions, internal points, conductivity (1.0 in
// place of a value that is not positive) and ambient value. Allocates the
// workspace. Throws std::out_of_range when a count or a reference lies outside
// the tables.
void prepareWorkspace(SolverContext& ctx, const Project& project);

enum class SolveStatus { Solved, Singular, Failed };

// The solution steps on a prepared workspace: numberNodes, assembleSystem,
// gaussSolve (n = nb), recoverNodalValues, evaluateInternalPoints,
// distributeToElements. A floating-point fault or
// singular pivot in the elimination gives Singular; any other failure
// (including a floating-point fault in another step, or a result that is not
// a finite number within single-precision range) gives Failed.
SolveStatus runSolution(SolverContext& ctx);

// Writes the results into the Project's result tables in single precision.
void storeResults(const SolverContext& ctx, Project& project);

} // namespace solver

} // namespace zorind
