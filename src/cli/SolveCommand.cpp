#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "core/model/NumberFormat.h"
#include "core/solver/AnalysisSettings.h"
#include "core/solver/Compute.h"

namespace zorind::cli {

namespace {

// "%.9g" of a stored float: enough digits to read back the same float.
std::string number(float value)
{
    return formatGeneral(static_cast<double>(value), 9);
}

// Where each element of the file stands after the check's stable grouping
// by boundary (boundary 1 first): row k of the output is element k of the
// file, whose results are stored at position rowOf[k].
std::vector<int> positionsAfterGrouping(const Project& p)
{
    std::vector<int> order(static_cast<std::size_t>(p.elementCount()));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return p.elements[a].boundary < p.elements[b].boundary; });
    std::vector<int> rowOf(order.size() + 1, 0);
    for (std::size_t i = 0; i < order.size(); ++i) {
        rowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i) + 1;
    }
    return rowOf;
}

std::string textResults(const Project& p, const std::vector<int>& rowOf)
{
    std::string out = "# Nr Pot.1 Pot.s Pot.2 Stru.1 Stru.s Stru.2\n";
    for (int k = 1; k <= p.elementCount(); ++k) {
        const int e = rowOf[static_cast<std::size_t>(k)];
        out += std::to_string(k);
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

std::string jsonResults(const Project& p, const std::vector<int>& rowOf)
{
    std::string out = "{\"elements\":[";
    for (int k = 1; k <= p.elementCount(); ++k) {
        const int e = rowOf[static_cast<std::size_t>(k)];
        if (k > 1) {
            out += ',';
        }
        out += "{\"n\":" + std::to_string(k) + ",\"potential\":" + triple(p.elementResults[e]) +
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
    if (project.analysisType == Elasticity) {
        return solveElasticity(project, json);
    }
    // The check regroups the elements by boundary; the results are printed
    // in the order and numbering of the file.
    const std::vector<int> rowOf = positionsAfterGrouping(project);
    CliInteraction ui(stderr);
    // The elimination's trace lines go with the messages, not with the
    // results.
    const ComputeOutcome outcome = computeCommand(project, ui, stderr);
    const int status = computeStatus(outcome);
    if (status == kExitNotComputedHere) {
        // The window simply does nothing here; a script must learn why.
        std::string type = std::to_string(project.analysisType);
        for (const AnalysisTypeChoice& choice : kAnalysisTypeChoices) {
            if (choice.code == project.analysisType) {
                type += std::string(" (") + choice.caption + ")";
            }
        }
        std::fprintf(stderr, "Typ obliczeń %s nie jest liczony przez to polecenie\n", type.c_str());
    }
    if (status != kExitOk) {
        return status;
    }
    const std::string out = json ? jsonResults(project, rowOf) : textResults(project, rowOf);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return kExitOk;
}

} // namespace zorind::cli
