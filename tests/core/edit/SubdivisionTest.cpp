#include <gtest/gtest.h>

#include <vector>

#include "core/check/CheckModel.h"
#include "core/edit/Subdivision.h"
#include "core/model/ProjectFile.h"
#include "core/ui/Messages.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::elementsOf;

std::vector<Node> nodesOf(const Project& p)
{
    return {p.nodes.begin(), p.nodes.end()};
}

// A square on boundary 1 (elements 1-4, condition 2 on the bottom side) and
// a triangle on inner boundary 2 (elements 5-7, condition 3).
Project squareAndTriangle()
{
    Project p = test::emptyProject();
    test::addCondition(p, 1, 100, 100, 100);
    test::addCondition(p, 1, 0, 0, 0);
    test::addBoundary(p, InnerBoundary);
    test::addPolygon(p, {{0, 0}, {8, 0}, {8, 8}, {0, 8}}, 1, 1);
    p.elements[1].condition = 2;
    test::addPolygon(p, {{2, 2}, {3, 6}, {5, 2}}, 3, 2);
    return p;
}

// Asks through the prompts as the menu item does.
bool subdivide(Project& p, ScriptedInteraction& ui, double element, double parts)
{
    ui.numbers = {element, parts};
    return subdivideElements(p, ui);
}

TEST(Subdivision, OneElementSplitsIntoEqualPartsThatFollowItAndKeepItsCondition)
{
    Project p = squareAndTriangle();
    ScriptedInteraction ui;
    EXPECT_TRUE(subdivide(p, ui, 1, 4));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{kSubdivideElementPrompt, kSubdividePartsPrompt}));
    // Nodes 1-7 keep their numbers; 8-10 lie at quarters of the bottom side.
    EXPECT_EQ(nodesOf(p),
              (std::vector<Node>{{0, 0}, {8, 0}, {8, 8}, {0, 8}, {2, 2}, {3, 6}, {5, 2}, {2, 0}, {4, 0}, {6, 0}}));
    EXPECT_EQ(elementsOf(p), (std::vector<Element>{{1, 8, 2, 1},
                                                   {8, 9, 2, 1},
                                                   {9, 10, 2, 1},
                                                   {10, 2, 2, 1},
                                                   {2, 3, 1, 1},
                                                   {3, 4, 1, 1},
                                                   {4, 1, 1, 1},
                                                   {5, 6, 3, 2},
                                                   {6, 7, 3, 2},
                                                   {7, 5, 3, 2}}));
}

TEST(Subdivision, ZeroSplitsEveryElementOfTheCurrentBoundaryAndTheChainsStaySound)
{
    Project p = squareAndTriangle();
    p.currentBoundary = 2;
    ScriptedInteraction ui;
    EXPECT_TRUE(subdivide(p, ui, 0, 3));
    ASSERT_EQ(p.elementCount(), 4 + 9);
    EXPECT_EQ(p.nodeCount(), 7 + 6);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(p.elements[k], squareAndTriangle().elements[k]) << "boundary 1 is left alone";
    }
    // The triangle's first side, (2,2) to (3,6), in thirds.
    EXPECT_EQ(p.elements[5], (Element{5, 8, 3, 2}));
    EXPECT_FLOAT_EQ(p.nodes[8].x, 2.0f + 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(p.nodes[8].y, 2.0f + 4.0f / 3.0f);
    EXPECT_EQ(p.elements[7], (Element{9, 6, 3, 2}));
    EXPECT_EQ(p.elements[13], (Element{13, 5, 3, 2}));

    // Every element still follows the one before it round its boundary.
    ScriptedInteraction check;
    EXPECT_EQ(checkModel(p, check), 0) << (check.shown.empty() ? "" : check.shown[0].text);
}

TEST(Subdivision, ASplitPastATablesCapacityIsRefusedWhole)
{
    ScriptedInteraction ui;
    Project p = squareAndTriangle();
    while (p.nodeCount() < kMaxNodes - 2) {
        test::addNode(p, 20, 20);
    }
    const std::string before = writeProjectText(p);
    EXPECT_FALSE(subdivide(p, ui, 0, 2)) << "four new nodes, room for two";
    EXPECT_EQ(writeProjectText(p), before);
    EXPECT_TRUE(subdivide(p, ui, 2, 3)) << "two new nodes fit";
    EXPECT_EQ(p.nodeCount(), kMaxNodes);

    Project q = squareAndTriangle();
    while (q.elementCount() < kMaxElements - 1) {
        test::addElement(q, 1, 2);
    }
    const std::string full = writeProjectText(q);
    EXPECT_FALSE(subdivide(q, ui, 5, 3)) << "two new elements, room for one";
    EXPECT_EQ(writeProjectText(q), full);

    EXPECT_EQ(ui.textsShown(),
              (std::vector<std::string>{kSubdivideElementPrompt, kSubdividePartsPrompt,
                                        capacityMessage(kNodesGenitive, kMaxNodes), kSubdivideElementPrompt,
                                        kSubdividePartsPrompt, kSubdivideElementPrompt, kSubdividePartsPrompt,
                                        capacityMessage(kElementsGenitive, kMaxElements)}));
}

TEST(Subdivision, BadAnswersAreRefusedWithAMessageAndChangeNothing)
{
    const Project original = squareAndTriangle();
    const std::string before = writeProjectText(original);
    struct Case {
        double element;
        double parts;
        const char* message;
    };
    const Case cases[] = {
        {8, 2, kNoSuchElement}, {-1, 2, kNoSuchElement}, {1.5, 2, kNoSuchElement}, {1, 1, kBadPartCount},
        {1, 21, kBadPartCount}, {1, 2.5, kBadPartCount}, {1, 1e12, kBadPartCount},
    };
    for (const Case& c : cases) {
        Project p = original;
        ScriptedInteraction ui;
        EXPECT_FALSE(subdivide(p, ui, c.element, c.parts)) << c.element << " " << c.parts;
        ASSERT_EQ(ui.shown.size(), 3u);
        EXPECT_EQ(ui.shown[2].text, c.message);
        EXPECT_EQ(ui.shown[2].kind, MessageKind::Error);
        EXPECT_EQ(writeProjectText(p), before);
    }

    // Cancelled prompts, and a current boundary without elements.
    Project p = original;
    ScriptedInteraction ui;
    ui.numbers = {std::nullopt};
    EXPECT_FALSE(subdivideElements(p, ui));
    ui.numbers = {1.0, std::nullopt};
    EXPECT_FALSE(subdivideElements(p, ui));
    EXPECT_EQ(ui.shown.size(), 3u) << "no message after a cancel";
    test::addBoundary(p, OuterBoundary);
    p.currentBoundary = 3;
    const std::string withEmptyBoundary = writeProjectText(p);
    EXPECT_FALSE(subdivide(p, ui, 0, 2));
    EXPECT_EQ(ui.shown.back().text, "Brzeg 3 nie ma elementów");
    EXPECT_EQ(writeProjectText(p), withEmptyBoundary);

    // An element that names no node is not split, nor is any other.
    Project damaged = original;
    damaged.elements[6].endNode = 40;
    damaged.currentBoundary = 2;
    const std::string damagedText = writeProjectText(damaged);
    EXPECT_FALSE(subdivide(damaged, ui, 0, 2));
    EXPECT_EQ(ui.shown.back().text, "Błędne dane elementu 6.");
    EXPECT_EQ(writeProjectText(damaged), damagedText);
}

} // namespace
} // namespace zorind
