#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "app/TGL.h"
#include "lists/Tl_brz.h"
#include "lists/Tl_ele.h"
#include "lists/Tl_wb.h"
#include "lists/Tl_wez.h"
#include "lists/Tl_wezw.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"
#include "ui/ScriptedInteraction.h"

namespace zorind {
namespace {

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
    TGL window;
};

TEST_F(ListWindows, OpenOnlyWithEntriesAndShowTheModelOnceEachTime)
{
    Project& p = window.project();
    EXPECT_FALSE(open<Tl_wez>("Wzw1"));
    EXPECT_FALSE(open<Tl_ele>("Elementw1"));
    EXPECT_FALSE(open<Tl_wezw>("Wzwwewntrznych1"));
    EXPECT_FALSE(window.action("Strukturaprojektu1")->isEnabled());

    test::addNode(p, 0.1f, 2);
    test::addNode(p, 4, 0);
    test::addElement(p, 1, 2);
    test::addInternalPoint(p, 1, 1);
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE(open<Tl_wez>("Wzw1", [](Tl_wez& w) {
            EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Lista węzłów"));
            ASSERT_EQ(w.grid()->rowCount(), 3);
            EXPECT_EQ(w.grid()->item(0, 2)->text(), QStringLiteral("y"));
            EXPECT_EQ(w.grid()->item(1, 1)->text().size(), 17); // 0.100000001490116
        }));
        EXPECT_TRUE(open<Tl_ele>("Elementw1", [](Tl_ele& w) {
            ASSERT_EQ(w.list()->count(), 1);
            EXPECT_EQ(w.list()->item(0)->text(), QStringLiteral("1 - 1, 2, 1, 1"));
            EXPECT_EQ(w.makeCurrentButton(), nullptr);
            EXPECT_EQ(w.heading()->buddy(), w.list());
        }));
        EXPECT_TRUE(open<Tl_wezw>("Wzwwewntrznych1", [](Tl_wezw& w) { EXPECT_EQ(w.grid()->rowCount(), 2); }));
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

    EXPECT_TRUE(open<Tl_brz>("Brzegw1", [this](Tl_brz& w) {
        ASSERT_EQ(w.list()->count(), 2);
        EXPECT_EQ(w.list()->item(1)->text(), QString::fromUtf8("2 - wewnętrzny "));
        w.makeCurrentButton()->click(); // nothing selected
        EXPECT_TRUE(ui.shown.empty());
        w.list()->setCurrentRow(1);
        w.makeCurrentButton()->click();
        EXPECT_TRUE(w.isVisible());
    }));
    EXPECT_EQ(window.project().currentBoundary, 2);
    EXPECT_EQ(window.boundarySelector()->currentText(), QStringLiteral("Brzeg 2 wew"));

    EXPECT_TRUE(open<Tl_wb>("Warunkwbrzegowych1", [](Tl_wb& w) {
        ASSERT_EQ(w.list()->count(), 2);
        w.list()->setCurrentRow(1);
        w.makeCurrentButton()->click();
    }));
    EXPECT_EQ(p.currentCondition, 3);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Czy brzeg 2 wybrać jako aktualny",
                                                         "Czy warunek brzegowy 3 wybrać jako aktualny"}));
}

} // namespace
} // namespace zorind
