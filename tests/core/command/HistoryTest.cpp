#include <gtest/gtest.h>

#include "core/command/History.h"
#include "core/edit/BoundaryConstruction.h"
#include "core/solver/Compute.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

// Runs a command as the window does: settled, then recorded as a step when
// it changed the model data.
template <class Command> void step(History& history, Project& p, Command&& command)
{
    const ProjectSnapshot before = takeSnapshot(p);
    command();
    if (settleCommand(before, p).changes.step()) {
        history.record(before);
    }
}

TEST(History, UndoBringsBackTheModelWithItsResultsAndRedoGoesForwardUntilANewStep)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    test::addCondition(p, 1, 100, 100, 100);
    p.elements[4].condition = 2;
    ScriptedInteraction ui;
    History history;
    step(history, p, [&] { computeCommand(p, ui, nullptr); });
    ASSERT_EQ(p.resultsValid, 1);
    const Project computed = p;

    step(history, p, [&] { p.nodes[3].x = 12; });
    step(history, p, [&] { p.currentCondition = 2; }); // not a step of its own
    ASSERT_EQ(p.resultsValid, 0);
    EXPECT_EQ(history.undoSteps(), 2u);

    ASSERT_TRUE(history.undo(p));
    EXPECT_EQ(p.nodes[3].x, 10.0f);
    EXPECT_EQ(p.resultsValid, 1) << "the results that belonged to this model are back";
    EXPECT_EQ(p.elementResults[2], computed.elementResults[2]);
    EXPECT_EQ(p.currentCondition, 1);
    ASSERT_TRUE(history.undo(p));
    EXPECT_EQ(p.resultsValid, 0) << "before the compute";
    EXPECT_FALSE(history.undo(p));

    ASSERT_TRUE(history.redo(p));
    ASSERT_TRUE(history.redo(p));
    EXPECT_EQ(p.nodes[3].x, 12.0f);
    EXPECT_FALSE(history.canRedo());

    history.undo(p);
    step(history, p, [&] { test::addNode(p, 50, 50); });
    EXPECT_FALSE(history.canRedo()) << "a new step drops what could be redone";
}

TEST(History, KeepsTheLastHundredSteps)
{
    Project p = test::emptyProject();
    History history;
    for (int i = 0; i < 150; ++i) {
        step(history, p, [&] { test::addNode(p, static_cast<float>(i), 0); });
    }
    EXPECT_EQ(history.undoSteps(), History::kDefaultLimit);
    while (history.undo(p)) {
    }
    EXPECT_EQ(p.nodeCount(), 50);
}

TEST(History, TakingBackAPolylinePointGoesOnDrawingFromThePointBefore)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    History history;
    p.edit.editMode = EditMode::PolylineEntry;
    for (ModelPoint at : {ModelPoint{0, 0}, ModelPoint{10, 0}, ModelPoint{10, 10}}) {
        step(history, p, [&] { placePolylinePoint(p, ui, at); });
    }
    history.undo(p);
    EXPECT_EQ(p.nodeCount(), 2);
    EXPECT_EQ(p.elementCount(), 1);
    placePolylinePoint(p, ui, {20, 20});
    EXPECT_EQ(p.elements[2], (Element{2, 3, 1, 1}));

    history.undo(p);
    history.undo(p);
    history.undo(p);
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_FALSE(p.edit.chainOpen) << "the next click starts a new polyline";
    EXPECT_EQ(p.edit.editMode, EditMode::PolylineEntry) << "still drawing";
}

} // namespace
} // namespace zorind
