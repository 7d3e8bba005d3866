#include "view/Describe.h"

#include <algorithm>

#include "model/NumberFormat.h"

namespace zorind {

namespace {

std::string threeValues(const char* prefix, const BoundaryCondition& c, int decimals)
{
    std::string text = prefix;
    appendFixed(text, c.atNode1, decimals);
    text += ' ';
    appendFixed(text, c.atMiddle, decimals);
    text += ' ';
    appendFixed(text, c.atNode2, decimals);
    return text;
}

int validConditions(const Project& p)
{
    return std::clamp(p.conditionCount, 0, kMaxConditions);
}

int validBoundaries(const Project& p)
{
    return std::clamp(p.boundaryCount, 0, kMaxBoundaries);
}

} // namespace

std::string describeCondition(const Project& project, int condition)
{
    if (condition < 1 || condition > validConditions(project)) {
        return {};
    }
    const BoundaryCondition& c = project.conditions[condition];
    if (isPotentialAnalysis(project.analysisType)) {
        if (c.kind == 1.0f) {
            return threeValues("Pot:", c, 2);
        }
        if (c.kind == 2.0f) {
            return threeValues("Strum:", c, 3);
        }
        if (c.kind == 3.0f) {
            return threeValues("Konwek.", c, 3);
        }
    } else {
        if (c.kind == 1.0f) {
            return threeValues("Obc.ciąg.:", c, 2);
        }
        if (c.kind == 2.0f) {
            return threeValues("Przemiesz:", c, 3);
        }
    }
    return threeValues("Nieznany:", c, 3);
}

std::string describeBoundary(const Project& project, int boundary)
{
    const bool outer =
        Table<Boundary, kMaxBoundaries>::validIndex(boundary) && project.boundaries[boundary].kind == OuterBoundary;
    return "Brzeg " + std::to_string(boundary) + (outer ? " zew" : " wew");
}

std::string currentSelectionText(const Project& project)
{
    const int b = project.currentBoundary;
    const bool outer = b >= 1 && b <= validBoundaries(project) && project.boundaries[b].kind == OuterBoundary;
    return "Brzeg " + std::to_string(b) + (outer ? " z " : " w ") +
           describeCondition(project, project.currentCondition);
}

ToolBarState toolBarState(const Project& project)
{
    const DisplaySettings& d = project.display;
    ToolBarState s;
    s.nodeNumbersDown = d.showNodeNumbers == 1;
    s.elementNumbersDown = d.showElementNumbers == 1;
    s.conditionsDown = d.showBoundaryConditions == 1;
    s.boundaryNumbersDown = d.showElementBoundaryNumbers == 1;
    s.potentialDown = d.showPotential == 1;
    s.fluxDown = d.showFlux == 1;
    s.resultButtonsEnabled = project.resultsValid == 1 && isPotentialAnalysis(project.analysisType);

    const int conditions = validConditions(project);
    for (int i = 1; i <= conditions; ++i) {
        s.conditionItems.push_back(describeCondition(project, i));
    }
    s.conditionIndex = project.currentCondition - 1;
    const int boundaries = validBoundaries(project);
    for (int b = 1; b <= boundaries; ++b) {
        s.boundaryItems.push_back(describeBoundary(project, b));
    }
    s.boundaryIndex = project.currentBoundary - 1;

    s.normalsChecked = d.normalsFlag == 1;
    s.conditionsChecked = d.showBoundaryConditions == 1;
    s.potentialChecked = d.showPotential == 1;
    s.fluxChecked = d.showFlux == 1;
    s.displacementsChecked = project.showDisplacements == 1;
    return s;
}

bool pickCondition(Project& project, int index)
{
    if (index < 0 || index + 1 > project.conditionCount) {
        return false;
    }
    project.currentCondition = index + 1;
    return true;
}

bool pickBoundary(Project& project, int index)
{
    if (index < 0 || index + 1 > project.boundaryCount) {
        return false;
    }
    project.currentBoundary = index + 1;
    return true;
}

} // namespace zorind
