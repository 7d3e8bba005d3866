// The window's new items as a user reaches them: Ctrl+S, "Skaluj dane", a
// DXF drawing opened in place of the project, the manual on F1.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include "core/model/ProjectFile.h"
#include "core/session/FileCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/view/DataScalingDialog.h"
#include "gui/view/HelpWindow.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

class DrawingsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setInteraction(&ui);
        window.resize(640, 480);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override
    {
        ui.defaultAnswer = true;
        window.close();
    }

    test::TempDir dir;
    ScriptedInteraction ui;
    MainWindow window;
    Project& p = window.project();
};

TEST_F(DrawingsWindow, CtrlSWritesTheProjectToItsOwnFileOnceItHasOne)
{
    QAction* save = window.action("Zapisz1");
    EXPECT_FALSE(save->isEnabled());
    Project drawn = test::emptyProject();
    test::addPolygon(drawn, {{0, 0}, {4, 0}, {0, 3}});
    const std::string path = dir.write("m.tav", writeProjectText(drawn));
    ScriptedInteraction quiet;
    window.runGuarded([&] { openProjectPath(p, quiet, path, false); });
    ASSERT_TRUE(save->isEnabled());
    window.runGuarded([&] { test::addNode(p, 9, 9); });
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(test::readAll(path), writeProjectText(p));
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(hasUnsavedChanges(p));
}

TEST_F(DrawingsWindow, ScaleDataTakesTwoFactorsAndAnOriginAndIsOneStepBack)
{
    test::addPolygon(p, {{1, 1}, {3, 1}, {1, 2}});
    auto& dialog = window.window<DataScalingDialog>();
    test::whileShown(
        dialog,
        [&] {
            dialog.uniformBox()->setChecked(false);
            dialog.field(0)->setText(QStringLiteral("2"));
            dialog.field(1)->setText(QStringLiteral("3"));
            dialog.field(2)->setText(QStringLiteral("1"));
            dialog.field(3)->setText(QStringLiteral("1"));
        },
        "OK");
    window.action("Skalujdane1")->trigger();
    EXPECT_EQ(p.nodes[2], (Node{5, 1}));
    EXPECT_EQ(p.nodes[3], (Node{1, 4}));
    window.action("Cofnij1")->trigger();
    EXPECT_EQ(p.nodes[3], (Node{1, 2}));
}

TEST_F(DrawingsWindow, ADrawingReplacesTheProjectAndStartsItsHistoryAfresh)
{
    window.runGuarded([this] { test::addPolygon(p, {{1, 1}, {3, 1}, {1, 2}}); });
    ASSERT_TRUE(window.canUndo());
    ui.choices = {false}; // the unsaved triangle is not saved
    ui.files = {dir.write("plyta.dxf", "0\nSECTION\n2\nENTITIES\n0\nCIRCLE\n8\n0\n10\n5\n20\n5\n40\n2\n"
                                       "0\nENDSEC\n0\nEOF\n")};
    window.action("ImportujDXF1")->trigger();
    EXPECT_EQ(p.boundaryCount(), 1);
    EXPECT_EQ(p.nodeCount(), p.elementCount());
    EXPECT_FALSE(window.canUndo());
    // A project of no file yet, with changes to save.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("TAV  *"));
}

TEST_F(DrawingsWindow, F1ShowsTheManual)
{
    QTest::keyClick(&window, Qt::Key_F1);
    const HelpWindow& help = window.window<HelpWindow>();
    ASSERT_TRUE(help.isVisible());
    const QString text = help.browser()->toPlainText();
    for (const char* section :
         {"Pierwszy model", "Sprężystość", "Mapa pola", "Bilans", "Rysunki DXF", "Wiersz poleceń", "Klawisze i mysz"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(section))) << section;
    }
}

} // namespace
} // namespace zorind
