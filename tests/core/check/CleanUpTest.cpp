#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/check/CheckModel.h"
#include "core/check/CleanUp.h"
#include "core/edit/NodeOps.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::addElement;
using test::addNode;
using test::elementsOf;
using test::emptyProject;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<Node> nodesOf(const Project& p)
{
    std::vector<Node> out;
    for (int n = 1; n <= p.nodeCount(); ++n) {
        out.push_back(p.nodes[n]);
    }
    return out;
}

TEST(DeleteNode, LowersReferencesAboveAndKeepsThePoints)
{
    Project p = emptyProject();
    for (int i = 1; i <= 5; ++i) {
        addNode(p, static_cast<float>(i), 0);
    }
    addElement(p, 4, 5);
    addElement(p, 1, 2);
    ASSERT_TRUE(deleteNode(p, 3));
    EXPECT_EQ(p.nodeCount(), 4);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{3, 4, 1, 1}, Element{1, 2, 1, 1}));
    EXPECT_EQ(p.nodes[p.elements[1].startNode].x, 4.0f);
    EXPECT_EQ(p.nodes[5], Node{}) << "the freed slot is cleared";

    EXPECT_FALSE(deleteNode(p, 0));
    EXPECT_FALSE(deleteNode(p, 5));
    EXPECT_EQ(p.nodeCount(), 4);

    ASSERT_TRUE(deleteElement(p, 1));
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 2, 1, 1}));
    EXPECT_FALSE(deleteElement(p, 2));
    EXPECT_EQ(p.elementCount(), 1);
}

TEST(RemoveDoubleNodes, MergesIntoTheLowerNumberAndReportsTheCount)
{
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 5, 0);
    addNode(p, 0, 0);
    addElement(p, 2, 3);
    ScriptedInteraction ui;
    ui.answers = {true};
    removeDoubleNodes(p, ui);
    EXPECT_EQ(p.nodeCount(), 2);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{2, 1, 1, 1}));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_TRUE(ui.shown[0].isQuestion);
    EXPECT_EQ(ui.shown[0].text, "Usunąć podwójne węzły ?");
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie podwójnych węzłów");
    EXPECT_EQ(ui.shown[1].text, "Usunięto 1 węzłów.");
    EXPECT_EQ(ui.shown[1].caption, "Usuwanie podwójnych węzłów");
    EXPECT_EQ(ui.shown[1].kind, MessageKind::Plain);
}

TEST(RemoveDoubleNodes, ThreeAtOnePlaceAndReferencesAboveThem)
{
    Project p = emptyProject();
    addNode(p, 1, 1); // 1
    addNode(p, 1, 1); // 2
    addNode(p, 9, 9); // 3
    addNode(p, 1, 1); // 4
    addNode(p, 9, 9); // 5
    addNode(p, 7, 7); // 6
    addElement(p, 2, 3);
    addElement(p, 4, 5);
    addElement(p, 6, 1);
    ScriptedInteraction ui;
    ui.answers = {true};
    removeDoubleNodes(p, ui);
    EXPECT_THAT(nodesOf(p), ElementsAre(Node{1, 1}, Node{9, 9}, Node{7, 7}));
    // Both copies of (1, 1) became node 1, the copy of (9, 9) node 2, and
    // node 6 moved down to 3; the second element now has zero length.
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 2, 1, 1}, Element{1, 2, 1, 1}, Element{3, 1, 1, 1}));
    EXPECT_EQ(ui.shown.back().text, "Usunięto 3 węzłów.");
}

TEST(RemoveDoubleNodes, NoToleranceAndNoMessageWhenNothingWent)
{
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 0, 0.5f);
    addNode(p, 3, 1);
    addNode(p, std::nextafter(3.0f, 4.0f), 1);
    const auto before = nodesOf(p);
    ScriptedInteraction ui;
    ui.answers = {true};
    removeDoubleNodes(p, ui);
    EXPECT_EQ(nodesOf(p), before);
    EXPECT_EQ(ui.shown.size(), 1u) << "only the question";
}

TEST(RemoveDoubleNodes, AnsweringNoChangesNothing)
{
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 0, 0);
    addElement(p, 1, 2);
    ScriptedInteraction ui;
    ui.answers = {false};
    removeDoubleNodes(p, ui);
    EXPECT_EQ(p.nodeCount(), 2);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 2, 1, 1}));
    EXPECT_THAT(ui.textsShown(), ElementsAre("Usunąć podwójne węzły ?"));
}

TEST(RemoveFreeNodes, LeadingFreeNodesGoAndReferencesFollow)
{
    Project p = emptyProject();
    addNode(p, 0, 0); // free
    addNode(p, 1, 0); // free
    addNode(p, 2, 0);
    addNode(p, 3, 0);
    addNode(p, 4, 0); // free
    addElement(p, 3, 4);
    const int points = test::addInternalPoint(p, 5, 5);
    ScriptedInteraction ui;
    removeFreeNodes(p, ui);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
    EXPECT_THAT(nodesOf(p), ElementsAre(Node{2, 0}, Node{3, 0}));
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 2, 1, 1}));
    EXPECT_EQ(p.internalPointCount(), points);

    Project alone = emptyProject();
    addNode(alone, 1, 1);
    addNode(alone, 2, 2);
    removeFreeNodes(alone, ui);
    EXPECT_EQ(alone.nodeCount(), 0);
}

TEST(RemoveZeroLengthElements, ConsecutiveOnesGoTogetherAndTheNodesStay)
{
    Project p = emptyProject();
    addNode(p, 0, 0);    // 1
    addNode(p, 0, 0);    // 2
    addNode(p, 0, 1);    // 3: differs only in y
    addNode(p, 5, 5);    // 4
    addElement(p, 1, 2); // zero
    addElement(p, 2, 1); // zero
    addElement(p, 1, 3);
    addElement(p, 4, 4); // zero
    addElement(p, 3, 1);
    addElement(p, 1, 1); // zero
    addElement(p, 2, 2); // zero
    addElement(p, 0, 0); // refers to no node: not judged here
    ScriptedInteraction ui;
    removeZeroLengthElements(p, ui);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 3, 1, 1}, Element{3, 1, 1, 1}, Element{0, 0, 1, 1}));
    EXPECT_EQ(p.nodeCount(), 4);
}

TEST(CleanUp, RepairsWhatTheCheckComplainsAbout)
{
    // A square drawn with a doubled corner and a stray node.
    Project p = emptyProject();
    addNode(p, 0, 0);   // 1
    addNode(p, 10, 0);  // 2
    addNode(p, 10, 0);  // 3 = 2
    addNode(p, 10, 10); // 4
    addNode(p, 0, 10);  // 5
    addNode(p, 30, 30); // 6 free
    addElement(p, 1, 2);
    addElement(p, 2, 3); // zero length
    addElement(p, 3, 4);
    addElement(p, 4, 5);
    addElement(p, 5, 1);
    ScriptedInteraction ui;
    EXPECT_EQ(checkModel(p, ui), 1);

    ui.clear();
    ui.answers = {true};
    removeDoubleNodes(p, ui);
    removeZeroLengthElements(p, ui);
    removeFreeNodes(p, ui);
    ui.clear();
    EXPECT_EQ(checkModel(p, ui), 0);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
    EXPECT_EQ(p.nodeCount(), 4);
    EXPECT_EQ(p.elementCount(), 4);
}

} // namespace
} // namespace zorind
