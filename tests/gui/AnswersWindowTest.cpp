// The window's ways to the answers of a solution: "Bilans", "Wykres wzdłuż
// odcinka" and the flux arrows of "Widok".
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "core/session/FileCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/lists/BalanceList.h"
#include "gui/view/ProbeChart.h"
#include "gui/view/ProbePlotWindow.h"
#include "support/DialogTesting.h"

namespace zorind {
namespace {

struct Opened {
    ScriptedInteraction ui;
    MainWindow window;

    explicit Opened(const char* example)
    {
        ui.defaultAnswer = true;
        window.setInteraction(&ui);
        window.resize(640, 480);
        window.show();
        EXPECT_TRUE(openProjectPath(window.project(), ui, std::string(ZORIND_EXAMPLES_DIR) + "/" + example, false));
        window.requestRepaint();
        QCoreApplication::processEvents();
    }
    ~Opened()
    {
        ui.answers = {true};
        window.close();
    }
    QAction* action(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }
};

// "Bilans" on a project not yet computed computes it first, then lists the
// boundaries and conditions, the sum and the imbalance.
TEST(AnswersWindow, BalanceComputesFirstAndLists)
{
    Opened o("plyta.tav");
    ASSERT_EQ(o.window.project().resultsValid, 0);
    int rows = 0;
    BalanceList& list = o.window.window<BalanceList>();
    test::whileShown(
        list, [&] { rows = list.grid()->rowCount(); }, "OK");
    o.action("Bilans1")->trigger();
    EXPECT_EQ(o.window.project().resultsValid, 1);
    EXPECT_GT(rows, 3);
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Bilans"));
    EXPECT_TRUE(list.copiedText().startsWith(QStringLiteral("Brzeg / warunek\tElementy\tDługość\tStrumień")));
}

// Two presses on the drawing give the segment: the plot opens with the
// segment's results and the segment is drawn; typed ends plot again; the
// copy has a line per point; closing the window takes the segment away.
TEST(AnswersWindow, SegmentPlotFromTwoPresses)
{
    Opened o("plyta.tav");
    o.action("Wykreswzdluzodcinka1")->trigger();
    ASSERT_EQ(o.window.project().resultsValid, 1);
    ASSERT_EQ(o.window.project().edit.editMode, EditMode::SegmentEntry);
    const ViewTransform& v = o.window.project().view;
    // Across the plate (0..10 × 0..5) at mid-height.
    const QPoint from(v.toScreenX(1.0f), v.toScreenY(2.5f));
    const QPoint to(v.toScreenX(9.0f), v.toScreenY(2.5f));
    QTest::mouseClick(o.window.drawingArea(), Qt::LeftButton, {}, from);
    QTest::mouseClick(o.window.drawingArea(), Qt::LeftButton, {}, to);
    ProbePlotWindow& plot = o.window.window<ProbePlotWindow>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return plot.isVisible(); }, 5000));
    EXPECT_EQ(o.window.project().edit.editMode, EditMode::Idle);
    EXPECT_TRUE(o.window.project().probeLine.shown);
    EXPECT_FALSE(plot.chart()->probe().samples.empty());
    EXPECT_FALSE(plot.chart()->chart()->series().isEmpty());
    EXPECT_EQ(plot.copiedText().count(QLatin1Char('\n')), 1 + 201);

    std::vector<QLineEdit*> fields;
    for (const char* name : {"PoczatekX", "PoczatekY", "KoniecX", "KoniecY"}) {
        fields.push_back(plot.findChild<QLineEdit*>(QString::fromLatin1(name)));
        ASSERT_NE(fields.back(), nullptr) << name;
    }
    fields[0]->setText(QStringLiteral("2"));
    fields[1]->setText(QStringLiteral("0"));
    fields[2]->setText(QStringLiteral("2"));
    fields[3]->setText(QStringLiteral("5"));
    ASSERT_TRUE(plot.plot());
    EXPECT_DOUBLE_EQ(o.window.project().probeLine.x0, 2.0);
    EXPECT_DOUBLE_EQ(plot.chart()->probe().samples.back().y, 5.0);
    fields[3]->setText(QStringLiteral("nic"));
    EXPECT_FALSE(plot.plot());
    EXPECT_EQ(o.ui.shown.back().text, kProbeBadCoordinatesMessage);

    plot.close();
    EXPECT_FALSE(o.window.project().probeLine.shown);
}

// Escape gives the segment up; nothing opens.
TEST(AnswersWindow, EscapeGivesTheSegmentUp)
{
    Opened o("plyta.tav");
    o.action("Wykreswzdluzodcinka1")->trigger();
    QTest::mouseClick(o.window.drawingArea(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::keyClick(&o.window, Qt::Key_Escape);
    EXPECT_EQ(o.window.project().edit.editMode, EditMode::Idle);
    QCoreApplication::processEvents();
    EXPECT_FALSE(o.window.window<ProbePlotWindow>().isVisible());
}

// "Strzałki strumienia" is a switch of "Widok" with its check mark.
TEST(AnswersWindow, FluxArrowsSwitch)
{
    Opened o("plyta.tav");
    QAction* arrows = o.action("Strzalkistrumienia1");
    ASSERT_NE(arrows, nullptr);
    EXPECT_TRUE(arrows->isCheckable());
    arrows->trigger();
    EXPECT_EQ(o.window.project().display.showFluxArrows, 1);
    EXPECT_TRUE(arrows->isChecked());
    arrows->trigger();
    EXPECT_FALSE(arrows->isChecked());
}

} // namespace
} // namespace zorind
