#include <gtest/gtest.h>

#include "core/solver/Compute.h"
#include "core/solver/ResultLists.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/SolverModels.h"

namespace zorind {
namespace {

TEST(ResultsList, OpensTheWindowOfTheAnalysisOrSaysThereIsNothing)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    EXPECT_EQ(resultsListCommand(p, ui), ResultsWindow::None);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Projekt nie obliczony");
    EXPECT_EQ(ui.shown[0].caption, "Lista wyników");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);

    ui.clear();
    p.resultsValid = 1;
    p.analysisType = MagneticPotential;
    EXPECT_EQ(resultsListCommand(p, ui), ResultsWindow::PotentialResults);
    p.analysisType = Elasticity;
    EXPECT_EQ(resultsListCommand(p, ui), ResultsWindow::ElasticityResults);
    p.analysisType = Thermoelasticity;
    EXPECT_EQ(resultsListCommand(p, ui), ResultsWindow::None);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(ResultsList, RowsHoldTheStoredNumbersOfEveryElement)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    for (int e = 1; e <= 3; ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[static_cast<std::size_t>(s)] = static_cast<float>(10 * e + s);
            p.fluxResults[e].slot[static_cast<std::size_t>(s)] = static_cast<float>(-10 * e - s);
        }
    }
    const std::vector<ElementResultRow> rows = elementResultRows(p);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].number, 2);
    const std::array<float, 6> second{21, 22, 23, -21, -22, -23};
    EXPECT_EQ(rows[1].values, second);
}

TEST(InternalResultsList, EveryPointWithAValueOnlyWhileTheResultsAreValid)
{
    Project p = test::emptyProject();
    EXPECT_TRUE(internalResultRows(p).empty());
    test::addInternalPoint(p, 1.0f, 1.0f);
    test::addInternalPoint(p, 2.0f, 1.0f);
    p.internalPoints[2].internalResult = 0.3f;
    std::vector<InternalResultRow> rows = internalResultRows(p);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].number, 2);
    EXPECT_EQ(rows[1].value, std::nullopt) << "a value left from an earlier model";
    p.resultsValid = 1;
    rows = internalResultRows(p);
    EXPECT_EQ(rows[1].value, 0.3f);
    p.analysisType = Elasticity;
    EXPECT_EQ(internalResultRows(p)[1].value, std::nullopt);
}

// Element 1 from y = 2 to y = 4, element 2 from y = 4 to y = 0, element 3
// along y = 0; internal points at (1, 2) and (4, 0).
Project resultsToScale()
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 2}, {1, 4}, {3, 0}, {0, 0}});
    for (int e = 1; e <= 4; ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[s] = 12.0f;
            p.fluxResults[e].slot[s] = 5.0f;
        }
    }
    test::addInternalPoint(p, 1.0f, 2.0f);
    test::addInternalPoint(p, 4.0f, 0.0f);
    p.internalPoints[1].internalResult = 8.0f;
    p.internalPoints[2].internalResult = 8.0f;
    return p;
}

TEST(ScaleResults, DividingByYLeavesPointsAtYZeroAndTheFluxesAlone)
{
    Project p = resultsToScale();
    ScriptedInteraction ui;
    ui.answers = {true};
    EXPECT_TRUE(scaleResults(p, ui, ScalingOption::PotentialByY));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].isQuestion);
    EXPECT_EQ(ui.shown[0].text, "Przeskalować wartości potencjału dzieląc je przez wartość wsp. y ?");
    EXPECT_EQ(ui.shown[0].caption, "Skalowanie");
    // Element 1: y 2, 3, 4.
    EXPECT_EQ(p.elementResults[1].slot[1], 6.0f);
    EXPECT_EQ(p.elementResults[1].slot[2], 4.0f);
    EXPECT_EQ(p.elementResults[1].slot[3], 3.0f);
    // Element 2: y 4, 2, 0 (the end stays).
    EXPECT_EQ(p.elementResults[2].slot[1], 3.0f);
    EXPECT_EQ(p.elementResults[2].slot[2], 6.0f);
    EXPECT_EQ(p.elementResults[2].slot[3], 12.0f);
    // Element 3 lies on y = 0 entirely.
    EXPECT_EQ(p.elementResults[3].slot[1], 12.0f);
    EXPECT_EQ(p.elementResults[3].slot[2], 12.0f);
    EXPECT_EQ(p.elementResults[3].slot[3], 12.0f);
    for (int e = 1; e <= 4; ++e) {
        for (int s = 1; s <= 3; ++s) {
            EXPECT_EQ(p.fluxResults[e].slot[s], 5.0f);
        }
    }
    EXPECT_EQ(p.internalPoints[1].internalResult, 4.0f);
    EXPECT_EQ(p.internalPoints[2].internalResult, 8.0f);
    EXPECT_EQ(p.resultsValid, 0);
}

