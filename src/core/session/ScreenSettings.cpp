#include "core/session/ScreenSettings.h"

#include "core/model/NumberFormat.h"
#include "core/session/ViewCommands.h"

namespace zorind {

namespace {

int32_t flag(bool on)
{
    return on ? 1 : 0;
}

void applyBoxes(Project& project, const ScreenSettings& s)
{
    DisplaySettings& d = project.display;
    d.showNodes = flag(s.showNodes);
    d.showNodeNumbers = flag(s.showNodeNumbers);
    d.showElements = flag(s.showElements);
    d.showElementNumbers = flag(s.showElementNumbers);
    d.showInternalPoints = flag(s.showInternalPoints);
    d.showEndValues = flag(s.showEndValues);
    d.showMidValues = flag(s.showMidValues);
    d.showInternalValues = flag(s.showInternalValues);
    project.view.gridOn = flag(s.gridOn);
    d.paletteMode = s.sevenBandPalette ? 2 : 1;
}

} // namespace

ScreenSettings currentScreenSettings(const Project& project)
{
    const DisplaySettings& d = project.display;
    ScreenSettings s;
    s.showNodes = d.showNodes == 1;
    s.showNodeNumbers = d.showNodeNumbers == 1;
    s.showElements = d.showElements == 1;
    s.showElementNumbers = d.showElementNumbers == 1;
    s.showInternalPoints = d.showInternalPoints == 1;
    s.showEndValues = d.showEndValues == 1;
    s.showMidValues = d.showMidValues == 1;
    s.showInternalValues = d.showInternalValues == 1;
    s.gridOn = project.view.gridOn == 1;
    s.sevenBandPalette = d.paletteMode == 2;
    s.gridStepX = project.view.gridStepX;
    s.gridStepY = project.view.gridStepY;
    return s;
}

bool acceptScreenSettings(Project& project, Interaction& ui, const ScreenSettings& boxes, std::optional<double> stepX,
                          std::optional<double> stepY)
{
    applyBoxes(project, boxes);
    const std::optional<float> x = typedFloat(stepX);
    const std::optional<float> y = typedFloat(stepY);
    if (!x || !y || !(*x > 0.0f) || !(*y > 0.0f)) {
        ui.error("Błędnie podano parametry siatki", "Ustawienia ekranu");
        return false;
    }
    project.view.gridStepX = *x;
    project.view.gridStepY = *y;
    return true;
}

void screenSettingsCommand(Project& project, const std::function<bool()>& runDialog)
{
    // The exact values, not the dialog's view of them: a flag other than
    // 0/1 comes back as it was.
    const DisplaySettings displayBefore = project.display;
    const ViewTransform viewBefore = project.view;
    if (!runDialog()) {
        DisplaySettings& d = project.display;
        d.showNodes = displayBefore.showNodes;
        d.showNodeNumbers = displayBefore.showNodeNumbers;
        d.showElements = displayBefore.showElements;
        d.showElementNumbers = displayBefore.showElementNumbers;
        d.showInternalPoints = displayBefore.showInternalPoints;
        d.showEndValues = displayBefore.showEndValues;
        d.showMidValues = displayBefore.showMidValues;
        d.showInternalValues = displayBefore.showInternalValues;
        d.paletteMode = displayBefore.paletteMode;
        project.view.gridOn = viewBefore.gridOn;
        project.view.gridStepX = viewBefore.gridStepX;
        project.view.gridStepY = viewBefore.gridStepY;
    }
    project.palette = buildPalette(project.display.paletteMode);
}

} // namespace zorind
