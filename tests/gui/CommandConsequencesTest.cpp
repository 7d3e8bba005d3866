#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/session/Describe.h"
#include "core/session/FileCommands.h"
#include "core/solver/Compute.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/CommandTable.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/edit/ConditionDialog.h"
#include "gui/edit/ElementDialog.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

// What a command must leave behind when run on a computed model whose
// potential is shown.
enum class Outcome {
    Inert,    // disabled or without a command: nothing happens
    Keeps,    // the results stay valid
    Shows,    // the results stay valid and the drawing is painted afresh
    Discards, // the results are marked invalid and the drawing painted afresh
};

using Fill = std::function<void(QDialog&)>;

// Types into the line edit of that object name.
Fill typing(std::vector<std::pair<const char*, const char*>> fields)
{
    return [fields](QDialog& dialog) {
        for (const auto& [name, text] : fields) {
            if (auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name))) {
                edit->setText(QString::fromLatin1(text));
            }
        }
    };
}

struct RowCase {
    const char* name;
    Outcome outcome;
    Fill fill = {};                      // fills the first modal dialog before "OK"
    std::vector<const char*> texts = {}; // answers to text prompts
    bool answer = true;                  // to every question
    std::vector<double> numbers = {};    // answers to number prompts
};

// clang-format off
const std::vector<RowCase>& rowCases()
{
    static const std::vector<RowCase> cases = {
        {"Nowy1", Outcome::Discards}, {"Otworz1", Outcome::Discards}, {"Zapisz1", Outcome::Keeps},
        {"Zapiszjako1", Outcome::Keeps}, {"Importujz1", Outcome::Keeps}, {"Eksportujdo1", Outcome::Keeps},
        {"ImportujDXF1", Outcome::Keeps}, {"EksportujDXF1", Outcome::Keeps},
        {"Drukuj1", Outcome::Inert}, {"Ustawieniadrukarki1", Outcome::Keeps}, {"Koniec1", Outcome::Keeps, {}, {}, false},

        {"Linielaman1", Outcome::Discards}, {"N2katy1", Outcome::Discards}, {"N3punkty1", Outcome::Shows},
        {"Elips1", Outcome::Discards}, {"KrzywaNURBS1", Outcome::Inert},
        {"Dodaj2", Outcome::Keeps}, {"DBrzeg", Outcome::Keeps},
        {"Wze1", Outcome::Discards}, {"Element1", Outcome::Discards}, {"Wzewewntrzny1", Outcome::Keeps},
        {"Siatkwzwwewntrznych1", Outcome::Keeps},

        {"Cofnij1", Outcome::Inert}, {"Ponow1", Outcome::Inert}, // nothing done yet
        {"Warunekbrzegowy1", Outcome::Discards, typing({{"Edit1", "2"}, {"w1", "50"}, {"w2", "50"}, {"w3", "50"}})},
        {"Wasnocielementu1", Outcome::Discards,
         [](QDialog& d) {
             typing({{"Edit1", "1"}})(d);
             d.findChild<QComboBox*>(QStringLiteral("cnwb"))->setCurrentIndex(2);
         }},
        {"Wsprzdnewza1", Outcome::Discards, typing({{"Edit1", "2"}, {"xx", "3"}, {"yy", "1"}})},
        {"Wspwzawewntrznego1", Outcome::Keeps, typing({{"Edit1", "1"}, {"xx", "4"}})},
        {"Wasnocifizyczne1", Outcome::Discards, typing({{"Edit1", "2"}})},
        {"Przesubrzeg1", Outcome::Discards, {}, {"1", "1", "0"}},
        {"Podzielelementy1", Outcome::Discards, {}, {}, true, {0, 2}},

        {"Wze2", Outcome::Keeps, typing({{"Edit1", "1"}})}, // used by an element: refused
        {"Element2", Outcome::Discards, typing({{"Edit1", "12"}})},
        {"Wzewewntrzny2", Outcome::Keeps, typing({{"Edit1", "1"}})},
        {"Brzeg2", Outcome::Discards, {}, {"1"}},
        {"Podwjnewzy1", Outcome::Keeps}, {"Wolnewzy1", Outcome::Keeps}, {"Elementyozerowejdugoci1", Outcome::Keeps},
        {"Wszystkiewzywewntrzne1", Outcome::Keeps},

        {"Wzw1", Outcome::Keeps}, {"Elementw1", Outcome::Keeps}, {"Wzwwewntrznych1", Outcome::Keeps},
        {"Warunkwbrzegowych1", Outcome::Keeps}, {"Brzegw1", Outcome::Keeps}, {"Strukturaprojektu1", Outcome::Inert},

        {"Renumerujelementy1", Outcome::Keeps}, {"Sprawdspjnodanych1", Outcome::Keeps}, {"Oblicz1", Outcome::Keeps},
        {"Obliczsprezystosc1", Outcome::Inert}, // a heat-flow model: disabled
        {"Listawynikw1", Outcome::Keeps}, {"Temperaturawwwewntrznych1", Outcome::Keeps},
        {"Wynikiwpunktachwewntrznych1", Outcome::Inert}, {"Bilans1", Outcome::Keeps},
        {"Wykreswzdluzodcinka1", Outcome::Keeps},
        {"Skalujdane1", Outcome::Discards, typing({{"wx", "2"}})}, {"Skalujwyniki1", Outcome::Shows, [](QDialog& d) { d.findChild<QRadioButton*>(QStringLiteral("pry"))->setChecked(true); }}, {"GenerujNURBSa1", Outcome::Inert},

        {"Siatka1", Outcome::Shows, typing({{"Edit1", "1"}})}, {"Obszar1", Outcome::Keeps},
        {"Pokawszystko1", Outcome::Shows}, {"Wnormalne1", Outcome::Shows}, {"Rownaskalaosi1", Outcome::Shows},
        {"Warbrzegowe1", Outcome::Shows}, {"Temperatura1", Outcome::Shows}, {"Strumie1", Outcome::Shows},
        {"Mapapola1", Outcome::Shows}, {"Strzalkistrumienia1", Outcome::Shows},
        {"Przemieszczenia1", Outcome::Shows}, {"Naprezeniazredukowane1", Outcome::Inert}, // a heat-flow model: disabled
        {"Ustawieniaekranu1", Outcome::Keeps}, {"Typoblicze1", Outcome::Discards},
        {"Pomoc2", Outcome::Keeps}, {"Oprogramie1", Outcome::Keeps},

        {"NowyB", Outcome::Discards}, {"OtworzB", Outcome::Discards}, {"ZapiszB", Outcome::Keeps},
        {"SpeedButton1", Outcome::Discards}, {"SpeedButton2", Outcome::Discards}, {"WarbrzegB", Outcome::Keeps},
        {"CofnijB", Outcome::Inert}, {"PonowB", Outcome::Inert}, {"BWEZLY", Outcome::Shows}, {"BELE", Outcome::Shows}, {"BWB", Outcome::Shows}, {"BB", Outcome::Shows},
        {"ZoomPlB", Outcome::Shows}, {"ZoomMiB", Outcome::Shows}, {"PanB", Outcome::Inert},
        {"SolveB", Outcome::Keeps}, {"ListawynB", Outcome::Keeps}, {"BT", Outcome::Shows}, {"BTN", Outcome::Shows},

        {"CBRZEG", Outcome::Keeps}, {"SpeedButton3", Outcome::Keeps}, {"CWB", Outcome::Shows},
        {"SpeedButton4", Outcome::Keeps},

        {"Wstawww", Outcome::Keeps}, {"Zmiewasnocielementu1", Outcome::Inert}, {"Zmiewarunekbrzegowy1", Outcome::Inert},
        {"Usuelement1", Outcome::Inert}, {"Usuwze1", Outcome::Keeps}, {"Usuwzewewntrzny1", Outcome::Keeps},

        {"Koniecliniamanej1", Outcome::Keeps}, {"Zamknijlinieaman1", Outcome::Keeps},
        {"Usuostatnielement1", Outcome::Keeps},
    };
    return cases;
}
// clang-format on

