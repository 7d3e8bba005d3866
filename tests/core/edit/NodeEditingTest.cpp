#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "edit/NodeEditing.h"
#include "support/ModelBuilders.h"
#include "ui/ScriptedInteraction.h"

namespace zorind {
namespace {

using test::addElement;
using test::addNode;
using test::elementsOf;
using test::emptyProject;
using ::testing::ElementsAre;

// A number prompt that answers `number` (or is cancelled) and remembers the
// prompt kind it was opened with.
struct Prompt {
    std::optional<int> number;
    int kindSeen = 0;
    Project* p = nullptr;
    DialogCall call()
    {
        return [this] {
            kindSeen = p->selectedNumber;
            if (!number) {
                return false;
            }
            p->selectedNumber = *number;
            return true;
        };
    }
};

// Results of an earlier calculation on screen.
void withResults(Project& p)
{
    p.resultsValid = 1;
    p.display.showPotential = 1;
    p.display.showFlux = 1;
}

void expectResultsDiscarded(const Project& p)
{
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.display.showPotential, 0);
    EXPECT_EQ(p.display.showFlux, 0);
}

// The pixel of the client area that shows model point (x, y) after a
// repaint of a 640 x 480 window.
std::pair<int, int> pixelAt(Project& p, float x, float y)
{
    p.view.updateScales(640, 480);
    return {static_cast<int>(std::lround(p.view.screenX(x))), static_cast<int>(std::lround(p.view.screenY(y)))};
}

TEST(DeleteNodeByNumber, RefusesAUsedNodeAndRenumbersAfterAFreeOne)
{
    Project p = emptyProject();
    for (int i = 1; i <= 5; ++i) {
        addNode(p, static_cast<float>(i), 0);
    }
    addElement(p, 4, 5);
    withResults(p);
    ScriptedInteraction ui;
    Prompt prompt{4, 0, &p};

    EXPECT_FALSE(deleteNodeByNumber(p, ui, prompt.call()));
    EXPECT_EQ(prompt.kindSeen, 1);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Nie mogę usunąć węzła, który występuje w elemencie");
    EXPECT_EQ(ui.shown[0].caption, "Usuanie węzła");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(p.nodeCount(), 5);
    EXPECT_EQ(p.resultsValid, 1);

    // Cancelled, not a number (-1), out of range: nothing at all.
    for (std::optional<int> answer : {std::optional<int>{}, std::optional<int>{-1}, std::optional<int>{6}}) {
        prompt.number = answer;
        EXPECT_FALSE(deleteNodeByNumber(p, ui, prompt.call()));
    }
    EXPECT_EQ(p.nodeCount(), 5);
    EXPECT_EQ(ui.shown.size(), 1u);

    prompt.number = 3;
    EXPECT_TRUE(deleteNodeByNumber(p, ui, prompt.call()));
    EXPECT_EQ(p.nodeCount(), 4);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{3, 4, 1, 1}));
    EXPECT_EQ(p.nodes[3].x, 4.0f);
    expectResultsDiscarded(p);
}

TEST(DeleteElementByNumber, LaterElementsMoveDownAndTheNodesStay)
{
    Project p = emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {0, 10}});
    withResults(p);
    Prompt prompt{2, 0, &p};
    EXPECT_TRUE(deleteElementByNumber(p, prompt.call()));
    EXPECT_EQ(prompt.kindSeen, 2);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 2, 1, 1}, Element{3, 1, 1, 1}));
    EXPECT_EQ(p.nodeCount(), 3);
    expectResultsDiscarded(p);

    prompt.number = 3;
    EXPECT_FALSE(deleteElementByNumber(p, prompt.call()));
    EXPECT_EQ(p.elementCount(), 2);
}

TEST(DeleteNodeAtPointer, TakesTheNodeWithItsElementsAfterTheQuestion)
{
    Project p = emptyProject();
    addNode(p, 2, 2);
    addNode(p, 10, 4); // 2, picked
    addNode(p, 10, 4); // 3, at the same place: never offered
    addNode(p, 20, 4);
    addElement(p, 1, 2);
    addElement(p, 3, 4);
    addElement(p, 2, 4);
    addElement(p, 4, 1);
    withResults(p);
    const auto [px, py] = pixelAt(p, 10.3f, 4.2f); // snaps to (10, 4)

    ScriptedInteraction ui;
    ui.answers = {false};
    EXPECT_TRUE(deleteNodeAtPointer(p, ui, px, py));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Usunąć węzeł 2 ?");
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła");
    EXPECT_EQ(p.elementCount(), 4);
    EXPECT_EQ(p.resultsValid, 1);

    ui.answers = {true};
    // The grid being off does not matter: the pick point is the grid point.
    p.view.gridOn = 0;
    EXPECT_TRUE(deleteNodeAtPointer(p, ui, px, py));
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{2, 3, 1, 1}, Element{3, 1, 1, 1}));
    expectResultsDiscarded(p);

    // No node on the grid point nearest to the pixel.
    ui.clear();
    const auto [qx, qy] = pixelAt(p, 30, 30);
    EXPECT_TRUE(deleteNodeAtPointer(p, ui, qx, qy));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Nie wybrałeś żadnego węzła.");
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie węzła");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Plain);
    EXPECT_FALSE(ui.shown[0].isQuestion);
}

