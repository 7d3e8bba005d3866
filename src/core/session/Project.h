#pragma once

#include "core/model/Model.h"
#include "core/session/Session.h"

namespace zorind {

// The single in-memory project every command reads and changes: the model
// data and the session that shows it. Commands that need only one of the
// two take a Model or a Session.
struct Project : Model, Session {};

// Marks the results as belonging to another model: the data they were
// computed from has changed, so nothing of them may be shown.
void invalidateResults(Project& project);

// Puts the Project back into the empty state (used by "Nowy" and "Otwórz")
// and counts a start of the project. Leaves projectOpen, titleText,
// paletteMode, showElementBoundaryNumbers, showBcNumbers and the result
// tables alone.
void resetProject(Project& project);

// The state of a freshly started program: resetProject plus the values only
// start-up sets, with every table entry beyond its count zero.
void initialiseProject(Project& project);

} // namespace zorind
