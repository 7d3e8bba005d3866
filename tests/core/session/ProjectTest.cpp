#include <gtest/gtest.h>

#include "core/session/Project.h"
#include "core/ui/Messages.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

void expectEmptyModel(const Project& p)
{
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_EQ(p.elementCount(), 0);
    EXPECT_EQ(p.internalPointCount(), 0);
    EXPECT_EQ(p.conditionCount(), 1);
    EXPECT_EQ(p.boundaryCount(), 1);
    EXPECT_EQ(p.boundaries[1].kind, OuterBoundary);
    EXPECT_FLOAT_EQ(p.conditions[1].kind, 2.0f);
    EXPECT_FLOAT_EQ(p.conditions[1].atNode1, 0.0f);
    EXPECT_EQ(p.analysisType, HeatFlow);
    EXPECT_FLOAT_EQ(p.conductivity, 1.0f);
    EXPECT_FLOAT_EQ(p.ambientTemperature, 0.0f);
    EXPECT_EQ(p.currentBoundary, 1);
    EXPECT_EQ(p.currentCondition, 1);
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    EXPECT_FALSE(p.edit.chainOpen);
    EXPECT_FLOAT_EQ(p.view.areaXMin, 0.0f);
    EXPECT_FLOAT_EQ(p.view.areaYMin, 0.0f);
    EXPECT_FLOAT_EQ(p.view.areaXMax, 50.0f);
    EXPECT_FLOAT_EQ(p.view.areaYMax, 50.0f);
    EXPECT_FLOAT_EQ(p.view.gridStepX, 2.0f);
    EXPECT_FLOAT_EQ(p.view.gridStepY, 2.0f);
    EXPECT_EQ(p.view.gridOn, 1);
    EXPECT_EQ(p.view.marginLeft, 10);
    EXPECT_EQ(p.view.marginRight, 10);
    EXPECT_EQ(p.view.marginTop, 20);
    EXPECT_EQ(p.view.marginBottom, 40);
    EXPECT_EQ(p.display.showNodes, 1);
    EXPECT_EQ(p.display.showElements, 1);
    EXPECT_EQ(p.display.showNodeNumbers, 0);
    EXPECT_EQ(p.display.showElementNumbers, 0);
    EXPECT_EQ(p.display.showBoundaryConditions, 0);
    EXPECT_EQ(p.display.showInternalPoints, 1);
    EXPECT_EQ(p.display.showInternalValues, 1);
    EXPECT_EQ(p.display.showEndValues, 1);
    EXPECT_EQ(p.display.showMidValues, 0);
    EXPECT_EQ(p.display.showPotential, 0);
    EXPECT_EQ(p.display.showFlux, 0);
    EXPECT_EQ(p.display.normalsFlag, 0);
    EXPECT_FLOAT_EQ(p.display.colourSubdivisions, 30.0f);
    EXPECT_EQ(p.showDisplacements, 0);
}

TEST(ProjectStartUp, IsAnEmptyModelWithStartUpOnlyValues)
{
    Project p;
    p.titleText = "x";
    p.conditions[1].atMiddle = 5.0f;
    p.nodes[7] = {1.0f, 2.0f};
    initialiseProject(p);
    expectEmptyModel(p);
    EXPECT_EQ(p.titleText, " ");
    EXPECT_FALSE(p.projectOpen);
    EXPECT_EQ(p.selectedNumber, 0);
    EXPECT_EQ(p.display.paletteMode, 1);
    EXPECT_EQ(p.display.showElementBoundaryNumbers, 0);
    EXPECT_EQ(p.display.showBcNumbers, 1);
    EXPECT_FLOAT_EQ(p.conditions[1].atMiddle, 0.0f);
    EXPECT_FLOAT_EQ(p.conditions[1].atNode2, 0.0f);
    EXPECT_EQ(p.nodes[7], (Node{})) << "entries beyond the counts are zero at start-up";
    EXPECT_EQ(p.palette.colours[0], (Rgb{0, 150, 242}));
}

