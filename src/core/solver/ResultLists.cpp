#include "solver/ResultLists.h"

#include <algorithm>

#include "model/NumberFormat.h"

namespace zorind {

std::string formatResultValue(float value, char decimalSeparator)
{
    std::string text = formatGeneral(static_cast<double>(value), 15);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

std::vector<ElementResultRow> elementResultRows(const Project& project)
{
    const int count = std::clamp(project.elementCount, 0, kMaxResults);
    std::vector<ElementResultRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int e = 1; e <= count; ++e) {
        const ResultRecord& potential = project.elementResults[e];
        const ResultRecord& flux = project.fluxResults[e];
        rows.push_back(
            {e, {potential.slot[1], potential.slot[2], potential.slot[3], flux.slot[1], flux.slot[2], flux.slot[3]}});
    }
    return rows;
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
    const int count = std::clamp(project.internalPointCount, 0, kMaxInternalPoints);
    std::vector<InternalResultRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        rows.push_back({i, project.internalPoints[i].internalResult});
    }
    return rows;
}

bool scaleResults(Project& project, Interaction& ui, ScalingOption option)
{
    // The other eight options are offered by the dialog but compute nothing.
    if (option != ScalingOption::PotentialByY) {
        return false;
    }
    if (!ui.ask(kScalingQuestion, kScalingTitle)) {
        return false;
    }
    auto validNode = [&](int n) { return n >= 1 && n <= project.nodeCount && n <= kMaxNodes; };
    const int elements = std::clamp(project.elementCount, 0, kMaxResults);
    for (int e = 1; e <= elements; ++e) {
        const Element& el = project.elements[e];
        if (!validNode(el.startNode) || !validNode(el.endNode)) {
            continue; // no point to take y from
        }
        const float y1 = project.nodes[el.startNode].y;
        const float y2 = project.nodes[el.endNode].y;
        std::array<float, 8>& slot = project.elementResults[e].slot;
        if (y2 != 0.0f) {
            slot[3] = slot[3] / y2;
        }
        if (y1 != 0.0f) {
            slot[1] = slot[1] / y1;
        }
        const float ym = static_cast<float>((static_cast<double>(y1) + static_cast<double>(y2)) / 2.0);
        if (ym != 0.0f) {
            slot[2] = slot[2] / ym;
        }
    }
    const int points = std::clamp(project.internalPointCount, 0, kMaxInternalPoints);
    for (int i = 1; i <= points; ++i) {
        InternalPoint& point = project.internalPoints[i];
        if (point.y != 0.0f) {
            point.internalResult = point.internalResult / point.y;
        }
    }
    return true;
}

} // namespace zorind