TEST(DeleteNodeAtPointer, TheLastNodeOfAModelWithoutElementsGoesAndAnEmptyModelIsLeftAlone)
{
    Project p = emptyProject();
    addNode(p, 4, 6);
    const auto [px, py] = pixelAt(p, 4, 6);
    ScriptedInteraction ui;
    ui.answers = {true};
    EXPECT_TRUE(deleteNodeAtPointer(p, ui, px, py));
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_FALSE(deleteNodeAtPointer(p, ui, px, py));
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST(AddNodeAndElement, CancelTakesTheNewEntryBackAndAFullTableIsRefused)
{
    Project p = emptyProject();
    ScriptedInteraction ui;
    int seen = 0;
    const auto cancelled = [&] {
        seen = p.selectedNumber;
        return false;
    };
    const auto confirmed = [&] {
        seen = p.selectedNumber;
        return true;
    };

    EXPECT_FALSE(addElement(p, ui, confirmed)) << "fewer than two nodes";
    EXPECT_EQ(p.elementCount(), 0);

    addNode(p, 1, 1);
    EXPECT_TRUE(addNode(p, ui, cancelled));
    EXPECT_EQ(seen, 2);
    EXPECT_EQ(p.nodeCount(), 1);
    withResults(p);
    EXPECT_TRUE(addNode(p, ui, confirmed));
    EXPECT_EQ(p.nodeCount(), 2);
    EXPECT_EQ(p.nodes[2], (Node{0, 0}));
    expectResultsDiscarded(p);

    EXPECT_TRUE(addElement(p, ui, cancelled));
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(p.elementCount(), 0);
    EXPECT_TRUE(addElement(p, ui, confirmed));
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 1, 1, 1}));
    EXPECT_TRUE(ui.shown.empty());

    while (p.nodes.append(Node{5, 5}) != 0) {
    }
    while (p.elements.append(Element{1, 2, 1, 1}) != 0) {
    }
    bool opened = false;
    const auto watch = [&] { return opened = true; };
    EXPECT_FALSE(addNode(p, ui, watch));
    EXPECT_FALSE(addElement(p, ui, watch));
    EXPECT_FALSE(opened);
    EXPECT_EQ(p.nodeCount(), kMaxNodes);
    EXPECT_EQ(p.elementCount(), kMaxElements);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, "Osiągnięto maksymalną liczbę węzłów (199)");
    EXPECT_EQ(ui.shown[1].text, "Osiągnięto maksymalną liczbę elementów (249)");
}

TEST(StoreFromDialogs, BadNumbersOrCoordinatesAreRefusedAndChangesDiscardResults)
{
    Project p = emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {0, 10}});
    withResults(p);
    ScriptedInteraction ui;

    EXPECT_FALSE(storeNodeCoordinates(p, ui, 4, 1.0, 1.0));
    EXPECT_FALSE(storeNodeCoordinates(p, ui, std::nullopt, 1.0, 1.0));
    EXPECT_FALSE(storeNodeCoordinates(p, ui, 1, std::nullopt, 1.0));
    EXPECT_FALSE(storeNodeCoordinates(p, ui, 1, 1e39, 1.0));
    EXPECT_FALSE(storeElementProperties(p, ui, 0, Element{1, 2, 1, 1}));
    EXPECT_EQ(ui.textsShown(),
              (std::vector<std::string>{"Złe dane", "Złe dane", "Złe dane", "Złe dane", "Błędne dane"}));
    EXPECT_EQ(ui.shown[0].caption, "Warunek brzegowy");
    EXPECT_EQ(ui.shown[4].caption, "Własności elementu");
    EXPECT_EQ(p.nodes[1], (Node{0, 0}));
    EXPECT_EQ(p.resultsValid, 1);

    // Storing what is there already keeps the results.
    EXPECT_TRUE(storeNodeCoordinates(p, ui, 2, 10.0, 0.0));
    EXPECT_TRUE(storeElementProperties(p, ui, 1, Element{1, 2, 1, 1}));
    EXPECT_EQ(p.resultsValid, 1);

    EXPECT_TRUE(storeNodeCoordinates(p, ui, 2, 12.5, -1.0));
    EXPECT_EQ(p.nodes[2], (Node{12.5f, -1.0f}));
    expectResultsDiscarded(p);
    withResults(p);
    // References are stored as given; the check reports bad ones.
    EXPECT_TRUE(storeElementProperties(p, ui, 3, Element{3, 0, 7, 1}));
    EXPECT_EQ(p.elements[3], (Element{3, 0, 7, 1}));
    expectResultsDiscarded(p);
}

} // namespace
} // namespace zorind
