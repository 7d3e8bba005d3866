#include <gtest/gtest.h>

#include "core/session/Describe.h"
#include "core/session/DisplayCommands.h"
#include "core/session/ScreenSettings.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::emptyProject;

TEST(DisplayToggles, NumberButtonsFlipOnlyTheirOwnSwitch)
{
    Project p = emptyProject();
    p.display.showPotential = 1;
    toggleNodeNumbers(p);
    EXPECT_EQ(p.display.showNodeNumbers, 1);
    toggleElementNumbers(p);
    EXPECT_EQ(p.display.showElementNumbers, 1);
    EXPECT_EQ(p.display.showPotential, 1);
    toggleNodeNumbers(p);
    toggleElementNumbers(p);
    EXPECT_EQ(p.display.showNodeNumbers, 0);
    EXPECT_EQ(p.display.showElementNumbers, 0);
}

TEST(DisplayToggles, ConditionsButtonReleasesResultsAndBoundaryNumbers)
{
    Project p = emptyProject();
    p.display.showPotential = 1;
    p.display.showFlux = 1;
    p.display.showElementBoundaryNumbers = 1;
    toggleBoundaryConditionsButton(p);
    EXPECT_EQ(p.display.showBoundaryConditions, 1);
    EXPECT_EQ(p.display.showPotential, 0);
    EXPECT_EQ(p.display.showFlux, 0);
    EXPECT_EQ(p.display.showElementBoundaryNumbers, 0);

    // Switching off releases nothing.
    p.display.showElementBoundaryNumbers = 1;
    toggleBoundaryConditionsButton(p);
    EXPECT_EQ(p.display.showBoundaryConditions, 0);
    EXPECT_EQ(p.display.showElementBoundaryNumbers, 1);
}

TEST(DisplayToggles, ConditionsMenuItemKeepsBoundaryNumbers)
{
    Project p = emptyProject();
    p.display.showFlux = 1;
    p.display.showElementBoundaryNumbers = 1;
    toggleBoundaryConditionsMenu(p);
    EXPECT_EQ(p.display.showBoundaryConditions, 1);
    EXPECT_EQ(p.display.showFlux, 0);
    EXPECT_EQ(p.display.showElementBoundaryNumbers, 1);
    EXPECT_TRUE(toolBarState(p).conditionsChecked);
}

TEST(DisplayToggles, BoundaryNumbersReleaseResultsAndConditions)
{
    Project p = emptyProject();
    p.display.showPotential = 1;
    p.display.showBoundaryConditions = 1;
    toggleElementBoundaryNumbers(p);
    EXPECT_EQ(p.display.showElementBoundaryNumbers, 1);
    EXPECT_EQ(p.display.showPotential, 0);
    EXPECT_EQ(p.display.showFlux, 0);
    EXPECT_EQ(p.display.showBoundaryConditions, 0);
}

TEST(DisplayToggles, PotentialAndFluxExcludeEachOtherAndTheConditions)
{
    Project p = emptyProject();
    p.display.showBoundaryConditions = 1;
    togglePotential(p);
    EXPECT_EQ(p.display.showPotential, 1);
    EXPECT_EQ(p.display.showBoundaryConditions, 0);
    toggleFlux(p);
    EXPECT_EQ(p.display.showFlux, 1);
    EXPECT_EQ(p.display.showPotential, 0);
    toggleFlux(p);
    EXPECT_EQ(p.display.showFlux, 0);
    EXPECT_EQ(p.display.showPotential, 0);
}

TEST(DisplayToggles, ResultViewsChangeNothingForElasticity)
{
    for (int type : {10, 11}) {
        Project p = emptyProject();
        p.analysisType = type;
        p.resultsValid = 1;
        p.display.showBoundaryConditions = 1;
        togglePotential(p);
        toggleFlux(p);
        EXPECT_EQ(p.display.showPotential, 0);
        EXPECT_EQ(p.display.showFlux, 0);
        EXPECT_EQ(p.display.showBoundaryConditions, 1);
        EXPECT_FALSE(toolBarState(p).resultButtonsEnabled);
    }
}

