#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/edit/NodeEditing.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/MainWindow.h"
#include "gui/edit/ElementDialog.h"
#include "gui/edit/InternalPointDialog.h"
#include "gui/edit/NodeDialog.h"
#include "gui/edit/NumberPrompt.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::whileShown;

// Every field is read by its label.
void expectLabelled(QWidget& dialog, std::initializer_list<QWidget*> fields)
{
    for (QWidget* field : fields) {
        bool found = false;
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            found = found || label->buddy() == field;
        }
        EXPECT_TRUE(found) << field->objectName().toStdString();
    }
}

TEST(NumberPrompt, LabelByKindFieldStartsAtZeroAndTheNumberComesBack)
{
    Project p = test::emptyProject();
    NumberPrompt prompt(p);
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Podaj numer"));
    expectLabelled(prompt, {prompt.field()});
    const std::pair<int, const char*> kinds[] = {
        {1, "Numer węzła"}, {2, "Numer elementu"}, {3, "Nr węz. wewnętrznego"}, {8, "Ilość punktów w osi"}};
    for (const auto& [kind, text] : kinds) {
        p.selectedNumber = kind;
        QString label;
        QString field;
        whileShown(
            prompt,
            [&] {
                label = prompt.label()->text();
                field = prompt.field()->text();
                prompt.field()->setText(QStringLiteral("12"));
            },
            "OK");
        EXPECT_TRUE(prompt.ask());
        EXPECT_EQ(label, QString::fromUtf8(text));
        EXPECT_EQ(field, QStringLiteral("0")) << "reset on every showing";
        EXPECT_EQ(p.selectedNumber, 12);
    }
    whileShown(
        prompt, [&] { prompt.field()->setText(QStringLiteral("1.5")); }, "OK");
    EXPECT_TRUE(prompt.ask());
    EXPECT_EQ(p.selectedNumber, -1);
    p.selectedNumber = 2;
    whileShown(
        prompt, [&] { prompt.field()->setText(QStringLiteral("7")); }, "Anuluj");
    EXPECT_FALSE(prompt.ask());
    EXPECT_EQ(p.selectedNumber, 2);
}

TEST(NodeDialog, LockedNumberUndoesEditsAndAFreeNumberStaysWithinTheNodes)
{
    Project p = test::emptyProject();
    test::addNode(p, 1.5f, 2);
    test::addNode(p, 3, 4);
    test::addNode(p, -7.25f, 8);
    ScriptedInteraction ui;
    NodeDialog dialog(p, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Współrzędne węzła"));
    expectLabelled(dialog, {dialog.numberField(), dialog.xField(), dialog.yField()});

    p.selectedNumber = 2;
    QStringList seen;
    whileShown(
        dialog,
        [&] {
            seen << dialog.xField()->text() << dialog.yField()->text();
            dialog.numberField()->setText(QStringLiteral("1"));
            seen << dialog.numberField()->text();
            dialog.xField()->setText(QStringLiteral("9.5"));
        },
        "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_EQ(seen, (QStringList{"3", "4", "2"}));
    EXPECT_EQ(p.nodes[2], (Node{9.5f, 4}));

    p.selectedNumber = 0;
    seen.clear();
    whileShown(
        dialog,
        [&] {
            seen << dialog.numberField()->text() << dialog.xField()->text();
            dialog.numberField()->setText(QStringLiteral("9"));
            seen << dialog.numberField()->text() << dialog.xField()->text();
            dialog.numberField()->setText(QStringLiteral("-4"));
            seen << dialog.numberField()->text();
            dialog.numberField()->setText(QStringLiteral("3"));
            dialog.yField()->setText(QStringLiteral("abc"));
        },
        "OK");
    EXPECT_FALSE(dialog.edit()) << "a refused OK closes as cancelled";
    EXPECT_EQ(seen, (QStringList{"1", "1.5", "3", "-7.25", "1"}));
    EXPECT_EQ(p.nodes[3], (Node{-7.25f, 8}));
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Złe dane"});
}

class ElementDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::addPolygon(p, {{0, 0}, {10, 0}, {0, 10}});
        test::addCondition(p, 1, 5, 5, 5);
        test::addBoundary(p, InnerBoundary);
        p.elements[1] = Element{2, 3, 2, 2};
        p.elements.append(Element{1, 1, 1, 1});
        p.selectedNumber = 0; // as "Zmień" > "Własności &elementu" opens it
    }
    std::vector<int> selected() const
    {
        return {dialog.startNodeList()->currentIndex(), dialog.endNodeList()->currentIndex(),
                dialog.conditionList()->currentIndex(), dialog.boundaryList()->currentIndex()};
    }
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    ElementDialog dialog{p, ui};
};

