#include "core/session/Project.h"

#include "core/model/ProjectFile.h"

namespace zorind {

void resetProject(Project& p)
{
    ++p.projectStarts;
    p.conductivity = 1.0f;
    p.analysisType = HeatFlow;
    p.material = Material{};
    p.keptBlockLines.clear();

    p.view.gridStepX = 2.0f;
    p.view.gridStepY = 2.0f;
    p.view.areaXMax = 50.0f;
    p.view.areaYMax = 50.0f;
    p.view.areaXMin = 0.0f;
    p.view.areaYMin = 0.0f;
    p.display.colourSubdivisions = 30.0f;

    p.palette = buildPalette(p.display.paletteMode);

    // A new model's elements carry condition 1: none of the previous
    // model's values may stay in it.
    p.conditions[1] = BoundaryCondition{};
    p.conditions[1].kind = 2.0f;

    p.boundaries[1].kind = OuterBoundary;
    p.conditions.resize(1);

    p.edit.editMode = EditMode::Idle;
    p.edit.segmentStartSet = false;
    p.probeLine = {};
    p.resultsValid = 0;
    p.edit.chainOpen = false;
    // The repaint that follows a reset wipes any band off the screen.
    p.edit.rubberBandShown = false;

    p.view.gridOn = 1;
    p.view.marginLeft = 10;
    p.view.marginRight = 10;
    p.view.marginTop = 20;
    p.view.marginBottom = 40;

    p.showDisplacements = 0;
    p.showReducedStress = 0;
    p.currentBoundary = 1;
    p.currentCondition = 1;
    DisplaySettings& d = p.display;
    d.showBoundaryConditions = 0;
    d.showNodes = 1;
    d.showElements = 1;
    d.showNodeNumbers = 0;
    d.showInternalPoints = 1;
    d.showElementNumbers = 0;
    d.normalsFlag = 0;
    d.showPotential = 0;
    d.showFlux = 0;
    d.showFieldMap = 0;
    d.showFluxArrows = 0;
    d.showInternalValues = 1;
    d.showMidValues = 0;
    d.showEndValues = 1;

    p.nodes.resize(0);
    p.elements.resize(0);
    p.boundaries.resize(1);
    p.internalPoints.resize(0);

    p.ambientTemperature = 0.0f;
}

void invalidateResults(Project& p)
{
    p.resultsValid = 0;
    p.display.showFieldMap = 0;
    p.display.showFluxArrows = 0;
    p.display.showPotential = 0;
    p.display.showFlux = 0;
    p.showReducedStress = 0;
}

void initialiseProject(Project& p)
{
    p = Project{};
    p.display.paletteMode = 1;
    resetProject(p);
    p.display.showElementBoundaryNumbers = 0;
    p.display.showBcNumbers = 1;
    p.savedProjectText = writeProjectText(p);
}

} // namespace zorind
