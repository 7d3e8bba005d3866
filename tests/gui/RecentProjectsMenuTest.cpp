// The "Plik" menu's list of recent projects, as the window keeps it.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <filesystem>

#include "core/model/ProjectFile.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/MainWindow.h"
#include "gui/app/RecentProjectsMenu.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

// The shown captions of the "Plik" menu from its last separator but one:
// the recent projects and "&Koniec".
QStringList tailOfPlik(const MainWindow& window)
{
    QStringList shown;
    for (QAction* a : window.findChild<QMenu*>(QStringLiteral("Plik1"))->actions()) {
        if (a->isVisible()) {
            shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
    }
    return shown.mid(shown.lastIndexOf(QStringLiteral("&Ustawienia drukarki")) + 1);
}

QAction* item(const MainWindow& window, int n)
{
    return window.findChild<QAction*>(QStringLiteral("Ostatni%1").arg(n));
}

QStringList stored()
{
    return QSettings().value(QString::fromLatin1(RecentProjectsMenu::kSettingsKey)).toStringList();
}

TEST(RecentProjectsMenu, ListsWhatWasOpenedOrSavedOutlivesTheWindowAndOpensAsOtworz)
{
    test::TempDir dir;
    Project triangle = test::emptyProject();
    test::addPolygon(triangle, {{0, 0}, {4, 0}, {0, 3}});
    const std::string a = dir.file("a&b.tav");
    ASSERT_TRUE(saveProjectFile(triangle, a).ok());
    const std::string b = dir.file("kopia.tav");
    const QString qa = QString::fromStdString(a);
    const QString qb = QString::fromStdString(b);

    ScriptedInteraction ui;
    {
        MainWindow window;
        window.setInteraction(&ui);
        EXPECT_EQ(tailOfPlik(window), QStringList({QStringLiteral("-"), QStringLiteral("&Koniec")}));
        ui.files = {a};
        window.action("Otworz1")->trigger();
        ui.files = {b};
        window.action("Zapiszjako1")->trigger();
        EXPECT_EQ(tailOfPlik(window),
                  QStringList({QStringLiteral("-"), QStringLiteral("&1 kopia.tav"), QStringLiteral("&2 a&&b.tav"),
                               QStringLiteral("-"), QStringLiteral("&Koniec")}));
        EXPECT_EQ(item(window, 1)->toolTip(), qb);
        EXPECT_EQ(item(window, 2)->toolTip(), qa);
        EXPECT_EQ(stored(), QStringList({qb, qa}));
    }

    // The next run: the same list; an item opens its project as "Otwórz"
    // opens the file chosen, after the offer to save,
    // and the editing history starts afresh.
    MainWindow window;
    window.setInteraction(&ui);
    EXPECT_EQ(tailOfPlik(window).mid(1, 2),
              QStringList({QStringLiteral("&1 kopia.tav"), QStringLiteral("&2 a&&b.tav")}));
    window.project().projectOpen = true;
    window.runGuarded([&] { test::addNode(window.project(), 9, 9); });
    ASSERT_TRUE(window.canUndo());
    ui.clear();
    ui.choices = {false};
    item(window, 2)->trigger();
    EXPECT_EQ(ui.textsShown(),
              (std::vector<std::string>{"Projekt został zmieniony. Zapisać zmiany?", "Odczytano dane z pliku " + a}));
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_EQ(window.project().filePath, a);
    EXPECT_EQ(window.project().elementCount(), 3);
    EXPECT_FALSE(window.canUndo());
    EXPECT_EQ(item(window, 1)->text(), QStringLiteral("&1 a&&b.tav"));
    EXPECT_EQ(stored(), QStringList({qa, qb}));

    // A project gone from the disk leaves the list with a message.
    ASSERT_TRUE(std::filesystem::remove(b));
    ui.clear();
    item(window, 2)->trigger();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(tailOfPlik(window), QStringList({QStringLiteral("-"), QStringLiteral("&1 a&&b.tav"), QStringLiteral("-"),
                                               QStringLiteral("&Koniec")}));
    EXPECT_EQ(stored(), QStringList({qa}));
    EXPECT_EQ(window.project().filePath, a);
    EXPECT_EQ(window.project().elementCount(), 3);
}

} // namespace
} // namespace zorind
