#include "app/TGL.h"

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

#include "Painter.h"
#include "app/CommandTable.h"
#include "app/DrawingArea.h"
#include "app/FieldMapView.h"
#include "app/RecentProjectsMenu.h"
#include "edit/Pointer.h"
#include "edit/PointerController.h"
#include "exchange/ElasticityResults.h"
#include "session/Describe.h"
#include "session/FileCommands.h"
#include "session/ShellCommands.h"
#include "ui/Messages.h"
#include "view/PrinterSetup.h"
#include "view/Tskala.h"
#include "view/Ttypobl_.h"
#include "widgets/NumberFields.h"

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

TGL::TGL(QWidget* parent) : QMainWindow(parent), qtUi_(this), routed_(qtUi_)
{
    setObjectName(QStringLiteral("GL"));
    initialiseProject(project_);

    setWindowIcon(toolIcon(IconKind::Application));
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
    chooseType_ = [this] { return window<Ttypobl_>().choose(); };
    pointer_ = new PointerController(*this, this);
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

TGL::~TGL() = default;

void TGL::setInteraction(Interaction* ui)
{
    routed_.setTarget(ui != nullptr ? *ui : static_cast<Interaction&>(qtUi_));
}

QAction* TGL::action(const std::string& name) const
{
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* TGL::addRow(const CommandRow& row, QWidget* where)
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

void TGL::buildFromTable()
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
    speedPanel_ = toolBar("SpeedPanel");
    addToolBarBreak();
    panel1_ = toolBar("Panel1");
    // No menu offers to hide the tool bars.
    setContextMenuPolicy(Qt::NoContextMenu);
    prawymenu_ = new QMenu(this);
    prawymenu_->setObjectName(QStringLiteral("prawymenu"));
    lamaPop_ = new QMenu(this);
    lamaPop_->setObjectName(QStringLiteral("lamaPop"));
    places[Place::SpeedPanel] = speedPanel_;
    places[Place::Panel1] = panel1_;
    places[Place::Prawymenu] = prawymenu_;
    places[Place::LamaPop] = lamaPop_;

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
            (std::string_view(row.name) == "CWB" ? cwb_ : cbrzeg_) = box;
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
    cbrzeg_->setMinimumWidth(110);
    cwb_->setMinimumWidth(200);
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

void TGL::requestRepaint()
{
    refreshCaption();
    drawingArea_->repaintModel();
}

void TGL::refreshCaption()
{
    const QString title =
        project_.titleText == " " ? QString::fromUtf8(kApplicationTitle) : toQString(project_.titleText);
    setWindowTitle(hasUnsavedChanges(project_) ? title + QStringLiteral(" *") : title);
}

bool TGL::offerToSave()
{
    return zorind::offerToSave(project_, routed_, [this] { showModelNow(); });
}

void TGL::refreshControls()
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
    refill(cwb_, state.conditionItems, state.conditionIndex);
    refill(cbrzeg_, state.boundaryItems, state.boundaryIndex);
    refreshCursor();
}

void TGL::refreshCursor()
{
    if (project_.edit.editMode == EditMode::PolylineEntry || enteringCircle_) {
        drawingArea_->setCursor(Qt::CrossCursor);
    } else {
        drawingArea_->unsetCursor();
    }
}

void TGL::enterCircle(const std::function<void()>& entry)
{
    // Restored however the dialog ends, an exception included.
    struct Entering {
        TGL& w;
        explicit Entering(TGL& window) : w(window)
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

void TGL::paintDrawing(QPainter& painter, int clientWidth, int clientHeight)
{
    refreshControls();
    const PaintOutcome outcome =
        paintModel(painter, project_, clientWidth, clientHeight,
                   fieldMap_ ? fieldMap_->mapFor(project_, clientWidth, clientHeight) : nullptr);
    window<Tskala>().applyPaintOutcome(outcome, this);
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

void TGL::drawingResized()
{
    drawingArea_->update();
    Tskala& scale = window<Tskala>();
    if (scale.isVisible()) {
        scale.update();
    }
}

void TGL::runGuarded(const std::function<void()>& command, Drawn drawn)
{
    const bool outermost = commandDepth_ == 0;
    if (outermost) {
        // A new command stops the map under way; the repaint after it starts
        // it again if it is still wanted.
        if (fieldMap_) {
            fieldMap_->cancel();
        }
        commandStart_ = takeSnapshot(project_);
    }
    ++commandDepth_;
    try {
        command();
    } catch (const std::exception& error) {
        routed_.error(error.what(), kApplicationTitle);
    } catch (...) {
        routed_.error("Nieznany błąd", kApplicationTitle);
    }
    --commandDepth_;
    // What a failed command changed before it failed is settled too.
    if (outermost) {
        settle(drawn);
    }
}

void TGL::settleStep()
{
    if (commandDepth_ > 0) {
        settle(Drawn::Nothing);
        commandStart_ = takeSnapshot(project_);
    }
}

void TGL::settle(Drawn drawn)
{
    if (!commandStart_) {
        return;
    }
    const Consequences consequences = settleCommand(*commandStart_, project_, drawn);
    switch (historyUse_) {
    case HistoryUse::Step:
        if (consequences.changes.step()) {
            history_.record(*commandStart_);
        }
        break;
    case HistoryUse::Travel:
        break;
    case HistoryUse::Restart:
        history_.clear();
        break;
    }
    historyUse_ = HistoryUse::Step;
    commandStart_.reset();
    // An open or a save may have changed the list of recent projects.
    recentProjects_->follow(project_.recentProjects);
    if (consequences.controls) {
        refreshControls();
    }
    if (consequences.repaint) {
        requestRepaint();
    }
}

QSize TGL::drawingSize() const
{
    return drawingArea_->size();
}

void TGL::setStatusText(int panel, const QString& text)
{
    QLabel* label = statusPanel(panel);
    // Moves rewrite the same texts most of the time.
    if (label->text() != text) {
        showInPanel(label, text);
    }
}

void TGL::openPopupMenu(PopupMenu menu, QPoint at)
{
    QMenu* popup = menu == PopupMenu::General ? prawymenu_ : lamaPop_;
    // Not modal: the chosen command runs from the event loop, after the
    // press has been handled.
    popup->popup(drawingArea_->mapToGlobal(at));
}

void TGL::drawNodeMarker(QPoint topLeft, QPoint bottomRight)
{
    drawingArea_->drawNodeMarker(topLeft, bottomRight);
}

void TGL::drawElementLine(QPoint from, QPoint to)
{
    drawingArea_->drawElementLine(from, to);
}

void TGL::invertRubberBand(QPoint from, QPoint to)
{
    drawingArea_->invertRubberBand(from, to);
}

void TGL::newProjectCommand()
{
    // The emptied project is on screen while the type is chosen.
    if (!offerToSave()) {
        return;
    }
    const auto repaintThenChoose = [this] {
        requestRepaint();
        return chooseType_();
    };
    if (newProject(project_, routed_, repaintThenChoose)) {
        historyUse_ = HistoryUse::Restart;
    }
}

void TGL::openProjectCommand()
{
    if (!offerToSave()) {
        return;
    }
    // The caption and the drawing show the file before its message does.
    if (openProject(project_, routed_, [this] { showModelNow(); })) {
        historyUse_ = HistoryUse::Restart;
    }
}

void TGL::openRecentProjectCommand(const std::string& path)
{
    if (openRecentProject(project_, routed_, path, [this] { showModelNow(); })) {
        historyUse_ = HistoryUse::Restart;
    }
}

void TGL::undoCommand()
{
    historyUse_ = HistoryUse::Travel;
    history_.undo(project_);
}

void TGL::redoCommand()
{
    historyUse_ = HistoryUse::Travel;
    history_.redo(project_);
}

void TGL::saveProjectCommand()
{
    saveProject(project_, routed_, [this] { showModelNow(); });
}

void TGL::showModelNow()
{
    refreshCaption();
    drawingArea_->repaintModelNow();
}

void TGL::exitCommand()
{
    if (offerToSave() && confirmExit(project_, routed_)) {
        exitConfirmed_ = true;
        close();
    }
}

void TGL::endWithoutAsking(int status)
{
    exitConfirmed_ = true;
    close();
    // Only a running event loop can be ended; asking for it without one
    // would make every later modal loop return at once.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(status);
    }
}

void TGL::printerSetupCommand()
{
    printerSetup_->run(this);
}

void TGL::closeEvent(QCloseEvent* event)
{
    if (exitConfirmed_ || (offerToSave() && confirmExit(project_, routed_))) {
        exitConfirmed_ = true;
        requestRepaint();
        window<Tskala>().hide();
        event->accept();
    } else {
        event->ignore();
    }
}

void TGL::keyPressEvent(QKeyEvent* event)
{
    if (pointer_->keyPressed(event->key(), event->modifiers(), drawingArea_->mapFromGlobal(QCursor::pos()))) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TGL::CWBChange(int index)
{
    runGuarded([&] { pickCondition(project_, index); });
}

void TGL::CBRZEGChange(int index)
{
    runGuarded([&] { pickBoundary(project_, index); });
}

} // namespace zorind
