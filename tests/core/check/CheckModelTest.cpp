#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/check/CheckModel.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::addBoundary;
using test::addElement;
using test::addNode;
using test::addPolygon;
using test::elementsOf;
using test::emptyProject;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The corners of a right triangle, anticlockwise.
Project triangleNodes()
{
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 4, 0);
    addNode(p, 0, 3);
    return p;
}

void expectAllPlain(const ScriptedInteraction& ui)
{
    for (const auto& s : ui.shown) {
        EXPECT_EQ(s.kind, MessageKind::Plain) << s.text;
        EXPECT_FALSE(s.isQuestion) << s.text;
    }
}

TEST(CheckModel, EmptyModelPassesAndTheCommandSaysSo)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 0);
    EXPECT_THAT(ui.textsShown(), IsEmpty());

    checkModelCommand(p, ui);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie znaleziono błędów"));
    expectAllPlain(ui);
}

TEST(CheckModel, NodesWithoutElementsAreEachReportedAndTheCheckStops)
{
    Project p = triangleNodes();
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Węzeł 1 nie posiada odwołania do elementu.\nUsuń wolne węzły.",
                                             "Węzeł 2 nie posiada odwołania do elementu.\nUsuń wolne węzły.",
                                             "Węzeł 3 nie posiada odwołania do elementu.\nUsuń wolne węzły."));
    expectAllPlain(ui);

    ui.clear();
    checkModelCommand(p, ui);
    EXPECT_EQ(ui.shown.size(), 3u) << "no closing message after errors";
}

TEST(CheckModel, ClosedTriangleInChainOrderPasses)
{
    Project p = triangleNodes();
    addElement(p, 1, 2);
    addElement(p, 2, 3);
    addElement(p, 3, 1);
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 0);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
    EXPECT_EQ(elementsOf(p), before);
}

TEST(CheckModel, ClosedChainStoredOutOfOrderAsksForRenumbering)
{
    Project p = triangleNodes();
    addElement(p, 2, 3);
    addElement(p, 1, 2);
    addElement(p, 3, 1);
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Błędne elementy.\nRenumeruj elementy"));
    expectAllPlain(ui);
    EXPECT_EQ(elementsOf(p), before);
}

TEST(CheckModel, ReversedElementBreaksTheChainButLeavesTheOrderCheckQuiet)
{
    Project p = triangleNodes();
    addElement(p, 1, 2);
    addElement(p, 3, 2);
    addElement(p, 3, 1);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(),
                ElementsAre("Brzeg 1 posiada wadliwe elementy.", "Nie można posortować elementów (2)"));
    expectAllPlain(ui);
}

TEST(CheckModel, RegroupingByBoundaryStaysEvenWhenErrorsFollow)
{
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    // Boundary 2 (a hole, clockwise) is stored before boundary 1.
    addPolygon(p, {{4, 4}, {4, 6}, {6, 6}, {6, 4}}, 1, 2);
    addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 1, 1);
    addNode(p, 20, 20); // free node 9
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Węzeł 9 nie posiada odwołania do elementu.\nUsuń wolne węzły."));
    EXPECT_THAT(elementsOf(p),
                ElementsAre(Element{5, 6, 1, 1}, Element{6, 7, 1, 1}, Element{7, 8, 1, 1}, Element{8, 5, 1, 1},
                            Element{1, 2, 1, 2}, Element{2, 3, 1, 2}, Element{3, 4, 1, 2}, Element{4, 1, 1, 2}));

    // Without the free node the regrouped model is sound; the command asks
    // for a repaint because element numbers changed.
    Project q = emptyProject();
    addBoundary(q, InnerBoundary);
    addPolygon(q, {{4, 4}, {4, 6}, {6, 6}, {6, 4}}, 1, 2);
    addPolygon(q, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 1, 1);
    ui.clear();
    checkModelCommand(q, ui);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie znaleziono błędów"));
    EXPECT_EQ(q.elements[1], (Element{5, 6, 1, 1}));
}

TEST(CheckModel, ElementWithBoundaryZeroIsReportedTwiceAndTheTableKeepsItsOrder)
{
    Project p = triangleNodes();
    addElement(p, 1, 2, 1, 0);
    addElement(p, 1, 2);
    addElement(p, 2, 3);
    addElement(p, 3, 1);
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(),
                ElementsAre("Błędne dane elementu 1.", "Nie można posortować elementów",
                            "Nie można posortować elementów (2)", "Błędne elementy.\nRenumeruj elementy"));
    expectAllPlain(ui);
    EXPECT_EQ(elementsOf(p), before);
}

TEST(CheckModel, EmptyBoundaryNumberIsSkippedSilently)
{
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    addBoundary(p, InnerBoundary);
    addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 1, 1);
    addPolygon(p, {{4, 4}, {4, 6}, {6, 6}}, 1, 3);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 0);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
}

