#include "view/Tskala.h"

#include <QPainter>
#include <QScreen>

#include <algorithm>

#include "view/ColourScale.h"

namespace zorind {

Tskala::Tskala(const Project& project, QWidget* parent) : QWidget(parent), project_(project)
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

void Tskala::applyPaintOutcome(const PaintOutcome& outcome, QWidget* mainWindow)
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

void Tskala::dockBeside(QWidget& mainWindow)
{
    const QRect frame = mainWindow.frameGeometry();
    const QScreen* screen = mainWindow.screen();
    if (screen != nullptr && screen->geometry().right() + 1 < frame.left() + frame.width()) {
        mainWindow.resize(std::max(mainWindow.minimumWidth(), mainWindow.width() - frameGeometry().width()),
                          mainWindow.height());
    }
    const QRect narrowed = mainWindow.frameGeometry();
    move(narrowed.left() + narrowed.width(), narrowed.top());
}

void Tskala::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintColourScale(painter, project_.palette, project_.scaleRange, width(), height());
}

} // namespace zorind
