#include "core/session/DisplayCommands.h"

#include <initializer_list>

namespace zorind {

namespace {

// Flips a display switch; when it comes on, the views it excludes go off.
bool toggleReleasing(int32_t& flag, std::initializer_list<int32_t*> released = {})
{
    flag = flag == 0 ? 1 : 0;
    if (flag == 1) {
        for (int32_t* other : released) {
            *other = 0;
        }
    }
    return true;
}

} // namespace

bool toggleNodeNumbers(Project& project)
{
    return toggleReleasing(project.display.showNodeNumbers);
}

bool toggleElementNumbers(Project& project)
{
    return toggleReleasing(project.display.showElementNumbers);
}

bool toggleBoundaryConditionsButton(Project& project)
{
    DisplaySettings& d = project.display;
    return toggleReleasing(d.showBoundaryConditions, {&d.showPotential, &d.showFlux, &d.showElementBoundaryNumbers});
}

bool toggleBoundaryConditionsMenu(Project& project)
{
    DisplaySettings& d = project.display;
    return toggleReleasing(d.showBoundaryConditions, {&d.showFlux, &d.showPotential});
}

bool toggleElementBoundaryNumbers(Project& project)
{
    DisplaySettings& d = project.display;
    return toggleReleasing(d.showElementBoundaryNumbers, {&d.showPotential, &d.showFlux, &d.showBoundaryConditions});
}

// The result views exist only for potential analyses; for any other type
// the command changes nothing but still asks for a repaint.
bool togglePotential(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType)) {
        toggleReleasing(d.showPotential, {&d.showFlux, &d.showBoundaryConditions});
    }
    return true;
}

bool toggleFlux(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType)) {
        toggleReleasing(d.showFlux, {&d.showPotential, &d.showBoundaryConditions, &d.showFieldMap});
    }
    return true;
}

// The map is coloured by the potential and shares the colour scale with the
// potential on the boundary; the flux needs a scale of its own, so the map
// and the flux release each other. In an elasticity analysis the map shows
// the reduced stress, with the scale of "Naprężenia zredukowane".
bool toggleFieldMap(Project& project)
{
    DisplaySettings& d = project.display;
    if (isPotentialAnalysis(project.analysisType) || project.analysisType == Elasticity) {
        toggleReleasing(d.showFieldMap, {&d.showFlux});
    }
    return true;
}

bool toggleFluxArrows(Project& project)
{
    if (isPotentialAnalysis(project.analysisType)) {
        project.display.showFluxArrows = project.display.showFluxArrows == 1 ? 0 : 1;
    }
    return true;
}

bool toggleDisplacements(Project& project)
{
    project.showDisplacements = project.showDisplacements != 1 && project.resultsValid == 1 ? 1 : 0;
    return true;
}

bool toggleReducedStress(Project& project)
{
    if (project.analysisType == Elasticity) {
        toggleReleasing(project.showReducedStress, {&project.display.showBoundaryConditions});
    }
    return true;
}

bool toggleEqualScale(Project& project)
{
    return toggleReleasing(project.view.equalScale);
}

} // namespace zorind
