#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CliInteraction.h"
#include "core/session/Project.h"
#include "core/solver/Compute.h"

namespace zorind::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitErrors = 1;
inline constexpr int kExitUsage = 2; // also: the project file cannot be read
inline constexpr int kExitComputeFailed = 3;
inline constexpr int kExitNotComputedHere = 4;

// The arguments after the subcommand's name. Options are taken out one by
// one; whatever is left at the end is a usage error.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}

    // Removes "-o VALUE" (or "--out=VALUE" style "NAME=VALUE") and returns
    // VALUE; throws UsageError when the value is missing.
    std::optional<std::string> takeOption(const std::string& name);
    // Removes a flag such as "--fit"; true when it was there.
    bool takeFlag(const std::string& name);
    // The flags among `names` in the order they were given, removed.
    std::vector<std::string> takeFlagsInOrder(const std::vector<std::string>& names);
    // Removes and returns the next positional argument.
    std::optional<std::string> takePositional();
    // Throws UsageError when anything is left.
    void expectEmpty() const;
    // Everything left, in order, removed.
    std::vector<std::string> takeAll() { return std::move(args_); }

private:
    std::vector<std::string> args_;
};

struct UsageError {
    std::string message;
};

// Opens FILE as "Otwórz" reads it. On failure the window's message has been
// printed on standard error and the caller should exit with kExitUsage.
bool loadProject(Project& project, const std::string& path);

// The exit status of a compute outcome: 0 computed, 1 check errors, 3 the
// computation failed, 4 the analysis type is not computed here.
int computeStatus(ComputeOutcome outcome);

// Saves as "Zapisz" writes the file; messages go to `ui`.
bool saveProjectTo(Project& project, Interaction& ui, const std::string& path);

// The subcommands; each gets its own arguments and returns the exit status.
int runCheck(Arguments args);
int runRenumber(Arguments args);
int runClean(Arguments args);
int runRefine(Arguments args);
int runSolve(Arguments args);
// The potential on a grid of cell centres over the model, after solving it.
int runField(Arguments args);
int runRender(Arguments args);
// The totals over the boundaries and conditions, after solving when needed.
int runBalance(Arguments args);
// The results along a segment and the flux through it.
int runProbe(Arguments args);
int runExportElasticity(Arguments args);
int runImportResults(Arguments args);

// solve on an elasticity project: checks and solves it in this process, as
// "Oblicz sprężystość" does, and prints the elasticity results list and the
// internal points' results after it, or with `json` the same values as JSON;
// the messages and the solver's notes go to standard error. 0 solved, 1 the
// check found errors, 3 the solver refused.
int solveElasticity(Project& project, bool json);

} // namespace zorind::cli
