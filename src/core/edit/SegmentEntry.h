#pragma once

#include "core/edit/Pointer.h"
#include "core/session/Project.h"

namespace zorind {

inline constexpr const char* kSegmentStartPrompt = "Wskaż początek odcinka (Enter: wpisz współrzędne, Esc: rezygnacja)";
inline constexpr const char* kSegmentEndPrompt = "Wskaż koniec odcinka (Esc: rezygnacja)";

// "Wykres wzdłuż odcinka": the pointer enters the two ends of a segment.
// Any polyline being drawn ends first. Returns whether a repaint is due.
bool startSegmentEntry(Project& project, PointerFeedback& feedback);

// A left press while a segment is entered: the first places its start, the
// second its end (each on a node within the pick radius, else where the
// pointer is, on the grid while it is on), after which the entry ends and
// the plot of the segment opens. Returns whether a repaint is due.
bool segmentPressed(Project& project, const PointerEvent& event, PointerFeedback& feedback);

// A move while a segment is entered: the rubber band from its start to the
// pointer, once the start is placed.
void segmentMoved(Project& project, const PointerEvent& event, PointerFeedback& feedback);

// Escape (DrawingKey::End) gives the entry up; Enter (DrawingKey::Close)
// ends it and opens the plot for ends typed in it. Other keys are left
// alone. Returns whether the key was taken.
bool segmentKey(Project& project, DrawingKey key, PointerFeedback& feedback);

} // namespace zorind
