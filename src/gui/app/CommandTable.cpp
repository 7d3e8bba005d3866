#include "gui/app/CommandTable.h"

#include <QCoreApplication>
#include <filesystem>

#include "core/cad/DrawingCommands.h"
#include "core/check/CheckModel.h"
#include "core/check/CleanUp.h"
#include "core/check/Renumber.h"
#include "core/edit/Arcs.h"
#include "core/edit/Boundaries.h"
#include "core/edit/BoundaryConstruction.h"
#include "core/edit/Conditions.h"
#include "core/edit/InternalPoints.h"
#include "core/edit/NodeEditing.h"
#include "core/edit/Subdivision.h"
#include "core/exchange/ElasticSolve.h"
#include "core/exchange/ExportCommand.h"
#include "core/edit/SegmentEntry.h"
#include "core/exchange/ImportCommand.h"
#include "core/postprocess/ComputedResults.h"
#include "core/session/DisplayCommands.h"
#include "core/session/FileCommands.h"
#include "core/session/ShellCommands.h"
#include "core/session/ViewCommands.h"
#include "core/solver/AnalysisSettings.h"
#include "core/solver/Compute.h"
#include "core/solver/ResultLists.h"
#include "dxf/DxfFile.h"
#include "elastic/ElasticSolver.h"
#include "gui/app/MainWindow.h"
#include "gui/app/QtSolverLauncher.h"
#include "gui/edit/ArcDialog.h"
#include "gui/edit/BoundaryDialog.h"
#include "gui/edit/CircleDialog.h"
#include "gui/edit/ConditionDialog.h"
#include "gui/edit/ElasticConditionDialog.h"
#include "gui/edit/ElementDialog.h"
#include "gui/edit/InternalPointDialog.h"
#include "gui/edit/NodeDialog.h"
#include "gui/edit/NumberPrompt.h"
#include "gui/edit/PhysicalPropertiesDialog.h"
#include "gui/edit/PointerController.h"
#include "gui/lists/BalanceList.h"
#include "gui/lists/BoundaryList.h"
#include "gui/lists/ConditionList.h"
#include "gui/lists/ElementList.h"
#include "gui/lists/GridLists.h"
#include "gui/view/AreaDialog.h"
#include "gui/view/DataScalingDialog.h"
#include "gui/view/GridDialog.h"
#include "gui/view/HelpWindow.h"
#include "gui/view/ResultScalingDialog.h"
#include "gui/view/ScreenSettingsDialog.h"
#include "gui/widgets/NumberFields.h"