TEST(CheckModel, ReferencesOutsideTheTablesAreReportedWithoutReadingBeyondThem)
{
    Project p = triangleNodes();
    addElement(p, 1, 2);
    addElement(p, 2, 3);
    addElement(p, 3, 1);
    addElement(p, 0, 99);       // 4: nodes outside the table
    addElement(p, 1, 2, 7, 1);  // 5: no condition 7
    addElement(p, 1, 2, 1, 4);  // 6: no boundary 4
    addElement(p, -5, 2, 0, 1); // 7: several faults, one message
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    const auto texts = ui.textsShown();
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[0], "Błędne dane elementu 4.");
    EXPECT_EQ(texts[1], "Błędne dane elementu 5.");
    EXPECT_EQ(texts[2], "Błędne dane elementu 6.");
    EXPECT_EQ(texts[3], "Błędne dane elementu 7.");
    EXPECT_EQ(texts[4], "Nie można posortować elementów");
}

TEST(CheckModel, ZeroLengthElementsAreReportedByExactComparison)
{
    Project p = emptyProject();
    addNode(p, 0, 0);                          // 1
    addNode(p, 4, 0);                          // 2
    addNode(p, 4, 0);                          // 3: same place as 2
    addNode(p, 0, 3);                          // 4
    addNode(p, 0, std::nextafter(3.0f, 4.0f)); // 5: one bit away from 4
    addElement(p, 1, 2);
    addElement(p, 2, 3);
    addElement(p, 3, 4);
    addElement(p, 4, 5);
    addElement(p, 5, 1);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Błędne dane elementu 2.\nUsuń elementy o zerowej długości."));

    // An element from a node to itself.
    Project q = triangleNodes();
    addElement(q, 1, 2);
    addElement(q, 2, 3);
    addElement(q, 3, 1);
    addElement(q, 3, 3);
    ui.clear();
    EXPECT_EQ(checkModel(q, ui), 1);
    EXPECT_EQ(ui.textsShown().front(), "Błędne dane elementu 4.\nUsuń elementy o zerowej długości.");
}

TEST(CheckModel, BranchLeftOutOfTheChainIsCaughtByTheCount)
{
    Project p = emptyProject();
    addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    addNode(p, 5, -5); // 5
    addElement(p, 2, 5);
    addElement(p, 5, 2);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie można posortować elementów (2)"));
}

TEST(CheckModel, ChainSearchCrossesIntoOtherBoundaries)
{
    // Boundary 1's chain 1->2 is closed by boundary 2's element 2->1 and the
    // other way round: every element is collected twice.
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    addNode(p, 0, 0);
    addNode(p, 1, 0);
    addElement(p, 1, 2, 1, 1);
    addElement(p, 2, 1, 1, 2);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie można posortować elementów (2)"));
}

TEST(CheckModel, OpenChainStopsTheExaminationOfLaterBoundaries)
{
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    addNode(p, 0, 0);   // 1
    addNode(p, 10, 0);  // 2
    addNode(p, 10, 10); // 3
    addNode(p, 20, 0);  // 4
    addNode(p, 30, 0);  // 5
    addElement(p, 1, 2, 1, 1);
    addElement(p, 2, 3, 1, 1); // boundary 1 never returns to node 1
    addElement(p, 4, 5, 1, 2); // boundary 2 is open too, but is not examined
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(),
                ElementsAre("Brzeg 1 posiada wadliwe elementy.", "Nie można posortować elementów (2)"));
}

TEST(CheckModel, ChainCirclingForeverNeverWritesBeyondTheTable)
{
    // 1->2 enters a two-element loop 2->3->2 that never returns to node 1;
    // every pass collects the loop again, far more entries than the table
    // holds. Filler triangles make the table large.
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 1, 0);
    addNode(p, 1, 1);
    addElement(p, 1, 2);
    addElement(p, 2, 3);
    addElement(p, 3, 2);
    while (p.elementCount() + 3 <= kMaxElements && p.nodeCount() + 3 <= kMaxNodes) {
        const float x = static_cast<float>(p.nodeCount()) * 10.0f;
        addPolygon(p, {{x, 0}, {x + 1, 0}, {x, 1}});
    }
    ASSERT_GT(p.elementCount(), kMaxElements / 2);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    // The loop collected into entry 4 differs from the stored element 4.
    EXPECT_THAT(ui.textsShown(), ElementsAre("Brzeg 1 posiada wadliwe elementy.", "Nie można posortować elementów (2)",
                                             "Błędne elementy.\nRenumeruj elementy"));
}

