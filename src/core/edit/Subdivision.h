#pragma once

#include <vector>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"

namespace zorind {

inline constexpr const char* kSubdivideCaption = "Podział elementów";
inline constexpr const char* kSubdivideElementPrompt = "Numer elementu (0 - wszystkie elementy aktualnego brzegu):";
inline constexpr const char* kSubdividePartsPrompt = "Liczba części (2 - 20):";
inline constexpr const char* kNoSuchElement = "Nie ma takiego elementu";
inline constexpr const char* kBadPartCount = "Liczba części musi być liczbą całkowitą od 2 do 20";
inline constexpr int kMinParts = 2;
inline constexpr int kMaxParts = 20;

// Splits each of `elements` (element numbers in use, each named once) into
// `parts` equal straight elements: the element keeps its start node and
// ends at the first new node, and the new elements follow it in the
// numbering, each carrying its condition and boundary and running in its
// direction, so a chain keeps its order; the elements after it move up. The
// new nodes go to the end of the node table, so no node changes its number.
// Refused whole, with a message and nothing changed, when `parts` is outside
// kMinParts..kMaxParts, an element names a node that does not exist, or
// the nodes or elements would not fit. Returns whether the model changed.
bool splitElements(Project& project, Interaction& ui, const std::vector<int>& elements, int parts);

// "Zmień" > "Po&dziel elementy": asks for an element number (0: every
// element of the current boundary) and the number of parts, then splits as
// splitElements does. A cancelled prompt does nothing; a number naming no
// element, or a current boundary without elements, is answered with a
// message. Returns whether the model changed.
bool subdivideElements(Project& project, Interaction& ui);

} // namespace zorind
