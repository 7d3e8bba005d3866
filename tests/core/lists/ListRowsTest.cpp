#include <gtest/gtest.h>

#include "core/lists/ListRows.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The cells of every row as the window shows them.
Rows shown(const ListColumns& table)
{
    Rows rows;
    for (const ListRow& row : table.rows) {
        rows.push_back(row.shown);
    }
    return rows;
}

TEST(ListRows, NodesAndInternalPointsInFifteenDigitsOfTheStoredFloat)
{
    Project p = test::emptyProject();
    test::addNode(p, 0.1f, 2.5f);
    test::addNode(p, 1.0f, -3.0f);
    test::addInternalPoint(p, 0.3f, 12345678.0f);
    EXPECT_EQ(nodeListColumns(p, '.').headings, (std::vector<std::string>{"Nr", "x", "y"}));
    EXPECT_EQ(shown(nodeListColumns(p, '.')), (Rows{{"1", "0.100000001490116", "2.5"}, {"2", "1", "-3"}}));
    EXPECT_EQ(shown(nodeListColumns(p, ','))[0][1], "0,100000001490116");
    EXPECT_EQ(shown(internalPointListColumns(p, '.')), (Rows{{"1", "0.300000011920929", "12345678"}}));
}

TEST(ListRows, ElementsAndBoundaries)
{
    Project p = test::emptyProject();
    test::addBoundary(p, InnerBoundary);
    test::addBoundary(p, 0);
    test::addElement(p, 1, 2, 1, 1);
    test::addElement(p, 12, 3, 4, 2);
    EXPECT_EQ(elementListEntries(p), (std::vector<std::string>{"1 - 1, 2, 1, 1", "2 - 12, 3, 4, 2"}));
    const std::vector<NumberedEntry> b = boundaryListEntries(p);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].text, "1 - zewnętrzny ");
    EXPECT_EQ(b[1].text, "2 - wewnętrzny ");
    EXPECT_EQ(b[2].text, "3 - wewnętrzny ");
    EXPECT_EQ(b[2].number, 3);
}

TEST(ListRows, ConditionsOfEachAnalysisAndTheKindsItLeavesOut)
{
    Project p = test::emptyProject();
    p.conditions[1] = {1, 20, 20, 25, 0, 0, 0, 0};
    test::addCondition(p, 3, 0.1f, 2, 3);
    const int third = test::addCondition(p, 2, 1, 2, 3);
    p.conditions[third].atNode1Y = 4;
    p.conditions[third].atMiddleY = 5.5f;
    p.conditions[third].atNode2Y = 6;
    test::addCondition(p, 0, 0, 0, 0);

    std::vector<NumberedEntry> e = conditionListEntries(p, '.');
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].text, "1 - temperatura : 20 20 25");
    EXPECT_EQ(e[1].text, "2 - konwekcja : 0.100000001490116 2 3");
    EXPECT_EQ(e[2].text, "3 - strumień : 1 2 3");

    p.analysisType = Elasticity;
    e = conditionListEntries(p, ',');
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].text, "1 - obciążenie ciągłe : 20 20 25 0 0 0");
    // The convection condition has no entry: the second entry is condition 3.
    EXPECT_EQ(e[1].number, 3);
    EXPECT_EQ(e[1].text, "3 - przemieszczenie : 1 2 3 4 5,5 6");

    // Thermoelasticity reads its conditions as elasticity does.
    const ListColumns elasticity = conditionListColumns(p, ',');
    p.analysisType = Thermoelasticity;
    const std::vector<NumberedEntry> thermo = conditionListEntries(p, ',');
    ASSERT_EQ(thermo.size(), e.size());
    for (std::size_t i = 0; i < e.size(); ++i) {
        EXPECT_EQ(thermo[i].number, e[i].number);
        EXPECT_EQ(thermo[i].text, e[i].text);
    }
    EXPECT_EQ(conditionListColumns(p, ',').headings, elasticity.headings);
}

TEST(ListRows, MakeCurrentAsksAndIgnoresNoSelection)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    ui.answers = {false, true, true};
    EXPECT_FALSE(chooseCurrentBoundary(p, ui, 0));
    EXPECT_FALSE(chooseCurrentCondition(p, ui, 0));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(chooseCurrentBoundary(p, ui, 2));
    EXPECT_EQ(p.currentBoundary, 1);
    EXPECT_TRUE(chooseCurrentBoundary(p, ui, 2));
    EXPECT_EQ(p.currentBoundary, 2);
    EXPECT_TRUE(chooseCurrentCondition(p, ui, 3));
    EXPECT_EQ(p.currentCondition, 3);
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[1].text, "Czy brzeg 2 wybrać jako aktualny");
    EXPECT_EQ(ui.shown[1].caption, "Ustalanie aktualnego brzegu");
    EXPECT_EQ(ui.shown[2].text, "Czy warunek brzegowy 3 wybrać jako aktualny");
    EXPECT_EQ(ui.shown[2].caption, "Ustalanie aktualnego war. brzegowego");
}

} // namespace
} // namespace zorind
