#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "core/ui/ScriptedInteraction.h"
#include "gui/app/MainWindow.h"
#include "gui/lists/BoundaryList.h"
#include "gui/lists/ConditionList.h"
#include "gui/lists/ElementList.h"
#include "gui/lists/GridLists.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::LocaleGuard;
using test::whileShown;

class ListWindows : public ::testing::Test {
protected:
    void SetUp() override { window.setInteraction(&ui); }

    void trigger(const char* name) { window.action(name)->trigger(); }

    // Opens the list of menu item `name`; `action` runs while it is shown.
    // Whether it opened at all.
    template <class W> bool open(const char* name, std::function<void(W&)> action = {})
    {
        W& list = window.window<W>();
        bool opened = false;
        whileShown(
            list,
            [&] {
                opened = list.isVisible();
                if (opened && action) {
                    action(list);
                }
            },
            "OK");
        trigger(name);
        QCoreApplication::processEvents(); // the timer of a window that never opened
        return opened;
    }

    ScriptedInteraction ui;
    MainWindow window;
};

TEST_F(ListWindows, OpenOnlyWithEntriesAndShowTheModelOnceEachTime)
{
    Project& p = window.project();
    EXPECT_FALSE(open<NodeList>("Wzw1"));
    EXPECT_FALSE(open<ElementList>("Elementw1"));
    EXPECT_FALSE(open<InternalPointList>("Wzwwewntrznych1"));
    EXPECT_FALSE(window.action("Strukturaprojektu1")->isEnabled());

    test::addNode(p, 0.1f, 2);
    test::addNode(p, 4, 0);
    test::addElement(p, 1, 2);
    test::addInternalPoint(p, 1, 1);
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE(open<NodeList>("Wzw1", [](NodeList& w) {
            EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Lista węzłów"));
            ASSERT_EQ(w.grid()->rowCount(), 2);
            EXPECT_EQ(w.grid()->horizontalHeaderItem(2)->text(), QStringLiteral("y"));
            EXPECT_EQ(w.grid()->item(0, 1)->text().size(), 17); // 0.100000001490116
        }));
        EXPECT_TRUE(open<ElementList>("Elementw1", [](ElementList& w) {
            ASSERT_EQ(w.list()->count(), 1);
            EXPECT_EQ(w.list()->item(0)->text(), QStringLiteral("1 - 1, 2, 1, 1"));
            EXPECT_EQ(w.makeCurrentButton(), nullptr);
            EXPECT_EQ(w.heading()->buddy(), w.list());
        }));
        EXPECT_TRUE(open<InternalPointList>("Wzwwewntrznych1",
                                            [](InternalPointList& w) { EXPECT_EQ(w.grid()->rowCount(), 1); }));
    }
}

TEST_F(ListWindows, MakeCurrentNamesTheSelectedEntryAndIgnoresNoSelection)
{
    Project& p = window.project();
    test::addBoundary(p, InnerBoundary);
    p.analysisType = Elasticity;
    test::addCondition(p, 3, 0, 0, 0); // no entry in an elasticity list
    test::addCondition(p, 1, 0, 0, 0);
    ui.answers = {true, true};

    EXPECT_TRUE(open<BoundaryList>("Brzegw1", [this](BoundaryList& w) {
        ASSERT_EQ(w.list()->count(), 2);
        EXPECT_EQ(w.list()->item(1)->text(), QString::fromUtf8("2 - wewnętrzny "));
        w.makeCurrentButton()->click(); // nothing selected
        EXPECT_TRUE(ui.shown.empty());
        w.list()->setCurrentRow(1);
        w.makeCurrentButton()->click();
        EXPECT_TRUE(w.isVisible());
        // Settled at once: the selector follows while the list stays open.
        EXPECT_EQ(window.boundarySelector()->currentText(), QStringLiteral("Brzeg 2 wew"));
    }));
    EXPECT_EQ(window.project().currentBoundary, 2);
    EXPECT_EQ(window.boundarySelector()->currentText(), QStringLiteral("Brzeg 2 wew"));

    EXPECT_TRUE(open<ConditionList>("Warunkwbrzegowych1", [](ConditionList& w) {
        ASSERT_EQ(w.list()->count(), 2);
        w.list()->setCurrentRow(1);
        w.makeCurrentButton()->click();
    }));
    EXPECT_EQ(p.currentCondition, 3);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Czy brzeg 2 wybrać jako aktualny",
                                                         "Czy warunek brzegowy 3 wybrać jako aktualny"}));
}

// Every entry is drawn whole, never shortened with "…"; `inSight`: without
// scrolling sideways.
void expectEntriesWhole(const QListWidget& list, bool inSight)
{
    const int margins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    for (int r = 0; r < list.count(); ++r) {
        const QString text = list.item(r)->text();
        EXPECT_GE(list.visualItemRect(list.item(r)).width(), list.fontMetrics().horizontalAdvance(text) + margins)
            << text.toStdString();
    }
    EXPECT_EQ(list.horizontalScrollBar()->maximum() == 0, inSight);
}

