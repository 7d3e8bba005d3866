#pragma once

#include <string>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// "&Koniec" and closing the main window: asks "Zakończyć działanie
// programu ?". Yes switches the result views off (which hides the colour
// scale at the next repaint) and returns true: the program may end. No
// changes nothing.
bool confirmExit(Project& project, Interaction& ui);

// "&O programie...": the program's name and version in a plain box.
void showAbout(Interaction& ui);

} // namespace zorind
