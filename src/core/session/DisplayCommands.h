#pragma once

#include "core/session/Project.h"

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
// "&Widok" > "&Mapa pola": the potential map over the region in potential
// analyses, the reduced-stress map in elasticity (any other type changes
// nothing but still repaints). Turned on it releases the flux (which has a
// colour scale of its own), and the flux turned on releases it.
bool toggleFieldMap(Project& project);
// "&Widok" > "Strzałki str&umienia": arrows of the flux over the region,
// in potential analyses (any other type changes nothing but still
// repaints).
bool toggleFluxArrows(Project& project);
// "&Widok" > "P&rzemieszczenia": on only when it was off and results are
// valid, off otherwise. With elasticity results the deformed boundary is
// drawn over the undeformed one.
bool toggleDisplacements(Project& project);
// "&Widok" > "Naprężenia &zredukowane": for an elasticity analysis only; on
// it takes the place of the condition marks, as the potential view does.
bool toggleReducedStress(Project& project);
// "&Widok" > "Równa s&kala osi": both axes at one scale, or each at its own.
bool toggleEqualScale(Project& project);

} // namespace zorind