// The field map shares the colour scale with the potential, not with the
// flux: it keeps the one and releases the other. It exists for potential
// analyses and for elasticity (the reduced stress), and goes with the results.
TEST(DisplayToggles, FieldMapKeepsThePotentialReleasesTheFluxAndGoesWithTheResults)
{
    Project p = emptyProject();
    p.resultsValid = 1;
    togglePotential(p);
    toggleFieldMap(p);
    EXPECT_EQ(p.display.showFieldMap, 1);
    EXPECT_EQ(p.display.showPotential, 1);
    EXPECT_TRUE(toolBarState(p).fieldMapChecked);
    toggleFlux(p);
    EXPECT_EQ(p.display.showFieldMap, 0);
    toggleFieldMap(p);
    EXPECT_EQ(p.display.showFlux, 0);
    EXPECT_EQ(p.display.showFieldMap, 1);
    invalidateResults(p);
    EXPECT_EQ(p.display.showFieldMap, 0);
    for (int type : {10, 11}) {
        Project q = emptyProject();
        q.analysisType = type;
        toggleFieldMap(q);
        EXPECT_EQ(q.display.showFieldMap, type == 10 ? 1 : 0);
    }
}

TEST(DisplayToggles, DisplacementsGoOnOnlyWithValidResults)
{
    Project p = emptyProject();
    toggleDisplacements(p);
    EXPECT_EQ(p.showDisplacements, 0);
    p.resultsValid = 1;
    toggleDisplacements(p);
    EXPECT_EQ(p.showDisplacements, 1);
    EXPECT_TRUE(toolBarState(p).displacementsChecked);
    toggleDisplacements(p);
    EXPECT_EQ(p.showDisplacements, 0);
    p.showDisplacements = 1;
    p.resultsValid = 0;
    toggleDisplacements(p);
    EXPECT_EQ(p.showDisplacements, 0);
}

TEST(ToolBarState, ButtonsFollowTheSwitchesAndResultButtonsNeedPotentialResults)
{
    Project p = emptyProject();
    ToolBarState s = toolBarState(p);
    EXPECT_FALSE(s.resultButtonsEnabled);
    EXPECT_FALSE(s.nodeNumbersDown || s.elementNumbersDown || s.conditionsDown || s.boundaryNumbersDown ||
                 s.potentialDown || s.fluxDown);

    p.resultsValid = 1;
    p.display.showNodeNumbers = 1;
    p.display.showFlux = 1;
    p.display.normalsFlag = 1;
    s = toolBarState(p);
    EXPECT_TRUE(s.resultButtonsEnabled);
    EXPECT_TRUE(s.nodeNumbersDown);
    EXPECT_TRUE(s.fluxDown);
    EXPECT_TRUE(s.fluxChecked);
    EXPECT_FALSE(s.potentialChecked);
    EXPECT_TRUE(s.normalsChecked);
}

TEST(ToolBarState, SelectorsListEveryConditionAndBoundary)
{
    Project p = emptyProject();
    test::addCondition(p, 1, 5, 5, 5);
    test::addCondition(p, 3, 1.5f, 2, 2.25f);
    p.currentCondition = 2;
    test::addBoundary(p, InnerBoundary);
    const ToolBarState s = toolBarState(p);
    ASSERT_EQ(s.conditionItems.size(), 3u);
    EXPECT_EQ(s.conditionItems[0], "Strum:0.000 0.000 0.000");
    EXPECT_EQ(s.conditionItems[1], "Pot:5.00 5.00 5.00");
    EXPECT_EQ(s.conditionItems[2], "Konwek.1.500 2.000 2.250");
    EXPECT_EQ(s.conditionIndex, 1);
    ASSERT_EQ(s.boundaryItems.size(), 2u);
    EXPECT_EQ(s.boundaryItems[0], "Brzeg 1 zew");
    EXPECT_EQ(s.boundaryItems[1], "Brzeg 2 wew");
    EXPECT_EQ(s.boundaryIndex, 0);
}

TEST(Selectors, PickingAnEntryMakesItCurrent)
{
    Project p = emptyProject();
    test::addCondition(p, 1, 0, 0, 0);
    test::addBoundary(p, OuterBoundary);
    pickCondition(p, 1);
    EXPECT_EQ(p.currentCondition, 2);
    pickCondition(p, 2);
    pickCondition(p, -1);
    EXPECT_EQ(p.currentCondition, 2);
    pickBoundary(p, 1);
    EXPECT_EQ(p.currentBoundary, 2);
    pickBoundary(p, 5);
    EXPECT_EQ(p.currentBoundary, 2);
}

