#pragma once

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// "&Renumeruj elementy": puts the ElementTable into the order the
// consistency check demands: grouped by boundary, boundary 1 first, each
// boundary as one closed chain in chain order from its lowest-numbered
// element. Records move whole; no field changes. When a chain cannot be
// followed the table is left grouped by boundary only, with the message
// "Nie można posortować elementów (2)".
void renumberElements(Project& project, Interaction& ui);

} // namespace zorind
