#include "gui/app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <exception>

#include "core/cad/DrawingCommands.h"
#include "core/edit/Pointer.h"
#include "core/exchange/ElasticityResults.h"
#include "core/session/Describe.h"
#include "core/session/FileCommands.h"
#include "core/session/ShellCommands.h"
#include "core/ui/Messages.h"
#include "dxf/DxfFile.h"
#include "gui/app/CommandTable.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/FieldMapView.h"
#include "gui/view/ProbePlotWindow.h"
#include "gui/app/RecentProjectsMenu.h"
#include "gui/edit/PointerController.h"
#include "gui/view/AnalysisTypeDialog.h"
#include "gui/view/ColourScaleWindow.h"
#include "gui/view/PrinterSetup.h"
#include "gui/widgets/NumberFields.h"
#include "render/Painter.h"

namespace zorind {

namespace {

// A status panel shows `text`, and a screen reader reads the same; a blank
// panel reads as what it is for (its description).
void showInPanel(QLabel* panel, const QString& text)
{
    panel->setText(text);
    panel->setAccessibleName(text.trimmed().isEmpty() ? panel->accessibleDescription() : text);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), qtUi_(this), routed_(qtUi_)
{
    setObjectName(QStringLiteral("GL"));
    initialiseProject(project_);

    drawingArea_ = new DrawingArea(this);
    drawingArea_->setPainter(
        [this](QPainter& painter, int width, int height) { paintDrawing(painter, width, height); });
    drawingArea_->setResizeHandler([this] { drawingResized(); });
    setCentralWidget(drawingArea_);

    buildFromTable();
    buildStatusBar();
    fieldMap_ = std::make_unique<FieldMapView>(statusBar(), [this] { drawingArea_->repaintModel(); });

    windows_ = std::make_unique<WindowSet>(project_, routed_, this, [this] { settleStep(); });
    printerSetup_ = std::make_unique<PrinterSetup>(routed_);
    chooseType_ = [this] { return window<AnalysisTypeDialog>().choose(); };
    pointer_ = new PointerController(*this, this);
    connect(&window<ProbePlotWindow>(), &ProbePlotWindow::segmentChanged, this, &MainWindow::requestRepaint);
    drawingArea_->setPointerController(pointer_);

    resize(640, 480);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    refreshCaption();
    refreshControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::setInteraction(Interaction* ui)
{
    routed_.setTarget(ui != nullptr ? *ui : static_cast<Interaction&>(qtUi_));
}

QAction* MainWindow::action(const std::string& name) const
{
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* MainWindow::addRow(const CommandRow& row, QWidget* where)
{
    const QString text = QString::fromUtf8(row.text);
    auto* action = new QAction(toolIcon(row.icon), text, where);
    action->setObjectName(QString::fromLatin1(row.name));
    if (row.icon != IconKind::None) {
        // A tool button: the text is its hint, shown as a tool tip only so
        // that the status-bar panels stay as they are.
        action->setToolTip(text);
    }
    if (row.shortcut != QKeyCombination{}) {
        QList<QKeySequence> keys{QKeySequence(row.shortcut)};
        if (row.otherShortcut != QKeyCombination{}) {
            keys.append(QKeySequence(row.otherShortcut));
        }
        action->setShortcuts(keys);
    }
    action->setEnabled(row.enabled == Enabled::Always || row.enabled == Enabled::WithResults);
    action->setCheckable(row.checked != nullptr);
    if (row.handler != nullptr) {
        const Handler handler = row.handler;
        connect(action, &QAction::triggered, this, [this, handler] { runGuarded([&] { handler(*this); }); });
    }
    where->addAction(action);
    if (auto* bar = qobject_cast<QToolBar*>(where)) {
        // Tool buttons are reached by Tab as well, not by the mouse alone.
        if (QWidget* button = bar->widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);
        }
    }
    actions_[row.name] = action;
    if (row.checked != nullptr || (row.enabled != Enabled::Always && row.enabled != Enabled::Never)) {
        refreshed_.emplace_back(&row, action);
    }
    return action;
}

void MainWindow::buildFromTable()
{
    std::map<Place, QWidget*> places;
    const auto addMenu = [&places](const MenuRow& m, QMenu* menu) {
        menu->setObjectName(QString::fromLatin1(m.name));
        places[m.place] = menu;
    };
    for (const MenuRow& m : menuRows()) {
        if (m.parent == m.place) {
            addMenu(m, menuBar()->addMenu(QString::fromUtf8(m.caption)));
        }
    }
    const auto toolBar = [this](const char* name) {
        QToolBar* bar = addToolBar(QString::fromLatin1(name));
        bar->setObjectName(QString::fromLatin1(name));
        bar->setMovable(false);
        bar->setIconSize(QSize(20, 20));
        return bar;
    };
    commandToolBar_ = toolBar("SpeedPanel");
    addToolBarBreak();
    selectorToolBar_ = toolBar("Panel1");
    // No menu offers to hide the tool bars.
    setContextMenuPolicy(Qt::NoContextMenu);
    rightPopup_ = new QMenu(this);
    rightPopup_->setObjectName(QStringLiteral("prawymenu"));
    polylinePopup_ = new QMenu(this);
    polylinePopup_->setObjectName(QStringLiteral("lamaPop"));
    places[Place::CommandToolBar] = commandToolBar_;
    places[Place::SelectorToolBar] = selectorToolBar_;
    places[Place::RightPopup] = rightPopup_;
    places[Place::PolylinePopup] = polylinePopup_;

    for (const CommandRow& row : commandRows()) {
        QWidget* where = places.at(row.place);
        switch (row.entry) {
        case Entry::Submenu:
            for (const MenuRow& m : menuRows()) {
                if (std::string_view(m.name) == row.name) {
                    addMenu(m, static_cast<QMenu*>(where)->addMenu(QString::fromUtf8(m.caption)));
                }
            }
            break;
        case Entry::Separator:
            if (auto* menu = qobject_cast<QMenu*>(where)) {
                menu->addSeparator();
            } else {
                static_cast<QToolBar*>(where)->addSeparator();
            }
            break;
        case Entry::Selector: {
            auto* box = new QComboBox(where);
            box->setObjectName(QString::fromLatin1(row.name));
            box->setToolTip(QString::fromUtf8(row.text));
            box->setAccessibleName(QString::fromUtf8(row.text));
            static_cast<QToolBar*>(where)->addWidget(box);
            (std::string_view(row.name) == "CWB" ? conditionSelector_ : boundarySelector_) = box;
            break;
        }
        case Entry::Command:
            addRow(row, where);
            break;
        case Entry::RecentProjects:
            recentProjects_ = new RecentProjectsMenu(static_cast<QMenu*>(where), [this](const std::string& path) {
                runGuarded([&] { openRecentProjectCommand(path); });
            });
            project_.recentProjects = recentProjects_->shown();
            break;
        }
    }
    boundarySelector_->setMinimumWidth(110);
    conditionSelector_->setMinimumWidth(200);
    // Only a user's pick changes the current entry; refilling does not.
    connect(conditionSelector_, &QComboBox::activated, this, &MainWindow::conditionSelectorChanged);
    connect(boundarySelector_, &QComboBox::activated, this, &MainWindow::boundarySelectorChanged);
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const int widths[6] = {60, 60, 5, 150, 150, 150};
    const char* initial[6] = {"x=", "y=", "", "", "", ""};
    const char* names[6] = {"Współrzędna x", "Współrzędna y", "",
                            "Polecenie",     "Ostatni punkt", "Aktualny brzeg i warunek"};
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setAccessibleDescription(QString::fromUtf8(names[i]));
        showInPanel(panel, QString::fromUtf8(initial[i]));
        panel->setFixedWidth(widths[i]);
        panel->setFrameStyle(i == 2 ? QFrame::NoFrame : (QFrame::Panel | QFrame::Sunken));
        bar->addWidget(panel);
        statusPanels_[static_cast<std::size_t>(i)] = panel;
    }
}

void MainWindow::requestRepaint()
{
    refreshCaption();
    drawingArea_->repaintModel();
}

void MainWindow::refreshCaption()
{
    const QString title =
        project_.titleText == " " ? QString::fromUtf8(kApplicationTitle) : toQString(project_.titleText);
    setWindowTitle(hasUnsavedChanges(project_) ? title + QStringLiteral(" *") : title);
}

bool MainWindow::offerToSave()
{
    return zorind::offerToSave(project_, routed_, {}, [this] { showModelNow(); });
}

void MainWindow::refreshControls()
{
    recentProjects_->follow(project_.recentProjects);
    const ToolBarState state = toolBarState(project_);
    for (const auto& [row, action] : refreshed_) {
        if (row->checked != nullptr) {
            action->setChecked(state.*(row->checked));
        }
        if (row->enabled == Enabled::WithResults) {
            action->setEnabled(state.resultButtonsEnabled);
        } else if (row->enabled == Enabled::WithUndo) {
            action->setEnabled(canUndo());
        } else if (row->enabled == Enabled::WithRedo) {
            action->setEnabled(canRedo());
        } else if (row->enabled == Enabled::ForElasticity) {
            action->setEnabled(state.elasticityComputeEnabled);
        } else if (row->enabled == Enabled::WithInternalPointResults) {
            action->setEnabled(state.internalPointResultsEnabled);
        } else if (row->enabled == Enabled::WithFile) {
            action->setEnabled(state.saveEnabled);
        }
    }
    const auto refill = [](QComboBox* box, const std::vector<std::string>& items, int index) {
        const QSignalBlocker quiet(box);
        box->clear();
        for (const std::string& item : items) {
            box->addItem(toQString(item));
        }
        box->setCurrentIndex(index);
    };
    refill(conditionSelector_, state.conditionItems, state.conditionIndex);
    refill(boundarySelector_, state.boundaryItems, state.boundaryIndex);
    refreshCursor();
}

void MainWindow::refreshCursor()
{
    if (project_.edit.editMode != EditMode::Idle || enteringCircle_) {
        drawingArea_->setCursor(Qt::CrossCursor);
    } else {
        drawingArea_->unsetCursor();
    }
}

void MainWindow::enterCircle(const std::function<void()>& entry)
{
    // Restored however the dialog ends, an exception included.
    struct Entering {
        MainWindow& w;
        explicit Entering(MainWindow& window) : w(window)
        {
            w.enteringCircle_ = true;
            w.refreshCursor();
        }
        ~Entering()
        {
            w.enteringCircle_ = false;
            w.refreshCursor();
        }
        Entering(const Entering&) = delete;
        Entering& operator=(const Entering&) = delete;
    } entering(*this);
    entry();
}

void MainWindow::paintDrawing(QPainter& painter, int clientWidth, int clientHeight)
{
    refreshControls();
    const solver::FieldMap* map = fieldMap_ ? fieldMap_->mapFor(project_, clientWidth, clientHeight) : nullptr;
    const PaintOutcome outcome =
        paintModel(painter, project_, clientWidth, clientHeight, map, fieldMap_ ? fieldMap_->arrows() : nullptr);
    // The scale window is made the first time there is a scale to show.
    if (ColourScaleWindow* scale =
            outcome.scaleVisible ? &window<ColourScaleWindow>() : windows_->created<ColourScaleWindow>()) {
        scale->applyPaintOutcome(outcome, this);
    }
    // The factor of the deformed boundary stands in the prompt panel, which
    // the pointer needs only while a polyline is drawn.
    if (project_.edit.editMode == EditMode::Idle) {
        if (outcome.displacementFactor) {
            setStatusText(PanelPrompt,
                          toQString(displacementFactorText(*outcome.displacementFactor, decimalSeparator())));
        } else if (statusPanel(PanelPrompt)->text().startsWith(QString::fromUtf8(kDisplacementFactorLabel))) {
            setStatusText(PanelPrompt, QStringLiteral(" "));
        }
    }
    // A message box cannot open inside a paint event: the painter's message
    // is shown once the paint is over.
    if (outcome.message || outcome.repaintRequested) {
        QTimer::singleShot(0, this, [this, message = outcome.message, again = outcome.repaintRequested] {
            if (message) {
                routed_.message(message->text, message->caption, message->kind);
            }
            if (again) {
                requestRepaint();
            }
        });
    }
}

void MainWindow::drawingResized()
{
    drawingArea_->update();
    ColourScaleWindow* scale = windows_->created<ColourScaleWindow>();
    if (scale != nullptr && scale->isVisible()) {
        scale->update();
    }
}

void MainWindow::runGuarded(const std::function<void()>& command, Drawn drawn)
{
    // A new command stops the map under way; the repaint after it starts it
    // again if it is still wanted.
    if (!runner_.running() && fieldMap_) {
        fieldMap_->cancel();
    }
    carryOut(runner_.run(
        [&] {
            try {
                command();
            } catch (const std::exception& error) {
                routed_.error(error.what(), kApplicationTitle);
            } catch (...) {
                routed_.error("Nieznany błąd", kApplicationTitle);
            }
        },
        drawn));
}

void MainWindow::settleStep()
{
    carryOut(runner_.settleSoFar());
}

void MainWindow::carryOut(const std::optional<Consequences>& consequences)
{
    if (!consequences) {
        return;
    }
    // An open or a save may have changed the list of recent projects.
    recentProjects_->follow(project_.recentProjects);
    if (consequences->controls) {
        refreshControls();
    }
    if (consequences->repaint) {
        requestRepaint();
    }
}

QSize MainWindow::drawingSize() const
{
    return drawingArea_->size();
}

void MainWindow::setStatusText(int panel, const QString& text)
{
    QLabel* label = statusPanel(panel);
    // Moves rewrite the same texts most of the time.
    if (label->text() != text) {
        showInPanel(label, text);
    }
}

void MainWindow::openPopupMenu(PopupMenu menu, QPoint at)
{
    QMenu* popup = menu == PopupMenu::General ? rightPopup_ : polylinePopup_;
    // Not modal: the chosen command runs from the event loop, after the
    // press has been handled.
    popup->popup(drawingArea_->mapToGlobal(at));
}

void MainWindow::drawNodeMarker(QPoint topLeft, QPoint bottomRight)
{
    drawingArea_->drawNodeMarker(topLeft, bottomRight);
}

void MainWindow::drawElementLine(QPoint from, QPoint to)
{
    drawingArea_->drawElementLine(from, to);
}

// Opened once the pointer command is over, so that the plot's own
// consequences (the segment on the drawing) follow it.
void MainWindow::openSegmentPlot(std::optional<std::array<ModelPoint, 2>> ends)
{
    QTimer::singleShot(0, this, [this, ends] {
        window<ProbePlotWindow>().open(ends ? std::optional<std::array<double, 4>>(
                                                  {(*ends)[0].x, (*ends)[0].y, (*ends)[1].x, (*ends)[1].y})
                                            : std::nullopt);
    });
}

void MainWindow::invertRubberBand(QPoint from, QPoint to)
{
    drawingArea_->invertRubberBand(from, to);
}

void MainWindow::newProjectCommand()
{
    // The emptied project is on screen while the type is chosen.
    const auto repaintThenChoose = [this] {
        requestRepaint();
        return chooseType_();
    };
    newProject(project_, routed_, repaintThenChoose, [this] { showModelNow(); });
}

void MainWindow::openProjectCommand()
{
    // The caption and the drawing show the file before its message does.
    openProject(project_, routed_, [this] { showModelNow(); });
}

void MainWindow::importDrawingCommand()
{
    if (!offerToSave()) {
        return;
    }
    cad::importDrawingCommand(project_, routed_, dxf::readDxf, [this] { showModelNow(); });
}

void MainWindow::openRecentProjectCommand(const std::string& path)
{
    openRecentProject(project_, routed_, path, [this] { showModelNow(); });
}

void MainWindow::undoCommand()
{
    runner_.undo();
}

void MainWindow::redoCommand()
{
    runner_.redo();
}

void MainWindow::saveProjectCommand()
{
    saveProject(project_, routed_, [this] { showModelNow(); });
}

void MainWindow::showModelNow()
{
    refreshCaption();
    drawingArea_->repaintModelNow();
}

void MainWindow::exitCommand()
{
    if (confirmExit(project_, routed_, [this] { showModelNow(); })) {
        exitConfirmed_ = true;
        close();
    }
}

void MainWindow::endWithoutAsking(int status)
{
    exitConfirmed_ = true;
    close();
    // Only a running event loop can be ended; asking for it without one
    // would make every later modal loop return at once.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(status);
    }
}

void MainWindow::printerSetupCommand()
{
    printerSetup_->run(this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (exitConfirmed_ || confirmExit(project_, routed_, [this] { showModelNow(); })) {
        exitConfirmed_ = true;
        requestRepaint();
        if (ColourScaleWindow* scale = windows_->created<ColourScaleWindow>()) {
            scale->hide();
        }
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (pointer_->keyPressed(event->key(), event->modifiers(), drawingArea_->mapFromGlobal(QCursor::pos()))) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::conditionSelectorChanged(int index)
{
    runGuarded([&] { pickCondition(project_, index); });
}

void MainWindow::boundarySelectorChanged(int index)
{
    runGuarded([&] { pickBoundary(project_, index); });
}

} // namespace zorind
