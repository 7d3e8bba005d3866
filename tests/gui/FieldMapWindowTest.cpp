// "Widok" > "&Mapa pola" in the main window: the map is computed beside the
// window and painted under the drawing once it is ready.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include "core/session/FileCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/view/ColourScaleWindow.h"

namespace zorind {
namespace {

// The pixels of the drawing in a palette entry's colour.
int paletteColoured(MainWindow& window)
{
    window.drawingArea()->ensurePicture();
    const QImage& picture = window.drawingArea()->picture();
    const ColourPalette& palette = window.project().palette;
    int count = 0;
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2) {
            const QRgb p = picture.pixel(x, y);
            for (const Rgb& c : palette.colours) {
                if (p == qRgb(c.r, c.g, c.b) && p != qRgb(255, 255, 255)) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

TEST(FieldMapWindow, TickingTheItemColoursTheRegionAndUntickingClearsIt)
{
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    window.resize(640, 480);
    window.show();
    ASSERT_TRUE(openProjectPath(window.project(), ui, std::string(ZORIND_EXAMPLES_DIR) + "/pierscien.tav", false));
    window.requestRepaint();
    QAction* map = window.findChild<QAction*>(QStringLiteral("Mapapola1"));
    ASSERT_NE(map, nullptr);
    window.findChild<QAction*>(QStringLiteral("SolveB"))->trigger();
    ASSERT_EQ(window.project().resultsValid, 1);
    const int without = paletteColoured(window);

    map->trigger();
    EXPECT_TRUE(map->isChecked());
    // The map comes from a worker thread: a few repaints later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return paletteColoured(window) > without + 1000; }, 20000));
    EXPECT_TRUE(window.window<ColourScaleWindow>().isVisible()) << "the map shows its colour scale";

    map->trigger();
    EXPECT_FALSE(map->isChecked());
    EXPECT_EQ(paletteColoured(window), without);

    // The map goes with the results.
    map->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return paletteColoured(window) > without + 1000; }, 20000));
    window.project().resultsValid = 0;
    window.requestRepaint();
    EXPECT_LT(paletteColoured(window), without + 100);
    ui.answers = {true};
    window.close();
}

// In an elasticity project computed by "Oblicz sprężystość" the map colours
// the region by the reduced stress, with the colour scale shown.
TEST(FieldMapWindow, ElasticityResultsAreMappedByTheReducedStress)
{
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    window.resize(640, 480);
    window.show();
    ASSERT_TRUE(openProjectPath(window.project(), ui, std::string(ZORIND_EXAMPLES_DIR) + "/wspornik.tav", false));
    window.requestRepaint();
    QCoreApplication::processEvents();
    QAction* solve = window.findChild<QAction*>(QStringLiteral("Obliczsprezystosc1"));
    ASSERT_TRUE(solve->isEnabled());
    solve->trigger();
    ASSERT_EQ(window.project().resultsValid, 1);
    const int without = paletteColoured(window);

    QAction* map = window.findChild<QAction*>(QStringLiteral("Mapapola1"));
    ASSERT_NE(map, nullptr);
    map->trigger();
    EXPECT_TRUE(map->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return paletteColoured(window) > without + 1000; }, 20000));
    EXPECT_TRUE(window.window<ColourScaleWindow>().isVisible());
    ui.answers = {true};
    window.close();
}

} // namespace
} // namespace zorind
