#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "core/model/ProjectFile.h"
#include "core/session/FileCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/Application.h"
#include "gui/app/MainWindow.h"
#include "gui/app/QtInteraction.h"
#include "gui/edit/PointerController.h"
#include "gui/view/AnalysisTypeDialog.h"
#include "support/ModelBuilders.h"
#include "support/TempDir.h"

namespace zorind {
namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

class MainWindowShell : public ::testing::Test {
protected:
    void SetUp() override { window.setInteraction(&ui); }

    QAction* action(const char* name)
    {
        auto* a = window.findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    QMenu* menu(const char* name) { return window.findChild<QMenu*>(QString::fromLatin1(name)); }

    // The visible captions of a menu, separators as "-".
    QStringList captions(const char* name)
    {
        QStringList out;
        QMenu* m = menu(name);
        EXPECT_NE(m, nullptr) << name;
        if (m != nullptr) {
            for (QAction* a : m->actions()) {
                if (a->isVisible()) {
                    out << (a->isSeparator() ? QStringLiteral("-") : a->text());
                }
            }
        }
        return out;
    }

    ScriptedInteraction ui;
    MainWindow window;
};

TEST_F(MainWindowShell, StartsAsAnEmptyProjectWithTheApplicationTitle)
{
    EXPECT_EQ(window.windowTitle(), u("ZORIND"));
    EXPECT_EQ(window.size(), QSize(640, 480));
    EXPECT_EQ(window.project().nodeCount(), 0);
    EXPECT_EQ(window.project().titleText, " ");
    EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowShell, MenuBarHoldsEveryMenuInOrder)
{
    QStringList titles;
    for (QAction* a : window.menuBar()->actions()) {
        titles << a->text();
    }
    EXPECT_EQ(titles, QStringList({u("&Plik"), u("&Dodaj"), u("&Zmień"), u("&Usuń"), u("&Listy"), u("&Obliczenia"),
                                   u("&Widok"), u("Ustawie&nia"), u("Pomo&c")}));
}

TEST_F(MainWindowShell, MenusHoldTheirItemsInOrder)
{
    EXPECT_EQ(captions("Plik1"), QStringList({u("&Nowy"), u("&Otwórz"), u("&Zapisz"), u("Zapisz &jako"), u("-"),
                                              u("&Importuj z ..."), u("&Eksportuj do ..."), u("Importuj D&XF..."),
                                              u("Eksportuj DX&F..."), u("-"), u("&Drukuj"),
                                              u("&Ustawienia drukarki"), u("-"), u("&Koniec")}));
    EXPECT_EQ(captions("Dodaj1"), QStringList({u("&Linię łamaną"), u("&Krzywą"), u("Krzywą NURBS"), u("-"),
                                               u("Warunek &brzegowy"), u("Brze&g"), u("-"), u("&Węzeł"), u("&Element"),
                                               u("Wę&zeł wewnętrzny"), u("&Siatkę węzłów wewnętrznych")}));
    EXPECT_EQ(captions("Krzyw1"), QStringList({u("&2 kąty, środek, promień"), u("&3 punkty"), u("&Elipsę")}));
    EXPECT_EQ(captions("Zmie1"),
              QStringList({u("&Cofnij"), u("P&onów"), u("-"), u("Warunek &brzegowy"), u("-"), u("Własności &elementu"),
                           u("Współrzędne &węzła"), u("Współ. wę&zła wewnętrznego"), u("-"), u("Własności &fizyczne"),
                           u("-"), u("&Przesuń brzeg"), u("Po&dziel elementy")}));
    EXPECT_EQ(captions("Usu1"), QStringList({u("&Węzeł"), u("&Element"), u("Wę&zeł wewnętrzny"), u("&Brzeg"), u("-"),
                                             u("&Podwójne węzły"), u("&Wolne węzły"), u("Ele&menty o zerowej długości"),
                                             u("-"), u("Wszystkie węzły wew&nętrzne")}));
    EXPECT_EQ(captions("Listy1"), QStringList({u("&Węzłów"), u("&Elementów"), u("Wę&złów wewnętrznych"), u("-"),
                                               u("Warunków &brzegowych"), u("Brze&gów"), u("&Struktura projektu")}));
    EXPECT_EQ(captions("Obliczenia1"),
              QStringList({u("&Renumeruj elementy"), u("&Sprawdź spójność danych"), u("-"), u("&Oblicz"),
                           u("Oblicz s&prężystość"), u("-"), u("Lista &wyników"), u("&Temperatura w w.wewnętrznych"),
                           u("W&yniki w punktach wewnętrznych"), u("&Bilans"), u("Wykr&es wzdłuż odcinka"), u("-"),
                           u("Skaluj da&ne"), u("Skaluj wyni&ki"), u("Generuj NURBSa")}));
    EXPECT_EQ(captions("Widok1"),
              QStringList({u("&Siatka"), u("&Obszar"), u("&Pokaż wszystko"), u("W. &normalne"), u("Równa s&kala osi"),
                           u("-"), u("Warunki &brzegowe"), u("-"), u("&Potencjał"), u("&Strumień"), u("&Mapa pola"),
                           u("Strzałki str&umienia"), u("-"), u("P&rzemieszczenia"), u("Naprężenia &zredukowane")}));
    EXPECT_EQ(captions("Ustawienia1"), QStringList({u("Ustawienia ekranu"), u("-"), u("&Typ obliczeń")}));
    EXPECT_EQ(captions("Pomoc1"), QStringList({u("&Pomoc"), u("-"), u("&O programie...")}));
}

TEST_F(MainWindowShell, ShortcutsAndDisabledItems)
{
    EXPECT_EQ(action("Otworz1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(action("Zapisz1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(action("Koniec1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(action("Linielaman1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    EXPECT_EQ(action("Ustawieniaekranu1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+J")));
    EXPECT_EQ(action("Pomoc2")->shortcut(), QKeySequence(QStringLiteral("F1")));

    // "&Zapisz" waits for the project to have a file.
    for (const char* disabled : {"Zapisz1", "Drukuj1", "KrzywaNURBS1", "Strukturaprojektu1", "GenerujNURBSa1", "PanB",
                                 "Zmiewasnocielementu1", "Usuelement1"}) {
        EXPECT_FALSE(action(disabled)->isEnabled()) << disabled;
    }
    for (const char* enabled : {"Nowy1", "Otworz1", "Zapiszjako1", "Koniec1", "Elips1", "Oblicz1", "Typoblicze1",
                                "N2katy1", "N3punkty1", "Skalujdane1", "Wnormalne1", "Pomoc2"}) {
        EXPECT_TRUE(action(enabled)->isEnabled()) << enabled;
    }
    for (const char* checkable : {"Wnormalne1", "Warbrzegowe1", "Temperatura1", "Strumie1", "Mapapola1",
                                  "Przemieszczenia1", "Naprezeniazredukowane1"}) {
        EXPECT_TRUE(action(checkable)->isCheckable()) << checkable;
    }
}

TEST_F(MainWindowShell, ToolBarsHoldEveryButtonWithItsHintAndIcon)
{
    const std::pair<const char*, const char*> first[] = {
        {"NowyB", "Nowy projekt"},
        {"OtworzB", "Otwórz plik"},
        {"ZapiszB", "Zapisz plik"},
        {"SpeedButton1", "Linia łamana"},
        {"SpeedButton2", "Okrąg"},
        {"WarbrzegB", "Dodaj warunek brzegowy"},
        {"CofnijB", "Cofnij"},
        {"PonowB", "Ponów"},
        {"BWEZLY", "Pokaż numery węzłów"},
        {"BELE", "Pokaż numery elementów"},
        {"BWB", "Pokaż warunki brzegowe"},
        {"BB", "Przesuń zawartość ekranu"},
        {"ZoomPlB", "Powiększenie fragmentu ekranu"},
        {"ZoomMiB", "Pomniejszenie fragmentu ekranu"},
        {"PanB", "Przesuń zawartość ekranu"},
        {"SolveB", "Oblicz"},
        {"ListawynB", "Lista wyników"},
        {"BT", "Pokaż wartości potencjałów"},
        {"BTN", "Pokaż wartości strumieni"},
    };
    QStringList order;
    for (QAction* a : window.commandToolBar()->actions()) {
        if (!a->isSeparator()) {
            order << a->objectName();
        }
    }
    ASSERT_EQ(order.size(), 19);
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(order[i], QString::fromLatin1(first[i].first));
        QAction* a = action(first[i].first);
        EXPECT_EQ(a->toolTip(), u(first[i].second)) << first[i].first;
        EXPECT_FALSE(a->icon().isNull()) << first[i].first;
    }
    for (const char* toggle : {"BWEZLY", "BELE", "BWB", "BB", "BT", "BTN"}) {
        EXPECT_TRUE(action(toggle)->isCheckable()) << toggle;
    }
    EXPECT_EQ(window.boundarySelector()->toolTip(), u("Aktualny brzeg"));
    EXPECT_EQ(window.conditionSelector()->toolTip(), u("Aktualny warunke brzegowy"));
    EXPECT_EQ(action("SpeedButton3")->toolTip(), u("Dodaj brzeg"));
    EXPECT_EQ(action("SpeedButton4")->toolTip(), u("Dodaj warunek brzegowy"));
}

TEST_F(MainWindowShell, StatusBarHasSixPanels)
{
    const int widths[6] = {60, 60, 5, 150, 150, 150};
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(window.statusPanel(i), nullptr);
        EXPECT_EQ(window.statusPanel(i)->minimumWidth(), widths[i]) << i;
        EXPECT_EQ(window.statusPanel(i)->maximumWidth(), widths[i]) << i;
    }
    EXPECT_EQ(window.statusPanel(0)->text(), u("x="));
    EXPECT_EQ(window.statusPanel(1)->text(), u("y="));
    EXPECT_EQ(window.statusPanel(2)->frameShape(), QFrame::NoFrame);
}

TEST(QtTexts, QtsOwnButtonsSpeakPolish)
{
    QMessageBox box(QMessageBox::Question, u("Pytanie"), u("Tak czy nie?"), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), u("&Tak"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), u("&Nie"));
}

TEST(FileDialogs, AllFilesMeansEveryNameAndAnExistingNameIsTakenAsTyped)
{
    EXPECT_EQ(QtInteraction::nameFilters(projectOpenDialog()),
              QStringList({u("Pliki edytora (*.tav)"), u("Wszystkie pliki (*)")}));

    test::TempDir dir;
    const QString bare = QString::fromStdString(dir.write("projekt", "1 0 1 1 0"));
    const QString tav = QString::fromStdString(dir.write("model.tav", "1 0 1 1 0"));
    EXPECT_EQ(QtInteraction::openedName(bare, u("tav")), bare);
    EXPECT_EQ(QtInteraction::openedName(tav.chopped(4), u("tav")), tav) << "the extension is added when needed";
    const QString missing = QString::fromStdString(dir.file("brak"));
    EXPECT_EQ(QtInteraction::openedName(missing, u("tav")), missing);
}

TEST_F(MainWindowShell, PopupMenusHoldTheirItems)
{
    QStringList right;
    for (QAction* a : window.rightPopup()->actions()) {
        right << a->text();
    }
    EXPECT_EQ(right,
              QStringList({u("Wstaw wę&zeł wewnętrzny"), u("Zmień własności elementu"), u("Zmień warunek brzegowy"),
                           u("Usuń &element"), u("Usuń &węzeł"), u("Usuń wę&zeł wewnętrzny")}));
    QStringList polyline;
    for (QAction* a : window.polylinePopup()->actions()) {
        polyline << a->text();
    }
    EXPECT_EQ(polyline, QStringList({u("Koniec lini łamanej"), u("Zamknij linie łamaną"), u("Usuń ostatni element")}));
    EXPECT_FALSE(window.rightPopup()->isVisible());
}

TEST_F(MainWindowShell, ResultButtonsFollowTheProjectAtEveryRepaint)
{
    QAction* bt = action("BT");
    QAction* btn = action("BTN");
    EXPECT_FALSE(bt->isEnabled());
    EXPECT_FALSE(btn->isEnabled());
    window.project().resultsValid = 1;
    window.project().display.showPotential = 1;
    window.refreshControls();
    EXPECT_TRUE(bt->isEnabled());
    EXPECT_TRUE(bt->isChecked());
    EXPECT_TRUE(action("Temperatura1")->isChecked());
    window.project().analysisType = Elasticity;
    window.refreshControls();
    EXPECT_FALSE(bt->isEnabled());
    EXPECT_FALSE(btn->isEnabled());
}

// "Oblicz sprężystość" is for an elasticity analysis only; the internal
// points' results window for elasticity results computed here while there
// are internal points, and only as long as those results hold.
TEST_F(MainWindowShell, ElasticityRowsFollowTheAnalysisTypeAndTheResultsAtEveryRepaint)
{
    QAction* solve = action("Obliczsprezystosc1");
    QAction* points = action("Wynikiwpunktachwewntrznych1");
    QAction* stress = action("Naprezeniazredukowane1");
    Project& p = window.project();
    EXPECT_FALSE(solve->isEnabled());
    EXPECT_FALSE(points->isEnabled());
    for (const int32_t type : {HeatFlow, PotentialFlow, Elasticity, Thermoelasticity}) {
        p.analysisType = type;
        window.refreshControls();
        EXPECT_EQ(solve->isEnabled(), type == Elasticity) << type;
        EXPECT_EQ(stress->isEnabled(), type == Elasticity) << type;
    }

    p.analysisType = Elasticity;
    test::addInternalPoint(p, 1, 1);
    p.internalPointResults.append({});
    window.refreshControls();
    EXPECT_FALSE(points->isEnabled()) << "no valid results";
    p.resultsValid = 1;
    window.refreshControls();
    EXPECT_TRUE(points->isEnabled());
    test::addInternalPoint(p, 2, 1);
    window.refreshControls();
    EXPECT_FALSE(points->isEnabled()) << "a point without its values";
    p.internalPointResults.append({});
    window.refreshControls();
    EXPECT_TRUE(points->isEnabled());
    p.analysisType = Thermoelasticity;
    window.refreshControls();
    EXPECT_FALSE(points->isEnabled());
    EXPECT_FALSE(solve->isEnabled());
}

TEST_F(MainWindowShell, UnsavedChangesShowInTheCaptionAndAreOfferedOnExitAndOnClosing)
{
    window.show();
    EXPECT_EQ(window.windowTitle(), u("ZORIND"));
    action("SpeedButton1")->trigger();
    window.pointer().pressed(Qt::LeftButton, QPoint(100, 300));
    EXPECT_EQ(window.windowTitle(), u("ZORIND *"));

    ui.choices = {std::nullopt}; // Anuluj
    action("Koniec1")->trigger();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Projekt został zmieniony. Zapisać zmiany?");
    EXPECT_EQ(ui.shown[0].caption, "ZORIND");
    ui.clear();
    ui.choices = {std::nullopt};
    EXPECT_FALSE(window.close());
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{kUnsavedChangesQuestion}) << "the close button offers too";

