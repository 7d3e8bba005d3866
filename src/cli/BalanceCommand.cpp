// balance: the totals over the boundaries and the conditions of a solution
// ("Obliczenia" → "Bilans" in the window).
#include <cstdio>
#include <string>

#include "cli/AnswerOutput.h"
#include "core/postprocess/Balance.h"

namespace zorind::cli {

namespace {

std::string textGroups(const char* what, const std::vector<BalanceGroup>& groups, bool elasticity)
{
    std::string out = std::string("# ") + what +
                      (elasticity ? " elements length force.x force.y moment\n"
                                  : " elements length flux minPotential maxPotential meanPotential\n");
    for (const BalanceGroup& g : groups) {
        out += std::to_string(g.number) + ' ' + std::to_string(g.elements) + ' ' + textNumber(g.length);
        if (elasticity) {
            out += ' ' + textNumber(g.force[0]) + ' ' + textNumber(g.force[1]) + ' ' + textNumber(g.moment);
        } else {
            out += ' ' + textNumber(g.flux) + ' ' + textNumber(g.minPotential) + ' ' + textNumber(g.maxPotential) +
                   ' ' + textNumber(g.meanPotential);
        }
        out += '\n';
    }
    return out;
}

std::string text(const Balance& b)
{
    std::string out = textGroups("boundary", b.boundaries, b.elasticity);
    out += textGroups("condition", b.conditions, b.elasticity);
    if (b.elasticity) {
        out += "total " + textNumber(b.totalForce[0]) + ' ' + textNumber(b.totalForce[1]) + ' ' +
               textNumber(b.totalMoment) + '\n';
    } else {
        out += "total " + textNumber(b.totalFlux) + '\n';
    }
    out += "imbalance " + textNumber(b.imbalance) + '\n';
    if (b.elasticity) {
        out += "largestReducedStress " + std::to_string(b.largestStress.node) + ' ' +
               textNumber(b.largestStress.value) + '\n';
    }
    return out;
}

std::string jsonGroups(const char* list, const char* key, const std::vector<BalanceGroup>& groups, bool elasticity)
{
    std::string out = std::string("\"") + list + "\":[";
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const BalanceGroup& g = groups[i];
        out += std::string(i > 0 ? "," : "") + "{\"" + key + "\":" + std::to_string(g.number) +
               ",\"elements\":" + std::to_string(g.elements) + ",\"length\":" + jsonNumber(g.length);
        if (elasticity) {
            out += ",\"force\":" + jsonPair(g.force[0], g.force[1]) + ",\"moment\":" + jsonNumber(g.moment);
        } else {
            out += ",\"flux\":" + jsonNumber(g.flux) + ",\"minPotential\":" + jsonNumber(g.minPotential) +
                   ",\"maxPotential\":" + jsonNumber(g.maxPotential) +
                   ",\"meanPotential\":" + jsonNumber(g.meanPotential);
        }
        out += '}';
    }
    return out + ']';
}

std::string json(const Balance& b, int analysisType)
{
    std::string out = "{\"analysisType\":" + std::to_string(analysisType) + ',' +
                      jsonGroups("boundaries", "boundary", b.boundaries, b.elasticity) + ',' +
                      jsonGroups("conditions", "condition", b.conditions, b.elasticity) + ",\"total\":";
    if (b.elasticity) {
        out += "{\"force\":" + jsonPair(b.totalForce[0], b.totalForce[1]) + ",\"moment\":" + jsonNumber(b.totalMoment) +
               '}';
    } else {
        out += jsonNumber(b.totalFlux);
    }
    out += ",\"imbalance\":" + jsonNumber(b.imbalance);
    if (b.elasticity) {
        out += ",\"largestReducedStress\":{\"node\":" + std::to_string(b.largestStress.node) +
               ",\"value\":" + jsonNumber(b.largestStress.value) + '}';
    }
    return out + "}\n";
}

} // namespace

int runBalance(Arguments args)
{
    const bool asJson = args.takeFlag("--json");
    const std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    args.expectEmpty();

    Project project;
    if (!loadProject(project, *file)) {
        return kExitUsage;
    }
    if (const int status = readyResults(project); status != kExitOk) {
        return status;
    }
    const std::optional<Balance> balance = computeBalance(project);
    if (!balance) {
        CliInteraction::print(stderr, kComputeFailedMessage);
        return kExitComputeFailed;
    }
    const std::string out = asJson ? json(*balance, project.analysisType) : text(*balance);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return kExitOk;
}

} // namespace zorind::cli
