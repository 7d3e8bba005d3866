#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

inline constexpr const char* kExportCaption = "Eksport";
inline constexpr const char* kExportRefusedMessage = "Eksportuje tylko pliki dla obliczeń spężystych";
inline constexpr const char* kExportedMessage = "Wyeksportowano plik do PURDEX";
inline constexpr const char* kStartSolverQuestion = "Uruchomić moduł liczący(spowoduje to zamknięcie programu)";

// The external solver a user may put in the working folder; without it the
// solver installed with this program runs in its place.
inline constexpr const char* kExternalSolverName = "solver.exe";
inline constexpr const char* kInstalledSolverName = "zorind-elastic";

// How a process is started without waiting for it (QProcess in the window).
class SolverLauncher {
public:
    virtual ~SolverLauncher() = default;
    // Starts `program` with `arguments` in `workingDirectory`, inheriting the
    // environment, and returns at once: true when the process was started.
    virtual bool start(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingDirectory) = 0;
};

struct SolverLaunch {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;
};

// Which solver starts: "solver.exe" when it is a file in `workingDirectory`
// (named relative to that folder, "./solver.exe", so that no search along
// the path takes place), otherwise zorind-elastic from `programDirectory`.
// Either gets the two file names and runs in `workingDirectory`.
SolverLaunch solverLaunch(const std::filesystem::path& workingDirectory, const std::filesystem::path& programDirectory);

// The export's warning for the nodes nodesWithSplitLoads names.
std::string splitLoadsMessage(const std::vector<int>& nodes);

enum class ExportOutcome {
    Refused,          // not an elasticity project; nothing written
    CannotWrite,      // the exchange file could not be written
    Exported,         // written; the solver was not started
    SolverStarted,    // written and the solver runs: this program ends (status 0)
    SolverNotStarted, // written, but the solver could not be started
};

// Writes the exchange file into `directory` with the export's messages
// (the refusal for other analysis types, an error when the file cannot be
// written, "Wyeksportowano plik do PURDEX" after success, preceded by
// splitLoadsMessage when a node carries different loads on its two sides).
// No question.
ExportOutcome writeExchangeFile(const Project& project, Interaction& ui, const std::filesystem::path& directory);

// "&Eksportuj do ...": writes the exchange file into the working folder,
// then asks whether to start the solver; on Yes starts it through
// `launcher`. A solver that cannot be started is reported and the program
// goes on. On SolverStarted the caller ends the program with status 0,
// without asking again. `mayEnd`, when given, runs after the Yes and before
// the start (the window offers to save there); false keeps the program
// running without a start, as a No would.
ExportOutcome exportCommand(const Project& project, Interaction& ui, SolverLauncher& launcher,
                            const std::filesystem::path& workingDirectory,
                            const std::filesystem::path& programDirectory, const std::function<bool()>& mayEnd = {});

} // namespace zorind
