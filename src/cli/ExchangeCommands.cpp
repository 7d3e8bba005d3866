// export-elasticity, import-results and the elasticity branch of solve: the
// exchange with the elasticity solver program, without a window.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "CliSupport.h"
#include "exchange/ElasticityResults.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExportCommand.h"
#include "exchange/ImportCommand.h"
#include "model/NumberFormat.h"

extern char** environ;

namespace zorind::cli {

namespace {

namespace fs = std::filesystem;

std::string requireProject(Arguments& args)
{
    std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    return *file;
}

// The elasticity results list: a heading of the window's column names (a
// blank inside a name written as '_'), then per node its number and the nine
// values, each "%.9g" of the stored float, so that it reads back exactly.
std::string elasticityListText(const Project& project)
{
    std::string out = "#";
    for (const char* cell : kElasticityResultHeaders) {
        std::string name = cell;
        for (char& c : name) {
            if (c == ' ') {
                c = '_';
            }
        }
        out += ' ' + name;
    }
    out += '\n';
    for (int i : project.nodes.numbers()) {
        out += std::to_string(i);
        for (float value : elasticityValues(project, i)) {
            out += ' ' + formatGeneral(static_cast<double>(value), 9);
        }
        out += '\n';
    }
    return out;
}

// The same values as JSON, in the shape of the potential solve's output:
// {"nodes":[{"n":1,"displacement":[x,y],"force":[x,y],"stress":{"sigmaX":..,
// "sigmaY":..,"sigmaZ":..,"tauXY":..,"reduced":..}},...]}.
std::string elasticityJson(const Project& project)
{
    const auto number = [](float value) { return formatGeneral(static_cast<double>(value), 9); };
    std::string out = "{\"nodes\":[";
    bool first = true;
    for (int i : project.nodes.numbers()) {
        const std::array<float, 9> v = elasticityValues(project, i);
        if (!first) {
            out += ',';
        }
        first = false;
        out += "{\"n\":" + std::to_string(i) + ",\"displacement\":[" + number(v[0]) + ',' + number(v[1]) +
               "],\"force\":[" + number(v[2]) + ',' + number(v[3]) + "],\"stress\":{\"sigmaX\":" + number(v[4]) +
               ",\"sigmaY\":" + number(v[5]) + ",\"sigmaZ\":" + number(v[6]) + ",\"tauXY\":" + number(v[7]) +
               ",\"reduced\":" + number(v[8]) + "}}";
    }
    out += "]}\n";
    return out;
}

void printResults(const Project& project, bool json)
{
    const std::string out = json ? elasticityJson(project) : elasticityListText(project);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

// The folder this program was started from: zorind-elastic is installed
// beside it.
fs::path ownDirectory()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : self.parent_path();
}

// A fresh private folder for one run of the solver, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "zorind-elastic-XXXXXX").string();
        if (!ec && ::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        if (!path_.empty()) {
            fs::remove_all(path_, ec);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Runs `program DATA RESULTS` in `folder` and waits for it. Its standard
// output joins the messages on standard error, so that standard output
// carries the results alone. Returns a message when it failed.
std::optional<std::string> runSolver(const fs::path& program, const fs::path& folder)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    std::string name = program.string();
    std::string data = kExchangeFileName;
    std::string results = kResultFileName;
    std::vector<char*> argv{name.data(), data.data(), results.data(), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, name.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return "Nie można uruchomić modułu liczącego " + name;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return "Nie można uruchomić modułu liczącego " + name;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return std::nullopt;
    }
    if (WIFEXITED(status)) {
        return "Moduł liczący zakończył pracę z błędem (kod " + std::to_string(WEXITSTATUS(status)) + ")";
    }
    return "Moduł liczący przerwał pracę (sygnał " + std::to_string(WTERMSIG(status)) + ")";
}

} // namespace

int runExportElasticity(Arguments args)
{
    const std::optional<std::string> dir = args.takeOption("-C");
    const std::string file = requireProject(args);
    args.expectEmpty();

    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    switch (writeExchangeFile(project, ui, dir ? fs::path(*dir) : fs::path("."))) {
    case ExportOutcome::Refused:
        return kExitErrors;
    case ExportOutcome::CannotWrite:
        return kExitUsage;
    default:
        return kExitOk;
    }
}

int runImportResults(Arguments args)
{
    const std::string file = requireProject(args);
    const std::optional<std::string> results = args.takePositional();
    args.expectEmpty();

    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    switch (importResults(project, ui, results ? *results : std::string(kResultFileName))) {
    case ImportOutcome::CannotOpen:
        return kExitUsage;
    case ImportOutcome::NoHeader:
    case ImportOutcome::OtherModel:
        return kExitErrors;
    default:
        printResults(project, false);
        return kExitOk;
    }
}

int solveElasticity(Project& project, bool json)
{
    CliInteraction ui(stderr);
    const ScratchFolder scratch;
    if (scratch.path().empty()) {
        ui.error("Nie można utworzyć folderu roboczego dla modułu liczącego", kExportCaption);
        return kExitComputeFailed;
    }
    // The export's own messages ("Wyeksportowano ...") are not news here.
    CliInteraction quiet(nullptr);
    if (writeExchangeFile(project, quiet, scratch.path()) != ExportOutcome::Exported) {
        for (const auto& shown : quiet.shown) {
            ui.message(shown.text, shown.caption, shown.kind);
        }
        return kExitComputeFailed;
    }
    const fs::path solver = ownDirectory() / kInstalledSolverName;
    std::error_code ec;
    if (!fs::is_regular_file(solver, ec)) {
        ui.error("Nie znaleziono modułu liczącego " + solver.string(), kExportCaption);
        return kExitComputeFailed;
    }
    if (const std::optional<std::string> failure = runSolver(solver, scratch.path())) {
        ui.error(*failure, kExportCaption);
        return kExitComputeFailed;
    }
    // Only a complete result file counts as a solution.
    if (importResults(project, ui, (scratch.path() / kResultFileName).string()) != ImportOutcome::Complete) {
        return kExitComputeFailed;
    }
    printResults(project, json);
    return kExitOk;
}

} // namespace zorind::cli
