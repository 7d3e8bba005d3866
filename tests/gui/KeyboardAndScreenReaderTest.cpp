// What the window offers a user without a mouse, or with a screen reader.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <vector>

#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/edit/BoundaryDialog.h"
#include "gui/edit/CircleDialog.h"
#include "gui/edit/ConditionDialog.h"
#include "gui/edit/ElasticConditionDialog.h"
#include "gui/edit/ElementDialog.h"
#include "gui/edit/InternalPointDialog.h"
#include "gui/edit/NodeDialog.h"
#include "gui/edit/NumberPrompt.h"
#include "gui/edit/PhysicalPropertiesDialog.h"
#include "gui/view/AnalysisTypeDialog.h"
#include "gui/view/AreaDialog.h"
#include "gui/view/GridDialog.h"
#include "gui/view/ResultScalingDialog.h"
#include "gui/view/ScreenSettingsDialog.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

class KeyboardAndScreenReader : public ::testing::Test {
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
        ui.answers = {true};
        window.close();
    }

    // What a screen reader is told the widget is called.
    static QString spoken(QWidget* widget)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face == nullptr ? QStringLiteral("<none>") : face->text(QAccessible::Name);
    }

    ScriptedInteraction ui;
    MainWindow window;
};

TEST_F(KeyboardAndScreenReader, StatusPanelsReadWhatTheyShowAndBlankOnesWhatTheyAreFor)
{
    QLabel* x = window.statusPanel(0);
    QLabel* prompt = window.statusPanel(3);
    EXPECT_EQ(spoken(x), QStringLiteral("x="));
    EXPECT_EQ(spoken(prompt), QStringLiteral("Polecenie"));

    window.action("SpeedButton1")->trigger();
    EXPECT_EQ(spoken(prompt), QString::fromUtf8("Wskaż pierwszy punkt myszką"));
    Project& p = window.project();
    DrawingArea* area = window.drawingArea();
    area->ensurePicture();
    const QPoint at(p.view.toScreenX(4), p.view.toScreenY(6));
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(p.view.toScreenX(10), p.view.toScreenY(6)));
    QTest::mouseMove(area, at);
    QTest::mouseClick(area, Qt::LeftButton, {}, at);
    for (int i : {0, 1, 3, 4, 5}) {
        EXPECT_FALSE(window.statusPanel(i)->text().trimmed().isEmpty()) << i;
        EXPECT_EQ(spoken(window.statusPanel(i)), window.statusPanel(i)->text()) << i;
    }
    EXPECT_EQ(spoken(x), QStringLiteral("x=4"));

    window.action("Koniecliniamanej1")->trigger();
    EXPECT_EQ(prompt->text(), QStringLiteral(" "));
    EXPECT_EQ(spoken(prompt), QStringLiteral("Polecenie"));
}

TEST_F(KeyboardAndScreenReader, ToolButtonsAreReachedByTabAndPressedBySpace)
{
    std::vector<QWidget*> buttons;
    for (QToolBar* bar : {window.commandToolBar(), window.selectorToolBar()}) {
        for (QAction* a : bar->actions()) {
            QWidget* button = bar->widgetForAction(a);
            if (!a->isSeparator() && button != nullptr && a->isEnabled()) {
                buttons.push_back(button);
            }
        }
    }
    ASSERT_FALSE(buttons.empty());
    buttons.front()->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), buttons.front());
    QSet<QWidget*> reached{buttons.front()};
    for (std::size_t i = 0; i < 2 * buttons.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (QWidget* button : buttons) {
        EXPECT_TRUE(reached.contains(button))
            << button->objectName().toStdString() << " " << button->toolTip().toStdString();
    }

    QWidget* nodeNumbers = window.commandToolBar()->widgetForAction(window.action("BWEZLY"));
    nodeNumbers->setFocus(Qt::TabFocusReason);
    QTest::keyClick(nodeNumbers, Qt::Key_Space);
    EXPECT_EQ(window.project().display.showNodeNumbers, 1);
    EXPECT_TRUE(window.action("BWEZLY")->isChecked());
}

TEST_F(KeyboardAndScreenReader, EveryMenuOfTheBarHasALetterOfItsOwnAndAltOpensThatMenuEveryTime)
{
    QStringList shown;
    QSet<QKeySequence> letters;
    for (QAction* a : window.menuBar()->actions()) {
        shown << QString(a->text()).remove(QLatin1Char('&'));
        const QKeySequence letter = QKeySequence::mnemonic(a->text());
        EXPECT_FALSE(letter.isEmpty()) << a->text().toStdString();
        EXPECT_FALSE(letters.contains(letter)) << a->text().toStdString();
        letters.insert(letter);
    }
    EXPECT_EQ(shown, QStringList({QStringLiteral("Plik"), QStringLiteral("Dodaj"), QString::fromUtf8("Zmień"),
                                  QString::fromUtf8("Usuń"), QStringLiteral("Listy"), QStringLiteral("Obliczenia"),
                                  QStringLiteral("Widok"), QStringLiteral("Ustawienia"), QStringLiteral("Pomoc")}));

    const auto openWithAlt = [this](Qt::Key key) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QString name = open == nullptr ? QString() : open->objectName();
        if (open != nullptr) {
            open->close();
        }
        return name;
    };
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(openWithAlt(Qt::Key_P), QStringLiteral("Plik1")) << round;
        EXPECT_EQ(openWithAlt(Qt::Key_U), QStringLiteral("Usu1")) << round;
    }
}

