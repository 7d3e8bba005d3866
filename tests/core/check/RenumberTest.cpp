#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/check/CheckModel.h"
#include "core/check/Renumber.h"
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

Project triangleNodes()
{
    Project p = emptyProject();
    addNode(p, 0, 0);
    addNode(p, 4, 0);
    addNode(p, 0, 3);
    return p;
}

TEST(RenumberElements, TriangleOutOfOrderFollowsTheChainFromElementOne)
{
    Project p = triangleNodes();
    addElement(p, 2, 3, 1);
    addElement(p, 1, 2, 2);
    addElement(p, 3, 1, 3);
    p.conditions.resize(3);
    ScriptedInteraction ui;
    renumberElements(p, ui);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
    // Whole records move: each keeps its condition.
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{2, 3, 1, 1}, Element{3, 1, 3, 1}, Element{1, 2, 2, 1}));

    EXPECT_EQ(checkModel(p, ui), 0);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
}

TEST(RenumberElements, InterleavedBoundariesAreSeparatedEachInChainOrder)
{
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    for (auto [x, y] : {std::pair{0.f, 0.f}, {10.f, 0.f}, {10.f, 10.f}, {0.f, 10.f}}) {
        addNode(p, x, y); // 1..4 outer square
    }
    for (auto [x, y] : {std::pair{4.f, 4.f}, {4.f, 6.f}, {6.f, 6.f}}) {
        addNode(p, x, y); // 5..7 hole
    }
    addElement(p, 6, 7, 1, 2);
    addElement(p, 3, 4, 1, 1);
    addElement(p, 5, 6, 1, 2);
    addElement(p, 1, 2, 1, 1);
    addElement(p, 7, 5, 1, 2);
    addElement(p, 4, 1, 1, 1);
    addElement(p, 2, 3, 1, 1);
    ScriptedInteraction ui;
    renumberElements(p, ui);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
    EXPECT_THAT(elementsOf(p),
                ElementsAre(Element{3, 4, 1, 1}, Element{4, 1, 1, 1}, Element{1, 2, 1, 1}, Element{2, 3, 1, 1},
                            Element{6, 7, 1, 2}, Element{7, 5, 1, 2}, Element{5, 6, 1, 2}));
    EXPECT_EQ(checkModel(p, ui), 0);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
}

TEST(RenumberElements, OrderedTableStaysAndEmptyTableOnlyRepaints)
{
    Project p = emptyProject();
    addPolygon(p, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    renumberElements(p, ui);
    EXPECT_EQ(elementsOf(p), before);
    EXPECT_THAT(ui.textsShown(), IsEmpty());

    Project empty = emptyProject();
    addNode(empty, 1, 1);
    renumberElements(empty, ui);
    EXPECT_THAT(ui.textsShown(), IsEmpty());
    EXPECT_EQ(empty.elementCount(), 0);
    EXPECT_EQ(empty.nodeCount(), 1);
}

TEST(RenumberElements, ReversedElementLeavesTheTableGroupedOnly)
{
    Project p = emptyProject();
    addBoundary(p, InnerBoundary);
    addNode(p, 0, 0);
    addNode(p, 4, 0);
    addNode(p, 0, 3);
    addNode(p, 1, 1);
    addNode(p, 1, 2);
    addNode(p, 2, 1);
    addElement(p, 4, 5, 1, 2);
    addElement(p, 1, 2, 1, 1);
    addElement(p, 3, 2, 1, 1); // reversed
    addElement(p, 5, 6, 1, 2);
    addElement(p, 3, 1, 1, 1);
    addElement(p, 6, 4, 1, 2);
    ScriptedInteraction ui;
    renumberElements(p, ui);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie można posortować elementów (2)"));
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Plain);
    EXPECT_THAT(elementsOf(p), ElementsAre(Element{1, 2, 1, 1}, Element{3, 2, 1, 1}, Element{3, 1, 1, 1},
                                           Element{4, 5, 1, 2}, Element{5, 6, 1, 2}, Element{6, 4, 1, 2}));
}

TEST(RenumberElements, ElementOnAMissingBoundaryChangesNothing)
{
    Project p = triangleNodes();
    addElement(p, 2, 3);
    addElement(p, 1, 2, 1, 0);
    addElement(p, 1, 2);
    addElement(p, 3, 1);
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    renumberElements(p, ui);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie można posortować elementów", "Nie można posortować elementów (2)"));
    EXPECT_EQ(elementsOf(p), before);
}

TEST(RenumberElements, WalkThatCollectsAnElementTwiceNeverReplacesTheTable)
{
    // Boundary 2's chain 3->1 is closed through boundary 1's element 1->3:
    // the walk appends four entries (1, 3, 4 and 1 again) for four elements
    // but never reaches element 2. Writing it back would lose element 2.
    Project p = triangleNodes();
    addBoundary(p, InnerBoundary);
    addElement(p, 1, 3, 1, 1);
    addElement(p, 1, 2, 1, 1);
    addElement(p, 3, 1, 1, 1);
    addElement(p, 3, 1, 1, 2);
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    renumberElements(p, ui);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie można posortować elementów (2)"));
    EXPECT_EQ(elementsOf(p), before);

    // The check does not accept that model either.
    ui.clear();
    EXPECT_EQ(checkModel(p, ui), 1);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Błędne elementy.\nRenumeruj elementy"));
}

TEST(RenumberElements, BranchingNodeIsRefused)
{
    // Two elements start at node 2; the chain takes the first and the other
    // is never collected.
    Project p = emptyProject();
    addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    addNode(p, 20, 0); // 5
    addElement(p, 2, 5);
    addElement(p, 5, 2);
    const auto before = elementsOf(p);
    ScriptedInteraction ui;
    renumberElements(p, ui);
    EXPECT_THAT(ui.textsShown(), ElementsAre("Nie można posortować elementów (2)"));
    EXPECT_EQ(elementsOf(p), before);
}

} // namespace
} // namespace zorind
