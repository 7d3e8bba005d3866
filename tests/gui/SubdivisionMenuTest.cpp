#include <gtest/gtest.h>

#include <QAction>

#include "core/edit/Subdivision.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/MainWindow.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

// "Zmień" > "Podziel elementy" asks through the window's prompts and is one
// step of the editing history.
TEST(SubdivisionMenu, SplitsTheCurrentBoundaryAndCofnijTakesItBackWhole)
{
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    Project& p = window.project();
    test::addPolygon(p, {{0, 0}, {6, 0}, {0, 6}});
    const std::vector<Element> before = test::elementsOf(p);

    ui.numbers = {0.0, 3.0};
    window.action("Podzielelementy1")->trigger();
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{kSubdivideElementPrompt, kSubdividePartsPrompt}));
    EXPECT_EQ(p.elementCount(), 9);
    EXPECT_EQ(p.nodeCount(), 9);
    ASSERT_TRUE(window.action("Cofnij1")->isEnabled());

    window.action("Cofnij1")->trigger();
    EXPECT_EQ(test::elementsOf(p), before);
    EXPECT_EQ(p.nodeCount(), 3);
}

} // namespace
} // namespace zorind