    action("Cofnij1")->trigger();
    EXPECT_EQ(window.windowTitle(), u("ZORIND")) << "back at the saved state";
    ui.clear();
    ui.answers = {false};
    action("Koniec1")->trigger();
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Zakończyć działanie programu ?"});

    // The change back, unsaved: "Nie" closes the window, the one question.
    action("Ponow1")->trigger();
    ui.clear();
    ui.choices = {false};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{kUnsavedChangesQuestion});
}

TEST_F(MainWindowShell, ExitAnsweredNoKeepsTheProgramRunning)
{
    test::addPolygon(window.project(), {{0, 0}, {1, 0}, {0, 1}});
    markSaved(window.project()); // as if just opened: no changes to save
    window.project().display.showPotential = 1;
    window.show();
    ui.answers = {false};
    action("Koniec1")->trigger();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Zakończyć działanie programu ?");
    EXPECT_EQ(ui.shown[0].caption, "Zakończenie pracy programu");
    EXPECT_TRUE(ui.shown[0].isQuestion);
    EXPECT_EQ(window.project().nodeCount(), 3);
    EXPECT_EQ(window.project().display.showPotential, 1);

    ui.answers = {false};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ui.shown.size(), 2u);

    ui.answers = {true};
    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.project().display.showPotential, 0);
    EXPECT_EQ(ui.shown.size(), 3u) << "closing after Yes asks once";
}

