#pragma once

#include <QFont>
#include <optional>
#include <string>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

class QPainter;

namespace zorind::solver {
struct FieldMap;
struct ArrowField;
} // namespace zorind::solver

namespace zorind {

// What the window has to do after a repaint of the drawing area.
// A message the painter has for the user. It cannot show it itself: a box
// must not open inside a paint event.
struct PaintMessage {
    std::string text;
    std::string caption;
    MessageKind kind = MessageKind::Plain;
};

struct PaintOutcome {
    // The grid was too fine and has been switched off: repaint once more.
    bool repaintRequested = false;
    // Shown by whoever painted, once the paint is over.
    std::optional<PaintMessage> message;
    // Results were coloured: the colour-scale window is to be repainted and
    // shown. False: it is to be hidden.
    bool scaleVisible = false;
    // The deformed boundary was drawn with this factor on the displacements.
    std::optional<double> displacementFactor;
};

// The font of every label on the drawing: 8-point sans-serif.
QFont drawingFont();

// Draws the whole drawing area of a client area clientWidth x clientHeight
// from the Project, layer by layer: background, grid, node markers, node and
// element numbers, elements with their condition marks, result colouring
// (an elasticity solution: the reduced stress, the deformed boundary),
// internal points. Writes back only the scales, gridOn (a grid of more than
// 20000 dots is switched off, after one message through `ui`), a zero grid
// step (becomes 10) and the ColourScaleRange. The tool bars, selectors and
// menu check marks are the window's, from toolBarState().
//
// `map`, when given, is the potential map computed for this view and size
// (solver::computeFieldMap): drawn over the background and the grid, under
// everything else, and its range becomes the colour scale's. `arrows`, when
// given, are the flux arrows for this view and size, drawn over the map.
PaintOutcome paintModel(QPainter& painter, Project& project, int clientWidth, int clientHeight,
                        const solver::FieldMap* map = nullptr, const solver::ArrowField* arrows = nullptr);

// The content of the colour-scale window on a client area of the given
// size: white background, a stroke per palette entry 1..199, value labels.
void paintColourScale(QPainter& painter, const ColourPalette& palette, const ColourScaleRange& range, int clientWidth,
                      int clientHeight);

} // namespace zorind
