#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <limits>

#include "core/session/DisplayCommands.h"
#include "core/session/ScreenSettings.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/view/AreaDialog.h"
#include "gui/view/ColourScaleWindow.h"
#include "gui/view/GridDialog.h"
#include "gui/view/PrinterSetup.h"
#include "gui/view/ScreenSettingsDialog.h"
#include "render/Painter.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::button;
using test::LocaleGuard;
using test::whileShown;

TEST(GridDialog, ShowsTheSpacingAndTakesALocaleFraction)
{
    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    GridDialog dialog(p, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ustawienia siatki"));
    QString shownX;
    QString shownY;
    whileShown(
        dialog,
        [&] {
            shownX = dialog.fieldX()->text();
            shownY = dialog.fieldY()->text();
            dialog.fieldX()->setText(QStringLiteral("1,5"));
            dialog.fieldY()->setText(QStringLiteral(" 0,1 "));
        },
        "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_EQ(shownX, QStringLiteral("2"));
    EXPECT_EQ(shownY, QStringLiteral("2"));
    EXPECT_EQ(p.view.gridStepX, 1.5f);
    EXPECT_EQ(p.view.gridStepY, 0.1f);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(dialog.isVisible());

    // Reopened, it shows the spacing in force in the user's notation.
    whileShown(
        dialog, [&] { shownY = dialog.fieldY()->text(); }, "Anuluj");
    EXPECT_TRUE(dialog.edit());
    EXPECT_EQ(shownY, QStringLiteral("0,1"));
}

TEST(GridDialog, ShowsLargeValuesPlainWhileTheyFitAndTakesThemBackUnchanged)
{
    // Polish groups thousands with a space; what the field shows must read
    // back as the same number, the largest float included.
    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    Project p = test::emptyProject();
    p.view.gridStepX = 100000.0f;
    p.view.gridStepY = std::numeric_limits<float>::max();
    ScriptedInteraction ui;
    GridDialog dialog(p, ui);
    QStringList shown;
    whileShown(
        dialog, [&] { shown << dialog.fieldX()->text() << dialog.fieldY()->text(); }, "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_EQ(shown, (QStringList{"100000", "3,4028235e+38"}));
    EXPECT_EQ(p.view.gridStepX, 100000.0f);
    EXPECT_EQ(p.view.gridStepY, std::numeric_limits<float>::max());
    EXPECT_TRUE(ui.shown.empty());
}

TEST(GridDialog, ZeroOrTextIsRefusedWithTheMessageAndTheDialogCloses)
{
    for (const char* bad : {"0", "abc", "-2", ""}) {
        Project p = test::emptyProject();
        ScriptedInteraction ui;
        GridDialog dialog(p, ui);
        whileShown(
            dialog,
            [&] {
                dialog.fieldX()->setText(QStringLiteral("3"));
                dialog.fieldY()->setText(QString::fromUtf8(bad));
            },
            "OK");
        EXPECT_TRUE(dialog.edit());
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(p.view.gridStepX, 2.0f) << bad;
        EXPECT_EQ(p.view.gridStepY, 2.0f) << bad;
        ASSERT_EQ(ui.shown.size(), 1u) << bad;
        EXPECT_EQ(ui.shown[0].text, "Zła wartość podziałki");
        EXPECT_EQ(ui.shown[0].caption, "Ustawianie podzialki");
    }
}

TEST(AreaDialog, FillsTheFourCornersAndTakesANewArea)
{
    Project p = test::emptyProject();
    p.view.areaXMin = -2.5f;
    ScriptedInteraction ui;
    AreaDialog dialog(p, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ustawienia obszaru"));
    QStringList shown;
    whileShown(
        dialog,
        [&] {
            shown = {dialog.leftField()->text(), dialog.bottomField()->text(), dialog.rightField()->text(),
                     dialog.topField()->text()};
            dialog.leftField()->setText(QStringLiteral("-10"));
            dialog.bottomField()->setText(QStringLiteral("-20"));
            dialog.rightField()->setText(QStringLiteral("10"));
            dialog.topField()->setText(QStringLiteral("20"));
        },
        "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_EQ(shown, (QStringList{"-2.5", "0", "50", "50"}));
    EXPECT_EQ(p.view.areaXMin, -10.0f);
    EXPECT_EQ(p.view.areaYMin, -20.0f);
    EXPECT_EQ(p.view.areaXMax, 10.0f);
    EXPECT_EQ(p.view.areaYMax, 20.0f);
    EXPECT_TRUE(ui.shown.empty());
    // The fields in tab order: lower-left X, Y, then upper-right X, Y.
    EXPECT_EQ(dialog.leftField()->nextInFocusChain(), dialog.bottomField());
    EXPECT_EQ(dialog.bottomField()->nextInFocusChain(), dialog.rightField());
    EXPECT_EQ(dialog.rightField()->nextInFocusChain(), dialog.topField());
}

TEST(AreaDialog, EqualCornersOrTextAreRefusedAndTheAreaStays)
{
    const char* cases[][4] = {{"5", "0", "5", "10"}, {"0", "0", "x", "10"}, {"0", "10", "10", "0"}};
    for (const auto& c : cases) {
        Project p = test::emptyProject();
        ScriptedInteraction ui;
        AreaDialog dialog(p, ui);
        whileShown(
            dialog,
            [&] {
                dialog.leftField()->setText(QString::fromUtf8(c[0]));
                dialog.bottomField()->setText(QString::fromUtf8(c[1]));
                dialog.rightField()->setText(QString::fromUtf8(c[2]));
                dialog.topField()->setText(QString::fromUtf8(c[3]));
            },
            "OK");
        EXPECT_TRUE(dialog.edit()); // closed with OK: the window repaints
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(p.view.areaXMin, 0.0f);
        EXPECT_EQ(p.view.areaYMin, 0.0f);
        EXPECT_EQ(p.view.areaXMax, 50.0f);
        EXPECT_EQ(p.view.areaYMax, 50.0f);
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, "Złe wartości definiujące obszar");
        EXPECT_EQ(ui.shown[0].caption, "Ustawianie obszaru");
    }
}

TEST(AreaDialog, CancelChangesNothingAndAsksForNoRepaint)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    AreaDialog dialog(p, ui);
    whileShown(
        dialog, [&] { dialog.rightField()->setText(QStringLiteral("7")); }, "Anuluj");
    EXPECT_FALSE(dialog.edit());
    EXPECT_EQ(p.view.areaXMax, 50.0f);
    EXPECT_TRUE(ui.shown.empty());
}

TEST(ScreenSettingsDialog, OpensWithTheDefaultsOfANewProject)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    ScreenSettingsDialog dialog(p, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ustawienia ekranu"));
    dialog.fill();
    for (const char* on : {"wezly", "elem", "wew", "wpe", "www", "siat"}) {
        ASSERT_NE(dialog.box(on), nullptr) << on;
        EXPECT_TRUE(dialog.box(on)->isChecked()) << on;
    }
    for (const char* off : {"nrwezly", "nrelem", "wse", "kol"}) {
        ASSERT_NE(dialog.box(off), nullptr) << off;
        EXPECT_FALSE(dialog.box(off)->isChecked()) << off;
    }
    EXPECT_EQ(dialog.box("wezly")->text(), QStringLiteral("Węzły"));
    EXPECT_EQ(dialog.box("kol")->text(), QStringLiteral("256 kolorów w palecie"));
    EXPECT_EQ(dialog.fieldX()->text(), QStringLiteral("2"));
    EXPECT_EQ(dialog.fieldY()->text(), QStringLiteral("2"));
}

TEST(ScreenSettingsDialog, OkAppliesTheSettingsAndRebuildsThePalette)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    ScreenSettingsDialog dialog(p, ui);
    whileShown(
        dialog,
        [&] {
            dialog.box("wezly")->setChecked(false);
            dialog.box("nrelem")->setChecked(true);
            dialog.box("kol")->setChecked(true);
            dialog.fieldX()->setText(QStringLiteral("0.5"));
        },
        "OK");
    dialog.edit();
    EXPECT_EQ(p.display.showNodes, 0);
    EXPECT_EQ(p.display.showElementNumbers, 1);
    EXPECT_EQ(p.display.paletteMode, 2);
    EXPECT_EQ(p.palette.colours[28], (Rgb{0, 0, 255}));
    EXPECT_EQ(p.palette.colours[29], (Rgb{0, 0, 128}));
    EXPECT_EQ(p.view.gridStepX, 0.5f);
    EXPECT_TRUE(ui.shown.empty());

    // Each box is a setting of its own: turning one from its default with OK
    // changes that setting and no other.
    const std::pair<const char*, bool ScreenSettings::*> boxes[] = {
        {"wezly", &ScreenSettings::showNodes},
        {"nrwezly", &ScreenSettings::showNodeNumbers},
        {"elem", &ScreenSettings::showElements},
        {"nrelem", &ScreenSettings::showElementNumbers},
        {"wew", &ScreenSettings::showInternalPoints},
        {"wpe", &ScreenSettings::showEndValues},
        {"wse", &ScreenSettings::showMidValues},
        {"www", &ScreenSettings::showInternalValues},
        {"siat", &ScreenSettings::gridOn},
        {"kol", &ScreenSettings::sevenBandPalette},
    };
    for (const auto& [name, setting] : boxes) {
        Project q = test::emptyProject();
        ScreenSettingsDialog one(q, ui);
        whileShown(
            one, [&, name = name] { one.box(name)->setChecked(!one.box(name)->isChecked()); }, "OK");
        one.edit();
        ScreenSettings expected;
        expected.*setting = !(expected.*setting);
        const ScreenSettings got = currentScreenSettings(q);
        for (const auto& [other, otherSetting] : boxes) {
            EXPECT_EQ(got.*otherSetting, expected.*otherSetting) << name << " ticked, " << other << " read";
        }
    }
}

TEST(ScreenSettingsDialog, BadSpacingKeepsTheSpacingButAppliesTheBoxes)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    ScreenSettingsDialog dialog(p, ui);
    whileShown(
        dialog,
        [&] {
            dialog.box("siat")->setChecked(false);
            dialog.fieldY()->setText(QStringLiteral("0"));
        },
        "OK");
    dialog.edit();
    EXPECT_EQ(p.view.gridOn, 0);
    EXPECT_EQ(p.view.gridStepY, 2.0f);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Błędnie podano parametry siatki");
    EXPECT_EQ(ui.shown[0].caption, "Ustawienia ekranu");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
}

TEST(ScreenSettingsDialog, CancelLeavesEverythingAsItWas)
{
    Project p = test::emptyProject();
    const Project before = p;
    ScriptedInteraction ui;
    ScreenSettingsDialog dialog(p, ui);
    whileShown(
        dialog,
        [&] {
            for (QCheckBox* b : dialog.findChildren<QCheckBox*>()) {
                b->setChecked(!b->isChecked());
            }
            dialog.fieldX()->setText(QStringLiteral("9"));
        },
        "Anuluj");
    dialog.edit();
    EXPECT_EQ(p.display.showNodes, 1);
    EXPECT_EQ(p.display.paletteMode, 1);
    EXPECT_EQ(p.view.gridOn, 1);
    EXPECT_EQ(p.view.gridStepX, 2.0f);
    EXPECT_EQ(p.palette.colours, before.palette.colours);
    EXPECT_TRUE(ui.shown.empty());
}

Project colouredProject()
{
    Project p = test::emptyProject();
    test::addPolygon(p, {{5, 5}, {45, 5}, {25, 40}});
    for (int e = 1; e <= 3; ++e) {
        p.elementResults[e].slot[1] = 0;
        p.elementResults[e].slot[2] = 5;
        p.elementResults[e].slot[3] = 10;
    }
    p.resultsValid = 1;
    return p;
}

PaintOutcome repaint(Project& p)
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    return paintModel(painter, p, 640, 480);
}