// Answers the modal dialogs a command opens: the first one is filled, and
// every one is closed with "OK" (or accepted when it has none).
class DialogAnswerer {
public:
    explicit DialogAnswerer(Fill fill) : fill_(std::move(fill))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(1);
    }

private:
    void answer()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || answered_.contains(dialog->objectName().toStdString() + std::to_string(count_))) {
            return;
        }
        answered_.insert(dialog->objectName().toStdString() + std::to_string(count_++));
        if (fill_) {
            std::exchange(fill_, Fill{})(*dialog);
        }
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("OK") && b->isVisible()) {
                b->click();
                return;
            }
        }
        dialog->accept();
    }

    Fill fill_;
    QTimer timer_;
    std::set<std::string> answered_;
    int count_ = 0;
};

void letEventsRun()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

// The tool bars, menus and selectors show the project as it is.
void expectControlsInStep(MainWindow& window)
{
    const ToolBarState state = toolBarState(window.project());
    for (const CommandRow& row : commandRows()) {
        if (row.checked != nullptr) {
            EXPECT_EQ(window.action(row.name)->isChecked(), state.*(row.checked)) << row.name;
        }
        if (row.enabled == Enabled::WithResults) {
            EXPECT_EQ(window.action(row.name)->isEnabled(), state.resultButtonsEnabled) << row.name;
        }
        if (row.enabled == Enabled::ForElasticity) {
            EXPECT_EQ(window.action(row.name)->isEnabled(), state.elasticityComputeEnabled) << row.name;
        }
        if (row.enabled == Enabled::WithInternalPointResults) {
            EXPECT_EQ(window.action(row.name)->isEnabled(), state.internalPointResultsEnabled) << row.name;
        }
        if (row.enabled == Enabled::WithFile) {
            EXPECT_EQ(window.action(row.name)->isEnabled(), state.saveEnabled) << row.name;
        }
    }
    EXPECT_EQ(window.conditionSelector()->count(), static_cast<int>(state.conditionItems.size()));
    EXPECT_EQ(window.conditionSelector()->currentIndex(), state.conditionIndex);
    EXPECT_EQ(window.boundarySelector()->count(), static_cast<int>(state.boundaryItems.size()));
    EXPECT_EQ(window.boundarySelector()->currentIndex(), state.boundaryIndex);
}

