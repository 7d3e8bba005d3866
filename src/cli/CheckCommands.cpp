// check, renumber and clean: the consistency check and the repair commands
// of the menus "&Obliczenia" and "&Usuń", run on a project file.
#include <cstdio>
#include <string>

#include "CliSupport.h"
#include "check/CheckModel.h"
#include "check/CleanUp.h"
#include "check/Renumber.h"

namespace zorind::cli {

namespace {

std::string requireInput(Arguments& args)
{
    std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    return *file;
}

std::string requireOutput(Arguments& args)
{
    std::optional<std::string> out = args.takeOption("-o");
    if (!out || out->empty()) {
        throw UsageError{"Brak opcji -o PLIK_WYNIKOWY"};
    }
    return *out;
}

// The file is written only when it can be; a refused or failed save has
// printed its message and is not reported as success.
int saveResult(Project& project, Interaction& ui, const std::string& out)
{
    return saveProjectTo(project, ui, out) ? kExitOk : kExitUsage;
}

} // namespace

int runCheck(Arguments args)
{
    const std::string file = requireInput(args);
    args.expectEmpty();

    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stdout);
    if (checkModel(project, ui) != 0) {
        return kExitErrors;
    }
    ui.plain(kNoErrorsFound);
    return kExitOk;
}

int runRenumber(Arguments args)
{
    const std::string out = requireOutput(args);
    const std::string file = requireInput(args);
    args.expectEmpty();

    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    renumberElements(project, ui);
    return saveResult(project, ui, out);
}

int runClean(Arguments args)
{
    const std::string out = requireOutput(args);
    const std::vector<std::string> steps = args.takeFlagsInOrder({"--double-nodes", "--free-nodes", "--zero-length"});
    const std::string file = requireInput(args);
    args.expectEmpty();

    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    for (const std::string& step : steps) {
        if (step == "--double-nodes") {
            removeDoubleNodes(project, ui);
        } else if (step == "--free-nodes") {
            removeFreeNodes(project, ui);
        } else {
            removeZeroLengthElements(project, ui);
        }
    }
    return saveResult(project, ui, out);
}

} // namespace zorind::cli
