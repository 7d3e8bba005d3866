#include <gtest/gtest.h>

#include <limits>

#include "core/solver/AnalysisSettings.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/SolverModels.h"

namespace zorind {
namespace {

TEST(AnalysisType, OkSetsTheTypeAndForgetsTheResultsEvenWithoutAChange)
{
    for (const AnalysisTypeChoice& choice : kAnalysisTypeChoices) {
        Project p = test::emptyProject();
        p.resultsValid = 1;
        applyAnalysisType(p, choice.code);
        EXPECT_EQ(p.analysisType, choice.code);
        EXPECT_EQ(p.resultsValid, 0);
    }
    Project p = test::emptyProject();
    p.analysisType = ElectricPotential;
    p.resultsValid = 1;
    applyAnalysisType(p, 7);
    EXPECT_EQ(p.analysisType, ElectricPotential);
    EXPECT_EQ(p.resultsValid, 1);
}

TEST(PhysicalProperties, TheLabelFollowsTheAnalysisType)
{
    EXPECT_EQ(conductivityLabel(HeatFlow), "Przewodność cieplna");
    EXPECT_EQ(conductivityLabel(ElectricPotential), "Przewodność elektryzna");
    EXPECT_EQ(conductivityLabel(MagneticPotential), "Przewodność magnetyczna");
    EXPECT_EQ(conductivityLabel(HydrodynamicPressure), "Przewodność");
    EXPECT_EQ(conductivityLabel(Elasticity), "Przewodność");
}

TEST(PhysicalProperties, APositiveNumberIsTakenInTheUsersOrTheCFormat)
{
    Project p = test::emptyProject();
    p.resultsValid = 1;
    ScriptedInteraction ui;
    EXPECT_TRUE(applyConductivityText(p, ui, " 2,5 ", ','));
    EXPECT_EQ(p.conductivity, 2.5f);
    EXPECT_TRUE(applyConductivityText(p, ui, "6.0e7", ','));
    EXPECT_EQ(p.conductivity, 6.0e7f);
    EXPECT_TRUE(applyConductivityText(p, ui, "0.25", '.'));
    EXPECT_EQ(p.conductivity, 0.25f);
    EXPECT_TRUE(applyConductivityText(p, ui, "0,0000001", ','));
    EXPECT_EQ(p.conductivity, 1e-7f);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(p.resultsValid, 1);
}

TEST(PhysicalProperties, AnythingElseIsBadDataAndChangesNothing)
{
    for (const char* text : {"", "abc", "0", "-1", "0,0", "1e39", "1e-50", "nan", "inf", "2,5x", "1 2"}) {
        Project p = test::emptyProject();
        p.conductivity = 3.0f;
        ScriptedInteraction ui;
        EXPECT_FALSE(applyConductivityText(p, ui, text, ',')) << text;
        EXPECT_EQ(p.conductivity, 3.0f) << text;
        ASSERT_EQ(ui.shown.size(), 1u) << text;
        EXPECT_EQ(ui.shown[0].text, "Złe dane");
        EXPECT_EQ(ui.shown[0].caption, "Własności fizyczne");
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    }
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    EXPECT_FALSE(applyConductivity(p, ui, std::nullopt));
    EXPECT_FALSE(applyConductivity(p, ui, std::numeric_limits<double>::infinity()));
    EXPECT_EQ(p.conductivity, 1.0f);
}

// The material of an elasticity project: taken when in range, otherwise
// "Złe dane" with the reason and the material as it was.
TEST(PhysicalProperties, TheMaterialIsTakenOnlyInRange)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    EXPECT_TRUE(applyMaterial(p, ui, 7e10, 0.5, true));
    EXPECT_EQ(p.material, (Material{7e10, 0.5, true}));
    EXPECT_TRUE(ui.shown.empty());
    const struct {
        std::optional<double> young;
        std::optional<double> poisson;
        bool planeStress;
        const char* reason;
    } refused[] = {
        {std::nullopt, 0.3, false, "Moduł Younga musi być liczbą"},
        {7e10, std::nullopt, false, "Liczba Poissona musi być liczbą"},
        {0.0, 0.3, false, "Moduł Younga musi być liczbą większą od zera"},
        {7e10, 0.5, false, "Liczba Poissona musi leżeć między -1 a 0,5"},
        {7e10, -1.0, true, "Liczba Poissona musi być większa od -1"},
    };
    for (const auto& r : refused) {
        ui.clear();
        EXPECT_FALSE(applyMaterial(p, ui, r.young, r.poisson, r.planeStress)) << r.reason;
        EXPECT_EQ(p.material, (Material{7e10, 0.5, true})) << r.reason;
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text.rfind(std::string("Złe dane\n") + r.reason, 0), 0u) << ui.shown[0].text;
        EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    }
}

} // namespace
} // namespace zorind
