#pragma once

#include "core/edit/Pointer.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// Drawing boundaries: polylines point by point and circles from a dialog.
// New nodes and elements go to the end of their tables and carry the
// current condition and boundary.

inline constexpr const char* kFirstPointPrompt = "Wskaż pierwszy punkt myszką";
inline constexpr const char* kNextPointPrompt = "Wskaż kolejne punkty myszką";
inline constexpr const char* kPolylineCaption = "Linia łamana";
inline constexpr const char* kCircleCaption = "Parametry okręgu";
// The full turn of a circle: slightly less than 2 pi, so the closing
// element is a little longer than the others.
inline constexpr double kStep2Pi = 6.283;

// "Linię łamaną": left presses place points from now on. A chain that was
// interrupted by another command continues from its last node. The results
// no longer belong to the model about to be drawn.
void startPolyline(Project& project, PointerFeedback& feedback);

// "Koniec lini łamanej": the polyline stays open as drawn.
void endPolyline(Project& project, PointerFeedback& feedback);

// Places a polyline point at `at`: a node, and while a chain is open an
// element from the chain's last node to it. A point on the chain's last
// node is ignored; a chain whose last node was deleted has ended. Refused
// whole, with a message, when the node or the element does not fit.
// Returns the new node's number, or 0 when nothing was placed.
int placePolylinePoint(Project& project, Interaction& ui, ModelPoint at);

// How many elements the open chain has of its own, walking back from its
// last node to its first; -1 when no chain is open or it no longer reaches
// its first node (a node or element of it was deleted meanwhile).
int chainElementCount(const Project& project);

// "Zamknij linie łamaną": after a Yes, an element joins the chain's last
// node to its first one, in the chain's direction, and the polyline ends;
// a chain of fewer than two elements of its own ends without one. Nothing
// with fewer than 2 elements in the model or a No; an error when no chain
// is open or it no longer reaches its first node.
void closePolyline(Project& project, Interaction& ui, PointerFeedback& feedback);

// "Usuń ostatni element": while a chain is open, removes the chain's
// element that ends at its last node, then that node once no element uses
// it; the chain goes on from the node before.
// Removing the lone first point of a polyline leaves the elements of other
// contours alone and waits for a new first point.
void removeLastElement(Project& project);

struct CircleSpec {
    float centreX = 0.0f;
    float centreY = 0.0f;
    float radius = 10.0f;
    int elements = 18;
};

// Appends a circle of `elements` nodes and elements around the centre,
// counter-clockwise, clockwise on an inner current boundary. A radius that
// is not positive or fewer than 3 elements are ignored silently; a circle
// that does not fit into the tables is refused whole with a message.
// Returns whether the circle was added.
bool addCircle(Project& project, Interaction& ui, const CircleSpec& circle);

} // namespace zorind
