#include "core/session/Describe.h"

#include <algorithm>

#include "core/model/NumberFormat.h"

namespace zorind {

namespace {

std::string threeValues(const char* prefix, float a, float m, float b, int decimals)
{
    return prefix + shownFixed(a, decimals) + ' ' + shownFixed(m, decimals) + ' ' + shownFixed(b, decimals);
}

std::string threeValues(const char* prefix, const BoundaryCondition& c, int decimals)
{
    return threeValues(prefix, c.atNode1, c.atMiddle, c.atNode2, decimals);
}

std::string threeYValues(const char* prefix, const BoundaryCondition& c, int decimals)
{
    return threeValues(prefix, c.atNode1Y, c.atMiddleY, c.atNode2Y, decimals);
}

// An elasticity condition; empty for a kind elasticity does not know. A
// symmetry plane shows both components, the held one first.
std::string describeElasticity(const BoundaryCondition& c)
{
    switch (elasticityKind(c.kind)) {
    case TractionKind:
        return threeValues("Obc.ciąg.:", c, 2);
    case DisplacementKind:
        return threeValues("Przemiesz:", c, 3);
    case PressureKind:
        return threeValues("Ciśnienie:", c, 2);
    case HeldXKind:
        return threeValues("Przem.X:", c, 3) + ' ' + threeYValues("Obc.Y:", c, 2);
    case HeldYKind:
        return threeYValues("Przem.Y:", c, 3) + ' ' + threeValues("Obc.X:", c, 2);
    default:
        return {};
    }
}

bool isOuter(const Project& p, int boundary)
{
    return p.boundaries.contains(boundary) && p.boundaries[boundary].kind == OuterBoundary;
}

} // namespace

std::string describeCondition(const Project& project, int condition)
{
    if (!project.conditions.contains(condition)) {
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
    } else if (std::string text = describeElasticity(c); !text.empty()) {
        return text;
    }
    // A kind this analysis has no name for (a convection condition left in
    // an elasticity model, a damaged file): say so and still show the values.
    const std::string prefix = "Nieznany rodzaj " + formatGeneral(static_cast<double>(c.kind), 6) + ":";
    return threeValues(prefix.c_str(), c, 3);
}

std::string describeBoundary(const Project& project, int boundary)
{
    return "Brzeg " + std::to_string(boundary) + (isOuter(project, boundary) ? " zew" : " wew");
}

std::string currentSelectionText(const Project& project)
{
    const int b = project.currentBoundary;
    return "Brzeg " + std::to_string(b) + (isOuter(project, b) ? " z " : " w ") +
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
    s.elasticityComputeEnabled = project.analysisType == Elasticity;
    s.internalPointResultsEnabled = hasInternalPointResults(project);

    for (int i : project.conditions.numbers()) {
        s.conditionItems.push_back(describeCondition(project, i));
    }
    // A current number that names no entry (after a reset, a shorter file)
    // selects nothing rather than a wrong entry.
    s.conditionIndex = project.conditions.contains(project.currentCondition) ? project.currentCondition - 1 : -1;
    for (int b : project.boundaries.numbers()) {
        s.boundaryItems.push_back(describeBoundary(project, b));
    }
    s.boundaryIndex = project.boundaries.contains(project.currentBoundary) ? project.currentBoundary - 1 : -1;

    s.saveEnabled = !project.filePath.empty();
    s.normalsChecked = d.normalsFlag == 1;
    s.conditionsChecked = d.showBoundaryConditions == 1;
    s.potentialChecked = d.showPotential == 1;
    s.fluxChecked = d.showFlux == 1;
    s.fieldMapChecked = d.showFieldMap == 1;
    s.fluxArrowsChecked = d.showFluxArrows == 1;
    s.displacementsChecked = project.showDisplacements == 1;
    s.reducedStressChecked = project.showReducedStress == 1;
    s.equalScaleChecked = project.view.equalScale == 1;
    return s;
}

void pickCondition(Project& project, int index)
{
    if (index >= 0 && index + 1 <= project.conditionCount()) {
        project.currentCondition = index + 1;
    }
}

void pickBoundary(Project& project, int index)
{
    if (index >= 0 && index + 1 <= project.boundaryCount()) {
        project.currentBoundary = index + 1;
    }
}

} // namespace zorind
