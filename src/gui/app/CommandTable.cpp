#include "app/CommandTable.h"

#include <QCoreApplication>
#include <filesystem>

#include "app/QtSolverLauncher.h"
#include "app/TGL.h"
#include "check/CheckModel.h"
#include "check/CleanUp.h"
#include "check/Renumber.h"
#include "edit/Twf.h"
#include "exchange/ExportCommand.h"
#include "exchange/ImportCommand.h"
#include "lists/Tl_www.h"
#include "lists/Tl_wyn.h"
#include "lists/Tl_wyn_spr.h"
#include "model/ShellCommands.h"
#include "solver/AnalysisSettings.h"
#include "solver/Compute.h"
#include "solver/ResultLists.h"
#include "view/DisplayCommands.h"
#include "view/T_ustaw.h"
#include "view/Td_obsz.h"
#include "view/Td_siatki.h"
#include "view/Tskaluj_.h"
#include "view/ViewCommands.h"

namespace zorind {

namespace {

// Commands whose only answer is whether to repaint.
template <bool (*command)(Project&)> void repaintAfter(TGL& w)
{
    w.repaintIf(command(w.project()));
}

template <bool (*command)(Project&, Interaction&)> void runCommand(TGL& w)
{
    w.run(command);
}

void compute(TGL& w)
{
    // Whatever the outcome, the check may have regrouped the elements, so
    // the numbers on the drawing are refreshed too.
    computeCommand(w.project(), w.interaction());
    w.requestRepaint();
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
    const ExportOutcome outcome = exportCommand(w.project(), w.interaction(), launcher, std::filesystem::current_path(),
                                                QCoreApplication::applicationDirPath().toStdString());
    if (outcome == ExportOutcome::SolverStarted) {
        w.endWithoutAsking(0);
    }
}

void scaleResultsDialog(TGL& w)
{
    if (std::optional<ScalingOption> option = w.window<Tskaluj_>().choose()) {
        scaleResults(w.project(), w.interaction(), *option);
    }
    w.requestRepaint();
}

void analysisType(TGL& w)
{
    if (std::optional<int> code = w.chooseAnalysisType()) {
        w.repaintIf(applyAnalysisType(w.project(), *code));
    }
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
    {Place::Ustawienia, "Ustawienia1", "&Ustawienia", Place::Ustawienia},
    {Place::Pomoc, "Pomoc1", "&Pomoc", Place::Pomoc},
};

const CommandRow kCommands[] = {
    {Place::Plik, Entry::Command, "Nowy1", "&Nowy", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.newProjectCommand(); }},
    {Place::Plik, Entry::Command, "Otworz1", "&Otwórz", K(Qt::CTRL | Qt::Key_O), IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.openProjectCommand(); }},
    // Never enabled, so Ctrl+S does nothing; saving goes through ZapiszB and "Zapisz jako".
    {Place::Plik, Entry::Command, "Zapisz1", "&Zapisz", K(Qt::CTRL | Qt::Key_S), IconKind::None, Enabled::Never, nullptr, [](TGL& w) { w.saveProjectCommand(); }},
    {Place::Plik, Entry::Command, "Zapiszjako1", "Zapisz &jako", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.saveProjectCommand(); }},
    {Place::Plik, Entry::Separator},
    {Place::Plik, Entry::Command, "Importujz1", "&Importuj z ...", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.repaintIf(importResultsCommand(w.project(), w.interaction(), std::filesystem::current_path().string())); }},
    {Place::Plik, Entry::Command, "Eksportujdo1", "&Eksportuj do ...", none, IconKind::None, Enabled::Always, nullptr, exportElasticity},
    {Place::Plik, Entry::Separator},
    {Place::Plik, Entry::Command, "Drukuj1", "&Drukuj", none, IconKind::None, Enabled::Never},
    {Place::Plik, Entry::Command, "Ustawieniadrukarki1", "&Ustawienia drukarki", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.printerSetupCommand(); }},
    {Place::Plik, Entry::Separator},
    {Place::Plik, Entry::Command, "Koniec1", "&Koniec", K(Qt::CTRL | Qt::Key_X), IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.exitCommand(); }},

    {Place::Dodaj, Entry::Command, "Linielaman1", "&Linię łamaną", K(Qt::CTRL | Qt::Key_L)},
    {Place::Dodaj, Entry::Submenu, "Krzyw1"},
    {Place::Krzywa, Entry::Command, "N2katy1", "&2 kąty, środek, promień", none, IconKind::None, Enabled::Never},
    {Place::Krzywa, Entry::Command, "N3punkty1", "&3 punkty", none, IconKind::None, Enabled::Never},
    {Place::Krzywa, Entry::Command, "Elips1", "&Elipsę"},
    {Place::Dodaj, Entry::Command, "KrzywaNURBS1", "Krzywą NURBS", none, IconKind::None, Enabled::Never},
    {Place::Dodaj, Entry::Separator},
    {Place::Dodaj, Entry::Command, "Dodaj2", "Warunek &brzegowy"},
    {Place::Dodaj, Entry::Command, "DBrzeg", "Brze&g"},
    {Place::Dodaj, Entry::Separator},
    {Place::Dodaj, Entry::Command, "Wze1", "&Węzeł"},
    {Place::Dodaj, Entry::Command, "Element1", "&Element"},
    {Place::Dodaj, Entry::Command, "Wzewewntrzny1", "Wę&zeł wewnętrzny"},
    {Place::Dodaj, Entry::Command, "Siatkwzwwewntrznych1", "&Siatkę węzłów wewnętrznych"},

    {Place::Zmien, Entry::Command, "Warunekbrzegowy1", "Warunek &brzegowy"},
    {Place::Zmien, Entry::Separator},
    {Place::Zmien, Entry::Command, "Wasnocielementu1", "Własności &elementu"},
    {Place::Zmien, Entry::Command, "Wsprzdnewza1", "Współrzędne &węzła"},
    {Place::Zmien, Entry::Command, "Wspwzawewntrznego1", "Współ. wę&zła wewnętrznego"},
    {Place::Zmien, Entry::Separator},
    {Place::Zmien, Entry::Command, "Wasnocifizyczne1", "Własności &fizyczne", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.window<Twf>().edit(); }},
    {Place::Zmien, Entry::Separator},
    {Place::Zmien, Entry::Command, "Przesubrzeg1", "&Przesuń brzeg"},

    {Place::Usun, Entry::Command, "Wze2", "&Węzeł"},
    {Place::Usun, Entry::Command, "Element2", "&Element"},
    {Place::Usun, Entry::Command, "Wzewewntrzny2", "Wę&zeł wewnętrzny"},
    {Place::Usun, Entry::Command, "Brzeg2", "&Brzeg"},
    {Place::Usun, Entry::Separator},
    {Place::Usun, Entry::Command, "Podwjnewzy1", "&Podwójne węzły", none, IconKind::None, Enabled::Always, nullptr, runCommand<removeDoubleNodes>},
    {Place::Usun, Entry::Command, "Wolnewzy1", "&Wolne węzły", none, IconKind::None, Enabled::Always, nullptr, runCommand<removeFreeNodes>},
    {Place::Usun, Entry::Command, "Elementyozerowejdugoci1", "Ele&menty o zerowej długości", none, IconKind::None, Enabled::Always, nullptr, runCommand<removeZeroLengthElements>},
    {Place::Usun, Entry::Separator},
    {Place::Usun, Entry::Command, "Wszystkiewzywewntrzne1", "Wszystkie węzły wew&nętrzne"},

    {Place::Listy, Entry::Command, "Wzw1", "&Węzłów"},
    {Place::Listy, Entry::Command, "Elementw1", "&Elementów"},
    {Place::Listy, Entry::Command, "Wzwwewntrznych1", "Wę&złów wewnętrznych"},
    {Place::Listy, Entry::Separator},
    {Place::Listy, Entry::Command, "Warunkwbrzegowych1", "Warunków &brzegowych"},
    {Place::Listy, Entry::Command, "Brzegw1", "Brze&gów"},
    {Place::Listy, Entry::Command, "Strukturaprojektu1", "&Struktura projektu", none, IconKind::None, Enabled::Never},

    {Place::Obliczenia, Entry::Command, "Renumerujelementy1", "&Renumeruj elementy", none, IconKind::None, Enabled::Always, nullptr, runCommand<renumberElements>},
    {Place::Obliczenia, Entry::Command, "Sprawdspjnodanych1", "&Sprawdź spójność danych", none, IconKind::None, Enabled::Always, nullptr, runCommand<checkModelCommand>},
    {Place::Obliczenia, Entry::Separator},
    {Place::Obliczenia, Entry::Command, "Oblicz1", "&Oblicz", none, IconKind::None, Enabled::Always, nullptr, compute},
    {Place::Obliczenia, Entry::Separator},
    {Place::Obliczenia, Entry::Command, "Listawynikw1", "Lista &wyników", none, IconKind::None, Enabled::Always, nullptr, resultsList},
    {Place::Obliczenia, Entry::Command, "Temperaturawwwewntrznych1", "&Temperatura w w.wewnętrznych", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.window<Tl_www>().exec(); }},
    {Place::Obliczenia, Entry::Separator},
    {Place::Obliczenia, Entry::Command, "Skalujdane1", "Skaluj da&ne", none, IconKind::None, Enabled::Never},
    {Place::Obliczenia, Entry::Command, "Skalujwyniki1", "Skaluj wyni&ki", none, IconKind::None, Enabled::Always, nullptr, scaleResultsDialog},
    {Place::Obliczenia, Entry::Command, "GenerujNURBSa1", "Generuj NURBSa", none, IconKind::None, Enabled::Never},

    {Place::Widok, Entry::Command, "Siatka1", "&Siatka", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.repaintIf(w.window<Td_siatki>().edit()); }},
    {Place::Widok, Entry::Command, "Obszar1", "&Obszar", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.repaintIf(w.window<Td_obsz>().edit()); }},
    {Place::Widok, Entry::Command, "Pokawszystko1", "&Pokaż wszystko", none, IconKind::None, Enabled::Always, nullptr, repaintAfter<showEverything>},
    {Place::Widok, Entry::Command, "Wnormalne1", "W. &normalne", none, IconKind::None, Enabled::Never, &B::normalsChecked},
    {Place::Widok, Entry::Separator},
    {Place::Widok, Entry::Command, "Warbrzegowe1", "Warunki &brzegowe", none, IconKind::None, Enabled::Always, &B::conditionsChecked, repaintAfter<toggleBoundaryConditionsMenu>},
    {Place::Widok, Entry::Separator},
    {Place::Widok, Entry::Command, "Temperatura1", "&Potencjał", none, IconKind::None, Enabled::Always, &B::potentialChecked, repaintAfter<togglePotential>},
    {Place::Widok, Entry::Command, "Strumie1", "&Strumień", none, IconKind::None, Enabled::Always, &B::fluxChecked, repaintAfter<toggleFlux>},
    {Place::Widok, Entry::Separator},
    {Place::Widok, Entry::Command, "Przemieszczenia1", "P&rzemieszczenia", none, IconKind::None, Enabled::Always, &B::displacementsChecked, repaintAfter<toggleDisplacements>},

    {Place::Ustawienia, Entry::Command, "Ustawieniaekranu1", "Ustawienia ekranu", K(Qt::CTRL | Qt::Key_J), IconKind::None, Enabled::Always, nullptr, [](TGL& w) { w.repaintIf(w.window<T_ustaw>().edit()); }},
    {Place::Ustawienia, Entry::Separator},
    {Place::Ustawienia, Entry::Command, "Typoblicze1", "&Typ obliczeń", none, IconKind::None, Enabled::Always, nullptr, analysisType},

    {Place::Pomoc, Entry::Command, "Pomoc2", "&Pomoc"},
    {Place::Pomoc, Entry::Separator},
    {Place::Pomoc, Entry::Command, "Oprogramie1", "&O programie...", none, IconKind::None, Enabled::Always, nullptr, [](TGL& w) { showAbout(w.interaction()); }},

    {Place::SpeedPanel, Entry::Command, "NowyB", "Nowy projekt", none, IconKind::New, Enabled::Always, nullptr, [](TGL& w) { w.newProjectCommand(); }},
    {Place::SpeedPanel, Entry::Command, "OtworzB", "Otwórz plik", none, IconKind::Open, Enabled::Always, nullptr, [](TGL& w) { w.openProjectCommand(); }},
    {Place::SpeedPanel, Entry::Command, "ZapiszB", "Zapisz plik", none, IconKind::Save, Enabled::Always, nullptr, [](TGL& w) { w.saveProjectCommand(); }},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "SpeedButton1", "Linia łamana", none, IconKind::Polyline},
    {Place::SpeedPanel, Entry::Command, "SpeedButton2", "Okrąg", none, IconKind::Circle},
    {Place::SpeedPanel, Entry::Command, "WarbrzegB", "Dodaj warunek brzegowy", none, IconKind::AddCondition},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "BWEZLY", "Pokaż numery węzłów", none, IconKind::NodeNumbers, Enabled::Always, &B::nodeNumbersDown, repaintAfter<toggleNodeNumbers>},
    {Place::SpeedPanel, Entry::Command, "BELE", "Pokaż numery elementów", none, IconKind::ElementNumbers, Enabled::Always, &B::elementNumbersDown, repaintAfter<toggleElementNumbers>},
    {Place::SpeedPanel, Entry::Command, "BWB", "Pokaż warunki brzegowe", none, IconKind::ShowConditions, Enabled::Always, &B::conditionsDown, repaintAfter<toggleBoundaryConditionsButton>},
    {Place::SpeedPanel, Entry::Command, "BB", "Przesuń zawartość ekranu", none, IconKind::BoundaryNumbers, Enabled::Always, &B::boundaryNumbersDown, repaintAfter<toggleElementBoundaryNumbers>},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "ZoomPlB", "Powiększenie fragmentu ekranu", none, IconKind::ZoomIn, Enabled::Always, nullptr, repaintAfter<zoomIn>},
    {Place::SpeedPanel, Entry::Command, "ZoomMiB", "Pomniejszenie fragmentu ekranu", none, IconKind::ZoomOut, Enabled::Always, nullptr, repaintAfter<zoomOut>},
    {Place::SpeedPanel, Entry::Command, "PanB", "Przesuń zawartość ekranu", none, IconKind::Pan, Enabled::Never},
    {Place::SpeedPanel, Entry::Separator},
    {Place::SpeedPanel, Entry::Command, "SolveB", "Oblicz", none, IconKind::Solve, Enabled::Always, nullptr, compute},
    {Place::SpeedPanel, Entry::Command, "ListawynB", "Lista wyników", none, IconKind::Results, Enabled::Always, nullptr, resultsList},
    {Place::SpeedPanel, Entry::Command, "BT", "Pokaż wartości potencjałów", none, IconKind::Potential, Enabled::WithResults, &B::potentialDown, repaintAfter<togglePotential>},
    {Place::SpeedPanel, Entry::Command, "BTN", "Pokaż wartości strumieni", none, IconKind::Flux, Enabled::WithResults, &B::fluxDown, repaintAfter<toggleFlux>},

    {Place::Panel1, Entry::Selector, "CBRZEG", "Aktualny brzeg"},
    {Place::Panel1, Entry::Command, "SpeedButton3", "Dodaj brzeg", none, IconKind::AddBoundary},
    {Place::Panel1, Entry::Selector, "CWB", "Aktualny warunke brzegowy"},
    {Place::Panel1, Entry::Command, "SpeedButton4", "Dodaj warunek brzegowy", none, IconKind::AddCondition},

    {Place::Prawymenu, Entry::Command, "Wstawww", "Wstaw wę&zeł wewnętrzny"},
    {Place::Prawymenu, Entry::Command, "Zmiewasnocielementu1", "Zmień własności elementu", none, IconKind::None, Enabled::Never},
    // Choosing it only closes the menu.
    {Place::Prawymenu, Entry::Command, "Zmiewarunekbrzegowy1", "Zmień warunek brzegowy"},
    {Place::Prawymenu, Entry::Command, "Usuelement1", "Usuń &element", none, IconKind::None, Enabled::Never},
    {Place::Prawymenu, Entry::Command, "Usuwze1", "Usuń &węzeł"},
    {Place::Prawymenu, Entry::Command, "Usuwzewewntrzny1", "Usuń wę&zeł wewnętrzny"},

    {Place::LamaPop, Entry::Command, "Koniecliniamanej1", "Koniec lini łamanej"},
    {Place::LamaPop, Entry::Command, "Zamknijlinieaman1", "Zamknij linie łamaną"},
    {Place::LamaPop, Entry::Command, "Usuostatnielement1", "Usuń ostatni element"},
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
