#include <cstdio>
#include <string>

#include "CliSupport.h"
#include "model/NumberFormat.h"
#include "solver/Compute.h"

namespace zorind::cli {

namespace {

// "%.9g" of a stored float: enough digits to read back the same float.
std::string number(float value)
{
    return formatGeneral(static_cast<double>(value), 9);
}

std::string textResults(const Project& p)
{
    std::string out = "# Nr Pot.1 Pot.s Pot.2 Stru.1 Stru.s Stru.2\n";
    for (int e = 1; e <= p.elementCount(); ++e) {
        out += std::to_string(e);
        for (int s = 1; s <= 3; ++s) {
            out += ' ' + number(p.elementResults[e].slot[static_cast<std::size_t>(s)]);
        }
        for (int s = 1; s <= 3; ++s) {
            out += ' ' + number(p.fluxResults[e].slot[static_cast<std::size_t>(s)]);
        }
        out += '\n';
    }
    out += "# Nr x y Temperatura\n";
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& point = p.internalPoints[i];
        out += std::to_string(i) + ' ' + number(point.x) + ' ' + number(point.y) + ' ' + number(point.internalResult) +
               '\n';
    }
    return out;
}

std::string triple(const ResultRecord& r)
{
    return '[' + number(r.slot[1]) + ',' + number(r.slot[2]) + ',' + number(r.slot[3]) + ']';
}

std::string jsonResults(const Project& p)
{
    std::string out = "{\"elements\":[";
    for (int e = 1; e <= p.elementCount(); ++e) {
        if (e > 1) {
            out += ',';
        }
        out += "{\"n\":" + std::to_string(e) + ",\"potential\":" + triple(p.elementResults[e]) +
               ",\"flux\":" + triple(p.fluxResults[e]) + '}';
    }
    out += "],\"internalPoints\":[";
    for (int i = 1; i <= p.internalPointCount(); ++i) {
        const InternalPoint& point = p.internalPoints[i];
        if (i > 1) {
            out += ',';
        }
        out += "{\"n\":" + std::to_string(i) + ",\"x\":" + number(point.x) + ",\"y\":" + number(point.y) +
               ",\"potential\":" + number(point.internalResult) + '}';
    }
    out += "]}\n";
    return out;
}

} // namespace

int runSolve(Arguments args)
{
    const bool json = args.takeFlag("--json");
    const std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    args.expectEmpty();

    Project project;
    if (!loadProject(project, *file)) {
        return kExitUsage;
    }
    CliInteraction ui(stderr);
    // The elimination's trace lines go with the messages, not with the
    // results.
    const ComputeOutcome outcome = computeCommand(project, ui, stderr);
    if (outcome == ComputeOutcome::NotComputedHere && project.analysisType == Elasticity) {
        return solveElasticity(project);
    }
    const int status = computeStatus(outcome);
    if (status != kExitOk) {
        return status;
    }
    const std::string out = json ? jsonResults(project) : textResults(project);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return kExitOk;
}

} // namespace zorind::cli
