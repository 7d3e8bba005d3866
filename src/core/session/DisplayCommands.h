#pragma once

#include "core/session/Project.h"

namespace zorind {

// The display switches of the tool bar and the "&Widok" menu.

// BWEZLY "Pokaż numery węzłów".
void toggleNodeNumbers(Project& project);
// BELE "Pokaż numery elementów".
void toggleElementNumbers(Project& project);
// BWB "Pokaż warunki brzegowe": switching on releases BT, BTN and BB.
void toggleBoundaryConditionsButton(Project& project);
// "&Widok" > "Warunki &brzegowe": switching on releases BT and BTN only.
void toggleBoundaryConditionsMenu(Project& project);
// BB: switching on releases BT, BTN and BWB.
void toggleElementBoundaryNumbers(Project& project);
// BT and "&Widok" > "&Potencjał": only for potential analyses; switching on
// releases BTN and BWB.
void togglePotential(Project& project);
// BTN and "&Widok" > "&Strumień": the same with the flux.
void toggleFlux(Project& project);
// "&Widok" > "&Mapa pola": the potential map over the region in potential
// analyses, the reduced-stress map in elasticity (any other type changes
// nothing). Turned on it releases the flux (which has a colour scale of its
// own), and the flux turned on releases it.
void toggleFieldMap(Project& project);
// "&Widok" > "Strzałki str&umienia": arrows of the flux over the region,
// in potential analyses (any other type changes nothing).
void toggleFluxArrows(Project& project);
// "&Widok" > "P&rzemieszczenia": on only when it was off and results are
// valid, off otherwise. With elasticity results the deformed boundary is
// drawn over the undeformed one.
void toggleDisplacements(Project& project);
// "&Widok" > "Naprężenia &zredukowane": for an elasticity analysis only; on
// it takes the place of the condition marks, as the potential view does.
void toggleReducedStress(Project& project);
// "&Widok" > "Równa s&kala osi": both axes at one scale, or each at its own.
void toggleEqualScale(Project& project);
// "&Widok" > "W. &normalne": short ticks along every element's outward
// normal, at its middle, show which way round each boundary runs.
void toggleNormals(Project& project);

} // namespace zorind
