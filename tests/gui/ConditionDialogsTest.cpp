#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

#include "core/edit/Boundaries.h"
#include "core/edit/Conditions.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/edit/BoundaryDialog.h"
#include "gui/edit/ConditionDialog.h"
#include "gui/edit/ElasticConditionDialog.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

using test::button;
using test::whileShown;

// Runs `action` once the dialog is up and active, so that the fill on
// activation has happened before the fields are typed into.
void whenActive(QDialog& dialog, std::function<void()> action, const char* caption)
{
    whileShown(
        dialog,
        [&dialog, action = std::move(action)] {
            (void)QTest::qWaitForWindowActive(&dialog);
            action();
        },
        caption);
}

TEST(ConditionDialog, LockWhileAddingCouplingValidationOrderAndCaptions)
{
    Project p = test::emptyProject();
    test::addCondition(p, 1, 1, 2, 3);
    ScriptedInteraction ui;
    ConditionDialog dialog(p, ui);
    const auto runConditionDialog = [&](ConditionDialogKind) { return dialog.edit(); };
    QLineEdit* w1 = dialog.valueField(0);
    QLineEdit* w2 = dialog.valueField(1);
    QLineEdit* w3 = dialog.valueField(2);

    // Adding: the number is the new condition's and cannot be changed;
    // `jeden` copies w1 into the other two.
    whenActive(
        dialog,
        [&] {
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("3"));
            EXPECT_TRUE(dialog.potentialRadio()->isChecked());
            EXPECT_EQ(dialog.potentialRadio()->text(), QStringLiteral("temperatura"));
            EXPECT_EQ(dialog.fluxRadio()->text(), QString::fromUtf8("strumień ciepła"));
            EXPECT_TRUE(dialog.convectionRadio()->isEnabled());
            EXPECT_TRUE(dialog.ambientField()->isEnabled());
            dialog.numberField()->setText(QStringLiteral("2"));
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("3"));
            dialog.oneValue()->setChecked(false);
            EXPECT_TRUE(w2->isEnabled());
            dialog.oneValue()->setChecked(true);
            w1->setText(QStringLiteral("5"));
            EXPECT_EQ(w2->text(), QStringLiteral("5"));
            EXPECT_EQ(w3->text(), QStringLiteral("5"));
            EXPECT_FALSE(w2->isEnabled());
            EXPECT_FALSE(w3->isEnabled());
        },
        "OK");
    addCondition(p, ui, runConditionDialog);
    EXPECT_EQ(p.conditions[3], (BoundaryCondition{1, 5, 5, 5}));
    EXPECT_EQ(p.currentCondition, 3);

    // Adding, then a value that is no number with OK: the message, and the
    // new condition is dropped.
    whenActive(
        dialog, [&] { w1->setText(QStringLiteral("abc")); }, "OK");
    addCondition(p, ui, runConditionDialog);
    EXPECT_EQ(p.conditionCount(), 3);
    EXPECT_EQ(p.currentCondition, 3);
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Złe dane"}));
    EXPECT_EQ(ui.shown[0].caption, "Warunek brzegowy");
    ui.clear();

    // Changing: a typed number loads that condition; one naming none
    // changes nothing. "Zastosuj" keeps the dialog open whatever happens.
    whenActive(
        dialog,
        [&] {
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("0"));
            // A constant condition: its one value stays editable, the
            // copies of it do not.
            dialog.numberField()->setText(QStringLiteral("3"));
            EXPECT_TRUE(dialog.oneValue()->isChecked());
            EXPECT_TRUE(w1->isEnabled());
            EXPECT_FALSE(w2->isEnabled());
            EXPECT_FALSE(w3->isEnabled());
            dialog.numberField()->setText(QStringLiteral("2"));
            EXPECT_EQ(w3->text(), QStringLiteral("3"));
            EXPECT_FALSE(dialog.oneValue()->isChecked());
            EXPECT_TRUE(w3->isEnabled());
            dialog.numberField()->setText(QStringLiteral("99"));
            EXPECT_EQ(w2->text(), QStringLiteral("2"));

            // Convection: the ambient temperature is stored before the
            // number is checked; an unreadable one stops without a word.
            dialog.convectionRadio()->setChecked(true);
            dialog.ambientField()->setText(QStringLiteral("x"));
            button(dialog, "Zastosuj")->click();
            EXPECT_TRUE(ui.shown.empty());
            dialog.ambientField()->setText(QStringLiteral("7"));
            button(dialog, "Zastosuj")->click();
            EXPECT_EQ(p.ambientTemperature, 7.0f);
            EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Złe dane"}));
            // An unreadable value stops before the ambient temperature.
            dialog.numberField()->setText(QStringLiteral("2"));
            EXPECT_TRUE(dialog.potentialRadio()->isChecked());
            dialog.convectionRadio()->setChecked(true);
            dialog.ambientField()->setText(QStringLiteral("8"));
            w2->setText(QString());
            button(dialog, "Zastosuj")->click();
            EXPECT_EQ(p.ambientTemperature, 7.0f);
            EXPECT_TRUE(dialog.isVisible());
            w2->setText(QStringLiteral("4"));
            button(dialog, "Zastosuj")->click();
        },
        "Anuluj");
    changeCondition(p, runConditionDialog);
    EXPECT_EQ(p.conditions[2], (BoundaryCondition{3, 1, 4, 3}));
    EXPECT_EQ(p.ambientTemperature, 8.0f);
    EXPECT_EQ(p.conditions[1], (BoundaryCondition{2}));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Złe dane", "Złe dane"}));

    // Other potential analyses: their captions, no convection.
    p.analysisType = HydrodynamicPressure;
    whenActive(
        dialog,
        [&] {
            EXPECT_EQ(dialog.potentialRadio()->text(), QString::fromUtf8("ciśnienie"));
            EXPECT_EQ(dialog.fluxRadio()->text(), QString::fromUtf8("-gęstość*przysp."));
            EXPECT_FALSE(dialog.convectionRadio()->isEnabled());
            EXPECT_FALSE(dialog.ambientField()->isEnabled());
            EXPECT_FALSE(dialog.ambientLabel()->isEnabled());
        },
        "Anuluj");
    EXPECT_FALSE(dialog.edit());

    // Every field is named by its label.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
    }
}

