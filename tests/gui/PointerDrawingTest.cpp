#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include "core/ui/ScriptedInteraction.h"
#include "gui/app/DrawingArea.h"
#include "gui/app/MainWindow.h"
#include "gui/edit/CircleDialog.h"
#include "gui/edit/PointerController.h"
#include "support/DialogTesting.h"
#include "support/ModelBuilders.h"

namespace zorind {
namespace {

TEST(PointerDrawing, ATriangleDrawnWithTheMouseIsClosedFromThePopup)
{
    ScriptedInteraction ui;
    MainWindow window;
    window.setInteraction(&ui);
    window.resize(640, 480);
    window.show();
    DrawingArea* area = window.drawingArea();
    area->ensurePicture();
    Project& p = window.project();

    window.action("SpeedButton1")->trigger();
    EXPECT_EQ(window.statusPanel(3)->text(), QStringLiteral("Wskaż pierwszy punkt myszką"));
    const auto pixel = [&p](float x, float y) { return QPoint(p.view.toScreenX(x), p.view.toScreenY(y)); };
    QTest::mouseClick(area, Qt::LeftButton, {}, pixel(4, 4));
    QTest::mouseClick(area, Qt::LeftButton, {}, pixel(20, 4));
    QTest::mouseMove(area, pixel(10, 10));
    EXPECT_EQ(window.statusPanel(0)->text(), QStringLiteral("x=10"));
    EXPECT_TRUE(p.edit.rubberBandShown);
    QTest::mouseClick(area, Qt::LeftButton, {}, pixel(4, 16));
    EXPECT_EQ(window.statusPanel(4)->text(), QStringLiteral("Ostatni pkt: 4, 16"));

    QTest::mouseClick(area, Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_TRUE(window.polylinePopup()->isVisible());
    EXPECT_EQ(window.polylinePopup()->pos(), area->mapToGlobal(QPoint(90, 90)));
    EXPECT_EQ(window.pointer().popupPoint(), QPoint(100, 100));
    ui.answers = {true};
    window.polylinePopup()->findChild<QAction*>(QStringLiteral("Zamknijlinieaman1"))->trigger();
    window.polylinePopup()->hide();

    EXPECT_EQ(ui.textsShown(), std::vector<std::string>{"Zamknąć linie łamaną ?"});
    EXPECT_EQ(std::vector<Node>(p.nodes.begin(), p.nodes.end()), (std::vector<Node>{{4, 4}, {20, 4}, {4, 16}}));
    EXPECT_EQ(test::elementsOf(p), (std::vector<Element>{{1, 2, 1, 1}, {2, 3, 1, 1}, {3, 1, 1, 1}}));
    EXPECT_EQ(p.edit.editMode, EditMode::Idle);
    EXPECT_EQ(window.statusPanel(3)->text(), QStringLiteral(" "));
    ui.answers = {true};
    window.close();
}

TEST(PointerDrawing, TheBandInvertsThePixelsItCoversAndDrawnTwiceLeavesThePictureAsItWas)
{
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(QColor(255, 255, 0));
    picture.setPixelColor(40, 20, QColor(12, 34, 200));
    const QImage before = picture;
    const auto band = [&picture] {
        QPainter painter(&picture);
        DrawingArea::invertLine(painter, QPoint(0, 0), QPoint(5000, 2500), QRect(-16, -16, 232, 132));
    };
    band();
    int inverted = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb was = before.pixel(x, y) & 0xffffffu;
            const QRgb now = picture.pixel(x, y) & 0xffffffu;
            inverted += now == (was ^ 0xffffffu) ? 1 : 0;
            ASSERT_TRUE(now == was || now == (was ^ 0xffffffu)) << x << "," << y;
        }
    }
    EXPECT_GT(inverted, 100) << "a dotted line across the picture";
    band();
    EXPECT_EQ(picture, before);
}

TEST(CircleDialog, KeepsItsTextsAndIgnoresWhatIsNotACircle)
{
    test::LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    Project p = test::emptyProject();
    ScriptedInteraction ui;
    CircleDialog dialog(p, ui);
    QString first;
    test::whileShown(
        dialog,
        [&] {
            first = dialog.centreXField()->text() + '|' + dialog.centreYField()->text() + '|' +
                    dialog.radiusField()->text() + '|' + dialog.elementCountField()->text();
            dialog.centreXField()->setText(QStringLiteral("1,5"));
            dialog.radiusField()->setText(QStringLiteral("2,5"));
            dialog.elementCountField()->setText(QStringLiteral("4"));
        },
        "OK");
    dialog.edit();
    EXPECT_EQ(first, QStringLiteral("0|0|10|18"));
    ASSERT_EQ(p.nodeCount(), 4);
    EXPECT_EQ(p.nodes[1], (Node{4.0f, 0.0f}));

    const struct {
        const char* radius;
        const char* count;
    } ignored[] = {{"0", "4"}, {"-1", "4"}, {"abc", "4"}, {"10", "2"}, {"10", "x"}};
    for (const auto& entry : ignored) {
        QString kept;
        test::whileShown(
            dialog,
            [&] {
                kept = dialog.centreXField()->text();
                dialog.radiusField()->setText(QString::fromLatin1(entry.radius));
                dialog.elementCountField()->setText(QString::fromLatin1(entry.count));
            },
            "OK");
        dialog.edit();
        EXPECT_EQ(kept, QStringLiteral("1,5")) << "the texts typed last stay";
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(p.nodeCount(), 4);
    EXPECT_TRUE(ui.shown.empty());

    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        EXPECT_TRUE(label->buddy() != nullptr || label->objectName() == "Label1") << "every field has its label";
    }
}

} // namespace
} // namespace zorind