TEST_F(ElementDialogTest, OpensOnElementOneWithAFreeNumberClampedToTheElements)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Własności elementu"));
    expectLabelled(dialog, {dialog.numberField(), dialog.startNodeList(), dialog.endNodeList(), dialog.conditionList(),
                            dialog.boundaryList()});
    QStringList seen;
    std::vector<int> onOpen;
    std::vector<int> onFour;
    bool nodeListsEnabled = true;
    whileShown(
        dialog,
        [&] {
            seen << dialog.numberField()->text();
            onOpen = selected();
            nodeListsEnabled = dialog.startNodeList()->isEnabled() || dialog.endNodeList()->isEnabled();
            EXPECT_EQ(p.selectedNumber, 0);
            dialog.numberField()->setText(QStringLiteral("0"));
            seen << dialog.numberField()->text();
            dialog.numberField()->setText(QStringLiteral("9"));
            seen << dialog.numberField()->text();
            onFour = selected();
            dialog.allowNodeChange()->setChecked(true);
            EXPECT_TRUE(dialog.startNodeList()->isEnabled());
            dialog.endNodeList()->setCurrentIndex(2);
        },
        "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_EQ(seen, (QStringList{"1", "1", "4"}));
    EXPECT_EQ(onOpen, (std::vector<int>{1, 2, 1, 1}));
    EXPECT_EQ(onFour, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_FALSE(nodeListsEnabled);
    EXPECT_EQ(p.elements[4], (Element{1, 3, 1, 1}));
    EXPECT_EQ(dialog.startNodeList()->itemText(1), QStringLiteral("nr 2, x10.000, y0.000"));
    EXPECT_EQ(dialog.conditionList()->itemText(0), QStringLiteral("nr 1, strumień 0.000 0.000 0.000"));
    EXPECT_EQ(dialog.conditionList()->itemText(1), QStringLiteral("nr 2, temperatura 5.000 5.000 5.000"));
    EXPECT_EQ(dialog.boundaryList()->itemText(0), QStringLiteral("nr 1, zewnętrzny"));
    EXPECT_EQ(dialog.boundaryList()->itemText(1), QStringLiteral("nr 2, wewnętrzny"));
}

TEST_F(ElementDialogTest, ApplyStoresWithoutClosingAndABadNumberIsRefused)
{
    p.elements[2] = Element{0, 99, 1, 7}; // left invalid earlier: nothing selected, nothing breaks
    bool openAfterApply = false;
    std::vector<int> broken;
    std::vector<int> afterReactivation;
    whileShown(
        dialog,
        [&] {
            dialog.numberField()->setText(QStringLiteral("2"));
            broken = selected();
            dialog.numberField()->setText(QStringLiteral("3"));
            dialog.boundaryList()->setCurrentIndex(1);
            dialog.applyButton()->click();
            openAfterApply = dialog.isVisible();
            dialog.numberField()->setText(QStringLiteral("x"));
            dialog.applyButton()->click();
            // The window coming back after the error box: element 1's number
            // with element 1's own values, so that OK cannot put the lists'
            // first items over element 1.
            dialog.reactivated();
            afterReactivation = selected();
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("1"));
        },
        "Anuluj");
    EXPECT_TRUE(dialog.edit()) << "what Zastosuj stored stays, whichever way the dialog closes";
    EXPECT_TRUE(openAfterApply);
    EXPECT_EQ(broken, (std::vector<int>{-1, -1, 0, -1}));
    EXPECT_EQ(p.elements[3], (Element{3, 1, 1, 2}));
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Błędne dane"});
    EXPECT_EQ(ui.shown[0].caption, "Własności elementu");
    EXPECT_EQ(afterReactivation, (std::vector<int>{1, 2, 1, 1}));
    EXPECT_EQ(p.elements[1], (Element{2, 3, 2, 2}));
}