TEST_F(MainWindowShell, AboutBoxNamesProgramAndVersion)
{
    action("Oprogramie1")->trigger();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Plain);
    EXPECT_NE(ui.shown[0].text.find("ZORIND"), std::string::npos);
    EXPECT_NE(ui.shown[0].text.find(ZORIND_BUILD_VERSION), std::string::npos);
}

TEST_F(MainWindowShell, NewProjectAsksOnceOpenAndTakesTheDialogsType)
{
    window.setAnalysisTypeChooser([] { return std::optional<int>(2); });
    action("Nowy1")->trigger();
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(window.windowTitle(), u("TAV "));
    EXPECT_EQ(window.project().analysisType, 2);

    window.setAnalysisTypeChooser([] { return std::optional<int>(); });
    ui.answers = {true};
    action("NowyB")->trigger();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Tworząc nowy projekt utracisz wszystkie dane...");
    EXPECT_EQ(window.project().analysisType, 1);
}

TEST_F(MainWindowShell, OpenAndSaveThroughTheMenu)
{
    test::TempDir dir;
    Project source = test::emptyProject();
    test::addPolygon(source, {{0, 0}, {2, 0}, {0, 2}});
    const std::string path = dir.file("a.tav");
    ASSERT_TRUE(saveProjectFile(source, path).ok());

    ui.files = {path};
    action("Otworz1")->trigger();
    EXPECT_EQ(window.project().elementCount(), 3);
    EXPECT_EQ(window.windowTitle(), QString::fromStdString("TAV " + path));

    const std::string copy = dir.file("b.tav");
    ui.files = {copy};
    action("ZapiszB")->trigger();
    EXPECT_EQ(window.windowTitle(), QString::fromStdString("TAV " + copy));
    EXPECT_EQ(test::readAll(copy), test::readAll(path));
}

