#pragma once

#include <QWidget>

#include "core/session/Project.h"
#include "render/Painter.h"

namespace zorind {

// "Skala": the colour scale of the last colouring pass, 71 x 368 pixels of
// strokes and value labels. Without a parent it is a window of its own with
// a fixed border and only a minimise button; with one it is a plain widget
// the main window places beside its drawing area.
// Tskala
class ColourScaleWindow : public QWidget {
    Q_OBJECT
public:
    explicit ColourScaleWindow(const Project& project, QWidget* parent = nullptr);

    // After every repaint of the drawing area: shown and repainted when the
    // painter coloured the model, hidden otherwise. A top-level scale window
    // docks to `mainWindow` first when one is given.
    void applyPaintOutcome(const PaintOutcome& outcome, QWidget* mainWindow = nullptr);

    // Places a top-level scale window at the right of `mainWindow`, top
    // edges level; a main window reaching beyond the right edge of its
    // screen is first narrowed by the scale window's width.
    void dockBeside(QWidget& mainWindow);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Project& project_;
};

} // namespace zorind
