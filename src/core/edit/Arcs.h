#pragma once

#include "core/edit/Pointer.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// Arcs of a circle as nodes and elements: from a dialog ("&2 kąty, środek,
// promień") or from three points ("&3 punkty"). Like the circle's, their
// elements carry the current condition and boundary. An arc that starts on
// the last node of the polyline being drawn goes on from it: that node is
// its first, the polyline goes on from the arc's end, and an arc that ends
// on the polyline's first node closes it.

inline constexpr const char* kArcCaption = "Parametry łuku";
inline constexpr const char* kArcPointsCaption = "Łuk przez 3 punkty";
inline constexpr const char* kArcStartPrompt = "Wskaż początek łuku";
inline constexpr const char* kArcMiddlePrompt = "Wskaż punkt na łuku";
inline constexpr const char* kArcEndPrompt = "Wskaż koniec łuku";
// An arc through three points gets as many elements as the circle's
// dialog gives a full circle at first, in proportion to its angle.
inline constexpr int kArcElementsPerTurn = 18;

// The arc dialog's fields: centre, radius, the start and end angles in
// degrees (counter-clockwise from the x axis; the arc runs from the start to
// the end angle, counter-clockwise when the end is the larger), and the
// number of elements.
struct ArcSpec {
    float centreX = 0.0f;
    float centreY = 0.0f;
    float radius = 10.0f;
    float startAngle = 0.0f;
    float endAngle = 90.0f;
    int elements = 6;
};

// The arc of the dialog. A radius that is not positive, equal angles or
// fewer than one element are ignored silently, as by the circle; angles
// more than a full turn apart give the full circle. An arc that does not
// fit into the tables is refused whole with a message. Returns whether the
// arc was added.
bool addArc(Project& project, Interaction& ui, const ArcSpec& arc);

// The arc from `start` through `middle` to `end`, its end nodes exactly at
// those points. Points on one line make no arc: a message says so.
bool addArcThroughPoints(Project& project, Interaction& ui, ModelPoint start, ModelPoint middle, ModelPoint end);

// "&3 punkty": the next three left presses place an arc; the polyline
// being drawn, if any, goes on after it.
void startArcThroughPoints(Project& project, PointerFeedback& feedback);

// A left press while an arc's points are given, at `at` (a node's place
// when the press was near one). The third press adds the arc and returns
// to the mode the arc was started from. Returns whether the arc was placed.
bool placeArcPoint(Project& project, Interaction& ui, ModelPoint at, PointerFeedback& feedback);

// Leaves the arc's points untaken and returns to the mode it was started from.
void cancelArc(Project& project, PointerFeedback& feedback);

} // namespace zorind
