// export-elasticity, import-results and the elasticity branch of solve: the
// exchange with the elasticity solver program, and the solve in this
// process, without a window.
#include <array>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "core/exchange/ElasticSolve.h"
#include "core/exchange/ElasticityResults.h"
#include "core/exchange/ExchangeFile.h"
#include "core/exchange/ExportCommand.h"
#include "core/exchange/ImportCommand.h"
#include "core/model/NumberFormat.h"
#include "elastic/ElasticSolver.h"

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

// "%.9g" of a stored float, so that it reads back exactly.
std::string number(float value)
{
    return formatGeneral(static_cast<double>(value), 9);
}

// A heading line of a list's column names, a blank inside a name written
// as '_'.
std::string headingLine(std::span<const char* const> cells)
{
    std::string out = "#";
    for (const char* cell : cells) {
        std::string name = cell;
        for (char& c : name) {
            if (c == ' ') {
                c = '_';
            }
        }
        out += ' ' + name;
    }
    return out + '\n';
}

// The elasticity results list: a heading of the window's column names, then
// per node its number and the nine values.
std::string elasticityListText(const Project& project)
{
    std::string out = headingLine(kElasticityResultHeaders);
    for (int i : project.nodes.numbers()) {
        out += std::to_string(i);
        for (float value : elasticityValues(project, i)) {
            out += ' ' + number(value);
        }
        out += '\n';
    }
    return out;
}

// The internal points' list the same way: per point its number, x, y and
// the seven values.
std::string internalPointListText(const Project& project)
{
    std::string out = headingLine(kInternalPointResultHeaders);
    for (int i : project.internalPoints.numbers()) {
        out +=
            std::to_string(i) + ' ' + number(project.internalPoints[i].x) + ' ' + number(project.internalPoints[i].y);
        for (float value : internalPointValues(project, i)) {
            out += ' ' + number(value);
        }
        out += '\n';
    }
    return out;
}

std::string stressJson(float sigmaX, float sigmaY, float sigmaZ, float tauXY, float reduced)
{
    return "{\"sigmaX\":" + number(sigmaX) + ",\"sigmaY\":" + number(sigmaY) + ",\"sigmaZ\":" + number(sigmaZ) +
           ",\"tauXY\":" + number(tauXY) + ",\"reduced\":" + number(reduced) + '}';
}

// The same values as JSON, in the shape of the potential solve's output:
// {"nodes":[{"n":1,"displacement":[x,y],"force":[x,y],"stress":{"sigmaX":..,
// "sigmaY":..,"sigmaZ":..,"tauXY":..,"reduced":..}},...]}, and with
// `internalPoints` after the nodes "internalPoints":[{"n":1,"x":..,"y":..,
// "displacement":[x,y],"stress":{...}},...].
std::string elasticityJson(const Project& project, bool internalPoints)
{
    std::string out = "{\"nodes\":[";
    bool first = true;
    for (int i : project.nodes.numbers()) {
        const std::array<float, 9> v = elasticityValues(project, i);
        if (!first) {
            out += ',';
        }
        first = false;
        out += "{\"n\":" + std::to_string(i) + ",\"displacement\":[" + number(v[0]) + ',' + number(v[1]) +
               "],\"force\":[" + number(v[2]) + ',' + number(v[3]) +
               "],\"stress\":" + stressJson(v[4], v[5], v[6], v[7], v[8]) + '}';
    }
    out += ']';
    if (internalPoints) {
        out += ",\"internalPoints\":[";
        for (int i : project.internalPoints.numbers()) {
            const std::array<float, 7> v = internalPointValues(project, i);
            if (i > 1) {
                out += ',';
            }
            out += "{\"n\":" + std::to_string(i) + ",\"x\":" + number(project.internalPoints[i].x) +
                   ",\"y\":" + number(project.internalPoints[i].y) + ",\"displacement\":[" + number(v[0]) + ',' +
                   number(v[1]) + "],\"stress\":" + stressJson(v[2], v[3], v[5], v[4], v[6]) + '}';
        }
        out += ']';
    }
    out += "}\n";
    return out;
}

// The nodes' results, and with `internalPoints` those of the internal
// points after them.
void printResults(const Project& project, bool json, bool internalPoints)
{
    std::string out;
    if (json) {
        out = elasticityJson(project, internalPoints);
    } else {
        out = elasticityListText(project);
        if (internalPoints) {
            out += internalPointListText(project);
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
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
        printResults(project, false, false);
        return kExitOk;
    }
}

int solveElasticity(Project& project, bool json)
{
    CliInteraction ui(stderr);
    switch (computeElasticityCommand(project, ui, elastic::solveElasticProblem)) {
    case ElasticComputeOutcome::Computed:
        printResults(project, json, true);
        return kExitOk;
    case ElasticComputeOutcome::CheckErrors:
        return kExitErrors;
    default:
        return kExitComputeFailed;
    }
}

} // namespace zorind::cli
