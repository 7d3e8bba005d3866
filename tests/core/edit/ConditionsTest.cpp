#include <gtest/gtest.h>

#include "core/edit/Conditions.h"
#include "core/edit/NodeEditing.h"
#include "core/session/Describe.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::emptyProject;

TEST(AddCondition, KeptAndCurrentAfterOkDroppedAfterCancelNoDialogForThermoelasticity)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    std::vector<ConditionDialogKind> opened;
    bool answer = true;
    const ConditionDialogRunner dialog = [&](ConditionDialogKind kind) {
        opened.push_back(kind);
        EXPECT_EQ(p.selectedNumber, p.conditionCount()); // opened on the new condition
        EXPECT_EQ(p.conditions[p.conditionCount()], (BoundaryCondition{1.0f}));
        return answer;
    };
    addCondition(p, ui, dialog);
    EXPECT_EQ(p.conditionCount(), 2);
    EXPECT_EQ(p.currentCondition, 2);

    answer = false;
    p.analysisType = Elasticity;
    addCondition(p, ui, dialog);
    EXPECT_EQ(p.conditionCount(), 2);
    EXPECT_EQ(p.currentCondition, 2);
    EXPECT_EQ(p.selectedNumber, 3); // stays at the last add

    p.analysisType = Thermoelasticity;
    addCondition(p, ui, dialog);
    EXPECT_EQ(p.conditionCount(), 3);
    EXPECT_EQ(p.conditions[3], (BoundaryCondition{1.0f}));
    EXPECT_EQ(p.currentCondition, 2);
    EXPECT_EQ(opened, (std::vector{ConditionDialogKind::Potential, ConditionDialogKind::Elasticity}));

    // Changing opens with a free number field, and not at all for type 11.
    changeCondition(p, dialog);
    EXPECT_EQ(p.selectedNumber, 0);
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(AddCondition, AFullTableIsRefusedAndLeftAsItWas)
{
    Project p = emptyProject();
    while (test::addCondition(p, 2, 0, 0, 0) != 0) {
    }
    p.currentCondition = 5;
    ScriptedInteraction ui;
    bool opened = false;
    addCondition(p, ui, [&](ConditionDialogKind) { return opened = true; });
    EXPECT_FALSE(opened);
    EXPECT_EQ(p.conditionCount(), kMaxConditions);
    EXPECT_EQ(p.currentCondition, 5);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Osiągnięto maksymalną liczbę warunków brzegowych (99)");
    EXPECT_EQ(ui.shown[0].caption, "Warunek brzegowy");
}

TEST(DescribeCondition, EveryAnalysisTypeAndKind)
{
    Project p = emptyProject();
    const int c = test::addCondition(p, 1, 0.5f, 1.25f, -2.0f);
    p.conditions[c].atNode1Y = 7; // shown by the symmetry planes only
    struct Case {
        int type;
        float kind;
        const char* text;
    };
    const Case cases[] = {
        {HeatFlow, 1, "Pot:0.50 1.25 -2.00"},
        {ElectricPotential, 2, "Strum:0.500 1.250 -2.000"},
        {MagneticPotential, 3, "Konwek.0.500 1.250 -2.000"},
        {HydrodynamicPressure, 1, "Pot:0.50 1.25 -2.00"},
        {PotentialFlow, 2, "Strum:0.500 1.250 -2.000"},
        {PotentialFlow, 0, "Nieznany rodzaj 0:0.500 1.250 -2.000"},
        {Elasticity, 1, "Obc.ciąg.:0.50 1.25 -2.00"},
        {Elasticity, 2, "Przemiesz:0.500 1.250 -2.000"},
        {Elasticity, 3, "Nieznany rodzaj 3:0.500 1.250 -2.000"},
        {Elasticity, 2.5f, "Nieznany rodzaj 2.5:0.500 1.250 -2.000"},
        {Elasticity, 4, "Ciśnienie:0.50 1.25 -2.00"},
        {Elasticity, 5, "Przem.X:0.500 1.250 -2.000 Obc.Y:7.00 0.00 0.00"},
        {Elasticity, 6, "Przem.Y:7.000 0.000 0.000 Obc.X:0.50 1.25 -2.00"},
        {Elasticity, 7, "Nieznany rodzaj 7:0.500 1.250 -2.000"},
        {HeatFlow, 4, "Nieznany rodzaj 4:0.500 1.250 -2.000"},
        // Thermoelasticity has no dialog of its own: read as elasticity.
        {Thermoelasticity, 1, "Obc.ciąg.:0.50 1.25 -2.00"},
        {Thermoelasticity, 2, "Przemiesz:0.500 1.250 -2.000"},
        {Thermoelasticity, 3, "Nieznany rodzaj 3:0.500 1.250 -2.000"},
    };
    for (const Case& k : cases) {
        p.analysisType = k.type;
        p.conditions[c].kind = k.kind;
        EXPECT_EQ(describeCondition(p, c), k.text) << k.type << " " << k.kind;
    }
    // The element dialog names elasticity's own kinds as its dialog does;
    // kinds 1 to 3 keep the names they have in every analysis.
    p.analysisType = Elasticity;
    p.conditions[c].kind = 5;
    EXPECT_EQ(conditionItemText(p, c),
              "nr " + std::to_string(c) + ", przemieszczenie X, obciążenie Y 0.500 1.250 -2.000");
    p.conditions[c].kind = 7;
    EXPECT_EQ(conditionItemText(p, c), "nr " + std::to_string(c) + ", nieznany 0.500 1.250 -2.000");
    // A value that shows as zero shows without a sign, as everywhere.
    p.analysisType = HeatFlow;
    p.conditions[c] = BoundaryCondition{1, -0.0f, -0.004f, -2};
    EXPECT_EQ(describeCondition(p, c), "Pot:0.00 0.00 -2.00");
    EXPECT_EQ(conditionItemText(p, c), "nr " + std::to_string(c) + ", temperatura 0.000 -0.004 -2.000");
    test::addNode(p, -0.0f, -0.0001f);
    EXPECT_EQ(nodeItemText(p, 1), "nr 1, x0.000, y0.000");
    // A number naming no condition has no text.
    EXPECT_EQ(describeCondition(p, 0), "");
    EXPECT_EQ(describeCondition(p, c + 1), "");
    EXPECT_EQ(describeCondition(p, 5000), "");
}

