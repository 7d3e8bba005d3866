#include <gtest/gtest.h>

#include <QWidget>

#include "core/ui/ScriptedInteraction.h"
#include "gui/app/Windows.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

template <class... W> void expectEachMadeOnFirstUseOnce(const WindowSet& set, WindowList<W...>)
{
    (
        [&] {
            EXPECT_EQ(set.created<W>(), nullptr) << "made before it was asked for";
            W* first = &set.get<W>();
            EXPECT_EQ(set.created<W>(), first);
            EXPECT_EQ(&set.get<W>(), first) << "made a second time";
        }(),
        ...);
}

// No window is made with the set; each is made the first time it is asked
// for, and that one comes back every time after.
TEST(WindowSet, MakesEachWindowOnFirstUseAndKeepsIt)
{
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    QWidget mainWindow;
    const WindowSet set(p, ui, &mainWindow, [] {});
    expectEachMadeOnFirstUseOnce(set, AllWindows{});
}

} // namespace
} // namespace zorind
