// check, renumber, clean and refine: the consistency check, the repair
// commands of the menus "&Obliczenia" and "&Usuń" and the subdivision of
// "&Zmień", run on a project file.
#include <cstdio>
#include <functional>
#include <string>

#include "cli/CliSupport.h"
#include "core/check/CheckModel.h"
#include "core/check/CleanUp.h"
#include "core/check/Renumber.h"
#include "core/edit/Subdivision.h"
#include "core/model/NumberFormat.h"

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

// The number of parts of refine's -n: a whole number kMinParts..kMaxParts.
int requireParts(Arguments& args)
{
    const std::optional<std::string> text = args.takeOption("-n");
    if (!text) {
        throw UsageError{"Brak opcji -n LICZBA_CZĘŚCI"};
    }
    const std::optional<int> parts = parseInt(*text);
    if (!parts || *parts < kMinParts || *parts > kMaxParts) {
        throw UsageError{std::string(kBadPartCount) + ": -n " + *text};
    }
    return *parts;
}

// Loads `file`, runs `change` on it with its messages on stderr and writes
// the project to `out`. A change that answers false is refused and writes
// nothing. The file is written only when it can be; a refused or failed save
// has printed its message and is not reported as success.
int changeAndSave(const std::string& file, const std::string& out,
                  const std::function<bool(Project&, Interaction&)>& change)
{
    Project project;
    if (!loadProject(project, file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    if (!change(project, ui)) {
        return kExitErrors;
    }
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

    return changeAndSave(file, out, [](Project& project, Interaction& ui) {
        renumberElements(project, ui);
        return true;
    });
}

int runClean(Arguments args)
{
    const std::string out = requireOutput(args);
    const std::vector<std::string> steps = args.takeFlagsInOrder({"--double-nodes", "--free-nodes", "--zero-length"});
    const std::string file = requireInput(args);
    args.expectEmpty();

    return changeAndSave(file, out, [&steps](Project& project, Interaction& ui) {
        for (const std::string& step : steps) {
            if (step == "--double-nodes") {
                removeDoubleNodes(project, ui);
            } else if (step == "--free-nodes") {
                removeFreeNodes(project, ui);
            } else {
                removeZeroLengthElements(project, ui);
            }
        }
        return true;
    });
}

int runRefine(Arguments args)
{
    const std::string out = requireOutput(args);
    const int parts = requireParts(args);
    const std::string file = requireInput(args);
    args.expectEmpty();

    return changeAndSave(file, out, [parts](Project& project, Interaction& ui) {
        std::vector<int> every;
        for (const int k : project.elements.numbers()) {
            every.push_back(k);
        }
        // A refused split (the tables would overflow) writes nothing.
        return every.empty() || splitElements(project, ui, every, parts);
    });
}

} // namespace zorind::cli
