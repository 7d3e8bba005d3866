#include "core/exchange/ExportCommand.h"

#include <system_error>

#include "core/exchange/ExchangeFile.h"
#include "core/model/ProjectFile.h"

namespace zorind {

std::string splitLoadsMessage(const std::vector<int>& nodes)
{
    std::string list;
    for (int n : nodes) {
        list += (list.empty() ? "" : ", ") + std::to_string(n);
    }
    const bool one = nodes.size() == 1;
    return std::string(one ? "Węzeł " : "Węzły ") + list + (one ? " traci" : " tracą") +
           " w pliku wymiany obciążenie jednej ze stron: elementy po obu stronach mają w " + (one ? "nim" : "nich") +
           " różne obciążenia, a plik przenosi jedno obciążenie na węzeł";
}

SolverLaunch solverLaunch(const std::filesystem::path& workingDirectory, const std::filesystem::path& programDirectory)
{
    SolverLaunch launch;
    launch.arguments = {kExchangeFileName, kResultFileName};
    launch.workingDirectory = workingDirectory.string();
    std::error_code ec;
    if (std::filesystem::is_regular_file(workingDirectory / kExternalSolverName, ec)) {
        launch.program = std::string("./") + kExternalSolverName;
    } else {
        launch.program = (programDirectory / kInstalledSolverName).string();
    }
    return launch;
}

ExportOutcome writeExchangeFile(const Project& project, Interaction& ui, const std::filesystem::path& directory)
{
    if (project.analysisType != Elasticity) {
        ui.error(kExportRefusedMessage, kExportCaption);
        return ExportOutcome::Refused;
    }
    const std::string path = (directory / kExchangeFileName).string();
    // Through a temporary file: a write that fails half-way (a full disk)
    // leaves the previous export as it was instead of a truncated file that
    // a solver started by hand would take for data.
    const FileResult written = writeFileSafely(path, exchangeFileText(project));
    if (!written.ok()) {
        // Without the file the solver has nothing to read: it is not offered.
        ui.error("Nie można zapisać pliku " + path + (written.detail.empty() ? "" : "\n" + written.detail),
                 kExportCaption);
        return ExportOutcome::CannotWrite;
    }
    if (const std::vector<int> split = nodesWithSplitLoads(project); !split.empty()) {
        ui.exclamation(splitLoadsMessage(split), kExportCaption);
    }
    ui.exclamation(kExportedMessage, kExportCaption);
    return ExportOutcome::Exported;
}

ExportOutcome exportCommand(const Project& project, Interaction& ui, SolverLauncher& launcher,
                            const std::filesystem::path& workingDirectory,
                            const std::filesystem::path& programDirectory, const std::function<bool()>& mayEnd)
{
    const ExportOutcome written = writeExchangeFile(project, ui, workingDirectory);
    if (written != ExportOutcome::Exported || !ui.ask(kStartSolverQuestion, kExportCaption, MessageKind::Exclamation)) {
        return written;
    }
    if (mayEnd && !mayEnd()) {
        return written;
    }
    const SolverLaunch launch = solverLaunch(workingDirectory, programDirectory);
    if (!launcher.start(launch.program, launch.arguments, launch.workingDirectory)) {
        ui.error("Nie można uruchomić modułu liczącego " + launch.program, kExportCaption);
        return ExportOutcome::SolverNotStarted;
    }
    return ExportOutcome::SolverStarted;
}

} // namespace zorind
