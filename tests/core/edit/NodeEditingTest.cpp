#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/edit/NodeEditing.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/EditTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::addElement;
using test::addNode;
using test::answering;
using test::elementsOf;
using test::pixelAt;
using ::testing::ElementsAre;

void withResults(Project& p)
{
    p.resultsValid = 1;
    p.display.showPotential = 1;
    p.display.showFlux = 1;
}

bool resultsDiscarded(const Project& p)
{
    return p.resultsValid == 0 && p.display.showPotential == 0 && p.display.showFlux == 0;
}

TEST(DeleteByNumber, AUsedNodeIsRefusedAFreeOneRenumbersAndElementsShift)
{
    Project p = test::emptyProject();
    for (int i = 1; i <= 5; ++i) {
        addNode(p, static_cast<float>(i), 0);
    }
    addElement(p, 4, 5);
    addElement(p, 1, 2);
    withResults(p);
    ScriptedInteraction ui;
    int kind = 0;
    deleteNodeByNumber(p, ui, answering(p, 4, &kind));
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Nie mogę usunąć węzła, który występuje w elemencie"});
    EXPECT_EQ(ui.shown[0].caption, "Usuanie węzła");
    // Cancelled, not a number (-1), out of range: nothing at all.
    for (std::optional<int> n : {std::optional<int>{}, std::optional<int>{-1}, std::optional<int>{6}}) {
        deleteNodeByNumber(p, ui, answering(p, n));
    }
    EXPECT_EQ(p.nodeCount(), 5);
    EXPECT_EQ(p.resultsValid, 1);

    test::settled(p, [&] { deleteNodeByNumber(p, ui, answering(p, 3)); });
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{3, 4, 1, 1}, Element{1, 2, 1, 1}));
    EXPECT_EQ(p.nodes[3].x, 4.0f);
    EXPECT_TRUE(resultsDiscarded(p));

    withResults(p);
    deleteElementByNumber(p, answering(p, 3, &kind));
    EXPECT_EQ(kind, 2);
    test::settled(p, [&] { deleteElementByNumber(p, answering(p, 1)); });
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 2, 1, 1}));
    EXPECT_EQ(p.nodeCount(), 4);
    EXPECT_TRUE(resultsDiscarded(p));
}

TEST(DeleteNodeAtPointer, TakesTheFirstNodeOnTheGridPointWithItsElements)
{
    Project p = test::emptyProject();
    addNode(p, 2, 2);
    addNode(p, 10, 4); // 2, picked
    addNode(p, 10, 4); // 3, at the same place: never offered
    addNode(p, 20, 4);
    addElement(p, 1, 2);
    addElement(p, 3, 4);
    addElement(p, 2, 4);
    addElement(p, 4, 1);
    withResults(p);
    const auto [px, py] = pixelAt(p, 10.3f, 4.2f); // nearest grid point (10, 4)
    ScriptedInteraction ui;
    ui.answers = {false, true};
    deleteNodeAtPointer(p, ui, px, py);
    EXPECT_EQ(p.elementCount(), 4);
    // With the grid off the pick point is still the grid point.
    p.view.gridOn = 0;
    test::settled(p, [&, x = px, y = py] { deleteNodeAtPointer(p, ui, x, y); });
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Usunąć węzeł 2 ?", "Usunąć węzeł 2 ?"}));
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła");
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{2, 3, 1, 1}, Element{3, 1, 1, 1}));
    EXPECT_TRUE(resultsDiscarded(p));

    ui.clear();
    const auto [qx, qy] = pixelAt(p, 30, 30);
    deleteNodeAtPointer(p, ui, qx, qy);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Nie wybrałeś żadnego węzła.");
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Plain);

    Project empty = test::emptyProject();
    deleteNodeAtPointer(empty, ui, qx, qy);
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST(DeleteNodeAtPointer, BothElementsOfAMiddleNodeGoWhenTheyAreNumberedNextToEachOther)
{
    Project p = test::emptyProject();
    addNode(p, 2, 2);
    addNode(p, 10, 4);
    addNode(p, 20, 4);
    addNode(p, 20, 10);
    addElement(p, 1, 2);
    addElement(p, 2, 3);
    addElement(p, 3, 4);
    const auto [px, py] = pixelAt(p, 10, 4);
    ScriptedInteraction ui;
    ui.answers = {true};
    deleteNodeAtPointer(p, ui, px, py);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{2, 3, 1, 1}));
}