TEST(StatusText, CurrentBoundaryLetterAndConditionText)
{
    Project p = emptyProject();
    EXPECT_EQ(currentSelectionText(p), "Brzeg 1 z Strum:0.000 0.000 0.000");
    const int b = test::addBoundary(p, InnerBoundary);
    const int c = test::addCondition(p, 1, 5, 5, 5);
    p.currentBoundary = b;
    p.currentCondition = c;
    EXPECT_EQ(currentSelectionText(p), "Brzeg 2 w Pot:5.00 5.00 5.00");
    // A boundary whose kind was never set is not outer.
    p.boundaries[b].kind = 0;
    EXPECT_EQ(currentSelectionText(p), "Brzeg 2 w Pot:5.00 5.00 5.00");
    p.currentBoundary = 77;
    EXPECT_EQ(currentSelectionText(p), "Brzeg 77 w Pot:5.00 5.00 5.00");
}

TEST(ScreenSettings, OkAppliesTheBoxesAndSpacing)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    ScreenSettings s = currentScreenSettings(p);
    EXPECT_TRUE(s.showNodes && s.showElements && s.showInternalPoints && s.showEndValues && s.showInternalValues &&
                s.gridOn);
    EXPECT_FALSE(s.showNodeNumbers || s.showElementNumbers || s.showMidValues || s.sevenBandPalette);
    EXPECT_EQ(s.gridStepX, 2.0f);

    s.showNodes = false;
    s.showMidValues = true;
    s.sevenBandPalette = true;
    screenSettingsCommand(p, [&] {
        EXPECT_TRUE(acceptScreenSettings(p, ui, s, 0.5, 4.0));
        return true;
    });
    EXPECT_EQ(p.display.showNodes, 0);
    EXPECT_EQ(p.display.showMidValues, 1);
    EXPECT_EQ(p.display.paletteMode, 2);
    EXPECT_EQ(p.view.gridStepX, 0.5f);
    EXPECT_EQ(p.view.gridStepY, 4.0f);
    EXPECT_EQ(p.palette.colours[28], (Rgb{0, 0, 255}));
    EXPECT_EQ(p.palette.colours[29], (Rgb{0, 0, 128}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST(ScreenSettings, BadSpacingIsRefusedButTheBoxesStay)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    ScreenSettings s = currentScreenSettings(p);
    s.gridOn = false;
    EXPECT_FALSE(acceptScreenSettings(p, ui, s, 0.0, 3.0));
    EXPECT_EQ(p.view.gridOn, 0);
    EXPECT_EQ(p.view.gridStepX, 2.0f);
    EXPECT_EQ(p.view.gridStepY, 2.0f);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Błędnie podano parametry siatki");
    EXPECT_EQ(ui.shown[0].caption, "Ustawienia ekranu");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);

    ui.clear();
    EXPECT_FALSE(acceptScreenSettings(p, ui, s, 1.0, std::nullopt));
    EXPECT_EQ(p.view.gridStepY, 2.0f);
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST(ScreenSettings, CancelPutsAllTwelveBack)
{
    Project p = emptyProject();
    p.display.showMidValues = 1;
    p.view.gridStepX = 0.25f;
    ScriptedInteraction ui;
    ScreenSettings changed;
    changed.showNodes = false;
    changed.showNodeNumbers = true;
    changed.showElements = false;
    changed.showElementNumbers = true;
    changed.showInternalPoints = false;
    changed.showEndValues = false;
    changed.showMidValues = false;
    changed.showInternalValues = false;
    changed.gridOn = false;
    changed.sevenBandPalette = true;
    const Project before = p;
    // The dialog applies its OK to the project, then the user is taken to
    // have cancelled: everything comes back.
    screenSettingsCommand(p, [&] {
        acceptScreenSettings(p, ui, changed, 7.0, 8.0);
        return false;
    });
    EXPECT_EQ(p.display.showNodes, before.display.showNodes);
    EXPECT_EQ(p.display.showNodeNumbers, before.display.showNodeNumbers);
    EXPECT_EQ(p.display.showElements, before.display.showElements);
    EXPECT_EQ(p.display.showElementNumbers, before.display.showElementNumbers);
    EXPECT_EQ(p.display.showInternalPoints, before.display.showInternalPoints);
    EXPECT_EQ(p.display.showEndValues, before.display.showEndValues);
    EXPECT_EQ(p.display.showMidValues, 1);
    EXPECT_EQ(p.display.showInternalValues, before.display.showInternalValues);
    EXPECT_EQ(p.view.gridOn, 1);
    EXPECT_EQ(p.display.paletteMode, 1);
    EXPECT_EQ(p.view.gridStepX, 0.25f);
    EXPECT_EQ(p.view.gridStepY, 2.0f);
    EXPECT_EQ(p.palette.colours[0], (Rgb{0, 150, 242}));
    EXPECT_EQ(p.palette.colours[200], (Rgb{155, 0, 0}));
}

} // namespace
} // namespace zorind
