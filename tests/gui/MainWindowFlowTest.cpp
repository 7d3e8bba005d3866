#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QTableWidget>
#include <QTimer>

#include "core/session/FileCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/edit/PointerController.h"
#include "gui/lists/GridLists.h"
#include "gui/view/ColourScaleWindow.h"
#include "gui/view/ResultScalingDialog.h"
#include "support/ModelBuilders.h"
#include <QRadioButton>

namespace zorind {
namespace {

// The main window with a sample project open and every message scripted.
class MainWindowFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setInteraction(&ui);
        window.resize(640, 480);
        window.show();
    }
    void TearDown() override
    {
        ui.answers = {true};
        window.close();
    }

    void open(const char* sample)
    {
        ASSERT_TRUE(openProjectPath(window.project(), ui, std::string(ZORIND_EXAMPLES_DIR) + "/" + sample, false));
        window.requestRepaint();
        paint();
    }

    // Runs one repaint of the drawing area, as the window would.
    void paint()
    {
        QImage image(window.drawingArea()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        window.paintDrawing(painter, image.width(), image.height());
        painter.end();
        QCoreApplication::processEvents();
    }

    QAction* action(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

    // Lets the window run its own pending repaints; nothing is painted by hand.
    void settle()
    {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    ScriptedInteraction ui;
    MainWindow window;
};

TEST_F(MainWindowFlow, ComputeEnablesTheResultButtonsAndColouringShowsTheScale)
{
    open("pierscien.tav");
    EXPECT_FALSE(action("BT")->isEnabled());
    action("SolveB")->trigger();
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown.back().text, "Obliczono poprawnie");
    EXPECT_EQ(ui.shown.back().caption, "Obliczenia");
    EXPECT_EQ(window.project().resultsValid, 1);
    paint();
    EXPECT_TRUE(action("BT")->isEnabled());
    EXPECT_TRUE(action("BTN")->isEnabled());
    EXPECT_FALSE(window.window<ColourScaleWindow>().isVisible());

    action("BT")->trigger();
    paint();
    EXPECT_TRUE(action("BT")->isChecked());
    EXPECT_TRUE(action("Temperatura1")->isChecked());
    EXPECT_TRUE(window.window<ColourScaleWindow>().isVisible());

    action("BTN")->trigger();
    paint();
    EXPECT_FALSE(action("BT")->isChecked()) << "flux colouring releases potential colouring";
    EXPECT_TRUE(action("BTN")->isChecked());
    EXPECT_TRUE(window.window<ColourScaleWindow>().isVisible());

    action("Strumie1")->trigger();
    paint();
    EXPECT_FALSE(action("BTN")->isChecked());
    EXPECT_FALSE(window.window<ColourScaleWindow>().isVisible()) << "hidden when nothing is coloured";
}

TEST_F(MainWindowFlow, ComputeAndScalingRepaintByThemselves)
{
    open("plyta.tav");
    settle();
    action("Oblicz1")->trigger();
    settle();
    EXPECT_TRUE(action("BT")->isEnabled()) << "only a repaint enables the result buttons";
    action("BT")->trigger();
    settle();
    ColourScaleWindow& scale = window.window<ColourScaleWindow>();
    ASSERT_TRUE(scale.isVisible());
    const float maxBefore = window.project().scaleRange.scaleMax;
    const QImage scaleBefore = scale.grab().toImage();

    ResultScalingDialog& dialog = window.window<ResultScalingDialog>();
    ui.answers = {true};
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.button(ScalingOption::PotentialTimesY)->setChecked(true);
        dialog.accept();
    });
    action("Skalujwyniki1")->trigger();
    settle();
    EXPECT_NE(window.project().scaleRange.scaleMax, maxBefore) << "the repaint takes the scaled range";
    EXPECT_NE(scale.grab().toImage(), scaleBefore) << "the colour scale shows the new range";
}