TEST(ScaleResults, TheOtherOptionsMultiplyOrDivideByTheirCoordinate)
{
    {
        Project p = resultsToScale();
        ScriptedInteraction ui;
        ui.answers = {true};
        EXPECT_TRUE(scaleResults(p, ui, ScalingOption::PotentialTimesY));
        EXPECT_EQ(ui.textsShown(),
                  std::vector<std::string>{"Przeskalować wartości potencjału mnożąc je przez wartość wsp. y ?"});
        EXPECT_EQ(p.elementResults[1].slot[1], 24.0f);
        EXPECT_EQ(p.elementResults[1].slot[2], 36.0f);
        EXPECT_EQ(p.elementResults[1].slot[3], 48.0f);
        EXPECT_EQ(p.internalPoints[1].internalResult, 16.0f);
        EXPECT_EQ(p.internalPoints[2].internalResult, 0.0f) << "a product with y = 0 is 0";
        EXPECT_EQ(p.fluxResults[1].slot[2], 5.0f);
    }
    {
        Project p = resultsToScale();
        ScriptedInteraction ui;
        ui.answers = {true};
        EXPECT_TRUE(scaleResults(p, ui, ScalingOption::FluxTimesX));
        EXPECT_EQ(ui.shown.at(0).text, "Przeskalować wartości strumienia mnożąc je przez wartość wsp. x ?");
        // Element 2 runs from x = 1 to x = 3.
        EXPECT_EQ(p.fluxResults[2].slot[1], 5.0f);
        EXPECT_EQ(p.fluxResults[2].slot[2], 10.0f);
        EXPECT_EQ(p.fluxResults[2].slot[3], 15.0f);
        EXPECT_EQ(p.elementResults[2].slot[2], 12.0f);
        EXPECT_EQ(p.internalPoints[1].internalResult, 8.0f) << "internal points have no flux";
    }
    {
        Project p = resultsToScale();
        ScriptedInteraction ui;
        ui.answers = {true};
        EXPECT_TRUE(scaleResults(p, ui, ScalingOption::PotentialByX));
        EXPECT_EQ(ui.shown.at(0).text, "Przeskalować wartości potencjału dzieląc je przez wartość wsp. x ?");
        // Element 1 runs from x = 0 (left as it is) to x = 1.
        EXPECT_EQ(p.elementResults[1].slot[1], 12.0f);
        EXPECT_EQ(p.elementResults[1].slot[2], 24.0f);
        EXPECT_EQ(p.elementResults[1].slot[3], 12.0f);
        EXPECT_EQ(p.internalPoints[1].internalResult, 8.0f) << "x = 1";
        EXPECT_EQ(p.internalPoints[2].internalResult, 2.0f) << "x = 4, whatever y is";
    }
    {
        Project p = resultsToScale();
        ScriptedInteraction ui;
        ui.answers = {true};
        EXPECT_TRUE(scaleResults(p, ui, ScalingOption::FluxByY));
        EXPECT_EQ(p.fluxResults[1].slot[1], 2.5f);
        EXPECT_EQ(p.fluxResults[1].slot[3], 1.25f);
        EXPECT_EQ(p.fluxResults[3].slot[2], 5.0f) << "element 3 lies on y = 0";
    }
}