void runRow(const CommandRow& row, const RowCase& c)
{
    SCOPED_TRACE(row.name);
    ScriptedInteraction ui;
    ui.defaultAnswer = c.answer;
    for (const char* text : c.texts) {
        ui.texts.emplace_back(text);
    }
    ui.numbers.assign(c.numbers.begin(), c.numbers.end());
    MainWindow window;
    window.setInteraction(&ui);
    window.setAnalysisTypeChooser([] { return std::optional<int>(HeatFlow); });
    window.resize(640, 480);
    window.show();
    Project& p = window.project();
    ScriptedInteraction quiet;
    // A copy of its own: "Zapisz" writes to the project's file.
    test::TempDir dir;
    const std::string copy = dir.write("plyta.tav", test::readAll(std::string(ZORIND_EXAMPLES_DIR) + "/plyta.tav"));
    ASSERT_TRUE(openProjectPath(p, quiet, copy, false));
    ASSERT_EQ(computeCommand(p, quiet, nullptr), ComputeOutcome::Computed);
    p.display.showPotential = 1;
    window.requestRepaint();
    letEventsRun();
    window.refreshControls();
    const int paintsBefore = window.drawingArea()->modelPaints();

    {
        DialogAnswerer answerer(c.fill);
        if (row.entry == Entry::Selector) {
            // A pick of the other entry, as the user makes it.
            QComboBox* box = std::string_view(row.name) == "CWB" ? window.conditionSelector() : window.boundarySelector();
            const int other = box->count() > 1 ? 1 : 0;
            box->setCurrentIndex(other);
            emit box->activated(other);
        } else {
            window.action(row.name)->trigger();
        }
        letEventsRun();
    }

    const bool repainted = window.drawingArea()->modelPaints() > paintsBefore;
    switch (c.outcome) {
    case Outcome::Inert:
        EXPECT_TRUE(row.handler == nullptr || !window.action(row.name)->isEnabled());
        EXPECT_EQ(p.resultsValid, 1);
        EXPECT_FALSE(repainted);
        break;
    case Outcome::Keeps:
        EXPECT_EQ(p.resultsValid, 1);
        break;
    case Outcome::Shows:
        EXPECT_EQ(p.resultsValid, 1);
        EXPECT_TRUE(repainted);
        break;
    case Outcome::Discards:
        EXPECT_EQ(p.resultsValid, 0);
        EXPECT_TRUE(repainted);
        break;
    }
    expectControlsInStep(window);
    ui.defaultAnswer = true;
    window.close();
}

TEST(CommandConsequences, EveryRowLeavesResultsRepaintAndControlsInStep)
{
    std::set<std::string> covered;
    for (const RowCase& c : rowCases()) {
        covered.insert(c.name);
    }
    for (const CommandRow& row : commandRows()) {
        if (row.entry == Entry::Command || row.entry == Entry::Selector) {
            EXPECT_TRUE(covered.contains(row.name)) << row.name << " has no case";
        }
    }
    for (const RowCase& c : rowCases()) {
        for (const CommandRow& row : commandRows()) {
            if (row.name != nullptr && std::string_view(row.name) == c.name &&
                (row.entry == Entry::Command || row.entry == Entry::Selector)) {
                runRow(row, c);
                break;
            }
        }
    }
}

