#pragma once

#include <functional>
#include <string>

#include "contract/ElasticProblem.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// The elasticity solver as this program calls it in its own process: the
// problem built from the project in, the solution out. The window and the
// command line plug in the solver library (zorind_elastic), so that the
// core keeps to the standard library. A solver that refuses the problem
// throws an exception whose what() is the reason, shown to the user as it is.
using ElasticSolver = std::function<contract::ElasticSolution(const contract::ElasticProblem&)>;

inline constexpr const char* kNotElasticityMessage = "Obliczenia sprężyste dotyczą tylko zadań typu 10 (sprężystość)";

// The project's material as the exchange file's "%f" of its single-precision
// value gives it to the solver program: Young's modulus and Poisson's ratio
// (of a plate in plane stress its own, which the solver turns into the
// plane-strain equivalent the file carries).
double exchangedYoungModulus(const Model& model);
double exchangedPoissonRatio(const Model& model);

// Names the first element whose condition is of no elasticity kind (1 a
// traction, 2 a displacement, 4 a pressure, 5 and 6 a symmetry plane);
// empty when there is none. Element references are the consistency check's
// to find.
std::string unknownElasticKind(const Project& project);

// The problem of an elasticity project that passed the check and
// unknownElasticKind: every node; every element as solverElement gives it,
// its own condition's values at its start, middle and end (the export
// writes the ends only), a pressure as its tractions; the internal points;
// the material as exchanged, plane stress or plane strain.
contract::ElasticProblem elasticProblem(const Project& project);

enum class ElasticComputeOutcome {
    NotElasticity, // another analysis type; nothing computed
    CheckErrors,   // the consistency check reported errors; nothing computed
    Failed,        // a condition of unknown kind, or the solver refused; nothing stored
    Computed,      // results stored, resultsValid = 1
};

// "Oblicz s&prężystość": checks the model as "&Oblicz" does, solves the
// elasticity problem in this process through `solve` and stores the results
// as the import stores them, one record per node (displacement x, y in
// element slots 1, 2, force x, y in flux slots 1, 2, the stresses in
// element slots 3 to 7; resultsValid = 1), with each internal point's
// results in internalPointResults; then "Obliczono poprawnie", and the
// solver's notes in a message of their own. A refusal is shown as an
// error with its reason, and the results stay as they were.
ElasticComputeOutcome computeElasticityCommand(Project& project, Interaction& ui, const ElasticSolver& solve);

} // namespace zorind