// The dialog of each kind, opened as its command opens it, with the field
// its focus belongs in.
struct DialogCase {
    std::function<QDialog&(MainWindow&)> dialog;
    std::function<QWidget*(QDialog&)> firstField;
};

QWidget* named(QDialog& d, const char* name)
{
    return d.findChild<QWidget*>(QString::fromLatin1(name));
}

std::function<QWidget*(QDialog&)> fieldNamed(const char* name)
{
    return [name](QDialog& d) { return named(d, name); };
}

TEST_F(KeyboardAndScreenReader, EveryDialogOpensInItsFirstFieldWithOkAsTheDefaultButton)
{
    test::addPolygon(window.project(), {{0, 0}, {4, 0}, {0, 3}});
    window.window<AnalysisTypeDialog>().checkIndex(2);
    window.window<ResultScalingDialog>().checkIndex(3);
    const std::vector<DialogCase> cases = {
        {[](MainWindow& w) -> QDialog& { return w.window<GridDialog>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<AreaDialog>(); }, fieldNamed("Edit3")},
        {[](MainWindow& w) -> QDialog& { return w.window<PhysicalPropertiesDialog>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<ScreenSettingsDialog>(); }, fieldNamed("wezly")},
        {[](MainWindow& w) -> QDialog& { return w.window<CircleDialog>(); }, fieldNamed("xx")},
        {[](MainWindow& w) -> QDialog& { return w.window<NumberPrompt>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<NodeDialog>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<InternalPointDialog>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<ElementDialog>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<BoundaryDialog>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<ConditionDialog>(); }, fieldNamed("Edit1")},
        {[](MainWindow& w) -> QDialog& { return w.window<ElasticConditionDialog>(); }, fieldNamed("Edit1")},
        // Of a group of radio buttons, the one checked.
        {[](MainWindow& w) -> QDialog& { return w.window<AnalysisTypeDialog>(); },
         [this](QDialog&) { return window.window<AnalysisTypeDialog>().buttonAt(2); }},
        {[](MainWindow& w) -> QDialog& { return w.window<ResultScalingDialog>(); },
         [this](QDialog&) { return window.window<ResultScalingDialog>().buttonAt(3); }},
    };
    for (const DialogCase& c : cases) {
        QDialog& dialog = c.dialog(window);
        SCOPED_TRACE(dialog.objectName().toStdString());
        window.project().selectedNumber = 0;
        // The last opening ended with a click on "Anuluj", which took the
        // focus.
        dialog.show();
        QPushButton* cancel = test::button(dialog, "Anuluj");
        ASSERT_NE(cancel, nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
        ASSERT_FALSE(dialog.isVisible());

        dialog.show();
        QWidget* first = c.firstField(dialog);
        ASSERT_NE(first, nullptr);
        // The field the focus goes to whenever the dialog is active.
        EXPECT_EQ(dialog.focusWidget(), first);
        QPushButton* ok = test::button(dialog, "OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_FALSE(cancel->isDefault());
        QSignalSpy okPressed(ok, &QPushButton::clicked);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(okPressed.count(), 1) << "Enter means OK";
        dialog.hide();
        ui.clear();
    }
}

// Adding a condition: the number is the new one's and cannot be typed over,
// so the focus starts in the field after it; Enter keeps the condition even
// after the last one was dropped with a click on "Anuluj".
TEST_F(KeyboardAndScreenReader, EnterKeepsANewConditionWhateverButtonClosedTheDialogBefore)
{
    ConditionDialog& dialog = window.window<ConditionDialog>();
    const auto whileOpen = [&dialog](std::function<void()> step) {
        QTimer::singleShot(0, &dialog, [&dialog, step] {
            step();
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
    };
    whileOpen([&dialog] { QTest::mouseClick(test::button(dialog, "Anuluj"), Qt::LeftButton); });
    window.action("Dodaj2")->trigger();
    ASSERT_EQ(window.project().conditionCount(), 1);

    QWidget* focused = nullptr;
    whileOpen([&] {
        focused = dialog.focusWidget();
        QTest::keyClick(focused, Qt::Key_Return);
    });
    window.action("Dodaj2")->trigger();
    EXPECT_EQ(focused, static_cast<QWidget*>(dialog.oneValue()));
    EXPECT_EQ(window.project().conditionCount(), 2);
    EXPECT_EQ(window.project().currentCondition, 2);
}

} // namespace
} // namespace zorind
