#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/view/ColourPalette.h"
#include "core/view/DisplaySettings.h"
#include "core/view/ViewTransform.h"

namespace zorind {

enum class EditMode { Idle, PolylineEntry, ArcEntry, SegmentEntry };

// A position in the drawing area's client area, in pixels (y down).
struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The pointer-interaction state of the main window. A project reset clears
// the mode and the open chain; the rest is pointer feedback on the screen.
struct EditState {
    // Idle: no drawing command; PolylineEntry: left presses place points;
    // ArcEntry: three left presses give an arc's start, a point on it and
    // its end, then the mode it was started from goes on.
    EditMode editMode = EditMode::Idle;
    EditMode arcReturnMode = EditMode::Idle;
    int32_t arcPointCount = 0;
    std::array<ModelPoint, 2> arcPoints{};
    // The first point of the polyline being drawn is placed: the rubber
    // band runs from the chain's last node.
    bool chainOpen = false;
    // The chain's own first and last nodes while it is open: the next
    // element starts at the last one, closing joins the last to the first.
    // Node deletions keep them in step (0: the first node is gone).
    int32_t chainFirstNode = 0;
    int32_t chainLastNode = 0;
    // A rubber band is on the screen and must be drawn once more (inverted)
    // to erase it. Every model repaint wipes it.
    bool rubberBandShown = false;
    PixelPoint rubberAnchor; // last node when the band was drawn
    PixelPoint rubberEnd;    // pointer when the band was drawn
    // Where the last right press that opened a popup menu was; the popup
    // commands act there.
    PixelPoint popupPoint;
    // While the ends of a segment are entered: its start, once placed.
    bool segmentStartSet = false;
    ModelPoint segmentStart;
    // The middle button drags the drawing: where it was pressed and the
    // view as it was then, which every move shifts afresh.
    bool panning = false;
    PixelPoint panFrom;
    ViewTransform panStart;
};

// How the model is shown and worked on in this run of the program: the file
// it came from, the view, the display switches, the palette, the pointer
// state and the entry a dialog was opened on. None of it is model data, so
// taking back an edit leaves it alone.
struct Session {
    bool projectOpen = false;
    std::string titleText = " ";
    // The file the project was last read from or written to (empty: none),
    // and the project file's text at that moment, or when the project was
    // started afresh: the model has unsaved changes while its text differs.
    std::string filePath;
    std::string savedProjectText;
    // The projects last opened or saved, the most recent first (the "Plik"
    // menu's list; the window keeps it in the user's settings across runs).
    std::vector<std::string> recentProjects;
    // How often the project was started afresh (every reset: "Nowy",
    // "Otwórz"): an editing history belongs to one start.
    unsigned projectStarts = 0;
    // The entry a dialog or list was opened on (0: the user types it).
    int32_t selectedNumber = 0;

    ViewTransform view;
    DisplaySettings display;
    ColourPalette palette;
    ColourScaleRange scaleRange;
    EditState edit;
    int32_t showDisplacements = 0;
    // "Naprężenia &zredukowane": the boundary coloured by the reduced stress
    // of an elasticity solution.
    int32_t showReducedStress = 0;
    // The segment of "Wykres wzdłuż odcinka", drawn on the model while its
    // plot is open.
    struct ProbeLine {
        bool shown = false;
        double x0 = 0.0;
        double y0 = 0.0;
        double x1 = 0.0;
        double y1 = 0.0;
    };
    ProbeLine probeLine;
};

} // namespace zorind