// A list window widens to show its heading, its entries and its columns
// whole, never narrower than designed and never beyond the screen, where the
// rest scrolls.
TEST(ListWindowSizes, EveryListShowsItsContentWholeWithinTheScreen)
{
    LocaleGuard c(QLocale::c());
    Project p = test::emptyProject();
    test::addNode(p, 0.1f, -123456.79f);
    test::addNode(p, 1.3f, 0.7f);
    test::addElement(p, 1, 2);
    ScriptedInteraction ui;
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();

    NodeList nodes(p);
    nodes.show();
    EXPECT_EQ(nodes.minimumSize(), QSize(278, 376));
    EXPECT_GT(nodes.width(), 278) << "the designed width cuts the y column";
    EXPECT_EQ(nodes.grid()->horizontalScrollBar()->maximum(), 0) << "x and y in sight";
    nodes.close();

    ElementList elements(p);
    elements.show();
    EXPECT_EQ(elements.minimumSize(), QSize(295, 348));
    EXPECT_GE(elements.heading()->width(), elements.heading()->sizeHint().width()) << "the heading whole";
    expectEntriesWhole(*elements.list(), true);
    elements.close();

    BoundaryList boundaries(p, ui);
    boundaries.show();
    EXPECT_EQ(boundaries.size(), QSize(280, 348)) << "short entries keep the designed size";
    EXPECT_EQ(boundaries.minimumSize(), boundaries.size());
    boundaries.close();

    p.analysisType = Elasticity;
    p.conditions[1] = {1, 0.1f, 0.2f, 0.3f, 0, 0, 0, 0};
    ConditionList conditions(p, ui);
    conditions.show();
    EXPECT_GT(conditions.width(), 280);
    EXPECT_LE(conditions.width(), screen.width());
    expectEntriesWhole(*conditions.list(), true);
    conditions.close();

    p.conditions[1] = {1, -1.2345678e-30f, -2.3456789e-30f, -3.4567891e-30f, 0, 0, 0, 0};
    p.conditions[1].atNode1Y = -4.5678912e-30f;
    p.conditions[1].atMiddleY = -5.6789123e-30f;
    p.conditions[1].atNode2Y = -6.7891234e-30f;
    conditions.show();
    EXPECT_LE(conditions.frameGeometry().width(), screen.width());
    expectEntriesWhole(*conditions.list(), false);
    conditions.close();

    for (int e = 1; e <= 2; ++e) {
        for (int s = 1; s <= 3; ++s) {
            p.elementResults[e].slot[s] = -9.87654e+37f / static_cast<float>(e + s);
            p.fluxResults[e].slot[s] = 1.23457e-30f * static_cast<float>(e * s);
        }
    }
    test::addElement(p, 2, 1);
    ResultsList results(p);
    results.show();
    EXPECT_LE(results.frameGeometry().width(), screen.width());
    EXPECT_GT(results.grid()->horizontalScrollBar()->maximum(), 0) << "the columns beyond the screen scroll";
    results.close();
}

// Kopiuj copies the selected entries under the column headings. A list that
// makes an entry current lets one entry be selected; the others let several
// be picked with Ctrl for copying.
TEST_F(ListWindows, CopyTakesSeveralEntriesOnlyWhereNoneIsMadeCurrent)
{
    Project& p = window.project();
    test::addPolygon(p, {{0, 0}, {4, 0}, {4, 3}});
    test::addBoundary(p, InnerBoundary);
    const auto click = [](QListWidget* list, int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
    };
    QStringList copied;
    EXPECT_TRUE(open<ElementList>("Elementw1", [&](ElementList& w) {
        click(w.list(), 0, Qt::NoModifier);
        click(w.list(), 2, Qt::ControlModifier);
        copied = w.copiedText().split('\n');
    }));
    EXPECT_EQ(copied, QStringList({QString::fromUtf8("Nr elementu\tWęzeł 1\tWęzeł 2\tNr war. brzegowego\tNr brzegu"),
                                   "1\t1\t2\t1\t1", "3\t3\t1\t1\t1", ""}));

    EXPECT_TRUE(open<BoundaryList>("Brzegw1", [&](BoundaryList& w) {
        click(w.list(), 0, Qt::NoModifier);
        click(w.list(), 1, Qt::ControlModifier);
        copied = w.copiedText().split('\n');
    }));
    EXPECT_EQ(copied, QStringList({"Nr brzegu\tTyp", QString::fromUtf8("2\twewnętrzny"), ""}));
}

} // namespace
} // namespace zorind
