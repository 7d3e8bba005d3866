#pragma once

#include "session/Project.h"

namespace zorind {

// The display switches of the tool bar and the "&Widok" menu. Each returns
// whether the main window must repaint (always, as every toggle asks for a
// repaint even when it changes nothing).

// BWEZLY "Pokaż numery węzłów".
bool toggleNodeNumbers(Project& project);
// BELE "Pokaż numery elementów".
bool toggleElementNumbers(Project& project);
// BWB "Pokaż warunki brzegowe": switching on releases BT, BTN and BB.
bool toggleBoundaryConditionsButton(Project& project);
// "&Widok" > "Warunki &brzegowe": switching on releases BT and BTN only.
bool toggleBoundaryConditionsMenu(Project& project);
// BB: switching on releases BT, BTN and BWB.
bool toggleElementBoundaryNumbers(Project& project);
// BT and "&Widok" > "&Potencjał": only for potential analyses; switching on
// releases BTN and BWB.
bool togglePotential(Project& project);
// BTN and "&Widok" > "&Strumień": the same with the flux.
bool toggleFlux(Project& project);
// "&Widok" > "P&rzemieszczenia": on only when it was off and results are
// valid, off otherwise. No layer draws displacements.
bool toggleDisplacements(Project& project);

} // namespace zorind