TEST(ScaleResults, NoScalingNoOrAValueTooLargeChangeNothing)
{
    const Project before = resultsToScale();
    {
        Project p = resultsToScale();
        ScriptedInteraction ui;
        ui.answers = {true};
        EXPECT_FALSE(scaleResults(p, ui, ScalingOption::NoScaling));
        EXPECT_TRUE(ui.shown.empty());
        EXPECT_EQ(p.elementResults[1], before.elementResults[1]);
    }
    {
        Project p = resultsToScale();
        ScriptedInteraction ui;
        ui.answers = {false};
        EXPECT_FALSE(scaleResults(p, ui, ScalingOption::PotentialByY));
        EXPECT_EQ(p.elementResults[1], before.elementResults[1]);
        EXPECT_EQ(p.internalPoints[1], before.internalPoints[1]);
    }
    {
        Project p = resultsToScale();
        p.elementResults[1].slot[1] = 3e38f;
        ScriptedInteraction ui;
        ui.answers = {true};
        EXPECT_TRUE(scaleResults(p, ui, ScalingOption::PotentialTimesY));
        EXPECT_EQ(p.elementResults[1].slot[1], 3e38f) << "a product beyond float range is not stored";
        EXPECT_EQ(p.elementResults[1].slot[3], 48.0f);
    }
}

// The whole road: compute, scale twice, list. The listed potentials are the
// computed ones divided by y², the fluxes unchanged.
TEST(ScaleResults, TwiceAfterAComputationDividesByYSquared)
{
    Project p = test::emptyProject();
    p.conditions[1] = {2.0f, 0, 0, 0, 0, 0, 0, 0};
    const int hot = test::addCondition(p, 1.0f, 100.0f, 100.0f, 100.0f);
    const int cold = test::addCondition(p, 1.0f, 0.0f, 0.0f, 0.0f);
    // The plate lies between y = 1 and y = 3, so no point has y = 0.
    test::addChain(p, {{0, 1}, {4, 1}, {8, 1}, {8, 3}, {4, 3}, {0, 3}}, [&](test::Point s, test::Point e) {
        if (s.first == 8.0 && e.first == 8.0) {
            return cold;
        }
        if (s.first == 0.0 && e.first == 0.0) {
            return hot;
        }
        return 1;
    });
    test::addInternalPoint(p, 2.0f, 2.0f);
    ScriptedInteraction ui;
    ASSERT_EQ(computeCommand(p, ui, nullptr), ComputeOutcome::Computed);
    const std::vector<ElementResultRow> computed = elementResultRows(p);
    const float internal = p.internalPoints[1].internalResult;

    ui.answers = {true, true};
    ASSERT_TRUE(scaleResults(p, ui, ScalingOption::PotentialByY));
    ASSERT_TRUE(scaleResults(p, ui, ScalingOption::PotentialByY));
    const std::vector<ElementResultRow> scaled = elementResultRows(p);
    ASSERT_EQ(scaled.size(), computed.size());
    for (std::size_t r = 0; r < scaled.size(); ++r) {
        const Element& el = p.elements[scaled[r].number];
        const float y1 = p.nodes[el.startNode].y;
        const float y2 = p.nodes[el.endNode].y;
        const float ym = (y1 + y2) / 2;
        const float ys[3] = {y1, ym, y2};
        for (int a = 0; a < 3; ++a) {
            const float expected = computed[r].values[a] / ys[a] / ys[a];
            EXPECT_EQ(scaled[r].values[a], expected) << r << "," << a;
            EXPECT_EQ(scaled[r].values[3 + a], computed[r].values[3 + a]);
        }
    }
    EXPECT_EQ(internalResultRows(p)[0].value, internal / 2.0f / 2.0f);
    EXPECT_EQ(p.resultsValid, 1);
}

} // namespace
} // namespace zorind