TEST(ColourScaleWindow, ShownAfterColouringAndHiddenWhenBothViewsAreOff)
{
    Project p = colouredProject();
    ColourScaleWindow scale(p);
    EXPECT_EQ(scale.windowTitle(), QStringLiteral("Skala"));
    EXPECT_EQ(scale.size(), QSize(71, 368));
    EXPECT_FALSE(scale.isVisible());

    togglePotential(p);
    scale.applyPaintOutcome(repaint(p));
    EXPECT_TRUE(scale.isVisible());
    EXPECT_EQ(p.scaleRange.scaleMax, 10.0f);

    toggleFlux(p); // releases the potential view
    scale.applyPaintOutcome(repaint(p));
    EXPECT_TRUE(scale.isVisible());

    toggleFlux(p);
    scale.applyPaintOutcome(repaint(p));
    EXPECT_FALSE(scale.isVisible());

    // Without valid results nothing is coloured even with a view on.
    togglePotential(p);
    p.resultsValid = 0;
    scale.applyPaintOutcome(repaint(p));
    EXPECT_FALSE(scale.isVisible());
}

TEST(ColourScaleWindow, ShowsTheScaleOfTheLastColouringPass)
{
    Project p = colouredProject();
    p.display.showPotential = 1;
    repaint(p);
    ColourScaleWindow scale(p);
    const QImage shown = scale.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(71, 368));
    QImage expected(71, 368, QImage::Format_RGB32);
    {
        QPainter painter(&expected);
        paintColourScale(painter, p.palette, ColourScaleRange{0.0f, 0.05f, 10.0f}, 71, 368);
    }
    EXPECT_EQ(shown, expected);
    // A palette switched by the screen settings shows at the next repaint.
    p.palette = buildPalette(2);
    const QImage banded = scale.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(banded, shown);
    EXPECT_EQ(banded.pixel(60, 20), qRgb(0, 0, 255));
}

