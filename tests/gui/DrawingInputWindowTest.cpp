#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>

#include "core/session/ViewCommands.h"
#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/edit/CircleDialog.h"
#include "gui/edit/PointerController.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

class DrawingWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setInteraction(&ui);
        window.resize(640, 480);
        window.show();
        area = window.drawingArea();
        area->ensurePicture();
    }
    void TearDown() override
    {
        ui.defaultAnswer = true;
        window.close();
    }

    QPoint pixel(float x, float y) const { return {p.view.toScreenX(x), p.view.toScreenY(y)}; }
    void click(float x, float y) { QTest::mouseClick(area, Qt::LeftButton, {}, pixel(x, y)); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(area, k, modifiers); }
    void turnWheel(QPoint at, int delta)
    {
        QWheelEvent wheel(QPointF(at), QPointF(area->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(area, &wheel);
    }
    double extentX() const { return drawnExtent(p.view.areaXMin, p.view.areaXMax); }

    ScriptedInteraction ui;
    MainWindow window;
    DrawingArea* area = nullptr;
    Project& p = window.project();
};

TEST_F(DrawingWindow, EscapeBackspaceAndEnterActOnThePolylineAndTheMenuKeysOpenItsPopupAtThePointer)
{
    window.action("Linielaman1")->trigger();
    click(4, 4);
    click(20, 4);
    click(20, 16);
    click(4, 16);
    ASSERT_EQ(p.elementCount(), 3);
    const int paints = area->modelPaints();
    key(Qt::Key_Backspace);
    EXPECT_EQ(p.nodeCount(), 3);
    EXPECT_EQ(p.elementCount(), 2);
    area->ensurePicture();
    EXPECT_GT(area->modelPaints(), paints) << "the element taken back is painted away";

    ui.answers = {true};
    key(Qt::Key_Return);
    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Zamknąć linie łamaną ?"});
    EXPECT_EQ(test::elementsOf(p), (std::vector<Element>{{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}}));
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    key(Qt::Key_Backspace);
    EXPECT_EQ(ui.shown.size(), 1u) << "no polyline, no question";
    EXPECT_EQ(p.elementCount(), 3);

    window.action("Linielaman1")->trigger();
    click(30, 30);
    click(40, 30);
    key(Qt::Key_Escape);
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    EXPECT_FALSE(p.edit.chainOpen);
    EXPECT_EQ(p.elementCount(), 4) << "ended open, as drawn";
    EXPECT_EQ(window.statusPanel(3)->text(), QStringLiteral(" "));

    // The popup a right press would open, where the pointer is.
    QCursor::setPos(area->mapToGlobal(QPoint(100, 120)));
    key(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(window.rightPopup()->isVisible());
    EXPECT_EQ(window.rightPopup()->pos(), area->mapToGlobal(QPoint(90, 110)));
    EXPECT_EQ(window.pointer().popupPoint(), QPoint(100, 120));
    window.rightPopup()->hide();
    window.action("Linielaman1")->trigger();
    QCursor::setPos(area->mapToGlobal(QPoint(300, 200)));
    key(Qt::Key_Menu);
    ASSERT_TRUE(window.polylinePopup()->isVisible());
    EXPECT_EQ(window.polylinePopup()->pos(), area->mapToGlobal(QPoint(290, 190)));
    window.polylinePopup()->hide();
}

TEST_F(DrawingWindow, ThePointerIsACrossWhileAPolylineOrACircleIsEnteredAndDialogsKeepTheirKeys)
{
    // Opens the circle's dialog and presses Escape in it, noting the
    // pointer over the drawing meanwhile and whether Escape closed it.
    struct Seen {
        Qt::CursorShape cursor = Qt::ArrowCursor;
        bool closedByEscape = false;
    };
    const auto circleEscaped = [this] {
        Seen seen;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(qobject_cast<CircleDialog*>(dialog), nullptr);
            seen.cursor = area->cursor().shape();
            QTest::keyClick(dialog, Qt::Key_Escape);
            seen.closedByEscape = !dialog->isVisible();
            if (dialog->isVisible()) {
                static_cast<QDialog*>(dialog)->reject();
            }
        });
        window.action("SpeedButton2")->trigger();
        return seen;
    };

    EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);
    window.action("SpeedButton1")->trigger();
    EXPECT_EQ(area->cursor().shape(), Qt::CrossCursor);
    key(Qt::Key_Escape);
    EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);

    const Seen idle = circleEscaped();
    EXPECT_EQ(idle.cursor, Qt::CrossCursor);
    EXPECT_TRUE(idle.closedByEscape);
    EXPECT_EQ(area->cursor().shape(), Qt::ArrowCursor);

    window.action("SpeedButton1")->trigger();
    click(10, 10);
    click(20, 10);
    const Seen drawing = circleEscaped();
    EXPECT_TRUE(drawing.closedByEscape);
    EXPECT_EQ(p.edit.editMode, EditMode::PolylineEntry) << "the dialog's Escape did not end the polyline";
    EXPECT_EQ(p.nodeCount(), 2) << "nor added a circle";
    EXPECT_EQ(area->cursor().shape(), Qt::CrossCursor);
}