TEST(ElasticConditionDialog, JedenCouplesBothColumnsAndAllSixValuesAreStored)
{
    test::LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    const int c = test::addCondition(p, 2, 1, 1, 1);
    p.conditions[c].atNode1Y = 2;
    p.conditions[c].atMiddleY = 2;
    p.conditions[c].atNode2Y = 3;
    ScriptedInteraction ui;
    ElasticConditionDialog dialog(p, ui);
    const auto runElasticConditionDialog = [&](ConditionDialogKind kind) {
        EXPECT_EQ(kind, ConditionDialogKind::Elasticity);
        return dialog.edit();
    };

    whenActive(
        dialog,
        [&] {
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("3"));
            EXPECT_TRUE(dialog.loadRadio()->isChecked());
            dialog.numberField()->setText(QStringLiteral("1"));
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("3"));
            dialog.oneValue()->setChecked(true);
            dialog.valueField(0, 0)->setText(QStringLiteral("1,5"));
            dialog.valueField(1, 0)->setText(QStringLiteral("-2"));
            for (int i = 1; i < 3; ++i) {
                EXPECT_EQ(dialog.valueField(0, i)->text(), QStringLiteral("1,5"));
                EXPECT_EQ(dialog.valueField(1, i)->text(), QStringLiteral("-2"));
                EXPECT_FALSE(dialog.valueField(1, i)->isEnabled());
            }
            dialog.displacementRadio()->setChecked(true);
        },
        "OK");
    addCondition(p, ui, runElasticConditionDialog);
    EXPECT_EQ(p.conditions[3], (BoundaryCondition{2, 1.5f, 1.5f, 1.5f, -2, -2, -2}));
    EXPECT_EQ(p.currentCondition, 3);

    // Changing condition 2: equal x but unequal y leaves `jeden` cleared.
    whenActive(
        dialog,
        [&] {
            dialog.numberField()->setText(QStringLiteral("2"));
            EXPECT_TRUE(dialog.displacementRadio()->isChecked());
            EXPECT_FALSE(dialog.oneValue()->isChecked());
            EXPECT_TRUE(dialog.valueField(1, 2)->isEnabled());
            EXPECT_EQ(dialog.valueField(1, 2)->text(), QStringLiteral("3"));
            dialog.valueField(1, 1)->setText(QStringLiteral("9"));
            dialog.loadRadio()->setChecked(true);
            button(dialog, "Zastosuj")->click();
            dialog.valueField(0, 2)->setText(QStringLiteral("?"));
        },
        "OK");
    changeCondition(p, runElasticConditionDialog);
    EXPECT_EQ(p.conditions[2], (BoundaryCondition{1, 1, 1, 1, 2, 9, 3}));
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Złe dane"}));
}

