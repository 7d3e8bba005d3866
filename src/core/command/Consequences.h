#pragma once

#include <string>

#include "core/session/Project.h"

namespace zorind {

// What a command changed, found by comparing the project before and after
// it. Commands do not report it themselves, so none can forget a part.
struct Changes {
    bool geometry = false;       // nodes, elements, the kinds of their boundaries
    bool conditions = false;     // the conditions the elements carry
    bool properties = false;     // analysis type, conductivity, ambient temperature
    bool entries = false;        // any table entry, used by an element or not
    bool internalPoints = false; // internal points' positions or count
    bool results = false;        // resultsValid, the result tables, internal values
    bool current = false;        // the current boundary or condition
    bool shown = false;          // view, display switches, palette, caption, drawing mode

    // The data the results are computed from.
    bool resultInputs() const { return geometry || conditions || properties; }
    bool modelData() const { return resultInputs() || entries || internalPoints || results || current; }
    // A step of the editing history: a change of the model data beyond the
    // choice of the current boundary or condition.
    bool step() const { return resultInputs() || entries || internalPoints || results; }
    bool any() const { return modelData() || shown; }
};

// The parts of the session a command can change that the drawing shows.
// The painter's own bookkeeping (the scales of the last repaint, the range
// of the colour scale) and the pointer feedback are not among them.
struct ShownState {
    float areaXMin = 0.0f;
    float areaYMin = 0.0f;
    float areaXMax = 0.0f;
    float areaYMax = 0.0f;
    float gridStepX = 0.0f;
    float gridStepY = 0.0f;
    int32_t gridOn = 0;
    int32_t equalScale = 0;
    int32_t marginLeft = 0;
    int32_t marginRight = 0;
    int32_t marginTop = 0;
    int32_t marginBottom = 0;
    DisplaySettings display;
    ColourPalette palette;
    int32_t showDisplacements = 0;
    int32_t showReducedStress = 0;
    std::string titleText;
    EditMode editMode = EditMode::Idle;
    bool chainOpen = false;
    friend bool operator==(const ShownState&, const ShownState&) = default;
};

// The polyline being drawn: which of its nodes it goes on from.
struct ChainState {
    bool open = false;
    int32_t firstNode = 0;
    int32_t lastNode = 0;
};

inline ChainState chainStateOf(const EditState& edit)
{
    return {edit.chainOpen, edit.chainFirstNode, edit.chainLastNode};
}

// The project as a command found it.
struct ProjectSnapshot {
    Model model;
    ShownState shown;
    ChainState chain;
};

ProjectSnapshot takeSnapshot(const Project& project);
Changes changesBetween(const ProjectSnapshot& before, const Project& after);

// What the window must do after a command.
struct Consequences {
    Changes changes;
    bool repaint = false;  // paint the model afresh (and the caption)
    bool controls = false; // bring the tool bars and selectors in step
};

// How much of a command's change is on the screen already.
enum class Drawn {
    Nothing,
    // The pointer feedback drew the new nodes and elements onto the picture:
    // a repaint is due only when what is shown changed otherwise.
    GeometryByFeedback,
};

// The one rule for a command's consequences, applied once after every
// command (and after each store of a dialog that stays open): results
// whose input data changed while they did not are marked invalid, and the
// drawing and the controls follow whatever changed.
Consequences settleCommand(const ProjectSnapshot& before, Project& after, Drawn drawn = Drawn::Nothing);

// Runs `command` on the project and settles it: for the command line and
// the tests, which have no window.
template <class Command> Consequences runCommand(Project& project, Command&& command)
{
    const ProjectSnapshot before = takeSnapshot(project);
    command();
    return settleCommand(before, project);
}

} // namespace zorind