// Each store of a dialog that stays open ("Zastosuj") is settled at once as a
// command of its own: results whose data it changed go while the dialog is
// still open, and "Cofnij" takes the stores back one at a time.
TEST(CommandConsequences, EachStoreOfADialogThatStaysOpenIsAStepOfItsOwn)
{
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    window.resize(640, 480);
    window.show();
    Project& p = window.project();
    ScriptedInteraction quiet;
    ASSERT_TRUE(openProjectPath(p, quiet, std::string(ZORIND_EXAMPLES_DIR) + "/plyta.tav", false));
    while (p.conditionCount() < 3) {
        test::addCondition(p, 1, 0, 0, 0);
    }
    ASSERT_EQ(computeCommand(p, quiet, nullptr), ComputeOutcome::Computed);
    letEventsRun();
    ASSERT_FALSE(window.canUndo());

    const auto field = [](QDialog& d, const char* name) { return d.findChild<QLineEdit*>(QString::fromLatin1(name)); };
    const auto press = [](QDialog& d, const char* caption) {
        for (QPushButton* b : d.findChildren<QPushButton*>()) {
            if (b->text() == QString::fromLatin1(caption)) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption;
    };
    // Runs `steps` once the dialog is up and active (its fill on activation
    // done), then closes it if the steps did not.
    const auto inDialog = [](QDialog& dialog, std::function<void()> steps) {
        QTimer::singleShot(0, &dialog, [&dialog, steps = std::move(steps)] {
            (void)QTest::qWaitForWindowActive(&dialog);
            steps();
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
    };
    const auto undo = [&] { window.action("Cofnij1")->trigger(); };

    // A boundary condition's values, twice, then "Anuluj".
    const int c = p.elements[1].condition;
    const float original = p.conditions[c].atNode1;
    bool discardedWhileOpen = false;
    bool undoableWhileOpen = false;
    ConditionDialog& conditionDialog = window.window<ConditionDialog>();
    inDialog(conditionDialog, [&] {
        field(conditionDialog, "Edit1")->setText(QString::number(c));
        conditionDialog.findChild<QCheckBox*>(QStringLiteral("jeden"))->setChecked(true);
        field(conditionDialog, "w1")->setText(QStringLiteral("50"));
        press(conditionDialog, "Zastosuj");
        discardedWhileOpen = p.resultsValid == 0;
        undoableWhileOpen = window.canUndo();
        field(conditionDialog, "w1")->setText(QStringLiteral("60"));
        press(conditionDialog, "Zastosuj");
        press(conditionDialog, "Anuluj");
    });
    window.action("Warunekbrzegowy1")->trigger();
    letEventsRun();
    EXPECT_TRUE(discardedWhileOpen);
    EXPECT_TRUE(undoableWhileOpen);
    EXPECT_EQ(p.conditions[c].atNode1, 60.0f);
    undo();
    EXPECT_EQ(p.conditions[c].atNode1, 50.0f) << "the second store taken back alone";
    undo();
    EXPECT_EQ(p.conditions[c].atNode1, original);
    EXPECT_EQ(p.resultsValid, 1) << "the model comes back with its results";
    EXPECT_FALSE(window.canUndo());

    // An element's condition with "Zastosuj", then another with OK.
    const int before = p.elements[1].condition;
    const int applied = before % 3 + 1;
    const int accepted = applied % 3 + 1;
    discardedWhileOpen = false;
    ElementDialog& element = window.window<ElementDialog>();
    inDialog(element, [&] {
        field(element, "Edit1")->setText(QStringLiteral("1"));
        element.conditionList()->setCurrentIndex(applied - 1);
        press(element, "Zastosuj");
        discardedWhileOpen = p.resultsValid == 0;
        element.conditionList()->setCurrentIndex(accepted - 1);
        press(element, "OK");
    });
    window.action("Wasnocielementu1")->trigger();
    letEventsRun();
    EXPECT_TRUE(discardedWhileOpen);
    EXPECT_EQ(p.elements[1].condition, accepted);
    undo();
    EXPECT_EQ(p.elements[1].condition, applied) << "the store with OK taken back alone";
    undo();
    EXPECT_EQ(p.elements[1].condition, before);
    EXPECT_EQ(p.resultsValid, 1);

    ui.defaultAnswer = true;
    window.close();
}

} // namespace
} // namespace zorind
