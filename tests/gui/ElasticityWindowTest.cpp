// "&Eksportuj do ..." as the main window runs it, with the real process
// launcher.
#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "app/TGL.h"
#include "session/FileCommands.h"
#include "support/TempDir.h"
#include "ui/ScriptedInteraction.h"

namespace zorind {
namespace {

// Runs the test in a working folder of its own.
class WorkingFolder {
public:
    WorkingFolder() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(dir.path()); }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    test::TempDir dir;

private:
    std::filesystem::path previous_;
};

// The window's launcher: a solver.exe that cannot run is reported and the
// program stays; one that starts closes the window without the exit question.
TEST(ElasticityWindow, ExportStartsSolverExeAndEndsTheProgram)
{
    WorkingFolder work;
    const std::string solver = work.dir.write("solver.exe", "#!/bin/sh\nexit 0\n");
    ScriptedInteraction ui;
    TGL window;
    window.setInteraction(&ui);
    window.show();
    ASSERT_TRUE(openProjectPath(window.project(), ui, std::string(ZORIND_EXAMPLES_DIR) + "/wspornik.tav", false));

    ui.clear();
    ui.answers = {true};
    window.action("Eksportujdo1")->trigger();
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[2].kind, MessageKind::Error) << "not executable: " << ui.shown[2].text;
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(std::filesystem::exists(work.dir.path() / "tav_ed.dat"));

    std::filesystem::permissions(solver, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    ui.clear();
    ui.answers = {true};
    window.action("Eksportujdo1")->trigger();
    ASSERT_EQ(ui.shown.size(), 2u) << ui.shown.back().text;
    EXPECT_TRUE(ui.shown[1].isQuestion);
    EXPECT_FALSE(window.isVisible()) << "the program ends without asking";
}

} // namespace
} // namespace zorind
