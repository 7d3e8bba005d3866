#pragma once

#include <string>
#include <vector>

#include "core/exchange/ResultFile.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

inline constexpr const char* kImportCaption = "Import wynikow z PURDEX";
inline constexpr const char* kImportQuestion = "Importowac wyniki ?";

enum class ImportOutcome {
    NoNodes,    // the project has no nodes: nothing to import into
    CannotOpen, // the result file cannot be opened or read; nothing changed
    NoHeader,   // no header line in the file; nothing changed
    OtherModel, // the file holds results for another number of nodes; nothing changed
    Partial,    // header found but the blocks end early; what was read is kept
    Complete,   // header found and both blocks read whole
};

// The text of the message that shows the solver's notes.
std::string solverNotesMessage(const std::vector<std::string>& notes);

// Puts what a result file gave into the result tables, one record per node:
// displacement x, y in element slots 1, 2, force x, y in flux slots 1, 2,
// sigma x, sigma y, sigma z, tau xy and the reduced stress in element slots
// 3 to 7. Nodes (or slots) the file did not reach keep their values.
void storeResults(const ResultFileContent& content, Project& project);

// Reads the elasticity result file at `path` into the result tables
// (one record per node) and sets resultsValid once a header line was found;
// the internal points' elasticity results are emptied then, as the file
// carries none.
// A file that cannot be opened, one without the header line, one with
// another model's results and one whose blocks end early are each reported
// in a message box; in the first three cases the results stay as they were.
// When results were taken, the solver's notes follow in a message of their
// own.
ImportOutcome importResults(Project& project, Interaction& ui, const std::string& path);

// "&Importuj z ...": with at least one node, asks "Importowac wyniki ?" and
// on Yes imports "tav_ed.wyn" from `directory`.
void importResultsCommand(Project& project, Interaction& ui, const std::string& directory);

} // namespace zorind
