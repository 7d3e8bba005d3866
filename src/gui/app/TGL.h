#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/QtInteraction.h"
#include "model/Project.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace zorind {

class Ttypobl_;
class Twf;
class Tl_www;
class Tl_wyn;
class Td_siatki;
class Td_obsz;
class T_ustaw;
class Tskala;
class PrinterSetup;
class Tskaluj_;
class TGL;

// The client area below the tool bars, where the model is drawn. The pixel
// margins are measured from its own edges, so no part of the model lies
// hidden under the tool bars.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit DrawingArea(TGL* owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TGL* owner_;
};

// The main window: a thin router from menus, tool bars and the pointer to
// the commands on the Project. It keeps no enabled or pressed state of its
// own for the display switches; every repaint sets them from the Project.
class TGL : public QMainWindow {
    Q_OBJECT
public:
    explicit TGL(QWidget* parent = nullptr);
    ~TGL() override;

    Project& project() { return project_; }
    Interaction& interaction() { return *ui_; }
    // Tests route every message box and question through their own double.
    void setInteraction(Interaction* ui);
    // Tests answer the analysis-type dialog without showing it.
    void setAnalysisTypeChooser(std::function<std::optional<int>()> chooser) { chooseType_ = std::move(chooser); }

    DrawingArea* drawingArea() const { return drawingArea_; }
    QToolBar* speedPanel() const { return speedPanel_; }
    QToolBar* panel1() const { return panel1_; }
    QComboBox* conditionSelector() const { return cwb_; }
    QComboBox* boundarySelector() const { return cbrzeg_; }
    QLabel* statusPanel(int index) const { return statusPanels_.at(static_cast<std::size_t>(index)); }
    QMenu* rightPopup() const { return prawymenu_; }
    QMenu* polylinePopup() const { return lamaPop_; }
    Ttypobl_* analysisTypeDialog() const { return typeDialog_; }
    Twf* propertiesDialog() const { return twf_; }
    Tl_www* internalResultsList() const { return tlWww_; }
    Tl_wyn* resultsList() const { return tlWyn_; }
    Td_siatki* gridDialog() const { return tdSiatki_; }
    Td_obsz* areaDialog() const { return tdObsz_; }
    T_ustaw* screenSettingsDialog() const { return tUstaw_; }
    Tskala* scaleWindow() const { return scale_.get(); }
    Tskaluj_* scalingDialog() const { return tSkaluj_; }

    // Runs a command's repaint request: the drawing area repaints, and the
    // caption follows titleText.
    void requestRepaint();
    void refreshCaption();
    // The tool-bar and menu refresh rule, run by every repaint.
    void refreshControls();
    void paintDrawing(QPainter& painter, int clientWidth, int clientHeight);
    void drawingResized();

public slots:
    void Nowy1Click();
    void Otworz1Click();
    void Zapisz1Click();
    void Koniec1Click();
    void Oprogramie1Click();
    void Typoblicze1Click();
    void Sprawdspjnodanych1Click();
    void Renumerujelementy1Click();
    void Podwjnewzy1Click();
    void Wolnewzy1Click();
    void Elementyozerowejdugoci1Click();
    void Wasnocifizyczne1Click();
    void Temperaturawwwewntrznych1Click();
    void BWEZLYClick();
    void BELEClick();
    void BWBClick();
    void Warbrzegowe1Click();
    void BBClick();
    void BTClick();
    void BTNClick();
    void Przemieszczenia1Click();
    void ZoomPlBClick();
    void ZoomMiBClick();
    void Pokawszystko1Click();
    void Siatka1Click();
    void Obszar1Click();
    void Ustawieniaekranu1Click();
    void Ustawieniadrukarki1Click();
    void Oblicz1Click();
    void Listawynikw1Click();
    void Skalujwyniki1Click();
    void CWBChange(int index);
    void CBRZEGChange(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs a command on the Project and repaints when it asks for it.
    void run(bool (*command)(Project&, Interaction&));
    void repaintIf(bool due);
    // Items whose commands belong to later parts of the program.
    void noCommandYet() {}

    QAction* addItem(QMenu* menu, const char* objectName, const char* caption, void (TGL::*slot)(),
                     const QKeySequence& shortcut = {});
    QAction* addDisabled(QMenu* menu, const char* objectName, const char* caption);
    QAction* addToolAction(QToolBar* bar, const char* objectName, const QIcon& icon, const char* hint,
                           void (TGL::*slot)(), bool toggle = false);
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    void buildPopups();

    Project project_;
    QtInteraction qtUi_;
    Interaction* ui_;
    std::function<std::optional<int>()> chooseType_;
    bool exitConfirmed_ = false;

    DrawingArea* drawingArea_ = nullptr;
    QToolBar* speedPanel_ = nullptr;
    QToolBar* panel1_ = nullptr;
    QComboBox* cbrzeg_ = nullptr;
    QComboBox* cwb_ = nullptr;
    std::array<QLabel*, 6> statusPanels_{};
    QMenu* prawymenu_ = nullptr;
    QMenu* lamaPop_ = nullptr;
    Ttypobl_* typeDialog_ = nullptr;
    Twf* twf_ = nullptr;
    Tl_www* tlWww_ = nullptr;
    Tl_wyn* tlWyn_ = nullptr;
    Td_siatki* tdSiatki_ = nullptr;
    Td_obsz* tdObsz_ = nullptr;
    T_ustaw* tUstaw_ = nullptr;
    Tskaluj_* tSkaluj_ = nullptr;
    // The colour-scale window is a window of its own beside the main one.
    std::unique_ptr<Tskala> scale_;
    // Kept for the run so that the printer chosen stays chosen.
    std::unique_ptr<PrinterSetup> printerSetup_;

    // Controls the refresh rule sets from the Project.
    QAction* bWezly_ = nullptr;
    QAction* bEle_ = nullptr;
    QAction* bWb_ = nullptr;
    QAction* bB_ = nullptr;
    QAction* bT_ = nullptr;
    QAction* bTn_ = nullptr;
    QAction* normalsItem_ = nullptr;
    QAction* conditionsItem_ = nullptr;
    QAction* potentialItem_ = nullptr;
    QAction* fluxItem_ = nullptr;
    QAction* displacementsItem_ = nullptr;
};

} // namespace zorind