TEST(ElasticConditionDialog, EachKindHasItsRadioAndAPressureGreysTheSecondColumn)
{
    Project p = test::emptyProject();
    p.analysisType = Elasticity;
    test::addCondition(p, HeldYKind, 1, 2, 3); // 2
    ScriptedInteraction ui;
    ElasticConditionDialog dialog(p, ui);
    const auto secondColumnEnabled = [&] {
        std::vector<bool> enabled;
        for (int i = 0; i < 3; ++i) {
            enabled.push_back(dialog.valueField(1, i)->isEnabled());
        }
        return enabled;
    };
    whenActive(
        dialog,
        [&] {
            dialog.numberField()->setText(QStringLiteral("2"));
            EXPECT_TRUE(dialog.heldYRadio()->isChecked());
            EXPECT_EQ(dialog.heldXRadio()->text(), QStringLiteral("przemieszczenie X, obciążenie Y"));
            EXPECT_EQ(secondColumnEnabled(), (std::vector<bool>{true, true, true}));
            const auto headed = [&](const QString& text) {
                const auto labels = dialog.findChildren<QLabel*>();
                return std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) { return l->text() == text; });
            };
            EXPECT_FALSE(headed(QStringLiteral("Ciśnienie")));
            dialog.pressureRadio()->setChecked(true);
            EXPECT_TRUE(headed(QStringLiteral("Ciśnienie")));
            EXPECT_EQ(secondColumnEnabled(), (std::vector<bool>{false, false, false}));
            // `jeden` ticked and cleared again leaves the pressure's column grey.
            dialog.oneValue()->setChecked(true);
            dialog.oneValue()->setChecked(false);
            EXPECT_EQ(secondColumnEnabled(), (std::vector<bool>{false, false, false}));
            EXPECT_TRUE(dialog.valueField(0, 2)->isEnabled());
            dialog.heldXRadio()->setChecked(true);
            EXPECT_EQ(secondColumnEnabled(), (std::vector<bool>{true, true, true}));
            dialog.pressureRadio()->setChecked(true);
        },
        "OK");
    changeCondition(p, [&](ConditionDialogKind) { return dialog.edit(); });
    // Ticking `jeden` copied the first value into the others.
    EXPECT_EQ(p.conditions[2], (BoundaryCondition{4, 1, 1, 1, 0, 0, 0}));
}

TEST(BoundaryDialog, AddingLocksTheNumberAndStoresTheKindABadNumberIsRefused)
{
    Project p = test::emptyProject();
    test::addBoundary(p, InnerBoundary);
    ScriptedInteraction ui;
    BoundaryDialog dialog(p, ui);
    EXPECT_EQ(dialog.outerRadio()->text(), QString::fromUtf8("zewnętrzny "));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Brzeg"));
    whenActive(
        dialog,
        [&] {
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("3"));
            EXPECT_TRUE(dialog.outerRadio()->isChecked());
            dialog.numberField()->setText(QStringLiteral("2"));
            EXPECT_EQ(dialog.numberField()->text(), QStringLiteral("3"));
            EXPECT_TRUE(dialog.outerRadio()->isChecked());
            dialog.innerRadio()->setChecked(true);
        },
        "OK");
    addBoundary(p, ui, [&] { return dialog.edit(); });
    EXPECT_EQ(p.boundaries[3].kind, InnerBoundary);
    EXPECT_EQ(p.currentBoundary, 3);

    // With a free number field a typed number shows that boundary's kind.
    p.selectedNumber = 0;
    whenActive(
        dialog,
        [&] {
            dialog.numberField()->setText(QStringLiteral("2"));
            EXPECT_TRUE(dialog.innerRadio()->isChecked());
            dialog.numberField()->setText(QStringLiteral("1"));
            EXPECT_TRUE(dialog.outerRadio()->isChecked());
            dialog.numberField()->setText(QStringLiteral("abc"));
        },
        "OK");
    EXPECT_FALSE(dialog.edit());
    EXPECT_EQ(ui.textsShown(), (std::vector<std::string>{"Złe dane"}));
    EXPECT_EQ(ui.shown[0].caption, "Brzeg");
}

} // namespace
} // namespace zorind