TEST_F(DrawingWindow, TheWheelZoomsAboutThePointerAndTheMiddleButtonDragsTheDrawingWithoutAnEditingStep)
{
    test::addPolygon(p, {{5, 5}, {30, 5}, {30, 25}});
    window.requestRepaint();
    area->ensurePicture();
    const QPoint at(200, 150);
    const double mx = p.view.toModelX(at.x());
    const double my = p.view.toModelY(at.y());
    const double before = extentX();
    const QImage start = area->picture();
    const QString caption = window.windowTitle();

    turnWheel(at, 120);
    area->ensurePicture();
    EXPECT_NEAR(extentX() / before, ZOOM_IN_FACTOR, 1e-5);
    EXPECT_NEAR(p.view.screenX(mx), at.x(), 0.01);
    EXPECT_NEAR(p.view.screenY(my), at.y(), 0.01);
    EXPECT_NE(area->picture(), start) << "painted afresh";
    // A fine wheel adds up to a notch; back out by one.
    turnWheel(at, -60);
    EXPECT_NEAR(extentX() / before, ZOOM_IN_FACTOR, 1e-5);
    turnWheel(at, -60);
    EXPECT_NEAR(extentX() / before, ZOOM_IN_FACTOR * ZOOM_OUT_FACTOR, 1e-5);

    QTest::mousePress(area, Qt::MiddleButton, {}, at);
    QTest::mouseMove(area, QPoint(260, 190));
    area->ensurePicture();
    EXPECT_NEAR(p.view.screenX(mx), 260, 0.01);
    EXPECT_NEAR(p.view.screenY(my), 190, 0.01);
    QTest::mouseRelease(area, Qt::MiddleButton, {}, QPoint(260, 190));
    const float left = p.view.areaXMin;
    QTest::mouseMove(area, QPoint(100, 100));
    EXPECT_EQ(p.view.areaXMin, left) << "released";

    EXPECT_EQ(p.nodes[2], (Node{30, 5}));
    EXPECT_FALSE(window.action("Cofnij1")->isEnabled()) << "views are not taken back";
    EXPECT_EQ(window.windowTitle(), caption) << "nor saved";
}

// The smallest rectangle holding every black pixel of the picture.
QRect blackBox(const QImage& picture)
{
    QRect box;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if ((picture.pixel(x, y) & 0xffffffu) == 0) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

TEST_F(DrawingWindow, EqualScaleFromTheViewMenuDrawsACircleRoundAndOffDrawsAsBefore)
{
    QAction* equal = window.action("Rownaskalaosi1");
    ASSERT_NE(equal, nullptr);
    EXPECT_EQ(equal->text(), QString::fromUtf8("Równa s&kala osi"));
    EXPECT_TRUE(window.findChild<QMenu*>(QStringLiteral("Widok1"))->actions().contains(equal));
    EXPECT_TRUE(equal->isCheckable());
    EXPECT_TRUE(equal->isEnabled());
    EXPECT_FALSE(equal->isChecked());

    p.view.gridOn = 0;
    p.display.showNodes = 0;
    test::addCircle(p, 25, 25, 20, 72);
    window.requestRepaint();
    area->ensurePicture();
    const QImage stretched = area->picture();
    const QRect wide = blackBox(stretched);
    EXPECT_GT(wide.width(), wide.height() + 100) << "each axis at its own scale";

    const int paints = area->modelPaints();
    equal->trigger();
    area->ensurePicture();
    EXPECT_TRUE(equal->isChecked());
    EXPECT_GT(area->modelPaints(), paints);
    const QRect round = blackBox(area->picture());
    EXPECT_LE(std::abs(round.width() - round.height()), 2);
    EXPECT_FALSE(window.action("Cofnij1")->isEnabled());

    equal->trigger();
    area->ensurePicture();
    EXPECT_FALSE(equal->isChecked());
    EXPECT_EQ(area->picture(), stretched);
}

} // namespace
} // namespace zorind
