#pragma once

#include <QIcon>

namespace zorind {

// Tool-bar icons: the desktop theme's where one fits, otherwise a small
// picture drawn by the program itself so that every button is recognisable
// on any desktop.
enum class IconKind {
    New,
    Open,
    Save,
    Polyline,
    Circle,
    AddCondition,
    NodeNumbers,
    ElementNumbers,
    ShowConditions,
    BoundaryNumbers,
    ZoomIn,
    ZoomOut,
    Pan,
    Solve,
    Results,
    Potential,
    Flux,
    AddBoundary,
    Undo,
    Redo,
    None, // no icon (menu items)
};

QIcon toolIcon(IconKind kind);

} // namespace zorind