namespace zorind {

namespace {

// The window settles every command's consequences (repaint, tool bars,
// results that no longer belong to the model) after it: a handler only
// gathers the input and calls the command.
template <auto command> void onProject(MainWindow& w)
{
    command(w.project());
}

template <auto command> void withUi(MainWindow& w)
{
    command(w.project(), w.interaction());
}

void compute(MainWindow& w)
{
    computeCommand(w.project(), w.interaction());
}

// "Oblicz s&prężystość": the elasticity solver library, in this process;
// the program goes on whatever the outcome.
void computeElasticity(MainWindow& w)
{
    computeElasticityCommand(w.project(), w.interaction(), elastic::solveElasticProblem);
}

// "&Bilans": the results are computed first when they are not valid, as
// "&Oblicz" (or "Oblicz s&prężystość") computes them.
void balance(MainWindow& w)
{
    if (ensureResults(w.project(), w.interaction(), elastic::solveElasticProblem) == ResultsOutcome::Ready) {
        w.window<BalanceList>().exec();
    }
}

// "Wykr&es wzdłuż odcinka": the results first, then the pointer enters the
// segment's ends; the plot opens when they are in.
void segmentPlot(MainWindow& w)
{
    if (ensureResults(w.project(), w.interaction(), elastic::solveElasticProblem) == ResultsOutcome::Ready) {
        startSegmentEntry(w.project(), w.pointer());
    }
}

void internalPointResults(MainWindow& w)
{
    if (hasInternalPointResults(w.project())) {
        w.window<InternalPointResultsList>().exec();
    }
}

void resultsList(MainWindow& w)
{
    switch (resultsListCommand(w.project(), w.interaction())) {
    case ResultsWindow::PotentialResults:
        w.window<ResultsList>().exec();
        break;
    case ResultsWindow::ElasticityResults:
        w.window<ElasticResultsList>().exec();
        break;
    case ResultsWindow::None:
        break;
    }
}

// "&Eksportuj do ...": the exchange file goes to the working folder; a
// solver that starts ends this program with status 0, without the exit
// question, as the user was told.
void exportElasticity(MainWindow& w)
{
    QtSolverLauncher launcher;
    const ExportOutcome outcome =
        exportCommand(w.project(), w.interaction(), launcher, std::filesystem::current_path(),
                      QCoreApplication::applicationDirPath().toStdString(), [&w] { return w.offerToSave(); });
    if (outcome == ExportOutcome::SolverStarted) {
        w.endWithoutAsking(0);
    }
}

void scaleResultsDialog(MainWindow& w)
{
    if (std::optional<ScalingOption> option = w.window<ResultScalingDialog>().choose()) {
        scaleResults(w.project(), w.interaction(), *option);
    }
}

void polyline(MainWindow& w)
{
    startPolyline(w.project(), w.pointer());
}

void circle(MainWindow& w)
{
    w.enterCircle([&w] { w.window<CircleDialog>().edit(); });
}

void arcDialog(MainWindow& w)
{
    w.enterCircle([&w] { w.window<ArcDialog>().edit(); });
}

// "&Zapisz": the project's own file, the caption showing it saved before
// anything else is said.
void saveToOwnFile(MainWindow& w)
{
    saveToProjectFile(w.project(), w.interaction(), [&w] { w.showModelNow(); });
}

void analysisType(MainWindow& w)
{
    if (std::optional<int> code = w.chooseAnalysisType()) {
        applyAnalysisType(w.project(), *code);
    }
}

// A command's modal dialog: true when it closed with OK.
template <class W> DialogCall dialogOf(MainWindow& w)
{
    return [&w] { return w.window<W>().edit(); };
}

// The condition dialog of the analysis type, opened on selectedNumber.
ConditionDialogRunner conditionDialog(MainWindow& w)
{
    return [&w](ConditionDialogKind kind) {
        return kind == ConditionDialogKind::Elasticity ? w.window<ElasticConditionDialog>().edit()
                                                       : w.window<ConditionDialog>().edit();
    };
}

void addConditionCommand(MainWindow& w)
{
    addCondition(w.project(), w.interaction(), conditionDialog(w));
}

void addBoundaryCommand(MainWindow& w)
{
    addBoundary(w.project(), w.interaction(), dialogOf<BoundaryDialog>(w));
}

// A list window opens only when its table has entries.
template <class Window> void showList(MainWindow& w, int entries)
{
    if (entries >= 1) {
        w.window<Window>().exec();
    }
}

DialogCall numberPrompt(MainWindow& w)
{
    return [&w] { return w.window<NumberPrompt>().ask(); };
}

// Popup commands act where the popup was opened.
template <auto command> void atPopupPoint(MainWindow& w)
{
    const QPoint at = w.pointer().popupPoint();
    command(w.project(), w.interaction(), at.x(), at.y());
}

using B = ToolBarState;
using K = QKeyCombination;
constexpr K none{};

// clang-format off
constexpr MenuRow kMenus[] = {
    {Place::FileMenu, "Plik1", "&Plik", Place::FileMenu},
    {Place::AddMenu, "Dodaj1", "&Dodaj", Place::AddMenu},
    {Place::CurveMenu, "Krzyw1", "&Krzywą", Place::AddMenu},
    {Place::ChangeMenu, "Zmie1", "&Zmień", Place::ChangeMenu},
    {Place::DeleteMenu, "Usu1", "&Usuń", Place::DeleteMenu},
    {Place::ListsMenu, "Listy1", "&Listy", Place::ListsMenu},
    {Place::ComputeMenu, "Obliczenia1", "&Obliczenia", Place::ComputeMenu},
    {Place::ViewMenu, "Widok1", "&Widok", Place::ViewMenu},
    // Letters of their own, so that Alt+U and Alt+P each open one menu.
    {Place::SettingsMenu, "Ustawienia1", "Ustawie&nia", Place::SettingsMenu},
    {Place::HelpMenu, "Pomoc1", "Pomo&c", Place::HelpMenu},
};

const CommandRow kCommands[] = {
    {Place::FileMenu, Entry::Command, "Nowy1", "&Nowy", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.newProjectCommand(); }},
    {Place::FileMenu, Entry::Command, "Otworz1", "&Otwórz", K(Qt::CTRL | Qt::Key_O), IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.openProjectCommand(); }},
    // Enabled once the project has a file: Ctrl+S writes to it without the dialog.
    {Place::FileMenu, Entry::Command, "Zapisz1", "&Zapisz", K(Qt::CTRL | Qt::Key_S), IconKind::None, Enabled::WithFile, nullptr, saveToOwnFile},
    {Place::FileMenu, Entry::Command, "Zapiszjako1", "Zapisz &jako", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.saveProjectCommand(); }},
    {Place::FileMenu, Entry::Separator},
    {Place::FileMenu, Entry::Command, "Importujz1", "&Importuj z ...", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { importResultsCommand(w.project(), w.interaction(), std::filesystem::current_path().string()); }},
    {Place::FileMenu, Entry::Command, "Eksportujdo1", "&Eksportuj do ...", none, IconKind::None, Enabled::Always, nullptr, exportElasticity},
    {Place::FileMenu, Entry::Command, "ImportujDXF1", "Importuj D&XF...", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.importDrawingCommand(); }},
    {Place::FileMenu, Entry::Command, "EksportujDXF1", "Eksportuj DX&F...", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { cad::exportDrawingCommand(w.project(), w.interaction(), dxf::writeDxf); }},
    {Place::FileMenu, Entry::Separator},
    {Place::FileMenu, Entry::Command, "Drukuj1", "&Drukuj", none, IconKind::None, Enabled::Never},
    {Place::FileMenu, Entry::Command, "Ustawieniadrukarki1", "&Ustawienia drukarki", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.printerSetupCommand(); }},
    {Place::FileMenu, Entry::Separator},
    {Place::FileMenu, Entry::RecentProjects, "Ostatnie1"},
    {Place::FileMenu, Entry::Command, "Koniec1", "&Koniec", K(Qt::CTRL | Qt::Key_X), IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.exitCommand(); }},

    {Place::AddMenu, Entry::Command, "Linielaman1", "&Linię łamaną", K(Qt::CTRL | Qt::Key_L), IconKind::None, Enabled::Always, nullptr, polyline},
    {Place::AddMenu, Entry::Submenu, "Krzyw1"},
    {Place::CurveMenu, Entry::Command, "N2katy1", "&2 kąty, środek, promień", none, IconKind::None, Enabled::Always, nullptr, arcDialog},
    {Place::CurveMenu, Entry::Command, "N3punkty1", "&3 punkty", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { startArcThroughPoints(w.project(), w.pointer()); }},
    {Place::CurveMenu, Entry::Command, "Elips1", "&Elipsę", none, IconKind::None, Enabled::Always, nullptr, circle},
    {Place::AddMenu, Entry::Command, "KrzywaNURBS1", "Krzywą NURBS", none, IconKind::None, Enabled::Never},
    {Place::AddMenu, Entry::Separator},
    {Place::AddMenu, Entry::Command, "Dodaj2", "Warunek &brzegowy", none, IconKind::None, Enabled::Always, nullptr, addConditionCommand},
    {Place::AddMenu, Entry::Command, "DBrzeg", "Brze&g", none, IconKind::None, Enabled::Always, nullptr, addBoundaryCommand},
    {Place::AddMenu, Entry::Separator},
    {Place::AddMenu, Entry::Command, "Wze1", "&Węzeł", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { addNode(w.project(), w.interaction(), dialogOf<NodeDialog>(w)); }},
    {Place::AddMenu, Entry::Command, "Element1", "&Element", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { addElement(w.project(), w.interaction(), dialogOf<ElementDialog>(w)); }},
    {Place::AddMenu, Entry::Command, "Wzewewntrzny1", "Wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { addInternalPoint(w.project(), w.interaction(), dialogOf<InternalPointDialog>(w)); }},
    {Place::AddMenu, Entry::Command, "Siatkwzwwewntrznych1", "&Siatkę węzłów wewnętrznych", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { gridOfInternalPoints(w.project(), w.interaction(), numberPrompt(w)); }},

    {Place::ChangeMenu, Entry::Command, "Cofnij1", "&Cofnij", K(Qt::CTRL | Qt::Key_Z), IconKind::None, Enabled::WithUndo, nullptr, [](MainWindow& w) { w.undoCommand(); }},
    {Place::ChangeMenu, Entry::Command, "Ponow1", "P&onów", K(Qt::CTRL | Qt::Key_Y), IconKind::None, Enabled::WithRedo, nullptr, [](MainWindow& w) { w.redoCommand(); }, K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
    {Place::ChangeMenu, Entry::Separator},
    {Place::ChangeMenu, Entry::Command, "Warunekbrzegowy1", "Warunek &brzegowy", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { changeCondition(w.project(), conditionDialog(w)); }},
    {Place::ChangeMenu, Entry::Separator},
    {Place::ChangeMenu, Entry::Command, "Wasnocielementu1", "Własności &elementu", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { editElement(w.project(), dialogOf<ElementDialog>(w)); }},
    {Place::ChangeMenu, Entry::Command, "Wsprzdnewza1", "Współrzędne &węzła", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { editNode(w.project(), dialogOf<NodeDialog>(w)); }},
    {Place::ChangeMenu, Entry::Command, "Wspwzawewntrznego1", "Współ. wę&zła wewnętrznego", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { editInternalPoint(w.project(), dialogOf<InternalPointDialog>(w)); }},
    {Place::ChangeMenu, Entry::Separator},
    {Place::ChangeMenu, Entry::Command, "Wasnocifizyczne1", "Własności &fizyczne", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.window<PhysicalPropertiesDialog>().edit(); }},
    {Place::ChangeMenu, Entry::Separator},
    {Place::ChangeMenu, Entry::Command, "Przesubrzeg1", "&Przesuń brzeg", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { moveBoundary(w.project(), w.interaction(), decimalSeparator()); }},
    {Place::ChangeMenu, Entry::Command, "Podzielelementy1", "Po&dziel elementy", none, IconKind::None, Enabled::Always, nullptr, withUi<subdivideElements>},

    {Place::DeleteMenu, Entry::Command, "Wze2", "&Węzeł", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { deleteNodeByNumber(w.project(), w.interaction(), numberPrompt(w)); }},
    {Place::DeleteMenu, Entry::Command, "Element2", "&Element", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { deleteElementByNumber(w.project(), numberPrompt(w)); }},
    {Place::DeleteMenu, Entry::Command, "Wzewewntrzny2", "Wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { deleteInternalPointByNumber(w.project(), numberPrompt(w)); }},
    {Place::DeleteMenu, Entry::Command, "Brzeg2", "&Brzeg", none, IconKind::None, Enabled::Always, nullptr, withUi<deleteBoundary>},
    {Place::DeleteMenu, Entry::Separator},
    {Place::DeleteMenu, Entry::Command, "Podwjnewzy1", "&Podwójne węzły", none, IconKind::None, Enabled::Always, nullptr, withUi<removeDoubleNodes>},
    {Place::DeleteMenu, Entry::Command, "Wolnewzy1", "&Wolne węzły", none, IconKind::None, Enabled::Always, nullptr, withUi<removeFreeNodes>},
    {Place::DeleteMenu, Entry::Command, "Elementyozerowejdugoci1", "Ele&menty o zerowej długości", none, IconKind::None, Enabled::Always, nullptr, withUi<removeZeroLengthElements>},
    {Place::DeleteMenu, Entry::Separator},
    {Place::DeleteMenu, Entry::Command, "Wszystkiewzywewntrzne1", "Wszystkie węzły wew&nętrzne", none, IconKind::None, Enabled::Always, nullptr, withUi<deleteAllInternalPoints>},

    {Place::ListsMenu, Entry::Command, "Wzw1", "&Węzłów", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { showList<NodeList>(w, w.project().nodeCount()); }},
    {Place::ListsMenu, Entry::Command, "Elementw1", "&Elementów", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { showList<ElementList>(w, w.project().elementCount()); }},
    {Place::ListsMenu, Entry::Command, "Wzwwewntrznych1", "Wę&złów wewnętrznych", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { showList<InternalPointList>(w, w.project().internalPointCount()); }},
    {Place::ListsMenu, Entry::Separator},
    {Place::ListsMenu, Entry::Command, "Warunkwbrzegowych1", "Warunków &brzegowych", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { showList<ConditionList>(w, w.project().conditionCount()); }},
    {Place::ListsMenu, Entry::Command, "Brzegw1", "Brze&gów", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { showList<BoundaryList>(w, w.project().boundaryCount()); }},
    {Place::ListsMenu, Entry::Command, "Strukturaprojektu1", "&Struktura projektu", none, IconKind::None, Enabled::Never},

    {Place::ComputeMenu, Entry::Command, "Renumerujelementy1", "&Renumeruj elementy", none, IconKind::None, Enabled::Always, nullptr, withUi<renumberElements>},
    {Place::ComputeMenu, Entry::Command, "Sprawdspjnodanych1", "&Sprawdź spójność danych", none, IconKind::None, Enabled::Always, nullptr, withUi<checkModelCommand>},
    {Place::ComputeMenu, Entry::Separator},
    {Place::ComputeMenu, Entry::Command, "Oblicz1", "&Oblicz", none, IconKind::None, Enabled::Always, nullptr, compute},
    {Place::ComputeMenu, Entry::Command, "Obliczsprezystosc1", "Oblicz s&prężystość", none, IconKind::None, Enabled::ForElasticity, nullptr, computeElasticity},
    {Place::ComputeMenu, Entry::Separator},
    {Place::ComputeMenu, Entry::Command, "Listawynikw1", "Lista &wyników", none, IconKind::None, Enabled::Always, nullptr, resultsList},
    {Place::ComputeMenu, Entry::Command, "Temperaturawwwewntrznych1", "&Temperatura w w.wewnętrznych", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.window<InternalPointPotentialList>().exec(); }},
    {Place::ComputeMenu, Entry::Command, "Wynikiwpunktachwewntrznych1", "W&yniki w punktach wewnętrznych", none, IconKind::None, Enabled::WithInternalPointResults, nullptr, internalPointResults},
    {Place::ComputeMenu, Entry::Command, "Bilans1", "&Bilans", none, IconKind::None, Enabled::Always, nullptr, balance},
    {Place::ComputeMenu, Entry::Command, "Wykreswzdluzodcinka1", "Wykr&es wzdłuż odcinka", none, IconKind::None, Enabled::Always, nullptr, segmentPlot},
    {Place::ComputeMenu, Entry::Separator},
    {Place::ComputeMenu, Entry::Command, "Skalujdane1", "Skaluj da&ne", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.window<DataScalingDialog>().edit(); }},
    {Place::ComputeMenu, Entry::Command, "Skalujwyniki1", "Skaluj wyni&ki", none, IconKind::None, Enabled::Always, nullptr, scaleResultsDialog},
    {Place::ComputeMenu, Entry::Command, "GenerujNURBSa1", "Generuj NURBSa", none, IconKind::None, Enabled::Never},

    {Place::ViewMenu, Entry::Command, "Siatka1", "&Siatka", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.window<GridDialog>().edit(); }},
    {Place::ViewMenu, Entry::Command, "Obszar1", "&Obszar", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.window<AreaDialog>().edit(); }},
    {Place::ViewMenu, Entry::Command, "Pokawszystko1", "&Pokaż wszystko", none, IconKind::None, Enabled::Always, nullptr, onProject<showEverything>},
    {Place::ViewMenu, Entry::Command, "Wnormalne1", "W. &normalne", none, IconKind::None, Enabled::Always, &B::normalsChecked, onProject<toggleNormals>},
    {Place::ViewMenu, Entry::Command, "Rownaskalaosi1", "Równa s&kala osi", none, IconKind::None, Enabled::Always, &B::equalScaleChecked, onProject<toggleEqualScale>},
    {Place::ViewMenu, Entry::Separator},
    {Place::ViewMenu, Entry::Command, "Warbrzegowe1", "Warunki &brzegowe", none, IconKind::None, Enabled::Always, &B::conditionsChecked, onProject<toggleBoundaryConditionsMenu>},
    {Place::ViewMenu, Entry::Separator},
    {Place::ViewMenu, Entry::Command, "Temperatura1", "&Potencjał", none, IconKind::None, Enabled::Always, &B::potentialChecked, onProject<togglePotential>},
    {Place::ViewMenu, Entry::Command, "Strumie1", "&Strumień", none, IconKind::None, Enabled::Always, &B::fluxChecked, onProject<toggleFlux>},
    {Place::ViewMenu, Entry::Command, "Mapapola1", "&Mapa pola", none, IconKind::None, Enabled::Always, &B::fieldMapChecked, onProject<toggleFieldMap>},
    {Place::ViewMenu, Entry::Command, "Strzalkistrumienia1", "Strzałki str&umienia", none, IconKind::None, Enabled::Always, &B::fluxArrowsChecked, onProject<toggleFluxArrows>},
    {Place::ViewMenu, Entry::Separator},
    {Place::ViewMenu, Entry::Command, "Przemieszczenia1", "P&rzemieszczenia", none, IconKind::None, Enabled::Always, &B::displacementsChecked, onProject<toggleDisplacements>},
    {Place::ViewMenu, Entry::Command, "Naprezeniazredukowane1", "Naprężenia &zredukowane", none, IconKind::None, Enabled::ForElasticity, &B::reducedStressChecked, onProject<toggleReducedStress>},

    {Place::SettingsMenu, Entry::Command, "Ustawieniaekranu1", "Ustawienia ekranu", K(Qt::CTRL | Qt::Key_J), IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.window<ScreenSettingsDialog>().edit(); }},
    {Place::SettingsMenu, Entry::Separator},
    {Place::SettingsMenu, Entry::Command, "Typoblicze1", "&Typ obliczeń", none, IconKind::None, Enabled::Always, nullptr, analysisType},

    {Place::HelpMenu, Entry::Command, "Pomoc2", "&Pomoc", K(Qt::Key_F1), IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { w.window<HelpWindow>().showManual(); }},
    {Place::HelpMenu, Entry::Separator},
    {Place::HelpMenu, Entry::Command, "Oprogramie1", "&O programie...", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { showAbout(w.interaction()); }},

    {Place::CommandToolBar, Entry::Command, "NowyB", "Nowy projekt", none, IconKind::New, Enabled::Always, nullptr, [](MainWindow& w) { w.newProjectCommand(); }},
    {Place::CommandToolBar, Entry::Command, "OtworzB", "Otwórz plik", none, IconKind::Open, Enabled::Always, nullptr, [](MainWindow& w) { w.openProjectCommand(); }},
    {Place::CommandToolBar, Entry::Command, "ZapiszB", "Zapisz plik", none, IconKind::Save, Enabled::Always, nullptr, [](MainWindow& w) { w.saveProjectCommand(); }},
    {Place::CommandToolBar, Entry::Separator},
    {Place::CommandToolBar, Entry::Command, "SpeedButton1", "Linia łamana", none, IconKind::Polyline, Enabled::Always, nullptr, polyline},
    {Place::CommandToolBar, Entry::Command, "SpeedButton2", "Okrąg", none, IconKind::Circle, Enabled::Always, nullptr, circle},
    {Place::CommandToolBar, Entry::Command, "WarbrzegB", "Dodaj warunek brzegowy", none, IconKind::AddCondition, Enabled::Always, nullptr, addConditionCommand},
    {Place::CommandToolBar, Entry::Separator},
    {Place::CommandToolBar, Entry::Command, "CofnijB", "Cofnij", none, IconKind::Undo, Enabled::WithUndo, nullptr, [](MainWindow& w) { w.undoCommand(); }},
    {Place::CommandToolBar, Entry::Command, "PonowB", "Ponów", none, IconKind::Redo, Enabled::WithRedo, nullptr, [](MainWindow& w) { w.redoCommand(); }},
    {Place::CommandToolBar, Entry::Separator},
    {Place::CommandToolBar, Entry::Command, "BWEZLY", "Pokaż numery węzłów", none, IconKind::NodeNumbers, Enabled::Always, &B::nodeNumbersDown, onProject<toggleNodeNumbers>},
    {Place::CommandToolBar, Entry::Command, "BELE", "Pokaż numery elementów", none, IconKind::ElementNumbers, Enabled::Always, &B::elementNumbersDown, onProject<toggleElementNumbers>},
    {Place::CommandToolBar, Entry::Command, "BWB", "Pokaż warunki brzegowe", none, IconKind::ShowConditions, Enabled::Always, &B::conditionsDown, onProject<toggleBoundaryConditionsButton>},
    {Place::CommandToolBar, Entry::Command, "BB", "Przesuń zawartość ekranu", none, IconKind::BoundaryNumbers, Enabled::Always, &B::boundaryNumbersDown, onProject<toggleElementBoundaryNumbers>},
    {Place::CommandToolBar, Entry::Separator},
    {Place::CommandToolBar, Entry::Command, "ZoomPlB", "Powiększenie fragmentu ekranu", none, IconKind::ZoomIn, Enabled::Always, nullptr, onProject<zoomIn>},
    {Place::CommandToolBar, Entry::Command, "ZoomMiB", "Pomniejszenie fragmentu ekranu", none, IconKind::ZoomOut, Enabled::Always, nullptr, onProject<zoomOut>},
    {Place::CommandToolBar, Entry::Command, "PanB", "Przesuń zawartość ekranu", none, IconKind::Pan, Enabled::Never},
    {Place::CommandToolBar, Entry::Separator},
    {Place::CommandToolBar, Entry::Command, "SolveB", "Oblicz", none, IconKind::Solve, Enabled::Always, nullptr, compute},
    {Place::CommandToolBar, Entry::Command, "ListawynB", "Lista wyników", none, IconKind::Results, Enabled::Always, nullptr, resultsList},
    {Place::CommandToolBar, Entry::Command, "BT", "Pokaż wartości potencjałów", none, IconKind::Potential, Enabled::WithResults, &B::potentialDown, onProject<togglePotential>},
    {Place::CommandToolBar, Entry::Command, "BTN", "Pokaż wartości strumieni", none, IconKind::Flux, Enabled::WithResults, &B::fluxDown, onProject<toggleFlux>},

    {Place::SelectorToolBar, Entry::Selector, "CBRZEG", "Aktualny brzeg"},
    {Place::SelectorToolBar, Entry::Command, "SpeedButton3", "Dodaj brzeg", none, IconKind::AddBoundary, Enabled::Always, nullptr, addBoundaryCommand},
    {Place::SelectorToolBar, Entry::Selector, "CWB", "Aktualny warunke brzegowy"},
    {Place::SelectorToolBar, Entry::Command, "SpeedButton4", "Dodaj warunek brzegowy", none, IconKind::AddCondition, Enabled::Always, nullptr, addConditionCommand},

    {Place::RightPopup, Entry::Command, "Wstawww", "Wstaw wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, atPopupPoint<insertInternalPointAtPointer>},
    {Place::RightPopup, Entry::Command, "Zmiewasnocielementu1", "Zmień własności elementu", none, IconKind::None, Enabled::Never},
    // Choosing it only closes the menu.
    {Place::RightPopup, Entry::Command, "Zmiewarunekbrzegowy1", "Zmień warunek brzegowy"},
    {Place::RightPopup, Entry::Command, "Usuelement1", "Usuń &element", none, IconKind::None, Enabled::Never},
    {Place::RightPopup, Entry::Command, "Usuwze1", "Usuń &węzeł", none, IconKind::None, Enabled::Always, nullptr, atPopupPoint<deleteNodeAtPointer>},
    {Place::RightPopup, Entry::Command, "Usuwzewewntrzny1", "Usuń wę&zeł wewnętrzny", none, IconKind::None, Enabled::Always, nullptr, atPopupPoint<deleteInternalPointAtPointer>},

    {Place::PolylinePopup, Entry::Command, "Koniecliniamanej1", "Koniec lini łamanej", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { endPolyline(w.project(), w.pointer()); }},
    {Place::PolylinePopup, Entry::Command, "Zamknijlinieaman1", "Zamknij linie łamaną", none, IconKind::None, Enabled::Always, nullptr, [](MainWindow& w) { closePolyline(w.project(), w.interaction(), w.pointer()); }},
    {Place::PolylinePopup, Entry::Command, "Usuostatnielement1", "Usuń ostatni element", none, IconKind::None, Enabled::Always, nullptr, onProject<removeLastElement>},
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
