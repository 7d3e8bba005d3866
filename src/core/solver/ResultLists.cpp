#include "core/solver/ResultLists.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/model/NumberFormat.h"

namespace zorind {

std::vector<ElementResultRow> elementResultRows(const Project& project)
{
    std::vector<ElementResultRow> rows;
    rows.reserve(static_cast<std::size_t>(project.elementCount()));
    for (int e : project.elements.numbers()) {
        const ResultRecord& potential = project.elementResults[e];
        const ResultRecord& flux = project.fluxResults[e];
        rows.push_back(
            {e, {potential.slot[1], potential.slot[2], potential.slot[3], flux.slot[1], flux.slot[2], flux.slot[3]}});
    }
    return rows;
}

ListColumns elementResultColumns(const Project& project, char decimalSeparator)
{
    ListColumns table{{kResultListHeaders.begin(), kResultListHeaders.end()}, {}};
    for (const ElementResultRow& result : elementResultRows(project)) {
        ListRow row;
        row.text(std::to_string(result.number));
        for (float value : result.values) {
            row.value(displayNumber(value, decimalSeparator), value);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

ResultsWindow resultsListCommand(const Project& project, Interaction& ui)
{
    if (project.resultsValid != 1) {
        ui.error(kNotComputedMessage, kResultListTitle);
        return ResultsWindow::None;
    }
    if (isPotentialAnalysis(project.analysisType)) {
        return ResultsWindow::PotentialResults;
    }
    if (project.analysisType == Elasticity) {
        return ResultsWindow::ElasticityResults;
    }
    return ResultsWindow::None;
}

std::vector<InternalResultRow> internalResultRows(const Project& project)
{
    std::vector<InternalResultRow> rows;
    rows.reserve(static_cast<std::size_t>(project.internalPointCount()));
    const bool valid = project.resultsValid == 1 && isPotentialAnalysis(project.analysisType);
    for (int i : project.internalPoints.numbers()) {
        rows.push_back({i, valid ? std::optional<float>(project.internalPoints[i].internalResult) : std::nullopt});
    }
    return rows;
}

ListColumns internalResultColumns(const Project& project, char decimalSeparator)
{
    ListColumns table{{kInternalResultsHeaders.begin(), kInternalResultsHeaders.end()}, {}};
    for (const InternalResultRow& result : internalResultRows(project)) {
        ListRow row;
        row.text(std::to_string(result.number));
        if (result.value) {
            row.value(displayNumber(*result.value, decimalSeparator), *result.value);
        } else {
            row.text({});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

namespace {

struct Scaling {
    bool potential; // potentials (elements and internal points) or fluxes (elements)
    bool alongY;    // by the y or by the x coordinate of each point
    bool divide;    // divide or multiply
};

std::optional<Scaling> scalingOf(ScalingOption option)
{
    switch (option) {
    case ScalingOption::PotentialTimesY:
        return Scaling{true, true, false};
    case ScalingOption::PotentialByY:
        return Scaling{true, true, true};
    case ScalingOption::FluxTimesY:
        return Scaling{false, true, false};
    case ScalingOption::FluxByY:
        return Scaling{false, true, true};
    case ScalingOption::PotentialTimesX:
        return Scaling{true, false, false};
    case ScalingOption::PotentialByX:
        return Scaling{true, false, true};
    case ScalingOption::FluxTimesX:
        return Scaling{false, false, false};
    case ScalingOption::FluxByX:
        return Scaling{false, false, true};
    case ScalingOption::NoScaling:
        break;
    }
    return std::nullopt;
}

// One stored value scaled in single precision. A division by a zero
// coordinate is skipped, and a quotient or product that a float cannot hold
// leaves the value as it was rather than storing infinity.
void scaleValue(float& value, float coordinate, bool divide)
{
    if (divide && coordinate == 0.0f) {
        return;
    }
    const float scaled = divide ? value / coordinate : value * coordinate;
    if (std::isfinite(scaled)) {
        value = scaled;
    }
}

} // namespace

std::string scalingQuestion(ScalingOption option)
{
    const std::optional<Scaling> scaling = scalingOf(option);
    if (!scaling) {
        return {};
    }
    return std::string("Przeskalować wartości ") + (scaling->potential ? "potencjału " : "strumienia ") +
           (scaling->divide ? "dzieląc" : "mnożąc") + " je przez wartość wsp. " + (scaling->alongY ? "y" : "x") + " ?";
}

bool scaleResults(Project& project, Interaction& ui, ScalingOption option)
{
    const std::optional<Scaling> scaling = scalingOf(option);
    if (!scaling || !ui.ask(scalingQuestion(option), kScalingTitle)) {
        return false;
    }
    const auto coordinate = [&](const Node& n) { return scaling->alongY ? n.y : n.x; };
    for (int e : project.elements.numbers()) {
        const Element& el = project.elements[e];
        if (!project.nodes.contains(el.startNode) || !project.nodes.contains(el.endNode)) {
            continue; // no point to take the coordinate from
        }
        const float c1 = coordinate(project.nodes[el.startNode]);
        const float c2 = coordinate(project.nodes[el.endNode]);
        const float cm = static_cast<float>((static_cast<double>(c1) + static_cast<double>(c2)) / 2.0);
        std::array<float, 8>& slot = scaling->potential ? project.elementResults[e].slot : project.fluxResults[e].slot;
        scaleValue(slot[3], c2, scaling->divide);
        scaleValue(slot[1], c1, scaling->divide);
        scaleValue(slot[2], cm, scaling->divide);
    }
    if (scaling->potential) {
        for (InternalPoint& point : project.internalPoints) {
            scaleValue(point.internalResult, scaling->alongY ? point.y : point.x, scaling->divide);
        }
    }
    return true;
}

} // namespace zorind
