#include <gtest/gtest.h>

#include <array>

#include "core/edit/Boundaries.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/EditTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::elementsOf;

// Records the prompts apart from the messages, with their initial texts.
struct PromptingUi : ScriptedInteraction {
    std::vector<std::array<std::string, 3>> prompts; // caption, prompt, initial
    std::optional<std::string> promptText(std::string_view caption, std::string_view prompt,
                                          std::string_view initial) override
    {
        prompts.push_back({std::string(caption), std::string(prompt), std::string(initial)});
        if (texts.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = texts.front();
        texts.pop_front();
        return answer;
    }
};

// Three boundaries: a square on 1 (elements 1-4), a triangle on 2
// (elements 5-7) and one more element on 1 after them (element 8); boundary
// 3 has no elements. Results are shown.
Project threeBoundaries()
{
    Project p = test::emptyProject();
    test::addBoundary(p, InnerBoundary);
    test::addBoundary(p, InnerBoundary);
    test::addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 1, 1);
    test::addPolygon(p, {{2, 2}, {4, 2}, {3, 4}}, 1, 2);
    test::addElement(p, 1, 3, 1, 1);
    p.resultsValid = 1;
    p.display.showPotential = 1;
    p.display.showFlux = 1;
    return p;
}

TEST(AddBoundary, KeptAndCurrentAfterOkTakenBackOtherwiseRefusedWhenFull)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    bool answer = true;
    const auto dialog = [&] {
        EXPECT_EQ(p.selectedNumber, p.boundaryCount());
        EXPECT_EQ(p.boundaries[p.boundaryCount()].kind, 0);
        return answer;
    };
    addBoundary(p, ui, dialog);
    EXPECT_EQ(p.boundaryCount(), 2);
    EXPECT_EQ(p.currentBoundary, 2);
    answer = false;
    addBoundary(p, ui, dialog);
    EXPECT_EQ(p.boundaryCount(), 2);
    EXPECT_EQ(p.currentBoundary, 2);
    EXPECT_TRUE(ui.shown.empty());

    while (test::addBoundary(p, OuterBoundary) != 0) {
    }
    addBoundary(p, ui, [] { return true; });
    EXPECT_EQ(p.boundaryCount(), kMaxBoundaries);
    EXPECT_EQ(p.currentBoundary, 2);
    ASSERT_EQ(ui.textsShown(), (std::vector<std::string>{"Osiągnięto maksymalną liczbę brzegów (19)"}));
}

TEST(StoreBoundaryKind, NumberMustNameABoundary)
{
    Project p = test::emptyProject();
    test::addBoundary(p, 0);
    ScriptedInteraction ui;
    EXPECT_TRUE(storeBoundaryKind(p, ui, 2, InnerBoundary));
    EXPECT_EQ(p.boundaries[2].kind, InnerBoundary);
    EXPECT_FALSE(storeBoundaryKind(p, ui, 3, OuterBoundary));
    EXPECT_FALSE(storeBoundaryKind(p, ui, std::nullopt, OuterBoundary));
    EXPECT_EQ(p.boundaries[2].kind, InnerBoundary);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].text, "Złe dane");
    EXPECT_EQ(ui.shown[1].caption, "Brzeg");
}

TEST(DeleteBoundary, RemovesItsElementsRenumbersTheRestKeepsBoundariesAndNodes)
{
    Project p = threeBoundaries();
    PromptingUi ui;
    ui.texts = {"1"};
    ui.answers = {true};
    test::settled(p, [&] { deleteBoundary(p, ui); });
    EXPECT_EQ(elementsOf(p), (std::vector<Element>{{5, 6, 1, 2}, {6, 7, 1, 2}, {7, 5, 1, 2}}));
    EXPECT_EQ(p.boundaryCount(), 3);
    EXPECT_EQ(p.boundaries[1].kind, OuterBoundary);
    EXPECT_EQ(p.nodeCount(), 7);
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.display.showPotential, 0);
    EXPECT_EQ(p.display.showFlux, 0);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Czy usunąć elementy brzegu ?");
    EXPECT_EQ(ui.shown[0].caption, "Usuwanie brzegu");
    EXPECT_EQ(ui.prompts, (std::vector<std::array<std::string, 3>>{{"Usuwanie brzegu", "Podaj numer brzegu:", "1"}}));
}

TEST(DeleteBoundary, NoChangesOnNoOnAnEmptyBoundaryOrOnABadNumber)
{
    const Project before = threeBoundaries();
    Project p = before;
    PromptingUi ui;
    ui.texts = {"2", "3", "0", "abc", "4", std::nullopt};
    ui.answers = {false};
    deleteBoundary(p, ui); // No
    deleteBoundary(p, ui); // boundary 3 has no elements: no question
    deleteBoundary(p, ui); // 0
    deleteBoundary(p, ui); // not a number
    deleteBoundary(p, ui); // above the count
    deleteBoundary(p, ui); // cancelled
    EXPECT_EQ(elementsOf(p), elementsOf(before));
    EXPECT_EQ(p.resultsValid, 1);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Czy usunąć elementy brzegu ?", "Nie ma takiego brzegu",
                                                         "Nie ma takiego brzegu", "Nie ma takiego brzegu"}));
    EXPECT_EQ(ui.shown[1].kind, MessageKind::Plain);
}

TEST(MoveBoundary, MovesTheStartNodesOfItsElements)
{
    Project p = threeBoundaries();
    PromptingUi ui;
    ui.texts = {"2", "1,5", "-1"};
    test::settled(p, [&] { moveBoundary(p, ui, ','); });
    EXPECT_EQ(p.nodes[5], (Node{3.5f, 1.0f}));
    EXPECT_EQ(p.nodes[6], (Node{5.5f, 1.0f}));
    EXPECT_EQ(p.nodes[7], (Node{4.5f, 3.0f}));
    EXPECT_EQ(p.nodes[1], (Node{0, 0}));
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_EQ(p.display.showPotential, 0);

    // Boundary 1: node 1 starts two of its elements and moves twice; a y
    // shift that is not a number counts as 0.
    ui.texts = {"1", "1", "y"};
    moveBoundary(p, ui, '.');
    EXPECT_EQ(p.nodes[1], (Node{2, 0}));
    EXPECT_EQ(p.nodes[2], (Node{11, 0}));
    EXPECT_EQ(p.nodes[4], (Node{1, 10}));
    EXPECT_TRUE(ui.shown.empty());

    EXPECT_EQ(ui.prompts[5], (std::array<std::string, 3>{"Przesuwanie brzegu", "Przesuniecie w osi y:", "1"}));
    EXPECT_EQ(ui.prompts[4], (std::array<std::string, 3>{"Przesuwanie brzegu", "Przesuniecie w osi x:", ""}));

    ui.texts = {"9", "2", "2"};
    const Project before = p;
    moveBoundary(p, ui, '.');
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Nie ma takiego brzegu"}));
    ui.texts = {"1", "2", std::nullopt};
    moveBoundary(p, ui, '.');
    ui.texts = {"1", "1e300", "0"};
    moveBoundary(p, ui, '.');
    EXPECT_EQ(ui.textsShown().back(), "Złe dane");
    for (int n : p.nodes.numbers()) {
        EXPECT_EQ(p.nodes[n], before.nodes[n]);
    }
}

} // namespace
} // namespace zorind