TEST(ColourScaleWindow, DocksToTheRightOfTheMainWindowAndNarrowsOneThatOverhangs)
{
    QWidget main;
    const QRect screen = main.screen()->geometry();
    main.setGeometry(screen.left() + 20, screen.top() + 30, 300, 200);
    main.show();
    Project p = colouredProject();
    ColourScaleWindow scale(p);
    scale.dockBeside(main);
    EXPECT_EQ(main.width(), 300);
    EXPECT_EQ(scale.frameGeometry().left(), main.frameGeometry().right() + 1);
    EXPECT_EQ(scale.frameGeometry().top(), main.frameGeometry().top());

    main.setGeometry(screen.right() - 250, screen.top() + 30, 300, 200);
    const int before = main.width();
    scale.dockBeside(main);
    EXPECT_EQ(main.width(), before - scale.frameGeometry().width());
    // Narrowed by its width, the main window still leaves no room for the
    // scale beside it: the scale moves over it, on the screen.
    EXPECT_TRUE(screen.contains(scale.frameGeometry()));
}

TEST(ColourScaleWindow, AMainWindowEndingAtTheScreensEdgeIsNarrowedToo)
{
    QWidget main;
    const QRect screen = main.screen()->availableGeometry();
    main.show();
    Project p = colouredProject();
    ColourScaleWindow scale(p);
    main.resize(300, 200);
    main.move(screen.right() + 1 - main.frameGeometry().width(), screen.top() + 30);
    scale.dockBeside(main);
    EXPECT_EQ(main.width(), 300 - scale.frameGeometry().width());
    EXPECT_TRUE(screen.contains(scale.frameGeometry()));
}

TEST(PrinterSetup, NeitherCrashesNorHangsWithOrWithoutPrinters)
{
    ScriptedInteraction ui;
    PrinterSetup setup(ui);
    QWidget parent;
    const bool printers = !QPrinterInfo::availablePrinterNames().isEmpty();
    if (printers) {
        // Close the platform dialog as soon as it is up.
        QTimer::singleShot(100, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        });
    }
    EXPECT_FALSE(setup.run(&parent));
    if (!printers) {
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].text, kNoPrinterMessage);
        EXPECT_EQ(ui.shown[0].caption, kPrinterSetupCaption);
        EXPECT_EQ(setup.printer(), nullptr);
    } else {
        EXPECT_TRUE(ui.shown.empty());
        EXPECT_NE(setup.printer(), nullptr) << "the printer keeps the choice for the run";
    }
}

} // namespace
} // namespace zorind