TEST(InternalPointDialog, LockedForANewPointFreeOnlyForExistingNumbersAndBadDataCancels)
{
    Project p = test::emptyProject();
    test::addInternalPoint(p, 1, 2);
    test::addInternalPoint(p, 0.5f, -3);
    ScriptedInteraction ui;
    InternalPointDialog dialog(p, ui);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Węzeł wewnętrzny"));
    expectLabelled(dialog, {dialog.numberField(), dialog.xField(), dialog.yField()});

    p.selectedNumber = 2;
    QStringList seen;
    whileShown(
        dialog,
        [&] {
            seen << dialog.xField()->text();
            dialog.numberField()->setText(QStringLiteral("1"));
            seen << dialog.numberField()->text();
            dialog.yField()->setText(QStringLiteral("6"));
        },
        "OK");
    EXPECT_TRUE(dialog.edit());
    EXPECT_EQ(seen, (QStringList{"0.5", "2"}));
    EXPECT_EQ(p.internalPoints[2].y, 6.0f);

    p.selectedNumber = 0;
    seen.clear();
    whileShown(
        dialog,
        [&] {
            seen << dialog.numberField()->text() << dialog.xField()->text();
            dialog.numberField()->setText(QStringLiteral("1"));
            seen << dialog.xField()->text();
            dialog.numberField()->setText(QStringLiteral("3"));
            seen << dialog.numberField()->text();
            dialog.numberField()->setText(QStringLiteral("2"));
            dialog.xField()->setText(QStringLiteral("abc"));
        },
        "OK");
    EXPECT_FALSE(dialog.edit()) << "refused data closes as cancelled";
    EXPECT_EQ(seen, (QStringList{"0", "0", "1", "0"}));
    EXPECT_EQ(p.internalPoints[2].x, 0.5f);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Złe dane"});
}

TEST(EditMenus, AnAddLeavesOnlyWhatItsDialogStored)
{
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    Project& p = window.project();
    test::addNode(p, 1, 1);
    NodeDialog& nodeDialog = window.window<NodeDialog>();
    const auto addNodeTyping = [&](const char* x, const char* button) {
        whileShown(
            nodeDialog,
            [&nodeDialog, x] {
                nodeDialog.xField()->setText(QString::fromUtf8(x));
                nodeDialog.yField()->setText(QStringLiteral("6"));
            },
            button);
        window.action("Wze1")->trigger();
    };
    addNodeTyping("4", "OK");
    ASSERT_EQ(p.nodeCount(), 2);
    EXPECT_EQ(p.nodes[2], (Node{4, 6}));
    EXPECT_TRUE(ui.shown.empty());
    addNodeTyping("4.5x", "OK");
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Złe dane"});
    addNodeTyping("7", "Anuluj");
    EXPECT_EQ(p.nodeCount(), 2) << "neither the refused nor the cancelled node stays";

    test::addElement(p, 1, 2);
    ElementDialog& elementDialog = window.window<ElementDialog>();
    QString numberShown;
    whileShown(
        elementDialog,
        [&] {
            numberShown = elementDialog.numberField()->text();
            elementDialog.numberField()->setText(QStringLiteral("1"));
            elementDialog.allowNodeChange()->setChecked(true);
            elementDialog.startNodeList()->setCurrentIndex(1);
        },
        "OK");
    window.action("Element1")->trigger();
    EXPECT_EQ(numberShown, QStringLiteral("2")) << "the dialog opens on the new element";
    ASSERT_EQ(p.elementCount(), 2);
    EXPECT_EQ(p.elements[1], (Element{1, 2, 1, 1}));
    EXPECT_EQ(p.elements[2], (Element{2, 1, 1, 1}));
    whileShown(
        elementDialog, [&] { elementDialog.startNodeList()->setCurrentIndex(0); }, "Anuluj");
    window.action("Element1")->trigger();
    EXPECT_EQ(p.elementCount(), 2);
    EXPECT_EQ(ui.shown.size(), 1u);
}

} // namespace
} // namespace zorind
