#pragma once

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

// The repair commands of the menu "&Usuń". They change the NodeTable and
// ElementTable only; boundaries, conditions, internal points and results are
// left alone.

// "&Podwójne węzły": after the confirmation, merges every node into the
// lower-numbered node at exactly the same place; elements that used the
// removed node use the survivor. Reports "Usunięto %d węzłów." when at least
// one node went. Answering No changes nothing.
void removeDoubleNodes(Project& project, Interaction& ui);

// "&Wolne węzły": deletes every node that no element uses.
void removeFreeNodes(Project& project, Interaction& ui);

// "Ele&menty o zerowej długości": deletes every element whose two nodes lie
// at the same place; the nodes stay.
void removeZeroLengthElements(Project& project, Interaction& ui);

inline constexpr const char* kDoubleNodesCaption = "Usuwanie podwójnych węzłów";

} // namespace zorind