TEST(CheckModel, MissingBoundaryDoesNotAskForRenumberingOfAnOrderedTable)
{
    // Entries that neither the grouping nor the chain walk filled hold no
    // expected order: comparing them would ask for a renumbering that cannot
    // help.
    Project p = triangleNodes();
    addElement(p, 1, 2, 1, 5);
    addElement(p, 2, 3, 1, 5);
    addElement(p, 3, 1, 1, 5);
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(),
                ElementsAre("Błędne dane elementu 1.", "Błędne dane elementu 2.", "Błędne dane elementu 3.",
                            "Nie można posortować elementów", "Nie można posortować elementów (2)"));
    EXPECT_EQ(elementsOf(p), before);

    Project q = triangleNodes();
    addElement(q, 1, 2);
    addElement(q, 2, 3);
    addElement(q, 3, 1);
    addElement(q, 1, 3, 1, 4); // no boundary 4
    ui.clear();
    EXPECT_EQ(checkModel(q, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Błędne dane elementu 4.", "Nie można posortować elementów",
                                             "Nie można posortować elementów (2)"));
}

TEST(CheckModelOrientation, WrongWayBoundariesAreWarnedAboutWithoutFailingTheCheck)
{
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    addBoundary(p, InnerBoundary);
    // Outer clockwise, first hole anticlockwise, second hole clockwise.
    addPolygon(p, {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 1, 1);
    addPolygon(p, {{2, 2}, {4, 2}, {4, 4}, {2, 4}}, 1, 2);
    addPolygon(p, {{6, 6}, {6, 8}, {8, 8}, {8, 6}}, 1, 3);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 0);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, "Brzeg 1 (zewnętrzny) biegnie zgodnie z ruchem wskazówek zegara.\n"
                                "Brzeg zewnętrzny powinien biec przeciwnie do ruchu wskazówek zegara, "
                                "inaczej strumienie na brzegu i wyniki w węzłach wewnętrznych będą błędne.");
    EXPECT_EQ(ui.shown[1].text, "Brzeg 2 (wewnętrzny) biegnie przeciwnie do ruchu wskazówek zegara.\n"
                                "Brzeg wewnętrzny powinien biec zgodnie z ruchem wskazówek zegara, "
                                "inaczej strumienie na brzegu i wyniki w węzłach wewnętrznych będą błędne.");
    for (const auto& s : ui.shown) {
        EXPECT_EQ(s.kind, MessageKind::Exclamation);
        EXPECT_EQ(s.caption, kOrientationCaption);
    }

    ui.clear();
    checkModelCommand(p, ui);
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[2].text, "Nie znaleziono błędów");
}

TEST(CheckModelOrientation, ElasticityModelsAreNotWarned)
{
    for (int type : {Elasticity, Thermoelasticity}) {
        Project p = emptyProject();
        p.analysisType = type;
        addPolygon(p, {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 1, 1); // clockwise
        ScriptedInteraction ui;
        EXPECT_EQ(checkModel(p, ui), 0);
        EXPECT_THAT(ui.textsShown(), IsEmpty()) << type;
    }
}

TEST(CheckModelOrientation, CorrectOrientationStaysQuiet)
{
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    addBoundary(p, 7); // a kind read from a foreign file
    addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 1, 1);
    addPolygon(p, {{2, 2}, {2, 4}, {4, 4}, {4, 2}}, 1, 2);
    addPolygon(p, {{6, 6}, {6, 8}, {8, 8}}, 1, 3);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 0);
    EXPECT_THAT(ui.textsShown(), IsEmpty());

    // A circle drawn clockwise on an outer boundary.
    Project c = emptyProject();
    test::addCircle(c, 0, 0, 10, 18, 1, 1, false);
    ui.clear();
    EXPECT_EQ(checkModel(c, ui), 0);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Exclamation);
}

TEST(CheckModelOrientation, NestingDecidesOuterAndInnerWhateverTheFlagSays)
{
    // Every boundary flagged outer, as the boundary dialog preselects it.
    // 1: outer square anticlockwise (right); 2: hole clockwise (right);
    // 3: hole anticlockwise (wrong); 4: island inside hole 2, clockwise
    // (wrong); 5: a separate region outside everything, clockwise (wrong).
    Project p = emptyProject();
    for (int b = 2; b <= 5; ++b) {
        addBoundary(p, OuterBoundary);
    }
    addPolygon(p, {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 1, 1);
    addPolygon(p, {{2, 2}, {2, 10}, {10, 10}, {10, 2}}, 1, 2);
    addPolygon(p, {{12, 12}, {16, 12}, {16, 16}, {12, 16}}, 1, 3);
    addPolygon(p, {{4, 4}, {4, 6}, {6, 6}, {6, 4}}, 1, 4);
    addPolygon(p, {{30, 0}, {30, 5}, {35, 5}, {35, 0}}, 1, 5);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 0);
    const auto texts = ui.textsShown();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].substr(0, texts[0].find('\n')),
              "Brzeg 3 (wewnętrzny) biegnie przeciwnie do ruchu wskazówek zegara.");
    EXPECT_EQ(texts[1].substr(0, texts[1].find('\n')),
              "Brzeg 4 (zewnętrzny) biegnie zgodnie z ruchem wskazówek zegara.");
    EXPECT_EQ(texts[2].substr(0, texts[2].find('\n')),
              "Brzeg 5 (zewnętrzny) biegnie zgodnie z ruchem wskazówek zegara.");
}

} // namespace
} // namespace zorind