TEST(AddNodeAndElement, CancelTakesTheNewEntryBackAndAFullTableIsRefused)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    int seen = 0;
    const auto closing = [&](bool ok) -> DialogCall {
        return [&seen, &p, ok] {
            seen = p.selectedNumber;
            return ok;
        };
    };
    addElement(p, ui, closing(true)); // fewer than two nodes
    addNode(p, 1, 1);
    addNode(p, ui, closing(false));
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(p.nodeCount(), 1);
    withResults(p);
    test::settled(p, [&] { addNode(p, ui, closing(true)); });
    EXPECT_EQ(p.nodes[2], (Node{0, 0}));
    EXPECT_TRUE(resultsDiscarded(p));
    addElement(p, ui, closing(false));
    EXPECT_EQ(p.elementCount(), 0);
    addElement(p, ui, closing(true));
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 1, 1, 1}));

    while (p.nodes.append(Node{5, 5}) != 0) {
    }
    while (p.elements.append(Element{1, 2, 1, 1}) != 0) {
    }
    seen = 0;
    addNode(p, ui, closing(true));
    addElement(p, ui, closing(true));
    EXPECT_EQ(seen, 0) << "no dialog opened";
    EXPECT_EQ(p.nodeCount(), kMaxNodes);
    EXPECT_EQ(p.elementCount(), kMaxElements);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Osiągnięto maksymalną liczbę węzłów (199)",
                                                         "Osiągnięto maksymalną liczbę elementów (249)"}));
}

TEST(StoreFromDialogs, BadNumbersOrCoordinatesAreRefusedAndOnlyChangesDiscardResults)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {0, 10}});
    withResults(p);
    ScriptedInteraction ui;
    EXPECT_FALSE(storeNodeCoordinates(p, ui, 4, 1.0, 1.0));
    EXPECT_FALSE(storeNodeCoordinates(p, ui, 1, std::nullopt, 1.0));
    EXPECT_FALSE(storeNodeCoordinates(p, ui, 1, 1e39, 1.0));
    EXPECT_FALSE(storeElementProperties(p, ui, 0, Element{1, 2, 1, 1}));
    const int pastTheLast = p.elementCount() + 1;
    EXPECT_FALSE(storeElementProperties(p, ui, pastTheLast, Element{1, 2, 1, 1}));
    deleteElementByNumber(p, answering(p, pastTheLast));
    EXPECT_EQ(p.elementCount(), pastTheLast - 1);
    EXPECT_EQ(ui.textsShown(),
              (std::vector<std::string>{"Złe dane", "Złe dane", "Złe dane", "Błędne dane", "Błędne dane"}));
    EXPECT_EQ(ui.shown[0].caption, "Warunek brzegowy");
    EXPECT_EQ(ui.shown[3].caption, "Własności elementu");
    EXPECT_EQ(p.nodes[1], (Node{0, 0}));

    EXPECT_TRUE(test::settled(p, [&] { return storeNodeCoordinates(p, ui, 2, 10.0, 0.0); }));
    EXPECT_TRUE(test::settled(p, [&] { return storeElementProperties(p, ui, 1, Element{1, 2, 1, 1}); }));
    EXPECT_EQ(p.resultsValid, 1) << "nothing changed";
    EXPECT_TRUE(test::settled(p, [&] { return storeNodeCoordinates(p, ui, 2, 12.5, -1.0); }));
    EXPECT_EQ(p.nodes[2], (Node{12.5f, -1.0f}));
    EXPECT_TRUE(resultsDiscarded(p));
    withResults(p);
    EXPECT_TRUE(test::settled(p, [&] {
        return storeElementProperties(p, ui, 3, Element{3, 0, 7, 1});
    })); // the check reports such references
    EXPECT_EQ(p.elements[3], (Element{3, 0, 7, 1}));
    EXPECT_TRUE(resultsDiscarded(p));
}

} // namespace
} // namespace zorind
