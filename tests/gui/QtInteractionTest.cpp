#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "gui/app/QtInteraction.h"
#include "support/DialogTesting.h"

namespace zorind {
namespace {

// Hands each modal box that opens, in turn, to the next of `steps`; each
// step must close its box.
void answerBoxes(std::vector<std::function<void(QWidget&)>> steps)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, steps = std::move(steps), next = std::size_t{0}]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        steps[next++](*modal);
        if (next == steps.size()) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start();
}

struct Seen {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

std::function<void(QWidget&)> recordAndPress(Seen& seen, QMessageBox::StandardButton press)
{
    return [&seen, press](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        seen = {box.windowTitle(), box.text(), box.icon()};
        box.button(press)->click();
    };
}

TEST(QtInteraction, MessageBoxesCarryTheirCaptionAndIcon)
{
    QWidget parent;
    QtInteraction ui(&parent);
    const struct {
        MessageKind kind;
        const char* caption;
        const char* expectedCaption;
        QMessageBox::Icon icon;
    } cases[] = {
        {MessageKind::Plain, "", "ZORIND", QMessageBox::NoIcon},
        {MessageKind::Plain, "Obliczenia", "Obliczenia", QMessageBox::NoIcon},
        {MessageKind::Error, "Zapis", "Zapis", QMessageBox::Critical},
        {MessageKind::Exclamation, "Uwaga", "Uwaga", QMessageBox::Warning},
        {MessageKind::Information, "Info", "Info", QMessageBox::Information},
    };
    for (const auto& c : cases) {
        Seen seen;
        answerBoxes({recordAndPress(seen, QMessageBox::Ok)});
        ui.message("Treść\ndruga linia", c.caption, c.kind);
        EXPECT_EQ(seen.caption, QString::fromUtf8(c.expectedCaption)) << c.caption;
        EXPECT_EQ(seen.text, QString::fromUtf8("Treść\ndruga linia"));
        EXPECT_EQ(seen.icon, c.icon) << c.caption;
    }
}

TEST(QtInteraction, QuestionsAnswerYesOnlyForYes)
{
    QWidget parent;
    QtInteraction ui(&parent);
    Seen seen;
    answerBoxes({recordAndPress(seen, QMessageBox::Yes)});
    EXPECT_TRUE(ui.ask("Zakończyć działanie programu ?", "Zakończenie pracy programu"));
    EXPECT_EQ(seen.caption, QString::fromUtf8("Zakończenie pracy programu"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    answerBoxes({recordAndPress(seen, QMessageBox::No)});
    EXPECT_FALSE(ui.ask("Uruchomić?", "Eksport", MessageKind::Exclamation));
    EXPECT_EQ(seen.icon, QMessageBox::Warning) << "a question that warns";

    // Tak, Nie, Anuluj by their own words.
    QStringList buttons;
    const auto press = [&buttons](QMessageBox::StandardButton which) {
        return [&buttons, which](QWidget& w) {
            auto& box = dynamic_cast<QMessageBox&>(w);
            buttons = {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                       box.button(QMessageBox::Cancel)->text()};
            box.button(which)->click();
        };
    };
    answerBoxes({press(QMessageBox::Yes), press(QMessageBox::No), press(QMessageBox::Cancel)});
    EXPECT_EQ(ui.questionWithCancel("Zapisać?", "ZORIND"), std::optional<bool>(true));
    EXPECT_EQ(ui.questionWithCancel("Zapisać?", "ZORIND"), std::optional<bool>(false));
    EXPECT_EQ(ui.questionWithCancel("Zapisać?", "ZORIND"), std::nullopt);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Tak"), QStringLiteral("&Nie"), QStringLiteral("&Anuluj")}));
}

TEST(QtInteraction, PromptsReturnTheTextOrNothingAndNumbersReadTheLocale)
{
    test::LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    QWidget parent;
    QtInteraction ui(&parent);
    QString caption;
    QString label;
    QString initial;
    answerBoxes({[&](QWidget& w) {
        auto& box = dynamic_cast<QInputDialog&>(w);
        caption = box.windowTitle();
        label = box.labelText();
        initial = box.textValue();
        box.setTextValue(QStringLiteral("3"));
        box.accept();
    }});
    EXPECT_EQ(ui.promptText("Usuń brzeg", "Podaj numer brzegu:", "1"), std::optional<std::string>("3"));
    EXPECT_EQ(caption, QString::fromUtf8("Usuń brzeg"));
    EXPECT_EQ(label, QStringLiteral("Podaj numer brzegu:"));
    EXPECT_EQ(initial, QStringLiteral("1"));

    answerBoxes({[](QWidget& w) { dynamic_cast<QDialog&>(w).reject(); }});
    EXPECT_EQ(ui.promptText("a", "b", ""), std::nullopt);

    // A number in the user's notation; text that is no number is refused
    // with "Złe dane" and asked again until it is one or the user cancels.
    Seen refused;
    answerBoxes({[&](QWidget& w) {
                     auto& box = dynamic_cast<QInputDialog&>(w);
                     initial = box.textValue();
                     box.setTextValue(QStringLiteral("abc"));
                     box.accept();
                 },
                 recordAndPress(refused, QMessageBox::Ok),
                 [](QWidget& w) {
                     auto& box = dynamic_cast<QInputDialog&>(w);
                     box.setTextValue(QStringLiteral(" 2,5 "));
                     box.accept();
                 }});
    EXPECT_EQ(ui.promptNumber("Przesuń brzeg", "dx", 0.5), std::optional<double>(2.5));
    EXPECT_EQ(initial, QStringLiteral("0,5"));
    EXPECT_EQ(refused.text, QStringLiteral("Złe dane"));
    EXPECT_EQ(refused.icon, QMessageBox::Critical);
}

} // namespace
} // namespace zorind