TEST_F(MainWindowFlow, OpeningShowsTheNewModelBeforeItsMessage)
{
    // Records how often the model had been painted when each box opened.
    struct PaintsAtMessage : ScriptedInteraction {
        explicit PaintsAtMessage(const DrawingArea& area) : area(area) {}
        void onShown(const Shown&) override { paints.push_back(area.modelPaints()); }
        const DrawingArea& area;
        std::vector<int> paints;
    } seen(*window.drawingArea());
    window.setInteraction(&seen);
    settle();
    const int before = window.drawingArea()->modelPaints();
    seen.files = {std::string(ZORIND_EXAMPLES_DIR) + "/plyta.tav"};
    action("Otworz1")->trigger();
    window.setInteraction(&ui);
    ASSERT_FALSE(seen.paints.empty());
    EXPECT_GT(seen.paints.back(), before) << "the opened model is on screen when the message shows";
}

TEST_F(MainWindowFlow, ToggleButtonsReleaseEachOther)
{
    open("plyta.tav");
    action("Oblicz1")->trigger();
    paint();

    action("BWB")->trigger();
    paint();
    EXPECT_TRUE(action("BWB")->isChecked());
    EXPECT_TRUE(action("Warbrzegowe1")->isChecked());
    action("BT")->trigger();
    paint();
    EXPECT_TRUE(action("BT")->isChecked());
    EXPECT_FALSE(action("BWB")->isChecked()) << "BT releases BWB";

    action("BTN")->trigger();
    paint();
    action("BWB")->trigger();
    paint();
    EXPECT_TRUE(action("BWB")->isChecked());
    EXPECT_FALSE(action("BTN")->isChecked()) << "BWB releases BTN";

    action("BT")->trigger();
    paint();
    action("BB")->trigger();
    paint();
    EXPECT_TRUE(action("BB")->isChecked());
    EXPECT_FALSE(action("BT")->isChecked());
    EXPECT_FALSE(action("BTN")->isChecked());
    EXPECT_FALSE(action("BWB")->isChecked());

    action("BWEZLY")->trigger();
    action("BELE")->trigger();
    paint();
    EXPECT_TRUE(action("BWEZLY")->isChecked());
    EXPECT_TRUE(action("BELE")->isChecked());
    EXPECT_TRUE(action("BB")->isChecked()) << "number buttons release nothing";
}

TEST_F(MainWindowFlow, ElasticityKeepsTheResultButtonsDisabled)
{
    open("wspornik.tav");
    window.project().resultsValid = 1;
    paint();
    EXPECT_FALSE(action("BT")->isEnabled());
    EXPECT_FALSE(action("BTN")->isEnabled());
    action("Temperatura1")->trigger();
    paint();
    EXPECT_EQ(window.project().display.showPotential, 0) << "the menu item changes nothing for elasticity";
    EXPECT_FALSE(action("Temperatura1")->isChecked());
}

TEST_F(MainWindowFlow, SelectorsFollowTheProjectAtEveryRepaint)
{
    open("pierscien.tav");
    QComboBox* conditions = window.conditionSelector();
    QComboBox* boundaries = window.boundarySelector();
    ASSERT_EQ(conditions->count(), 3);
    EXPECT_EQ(conditions->currentIndex(), 0);
    EXPECT_EQ(conditions->itemText(2), QStringLiteral("Pot:100.00 100.00 100.00"));
    ASSERT_EQ(boundaries->count(), 2);
    EXPECT_EQ(boundaries->itemText(0), QStringLiteral("Brzeg 1 zew"));
    EXPECT_EQ(boundaries->itemText(1), QStringLiteral("Brzeg 2 wew"));

    window.project().currentCondition = 2;
    paint();
    EXPECT_EQ(conditions->currentIndex(), 1);
    window.boundarySelectorChanged(1);
    EXPECT_EQ(window.project().currentBoundary, 2);
}

TEST_F(MainWindowFlow, ATooFineGridIsReportedOnceAndSwitchedOff)
{
    window.project().view.gridStepX = 0.01f;
    window.project().view.gridStepY = 0.01f;
    paint();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Błędne ustawienia siatki !");
    EXPECT_EQ(window.project().view.gridOn, 0);
    paint();
    EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(MainWindowFlow, ResultsListNeedsResultsAndShowsTheStoredNumbers)
{
    open("plyta.tav");
    action("ListawynB")->trigger();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Projekt nie obliczony");
    EXPECT_EQ(ui.shown[0].caption, "Lista wyników");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);

    action("Oblicz1")->trigger();
    QTableWidget* grid = window.window<ResultsList>().grid();
    QString firstPotential;
    QTimer::singleShot(0, &window.window<ResultsList>(), [&] {
        firstPotential = grid->item(0, 1)->text();
        window.window<ResultsList>().accept();
    });
    action("Listawynikw1")->trigger();
    EXPECT_EQ(grid->rowCount(), window.project().elementCount());
    EXPECT_EQ(firstPotential,
              QLocale().toString(static_cast<double>(window.project().elementResults[1].slot[1]), 'g', 15));
}

