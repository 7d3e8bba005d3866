#include "gui/view/ColourScaleWindow.h"

#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "core/view/ColourScale.h"

namespace zorind {

ColourScaleWindow::ColourScaleWindow(const Project& project, QWidget* parent) : QWidget(parent), project_(project)
{
    setObjectName(QStringLiteral("Tskala"));
    setWindowTitle(QStringLiteral("Skala"));
    if (parent == nullptr) {
        setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowMinimizeButtonHint);
    }
    setFixedSize(kScaleWindowWidth, kScaleWindowHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    hide();
}

void ColourScaleWindow::applyPaintOutcome(const PaintOutcome& outcome, QWidget* mainWindow)
{
    if (!outcome.scaleVisible) {
        if (isVisible()) {
            hide();
        }
        return;
    }
    if (mainWindow != nullptr && isWindow()) {
        dockBeside(*mainWindow);
    }
    if (!isVisible()) {
        show();
    }
    update();
}

void ColourScaleWindow::dockBeside(QWidget& mainWindow)
{
    const QScreen* screen = mainWindow.screen();
    const QSize own = frameGeometry().size();
    if (screen == nullptr) {
        const QRect frame = mainWindow.frameGeometry();
        move(frame.left() + frame.width(), frame.top());
        return;
    }
    const QRect area = screen->availableGeometry();
    // A main window that reaches the right edge leaves no room beside it:
    // it gives up the scale window's width (a maximised one cannot).
    const QRect frame = mainWindow.frameGeometry();
    if (frame.left() + frame.width() + own.width() > area.left() + area.width() && !mainWindow.isMaximized() &&
        !mainWindow.isFullScreen()) {
        mainWindow.resize(std::max(mainWindow.minimumWidth(), mainWindow.width() - own.width()), mainWindow.height());
    }
    const QRect narrowed = mainWindow.frameGeometry();
    // Beside the main window where it fits; otherwise over its right edge,
    // but always wholly on the screen.
    const int left =
        std::max(area.left(), std::min(narrowed.left() + narrowed.width(), area.left() + area.width() - own.width()));
    const int top = std::max(area.top(), std::min(narrowed.top(), area.top() + area.height() - own.height()));
    move(left, top);
}

void ColourScaleWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintColourScale(painter, project_.palette, project_.scaleRange, width(), height());
}

} // namespace zorind
