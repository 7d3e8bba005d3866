#include "app/CommandTable.h"

#include <QCoreApplication>
#include <filesystem>

#include "ElasticSolver.h"
#include "app/QtSolverLauncher.h"
#include "app/TGL.h"
#include "check/CheckModel.h"
#include "check/CleanUp.h"
#include "check/Renumber.h"
#include "edit/Boundaries.h"
#include "edit/BoundaryConstruction.h"
#include "edit/Conditions.h"
#include "edit/InternalPoints.h"
#include "edit/NodeEditing.h"
#include "edit/PointerController.h"
#include "edit/Subdivision.h"
#include "edit/Tobrzeg.h"
#include "edit/Tokrag_.h"
#include "edit/Tuwez.h"
#include "edit/Tw_elem.h"
#include "edit/Twb.h"
#include "edit/Twb_wek.h"
#include "edit/Twf.h"
#include "edit/Twwew.h"
#include "edit/Twwez.h"
#include "exchange/ElasticSolve.h"
#include "exchange/ExportCommand.h"
#include "exchange/ImportCommand.h"
#include "lists/Tl_brz.h"
#include "lists/Tl_ele.h"
#include "lists/Tl_wb.h"
#include "lists/Tl_wez.h"
#include "lists/Tl_wezw.h"
#include "lists/Tl_www.h"
#include "lists/Tl_wyn.h"
#include "lists/Tl_wyn_pw.h"
#include "lists/Tl_wyn_spr.h"
#include "session/DisplayCommands.h"
#include "session/ShellCommands.h"
#include "session/ViewCommands.h"
#include "solver/AnalysisSettings.h"
#include "solver/Compute.h"
#include "solver/ResultLists.h"
#include "view/T_ustaw.h"
#include "view/Td_obsz.h"
#include "view/Td_siatki.h"
#include "view/Tskaluj_.h"
#include "widgets/NumberFields.h"

