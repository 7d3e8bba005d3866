// The elasticity exchange as the main window runs it: the real process
// launcher, and "&Importuj z ..." followed by "Lista wyników".
#include <gtest/gtest.h>

#include <QAction>
#include <QLocale>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>

#include "app/TGL.h"
#include "lists/Tl_wyn_spr.h"
#include "model/FileCommands.h"
#include "support/DialogTesting.h"
#include "support/ResultFiles.h"
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

TEST(ElasticityWindow, ImportedResultsAreListedPerNode)
{
    test::LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    WorkingFolder work;
    work.dir.write("tav_ed.wyn", test::resultFile(test::sampleResults(6)));
    ScriptedInteraction ui;
    TGL window;
    window.setInteraction(&ui);
    ASSERT_TRUE(openProjectPath(window.project(), ui, std::string(ZORIND_EXAMPLES_DIR) + "/wspornik.tav", false));
    ui.answers = {true};
    window.action("Importujz1")->trigger();

    Tl_wyn_spr& list = window.window<Tl_wyn_spr>();
    QTableWidget* grid = list.grid();
    QStringList cells;
    QTimer::singleShot(0, &list, [&] {
        for (int c = 0; c < grid->columnCount(); ++c) {
            cells << grid->item(0, c)->text() + QLatin1Char('=') + grid->item(2, c)->text();
        }
        list.accept();
    });
    window.action("Listawynikw1")->trigger();
    EXPECT_EQ(cells.join(QLatin1Char('|')).toStdString(),
              std::string("Nr węz.=2|przem.X=0,002000|przem.Y=-0,004000|siła X=21,000000|siła Y=-6,500000|"
                          "sig.X=200,000000|sig.Y=-100,000000|sig.Z=30,000000|tau XY=14,000000|sig.red.=240,000000"));
    EXPECT_EQ(grid->rowCount(), 7);
    EXPECT_EQ(grid->columnWidth(0), 40);
    EXPECT_EQ(grid->columnWidth(9), 60);
}

} // namespace
} // namespace zorind