TEST(ProjectReset, EmptiesTheModelButKeepsWhatOutlivesAProject)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    test::addCondition(p, 1.0f, 5, 5, 5);
    p.conditions[1] = {3.0f, 7.0f, 8.0f, 9.0f, 0, 0, 0, 0};
    test::addBoundary(p, InnerBoundary);
    test::addInternalPoint(p, 0.2f, 0.2f);
    p.analysisType = Elasticity;
    p.conductivity = 4.0f;
    p.ambientTemperature = 20.0f;
    p.currentBoundary = 2;
    p.currentCondition = 2;
    p.resultsValid = 1;
    p.elementResults[1].slot[1] = 42.0f;
    p.internalPoints[1].internalResult = 3.0f;
    p.projectOpen = true;
    p.titleText = "TAV /tmp/a.tav";
    p.display = DisplaySettings{0, 0, 1, 1, 1, 1, 0, 0, 0, 1, 0, 1, 1, 1, 5.0f, 2};
    p.view.areaXMax = 7.0f;
    p.view.gridOn = 0;
    p.edit.editMode = EditMode::PolylineEntry;
    p.edit.chainOpen = true;
    p.showDisplacements = 1;

    resetProject(p);

    expectEmptyModel(p);
    // Not touched by a reset.
    EXPECT_TRUE(p.projectOpen);
    EXPECT_EQ(p.titleText, "TAV /tmp/a.tav");
    EXPECT_EQ(p.display.paletteMode, 2);
    EXPECT_EQ(p.display.showElementBoundaryNumbers, 1);
    EXPECT_EQ(p.display.showBcNumbers, 0);
    EXPECT_FLOAT_EQ(p.elementResults[1].slot[1], 42.0f);
    EXPECT_FLOAT_EQ(p.internalPoints[1].internalResult, 3.0f);
    // Condition 1 starts afresh: a new model's elements must not carry the
    // previous model's values.
    EXPECT_EQ(p.conditions[1], (BoundaryCondition{2.0f, 0, 0, 0, 0, 0, 0, 0}));
    // The palette follows the kept mode.
    EXPECT_EQ(p.palette.colours[0], (Rgb{0, 0, 255}));
}

TEST(ProjectTables, NumberFromOneAndRefuseStrayReferences)
{
    Project p = test::emptyProject();
    EXPECT_NO_THROW(p.nodes[kMaxNodes]);
    EXPECT_THROW(p.nodes[kMaxNodes + 1], std::out_of_range);
    EXPECT_THROW(p.elements[-1], std::out_of_range);
    EXPECT_EQ(p.elementResults.capacity, kMaxElements) << "a result record for every possible element";
}

TEST(ProjectTables, KeepTheirCountWithinCapacity)
{
    Table<Node, 3> t;
    EXPECT_EQ(t.append({1, 0}), 1);
    EXPECT_EQ(t.append({2, 0}), 2);
    EXPECT_EQ(t.append({3, 0}), 3);
    EXPECT_EQ(t.append({4, 0}), 0) << "a full table refuses";
    EXPECT_EQ(t.count(), 3);
    EXPECT_FALSE(t.fits(1));
    EXPECT_THROW(t.resize(4), std::out_of_range);

    EXPECT_FALSE(t.erase(0));
    EXPECT_FALSE(t.erase(4));
    EXPECT_TRUE(t.erase(2));
    EXPECT_EQ(t.count(), 2);
    EXPECT_FLOAT_EQ(t[2].x, 3);
    EXPECT_FLOAT_EQ(t[3].x, 0) << "the freed slot is zeroed";
    EXPECT_TRUE(t.contains(2));
    EXPECT_FALSE(t.contains(3));
    float sum = 0;
    for (const Node& n : t) {
        sum += n.x;
    }
    EXPECT_FLOAT_EQ(sum, 4);
    EXPECT_EQ(capacityMessage(kNodesGenitive, kMaxNodes), "Osiągnięto maksymalną liczbę węzłów (199)");
}

TEST(Palette, GradedAndBandedEntries)
{
    ColourPalette graded = buildPalette(1);
    EXPECT_EQ(graded.colours[50], (Rgb{0, 100, 142}));
    EXPECT_EQ(graded.colours[51], (Rgb{0, 205, 0}));
    EXPECT_EQ(graded.colours[100], (Rgb{0, 107, 0}));
    EXPECT_EQ(graded.colours[101], (Rgb{200, 155, 0}));
    EXPECT_EQ(graded.colours[150], (Rgb{200, 106, 0}));
    EXPECT_EQ(graded.colours[151], (Rgb{253, 0, 0}));
    EXPECT_EQ(graded.colours[200], (Rgb{155, 0, 0}));
    ColourPalette bands = buildPalette(2);
    EXPECT_EQ(bands.colours[28], (Rgb{0, 0, 255}));
    EXPECT_EQ(bands.colours[29], (Rgb{0, 0, 128}));
    EXPECT_EQ(bands.colours[112], (Rgb{0, 255, 0}));
    EXPECT_EQ(bands.colours[168], (Rgb{255, 0, 255}));
    EXPECT_EQ(bands.colours[169], (Rgb{255, 0, 0}));
    EXPECT_EQ(bands.colours[200], (Rgb{255, 0, 0}));
}

} // namespace
} // namespace zorind