namespace zorind {

namespace {

// The window settles every command's consequences (repaint, tool bars,
// results that no longer belong to the model) after it: a handler only
// gathers the input and calls the command.
template <bool (*command)(Project&)> void onProject(TGL& w)
{
    command(w.project());
}

template <bool (*command)(Project&, Interaction&)> void withUi(TGL& w)
{
    command(w.project(), w.interaction());
}

void compute(TGL& w)
{
    computeCommand(w.project(), w.interaction());
}

// "Oblicz s&prężystość": the elasticity solver library, in this process;
// the program goes on whatever the outcome.
void computeElasticity(TGL& w)
{
    computeElasticityCommand(w.project(), w.interaction(), elastic::solveElasticProblem);
}

void internalPointResults(TGL& w)
{
    if (hasInternalPointResults(w.project())) {
        w.window<Tl_wyn_pw>().exec();
    }
}

void resultsList(TGL& w)
{
    switch (resultsListCommand(w.project(), w.interaction())) {
    case ResultsWindow::PotentialResults:
        w.window<Tl_wyn>().exec();
        break;
    case ResultsWindow::ElasticityResults:
        w.window<Tl_wyn_spr>().exec();
        break;
    case ResultsWindow::None:
        break;
    }
}

// "&Eksportuj do ...": the exchange file goes to the working folder; a
// solver that starts ends this program with status 0, without the exit
// question, as the user was told.
void exportElasticity(TGL& w)
{
    QtSolverLauncher launcher;
    const ExportOutcome outcome =
        exportCommand(w.project(), w.interaction(), launcher, std::filesystem::current_path(),
                      QCoreApplication::applicationDirPath().toStdString(), [&w] { return w.offerToSave(); });
    if (outcome == ExportOutcome::SolverStarted) {
        w.endWithoutAsking(0);
    }
}

void scaleResultsDialog(TGL& w)
{
    if (std::optional<ScalingOption> option = w.window<Tskaluj_>().choose()) {
        scaleResults(w.project(), w.interaction(), *option);
    }
}

void polyline(TGL& w)
{
    startPolyline(w.project(), w.pointer());
}

void circle(TGL& w)
{
    w.enterCircle([&w] { w.window<Tokrag_>().edit(); });
}

void analysisType(TGL& w)
{
    if (std::optional<int> code = w.chooseAnalysisType()) {
        applyAnalysisType(w.project(), *code);
    }
}

// A command's modal dialog: true when it closed with OK.
template <class W> DialogCall dialogOf(TGL& w)
{
    return [&w] { return w.window<W>().edit(); };
}

// The condition dialog of the analysis type, opened on selectedNumber.
ConditionDialogRunner conditionDialog(TGL& w)
{
    return [&w](ConditionDialogKind kind) {
        return kind == ConditionDialogKind::Elasticity ? w.window<Twb_wek>().edit() : w.window<Twb>().edit();
    };
}

void addConditionCommand(TGL& w)
{
    addCondition(w.project(), w.interaction(), conditionDialog(w));
}

void addBoundaryCommand(TGL& w)
{
    addBoundary(w.project(), w.interaction(), dialogOf<Tobrzeg>(w));
}

// A list window opens only when its table has entries.
template <class Window> void showList(TGL& w, int entries)
{
    if (entries >= 1) {
        w.window<Window>().exec();
    }
}

DialogCall numberPrompt(TGL& w)
{
    return [&w] { return w.window<Tuwez>().ask(); };
}

// Popup commands act where the popup was opened.
template <bool (*command)(Project&, Interaction&, int, int)> void atPopupPoint(TGL& w)
{
    const QPoint at = w.pointer().popupPoint();
    command(w.project(), w.interaction(), at.x(), at.y());
}

using B = ToolBarState;
using K = QKeyCombination;
constexpr K none{};

// clang-format off
constexpr MenuRow kMenus[] = {
    {Place::Plik, "Plik1", "&Plik", Place::Plik},
    {Place::Dodaj, "Dodaj1", "&Dodaj", Place::Dodaj},
    {Place::Krzywa, "Krzyw1", "&Krzywą", Place::Dodaj},
    {Place::Zmien, "Zmie1", "&Zmień", Place::Zmien},
    {Place::Usun, "Usu1", "&Usuń", Place::Usun},
    {Place::Listy, "Listy1", "&Listy", Place::Listy},
    {Place::Obliczenia, "Obliczenia1", "&Obliczenia", Place::Obliczenia},
    {Place::Widok, "Widok1", "&Widok", Place::Widok},
    // Letters of their own, so that Alt+U and Alt+P each open one menu.
    {Place::Ustawienia, "Ustawienia1", "Ustawie&nia", Place::Ustawienia},
    {Place::Pomoc, "Pomoc1", "Pomo&c", Place::Pomoc},
};

const CommandRow kCommands[] = {
    {Place::Plik, Entry::Command, "Nowy1", "&Nowy", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.newProjectCommand(); }},
    {Place::Plik, Entry::Command, "Otworz1", "&Otwórz", K(Qt::CTRL | Qt::Key_O), IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.openProjectCommand(); }},
    // Never enabled, so Ctrl+S does nothing; saving goes through ZapiszB and "Zapisz jako".
    {Place::Plik, Entry::Command, "Zapisz1", "&Zapisz", K(Qt::CTRL | Qt::Key_S), IconKind::None, Enabled::Never, nullptr, [](TGL& w) { w.saveProjectCommand(); }},
    {Place::Plik, Entry::Command, "Zapiszjako1", "Zapisz &jako", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.saveProjectCommand(); }},
    {Place::Plik, Entry::Separator},
    {Place::Plik, Entry::Command, "Importujz1", "&Importuj z ...", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { importResultsCommand(w.project(), w.interaction(), std::filesystem::current_path().string()); }},
    {Place::Plik, Entry::Command, "Eksportujdo1", "&Eksportuj do ...", none, IconKind::None, Enabled::Always, nullptr, exportElasticity},
    {Place::Plik, Entry::Separator},
    {Place::Plik, Entry::Command, "Drukuj1", "&Drukuj", none, IconKind::None, Enabled::Never},
    {Place::Plik, Entry::Command, "Ustawieniadrukarki1", "&Ustawienia drukarki", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.printerSetupCommand(); }},
    {Place::Plik, Entry::Separator},
    {Place::Plik, Entry::RecentProjects, "Ostatnie1"},
    {Place::Plik, Entry::Command, "Koniec1", "&Koniec", K(Qt::CTRL | Qt::Key_X), IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.exitCommand(); }},

    {Place::Dodaj, Entry::Command, "Linielaman1", "&Linię łamaną", K(Qt::CTRL | Qt::Key_L), IconKind::None, Enabled::Always, nullptr, polyline},
    {Place::Dodaj, Entry::Submenu, "Krzyw1"},
    {Place::Krzywa, Entry::Command, "N2katy1", "&2 kąty, środek, promień", none, IconKind::None, Enabled::Never},
    {Place::Krzywa, Entry::Command, "N3punkty1", "&3 punkty", none, IconKind::None, Enabled::Never},
    {Place::Krzywa, Entry::Command, "Elips1", "&Elipsę", none, IconKind::None, Enabled::Always, nullptr, circle},
    {Place::Dodaj, Entry::Command, "KrzywaNURBS1", "Krzywą NURBS", none, IconKind::None, Enabled::Never},
    {Place::Dodaj, Entry::Separator},
    {Place::Dodaj, Entry::Command, "Dodaj2", "Warunek &brzegowy", none, IconKind::None, Enabled::Always, nullptr, addConditionCommand},
    {Place::Dodaj, Entry::Command, "DBrzeg", "Brze&g", none, IconKind::None, Enabled::Always, nullptr, addBoundaryCommand},
    {Place::Dodaj, Entry::Separator},
    {Place::Dodaj, Entry::Command, "Wze1", "&Węzeł", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { addNode(w.project(), w.interaction(), dialogOf<Twwez>(w)); }},
    {Place::Dodaj, Entry::Command, "Element1", "&Element", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { addElement(w.project(), w.interaction(), dialogOf<Tw_elem>(w)); }},
    {Place::Dodaj, Entry::Command, "Wzewewntrzny1", "Wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { addInternalPoint(w.project(), w.interaction(), dialogOf<Twwew>(w)); }},
    {Place::Dodaj, Entry::Command, "Siatkwzwwewntrznych1", "&Siatkę węzłów wewnętrznych", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { gridOfInternalPoints(w.project(), w.interaction(), numberPrompt(w)); }},

    {Place::Zmien, Entry::Command, "Cofnij1", "&Cofnij", K(Qt::CTRL | Qt::Key_Z), IconKind::None, Enabled::WithUndo, nullptr, [](TGL& w) { w.undoCommand(); }},
    {Place::Zmien, Entry::Command, "Ponow1", "P&onów", K(Qt::CTRL | Qt::Key_Y), IconKind::None, Enabled::WithRedo, nullptr, [](TGL& w) { w.redoCommand(); }, K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    {Place::Zmien, Entry::Separator},
    {Place::Zmien, Entry::Command, "Warunekbrzegowy1", "Warunek &brzegowy", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { changeCondition(w.project(), conditionDialog(w)); }},
    {Place::Zmien, Entry::Separator},
    {Place::Zmien, Entry::Command, "Wasnocielementu1", "Własności &elementu", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { editElement(w.project(), dialogOf<Tw_elem>(w)); }},
    {Place::Zmien, Entry::Command, "Wsprzdnewza1", "Współrzędne &węzła", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { editNode(w.project(), dialogOf<Twwez>(w)); }},
    {Place::Zmien, Entry::Command, "Wspwzawewntrznego1", "Współ. wę&zła wewnętrznego", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { editInternalPoint(w.project(), dialogOf<Twwew>(w)); }},
    {Place::Zmien, Entry::Separator},
    {Place::Zmien, Entry::Command, "Wasnocifizyczne1", "Własności &fizyczne", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.window<Twf>().edit(); }},
    {Place::Zmien, Entry::Separator},
    {Place::Zmien, Entry::Command, "Przesubrzeg1", "&Przesuń brzeg", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { moveBoundary(w.project(), w.interaction(), decimalSeparator()); }},
    {Place::Zmien, Entry::Command, "Podzielelementy1", "Po&dziel elementy", none, IconKind::None, Enabled::Always, nullptr, withUi<subdivideElements>},

    {Place::Usun, Entry::Command, "Wze2", "&Węzeł", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { deleteNodeByNumber(w.project(), w.interaction(), numberPrompt(w)); }},
    {Place::Usun, Entry::Command, "Element2", "&Element", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { deleteElementByNumber(w.project(), numberPrompt(w)); }},
    {Place::Usun, Entry::Command, "Wzewewntrzny2", "Wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { deleteInternalPointByNumber(w.project(), numberPrompt(w)); }},
    {Place::Usun, Entry::Command, "Brzeg2", "&Brzeg", none, IconKind::None, Enabled::Always, nullptr, withUi<deleteBoundary>},
    {Place::Usun, Entry::Separator},
    {Place::Usun, Entry::Command, "Podwjnewzy1", "&Podwójne węzły", none, IconKind::None, Enabled::Always, nullptr, withUi<removeDoubleNodes>},
    {Place::Usun, Entry::Command, "Wolnewzy1", "&Wolne węzły", none, IconKind::None, Enabled::Always, nullptr, withUi<removeFreeNodes>},
    {Place::Usun, Entry::Command, "Elementyozerowejdugoci1", "Ele&menty o zerowej długości", none, IconKind::None, Enabled::Always, nullptr, withUi<removeZeroLengthElements>},
    {Place::Usun, Entry::Separator},
    {Place::Usun, Entry::Command, "Wszystkiewzywewntrzne1", "Wszystkie węzły wew&nętrzne", none, IconKind::None, Enabled::Always, nullptr, withUi<deleteAllInternalPoints>},

    {Place::Listy, Entry::Command, "Wzw1", "&Węzłów", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { showList<Tl_wez>(w, w.project().nodeCount()); }},
    {Place::Listy, Entry::Command, "Elementw1", "&Elementów", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { showList<Tl_ele>(w, w.project().elementCount()); }},
    {Place::Listy, Entry::Command, "Wzwwewntrznych1", "Wę&złów wewnętrznych", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { showList<Tl_wezw>(w, w.project().internalPointCount()); }},
    {Place::Listy, Entry::Separator},
    {Place::Listy, Entry::Command, "Warunkwbrzegowych1", "Warunków &brzegowych", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { showList<Tl_wb>(w, w.project().conditionCount()); }},
    {Place::Listy, Entry::Command, "Brzegw1", "Brze&gów", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { showList<Tl_brz>(w, w.project().boundaryCount()); }},
    {Place::Listy, Entry::Command, "Strukturaprojektu1", "&Struktura projektu", none, IconKind::None, Enabled::Never},

    {Place::Obliczenia, Entry::Command, "Renumerujelementy1", "&Renumeruj elementy", none, IconKind::None, Enabled::Always, nullptr, withUi<renumberElements>},
    {Place::Obliczenia, Entry::Command, "Sprawdspjnodanych1", "&Sprawdź spójność danych", none, IconKind::None, Enabled::Always, nullptr, withUi<checkModelCommand>},
    {Place::Obliczenia, Entry::Separator},
    {Place::Obliczenia, Entry::Command, "Oblicz1", "&Oblicz", none, IconKind::None, Enabled::Always, nullptr, compute},
    {Place::Obliczenia, Entry::Command, "Obliczsprezystosc1", "Oblicz s&prężystość", none, IconKind::None, Enabled::ForElasticity, nullptr, computeElasticity},
    {Place::Obliczenia, Entry::Separator},
    {Place::Obliczenia, Entry::Command, "Listawynikw1", "Lista &wyników", none, IconKind::None, Enabled::Always, nullptr, resultsList},
    {Place::Obliczenia, Entry::Command, "Temperaturawwwewntrznych1", "&Temperatura w w.wewnętrznych", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.window<Tl_www>().exec(); }},
    {Place::Obliczenia, Entry::Command, "Wynikiwpunktachwewntrznych1", "W&yniki w punktach wewnętrznych", none, IconKind::None, Enabled::WithInternalPointResults, nullptr, internalPointResults},
    {Place::Obliczenia, Entry::Separator},
    {Place::Obliczenia, Entry::Command, "Skalujdane1", "Skaluj da&ne", none, IconKind::None, Enabled::Never},
    {Place::Obliczenia, Entry::Command, "Skalujwyniki1", "Skaluj wyni&ki", none, IconKind::None, Enabled::Always, nullptr, scaleResultsDialog},
    {Place::Obliczenia, Entry::Command, "GenerujNURBSa1", "Generuj NURBSa", none, IconKind::None, Enabled::Never},

    {Place::Widok, Entry::Command, "Siatka1", "&Siatka", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.window<Td_siatki>().edit(); }},
    {Place::Widok, Entry::Command, "Obszar1", "&Obszar", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.window<Td_obsz>().edit(); }},
    {Place::Widok, Entry::Command, "Pokawszystko1", "&Pokaż wszystko", none, IconKind::None, Enabled::Always, nullptr, onProject<showEverything>},
    {Place::Widok, Entry::Command, "Wnormalne1", "W. &normalne", none, IconKind::None, Enabled::Never, &B::normalsChecked},
    {Place::Widok, Entry::Command, "Rownaskalaosi1", "Równa s&kala osi", none, IconKind::None, Enabled::Always, &B::equalScaleChecked, onProject<toggleEqualScale>},
    {Place::Widok, Entry::Separator},
    {Place::Widok, Entry::Command, "Warbrzegowe1", "Warunki &brzegowe", none, IconKind::None, Enabled::Always, &B::conditionsChecked, onProject<toggleBoundaryConditionsMenu>},
    {Place::Widok, Entry::Separator},
    {Place::Widok, Entry::Command, "Temperatura1", "&Potencjał", none, IconKind::None, Enabled::Always, &B::potentialChecked, onProject<togglePotential>},
    {Place::Widok, Entry::Command, "Strumie1", "&Strumień", none, IconKind::None, Enabled::Always, &B::fluxChecked, onProject<toggleFlux>},
    {Place::Widok, Entry::Command, "Mapapola1", "&Mapa pola", none, IconKind::None, Enabled::Always, &B::fieldMapChecked, onProject<toggleFieldMap>},
    {Place::Widok, Entry::Separator},
    {Place::Widok, Entry::Command, "Przemieszczenia1", "P&rzemieszczenia", none, IconKind::None, Enabled::Always, &B::displacementsChecked, onProject<toggleDisplacements>},
    {Place::Widok, Entry::Command, "Naprezeniazredukowane1", "Naprężenia &zredukowane", none, IconKind::None, Enabled::ForElasticity, &B::reducedStressChecked, onProject<toggleReducedStress>},

    {Place::Ustawienia, Entry::Command, "Ustawieniaekranu1", "Ustawienia ekranu", K(Qt::CTRL | Qt::Key_J), IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.window<T_ustaw>().edit(); }},
    {Place::Ustawienia, Entry::Separator},
    {Place::Ustawienia, Entry::Command, "Typoblicze1", "&Typ obliczeń", none, IconKind::None, Enabled::Always, nullptr, analysisType},

    {Place::Pomoc, Entry::Command, "Pomoc2", "&Pomoc"},
    {Place::Pomoc, Entry::Separator},
    {Place::Pomoc, Entry::Command, "Oprogramie1", "&O programie...", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { showAbout(w.interaction()); }},

    {Place::SpeedPanel, Entry::Command, "NowyB", "Nowy projekt", none, IconKind::New, Enabled::Always, nullptr, [](TGL& w) { w.newProjectCommand(); }},
    {Place::SpeedPanel, Entry::Command, "OtworzB", "Otwórz plik", none, IconKind::Open, Enabled::Always, nullptr, [](TGL& w) { w.openProjectCommand(); }},
    {Place::SpeedPanel, Entry::Command, "ZapiszB", "Zapisz plik", none, IconKind::Save, Enabled::Always, nullptr, [](TGL& w) { w.saveProjectCommand(); }},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "SpeedButton1", "Linia łamana", none, IconKind::Polyline, Enabled::Always, nullptr, polyline},
    {Place::SpeedPanel, Entry::Command, "SpeedButton2", "Okrąg", none, IconKind::Circle, Enabled::Always, nullptr, circle},
    {Place::SpeedPanel, Entry::Command, "WarbrzegB", "Dodaj warunek brzegowy", none, IconKind::AddCondition, Enabled::Always, nullptr, addConditionCommand},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "CofnijB", "Cofnij", none, IconKind::Undo, Enabled::WithUndo, nullptr, [](TGL& w) { w.undoCommand(); }},
    {Place::SpeedPanel, Entry::Command, "PonowB", "Ponów", none, IconKind::Redo, Enabled::WithRedo, nullptr, [](TGL& w) { w.redoCommand(); }},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "BWEZLY", "Pokaż numery węzłów", none, IconKind::NodeNumbers, Enabled::Always, &B::nodeNumbersDown, onProject<toggleNodeNumbers>},
    {Place::SpeedPanel, Entry::Command, "BELE", "Pokaż numery elementów", none, IconKind::ElementNumbers, Enabled::Always, &B::elementNumbersDown, onProject<toggleElementNumbers>},
    {Place::SpeedPanel, Entry::Command, "BWB", "Pokaż warunki brzegowe", none, IconKind::ShowConditions, Enabled::Always, &B::conditionsDown, onProject<toggleBoundaryConditionsButton>},
    {Place::SpeedPanel, Entry::Command, "BB", "Przesuń zawartość ekranu", none, IconKind::BoundaryNumbers, Enabled::Always, &B::boundaryNumbersDown, onProject<toggleElementBoundaryNumbers>},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "ZoomPlB", "Powiększenie fragmentu ekranu", none, IconKind::ZoomIn, Enabled::Always, nullptr, onProject<zoomIn>},
    {Place::SpeedPanel, Entry::Command, "ZoomMiB", "Pomniejszenie fragmentu ekranu", none, IconKind::ZoomOut, Enabled::Always, nullptr, onProject<zoomOut>},
    {Place::SpeedPanel, Entry::Command, "PanB", "Przesuń zawartość ekranu", none, IconKind::Pan, Enabled::Never},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "SolveB", "Oblicz", none, IconKind::Solve, Enabled::Always, nullptr, compute},
    {Place::SpeedPanel, Entry::Command, "ListawynB", "Lista wyników", none, IconKind::Results, Enabled::Always, nullptr, resultsList},
    {Place::SpeedPanel, Entry::Command, "BT", "Pokaż wartości potencjałów", none, IconKind::Potential, Enabled::WithResults, &B::potentialDown, onProject<togglePotential>},
    {Place::SpeedPanel, Entry::Command, "BTN", "Pokaż wartości strumieni", none, IconKind::Flux, Enabled::WithResults, &B::fluxDown, onProject<toggleFlux>},

    {Place::Panel1, Entry::Selector, "CBRZEG", "Aktualny brzeg"},
    {Place::Panel1, Entry::Command, "SpeedButton3", "Dodaj brzeg", none, IconKind::AddBoundary, Enabled::Always, nullptr, addBoundaryCommand},
    {Place::Panel1, Entry::Selector, "CWB", "Aktualny warunke brzegowy"},
    {Place::Panel1, Entry::Command, "SpeedButton4", "Dodaj warunek brzegowy", none, IconKind::AddCondition, Enabled::Always, nullptr, addConditionCommand},

    {Place::Prawymenu, Entry::Command, "Wstawww", "Wstaw wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, atPopupPoint<insertInternalPointAtPointer>},
    {Place::Prawymenu, Entry::Command, "Zmiewasnocielementu1", "Zmień własności elementu", none, IconKind::None, Enabled::Never},
    // Choosing it only closes the menu.
    {Place::Prawymenu, Entry::Command, "Zmiewarunekbrzegowy1", "Zmień warunek brzegowy"},
    {Place::Prawymenu, Entry::Command, "Usuelement1", "Usuń &element", none, IconKind::None, Enabled::Never},
    {Place::Prawymenu, Entry::Command, "Usuwze1", "Usuń &węzeł", none, IconKind::None, Enabled::Always, nullptr, atPopupPoint<deleteNodeAtPointer>},
    {Place::Prawymenu, Entry::Command, "Usuwzewewntrzny1", "Usuń wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, atPopupPoint<deleteInternalPointAtPointer>},

    {Place::LamaPop, Entry::Command, "Koniecliniamanej1", "Koniec lini łamanej", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { endPolyline(w.project(), w.pointer()); }},
    {Place::LamaPop, Entry::Command, "Zamknijlinieaman1", "Zamknij linie łamaną", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { closePolyline(w.project(), w.interaction(), w.pointer()); }},
    {Place::LamaPop, Entry::Command, "Usuostatnielement1", "Usuń ostatni element", none, IconKind::None, Enabled::Always, nullptr, onProject<removeLastElement>},
};
// clang-format on

} // namespace

std::span<const MenuRow> menuRows()
{
    return kMenus;
}

std::span<const CommandRow> commandRows()
{
    return kCommands;
}

} // namespace zorind