TEST_F(MainWindowShell, SelectorsRefusePicksBeyondTheTables)
{
    window.conditionSelectorChanged(5);
    EXPECT_EQ(window.project().currentCondition, 1);
    test::addCondition(window.project(), 1.0f, 0, 0, 0);
    window.conditionSelectorChanged(1);
    EXPECT_EQ(window.project().currentCondition, 2);
    window.boundarySelectorChanged(-1);
    EXPECT_EQ(window.project().currentBoundary, 1);
}

TEST_F(MainWindowShell, CheckAndRepairItemsRunTheirCommands)
{
    action("Sprawdspjnodanych1")->trigger();
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Nie znaleziono błędów"});

    Project& p = window.project();
    test::addPolygon(p, {{0, 0}, {1, 0}, {0, 1}});
    test::addNode(p, 5, 5);
    test::addNode(p, 1, 0);
    ui.clear();
    action("Wolnewzy1")->trigger();
    EXPECT_EQ(p.nodeCount(), 3);

    // Out of order: renumbering puts the chain in order from element 1.
    std::swap(p.elements[1], p.elements[2]);
    action("Renumerujelementy1")->trigger();
    EXPECT_EQ(p.elements[1], (Element{2, 3, 1, 1}));
    EXPECT_EQ(p.elements[2], (Element{3, 1, 1, 1}));
    EXPECT_EQ(p.elements[3], (Element{1, 2, 1, 1}));

    test::addNode(p, 0, 0);
    test::addElement(p, 4, 4);
    action("Elementyozerowejdugoci1")->trigger();
    EXPECT_EQ(p.elementCount(), 3);
    ui.answers = {true};
    action("Podwjnewzy1")->trigger();
    EXPECT_EQ(p.nodeCount(), 3);
}