TEST_F(MainWindowFlow, ScalingTwiceDividesThePotentialsByYSquared)
{
    open("plyta.tav");
    action("Oblicz1")->trigger();
    const Project computed = window.project();

    ResultScalingDialog* dialog = &window.window<ResultScalingDialog>();
    EXPECT_EQ(dialog->checkedOption(), ScalingOption::NoScaling);
    for (int pass = 0; pass < 2; ++pass) {
        ui.answers = {true};
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->button(ScalingOption::PotentialByY)->setChecked(true);
            dialog->accept();
        });
        action("Skalujwyniki1")->trigger();
    }
    EXPECT_EQ(dialog->checkedOption(), ScalingOption::PotentialByY) << "the dialog keeps its last choice";

    const Project& p = window.project();
    for (int e = 1; e <= p.elementCount(); ++e) {
        const float y1 = p.nodes[p.elements[e].startNode].y;
        if (y1 != 0.0f) {
            const float once = computed.elementResults[e].slot[1] / y1;
            EXPECT_EQ(p.elementResults[e].slot[1], once / y1) << e;
        } else {
            EXPECT_EQ(p.elementResults[e].slot[1], computed.elementResults[e].slot[1]) << e;
        }
        EXPECT_EQ(p.fluxResults[e].slot[2], computed.fluxResults[e].slot[2]) << "fluxes stay";
    }
    const float y = p.internalPoints[1].y;
    EXPECT_EQ(p.internalPoints[1].internalResult, computed.internalPoints[1].internalResult / y / y);

    // Cancel changes nothing and brings the last choice back.
    QTimer::singleShot(0, dialog, [dialog] {
        dialog->button(ScalingOption::FluxTimesX)->setChecked(true);
        dialog->reject();
    });
    const Project before = window.project();
    action("Skalujwyniki1")->trigger();
    EXPECT_EQ(window.project().elementResults[2], before.elementResults[2]);
    EXPECT_EQ(dialog->checkedOption(), ScalingOption::PotentialByY);
}

TEST_F(MainWindowFlow, AnalysisTypeChangeClearsTheResults)
{
    open("plyta.tav");
    action("Oblicz1")->trigger();
    ASSERT_EQ(window.project().resultsValid, 1);
    window.setAnalysisTypeChooser([] { return std::optional<int>(Elasticity); });
    action("Typoblicze1")->trigger();
    EXPECT_EQ(window.project().analysisType, Elasticity);
    EXPECT_EQ(window.project().resultsValid, 0);
    paint();
    EXPECT_FALSE(action("BT")->isEnabled());
}

TEST_F(MainWindowFlow, UndoAndRedoFollowTheStepsAndANewProjectStartsAfresh)
{
    QAction* undo = action("Cofnij1");
    QAction* redo = action("PonowB");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    action("SpeedButton1")->trigger();
    window.pointer().pressed(Qt::LeftButton, QPoint(100, 300));
    window.pointer().pressed(Qt::LeftButton, QPoint(200, 300));
    ASSERT_EQ(window.project().elementCount(), 1);
    EXPECT_TRUE(undo->isEnabled());

    undo->trigger();
    EXPECT_EQ(window.project().nodeCount(), 1);
    EXPECT_EQ(window.project().elementCount(), 0);
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_EQ(window.project().elementCount(), 1);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
    EXPECT_EQ(action("Ponow1")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

    ui.answers = {true};
    window.setAnalysisTypeChooser([] { return std::optional<int>(HeatFlow); });
    action("Nowy1")->trigger();
    EXPECT_FALSE(undo->isEnabled()) << "a new project has no history";
    EXPECT_FALSE(redo->isEnabled());
}

} // namespace
} // namespace zorind
