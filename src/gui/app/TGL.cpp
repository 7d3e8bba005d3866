#include "app/TGL.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "Painter.h"
#include "app/Icons.h"
#include "check/CheckModel.h"
#include "check/CleanUp.h"
#include "check/Renumber.h"
#include "edit/Twf.h"
#include "lists/Tl_www.h"
#include "lists/Tl_wyn.h"
#include "model/FileCommands.h"
#include "model/ShellCommands.h"
#include "solver/AnalysisSettings.h"
#include "solver/Compute.h"
#include "solver/ResultLists.h"
#include "ui/ScriptedInteraction.h"
#include "view/Describe.h"
#include "view/DisplayCommands.h"
#include "view/PrinterSetup.h"
#include "view/T_ustaw.h"
#include "view/Td_obsz.h"
#include "view/Td_siatki.h"
#include "view/Tskala.h"
#include "view/Tskaluj_.h"
#include "view/Ttypobl_.h"
#include "view/ViewCommands.h"

namespace zorind {

DrawingArea::DrawingArea(TGL* owner) : QWidget(owner), owner_(owner)
{
    setObjectName(QStringLiteral("drawingArea"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DrawingArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    owner_->paintDrawing(painter, width(), height());
}

void DrawingArea::resizeEvent(QResizeEvent*)
{
    owner_->drawingResized();
}

TGL::TGL(QWidget* parent) : QMainWindow(parent), qtUi_(this), ui_(&qtUi_)
{
    setObjectName(QStringLiteral("GL"));
    initialiseProject(project_);

    setWindowIcon(toolIcon(IconKind::Application));
    drawingArea_ = new DrawingArea(this);
    setCentralWidget(drawingArea_);

    buildMenus();
    buildToolBars();
    buildStatusBar();
    buildPopups();

    // Dialogs and list windows are created once, in this order, and reused;
    // they refill their fields from the Project each time they are shown.
    tdSiatki_ = new Td_siatki(project_, qtUi_, this);
    tdObsz_ = new Td_obsz(project_, qtUi_, this);
    twf_ = new Twf(project_, qtUi_, this);
    tlWww_ = new Tl_www(project_, this);
    scale_ = std::make_unique<Tskala>(project_);
    // The scale window never keeps the program running on its own.
    scale_->setAttribute(Qt::WA_QuitOnClose, false);
    typeDialog_ = new Ttypobl_(this);
    tUstaw_ = new T_ustaw(project_, qtUi_, this);
    tSkaluj_ = new Tskaluj_(this);
    tlWyn_ = new Tl_wyn(project_, this);
    printerSetup_ = std::make_unique<PrinterSetup>(qtUi_);
    chooseType_ = [this] { return typeDialog_->choose(); };

    resize(640, 480);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    refreshCaption();
    refreshControls();
}

TGL::~TGL() = default;

void TGL::setInteraction(Interaction* ui)
{
    ui_ = ui ? ui : &qtUi_;
    tdSiatki_->setInteraction(*ui_);
    tdObsz_->setInteraction(*ui_);
    twf_->setInteraction(*ui_);
    tUstaw_->setInteraction(*ui_);
    printerSetup_->setInteraction(*ui_);
}

QAction* TGL::addItem(QMenu* menu, const char* objectName, const char* caption, void (TGL::*slot)(),
                      const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    if (slot != nullptr) {
        connect(action, &QAction::triggered, this, slot);
    }
    return action;
}

QAction* TGL::addDisabled(QMenu* menu, const char* objectName, const char* caption)
{
    QAction* action = addItem(menu, objectName, caption, nullptr);
    action->setEnabled(false);
    return action;
}

void TGL::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto menu = [bar](const char* objectName, const char* caption) {
        QMenu* m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(objectName));
        return m;
    };
    const auto none = &TGL::noCommandYet;

    QMenu* plik = menu("Plik1", "&Plik");
    addItem(plik, "Nowy1", "&Nowy", &TGL::Nowy1Click);
    addItem(plik, "Otworz1", "&Otwórz", &TGL::Otworz1Click, QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* zapisz = addItem(plik, "Zapisz1", "&Zapisz", &TGL::Zapisz1Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    zapisz->setEnabled(false);
    addItem(plik, "Zapiszjako1", "Zapisz &jako", &TGL::Zapisz1Click);
    plik->addSeparator();
    addItem(plik, "Importujz1", "&Importuj z ...", none);
    addItem(plik, "Eksportujdo1", "&Eksportuj do ...", none);
    plik->addSeparator();
    addDisabled(plik, "Drukuj1", "&Drukuj");
    addItem(plik, "Ustawieniadrukarki1", "&Ustawienia drukarki", &TGL::Ustawieniadrukarki1Click);
    plik->addSeparator();
    addItem(plik, "Koniec1", "&Koniec", &TGL::Koniec1Click, QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* dodaj = menu("Dodaj1", "&Dodaj");
    addItem(dodaj, "Linielaman1", "&Linię łamaną", none, QKeySequence(Qt::CTRL | Qt::Key_L));
    QMenu* krzywa = dodaj->addMenu(QStringLiteral("&Krzywą"));
    krzywa->setObjectName(QStringLiteral("Krzyw1"));
    addDisabled(krzywa, "N2katy1", "&2 kąty, środek, promień");
    addDisabled(krzywa, "N3punkty1", "&3 punkty");
    addItem(krzywa, "Elips1", "&Elipsę", none);
    addDisabled(dodaj, "KrzywaNURBS1", "Krzywą NURBS");
    dodaj->addSeparator();
    addItem(dodaj, "Dodaj2", "Warunek &brzegowy", none);
    addItem(dodaj, "DBrzeg", "Brze&g", none);
    dodaj->addSeparator();
    addItem(dodaj, "Wze1", "&Węzeł", none);
    addItem(dodaj, "Element1", "&Element", none);
    addItem(dodaj, "Wzewewntrzny1", "Wę&zeł wewnętrzny", none);
    addItem(dodaj, "Siatkwzwwewntrznych1", "&Siatkę węzłów wewnętrznych", none);

    QMenu* zmien = menu("Zmie1", "&Zmień");
    addItem(zmien, "Warunekbrzegowy1", "Warunek &brzegowy", none);
    zmien->addSeparator();
    addItem(zmien, "Wasnocielementu1", "Własności &elementu", none);
    addItem(zmien, "Wsprzdnewza1", "Współrzędne &węzła", none);
    addItem(zmien, "Wspwzawewntrznego1", "Współ. wę&zła wewnętrznego", none);
    zmien->addSeparator();
    addItem(zmien, "Wasnocifizyczne1", "Własności &fizyczne", &TGL::Wasnocifizyczne1Click);
    zmien->addSeparator();
    addItem(zmien, "Przesubrzeg1", "&Przesuń brzeg", none);

    QMenu* usun = menu("Usu1", "&Usuń");
    addItem(usun, "Wze2", "&Węzeł", none);
    addItem(usun, "Element2", "&Element", none);
    addItem(usun, "Wzewewntrzny2", "Wę&zeł wewnętrzny", none);
    addItem(usun, "Brzeg2", "&Brzeg", none);
    usun->addSeparator();
    addItem(usun, "Podwjnewzy1", "&Podwójne węzły", &TGL::Podwjnewzy1Click);
    addItem(usun, "Wolnewzy1", "&Wolne węzły", &TGL::Wolnewzy1Click);
    addItem(usun, "Elementyozerowejdugoci1", "Ele&menty o zerowej długości", &TGL::Elementyozerowejdugoci1Click);
    usun->addSeparator();
    addItem(usun, "Wszystkiewzywewntrzne1", "Wszystkie węzły wew&nętrzne", none);

    QMenu* listy = menu("Listy1", "&Listy");
    addItem(listy, "Wzw1", "&Węzłów", none);
    addItem(listy, "Elementw1", "&Elementów", none);
    addItem(listy, "Wzwwewntrznych1", "Wę&złów wewnętrznych", none);
    listy->addSeparator();
    addItem(listy, "Warunkwbrzegowych1", "Warunków &brzegowych", none);
    addItem(listy, "Brzegw1", "Brze&gów", none);
    addDisabled(listy, "Strukturaprojektu1", "&Struktura projektu");

    QMenu* obliczenia = menu("Obliczenia1", "&Obliczenia");
    addItem(obliczenia, "Renumerujelementy1", "&Renumeruj elementy", &TGL::Renumerujelementy1Click);
    addItem(obliczenia, "Sprawdspjnodanych1", "&Sprawdź spójność danych", &TGL::Sprawdspjnodanych1Click);
    obliczenia->addSeparator();
    addItem(obliczenia, "Oblicz1", "&Oblicz", &TGL::Oblicz1Click);
    obliczenia->addSeparator();
    addItem(obliczenia, "Listawynikw1", "Lista &wyników", &TGL::Listawynikw1Click);
    addItem(obliczenia, "Temperaturawwwewntrznych1", "&Temperatura w w.wewnętrznych",
            &TGL::Temperaturawwwewntrznych1Click);
    obliczenia->addSeparator();
    addDisabled(obliczenia, "Skalujdane1", "Skaluj da&ne");
    addItem(obliczenia, "Skalujwyniki1", "Skaluj wyni&ki", &TGL::Skalujwyniki1Click);
    addDisabled(obliczenia, "GenerujNURBSa1", "Generuj NURBSa");

    QMenu* widok = menu("Widok1", "&Widok");
    addItem(widok, "Siatka1", "&Siatka", &TGL::Siatka1Click);
    addItem(widok, "Obszar1", "&Obszar", &TGL::Obszar1Click);
    addItem(widok, "Pokawszystko1", "&Pokaż wszystko", &TGL::Pokawszystko1Click);
    normalsItem_ = addDisabled(widok, "Wnormalne1", "W. &normalne");
    normalsItem_->setCheckable(true);
    widok->addSeparator();
    conditionsItem_ = addItem(widok, "Warbrzegowe1", "Warunki &brzegowe", &TGL::Warbrzegowe1Click);
    widok->addSeparator();
    potentialItem_ = addItem(widok, "Temperatura1", "&Potencjał", &TGL::BTClick);
    fluxItem_ = addItem(widok, "Strumie1", "&Strumień", &TGL::BTNClick);
    widok->addSeparator();
    displacementsItem_ = addItem(widok, "Przemieszczenia1", "P&rzemieszczenia", &TGL::Przemieszczenia1Click);
    for (QAction* checkable : {conditionsItem_, potentialItem_, fluxItem_, displacementsItem_}) {
        checkable->setCheckable(true);
    }

    QMenu* ustawienia = menu("Ustawienia1", "&Ustawienia");
    addItem(ustawienia, "Ustawieniaekranu1", "Ustawienia ekranu", &TGL::Ustawieniaekranu1Click,
            QKeySequence(Qt::CTRL | Qt::Key_J));
    ustawienia->addSeparator();
    addItem(ustawienia, "Typoblicze1", "&Typ obliczeń", &TGL::Typoblicze1Click);

    QMenu* pomoc = menu("Pomoc1", "&Pomoc");
    addItem(pomoc, "Pomoc2", "&Pomoc", none);
    pomoc->addSeparator();
    addItem(pomoc, "Oprogramie1", "&O programie...", &TGL::Oprogramie1Click);
}

QAction* TGL::addToolAction(QToolBar* bar, const char* objectName, const QIcon& icon, const char* hint,
                            void (TGL::*slot)(), bool toggle)
{
    QAction* action = bar->addAction(icon, QString::fromUtf8(hint));
    action->setObjectName(QString::fromLatin1(objectName));
    action->setToolTip(QString::fromUtf8(hint));
    action->setStatusTip(QString::fromUtf8(hint));
    action->setCheckable(toggle);
    if (slot != nullptr) {
        connect(action, &QAction::triggered, this, slot);
    }
    return action;
}

void TGL::buildToolBars()
{
    const auto none = &TGL::noCommandYet;

    speedPanel_ = addToolBar(QStringLiteral("SpeedPanel"));
    speedPanel_->setObjectName(QStringLiteral("SpeedPanel"));
    speedPanel_->setMovable(false);
    speedPanel_->setIconSize(QSize(20, 20));
    addToolAction(speedPanel_, "NowyB", toolIcon(IconKind::New), "Nowy projekt", &TGL::Nowy1Click);
    addToolAction(speedPanel_, "OtworzB", toolIcon(IconKind::Open), "Otwórz plik", &TGL::Otworz1Click);
    addToolAction(speedPanel_, "ZapiszB", toolIcon(IconKind::Save), "Zapisz plik", &TGL::Zapisz1Click);
    speedPanel_->addSeparator();
    addToolAction(speedPanel_, "SpeedButton1", toolIcon(IconKind::Polyline), "Linia łamana", none);
    addToolAction(speedPanel_, "SpeedButton2", toolIcon(IconKind::Circle), "Okrąg", none);
    addToolAction(speedPanel_, "WarbrzegB", toolIcon(IconKind::AddCondition), "Dodaj warunek brzegowy", none);
    speedPanel_->addSeparator();
    bWezly_ = addToolAction(speedPanel_, "BWEZLY", toolIcon(IconKind::NodeNumbers), "Pokaż numery węzłów",
                            &TGL::BWEZLYClick, true);
    bEle_ = addToolAction(speedPanel_, "BELE", toolIcon(IconKind::ElementNumbers), "Pokaż numery elementów",
                          &TGL::BELEClick, true);
    bWb_ = addToolAction(speedPanel_, "BWB", toolIcon(IconKind::ShowConditions), "Pokaż warunki brzegowe",
                         &TGL::BWBClick, true);
    bB_ = addToolAction(speedPanel_, "BB", toolIcon(IconKind::BoundaryNumbers), "Przesuń zawartość ekranu",
                        &TGL::BBClick, true);
    speedPanel_->addSeparator();
    addToolAction(speedPanel_, "ZoomPlB", toolIcon(IconKind::ZoomIn), "Powiększenie fragmentu ekranu",
                  &TGL::ZoomPlBClick);
    addToolAction(speedPanel_, "ZoomMiB", toolIcon(IconKind::ZoomOut), "Pomniejszenie fragmentu ekranu",
                  &TGL::ZoomMiBClick);
    QAction* pan = addToolAction(speedPanel_, "PanB", toolIcon(IconKind::Pan), "Przesuń zawartość ekranu", nullptr);
    pan->setEnabled(false);
    speedPanel_->addSeparator();
    addToolAction(speedPanel_, "SolveB", toolIcon(IconKind::Solve), "Oblicz", &TGL::Oblicz1Click);
    addToolAction(speedPanel_, "ListawynB", toolIcon(IconKind::Results), "Lista wyników", &TGL::Listawynikw1Click);
    bT_ = addToolAction(speedPanel_, "BT", toolIcon(IconKind::Potential), "Pokaż wartości potencjałów", &TGL::BTClick,
                        true);
    bTn_ =
        addToolAction(speedPanel_, "BTN", toolIcon(IconKind::Flux), "Pokaż wartości strumieni", &TGL::BTNClick, true);

    addToolBarBreak();
    panel1_ = addToolBar(QStringLiteral("Panel1"));
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setMovable(false);
    panel1_->setIconSize(QSize(20, 20));
    cbrzeg_ = new QComboBox(panel1_);
    cbrzeg_->setObjectName(QStringLiteral("CBRZEG"));
    cbrzeg_->setToolTip(QStringLiteral("Aktualny brzeg"));
    cbrzeg_->setMinimumWidth(110);
    panel1_->addWidget(cbrzeg_);
    addToolAction(panel1_, "SpeedButton3", toolIcon(IconKind::AddBoundary), "Dodaj brzeg", none);
    cwb_ = new QComboBox(panel1_);
    cwb_->setObjectName(QStringLiteral("CWB"));
    cwb_->setToolTip(QStringLiteral("Aktualny warunke brzegowy"));
    cwb_->setMinimumWidth(200);
    panel1_->addWidget(cwb_);
    addToolAction(panel1_, "SpeedButton4", toolIcon(IconKind::AddCondition), "Dodaj warunek brzegowy", none);
    // Only a user's pick changes the current entry; refilling does not.
    connect(cwb_, &QComboBox::activated, this, &TGL::CWBChange);
    connect(cbrzeg_, &QComboBox::activated, this, &TGL::CBRZEGChange);
}

void TGL::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const int widths[6] = {60, 60, 5, 150, 150, 150};
    const char* initial[6] = {"x=", "y=", "", "", "", ""};
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(QString::fromUtf8(initial[i]), bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setFrameStyle(i == 2 ? QFrame::NoFrame : (QFrame::Panel | QFrame::Sunken));
        bar->addWidget(panel, i == 5 ? 1 : 0);
        statusPanels_[static_cast<std::size_t>(i)] = panel;
    }
    statusPanels_[5]->setMinimumWidth(150);
    statusPanels_[5]->setMaximumWidth(QWIDGETSIZE_MAX);
}

void TGL::buildPopups()
{
    const auto none = &TGL::noCommandYet;
    prawymenu_ = new QMenu(this);
    prawymenu_->setObjectName(QStringLiteral("prawymenu"));
    addItem(prawymenu_, "Wstawww", "Wstaw wę&zeł wewnętrzny", none);
    addDisabled(prawymenu_, "Zmiewasnocielementu1", "Zmień własności elementu");
    addItem(prawymenu_, "Zmiewarunekbrzegowy1", "Zmień warunek brzegowy", none);
    addDisabled(prawymenu_, "Usuelement1", "Usuń &element");
    addItem(prawymenu_, "Usuwze1", "Usuń &węzeł", none);
    addItem(prawymenu_, "Usuwzewewntrzny1", "Usuń wę&zeł wewnętrzny", none);

    lamaPop_ = new QMenu(this);
    lamaPop_->setObjectName(QStringLiteral("lamaPop"));
    addItem(lamaPop_, "Koniecliniamanej1", "Koniec lini łamanej", none);
    addItem(lamaPop_, "Zamknijlinieaman1", "Zamknij linie łamaną", none);
    addItem(lamaPop_, "Usuostatnielement1", "Usuń ostatni element", none);
}

void TGL::requestRepaint()
{
    refreshCaption();
    drawingArea_->update();
}

void TGL::refreshCaption()
{
    setWindowTitle(project_.titleText == " " ? QString::fromUtf8(kApplicationTitle) : toQString(project_.titleText));
}

void TGL::refreshControls()
{
    const ToolBarState state = toolBarState(project_);
    bWezly_->setChecked(state.nodeNumbersDown);
    bEle_->setChecked(state.elementNumbersDown);
    bWb_->setChecked(state.conditionsDown);
    bB_->setChecked(state.boundaryNumbersDown);
    bT_->setChecked(state.potentialDown);
    bTn_->setChecked(state.fluxDown);
    bT_->setEnabled(state.resultButtonsEnabled);
    bTn_->setEnabled(state.resultButtonsEnabled);

    const auto refill = [](QComboBox* box, const std::vector<std::string>& items, int index) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const std::string& item : items) {
            box->addItem(toQString(item));
        }
        box->setCurrentIndex(index);
    };
    refill(cwb_, state.conditionItems, state.conditionIndex);
    refill(cbrzeg_, state.boundaryItems, state.boundaryIndex);

    normalsItem_->setChecked(state.normalsChecked);
    conditionsItem_->setChecked(state.conditionsChecked);
    potentialItem_->setChecked(state.potentialChecked);
    fluxItem_->setChecked(state.fluxChecked);
    displacementsItem_->setChecked(state.displacementsChecked);
}

void TGL::paintDrawing(QPainter& painter, int clientWidth, int clientHeight)
{
    refreshControls();
    // A message box cannot open inside a paint event: the painter's messages
    // are collected and shown once the paint is over.
    ScriptedInteraction collected;
    const PaintOutcome outcome = paintModel(painter, project_, clientWidth, clientHeight, collected);
    scale_->applyPaintOutcome(outcome, this);
    if (!collected.shown.empty() || outcome.repaintRequested) {
        QTimer::singleShot(0, this, [this, shown = std::move(collected.shown), again = outcome.repaintRequested] {
            for (const ScriptedInteraction::Shown& message : shown) {
                ui_->message(message.text, message.caption, message.kind);
            }
            if (again) {
                requestRepaint();
            }
        });
    }
}

void TGL::drawingResized()
{
    drawingArea_->update();
    if (scale_->isVisible()) {
        scale_->update();
    }
}

void TGL::Nowy1Click()
{
    // The emptied project is on screen while the type is chosen.
    const auto repaintThenChoose = [this] {
        requestRepaint();
        return chooseType_();
    };
    if (newProject(project_, *ui_, repaintThenChoose)) {
        requestRepaint();
    }
}

void TGL::Otworz1Click()
{
    if (openProject(project_, *ui_)) {
        requestRepaint();
    }
}

void TGL::Zapisz1Click()
{
    saveProject(project_, *ui_);
    refreshCaption();
}

void TGL::Koniec1Click()
{
    if (confirmExit(project_, *ui_)) {
        requestRepaint();
        exitConfirmed_ = true;
        close();
    }
}

void TGL::closeEvent(QCloseEvent* event)
{
    if (exitConfirmed_ || confirmExit(project_, *ui_)) {
        exitConfirmed_ = true;
        requestRepaint();
        scale_->hide();
        event->accept();
    } else {
        event->ignore();
    }
}

void TGL::Oprogramie1Click()
{
    showAbout(*ui_);
}

void TGL::Typoblicze1Click()
{
    if (std::optional<int> code = chooseType_()) {
        repaintIf(applyAnalysisType(project_, *code));
    }
}

void TGL::Wasnocifizyczne1Click()
{
    twf_->edit();
}

void TGL::Temperaturawwwewntrznych1Click()
{
    tlWww_->exec();
}

void TGL::Sprawdspjnodanych1Click()
{
    run(checkModelCommand);
}

void TGL::run(bool (*command)(Project&, Interaction&))
{
    if (command(project_, *ui_)) {
        requestRepaint();
    }
}

void TGL::Renumerujelementy1Click()
{
    run(renumberElements);
}

void TGL::Podwjnewzy1Click()
{
    run(removeDoubleNodes);
}

void TGL::Wolnewzy1Click()
{
    run(removeFreeNodes);
}

void TGL::Elementyozerowejdugoci1Click()
{
    run(removeZeroLengthElements);
}

void TGL::CWBChange(int index)
{
    if (pickCondition(project_, index)) {
        requestRepaint();
    }
}

void TGL::CBRZEGChange(int index)
{
    if (pickBoundary(project_, index)) {
        requestRepaint();
    }
}

void TGL::repaintIf(bool due)
{
    if (due) {
        requestRepaint();
    }
}

void TGL::BWEZLYClick()
{
    repaintIf(toggleNodeNumbers(project_));
}

void TGL::BELEClick()
{
    repaintIf(toggleElementNumbers(project_));
}

void TGL::BWBClick()
{
    repaintIf(toggleBoundaryConditionsButton(project_));
}

void TGL::Warbrzegowe1Click()
{
    repaintIf(toggleBoundaryConditionsMenu(project_));
}

void TGL::BBClick()
{
    repaintIf(toggleElementBoundaryNumbers(project_));
}

void TGL::BTClick()
{
    repaintIf(togglePotential(project_));
}

void TGL::BTNClick()
{
    repaintIf(toggleFlux(project_));
}

void TGL::Przemieszczenia1Click()
{
    repaintIf(toggleDisplacements(project_));
}

void TGL::ZoomPlBClick()
{
    repaintIf(zoomIn(project_));
}

void TGL::ZoomMiBClick()
{
    repaintIf(zoomOut(project_));
}

void TGL::Pokawszystko1Click()
{
    repaintIf(showEverything(project_));
}

void TGL::Siatka1Click()
{
    repaintIf(tdSiatki_->edit());
}

void TGL::Obszar1Click()
{
    repaintIf(tdObsz_->edit());
}

void TGL::Ustawieniaekranu1Click()
{
    repaintIf(tUstaw_->edit());
}

void TGL::Ustawieniadrukarki1Click()
{
    printerSetup_->run(this);
}

void TGL::Oblicz1Click()
{
    // Whatever the outcome, the check may have regrouped the elements, so
    // the numbers on the drawing are refreshed too.
    computeCommand(project_, *ui_);
    requestRepaint();
}

void TGL::Skalujwyniki1Click()
{
    if (std::optional<ScalingOption> option = tSkaluj_->choose()) {
        scaleResults(project_, *ui_, *option);
    }
    requestRepaint();
}

void TGL::Listawynikw1Click()
{
    switch (resultsListCommand(project_, *ui_)) {
    case ResultsWindow::PotentialResults:
        tlWyn_->exec();
        break;
    case ResultsWindow::ElasticityResults:
    case ResultsWindow::None:
        break;
    }
}

} // namespace zorind
