#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "core/view/ViewTransform.h"

namespace zorind {

// Pointer handling of the drawing area as plain functions of the Project
// (which holds the interaction state, project.edit) and a pointer event.
// They change the model through the editing commands and tell the window
// what to draw, write or open through a PointerFeedback.

enum class PointerButton { Left, Right, Middle };

// The two popup menus the right button opens.
enum class PopupMenu {
    General,  // prawymenu, while no drawing command is active
    Polyline, // lamaPop, while a polyline is drawn
};

// Status-bar panels the pointer writes.
enum StatusPanel : int {
    PanelX = 0,         // "x=..."
    PanelY = 1,         // "y=..."
    PanelPrompt = 3,    // the drawing command's prompt
    PanelLastPoint = 4, // "Ostatni pkt: x, y"
    PanelSelection = 5, // current boundary and condition
};

// A popup opens this many pixels up and left of the pointer.
inline constexpr int kPopupOffset = 10;
// Half the size of the marker drawn on a placed point.
inline constexpr int kNodeMarkRadius = 3;

struct PointerEvent {
    PointerButton button = PointerButton::Left; // moves ignore it
    PixelPoint position;                        // in the client area
    // The client size at the moment of the event: the conversions take the
    // drawing height from it (the scales stay those of the last repaint).
    int clientWidth = 0;
    int clientHeight = 0;
    // The user's decimal separator, for the numbers in the status bar.
    char decimalSeparator = '.';
};

// What the window does for the pointer handlers and the polyline commands.
// Drawing happens over the painted model, between repaints.
class PointerFeedback {
public:
    virtual ~PointerFeedback() = default;
    virtual void setStatusText(int panel, std::string_view text) = 0;
    // A filled dark-red circle with this bounding box.
    virtual void drawNodeMarker(PixelPoint topLeft, PixelPoint bottomRight) = 0;
    // A new element: a solid black line, 1 pixel wide.
    virtual void drawElementLine(PixelPoint from, PixelPoint to) = 0;
    // Inverts every pixel under a dotted line 2 pixels wide; the same call
    // once more restores the picture.
    virtual void invertRubberBand(PixelPoint from, PixelPoint to) = 0;
    // Opens the popup with its top-left corner at this client position.
    virtual void openPopup(PopupMenu menu, PixelPoint topLeft) = 0;
    // The ends of a segment have been entered ("Wykres wzdłuż odcinka"):
    // the plot along it opens; without ends, for the user to type them.
    virtual void openSegmentPlot(std::optional<std::array<ModelPoint, 2>> /*ends*/) {}
};

// Where the pointer is in model units: the nearest grid point while the
// grid is on, otherwise the plain conversion of the pixel. `view` keeps its
// scales; only its client size is taken from the event.
ModelPoint pointerModelPosition(const ViewTransform& view, PixelPoint position, int clientWidth, int clientHeight);

// A button press. Right: popupPoint is set and the popup of the current
// mode opens. Left while a polyline is drawn: a point is placed (node,
// and from the second point on an element), its marker and element drawn,
// panels 3 and 4 written. A press within the pick radius of a node places
// the point exactly on that node's coordinates; a point that would lie on
// the chain's own first node (so placed, or snapped there by the grid)
// closes the chain instead ("Zamknij linie łamaną", with its question).
// Middle: a drag of the drawing begins. Anything else does nothing.
void pointerPressed(Project& project, Interaction& ui, const PointerEvent& event, PointerFeedback& feedback);

// A move: panels 0, 1 and 5, and the rubber band while a chain is open;
// while the middle button drags, the area follows the pointer instead of
// the band.
void pointerMoved(Project& project, const PointerEvent& event, PointerFeedback& feedback);

// Releasing the middle button ends a drag; other releases have no effect.
void pointerReleased(Project& project, const PointerEvent& event, PointerFeedback& feedback);

// The mouse wheel turned by `notches` (positive: away from the user, which
// zooms in) with the pointer at event.position: each notch zooms by the
// zoom buttons' factor about the pointer, until a zoom limit refuses one.
// Returns whether the area changed.
bool pointerWheel(Project& project, const PointerEvent& event, int notches);

// The keys of the drawing area.
enum class DrawingKey {
    End,      // "Koniec lini łamanej"
    TakeBack, // "Usuń ostatni element"
    Close,    // "Zamknij linie łamaną", with its question
    Popup,    // the popup a right press at event.position would open
};

// A key pressed over the drawing: the polyline keys act as their popup
// commands while a polyline is drawn, and are left to others otherwise; the
// popup key always opens the popup of the current mode. Returns whether the
// key was taken.
bool drawingKeyPressed(Project& project, Interaction& ui, DrawingKey key, const PointerEvent& event,
                       PointerFeedback& feedback);

// The model has been repainted: any band on the screen is gone, so the
// next move must not invert it once more.
void forgetRubberBand(Project& project);

} // namespace zorind
