#include "core/session/DisplayCommands.h"

#include <initializer_list>

namespace zorind {

namespace {

// Flips a display switch; when it comes on, the views it excludes go off.
void toggleReleasing(int32_t& flag, std::initializer_list<int32_t*> released = {})
{
    flag = flag == 0 ? 1 : 0;
    if (flag == 1) {
        for (int32_t* other : released) {
            *other = 0;
        }
    }
}

} // namespace

void toggleNodeNumbers(Project& project)
{
    toggleReleasing(project.display.showNodeNumbers);
}

void toggleElementNumbers(Project& project)
{
    toggleReleasing(project.display.showElementNumbers);
}

void toggleBoundaryConditionsButton(Project& project)
{
    DisplaySettings& d = project.display;
    toggleReleasing(d.showBoundaryConditions, {&d.showPotential, &d.showFlux, &d.showElementBoundaryNumbers});
}

void toggleBoundaryConditionsMenu(Project& project)
{
    DisplaySettings& d = project.display;
    toggleReleasing(d.showBoundaryConditions, {&d.showFlux, &d.showPotential});
}

void toggleElementBoundaryNumbers(Project& project)
{
    DisplaySettings& d = project.display;
    toggleReleasing(d.showElementBoundaryNumbers, {&d.showPotential, &d.showFlux, &d.showBoundaryConditions});
}

// The result views exist only for potential analyses; for any other type
// the command changes nothing.
void togglePotential(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType)) {
        toggleReleasing(d.showPotential, {&d.showFlux, &d.showBoundaryConditions});
    }
}

void toggleFlux(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType)) {
        toggleReleasing(d.showFlux, {&d.showPotential, &d.showBoundaryConditions, &d.showFieldMap});
    }
}

// The map is coloured by the potential and shares the colour scale with the
// potential on the boundary; the flux needs a scale of its own, so the map
// and the flux release each other. In an elasticity analysis the map shows
// the reduced stress, with the scale of "Naprężenia zredukowane".
void toggleFieldMap(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType) || project.analysisType == Elasticity) {
        toggleReleasing(d.showFieldMap, {&d.showFlux});
    }
}

void toggleFluxArrows(Project& project)
{
    if (isPotentialAnalysis(project.analysisType)) {
        project.display.showFluxArrows = project.display.showFluxArrows == 1 ? 0 : 1;
    }
}

void toggleDisplacements(Project& project)
{
    project.showDisplacements = project.showDisplacements != 1 && project.resultsValid == 1 ? 1 : 0;
}

void toggleReducedStress(Project& project)
{
    if (project.analysisType == Elasticity) {
        toggleReleasing(project.showReducedStress, {&project.display.showBoundaryConditions});
    }
}

void toggleEqualScale(Project& project)
{
    toggleReleasing(project.view.equalScale);
}

void toggleNormals(Project& project)
{
    toggleReleasing(project.display.normalsFlag);
}

} // namespace zorind
