// The elasticity analysis as the main window runs it: "&Eksportuj do ..."
// with the real process launcher, and the solve in the program's own
// process with the lists of its results.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <filesystem>

#include "core/exchange/ElasticityResults.h"
#include "core/session/FileCommands.h"
#include "core/solver/Compute.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/lists/GridLists.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

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
    MainWindow window;
    window.setInteraction(&ui);
    window.show();
    ASSERT_TRUE(openProjectPath(window.project(), ui, std::string(ZORIND_EXAMPLES_DIR) + "/wspornik.tav", false));

    // The cantilever's nodes 3 and 4 carry the end load on one side only:
    // the export says so first.
    ui.clear();
    ui.answers = {true};
    window.action("Eksportujdo1")->trigger();
    ASSERT_EQ(ui.shown.size(), 4u);
    EXPECT_NE(ui.shown[0].text.find("Węzły 3, 4 tracą"), std::string::npos) << ui.shown[0].text;
    EXPECT_EQ(ui.shown[3].kind, MessageKind::Error) << "not executable: " << ui.shown[3].text;
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(std::filesystem::exists(work.dir.path() / "tav_ed.dat"));

    std::filesystem::permissions(solver, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    ui.clear();
    ui.answers = {true};
    window.action("Eksportujdo1")->trigger();
    ASSERT_EQ(ui.shown.size(), 3u) << ui.shown.back().text;
    EXPECT_TRUE(ui.shown[2].isQuestion);
    EXPECT_FALSE(window.isVisible()) << "the program ends without asking";
}

// "Oblicz sprężystość" solves in the program's own process and the program
// goes on: "Lista wyników" lists every node's results and the internal
// points' window their own, each value copied as stored. A change of the
// model takes the results away, and with them the internal points' window.
TEST(ElasticityWindow, SolveInTheProgramListsTheNodesAndTheInternalPoints)
{
    test::LocaleGuard c(QLocale::c());
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    window.show();
    Project& p = window.project();
    ASSERT_TRUE(openProjectPath(p, ui, std::string(ZORIND_EXAMPLES_DIR) + "/wspornik.tav", false));
    window.runGuarded([&] {
        test::addInternalPoint(p, 10.0f, 2.0f);
        test::addInternalPoint(p, 15.0f, 1.0f);
    });
    QAction* solve = window.action("Obliczsprezystosc1");
    QAction* points = window.action("Wynikiwpunktachwewntrznych1");
    ASSERT_TRUE(solve->isEnabled());
    EXPECT_FALSE(points->isEnabled());

    ui.clear();
    solve->trigger();
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown[0].text, kComputedMessage);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(p.resultsValid, 1);
    ASSERT_TRUE(points->isEnabled());

    // Node 3 at the loaded end goes down; the held node 1 stays.
    const auto copied = [](const GridListWindow& list) {
        std::vector<QStringList> rows;
        for (const QString& line : list.copiedText().split('\n', Qt::SkipEmptyParts)) {
            rows.push_back(line.split('\t'));
        }
        return rows;
    };
    bool listed = false;
    test::whileShown(
        window.window<ElasticResultsList>(),
        [&] {
            const std::vector<QStringList> rows = copied(window.window<ElasticResultsList>());
            ASSERT_EQ(rows.size(), 7u);
            EXPECT_EQ(rows[1][1].toFloat(), 0.0f);
            EXPECT_EQ(rows[3][2].toFloat(), elasticityValues(p, 3)[1]);
            EXPECT_LT(rows[3][2].toFloat(), 0.0f);
            listed = true;
        },
        "OK");
    window.action("Listawynikw1")->trigger();
    EXPECT_TRUE(listed);

    listed = false;
    test::whileShown(
        window.window<InternalPointResultsList>(),
        [&] {
            const std::vector<QStringList> rows = copied(window.window<InternalPointResultsList>());
            ASSERT_EQ(rows.size(), 3u);
            for (int i = 1; i <= 2; ++i) {
                const QStringList& row = rows[static_cast<std::size_t>(i)];
                ASSERT_EQ(row.size(), 10);
                EXPECT_EQ(row[1].toFloat(), p.internalPoints[i].x);
                EXPECT_EQ(row[2].toFloat(), p.internalPoints[i].y);
                const std::array<float, 7> values = internalPointValues(p, i);
                for (int k = 0; k < 7; ++k) {
                    EXPECT_EQ(row[3 + k].toFloat(), values[static_cast<std::size_t>(k)]) << i << "," << k;
                }
                EXPECT_LT(row[4].toFloat(), 0.0f) << "the point goes down with the cantilever";
            }
            listed = true;
        },
        "OK");
    points->trigger();
    EXPECT_TRUE(listed);

    // The deformed boundary: its factor stands in the status bar while it
    // is drawn. The reduced stress is a view of its own.
    QLabel* prompt = window.statusPanel(3);
    window.action("Przemieszczenia1")->trigger();
    window.drawingArea()->repaintModelNow();
    ASSERT_TRUE(displacementFactor(p));
    EXPECT_EQ(prompt->text().toStdString(), displacementFactorText(*displacementFactor(p), '.'));
    window.action("Naprezeniazredukowane1")->trigger();
    EXPECT_TRUE(window.action("Naprezeniazredukowane1")->isChecked());
    EXPECT_EQ(p.showReducedStress, 1);
    window.action("Przemieszczenia1")->trigger();
    window.drawingArea()->repaintModelNow();
    EXPECT_EQ(prompt->text().trimmed(), QString());

    window.runGuarded([&] { p.nodes[3].y = -0.5f; });
    EXPECT_EQ(p.resultsValid, 0);
    EXPECT_FALSE(points->isEnabled());
    EXPECT_FALSE(window.action("Naprezeniazredukowane1")->isChecked()) << "no results, no stress view";
}

} // namespace
} // namespace zorind
