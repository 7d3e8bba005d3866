#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "core/command/CommandRunner.h"
#include "core/edit/BoundaryConstruction.h"
#include "core/model/ProjectFile.h"
#include "core/session/FileCommands.h"
#include "core/solver/Compute.h"
#include "core/ui/ScriptedInteraction.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

TEST(CommandRunner, UndoBringsBackTheModelWithItsResultsAndRedoGoesForwardUntilANewStep)
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    test::addCondition(p, 1, 100, 100, 100);
    p.elements[4].condition = 2;
    ScriptedInteraction ui;
    CommandRunner history(p);
    history.run([&] { computeCommand(p, ui, nullptr); });
    ASSERT_EQ(p.resultsValid, 1);
    const Project computed = p;

    history.run([&] { p.nodes[3].x = 12; });
    history.run([&] { p.currentCondition = 2; }); // not a step of its own
    ASSERT_EQ(p.resultsValid, 0);
    EXPECT_EQ(history.undoSteps(), 2u);

    ASSERT_TRUE(history.undo());
    EXPECT_EQ(p.nodes[3].x, 10.0f);
    EXPECT_EQ(p.resultsValid, 1) << "the results that belonged to this model are back";
    EXPECT_EQ(p.elementResults[2], computed.elementResults[2]);
    EXPECT_EQ(p.currentCondition, 1);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(p.resultsValid, 0) << "before the compute";
    EXPECT_FALSE(history.undo());

    ASSERT_TRUE(history.redo());
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(p.nodes[3].x, 12.0f);
    EXPECT_FALSE(history.canRedo());

    history.undo();
    history.run([&] { test::addNode(p, 50, 50); });
    EXPECT_FALSE(history.canRedo()) << "a new step drops what could be redone";
}

TEST(CommandRunner, KeepsTheLastHundredSteps)
{
    Project p = test::emptyProject();
    CommandRunner history(p);
    for (int i = 0; i < 150; ++i) {
        history.run([&] { test::addNode(p, static_cast<float>(i), 0); });
    }
    EXPECT_EQ(history.undoSteps(), History::kDefaultLimit);
    while (history.undo()) {
    }
    EXPECT_EQ(p.nodeCount(), 50);
}

TEST(CommandRunner, TakingBackAPolylinePointGoesOnDrawingFromThePointBefore)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    CommandRunner history(p);
    p.edit.editMode = EditMode::PolylineEntry;
    for (ModelPoint at : {ModelPoint{0, 0}, ModelPoint{10, 0}, ModelPoint{10, 10}}) {
        history.run([&] { placePolylinePoint(p, ui, at); });
    }
    history.undo();
    EXPECT_EQ(p.nodeCount(), 2);
    EXPECT_EQ(p.elementCount(), 1);
    placePolylinePoint(p, ui, {20, 20});
    EXPECT_EQ(p.elements[2], (Element{2, 3, 1, 1}));

    history.undo();
    history.undo();
    history.undo();
    EXPECT_EQ(p.nodeCount(), 0);
    EXPECT_FALSE(p.edit.chainOpen) << "the next click starts a new polyline";
    EXPECT_EQ(p.edit.editMode, EditMode::PolylineEntry) << "still drawing";
}

TEST(CommandRunner, AnyChangeOfTheModelDataIsAStepAnInternalPointBeforeComputingToo)
{
    Project p = test::emptyProject();
    CommandRunner history(p);
    history.run([&] { test::addInternalPoint(p, 1, 2); });
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(p.internalPointCount(), 0);
}

// The states of the model before a project was started afresh do not belong
// to the new one: taking one back would show the old model under the new
// file's name, and a save would write it there.
TEST(CommandRunner, ANewProjectOrAFileOpenedStartsTheHistoryAfresh)
{
    test::TempDir dir;
    Project triangle = test::emptyProject();
    test::addPolygon(triangle, {{0, 0}, {4, 0}, {0, 3}});
    const std::string path = dir.file("trojkat.tav");
    ASSERT_TRUE(saveProjectFile(triangle, path).ok());

    ScriptedInteraction ui;
    const std::function<void(Project&)> starts[] = {
        [&](Project& p) {
            ui.files = {path};
            openProject(p, ui);
        },
        [&](Project& p) { openRecentProject(p, ui, path); },
        [&](Project& p) { newProject(p, ui, [] { return std::optional<int>(HeatFlow); }); },
    };
    for (const auto& start : starts) {
        Project p = test::emptyProject();
        CommandRunner history(p);
        history.run([&] { test::addNode(p, 1, 1); });
        history.run([&] { start(p); });
        const Project started = p;
        EXPECT_FALSE(history.canUndo());
        EXPECT_FALSE(history.undo());
        EXPECT_EQ(p.nodeCount(), started.nodeCount());
        EXPECT_EQ(p.titleText, started.titleText);
    }
}

// A dialog that stays open settles each store as a step of its own; a
// command run within another is settled with the outer one.
TEST(CommandRunner, CommandsNestAndEachStoreSettledSoFarIsAStep)
{
    Project p = test::emptyProject();
    CommandRunner history(p);
    EXPECT_FALSE(history.settleSoFar()) << "no command running";
    std::optional<Consequences> inner;
    const std::optional<Consequences> outer = history.run([&] {
        test::addNode(p, 1, 1);
        ASSERT_TRUE(history.settleSoFar());
        inner = history.run([&] { test::addNode(p, 2, 2); });
    });
    EXPECT_FALSE(inner);
    ASSERT_TRUE(outer);
    EXPECT_TRUE(outer->changes.geometry);
    EXPECT_EQ(history.undoSteps(), 2u);
    history.undo();
    EXPECT_EQ(p.nodeCount(), 1);
}

} // namespace
} // namespace zorind