TEST(AnalysisTypeDialog, EveryOpeningShowsTheProjectsTypeSoAnUnchangedOkKeepsIt)
{
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    Project& p = window.project();
    AnalysisTypeDialog& dialog = window.window<AnalysisTypeDialog>();
    EXPECT_EQ(dialog.windowTitle(), u("Typ obliczeń"));
    EXPECT_EQ(dialog.button(4)->text(), u("ciśnienie hydrodynamiczne w zamkniętych zbiornikach wodnych"));
    EXPECT_EQ(dialog.button(11)->objectName(), u("tspr"));

    // "Typ obliczeń" from the menu: what the dialog shows when it opens,
    // then `choice` is checked (0: none) and OK or "Anuluj" pressed.
    const auto open = [&](int choice, bool ok) {
        std::optional<int> shown;
        QTimer::singleShot(0, &dialog, [&dialog, &shown, choice, ok] {
            shown = dialog.checkedCode();
            if (choice != 0) {
                dialog.button(choice)->setChecked(true);
            }
            ok ? dialog.accept() : dialog.reject();
        });
        window.action("Typoblicze1")->trigger();
        return shown;
    };
    EXPECT_EQ(open(Elasticity, true), HeatFlow);
    EXPECT_EQ(p.analysisType, Elasticity);
    p.analysisType = ElectricPotential; // as another project's file sets it
    EXPECT_EQ(open(0, true), ElectricPotential);
    EXPECT_EQ(p.analysisType, ElectricPotential);
    EXPECT_EQ(open(Thermoelasticity, false), ElectricPotential);
    EXPECT_EQ(p.analysisType, ElectricPotential) << "Anuluj changes nothing";
    EXPECT_EQ(open(0, true), ElectricPotential) << "nor does it leave its choice checked";
    // A code that names no type checks no button, and OK then keeps it.
    p.analysisType = 7;
    EXPECT_EQ(open(0, true), std::nullopt);
    EXPECT_EQ(p.analysisType, 7);
}

} // namespace
} // namespace zorind

namespace zorind {
namespace {

// A receiver whose event handler fails the way a command can.
class Throwing : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("numer poza tablicą: 300"); }
};

TEST(ApplicationErrors, AnEscapingErrorIsShownAndTheProgramGoesOn)
{
    QStringList reported;
    Application::setErrorReporter([&](const QString& text) { reported << text; });
    Throwing receiver;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    Application::setErrorReporter({});
    EXPECT_EQ(reported, QStringList{QStringLiteral("numer poza tablicą: 300")});
}

} // namespace
} // namespace zorind
