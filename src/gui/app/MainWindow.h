#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/command/CommandRunner.h"
#include "core/session/Project.h"
#include "core/ui/RoutedInteraction.h"
#include "gui/app/QtInteraction.h"
#include "gui/app/Windows.h"
#include "gui/edit/PointerSite.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;

namespace zorind {

class DrawingArea;
class FieldMapView;
class PointerController;
class PrinterSetup;
class RecentProjectsMenu;
struct CommandRow;

// The main window: a thin router from menus, tool bars and the pointer to
// the commands on the Project. Its menus, tool bars and popups come from
// the command table; its dialogs and list windows from the WindowSet. It
// keeps no enabled or pressed state of its own: every repaint sets the
// controls from the Project. Every command runs through runGuarded, which
// hands it to the core's command runner and carries out what it reports.
// TGL
class MainWindow : public QMainWindow, public PointerSite {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Project& project() override { return project_; }
    // The interaction every command and dialog talks through.
    Interaction& interaction() override { return routed_; }
    // Tests route every message box and question through their own double;
    // nullptr restores the window's own boxes.
    void setInteraction(Interaction* ui);
    // Tests answer the analysis-type dialog without showing it.
    void setAnalysisTypeChooser(std::function<std::optional<int>()> chooser) { chooseType_ = std::move(chooser); }
    std::optional<int> chooseAnalysisType() { return chooseType_(); }

    template <class W> W& window() const { return windows_->get<W>(); }
    PointerController& pointer() const { return *pointer_; }

    DrawingArea* drawingArea() const { return drawingArea_; }
    QToolBar* commandToolBar() const { return commandToolBar_; }
    QToolBar* selectorToolBar() const { return selectorToolBar_; }
    QComboBox* conditionSelector() const { return conditionSelector_; }
    QComboBox* boundarySelector() const { return boundarySelector_; }
    QLabel* statusPanel(int index) const { return statusPanels_.at(static_cast<std::size_t>(index)); }
    QMenu* rightPopup() const { return rightPopup_; }
    QMenu* polylinePopup() const { return polylinePopup_; }
    // The menu item or tool button of that object name, or nullptr.
    QAction* action(const std::string& name) const;

    // The drawing area repaints, and the caption follows titleText.
    void requestRepaint();
    void refreshCaption();
    // The caption and the drawing follow the Project at once (not at the
    // next event), for a message that must be read over the new state.
    void showModelNow();
    // The tool-bar and menu refresh rule, run by every repaint; the pointer
    // over the drawing follows it too.
    void refreshControls();
    // Runs `entry`, the circle's dialog, with the pointer over the drawing
    // a cross, as while a polyline is drawn.
    void enterCircle(const std::function<void()>& entry);
    void paintDrawing(QPainter& painter, int clientWidth, int clientHeight);

    // Runs a command on the Project through the command runner and carries
    // out its consequences once it is over: the drawing is repainted and the
    // tool bars and selectors follow whatever changed. An exception escaping
    // the command is reported here, before it crosses any Qt frame, and the
    // program goes on.
    void runGuarded(const std::function<void()>& command, Drawn drawn = Drawn::Nothing);
    // A dialog that stays open has stored into the model: the consequences
    // so far are settled now, and the command goes on from there.
    void settleStep();

    // "Cofnij" and "Ponów": one step of the editing history back or forward.
    void undoCommand();
    void redoCommand();
    bool canUndo() const { return runner_.canUndo(); }
    bool canRedo() const { return runner_.canRedo(); }

    // With unsaved changes, asks whether to save them first (before the
    // elasticity solver takes the program's place); false: the user
    // cancelled, or the save failed.
    bool offerToSave();

    // The shell's own commands.
    void newProjectCommand();
    void openProjectCommand();
    // "Importuj D&XF...": a drawing replaces the project as a file does.
    void importDrawingCommand();
    // An item of the "Plik" menu's list of recent projects: opens `path`.
    void openRecentProjectCommand(const std::string& path);
    void saveProjectCommand();
    void exitCommand();
    // Ends the program at once, without the exit question: the event loop
    // returns `status` (the elasticity solver has taken over).
    void endWithoutAsking(int status);
    void printerSetupCommand();

public slots:
    void conditionSelectorChanged(int index);
    void boundarySelectorChanged(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    // The keys of the drawing go to the pointer controller; a key it does
    // not take goes on as usual. Dialogs and list windows are windows of
    // their own, so their keys never come here.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // PointerSite.
    void runCommand(const std::function<void()>& command, Drawn drawn) override { runGuarded(command, drawn); }
    QSize drawingSize() const override;
    void setStatusText(int panel, const QString& text) override;
    void openPopupMenu(PopupMenu menu, QPoint at) override;
    void drawNodeMarker(QPoint topLeft, QPoint bottomRight) override;
    void drawElementLine(QPoint from, QPoint to) override;
    void invertRubberBand(QPoint from, QPoint to) override;
    void openSegmentPlot(std::optional<std::array<ModelPoint, 2>> ends) override;

    void carryOut(const std::optional<Consequences>& consequences);
    void refreshCursor();

    void buildFromTable();
    QAction* addRow(const CommandRow& row, QWidget* where);
    void buildStatusBar();
    void drawingResized();

    Project project_;
    QtInteraction qtUi_;
    RoutedInteraction routed_;
    std::function<std::optional<int>()> chooseType_;
    bool exitConfirmed_ = false;
    bool enteringCircle_ = false;
    CommandRunner runner_{project_};

    DrawingArea* drawingArea_ = nullptr;
    PointerController* pointer_ = nullptr;
    QToolBar* commandToolBar_ = nullptr;
    QToolBar* selectorToolBar_ = nullptr;
    QComboBox* boundarySelector_ = nullptr;
    QComboBox* conditionSelector_ = nullptr;
    std::array<QLabel*, 6> statusPanels_{};
    QMenu* rightPopup_ = nullptr;
    QMenu* polylinePopup_ = nullptr;
    RecentProjectsMenu* recentProjects_ = nullptr;
    // Every table entry that refreshes from the Project, with its action.
    std::vector<std::pair<const CommandRow*, QAction*>> refreshed_;
    std::map<std::string, QAction*> actions_;

    std::unique_ptr<WindowSet> windows_;
    // The potential map of the drawing, computed beside the window.
    std::unique_ptr<FieldMapView> fieldMap_;
    // Kept for the run so that the printer chosen stays chosen.
    std::unique_ptr<PrinterSetup> printerSetup_;
};

} // namespace zorind