TEST(Selectors, ACurrentNumberNamingNoEntrySelectsNothing)
{
    Project p = emptyProject();
    p.currentCondition = 0;
    p.currentBoundary = 3;
    const ToolBarState s = toolBarState(p);
    EXPECT_EQ(s.conditionIndex, -1);
    EXPECT_EQ(s.boundaryIndex, -1);
    EXPECT_EQ(s.conditionItems.size(), 1u);
    EXPECT_EQ(currentSelectionText(p), "Brzeg 3 w ");
}

TEST(StoreCondition, AnEntryIsCheckedWholeBeforeAnythingButTheAmbientTemperatureIsStored)
{
    Project p = emptyProject();
    test::addCondition(p, 2, 0, 0, 0); // 2
    ScriptedInteraction ui;
    ConditionEntry entry;
    entry.number = 2;
    entry.kind = 3;
    entry.values = {10.0f, 20.0f, std::nullopt};
    entry.ambient = 15.0f;
    EXPECT_FALSE(storePotentialCondition(p, ui, entry)) << "an unreadable value";
    EXPECT_EQ(p.conditions[2], (BoundaryCondition{2, 0, 0, 0}));
    entry.values[2] = 30.0f;
    entry.number = 3; // one past the last
    EXPECT_FALSE(storePotentialCondition(p, ui, entry));
    EXPECT_EQ(p.ambientTemperature, 15.0f) << "stored before the number is checked";
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Złe dane", "Złe dane"}));
    entry.number = 2;
    EXPECT_TRUE(storePotentialCondition(p, ui, entry));
    EXPECT_EQ(p.conditions[2], (BoundaryCondition{3, 10, 20, 30}));

    p.analysisType = Elasticity;
    entry.kind = 2;
    entry.values = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f};
    EXPECT_TRUE(storeElasticityCondition(p, ui, entry));
    EXPECT_EQ(p.conditions[2], (BoundaryCondition{2, 1, 2, 3, 4, 5, 6}));
    entry.values[4] = std::nullopt;
    EXPECT_FALSE(storeElasticityCondition(p, ui, entry)) << "every y value is read too";
    EXPECT_EQ(p.conditions[2].atMiddleY, 5.0f);

    // A pressure has no y values: they are neither read nor kept.
    entry.kind = PressureKind;
    EXPECT_TRUE(storeElasticityCondition(p, ui, entry));
    EXPECT_EQ(p.conditions[2], (BoundaryCondition{4, 1, 2, 3, 0, 0, 0}));
    entry.values[4] = 5.0f;
    for (int kind : {HeldXKind, HeldYKind}) {
        entry.kind = kind;
        EXPECT_TRUE(storeElasticityCondition(p, ui, entry));
        EXPECT_EQ(p.conditions[2], (BoundaryCondition{static_cast<float>(kind), 1, 2, 3, 4, 5, 6}));
    }
    entry.kind = 7; // no such radio: the dialog's default
    EXPECT_TRUE(storeElasticityCondition(p, ui, entry));
    EXPECT_EQ(p.conditions[2].kind, 1.0f);
}

} // namespace
} // namespace zorind
