#pragma once

#include <string>

#include "core/session/FileCommands.h"
#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// "&Koniec" and closing the main window: the offer to save unsaved changes,
// or with nothing to save the question "Zakończyć działanie programu ?".
// When the user goes on, the result views are switched off (which hides the
// colour scale at the next repaint) and true is returned: the program may
// end. Otherwise nothing changes.
bool confirmExit(Project& project, Interaction& ui, const ShowModel& showModel = {});

// "&O programie...": the program's name and version in a plain box.
void showAbout(Interaction& ui);

} // namespace zorind
