#include "view/DisplayCommands.h"

namespace zorind {

namespace {

int32_t flipped(int32_t flag)
{
    return flag == 0 ? 1 : 0;
}

} // namespace

bool toggleNodeNumbers(Project& project)
{
    project.display.showNodeNumbers = flipped(project.display.showNodeNumbers);
    return true;
}

bool toggleElementNumbers(Project& project)
{
    project.display.showElementNumbers = flipped(project.display.showElementNumbers);
    return true;
}

bool toggleBoundaryConditionsButton(Project& project)
{
    DisplaySettings& d = project.display;
    d.showBoundaryConditions = flipped(d.showBoundaryConditions);
    if (d.showBoundaryConditions == 1) {
        d.showPotential = 0;
        d.showFlux = 0;
        d.showElementBoundaryNumbers = 0;
    }
    return true;
}

bool toggleBoundaryConditionsMenu(Project& project)
{
    DisplaySettings& d = project.display;
    d.showBoundaryConditions = flipped(d.showBoundaryConditions);
    if (d.showBoundaryConditions == 1) {
        d.showFlux = 0;
        d.showPotential = 0;
    }
    return true;
}

bool toggleElementBoundaryNumbers(Project& project)
{
    DisplaySettings& d = project.display;
    d.showElementBoundaryNumbers = flipped(d.showElementBoundaryNumbers);
    if (d.showElementBoundaryNumbers == 1) {
        d.showPotential = 0;
        d.showFlux = 0;
        d.showBoundaryConditions = 0;
    }
    return true;
}

bool togglePotential(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType)) {
        d.showPotential = flipped(d.showPotential);
        if (d.showPotential == 1) {
            d.showFlux = 0;
            d.showBoundaryConditions = 0;
        }
    }
    return true;
}

bool toggleFlux(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType)) {
        d.showFlux = flipped(d.showFlux);
        if (d.showFlux == 1) {
            d.showPotential = 0;
            d.showBoundaryConditions = 0;
        }
    }
    return true;
}

bool toggleDisplacements(Project& project)
{
    project.showDisplacements = project.showDisplacements != 1 && project.resultsValid == 1 ? 1 : 0;
    return true;
}

} // namespace zorind
